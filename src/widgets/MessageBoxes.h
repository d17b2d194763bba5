#pragma once

#include <QString>

#include <functional>

class QWidget;

// The four kinds of message box the program shows. Every message goes
// through these functions, so that tests can record and answer them.
enum class MessageKind {
    Plain,       // the text and OK
    Warning,     // warning icon, OK and Cancel; the answer is not used
    Information, // information icon, OK and Cancel; the answer is not used
    Confirm      // Yes and No
};

namespace MessageBox {
void plain(QWidget* parent, const QString& text);
void warning(QWidget* parent, const QString& text);
void information(QWidget* parent, const QString& text);
// True unless the user answers No.
bool confirm(QWidget* parent, const QString& text);
} // namespace MessageBox

// Replaces the message boxes: the hook gets each message and, for a
// confirmation, returns the answer (true for Yes). An empty hook restores the
// real message boxes. Returns the hook it replaces.
using MessageHook = std::function<bool(MessageKind kind, const QString& text)>;
MessageHook SetMessageHook(MessageHook hook);
