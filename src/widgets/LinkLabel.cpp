#include "widgets/LinkLabel.h"

#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    QFont font = Theme::Tahoma(14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setTextColour(Theme::LinkBlue);
}

void LinkLabel::attachIcon(PictureButton* icon) {
    icon->setFadesWhilePressed(false);
    connect(icon, &QAbstractButton::pressed, this, &LinkLabel::press);
    connect(icon, &QAbstractButton::released, this, &LinkLabel::release);
    connect(icon, &QAbstractButton::clicked, this, &LinkLabel::click);
}

QColor LinkLabel::textColour() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::press() {
    setTextColour(Theme::LinkPressed);
}

void LinkLabel::release() {
    setTextColour(Theme::LinkBlue);
}

void LinkLabel::click() {
    setTextColour(Theme::LinkBlue);
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        press();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    release();
    if (rect().contains(event->position().toPoint()))
        click();
}

void LinkLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}
