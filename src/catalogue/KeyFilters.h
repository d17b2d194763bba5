#pragma once

#include "platform/KeyCodes.h"

#include <QChar>

// What the editors' text fields do with a key press, decided on the key code
// (Windows virtual-key numbering: 13 Enter, 8 Backspace, 46 Delete, 37 Left,
// 39 Right) and the character the key types (0 for none), both as KeyStrokeOf
// gives them. The windows apply the decision; the rules stay testable
// without a window.

enum class KeyDecision {
    Pass,          // the key reaches the field
    Swallow,       // key code and character are both cleared: nothing happens
    FocusAddButton // the focus moves to the add button (btnTrova)
};

// The price field: Enter moves to the add button; Backspace, Delete, Left and
// Right pass; otherwise only "," and the digits 0 to 9 are typed.
KeyDecision PriceKeyFilter(int keyCode, QChar character);

// The table name field: Enter moves to the add button; the characters
// " * / : < > ? \ ° Ç Ñ ç ñ are refused; everything else passes ("|" too).
KeyDecision TableNameKeyFilter(int keyCode, QChar character);
