#include "help/HelpLook.h"

#include "widgets/Controls.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

QFrame* WhitePanel(const QString& name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    Theme::ApplyLook(panel, Theme::Look::WhitePanel);
    return panel;
}

QPushButton* CloseButton(QWidget* parent) {
    QPushButton* button = WindowButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                                       QString(), ButtonLook::Primary, 12, parent);
    button->setFixedSize(150, 48);
    button->setDefault(true);
    return button;
}

PictureButton* LinkIcon(const QString& name, const QString& iconName, LinkLabel* link,
                        QWidget* parent) {
    auto* icon = new PictureButton(name, iconName, QString(), PictureButton::Look::Flat, parent);
    icon->setFixedSize(52, 52);
    link->attachIcon(icon);
    return icon;
}
