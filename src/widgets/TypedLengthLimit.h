#pragma once

class QLineEdit;
class QString;

// A field that holds at most `length` characters of what the user types,
// pastes or drops: an edit that would leave the text longer is refused as a
// whole, never cut. Text the program sets through SetFieldText is not
// limited, and the user can still shorten such a text.
void LimitTypedLength(QLineEdit* field, int length);

// Sets a text the program chose, whatever its length.
void SetFieldText(QLineEdit* field, const QString& text);
