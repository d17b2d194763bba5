#include "access/PasswordField.h"

#include "widgets/FocusFrame.h"
#include "widgets/Theme.h"

#include <QKeyEvent>
#include <QPushButton>

QLineEdit* MakePasswordField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setFont(FamilyFont(QStringLiteral("Verdana"), 14, true));
    field->setMinimumHeight(40);
    new FocusFrame(QStringLiteral("eff") + name.mid(3), field);
    return field;
}

QPushButton* MakeWindowButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(FamilyFont(QStringLiteral("Verdana"), 11, true));
    button->setMinimumHeight(44);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
