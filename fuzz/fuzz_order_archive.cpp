// Archive files of any content: loaded into lines, then cut into the ticket's
// items, amounts and total as the archive browser and the order window do.

#include "FuzzChecks.h"

#include "catalogue/PriceText.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

bool IsAmountText(const QString& text) {
    static const QRegularExpression amount(QStringLiteral("^-?[0-9]+,[0-9]{2,4}$"));
    return amount.match(text).hasMatch();
}

void CheckTotal(const QStringList& lines) {
    const QString total = ComputeTotal(lines);
    FUZZ_CHECK(IsAmountText(total), Show(lines.join(u'|')) + u" -> "_s + Show(total));
    FUZZ_CHECK(NormalisePriceText(total) == total, Show(total));
    for (const QString& line : lines)
        if (!ParsePriceNumber(OrderAmountColumn(line)))
            FUZZ_CHECK(total == u"0,00"_s, Show(line) + u" -> "_s + Show(total));
    const QStringList summary = TicketSummary(lines, total);
    FUZZ_CHECK(summary.size() == lines.size() + 2, Show(total));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid(), folder.errorString());
    const QString path = folder.filePath(u"Comanda al tavolo 1 del giorno 01.01.2024.eur"_s);
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       file.write(reinterpret_cast<const char*>(data), qint64(size)) ==
                           qint64(size),
                   path);
    }
    const Result<QStringList> loaded = LoadOrderArchive(path);
    FUZZ_CHECK(loaded.ok(), path);
    const QStringList& lines = *loaded;
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n') && !line.contains(QChar(u'\0')),
                   Show(line));
        const QString item = OrderItemText(line);
        FUZZ_CHECK(item.size() <= QuantityColumnWidth + ProductColumnWidth, Show(item));
        FUZZ_CHECK(OrderAmountColumn(line).size() <= AmountColumnWidth, Show(line));
    }
    CheckTotal(lines);

    // The same lines rebuilt the way the order window builds them, with each
    // amount normalised: every amount counts, and the total is their sum.
    QStringList rebuilt;
    for (const QString& line : lines)
        rebuilt.append(BuildOrderLine(line.left(QuantityColumnWidth),
                                      line.mid(QuantityColumnWidth, ProductColumnWidth),
                                      NormalisePriceText(OrderAmountColumn(line))));
    for (const QString& line : rebuilt)
        FUZZ_CHECK(line.size() == OrderLineLength, Show(line));
    CheckTotal(rebuilt);
    return 0;
}
