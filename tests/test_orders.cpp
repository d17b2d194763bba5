// Order lines: the fixed columns, the item text, the total and the printed
// summary; a ticket and the texts cut out of its lines and fields.
#include "platform/TextTrim.h"
#include "tickets/OrderLine.h"
#include "tickets/Ticket.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QString Euro = QStringLiteral("\u20AC");

QString Spaces(int n) {
    return QString(n, u' ');
}

// A full line whose only meaningful column is the amount.
QString LineWithAmount(const QString& amount) {
    return BuildOrderLine(u"1"_s, u"Voce"_s, amount);
}
} // namespace

class TestOrders : public QObject {
    Q_OBJECT

private slots:
    void lineLayout();
    void lineColumns_data();
    void lineColumns();
    void itemText_data();
    void itemText();
    void total_data();
    void total();
    void trimmedLineTotalsLikeFullLine_data();
    void trimmedLineTotalsLikeFullLine();
    void summary();
    void ticketTexts();
};

void TestOrders::lineLayout() {
    const QString line = BuildOrderLine(u"1"_s, u"Acqua naturale"_s, u"1,50"_s);
    QCOMPARE(line.size(), 73);
    // Columns counted from 1: quantity at 1, name at 5, euro sign at 57,
    // amount from 59.
    QCOMPARE(line.at(0), u'1');
    QCOMPARE(line.at(4), u'A');
    QCOMPARE(line.at(56), QChar(0x20AC));
    QCOMPARE(line.mid(58, 4), u"1,50"_s);
    QCOMPARE(line, u"1   "_s + u"Acqua naturale"_s + Spaces(36) + u"  "_s + Euro + u' ' +
                       u"1,50"_s + Spaces(11));
}

void TestOrders::lineColumns_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("quantityColumn");
    QTest::addColumn<QString>("nameColumn");
    QTest::addColumn<QString>("amountColumn");

    const QString sixty = u"Tagliatelle al ragu della casa con funghi porcini e tartufo"_s + u'!';
    QCOMPARE(sixty.size(), 60);

    QTest::newRow("Spritz") << u"2"_s << u"Spritz"_s << u"7,00"_s << u"2   "_s
                            << u"Spritz"_s + Spaces(44) << u"7,00"_s + Spaces(11);
    QTest::newRow("60-char name keeps 50")
        << u"1"_s << sixty << u"9,50"_s << u"1   "_s << sixty.left(50) << u"9,50"_s + Spaces(11);
    QTest::newRow("quantity 12345 shows 1234")
        << u"12345"_s << u"Acqua"_s << u"18517,50"_s << u"1234"_s << u"Acqua"_s + Spaces(45)
        << u"18517,50"_s + Spaces(7);
    QTest::newRow("blanks and controls around values are trimmed")
        << u" 3\t"_s << u"\t  Caffè  "_s << u"  4,50 "_s << u"3   "_s << u"Caffè"_s + Spaces(45)
        << u"4,50"_s + Spaces(11);
    QTest::newRow("inner blanks of the name stay")
        << u"1"_s << u"Pizza  Margherita"_s << u"6"_s << u"1   "_s
        << u"Pizza  Margherita"_s + Spaces(33) << u"6"_s + Spaces(14);
    QTest::newRow("amount over 15 chars is cut")
        << u"1"_s << u"Vino"_s << u"1234567890,123456"_s << u"1   "_s << u"Vino"_s + Spaces(46)
        << u"1234567890,1234"_s;
    QTest::newRow("empty values") << QString() << QString() << QString() << Spaces(4) << Spaces(50)
                                  << Spaces(15);
}

void TestOrders::lineColumns() {
    QFETCH(QString, quantity);
    QFETCH(QString, name);
    QFETCH(QString, amount);
    QFETCH(QString, quantityColumn);
    QFETCH(QString, nameColumn);
    QFETCH(QString, amountColumn);

    const QString line = BuildOrderLine(quantity, name, amount);
    QCOMPARE(line.size(), 73);
    QCOMPARE(line.left(4), quantityColumn);
    QCOMPARE(line.mid(4, 50), nameColumn);
    QCOMPARE(line.mid(54, 4), u"  "_s + Euro + u' ');
    QCOMPARE(line.mid(58), amountColumn);
}

void TestOrders::itemText_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Spritz") << BuildOrderLine(u"2"_s, u"Spritz"_s, u"7,00"_s) << u"2   Spritz"_s;
    QTest::newRow("archived line without trailing blanks")
        << TrimTrailingBlanks(BuildOrderLine(u"10"_s, u"Birra media"_s, u"45,00"_s))
        << u"10  Birra media"_s;
    QTest::newRow("name filling its column")
        << BuildOrderLine(u"1"_s, QString(50, u'x'), u"1,00"_s) << u"1   "_s + QString(50, u'x');
    QTest::newRow("line shorter than the name column") << u"3   Acqua"_s << u"3   Acqua"_s;
    QTest::newRow("hand-edited line, currency mark moved left")
        << u"2   "_s + QString(50, u'x') + Euro + u" 7,00"_s << u"2   "_s + QString(50, u'x');
}

void TestOrders::itemText() {
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(OrderItemText(line), expected);
}

void TestOrders::total_data() {
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7,00 + 0,50") << QStringList{u"7,00"_s, u"0,50"_s} << u"7,50"_s;
    QTest::newRow("0,10 + 0,20 without binary noise")
        << QStringList{u"0,10"_s, u"0,20"_s} << u"0,30"_s;
    QTest::newRow("ten times 0,10") << QStringList(10, u"0,10"_s) << u"1,00"_s;
    QTest::newRow("3,999 + 1") << QStringList{u"3,999"_s, u"1"_s} << u"4,999"_s;
    QTest::newRow("whole total gets ,00") << QStringList{u"7"_s} << u"7,00"_s;
    QTest::newRow("one decimal gets a second") << QStringList{u"7,5"_s} << u"7,50"_s;
    QTest::newRow("three decimals stay") << QStringList{u"12,345"_s} << u"12,345"_s;
    QTest::newRow("four decimals stay") << QStringList{u"0,0001"_s, u"1"_s} << u"1,0001"_s;
    QTest::newRow("fifth decimal rounded half up") << QStringList{u"1,00005"_s} << u"1,0001"_s;
    QTest::newRow("large amounts") << QStringList{u"99999999,99"_s, u"0,01"_s} << u"100000000,00"_s;
    QTest::newRow("letters first") << QStringList{u"abc"_s, u"7,00"_s, u"2,00"_s} << u"0,00"_s;
    QTest::newRow("letters last") << QStringList{u"7,00"_s, u"2,00"_s, u"abc"_s} << u"0,00"_s;
    QTest::newRow("letters between numbers summing to zero")
        << QStringList{u"5,00"_s, u"xyz"_s, u"-5,00"_s} << u"0,00"_s;
    QTest::newRow("not computed mark as amount") << QStringList{u"1,00"_s, u"---"_s} << u"0,00"_s;
    QTest::newRow("empty amount column") << QStringList{u"1,00"_s, QString()} << u"0,00"_s;
    QTest::newRow("decimal point is not a decimal separator")
        << QStringList{u"1.50"_s} << u"0,00"_s;
    QTest::newRow("no lines") << QStringList{} << u"0,00"_s;
}

void TestOrders::total() {
    QFETCH(QStringList, amounts);
    QFETCH(QString, expected);
    QStringList lines;
    for (const QString& amount : amounts)
        lines.append(LineWithAmount(amount));
    QCOMPARE(ComputeTotal(lines), expected);
}

void TestOrders::trimmedLineTotalsLikeFullLine_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two decimals") << u"1,50"_s << u"1,50"_s;
    QTest::newRow("three decimals") << u"12,345"_s << u"12,345"_s;
    QTest::newRow("whole") << u"7"_s << u"7,00"_s;
}

void TestOrders::trimmedLineTotalsLikeFullLine() {
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    const QString full = LineWithAmount(amount);
    const QString trimmed = TrimTrailingBlanks(full);
    QVERIFY(trimmed.size() < full.size());
    QCOMPARE(ComputeTotal({full}), expected);
    QCOMPARE(ComputeTotal({trimmed}), expected);
    QCOMPARE(ComputeTotal({trimmed, full}), ComputeTotal({full, full}));
}

void TestOrders::summary() {
    const QStringList lines{BuildOrderLine(u"2"_s, u"Spritz"_s, u"14,00"_s),
                            BuildOrderLine(u"1"_s, u"Bruschetta"_s, u"9,50"_s)};
    const QStringList summary = TicketSummary(lines, u" 23,50 "_s);

    QCOMPARE(summary.size(), 4);
    QCOMPARE(summary.at(0), lines.at(0));
    QCOMPARE(summary.at(1), lines.at(1));
    QCOMPARE(summary.at(2), u"- - - - - - - - - - - - - - - -"_s);
    QCOMPARE(summary.at(2).size(), 31);
    QCOMPARE(summary.at(2).count(u'-'), 16);
    QCOMPARE(summary.at(3), u"TOTALE IMPORTI:  "_s + Euro + u" 23,50"_s);
}

void TestOrders::ticketTexts() {
    // The fields as the order window holds them: the table with its blanks.
    const Ticket ticket({BuildOrderLine(u"2"_s, u"Spritz"_s, u"14,00"_s),
                         BuildOrderLine(u"1"_s, u"Bruschetta"_s, u"9,50"_s)},
                        u" 5 "_s, u"12/03/2024"_s, u"20:15:33"_s);
    QVERIFY(ticket.hasTable());
    QVERIFY(!ticket.isEmpty());
    QCOMPARE(ticket.total(), u"23,50"_s);
    QCOMPARE(ticket.summary(u"23,50"_s).last(), u"TOTALE IMPORTI:  "_s + Euro + u" 23,50"_s);
    QCOMPARE(ticket.printTitle(), u"Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33"_s);
    QCOMPARE(ticket.mailSubject(), u"Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15"_s);
    QCOMPARE(ticket.mailMessage(), u"ELENCO PORTATE: --- 2   Spritz --- 1   Bruschetta"_s);
    QCOMPARE(ticket.archiveName(),
             u"Comanda al tavolo 5 del giorno 12.03.2024 alle ore 20.15.33.eur"_s);

    // A ticket read back from the archive: lines only, no table.
    const Ticket archived({}, u"   "_s);
    QVERIFY(!archived.hasTable());
    QVERIFY(archived.isEmpty());
    QCOMPARE(archived.total(), u"0,00"_s);
}

QTEST_GUILESS_MAIN(TestOrders)
#include "test_orders.moc"
