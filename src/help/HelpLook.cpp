#include "help/HelpLook.h"

#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

QFrame* WhitePanel(const QString& name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setStyleSheet(QStringLiteral("#%1 { background: white; border: 1px solid #708090;"
                                        " border-radius: 12px; }")
                             .arg(name));
    return panel;
}

QPushButton* CloseButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("Chiudi"), parent);
    button->setObjectName(QStringLiteral("btnChiudi"));
    button->setFont(FamilyFont(QStringLiteral("Verdana"), 12, true));
    button->setFixedSize(150, 48);
    button->setCursor(Qt::PointingHandCursor);
    button->setDefault(true);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; border: 1px solid #1F2F3F; border-radius: 10px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4F6F8F, stop:1 #2F4F4F); }"
        "QPushButton:hover { border: 2px solid #DC143C; }"
        "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #2F4F4F, stop:1 #1F2F3F); }"
        "QPushButton:focus { outline: none; }"));
    return button;
}

QLabel* ProductName(const QString& name, int pointSize, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("Orbisala"), parent);
    label->setObjectName(name);
    label->setFont(FamilyFont(QStringLiteral("Verdana"), pointSize, true));
    label->setStyleSheet(QStringLiteral("color: #2F4F4F; background: transparent; border: none;"));
    return label;
}

QLabel* ProductLine(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(FamilyFont(QStringLiteral("Verdana"), 10));
    label->setStyleSheet(QStringLiteral("color: #708090; background: transparent; border: none;"));
    return label;
}

PictureButton* LinkIcon(const QString& name, const QString& iconName, LinkLabel* link,
                        QWidget* parent) {
    auto* icon = new PictureButton(name, iconName, QString(), PictureButton::Look::Flat, parent);
    icon->setFixedSize(52, 52);
    link->attachIcon(icon);
    return icon;
}
