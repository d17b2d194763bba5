#include "widgets/Controls.h"

#include "widgets/Theme.h"

#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>

QPushButton* WindowButton(const QString& name, const QString& text, const QString& iconName,
                          ButtonLook look, int pointSize, QWidget* parent, QFont::Weight weight) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    QFont font = Theme::Verdana(pointSize);
    font.setWeight(weight);
    button->setFont(font);
    // Enter on the focused button presses it. Inside a dialog this is Qt's
    // own choice already, default-button handling included; a kept window
    // has no default button, so the key reaches no other button. A field's
    // Enter never gets here: the field has the focus, not the button.
    button->setAutoDefault(true);
    button->setMinimumHeight(48);
    button->setCursor(Qt::PointingHandCursor);
    if (!iconName.isEmpty()) {
        const int side = 2 * pointSize + 6;
        button->setIcon(ArtworkIcon(iconName, side));
        button->setIconSize(QSize(side, side));
    }
    Theme::ApplyLook(button, look == ButtonLook::Primary ? Theme::Look::PrimaryButton
                                                         : Theme::Look::LightButton);
    return button;
}

QIcon ArtworkIcon(const QString& iconName, int side) {
    QSvgRenderer* picture = SharedIcon(iconName);
    if (!picture)
        return {};
    QPixmap pixmap(2 * side, 2 * side);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        picture->render(&painter);
    }
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

void ApplyFieldStyle(QWidget* field) {
    Theme::ApplyLook(field, Theme::Look::Field);
}
