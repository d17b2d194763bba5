#include "widgets/PictureButton.h"

#include "widgets/Theme.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

PictureButton::PictureButton(const QString& name, const QString& iconName, const QString& caption,
                             Look look, QWidget* parent)
    : QAbstractButton(parent), m_icon(iconName), m_look(look) {
    setObjectName(name);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, true);
    QFont captionFont = Theme::Verdana(look == Look::Caption ? 12 : 11, true);
    setFont(captionFont);
}

QSize PictureButton::sizeHint() const {
    switch (m_look) {
    case Look::Caption:
        return {150, 40};
    case Look::Flat:
        return {64, 64};
    case Look::Tile:
        break;
    }
    return {150, 130};
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    const bool hovered = underMouse();
    const bool down = isDown();

    if (m_look != Look::Flat) {
        QLinearGradient fill(area.topLeft(), area.bottomLeft());
        if (m_look == Look::Caption) {
            fill.setColorAt(0, down ? Theme::DarkSlate : Theme::SlateBlue);
            fill.setColorAt(1, down ? Theme::Ink : Theme::DarkSlate);
        } else {
            fill.setColorAt(0, down ? Theme::SteelBlue : Qt::white);
            fill.setColorAt(1, down ? Qt::white : (hovered ? Theme::HoverBlue : Theme::SteelBlue));
        }
        QPainterPath shape;
        shape.addRoundedRect(area, 10, 10);
        painter.fillPath(shape, fill);
        painter.setPen(QPen(hovered ? Theme::Crimson : Theme::DarkSlate, hovered ? 2.5 : 1.5));
        painter.drawPath(shape);
    } else if (down && m_fadesWhilePressed) {
        painter.setOpacity(0.7);
    }

    QRectF iconArea = area.adjusted(8, 8, -8, -8);
    const bool withCaption = !text().isEmpty();
    if (m_look == Look::Tile && withCaption)
        iconArea.setBottom(area.bottom() - 34);
    if (!m_icon.isEmpty() && m_look != Look::Caption)
        DrawArtwork(&painter, m_icon, iconArea);
    if (withCaption && m_look != Look::Flat) {
        painter.setOpacity(1);
        painter.setPen(m_look == Look::Caption ? Qt::white : Theme::DarkSlate);
        painter.setFont(font());
        QRectF textArea =
            m_look == Look::Caption ? area : area.adjusted(4, area.height() - 36, -4, -4);
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    QAbstractButton::mouseMoveEvent(event);
}
