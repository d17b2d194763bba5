// The help: the three topics and their paragraphs, the help, information and
// credits windows (opened fresh each time, their links, their close button),
// and the PDF guide the build writes beside the program.
#include "help/Guida.h"
#include "help/HelpTopics.h"
#include "help/HelpWindows.h"
#include "help/Maker.h"
#include "widgets/LinkLabel.h"

#include "Seams.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(HelpTopic)

namespace {

const QColor kOrange(0xFF, 0xA5, 0x00);
const QColor kDarkBlue(0x00, 0x00, 0x8B);

enum class Window { Help, Info, Credits };

void Open(Window window, QWidget* opener) {
    switch (window) {
    case Window::Help:
        OpenHelpTopic(opener, HelpTopic::Overview);
        break;
    case Window::Info:
        OpenInfo(opener);
        break;
    case Window::Credits:
        OpenSplash(opener);
        break;
    }
}

// Opens a window through the modal seam and lets `drive` work on it while it
// is showing. Called inside TEST_STEP, so that a failed check in `drive`, or
// a window that was not shown once, stops the test.
void Drive(Window window, QWidget* opener, const std::function<void(QDialog*)>& drive) {
    ModalRecorder dialogs(drive);
    Open(window, opener);
    if (dialogs.driverFailed())
        return;
    QCOMPARE(dialogs.shown.size(), 1);
}

// What a read-only text shows: Qt keeps one paragraph break per CR LF.
QString AsShown(const QString& body) {
    QString text = body;
    return text.replace("\r\n"_L1, "\n"_L1);
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The topics
    void topicParagraphs_data();
    void topicParagraphs();
    void overviewRepeatsBothSections();
    void paragraphOpenings_data();
    void paragraphOpenings();
    void passwordParagraph();

    // The help window
    void helpWindowShowsTopic_data();
    void helpWindowShowsTopic();
    void helpWindowBeforeTheOpenerFillsIt();
    void secondOpeningIsFreshAndAtTheTop();

    // All three windows
    void windowFrames_data();
    void windowFrames();
    void linkOpensItsTarget_data();
    void linkOpensItsTarget();
    void linkColourFollowsTheButton_data();
    void linkColourFollowsTheButton();
    void pressOnLinkReleasedElsewhereOpensNothing_data();
    void pressOnLinkReleasedElsewhereOpensNothing();
    void chiudiClosesTheWindow_data();
    void chiudiClosesTheWindow();
    void creditsCentredOnTheOpener();

    // The PDF guide
    void guideWrittenByTheBuild();

private:
    // Each test's own, installed by init() and put back by cleanup().
    std::optional<ProgramFolderScope> m_folder;
    std::optional<DesktopRecorder> m_desktop;
};

void TestHelp::init() {
    m_folder.emplace();
    m_desktop.emplace();
}

void TestHelp::cleanup() {
    m_desktop.reset();
    m_folder.reset();
}

// ------------------------------------------------------------------ The topics

void TestHelp::topicParagraphs_data() {
    QTest::addColumn<HelpTopic>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("count");

    QTest::newRow("overview") << HelpTopic::Overview << u"Uno sguardo a Orbisala."_s << 21;
    QTest::newRow("price lists") << HelpTopic::PriceLists << u"Applicazione Menu Portate."_s << 5;
    QTest::newRow("orders") << HelpTopic::Orders << u"Applicazione Ordinazioni ai Tavoli."_s << 12;
}

void TestHelp::topicParagraphs() {
    QFETCH(HelpTopic, topic);
    QFETCH(QString, title);
    QFETCH(int, count);

    QCOMPARE(HelpTopicTitle(topic), title);
    const QStringList paragraphs = HelpTopicParagraphs(topic);
    QCOMPARE(paragraphs.size(), count);
    for (const QString& paragraph : paragraphs) {
        QVERIFY2(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'),
                 qPrintable("a paragraph breaks its own line: " + paragraph.left(40)));
        QVERIFY2(paragraph == paragraph.trimmed() && paragraph.endsWith(u'.'),
                 qPrintable("a paragraph is not a finished text: " + paragraph.left(40)));
    }

    // One empty line between two paragraphs, nothing before or after.
    const QString body = HelpTopicBody(topic);
    QCOMPARE(body.split("\r\n\r\n"_L1), paragraphs);
    QVERIFY(!body.startsWith(u'\r') && !body.startsWith(u'\n'));
    QVERIFY(!body.endsWith(u'\r') && !body.endsWith(u'\n'));
    QCOMPARE(body.count("\r\n"_L1), 2 * (count - 1));
}

void TestHelp::overviewRepeatsBothSections() {
    const QStringList overview = HelpTopicParagraphs(HelpTopic::Overview);
    const QStringList priceLists = HelpTopicParagraphs(HelpTopic::PriceLists);
    const QStringList orders = HelpTopicParagraphs(HelpTopic::Orders);

    QCOMPARE(overview.mid(2, 5), priceLists);
    QCOMPARE(overview.mid(7, 12), orders);
    const QString separator = u"\r\n\r\n"_s;
    QCOMPARE(HelpTopicBody(HelpTopic::Overview), overview.mid(0, 2).join(separator) + separator +
                                                     HelpTopicBody(HelpTopic::PriceLists) +
                                                     separator + HelpTopicBody(HelpTopic::Orders) +
                                                     separator + overview.mid(19).join(separator));
    // The overview's own four paragraphs say something the sections do not.
    for (int i : {0, 1, 19, 20})
        QVERIFY(!priceLists.contains(overview.at(i)) && !orders.contains(overview.at(i)));
}

void TestHelp::paragraphOpenings_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("opening");

    const QStringList openings = {
        u"Orbisala è un software facile e intuitivo"_s,
        u"La compilazione della comanda avviene velocemente"_s,
        u"L'applicazione Menu Portate è l'ambiente in cui va registrato il listino prezzi"_s,
        u"Per creare o aggiornare il listino prezzi delle portate"_s,
        u"Per eliminare una pietanza dal menu delle portate"_s,
        u"Il software consente di creare un elenco personalizzato dei tavoli"_s,
        u"Per eliminare un tavolo dall'elenco"_s,
        u"L'applicazione Ordinazioni ai Tavoli si compone di due ambienti di lavoro"_s,
        u"Nel momento in cui il cameriere si recherà con il suo tablet Windows al tavolo del cliente"_s,
        u"La prima operazione da effettuare per compilare una nuova comanda"_s,
        u"La seconda operazione consiste nell'indicare nella comanda le pietanze e le bevande"_s,
        u"In fase di compilazione della comanda, premendo il pulsante Calcola totale"_s,
        u"Se mentre si compila la comanda il cliente ha un ripensamento"_s,
        u"Dopo aver inserito tutte le portate ordinate dal cliente"_s,
        u"L'ultima operazione che il cameriere dovrà effettuare"_s,
        u"Premendo il pulsante Invia e-mail"_s,
        u"Il pulsante Visualizza comande in archivio"_s,
        u"Si tenga presente che la visualizzazione delle comande archiviate"_s,
        u"E' inoltre possibile cancellare una comanda"_s,
        u"L'accesso al software è protetto da una password"_s,
        u"Orbisala è quindi lo strumento ideale"_s,
    };
    for (int i = 0; i < openings.size(); ++i)
        QTest::addRow("paragraph %d", i + 1) << i << openings.at(i);
}

void TestHelp::paragraphOpenings() {
    QFETCH(int, index);
    QFETCH(QString, opening);

    const QStringList overview = HelpTopicParagraphs(HelpTopic::Overview);
    QVERIFY(index < overview.size());
    const QString paragraph = overview.at(index);
    QVERIFY2(paragraph.startsWith(opening), qPrintable(paragraph.left(100)));
    // The opening words lead into a paragraph, not a bare heading.
    QVERIFY2(paragraph.size() > opening.size() + 60, qPrintable(paragraph));
}

void TestHelp::passwordParagraph() {
    QCOMPARE(HelpTopicParagraphs(HelpTopic::Overview).at(19),
             u"L'accesso al software è protetto da una password aggiornabile dall'utente che può "
             u"essere cambiata tutte le volte che si desidera. Per il primo accesso al programma, "
             u"bisogna utilizzare la parola chiave \"bruschettavolo\" (scritta senza le "
             u"virgolette)."_s);
}

// ------------------------------------------------------------- The help window

void TestHelp::helpWindowShowsTopic_data() {
    QTest::addColumn<HelpTopic>("topic");
    QTest::newRow("overview") << HelpTopic::Overview;
    QTest::newRow("price lists") << HelpTopic::PriceLists;
    QTest::newRow("orders") << HelpTopic::Orders;
}

void TestHelp::helpWindowShowsTopic() {
    QFETCH(HelpTopic, topic);

    QWidget opener;
    QPointer<QDialog> shown;
    ModalRecorder dialogs([&](QDialog* dialog) {
        shown = dialog;
        QCOMPARE(dialog->objectName(), u"TfrmGuida"_s);
        QCOMPARE(dialog->parentWidget(), &opener);
        auto* title = dialog->findChild<QLabel*>(u"lblTitolo"_s);
        auto* text = dialog->findChild<QPlainTextEdit*>(u"txtGuida"_s);
        QVERIFY(title && text);
        QCOMPARE(title->text(), HelpTopicTitle(topic));
        QCOMPARE(text->toPlainText(), AsShown(HelpTopicBody(topic)));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    });
    TEST_STEP(OpenHelpTopic(&opener, topic));
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY2(shown.isNull(), "the help window outlives its opening");
}

void TestHelp::helpWindowBeforeTheOpenerFillsIt() {
    TfrmGuida window;
    window.ensurePolished();
    auto* lblTitolo = window.findChild<QLabel*>(u"lblTitolo"_s);
    auto* txtGuida = window.findChild<QPlainTextEdit*>(u"txtGuida"_s);
    QVERIFY(lblTitolo && txtGuida);
    QCOMPARE(lblTitolo->text(), u"Argomento della guida."_s);
    QCOMPARE(lblTitolo->font().family(), u"Arial"_s);
    QCOMPARE(lblTitolo->font().pointSize(), 16);
    QVERIFY(lblTitolo->font().bold());
    QCOMPARE(lblTitolo->palette().color(QPalette::WindowText), QColor(0xDC, 0x14, 0x3C));
    QVERIFY(txtGuida->toPlainText().isEmpty());
    QCOMPARE(txtGuida->font().family(), u"Verdana"_s);
    QCOMPARE(txtGuida->font().pointSize(), 12);
    QVERIFY(txtGuida->font().bold());
}

void TestHelp::secondOpeningIsFreshAndAtTheTop() {
    QWidget opener;
    QPointer<QDialog> first;
    TEST_STEP(Drive(Window::Help, &opener, [&](QDialog* dialog) {
        first = dialog;
        auto* text = dialog->findChild<QPlainTextEdit*>(u"txtGuida"_s);
        QVERIFY(text);
        QScrollBar* bar = text->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QVERIFY2(bar->maximum() > 0, "the overview should need scrolling");
        bar->setValue(bar->maximum());
        text->moveCursor(QTextCursor::End);
    }));
    QVERIFY2(first.isNull(), "the first help window was not destroyed");

    TEST_STEP(Drive(Window::Help, &opener, [&](QDialog* dialog) {
        auto* text = dialog->findChild<QPlainTextEdit*>(u"txtGuida"_s);
        QVERIFY(text);
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QCOMPARE(text->textCursor().position(), 0);
        QCOMPARE(text->toPlainText(), AsShown(HelpTopicBody(HelpTopic::Overview)));
    }));
}

// ---------------------------------------------------------- All three windows

void TestHelp::windowFrames_data() {
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<QString>("iconName");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QString>("title");

    QTest::newRow("help") << Window::Help << u"TfrmGuida"_s << u"Visualizza guida in formato PDF"_s
                          << u"imgPDF"_s << QSize(670, 572)
                          << u" Guida all'utilizzo del software"_s;
    QTest::newRow("information") << Window::Info << u"TfrmInfo"_s << MakerContactAddress
                                 << u"imgEmail"_s << QSize(473, 579)
                                 << u" Informazioni su Orbisala"_s;
    // The credits window's title is ours to word; it names the product.
    QTest::newRow("credits") << Window::Credits << u"TfrmSplash"_s << MakerWebSiteText
                             << u"imgWeb"_s << QSize(661, 467) << QString();
}

void TestHelp::windowFrames() {
    QFETCH(Window, window);
    QFETCH(QString, className);
    QFETCH(QString, linkText);
    QFETCH(QString, iconName);
    QFETCH(QSize, clientSize);
    QFETCH(QString, title);

    QWidget opener;
    TEST_STEP(Drive(window, &opener, [&](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), className);
        if (title.isEmpty())
            QVERIFY2(dialog->windowTitle().startsWith(u" Orbisala"_s),
                     qPrintable(dialog->windowTitle()));
        else
            QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->size(), clientSize);
        QCOMPARE(dialog->minimumSize(), clientSize);
        QCOMPARE(dialog->maximumSize(), clientSize);
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));

        QVERIFY(dialog->findChild<QWidget*>(u"imgLogo"_s));
        auto* link = dialog->findChild<LinkLabel*>(u"lnkWeb"_s);
        QVERIFY(link);
        QCOMPARE(link->text(), linkText);
        QVERIFY(link->font().underline());
        QCOMPARE(link->textColour(), kDarkBlue);
        QVERIFY(dialog->findChild<QAbstractButton*>(iconName));
        auto* chiudi = dialog->findChild<QPushButton*>(u"btnChiudi"_s);
        QVERIFY(chiudi);
        QCOMPARE(chiudi->text(), u"Chiudi"_s);
        // Every control lies whole inside the client area.
        for (QWidget* control : {static_cast<QWidget*>(link), static_cast<QWidget*>(chiudi),
                                 dialog->findChild<QWidget*>(u"imgLogo"_s)}) {
            const QRect area(control->mapTo(dialog, QPoint(0, 0)), control->size());
            QVERIFY2(dialog->rect().contains(area), qPrintable(control->objectName()));
        }
    }));
}

void TestHelp::linkOpensItsTarget_data() {
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected"); // "%1" stands for the program folder

    const QString guide = u"\"%1Guida.pdf\""_s;
    const QString mail = u"\"mailto:"_s + MakerContactAddress +
                         u"?subject=Software Orbisala&body=Salve, desidererei avere le seguenti "
                         u"informazioni sul software in oggetto:\""_s;

    QTest::newRow("help, link text") << Window::Help << u"lnkWeb"_s << guide;
    QTest::newRow("help, PDF icon") << Window::Help << u"imgPDF"_s << guide;
    QTest::newRow("information, link text") << Window::Info << u"lnkWeb"_s << mail;
    QTest::newRow("information, e-mail icon") << Window::Info << u"imgEmail"_s << mail;
    QTest::newRow("credits, link text") << Window::Credits << u"lnkWeb"_s << MakerWebSite;
    QTest::newRow("credits, web icon") << Window::Credits << u"imgWeb"_s << MakerWebSite;
}

void TestHelp::linkOpensItsTarget() {
    QFETCH(Window, window);
    QFETCH(QString, control);
    QFETCH(QString, expected);

    // A folder with blanks: the quotes keep the guide's path whole.
    const QString folder = m_folder->filePath(u"Sala e cucina"_s);
    QVERIFY(QDir().mkpath(folder));
    const ProgramFolderScope programFolder(folder);
    if (expected.contains("%1"_L1))
        expected = expected.arg(folder + u'/');

    QWidget opener;
    TEST_STEP(Drive(window, &opener, [&](QDialog* dialog) {
        auto* target = dialog->findChild<QWidget*>(control);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(m_desktop->opened, QStringList{expected});
        QCOMPARE(dialog->findChild<LinkLabel*>(u"lnkWeb"_s)->textColour(), kDarkBlue);
        QVERIFY2(dialog->isVisible(), "following the link closed the window");
    }));
}

void TestHelp::linkColourFollowsTheButton_data() {
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");

    QTest::newRow("help, link text") << Window::Help << u"lnkWeb"_s;
    QTest::newRow("help, PDF icon") << Window::Help << u"imgPDF"_s;
    QTest::newRow("information, link text") << Window::Info << u"lnkWeb"_s;
    QTest::newRow("information, e-mail icon") << Window::Info << u"imgEmail"_s;
    QTest::newRow("credits, link text") << Window::Credits << u"lnkWeb"_s;
    QTest::newRow("credits, web icon") << Window::Credits << u"imgWeb"_s;
}

void TestHelp::linkColourFollowsTheButton() {
    QFETCH(Window, window);
    QFETCH(QString, control);

    QWidget opener;
    TEST_STEP(Drive(window, &opener, [&](QDialog* dialog) {
        auto* link = dialog->findChild<LinkLabel*>(u"lnkWeb"_s);
        auto* target = dialog->findChild<QWidget*>(control);
        QVERIFY(link && target);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(link->textColour(), kOrange);
        QVERIFY2(m_desktop->opened.isEmpty(), "the link opened on press, before the click");
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(link->textColour(), kDarkBlue);
        QCOMPARE(m_desktop->opened.size(), 1);
    }));
}

void TestHelp::pressOnLinkReleasedElsewhereOpensNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("link text") << u"lnkWeb"_s;
    QTest::newRow("PDF icon") << u"imgPDF"_s;
}

void TestHelp::pressOnLinkReleasedElsewhereOpensNothing() {
    QFETCH(QString, control);

    QWidget opener;
    TEST_STEP(Drive(Window::Help, &opener, [&](QDialog* dialog) {
        auto* link = dialog->findChild<LinkLabel*>(u"lnkWeb"_s);
        auto* target = dialog->findChild<QWidget*>(control);
        QVERIFY(link && target);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(link->textColour(), kOrange);
        // The pointer leaves the control with the button held, then lets go.
        const QPoint outside(target->width() + 20, -20);
        QTest::mouseMove(target, outside);
        QTest::mouseRelease(target, Qt::LeftButton, {}, outside);
        QCOMPARE(link->textColour(), kDarkBlue);
        QVERIFY(m_desktop->opened.isEmpty());
    }));
}

void TestHelp::chiudiClosesTheWindow_data() {
    QTest::addColumn<Window>("window");
    QTest::newRow("help") << Window::Help;
    QTest::newRow("information") << Window::Info;
    QTest::newRow("credits") << Window::Credits;
}

void TestHelp::chiudiClosesTheWindow() {
    QFETCH(Window, window);

    QWidget opener;
    QPointer<QDialog> shown;
    TEST_STEP(Drive(window, &opener, [&](QDialog* dialog) {
        shown = dialog;
        auto* chiudi = dialog->findChild<QPushButton*>(u"btnChiudi"_s);
        QVERIFY(chiudi);
        QTest::mouseClick(chiudi, Qt::LeftButton);
        QVERIFY2(!dialog->isVisible(), "Chiudi left the window open");
    }));
    QVERIFY2(shown.isNull(), "the window outlives its opening");
    QVERIFY(m_desktop->opened.isEmpty());
}

void TestHelp::creditsCentredOnTheOpener() {
    QWidget opener;
    opener.setGeometry(420, 360, 700, 520);
    opener.show();
    QVERIFY(QTest::qWaitForWindowExposed(&opener));
    const QPoint ownerCentre = opener.frameGeometry().center();

    TEST_STEP(Drive(Window::Credits, &opener, [&](QDialog* dialog) {
        const QPoint centre = dialog->frameGeometry().center();
        QVERIFY2((centre - ownerCentre).manhattanLength() <= 2,
                 qPrintable(u"credits centred at %1,%2, the opener at %3,%4"_s.arg(centre.x())
                                .arg(centre.y())
                                .arg(ownerCentre.x())
                                .arg(ownerCentre.y())));
    }));
}

// --------------------------------------------------------------- The PDF guide

void TestHelp::guideWrittenByTheBuild() {
    const QString path = QStringLiteral(ORBISALA_GUIDE_PDF);
    QFile guide(path);
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable("the build wrote no guide at " + path));
    QVERIFY(guide.read(5) == "%PDF-");
    guide.close();

    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: the guide's text is not read");
    QProcess reader;
    reader.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    QVERIFY(reader.waitForFinished(60000));
    QCOMPARE(reader.exitCode(), 0);
    // The text read back as one line: page numbers dropped, wrapped lines
    // joined, ligatures of the typeface taken apart.
    QStringList lines;
    static const QRegularExpression pageNumber(u"^\\s*\\d+\\s*$"_s);
    for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n'))
        if (!pageNumber.match(line).hasMatch())
            lines << line;
    const QString text = lines.join(u' ').normalized(QString::NormalizationForm_KC).simplified();

    QVERIFY(text.contains("Orbisala"_L1));
    QVERIFY(text.contains("Guida all'utilizzo del software"_L1));
    for (HelpTopic topic : {HelpTopic::Overview, HelpTopic::PriceLists, HelpTopic::Orders})
        QVERIFY2(text.contains(HelpTopicTitle(topic)), qPrintable(HelpTopicTitle(topic)));
    // Every paragraph of the help, word for word (the overview holds them all).
    for (const QString& paragraph : HelpTopicParagraphs(HelpTopic::Overview))
        QVERIFY2(text.contains(paragraph.normalized(QString::NormalizationForm_KC)),
                 qPrintable("the guide lacks: " + paragraph.left(60)));
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
