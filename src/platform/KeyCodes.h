#pragma once

#include <QChar>

class QKeyEvent;

// Keys as the windows' key handlers see them: the key code in Windows
// virtual-key numbering, which the stations' key rules are written in, and
// the character the key types (0 for none). Every window turns Qt's key
// events into these through KeyStrokeOf, so all filter keys the same way.

namespace KeyCode {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
} // namespace KeyCode

struct KeyStroke {
    int code;        // 0 for a key without a virtual-key number here
    QChar character; // the first character the key types, control characters included
};

KeyStroke KeyStrokeOf(const QKeyEvent* event);

// The Enter keys of the main keyboard and of the keypad.
bool IsEnterKey(const QKeyEvent* event);
