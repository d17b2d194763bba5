#pragma once

#include <QString>
#include <Qt>

class QLabel;
class QLineEdit;
class QWidget;

// The fields of the order window and the item import dialog: texts the user
// reads but never types, each under a title picture (the total has its own,
// TotalField).

// A read-only text in bold Verdana 12, of a fixed width and height.
QLineEdit* ReadOnlyField(const QString& name, int width, int height, Qt::Alignment alignment,
                         QWidget* parent);

// The title picture over a field: bold Verdana 10 in dark slate.
QLabel* FieldTitle(const QString& name, const QString& text, QWidget* parent);
