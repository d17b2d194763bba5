// The printed layout: the page model that PrintSummary lays out, and a real
// PDF printed through QPrinter and read back.
#include "Seams.h"
#include "TestFiles.h"

#include "catalogue/PriceText.h"
#include "output/PrintSummary.h"
#include "output/ReportPainter.h"
#include "platform/Formatting.h"
#include "tickets/OrderLine.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <optional>

namespace {

const QDate PrintDay(2024, 3, 12);

// Prints through the hook and returns the pages it received.
QVector<ReportPage> Print(ReportLayout& layout, const QString& title, const QStringList& lines) {
    PrintRecorder printer;
    PrintSummary(layout, title, lines);
    return printer.printed.value(0).pages;
}

QVector<PlacedText> TextsOf(const ReportPage& page, const QString& object) {
    QVector<PlacedText> found;
    for (const PlacedText& text : page.texts)
        if (text.object == object)
            found.append(text);
    return found;
}

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(
            FormatPriceListLine(QStringLiteral("Pizza numero %1").arg(i), QStringLiteral("5,50")));
    return lines;
}

QString DateText() {
    return QStringLiteral("Stampa eseguita in data ") + PrintDay.toString(QStringLiteral("dd")) +
           QString(SystemDateSeparator()) + PrintDay.toString(QStringLiteral("MM")) +
           QString(SystemDateSeparator()) + PrintDay.toString(QStringLiteral("yyyy"));
}

bool Near(double a, double b) {
    return qAbs(a - b) < 0.01;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void init() { m_clock.emplace(QDateTime(PrintDay, QTime(20, 15, 33))); }
    void cleanup() { m_clock.reset(); }

    void emptyListPrintsTitleEmptyBlockAndDateBar() {
        ReportLayout layout(PriceListReportName);
        const QVector<ReportPage> pages = Print(layout, QStringLiteral("Listino prezzi pizze"), {});
        QCOMPARE(pages.size(), 1);
        const auto title = TextsOf(pages[0], QStringLiteral("txtTitolo"));
        const auto date = TextsOf(pages[0], QStringLiteral("txtPagina"));
        QCOMPARE(title.size(), 1);
        QCOMPARE(date.size(), 1);
        QVERIFY(TextsOf(pages[0], QStringLiteral("txtRiepilogo")).isEmpty());

        QCOMPARE(title[0].text, QStringLiteral("Listino prezzi pizze"));
        QVERIFY(Near(title[0].box.x(), MmToUnits(2)));
        QVERIFY(Near(title[0].box.y(), MmToUnits(1)));
        QVERIFY(Near(title[0].box.width(), MmToUnits(273)));
        QVERIFY(Near(title[0].box.height(), MmToUnits(5)));
        // Title band 8 mm, summary block 10 units, then the date 2 mm into its bar.
        QVERIFY2(Near(date[0].box.y(), MmToUnits(8) + 10 + MmToUnits(2)),
                 qPrintable(QString::number(date[0].box.y())));
        QVERIFY(Near(date[0].box.x(), MmToUnits(3)));
        QVERIFY(Near(date[0].box.width(), MmToUnits(272)));
        QCOMPARE(date[0].text, DateText());
    }

    // [DATE] is evaluated in the date bar only: a table named "[DATE]"
    // prints its title, and its line, exactly as passed.
    void onlyTheDateBarEvaluatesDate_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line");
        QTest::newRow("table named [DATE]")
            << QStringLiteral("Comanda al tavolo [DATE] del giorno 12/03/2024 alle ore 20:15:33")
            << QStringLiteral("[DATE]");
        QTest::newRow("title is [DATE]") << QStringLiteral("[DATE]") << QStringLiteral("1   Acqua");
    }

    void onlyTheDateBarEvaluatesDate() {
        QFETCH(QString, title);
        QFETCH(QString, line);
        ReportLayout layout(TicketReportName);
        const QVector<ReportPage> pages = Print(layout, title, {line});
        QCOMPARE(TextsOf(pages[0], QStringLiteral("txtTitolo")).value(0).text, title);
        QCOMPARE(TextsOf(pages[0], QStringLiteral("txtRiepilogo")).value(0).text, line);
        QCOMPARE(TextsOf(pages[0], QStringLiteral("txtPagina")).value(0).text, DateText());
    }

    void barsAndSummaryHaveTheirFontsAndColours() {
        ReportLayout layout(TicketReportName);
        const QVector<ReportPage> pages =
            Print(layout, QStringLiteral("Comanda"), {QStringLiteral("1   Acqua")});
        const PlacedText title = TextsOf(pages[0], QStringLiteral("txtTitolo")).value(0);
        const PlacedText line = TextsOf(pages[0], QStringLiteral("txtRiepilogo")).value(0);
        const PlacedText date = TextsOf(pages[0], QStringLiteral("txtPagina")).value(0);
        const QColor slateGrey(112, 128, 144);
        QCOMPARE(title.background, slateGrey);
        QCOMPARE(date.background, slateGrey);
        QCOMPARE(title.colour, QColor(Qt::white));
        QCOMPARE(date.colour, QColor(Qt::white));
        QVERIFY(!line.background.isValid());
        QCOMPARE(line.colour, QColor(Qt::black));
        QCOMPARE(title.font.family(), QStringLiteral("Verdana"));
        QVERIFY(title.font.bold());
        QCOMPARE(title.font.pointSizeF(), 9.0);
        QCOMPARE(date.font.pointSizeF(), 8.0);
        QCOMPARE(line.font.family(), QStringLiteral("Courier New"));
        QCOMPARE(line.font.pointSizeF(), 8.0);
        QVERIFY2(QFontInfo(line.font).fixedPitch(),
                 "summary columns line up only in a monospaced face");
        QCOMPARE(title.alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(line.alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QVERIFY(Near(line.box.height(), SummaryLineHeight));
    }

    void longSummaryRunsOntoASecondPage() {
        ReportLayout layout(PriceListReportName);
        const QStringList lines = NumberedLines(100);
        const QVector<ReportPage> pages =
            Print(layout, QStringLiteral("Listino prezzi pizze"), lines);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(TextsOf(pages[0], QStringLiteral("txtTitolo")).size(), 1);
        QVERIFY2(TextsOf(pages[1], QStringLiteral("txtTitolo")).isEmpty(),
                 "the title prints on page one only");
        QVERIFY(TextsOf(pages[0], QStringLiteral("txtPagina")).isEmpty());

        QStringList printed;
        for (const ReportPage& page : pages)
            for (const PlacedText& text : TextsOf(page, QStringLiteral("txtRiepilogo"))) {
                printed.append(text.text);
                QVERIFY(text.box.bottom() <= PrintableHeight + 0.01);
            }
        QCOMPARE(printed, lines);

        // The date bar follows the last summary line, after the block's 10 units.
        const auto secondPageLines = TextsOf(pages[1], QStringLiteral("txtRiepilogo"));
        QVERIFY(Near(secondPageLines.first().box.y(), 0));
        const auto date = TextsOf(pages[1], QStringLiteral("txtPagina"));
        QCOMPARE(date.size(), 1);
        QVERIFY(Near(date[0].box.y(), secondPageLines.last().box.bottom() + 10 + MmToUnits(2)));
    }

    void wideLineIsCutAtTheRightEdge() {
        ReportLayout layout(PriceListReportName);
        const QString wide = QStringLiteral("0123456789").repeated(40);
        const auto pages = Print(layout, QStringLiteral("Riepilogo"), {wide});
        const auto lines = TextsOf(pages[0], QStringLiteral("txtRiepilogo"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].text.size() < wide.size(),
                 "a line wider than its box must be cut, not wrapped");
        QVERIFY(wide.startsWith(lines[0].text));
        QVERIFY(lines[0].text.size() > 100);
        QVERIFY(Near(lines[0].box.right(), MmToUnits(276)));
        // What is left fits in 273 mm, one character more would not.
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(96 / 0.0254));
        device.setDotsPerMeterY(qRound(96 / 0.0254));
        const QFontMetricsF metrics(lines[0].font, &device);
        QVERIFY(metrics.horizontalAdvance(lines[0].text) <= MmToUnits(273));
        QVERIFY(metrics.horizontalAdvance(wide.left(lines[0].text.size() + 1)) > MmToUnits(273));
        // A price-list line and an order line fit whole.
        const QString ticketLine = BuildOrderLine(QStringLiteral("2"), QString(50, u'W'),
                                                  QStringLiteral("123456789012,00"));
        const auto fitting = Print(layout, QStringLiteral("Riepilogo"), {ticketLine});
        QCOMPARE(TextsOf(fitting[0], QStringLiteral("txtRiepilogo"))[0].text, ticketLine);
    }

    void secondPrintCarriesNothingOfTheFirst() {
        ReportLayout layout(TableListReportName);
        Print(layout, QStringLiteral("Elenco tavoli ristorante"), NumberedLines(80));
        const QVector<ReportPage> second =
            Print(layout, QStringLiteral("Elenco tavoli ristorante"), {QStringLiteral("Tavolo 1")});
        ReportLayout fresh(TableListReportName);
        const QVector<ReportPage> expected =
            Print(fresh, QStringLiteral("Elenco tavoli ristorante"), {QStringLiteral("Tavolo 1")});
        QCOMPARE(second.size(), expected.size());
        QCOMPARE(second[0].texts.size(), expected[0].texts.size());
        for (int i = 0; i < expected[0].texts.size(); ++i) {
            QCOMPARE(second[0].texts[i].text, expected[0].texts[i].text);
            QCOMPARE(second[0].texts[i].box, expected[0].texts[i].box);
        }
    }

    void reportNamesReachThePrinter() {
        for (const QString& name : {PriceListReportName, TableListReportName, TicketReportName}) {
            ReportLayout layout(name);
            PrintRecorder printer;
            PrintSummary(layout, QStringLiteral("Riepilogo"), {});
            QCOMPARE(printer.printed.size(), 1);
            QCOMPARE(printer.printed.at(0).name, name);
        }
        QCOMPARE(PriceListReportName, QStringLiteral("Listino Prezzi"));
        QCOMPARE(TableListReportName, QStringLiteral("Elenco Tavoli"));
        QCOMPARE(TicketReportName, QStringLiteral("Orbisala"));
    }

    // Without a hook the print dialog is offered: all pages, one copy,
    // landscape A4, the job named after the report. Cancelling prints nothing.
    void printDialogIsPreparedAndCancelPrintsNothing() {
        ReportLayout layout(PriceListReportName);
        QStringList offered;
        ModalRecorder dialogs([&](QDialog* dialog) {
            auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
            QVERIFY(printDialog);
            QPrinter* printer = printDialog->printer();
            offered << printer->docName();
            QCOMPARE(printer->printRange(), QPrinter::AllPages);
            QCOMPARE(printer->copyCount(), 1);
            QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
            QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
            dialog->reject();
        });
        TEST_STEP(PrintSummary(layout, QStringLiteral("Listino prezzi pizze"), NumberedLines(3)));
        QCOMPARE(offered, QStringList{PriceListReportName});
    }

    // A ticket printed to a PDF file through QPrinter, read back with poppler.
    void printsARealPdf() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        QVERIFY2(!pdftotext.isEmpty() && !pdfinfo.isEmpty(),
                 "poppler-utils is installed by the scripts");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("comanda.pdf"));

        const QStringList lines = {BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"),
                                                  QStringLiteral("11,00")),
                                   BuildOrderLine(QStringLiteral("1"),
                                                  QStringLiteral("Acqua naturale"),
                                                  QStringLiteral("1,50"))};
        const QStringList summary = TicketSummary(lines, ComputeTotal(lines));
        ReportLayout layout(TicketReportName);
        QVector<ReportPage> pages = Print(
            layout, QStringLiteral("Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33"),
            summary);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QVERIFY(PaintReport(pages, &printer));

        QProcess info;
        info.start(pdfinfo, {file});
        QVERIFY(info.waitForFinished());
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(infoText.contains(QStringLiteral("Pages:           1")), qPrintable(infoText));
        QVERIFY2(infoText.contains(QStringLiteral("841.89 x 595.276")) ||
                     infoText.contains(QStringLiteral("842 x 595")),
                 "the page is A4 landscape");

        QProcess text;
        text.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(
                     QStringLiteral("Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33")),
                 qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("Margherita")), qPrintable(printed));
        // pdftotext rebuilds the spacing of a line by its own measure.
        QVERIFY2(printed.simplified().contains(QStringLiteral("TOTALE IMPORTI: \u20AC 12,50")),
                 qPrintable(printed));
        QVERIFY2(printed.contains(DateText()), qPrintable(printed));
    }

private:
    std::optional<FixedClock> m_clock; // each test's own, the evening of PrintDay
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
