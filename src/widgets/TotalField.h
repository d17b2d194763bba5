#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// The total of a ticket: a read-only field in bold Verdana 12, brown,
// against the right edge, reading "---" until a total is computed.
QLineEdit* TotalField(const QString& name, QWidget* parent);
