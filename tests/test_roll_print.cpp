// The printout on a receipt roll: the layout for the roll's width (the page
// model), and real PDF files printed through the print dialog on pages 80
// and 58 mm wide, read back with poppler. Whatever the paper, a printout
// holds the texts of the A4 one, word for word and in the same order.
#include "PdfText.h"
#include "Seams.h"

#include "catalogue/PriceText.h"
#include "output/PrintSummary.h"
#include "output/ReportPainter.h"
#include "output/RollLayout.h"
#include "platform/Formatting.h"
#include "tickets/OrderLine.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>

#include <optional>

namespace {

const QDate PrintDay(2024, 3, 12);

// A printout as a window hands it to PrintSummary.
struct Printout {
    QString reportName;
    QString title;
    QStringList lines;
};

// Order lines with accents, a euro sign in every amount column and a name
// that fills its 50 columns.
QStringList OrderLines(int count) {
    const QStringList names = {
        QStringLiteral("Margherita"),
        QStringLiteral("Tiramisù"),
        QStringLiteral("Caffè corretto"),
        QStringLiteral("Spaghetti alla carbonara con guanciale e pecorino"),
        QStringLiteral("Acqua naturale"),
        QStringLiteral("Crème caramel"),
    };
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(BuildOrderLine(QString::number(i % 9 + 1), names[i % names.size()],
                                    QStringLiteral("%1,50").arg(i % 40 + 1)));
    return lines;
}

Printout Ticket(int count) {
    const QStringList lines = OrderLines(count);
    return {TicketReportName,
            QStringLiteral("Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33"),
            TicketSummary(lines, ComputeTotal(lines))};
}

Printout PriceList(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(FormatPriceListLine(QStringLiteral("Pizza numero %1 con funghi e più").arg(i),
                                         QStringLiteral("%1,00").arg(i % 12 + 4)));
    return {PriceListReportName, QStringLiteral("Listino prezzi pizze"), lines};
}

Printout Tables(const QStringList& lines) {
    return {TableListReportName, QStringLiteral("Elenco tavoli ristorante"), lines};
}

// Fills the template as the print procedure does and returns the A4 pages
// it would print.
QVector<ReportPage> Fill(ReportLayout& layout, const Printout& printout) {
    PrintRecorder recorder;
    PrintSummary(layout, printout.title, printout.lines);
    return recorder.printed.value(0).pages;
}

QStringList Texts(const QVector<ReportPage>& pages) {
    QStringList texts;
    for (const ReportPage& page : pages)
        for (const PlacedText& text : page.texts)
            texts.append(text.text);
    return texts;
}

QVector<PlacedText> Summary(const QVector<ReportPage>& pages) {
    QVector<PlacedText> rows;
    for (const ReportPage& page : pages)
        for (const PlacedText& text : page.texts)
            if (text.object == u"txtRiepilogo")
                rows.append(text);
    return rows;
}

// Widths as Qt prints them, at 1200 dpi, in report units.
double PrintedWidth(const QString& text, const QFont& font) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(1200 / 0.0254));
        image.setDotsPerMeterY(qRound(1200 / 0.0254));
        return image;
    }();
    return QFontMetricsF(font, &device).horizontalAdvance(text) * 96 / 1200;
}

QPageSize RollPaper(double widthMm, double lengthMm = 297) {
    return QPageSize(QSizeF(widthMm, lengthMm), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

// The printable width of a roll, in report units, with the roll's margins.
double RollWidth(double paperMm) {
    return MmToUnits(paperMm - 2 * RollSideMarginMm);
}

QString Describe(const PlacedText& text) {
    return QStringLiteral("'%1' at %2,%3 %4 wide, %5 pt")
        .arg(text.text)
        .arg(text.box.x())
        .arg(text.box.y())
        .arg(text.box.width())
        .arg(text.font.pointSizeF());
}

} // namespace

Q_DECLARE_METATYPE(Printout)

namespace {

using NamedPrintouts = QList<std::pair<const char*, Printout>>;

// The printouts every roll must take: a short and a long ticket and a long
// price list.
NamedPrintouts RollPrintouts() {
    return {{"ticket of 3 lines", Ticket(3)},
            {"ticket of 60 lines", Ticket(60)},
            {"price list of 100 lines", PriceList(100)}};
}

// A data row for each printout on an 80 and a 58 mm roll.
void AddRowsOnBothRolls(const NamedPrintouts& printouts) {
    QTest::addColumn<double>("paperMm");
    QTest::addColumn<Printout>("printout");
    for (const double paper : {80.0, 58.0})
        for (const auto& [name, printout] : printouts)
            QTest::addRow("%s on %g mm", name, paper) << paper << printout;
}

} // namespace

class TestRollPrint : public QObject {
    Q_OBJECT

private slots:
    void init() { m_clock.emplace(QDateTime(PrintDay, QTime(20, 15, 33))); }
    void cleanup() { m_clock.reset(); }

    void rollIsPaperNarrowerThanTheThreshold_data();
    void rollIsPaperNarrowerThanTheThreshold();

    void everyTextFitsTheRollWhole_data();
    void everyTextFitsTheRollWhole();
    void shortLinesPrintWholeAtTheA4Size();
    void linesFittingBetweenReadableAndA4SizePrintWhole();
    void linesWithAmountsBreakIntoNameAndAmountRows_data();
    void linesWithAmountsBreakIntoNameAndAmountRows();
    void textsTooWideForAnyRowWrap();
    void emptyListKeepsTheA4Spacing();
    void pagesOfThePaperLengthSplitNoLine();

    void printsOnRollPaper_data();
    void printsOnRollPaper();
    void widePaperKeepsTheA4Printout_data();
    void widePaperKeepsTheA4Printout();
    void tooLongForOnePageGoesOnPagesOfThePaper();
    void refusedJobIsReported_data();
    void refusedJobIsReported();

private:
    // Prints through PrintSummary, the print dialog accepted for a PDF file
    // on the given paper, as the dialog leaves its printer when a file and a
    // paper are chosen.
    void printToPdf(ReportLayout& layout, const Printout& printout, const QPageSize& paper,
                    const QString& file);

    std::optional<FixedClock> m_clock; // each test's own, the evening of PrintDay
};

void TestRollPrint::rollIsPaperNarrowerThanTheThreshold_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<bool>("roll");
    QTest::newRow("58 mm roll") << RollPaper(58) << true;
    QTest::newRow("80 mm roll") << RollPaper(80) << true;
    QTest::newRow("80 mm roll given across")
        << QPageSize(QSizeF(297, 80), QPageSize::Millimeter) << true;
    QTest::newRow("just below the threshold") << RollPaper(99.9) << true;
    QTest::newRow("at the threshold") << RollPaper(100) << false;
    QTest::newRow("A6") << QPageSize(QPageSize::A6) << false;
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << false;
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << false;
    QTest::newRow("no paper") << QPageSize() << false;
}

void TestRollPrint::rollIsPaperNarrowerThanTheThreshold() {
    QFETCH(QPageSize, paper);
    QFETCH(bool, roll);
    QCOMPARE(IsRollPaper(paper), roll);
}

// Every text stands inside the roll's printable width and none is cut: its
// printed width fits its box, the summary is never below the readable size
// nor above the A4 one, and the texts are those of the A4 printout.
void TestRollPrint::everyTextFitsTheRollWhole_data() {
    AddRowsOnBothRolls(
        RollPrintouts() +
        NamedPrintouts{
            {"table list", Tables({QStringLiteral("Tavolo 1"), QStringLiteral("Veranda 12"),
                                   QStringLiteral("Sala grande, vicino alla finestra")})}});
}

void TestRollPrint::everyTextFitsTheRollWhole() {
    QFETCH(double, paperMm);
    QFETCH(Printout, printout);
    ReportLayout layout(printout.reportName);
    const QVector<ReportPage> a4 = Fill(layout, printout);
    const double width = RollWidth(paperMm);
    const QVector<ReportPage> roll = LayOutForRoll(layout, PrintDay, width);
    QCOMPARE(roll.size(), 1);

    QCOMPARE(WordsOf(Texts(roll)), WordsOf(Texts(a4)));
    double summarySize = 0;
    for (const PlacedText& text : roll[0].texts) {
        QVERIFY2(text.box.left() >= 0 && text.box.right() <= width + 0.01,
                 qPrintable(Describe(text)));
        QVERIFY2(PrintedWidth(text.text, text.font) <= text.box.width() + 0.01,
                 qPrintable(QStringLiteral("cut: ") + Describe(text)));
        if (text.object != u"txtRiepilogo")
            continue;
        QVERIFY2(QFontInfo(text.font).fixedPitch(), qPrintable(Describe(text)));
        QVERIFY2(text.font.pointSizeF() >= ReadablePointSize && text.font.pointSizeF() <= 8,
                 qPrintable(Describe(text)));
        if (summarySize == 0)
            summarySize = text.font.pointSizeF();
        QVERIFY2(text.font.pointSizeF() == summarySize, "one size for the whole summary");
    }
}

void TestRollPrint::shortLinesPrintWholeAtTheA4Size() {
    const QStringList lines = {QStringLiteral("Tavolo 1"), QStringLiteral("Dehors 2"), QString(),
                               QStringLiteral("Veranda")};
    ReportLayout layout(TableListReportName);
    Fill(layout, Tables(lines));
    const QVector<PlacedText> rows = Summary(LayOutForRoll(layout, PrintDay, RollWidth(58)));
    QCOMPARE(rows.size(), lines.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].text, lines[i]);
        QCOMPARE(rows[i].line, i);
        QCOMPARE(rows[i].font.pointSizeF(), 8.0);
        QCOMPARE(rows[i].alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QVERIFY(qAbs(rows[i].box.height() - SummaryLineHeight) < 0.01);
    }
}

// Lines too wide for the A4 size but not for the readable one print whole,
// at the largest size, in tenths of a point, that fits the widest; the line
// pitch follows the size.
void TestRollPrint::linesFittingBetweenReadableAndA4SizePrintWhole() {
    const QStringList lines = {QString(45, u'T'), QStringLiteral("Tavolo 2"), QString(40, u'V')};
    ReportLayout layout(TableListReportName);
    Fill(layout, Tables(lines));
    const double width = RollWidth(80);
    const QVector<PlacedText> rows = Summary(LayOutForRoll(layout, PrintDay, width));
    QCOMPARE(rows.size(), lines.size());
    const double size = rows[0].font.pointSizeF();
    QVERIFY2(size >= ReadablePointSize && size < 8, qPrintable(QString::number(size)));
    QFont larger = rows[0].font;
    larger.setPointSizeF(size + 0.1);
    QVERIFY2(PrintedWidth(lines[0], larger) > width, "the size is the largest that fits");
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].text, lines[i]);
        QCOMPARE(rows[i].font.pointSizeF(), size);
        QVERIFY(qAbs(rows[i].box.height() - SummaryLineHeight * size / 8) < 0.01);
    }
}

// Price-list and order lines are wider than a roll at the readable size:
// each prints its name row at the left and its amount row, from the euro
// sign, at the right; the separator and the total line print whole.
void TestRollPrint::linesWithAmountsBreakIntoNameAndAmountRows_data() {
    QTest::addColumn<double>("paperMm");
    QTest::addColumn<Printout>("printout");
    QTest::addColumn<int>("nameColumns");
    for (const double paper : {80.0, 58.0}) {
        QTest::addRow("ticket on %g mm", paper)
            << paper << Ticket(4) << QuantityColumnWidth + ProductColumnWidth;
        QTest::addRow("price list on %g mm", paper) << paper << PriceList(4) << NameColumnWidth;
    }
}

void TestRollPrint::linesWithAmountsBreakIntoNameAndAmountRows() {
    QFETCH(double, paperMm);
    QFETCH(Printout, printout);
    QFETCH(int, nameColumns);
    ReportLayout layout(printout.reportName);
    Fill(layout, printout);
    const double width = RollWidth(paperMm);
    const QVector<PlacedText> rows = Summary(LayOutForRoll(layout, PrintDay, width));

    int row = 0;
    for (int i = 0; i < printout.lines.size(); ++i) {
        const QString& line = printout.lines[i];
        QStringList texts;
        QVector<Qt::Alignment> alignments;
        for (; row < rows.size() && rows[row].line == i; ++row) {
            texts.append(rows[row].text);
            alignments.append(rows[row].alignment & Qt::AlignHorizontal_Mask);
        }
        if (line.mid(nameColumns, PriceSeparator.size()) != PriceSeparator) {
            // The separator and the total line.
            QCOMPARE(texts, QStringList{TrimTrailingBlanks(line)});
            continue;
        }
        QVERIFY2(texts.size() >= 2, qPrintable(line));
        QCOMPARE(texts.last(), TrimBlanks(line.mid(nameColumns)));
        QVERIFY(texts.last().startsWith(u'\u20AC'));
        QCOMPARE(alignments.last(), Qt::AlignRight);
        QCOMPARE(WordsOf(texts.mid(0, texts.size() - 1)), WordsOf({line.left(nameColumns)}));
        for (int j = 0; j < alignments.size() - 1; ++j)
            QCOMPARE(alignments[j], Qt::AlignLeft);
    }
    QCOMPARE(row, rows.size());
}

// A text no row can hold wraps, never cut: an order line's name under its
// name column, a title across several rows of its bar, a line without
// blanks anywhere within it.
void TestRollPrint::textsTooWideForAnyRowWrap() {
    const QString longName(QStringLiteral("Tagliata di manzo con rucola grana e aceto balsamico"));
    const QStringList lines = {
        BuildOrderLine(QStringLiteral("2"), longName, QStringLiteral("38,00"))};
    const QString title = QStringLiteral("Comanda al tavolo ") + QString(60, u'X') +
                          QStringLiteral(" del giorno 12/03/2024 alle ore 20:15:33");
    const QString unbroken = QStringLiteral("Tavolo") + QString(120, u'9');
    const double width = RollWidth(58);

    ReportLayout ticket(TicketReportName);
    Fill(ticket, {TicketReportName, title, TicketSummary(lines, ComputeTotal(lines))});
    const QVector<ReportPage> roll = LayOutForRoll(ticket, PrintDay, width);
    const QVector<PlacedText> rows = Summary(roll);
    QVector<PlacedText> nameRows;
    for (const PlacedText& row : rows)
        if (row.line == 0 && row.alignment.testFlag(Qt::AlignLeft))
            nameRows.append(row);
    QVERIFY2(nameRows.size() >= 2, "a 50-column name does not fit a 58 mm roll at 7 pt");
    QCOMPARE(nameRows[0].font.pointSizeF(), ReadablePointSize);
    QStringList names;
    for (const PlacedText& row : nameRows)
        names.append(row.text);
    QCOMPARE(WordsOf(names), WordsOf({lines[0].left(QuantityColumnWidth + ProductColumnWidth)}));
    const double nameColumn = PrintedWidth(QString(QuantityColumnWidth, u' '), nameRows[0].font);
    for (int i = 1; i < nameRows.size(); ++i)
        QVERIFY2(qAbs(nameRows[i].box.left() - nameColumn) < 0.01,
                 "continued under the name column");

    QStringList titleRows;
    for (const PlacedText& text : roll[0].texts)
        if (text.object == u"txtTitolo" && !text.text.isEmpty())
            titleRows.append(text.text);
    QVERIFY(titleRows.size() >= 3);
    QCOMPARE(titleRows.join(QString()).remove(u' '), QString(title).remove(u' '));

    ReportLayout tables(TableListReportName);
    Fill(tables, Tables({unbroken}));
    QStringList pieces;
    for (const PlacedText& row : Summary(LayOutForRoll(tables, PrintDay, width)))
        pieces.append(row.text);
    QVERIFY(pieces.size() >= 2);
    QCOMPARE(pieces.join(QString()), unbroken);

    for (const QVector<ReportPage>& pages : {roll, LayOutForRoll(tables, PrintDay, width)})
        for (const PlacedText& text : pages[0].texts)
            QVERIFY2(text.box.right() <= width + 0.01 &&
                         PrintedWidth(text.text, text.font) <= text.box.width() + 0.01,
                     qPrintable(Describe(text)));
}

// An empty list prints its title bar and its date bar as far apart as on
// A4: the title band's 2 mm below the bar, the empty block's 10 units and
// the date bar's 2 mm. Each bar is one background box behind its rows.
void TestRollPrint::emptyListKeepsTheA4Spacing() {
    ReportLayout layout(PriceListReportName);
    Fill(layout, {PriceListReportName, QStringLiteral("Listino prezzi pizze"), {}});
    const QVector<ReportPage> roll = LayOutForRoll(layout, PrintDay, RollWidth(80));
    QCOMPARE(roll.size(), 1);
    QVector<PlacedText> titleBar;
    QVector<PlacedText> dateBar;
    for (const PlacedText& text : roll[0].texts) {
        QVERIFY2(text.object != u"txtRiepilogo", "no summary rows");
        (text.object == u"txtTitolo" ? titleBar : dateBar).append(text);
    }
    for (const QVector<PlacedText>& bar : {titleBar, dateBar}) {
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0].background, QColor(112, 128, 144));
        QVERIFY(bar[0].text.isEmpty());
        QVERIFY(!bar[1].background.isValid());
        QCOMPARE(bar[1].colour, QColor(Qt::white));
        QCOMPARE(bar[1].box, bar[0].box);
        QVERIFY(qAbs(bar[0].box.width() - RollWidth(80)) < 0.01);
    }
    QCOMPARE(titleBar[1].text, QStringLiteral("Listino prezzi pizze"));
    QCOMPARE(dateBar[1].text, QStringLiteral("Stampa eseguita in data ") + ShortDateText(PrintDay));
    QVERIFY(qAbs(titleBar[0].box.top() - MmToUnits(1)) < 0.01);
    QVERIFY(qAbs(dateBar[0].box.top() - (titleBar[0].box.bottom() + MmToUnits(2) +
                                         SummaryBandExtra + MmToUnits(2))) < 0.01);
}

// On pages of a given length every page holds what fits and a line's rows
// stay together; the title opens the first page, the date bar closes the
// last, and the lines keep their order.
void TestRollPrint::pagesOfThePaperLengthSplitNoLine() {
    ReportLayout layout(PriceListReportName);
    const Printout list = PriceList(100);
    const QVector<ReportPage> a4 = Fill(layout, list);
    const double pageHeight = MmToUnits(297 - 2 * RollEndMarginMm);
    const QVector<ReportPage> pages = LayOutForRoll(layout, PrintDay, RollWidth(58), pageHeight);
    QVERIFY2(pages.size() > 1, qPrintable(QString::number(pages.size())));
    QCOMPARE(WordsOf(Texts(pages)), WordsOf(Texts(a4)));

    QMap<int, int> pageOfLine;
    int lastLine = -1;
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(ContentHeight(pages[p]) <= pageHeight + 0.01, qPrintable(QString::number(p)));
        for (const PlacedText& text : pages[p].texts) {
            if (text.object == u"txtTitolo")
                QCOMPARE(p, 0);
            if (text.object == u"txtPagina")
                QCOMPARE(p, pages.size() - 1);
            if (text.line < 0)
                continue;
            QVERIFY(text.line >= lastLine);
            lastLine = text.line;
            QVERIFY2(pageOfLine.value(text.line, p) == p,
                     qPrintable(QStringLiteral("line %1 split across pages").arg(text.line)));
            pageOfLine[text.line] = p;
        }
    }
    QCOMPARE(lastLine, list.lines.size() - 1);
    // A new page starts at its top, without the gap between lines.
    QVERIFY(qAbs(pages[1].texts.first().box.top()) < 0.01);
}

void TestRollPrint::printToPdf(ReportLayout& layout, const Printout& printout,
                               const QPageSize& paper, const QString& file) {
    ModalRecorder dialogs([&](QDialog* dialog) {
        auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
        QVERIFY(printDialog);
        QPrinter* printer = printDialog->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        QVERIFY(printer->setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF())));
        dialog->done(QDialog::Accepted);
    });
    TEST_STEP(PrintSummary(layout, printout.title, printout.lines));
    QVERIFY(!dialogs.driverFailed());
}

// Through the print dialog onto a PDF page as wide as the roll: one page,
// as long as the printout, every word of the A4 printout in its order (the
// euro signs and the accents too) inside the roll's margins.
void TestRollPrint::printsOnRollPaper_data() {
    AddRowsOnBothRolls(RollPrintouts());
}

void TestRollPrint::printsOnRollPaper() {
    QFETCH(double, paperMm);
    QFETCH(Printout, printout);
    ReportLayout layout(printout.reportName);
    const QStringList expected = WordsOf(Texts(Fill(layout, printout)));
    QVERIFY(expected.contains(QStringLiteral("\u20AC")));
    QVERIFY(expected.contains(QStringLiteral("più")) ||
            expected.contains(QStringLiteral("Tiramisù")));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("rotolo.pdf"));
    TEST_STEP(printToPdf(layout, printout, RollPaper(paperMm), file));
    const PdfText pdf = ReadPdfText(file);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));

    QCOMPARE(pdf.pages.size(), 1);
    const QSizeF page = pdf.pages[0];
    QVERIFY2(qAbs(page.width() - paperMm * PointsPerMm) < 1,
             qPrintable(QString::number(page.width())));
    QCOMPARE(pdf.texts(), expected);
    // Inside the margins, and no smaller than the readable size (a word's
    // box is about 1.15 times its size high).
    double bottom = 0;
    for (const PdfWord& word : pdf.words) {
        QVERIFY2(word.box.left() >= RollSideMarginMm * PointsPerMm - 0.5 &&
                     word.box.right() <= (paperMm - RollSideMarginMm) * PointsPerMm + 0.5 &&
                     word.box.height() >= ReadablePointSize,
                 qPrintable(QStringLiteral("'%1' from %2 to %3 pt")
                                .arg(word.text)
                                .arg(word.box.left())
                                .arg(word.box.right())));
        bottom = std::max(bottom, word.box.bottom());
    }
    // The page ends after the date bar's last row and the roll's end margin,
    // or is as long as it is wide.
    const double slack = (RollEndMarginMm + 5 + 1) * PointsPerMm;
    QVERIFY2(
        page.height() > bottom &&
            (page.height() <= bottom + slack || page.height() <= page.width() + 1),
        qPrintable(
            QStringLiteral("page %1 pt long, text down to %2 pt").arg(page.height()).arg(bottom)));
}

// Paper at least as wide as the threshold, whatever the dialog chose, gets
// the A4 landscape printout as before.
void TestRollPrint::widePaperKeepsTheA4Printout_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::newRow("A4") << QPageSize(QPageSize::A4);
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter);
    QTest::newRow("at the threshold") << RollPaper(100, 150);
}

void TestRollPrint::widePaperKeepsTheA4Printout() {
    QFETCH(QPageSize, paper);
    const Printout ticket = Ticket(3);
    ReportLayout layout(ticket.reportName);
    const QStringList expected = WordsOf(Texts(Fill(layout, ticket)));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a4.pdf"));
    TEST_STEP(printToPdf(layout, ticket, paper, file));
    const PdfText pdf = ReadPdfText(file);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QCOMPARE(pdf.pages.size(), 1);
    QVERIFY2(qAbs(pdf.pages[0].width() - 841.89) < 1 && qAbs(pdf.pages[0].height() - 595.28) < 1,
             "A4 landscape");
    QCOMPARE(pdf.texts(), expected);
}

// A device that takes no page longer than its paper, or a printout longer
// than the longest page: pages of the paper's own length, no line split
// between two, the title on the first and the date on the last.
void TestRollPrint::tooLongForOnePageGoesOnPagesOfThePaper() {
    const Printout list = PriceList(100);
    ReportLayout layout(list.reportName);
    const QStringList expected = WordsOf(Texts(Fill(layout, list)));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pagine.pdf"));
    {
        QPdfWriter writer(file);
        QVERIFY(PrintOnPaper(layout, PrintDay, RollPaper(80), &writer, 297));
    }
    const PdfText pdf = ReadPdfText(file);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QVERIFY2(pdf.pages.size() > 1, qPrintable(QString::number(pdf.pages.size())));
    for (const QSizeF& page : pdf.pages)
        QVERIFY2(qAbs(page.width() - 80 * PointsPerMm) < 1 &&
                     qAbs(page.height() - 297 * PointsPerMm) < 1,
                 "pages of the roll's paper");
    QCOMPARE(pdf.texts(), expected);
    // Every amount row stands on the page of its name row, just above it.
    for (int i = 1; i < pdf.words.size(); ++i)
        if (pdf.words[i].text == u"\u20AC")
            QCOMPARE(pdf.words[i].page, pdf.words[i - 1].page);
    QCOMPARE(pdf.words.first().text, QStringLiteral("Listino"));
    QCOMPARE(pdf.words.first().page, 0);
    QCOMPARE(pdf.words.last().page, int(pdf.pages.size()) - 1);
    for (const PdfWord& word : pdf.words)
        QVERIFY(word.box.bottom() <= (297 - RollEndMarginMm) * PointsPerMm + 0.5);
}

// A file that cannot be written fails the print, and the user is told so;
// nothing else is shown.
void TestRollPrint::refusedJobIsReported_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::newRow("roll") << RollPaper(80);
    QTest::newRow("A4") << QPageSize(QPageSize::A4);
}

void TestRollPrint::refusedJobIsReported() {
    QFETCH(QPageSize, paper);
    const Printout ticket = Ticket(3);
    ReportLayout layout(ticket.reportName);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("manca/comanda.pdf"));
    MessageRecorder messages;
    TEST_STEP(printToPdf(layout, ticket, paper, file));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(messages.shown[0].text,
             QStringLiteral("La stampa non è riuscita: impossibile scrivere il file \"%1\".")
                 .arg(QDir::toNativeSeparators(file)));
    QVERIFY(!QFileInfo::exists(file));
}

QTEST_MAIN(TestRollPrint)
#include "test_roll_print.moc"
