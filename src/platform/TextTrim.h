#pragma once

#include <QString>

// Trimming as the whole program means it: every character whose code is at
// most U+0020 (space and control characters) goes, not Unicode white space.
QString TrimBlanks(const QString& text);

// The same, as a view of the text.
QStringView TrimBlanks(QStringView text);

// Only the trailing characters up to U+0020.
QString TrimTrailingBlanks(const QString& text);
