#pragma once

#include <QLineEdit>

// A masked password field (Verdana 14 bold) framed by its yellow focus
// highlight ("eff" + the field's name without "txt").
QLineEdit* MakePasswordField(const QString& name, QWidget* parent);

// A window button of the password windows.
class QPushButton;
QPushButton* MakeWindowButton(const QString& name, const QString& text, QWidget* parent);

// True for the Enter keys (main keyboard and keypad).
class QKeyEvent;
bool IsEnterKey(const QKeyEvent* event);
