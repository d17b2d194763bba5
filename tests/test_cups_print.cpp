// Printing through CUPS to a receipt printer: a private cupsd on 127.0.0.1
// (tests/cups/, started and stopped here) with two cups-pdf queues holding
// an 80 mm roll. A ticket goes through the program's print procedure and
// the print dialog, with the queue chosen there, and comes back as the PDF
// file the queue wrote: laid out for the roll, every word of the A4
// printout in its order.
#include "PdfText.h"
#include "Seams.h"

#include "output/PrintSummary.h"
#include "output/RollLayout.h"
#include "tickets/OrderLine.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>

#include <memory>
#include <optional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString CupsScripts = QStringLiteral(ORBISALA_CUPS_SCRIPTS);
const QString RollQueue = u"Rotolo80"_s;       // takes a page of any length
const QString FixedQueue = u"Rotolo80Fisso"_s; // takes only its 80 x 297 mm page
const QDate PrintDay(2024, 3, 12);
constexpr double RollMm = 80;
constexpr double PaperLengthMm = 297;

QStringList TicketSummaryOf(int count) {
    const QStringList names = {u"Margherita"_s, u"Tiramisù"_s, u"Caffè"_s, u"Acqua naturale"_s};
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(BuildOrderLine(QString::number(i % 3 + 1), names[i % names.size()],
                                    QStringLiteral("%1,00").arg(i % 20 + 2)));
    return TicketSummary(lines, ComputeTotal(lines));
}

const QString TicketTitle = u"Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33"_s;

QStringList Texts(const QVector<ReportPage>& pages) {
    QStringList texts;
    for (const ReportPage& page : pages)
        for (const PlacedText& text : page.texts)
            texts.append(text.text);
    return texts;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Every word inside the roll's side margins and above its end margin, and
// no smaller than the readable size (a word's box is about 1.15 times its
// size high): not an A4 page shrunk to the roll.
void VerifyReadableWithinTheRoll(const PdfText& pdf) {
    for (const PdfWord& word : pdf.words)
        QVERIFY2(word.box.left() >= RollSideMarginMm * PointsPerMm - 0.5 &&
                     word.box.right() <= (RollMm - RollSideMarginMm) * PointsPerMm + 0.5 &&
                     word.box.bottom() <=
                         pdf.pages[word.page].height() - RollEndMarginMm * PointsPerMm + 0.5 &&
                     word.box.height() >= ReadablePointSize,
                 qPrintable(u"'%1' at %2..%3, %4..%5 pt"_s.arg(word.text)
                                .arg(word.box.left())
                                .arg(word.box.right())
                                .arg(word.box.top())
                                .arg(word.box.bottom())));
}

} // namespace

class TestCupsPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_clock.emplace(QDateTime(PrintDay, QTime(20, 15, 33))); }
    void cleanup() { m_clock.reset(); }

    void rollQueueTakesOnePageAsLongAsTheTicket();
    void fixedLengthQueueGetsPagesOfItsPaper();

private:
    // Prints the ticket through PrintSummary, the print dialog accepted with
    // `queue` chosen in it; returns the PDF file the queue wrote for the job
    // and the A4 printout's words.
    QString printThrough(const QString& queue, const QStringList& summary, QStringList* words);
    QString diagnostics() const;

    std::unique_ptr<QTemporaryDir> m_work;
    QString m_server;
    std::optional<FixedClock> m_clock;
};

void TestCupsPrint::initTestCase() {
    if (::geteuid() != 0)
        QSKIP("the private cupsd runs its cups-pdf backend as root; CI runs as root");
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QProcess start;
    start.start(u"bash"_s, {CupsScripts + u"/start-cups.sh"_s, m_work->path()});
    QVERIFY(start.waitForFinished(120000));
    QVERIFY2(start.exitCode() == 0,
             qPrintable(u"the private cupsd did not start: "_s +
                        QString::fromLocal8Bit(start.readAllStandardError()).trimmed()));
    m_server = QString::fromLocal8Bit(start.readAllStandardOutput()).trimmed();
    QVERIFY2(m_server.startsWith(u"127.0.0.1:"_s), qPrintable(m_server));
    // Before Qt first asks CUPS anything: libcups reads the server once.
    qputenv("CUPS_SERVER", m_server.toLocal8Bit());

    const QStringList queues = QPrinterInfo::availablePrinterNames();
    QVERIFY2(queues.contains(RollQueue) && queues.contains(FixedQueue),
             qPrintable(queues.join(u", "_s)));
    QCOMPARE(QPrinterInfo::defaultPrinterName(), RollQueue);
    const QPrinterInfo roll = QPrinterInfo::printerInfo(RollQueue);
    QVERIFY(roll.supportsCustomPageSizes());
    QVERIFY(!QPrinterInfo::printerInfo(FixedQueue).supportsCustomPageSizes());
    QVERIFY2(qAbs(roll.defaultPageSize().size(QPageSize::Millimeter).width() - RollMm) < 0.5,
             qPrintable(roll.defaultPageSize().name()));
}

void TestCupsPrint::cleanupTestCase() {
    if (!m_work)
        return;
    QProcess::execute(u"bash"_s, {CupsScripts + u"/stop-cups.sh"_s, m_work->path()});
    m_work->remove();
}

QString TestCupsPrint::diagnostics() const {
    QFile log(QDir(m_work->path()).filePath(u"cups/log/error_log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return u"(no error_log)"_s;
    const QByteArray text = log.readAll();
    return QString::fromLocal8Bit(text.right(3000));
}

QString TestCupsPrint::printThrough(const QString& queue, const QStringList& summary,
                                    QStringList* words) {
    ReportLayout layout(TicketReportName);
    {
        PrintRecorder recorder;
        PrintSummary(layout, TicketTitle, summary);
        *words = WordsOf(Texts(recorder.printed.value(0).pages));
    }

    QString offered;
    ModalRecorder dialogs([&](QDialog* dialog) {
        auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
        QVERIFY(printDialog);
        offered = printDialog->printer()->printerName();
        auto* printers = dialog->findChild<QComboBox*>(u"printers"_s);
        QVERIFY(printers);
        const int index = printers->findText(queue);
        QVERIFY2(index >= 0, qPrintable(queue));
        printers->setCurrentIndex(index);
        printDialog->accept();
    });
    const QDir out(QDir(m_work->path()).filePath(u"pdf/"_s + queue));
    const QStringList before = out.entryList({u"*.pdf"_s}, QDir::Files);
    PrintSummary(layout, TicketTitle, summary);
    if (dialogs.driverFailed())
        return QString();
    if (offered != RollQueue) {
        qWarning("the dialog offered %s, not the default printer", qPrintable(offered));
        return QString();
    }

    // The job is done once CUPS lists it as completed: cups-pdf has then
    // finished writing its file.
    const QDeadlineTimer deadline(120000);
    while (!deadline.hasExpired()) {
        const QString completed =
            Run(u"lpstat"_s, {u"-h"_s, m_server, u"-W"_s, u"completed"_s, u"-o"_s, queue});
        const QStringList after = out.entryList({u"*.pdf"_s}, QDir::Files);
        if (after.size() > before.size() && completed.count(u'\n') >= after.size())
            for (const QString& name : after)
                if (!before.contains(name))
                    return out.filePath(name);
        QTest::qWait(100);
    }
    qWarning("no PDF from %s:\n%s", qPrintable(queue), qPrintable(diagnostics()));
    return QString();
}

// The default queue is preselected, takes the custom length, and gets one
// page as wide as its roll and shorter than its 297 mm paper, the words
// inside the roll's margins; the job is named after the report.
void TestCupsPrint::rollQueueTakesOnePageAsLongAsTheTicket() {
    QStringList expected;
    const QString file = printThrough(RollQueue, TicketSummaryOf(3), &expected);
    QVERIFY2(!file.isEmpty(), "the queue wrote no PDF file");
    const PdfText pdf = ReadPdfText(file);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));

    QCOMPARE(pdf.pages.size(), 1);
    const QSizeF page = pdf.pages[0];
    QVERIFY2(qAbs(page.width() - RollMm * PointsPerMm) < 1,
             qPrintable(QString::number(page.width())));
    QVERIFY2(page.height() >= page.width() - 1 && page.height() < PaperLengthMm * PointsPerMm - 1,
             qPrintable(QString::number(page.height())));
    QCOMPARE(pdf.texts(), expected);
    QVERIFY(expected.contains(u"Tiramisù"_s) && expected.contains(u"\u20AC"_s));
    TEST_STEP(VerifyReadableWithinTheRoll(pdf));

    QFile pageLog(QDir(m_work->path()).filePath(u"cups/log/page_log"_s));
    QVERIFY(pageLog.open(QIODevice::ReadOnly));
    const QString jobs = QString::fromLocal8Bit(pageLog.readAll());
    QVERIFY2(jobs.contains(RollQueue + u" root "_s) && jobs.contains(TicketReportName),
             qPrintable(jobs));
}

// A queue that takes no custom length gets pages of its paper, 80 x 297 mm,
// with no line split between two: every amount row stands on the page of
// its name row.
void TestCupsPrint::fixedLengthQueueGetsPagesOfItsPaper() {
    QStringList expected;
    const QString file = printThrough(FixedQueue, TicketSummaryOf(60), &expected);
    QVERIFY2(!file.isEmpty(), "the queue wrote no PDF file");
    const PdfText pdf = ReadPdfText(file);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));

    QVERIFY2(pdf.pages.size() > 1, qPrintable(QString::number(pdf.pages.size())));
    for (const QSizeF& page : pdf.pages)
        QVERIFY2(qAbs(page.width() - RollMm * PointsPerMm) < 1 &&
                     qAbs(page.height() - PaperLengthMm * PointsPerMm) < 1,
                 qPrintable(u"%1 x %2"_s.arg(page.width()).arg(page.height())));
    QCOMPARE(pdf.texts(), expected);
    TEST_STEP(VerifyReadableWithinTheRoll(pdf));
    for (int i = 1; i < pdf.words.size(); ++i)
        if (pdf.words[i].text == u"\u20AC")
            QCOMPARE(pdf.words[i].page, pdf.words[i - 1].page);
    QCOMPARE(pdf.words.first().page, 0);
    QCOMPARE(pdf.words.last().page, int(pdf.pages.size()) - 1);
}

QTEST_MAIN(TestCupsPrint)
#include "test_cups_print.moc"
