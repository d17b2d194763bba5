#include "widgets/Controls.h"

#include "widgets/Theme.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>

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
    // Drawn for the densest screen there is, and only for it: no copy
    // twice the size to be scaled down at every paint.
    const QPixmap pixmap =
        ArtworkPixmap(iconName, QSizeF(side, side),
                      QGuiApplication::instance() ? qGuiApp->devicePixelRatio() : 1.0);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

void ApplyFieldStyle(QWidget* field) {
    Theme::ApplyLook(field, Theme::Look::Field);
}
