#include "tickets/OrderLine.h"

#include "catalogue/PriceText.h"

QString BuildOrderLine(const QString& quantity, const QString& name, const QString& amount) {
    return FixedColumn(quantity, QuantityColumnWidth) + FixedColumn(name, ProductColumnWidth) +
           PriceSeparator + FixedColumn(amount, AmountColumnWidth);
}

QString OrderItemText(const QString& line) {
    return TrimBlanks(TakeLeft(line, QuantityColumnWidth + ProductColumnWidth));
}

QString OrderAmountColumn(const QString& line) {
    return TrimBlanks(line.mid(AmountColumnStart, AmountColumnWidth));
}

QString ComputeTotal(const QStringList& lines) {
    const QString zero = QStringLiteral("0,00");
    if (lines.isEmpty())
        return zero;
    double sum = 0;
    for (const QString& line : lines) {
        const auto amount = ParsePriceNumber(OrderAmountColumn(line));
        if (!amount)
            return zero;
        sum = static_cast<double>(sum + *amount);
    }
    // Written in general form first: the 15 digits take away the noise of
    // binary fractions (0,10 + 0,20 gives 0,30).
    return NormalisePriceText(FormatGeneralNumber(sum));
}

QStringList TicketSummary(const QStringList& lines, const QString& total) {
    QStringList summary = lines;
    summary.append(QStringLiteral("- - - - - - - - - - - - - - - -"));
    summary.append(QStringLiteral("TOTALE IMPORTI:  \u20AC ") + TrimBlanks(total));
    return summary;
}
