#include "access/PasswordField.h"

#include "widgets/FocusFrame.h"
#include "widgets/Theme.h"

QLineEdit* MakePasswordField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setFont(Theme::Verdana(14, true));
    field->setMinimumHeight(40);
    new FocusFrame(QStringLiteral("eff") + name.mid(3), field);
    return field;
}
