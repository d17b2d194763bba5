#include "orders/TicketFields.h"

#include "widgets/Controls.h"
#include "widgets/Theme.h"

#include <QLabel>
#include <QLineEdit>

QLineEdit* ReadOnlyField(const QString& name, int width, int height, Qt::Alignment alignment,
                         QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFont(Theme::Verdana(12, true));
    field->setAlignment(alignment | Qt::AlignVCenter);
    field->setFixedSize(width, height);
    ApplyFieldStyle(field);
    return field;
}

QLabel* FieldTitle(const QString& name, const QString& text, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setObjectName(name);
    title->setFont(Theme::Verdana(10, true));
    Theme::SetTextColour(title, Theme::DarkSlate);
    return title;
}
