#include "orders/TotalField.h"

#include "orders/OrderLine.h"
#include "widgets/Controls.h"
#include "widgets/Theme.h"

#include <QLineEdit>

namespace {
// The colour of a total.
const QColor TotalBrown(Qt::darkRed);
} // namespace

QLineEdit* TotalField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(TotalNotComputed, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFont(Theme::Verdana(12, true));
    field->setMinimumSize(200, 46);
    ApplyFieldStyle(field);
    // The look writes its own text colour in its style sheet, over any
    // palette: the brown goes in as one more rule of the same sheet.
    field->setStyleSheet(field->styleSheet() +
                         QStringLiteral("QLineEdit { color: %1; }").arg(TotalBrown.name()));
    return field;
}
