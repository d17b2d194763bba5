#include "widgets/TotalField.h"

#include "tickets/OrderLine.h"
#include "widgets/Theme.h"

#include <QLineEdit>

QLineEdit* TotalField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(TotalNotComputed, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFont(Theme::Verdana(12, true));
    field->setMinimumSize(200, 46);
    Theme::ApplyLook(field, Theme::Look::TotalField);
    return field;
}
