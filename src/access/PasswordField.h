#pragma once

#include <QLineEdit>

// A masked password field (Verdana 14 bold) framed by its yellow focus
// highlight ("eff" + the field's name without "txt").
QLineEdit* MakePasswordField(const QString& name, QWidget* parent);
