#pragma once

#include "output/ReportLayout.h"

#include <QPageSize>

// The printed layout on a receipt roll. Shrunk to a roll 80 or 58 mm wide,
// the A4 page would print at a third of its size or less; so on a roll the
// same texts, in the same order, run down a narrow portrait page instead:
// the title bar as wide as the roll with its text wrapped, the summary lines
// in the monospaced face at the largest size up to the A4 one that keeps each
// of them whole, and the date bar at the end. Where that size would fall
// below a readable one, a line with an amount column prints as a name row
// and a right-aligned amount row.

// Paper whose shorter side is narrower than this is a roll. The usual rolls
// are 58, 76, 80 and 82.5 mm wide; the narrowest office paper (A6, 105 mm)
// still takes the A4 layout.
constexpr double RollThresholdMm = 100;

// Kept clear at each side of a roll: the 48 mm a 58 mm roll's head prints,
// and within the 72 mm of an 80 mm one. At each end, the edge left by the
// cutter. A printer that reaches less widens these to its own.
constexpr double RollSideMarginMm = 5;
constexpr double RollEndMarginMm = 3;

// The smallest size a summary line is printed whole at.
constexpr double ReadablePointSize = 7;

bool IsRollPaper(const QPageSize& paper);

// The filled template laid out for a roll whose printable area is the given
// width, in report units: pages of the given height, or one page as long as
// its content when the height is 0. Nothing is cut: a text wider than the
// roll wraps. A summary line, and each bar, stays on one page.
QVector<ReportPage> LayOutForRoll(const ReportLayout& layout, const QDate& date,
                                  double printableWidth, double pageHeight = 0);

// The bottom of the lowest text of a page, in report units.
double ContentHeight(const ReportPage& page);
