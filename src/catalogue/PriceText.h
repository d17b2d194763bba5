#pragma once

#include "platform/TextTrim.h"

#include <QString>

#include <optional>

// Amounts as text and the fixed columns of list lines. Amounts always use the
// decimal comma and no thousands separator, whatever the system's locale.

// Widths of a price-list line: name, separator, price.
constexpr int NameColumnWidth = 50;
constexpr int PriceColumnWidth = 12;
inline const QString PriceSeparator = QStringLiteral("  \u20AC ");

// The first or last n characters, or the whole text when it is shorter.
QString TakeLeft(const QString& text, qsizetype n);
QString TakeRight(const QString& text, qsizetype n);

// Half up to the given decimals in extended precision: value × 10^decimals
// + 0.5, truncated toward zero, divided back. Empty when the scaled value
// leaves the 64-bit integer range (a price of a thousand digits).
std::optional<double> RoundHalfUp(long double value, int decimals);

// An optional sign, digits with an optional decimal comma, an optional
// exponent, blanks (U+0020) allowed around. Empty for any other text and for
// a value beyond the extended range.
std::optional<long double> ParsePriceNumber(const QString& text);

// The shortest text with at most 15 significant digits and the decimal comma:
// 5, 5,5, 0,25; exponent form from 10^15 up and below 0,0001.
QString FormatGeneralNumber(long double value);

// Makes sure a price text has a comma and at least two decimals.
QString CompletePriceText(const QString& text);

// What the price field holds after the user leaves it: a price with two to
// four decimals, or "0,00" for anything that is not a number. A negative
// value is rounded on its magnitude, so normalising again changes nothing.
QString NormalisePriceText(const QString& text);

// A fixed column: the value trimmed, padded with spaces and cut to the width.
QString FixedColumn(const QString& value, int width);

// A price-list line: name in 50 columns, "  € ", price in 12 columns.
QString FormatPriceListLine(const QString& name, const QString& price);
