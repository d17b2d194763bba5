#include "platform/KeyCodes.h"

#include <QKeyEvent>

namespace {

int VirtualKeyOf(const QKeyEvent* event) {
    const int key = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
        return 96 + (key - Qt::Key_0); // VK_NUMPAD0 to VK_NUMPAD9
    if (keypad && (key == Qt::Key_Period || key == Qt::Key_Comma))
        return 110; // VK_DECIMAL
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // the same numbers as ASCII
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return KeyCode::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyCode::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Enter;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return KeyCode::Escape;
    case Qt::Key_Space:
        return KeyCode::Space;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return KeyCode::End;
    case Qt::Key_Home:
        return KeyCode::Home;
    case Qt::Key_Left:
        return KeyCode::Left;
    case Qt::Key_Up:
        return KeyCode::Up;
    case Qt::Key_Right:
        return KeyCode::Right;
    case Qt::Key_Down:
        return KeyCode::Down;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return KeyCode::Delete;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 187; // VK_OEM_PLUS
    case Qt::Key_Comma:
        return 188; // VK_OEM_COMMA
    case Qt::Key_Minus:
        return 189; // VK_OEM_MINUS
    case Qt::Key_Period:
        return 190; // VK_OEM_PERIOD
    default:
        return 0;
    }
}

} // namespace

KeyStroke KeyStrokeOf(const QKeyEvent* event) {
    const QString text = event->text();
    return {VirtualKeyOf(event), text.isEmpty() ? QChar() : text.front()};
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
