#pragma once

#include <QString>
#include <QStringList>

// An order ticket is a list of fixed-column lines; everything else (the
// total, the e-mail items, the printed body, the archive file) is cut out of
// them.

// Columns of an order line: quantity, name, "  € ", amount.
constexpr int QuantityColumnWidth = 4;
constexpr int ProductColumnWidth = 50;
constexpr int AmountColumnWidth = 15;
constexpr int OrderLineLength = 73;
constexpr int AmountColumnStart = 58; // zero-based: column 59

// The total field's text before a total is computed.
inline const QString TotalNotComputed = QStringLiteral("---");

// The 73-character line: each value trimmed, padded with spaces and cut to
// its column.
QString BuildOrderLine(const QString& quantity, const QString& name, const QString& amount);

// The quantity and name of a line, trimmed: what the e-mail lists.
QString OrderItemText(const QString& line);

// Characters 59 to 73 of a line, as far as it goes, trimmed.
QString OrderAmountColumn(const QString& line);

// The total text of a ticket: "0,00" for no lines or for any line whose
// amount is not a number, otherwise the sum as a price with 2 to 4 decimals.
QString ComputeTotal(const QStringList& lines);

// The body of a printed ticket: the lines, the separator and the total line.
QStringList TicketSummary(const QStringList& lines, const QString& total);
