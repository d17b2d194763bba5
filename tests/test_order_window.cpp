// The order composition window: the road of a typical order from the orders
// menu back to the start window, through the real import dialogs, the
// archive, the printer and the e-mail window; then the cases around it:
// checks and their order, printing, saving again and failing to save, the
// table field's keys, deleting, the hints, and a new ticket at each showing.
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuOrdinazioni.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "orders/Ordinazioni.h"
#include "platform/AnsiCodePage.h"
#include "platform/Formatting.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"
#include "tickets/TicketTexts.h"

#include "Controls.h"
#include "FileSizeLimit.h"
#include "ListRows.h"
#include "Seams.h"
#include "ShellFixture.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString SaveWithoutTableWarning =
    u"Attenzione: per salvare la comanda è necessario indicare il numero o nome del tavolo."_s;
const QString SaveWithoutLinesWarning =
    u"Attenzione: per salvare la comanda è necessario indicare almeno una portata."_s;
const QString SendWithoutTableWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare il numero o nome "
    u"del tavolo."_s;
const QString SendWithoutLinesWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare almeno una "
    u"portata."_s;
const QString SavedMessage = u"Comanda salvata con successo."_s;
const QString SaveFailedMessage =
    u"Attenzione: il sistema non permette di salvare i dati.\n\r\n\rAccertarsi di possedere i "
    u"privilegi di amministratore sul proprio computer."_s;
const QString EmptyTicketWarning =
    u"Operazione di stampa non applicabile: la comanda non contiene nessuna voce."_s;
const QString PrintQuestion = u"Si vuole stampare la presente comanda?"_s;
const QString DeleteWithoutSelectionWarning =
    u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
    u"pulsante di cancellazione."_s;
const QString ReadyHint = u"Pronto per archiviare una nuova ordinazione..."_s;

const QDateTime Evening(QDate(2024, 3, 12), QTime(20, 15, 33));

QString Spritz() {
    return BuildOrderLine(u"2"_s, u"Spritz"_s, u"7,00"_s);
}
QString Negroni() {
    return BuildOrderLine(u"1"_s, u"Negroni"_s, u"6,00"_s);
}

QByteArray CrLfBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeAnsi(line) + "\r\n";
    return bytes;
}

QVector<QString> TextsOf(const QVector<ReportPage>& pages, const QString& object) {
    QVector<QString> texts;
    for (const ReportPage& page : pages)
        for (const PlacedText& text : page.texts)
            if (text.object == object)
                texts.append(text.text);
    return texts;
}

// In an import dialog: a click on the entry that begins with `text`.
void Choose(QDialog* dialog, const QString& text) {
    auto* list = dialog->findChild<LineList*>(u"lstRecords"_s);
    const auto found = FindRows(list, text, Qt::MatchStartsWith);
    QVERIFY2(found.size() == 1, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(found.first()).center());
}

// The pointer moves over a control: the move reaches the widget the window
// finds under it, as the window system's move does.
// `at` is a point of the control, its centre by default.
void MoveOver(QWidget* window, const QString& control, QPoint at = {}) {
    QWidget* widget =
        control == window->objectName() ? window : window->findChild<QWidget*>(control);
    QVERIFY2(widget, qPrintable(control));
    const QPoint inWindow = widget->mapTo(window, at.isNull() ? widget->rect().center() : at);
    QWidget* under = window->childAt(inWindow);
    if (!under)
        under = window;
    const QPointF local = under->mapFrom(window, inWindow);
    QMouseEvent move(QEvent::MouseMove, local, under->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(under, &move);
}

QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names.append(w->objectName());
    return names;
}

} // namespace

class TestOrderWindow : public QObject {
    Q_OBJECT

private slots:
    // The road of a typical order
    void typicalOrderRoad();

    // The window on its own
    void init();
    void cleanup();
    void newTicketAtEachShowing();
    void categoryGrid();
    void checksComeInTheirOrder_data();
    void checksComeInTheirOrder();
    void printAnswers_data();
    void printAnswers();
    void savingAgain_data();
    void savingAgain();
    void failedSaveLeavesTicket_data();
    void failedSaveLeavesTicket();
    void takenNameMovesToNextFreeSecond_data();
    void takenNameMovesToNextFreeSecond();
    void tableFieldKeys_data();
    void tableFieldKeys();
    void deleteLine();
    void hints();
    void mailTexts_data();
    void mailTexts();

private:
    LineList* list() const { return m_window->findChild<LineList*>(u"lstRecords"_s); }
    QString field(const QString& name) const { return FieldText(m_window.get(), name); }
    void show() {
        m_window->showKept();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void click(const QString& control) { Click(m_window.get(), control); }
    QVector<RecordedMessage>& messages() { return m_messages->shown; }
    QStringList archive() const {
        return QDir(m_folder->path()).entryList({u"*.eur"_s}, QDir::Files, QDir::Name);
    }

    std::unique_ptr<ProgramFolderScope> m_folder;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<ModalRecorder> m_dialogs;
    std::unique_ptr<PrintRecorder> m_prints;
    std::unique_ptr<TfrmOrdinazioni> m_window;
};

void TestOrderWindow::typicalOrderRoad() {
    ShellFixture shell;
    const FixedClock clock(Evening);
    PrintRecorder prints;
    QVERIFY(WriteListFile(ListFilePath(TableListEntry()), {u"5"_s, u"7"_s, u"12"_s}));
    QVERIFY(WriteListFile(ListFilePath(CatalogueEntryOf(CourseCategory::Pizze)),
                          {FormatPriceListLine(u"Margherita"_s, u"6,00"_s),
                           FormatPriceListLine(u"Diavola"_s, u"7,50"_s)}));
    QVERIFY(WriteListFile(ListFilePath(CatalogueEntryOf(CourseCategory::Aperitivi)),
                          {FormatPriceListLine(u"Spritz"_s, u"3,50"_s),
                           FormatPriceListLine(u"Negroni"_s, u"6,00"_s)}));

    // Into the program and on to a new ticket.
    auto* password = Kept().Password->findChild<QLineEdit*>(u"txtPassword"_s);
    QTest::keyClicks(password, u"bruschettavolo"_s);
    TEST_STEP(Click(Kept().Password, u"cmdOK"_s));
    TEST_STEP(Click(Kept().Avvio, u"imgContoCliente"_s));
    TEST_STEP(Click(Kept().MenuOrdinazioni, u"btnCrea"_s));
    auto* window = Kept().Ordinazioni;
    QCOMPARE(VisibleWindows(), QStringList{u"TfrmOrdinazioni"_s});
    QCOMPARE(FieldText(window, u"txtData"_s), ShortDateText(Evening.date()));
    QCOMPARE(FieldText(window, u"txtOra"_s), u"20:15:33"_s);
    QCOMPARE(FieldText(window, u"txtTotale"_s), u"---"_s);

    // The table, from the table list.
    shell.onDialog = [](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), u"TfrmImportaTavoli"_s);
        TEST_STEP(Choose(dialog, u"7"_s));
        Click(dialog, u"btnImporta"_s);
    };
    TEST_STEP(Click(window, u"impTavolo"_s));
    QCOMPARE(FieldText(window, u"txtTavolo"_s), u"7"_s);

    // The pizza list looked at and left.
    shell.onDialog = [](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), u"TfrmImportaPizze"_s);
        QCOMPARE(dialog->findChild<LineList*>(u"lstRecords"_s)->count(), 2);
        Click(dialog, u"btnChiudi"_s);
    };
    TEST_STEP(Click(window, u"btnPizze"_s));

    // Two Spritz: up to three and back down to two.
    shell.onDialog = [](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), u"TfrmImportaAperitivi"_s);
        TEST_STEP(Choose(dialog, u"Spritz"_s));
        Click(dialog, u"btnPlus"_s);
        Click(dialog, u"btnPlus"_s);
        Click(dialog, u"btnMinus"_s);
        QCOMPARE(FieldText(dialog, u"txtPrezzoTot"_s), u"7,00"_s);
        Click(dialog, u"btnImporta"_s);
    };
    TEST_STEP(Click(window, u"btnAperitivi"_s));
    // One Negroni, through the caption under the picture.
    shell.onDialog = [](QDialog* dialog) {
        TEST_STEP(Choose(dialog, u"Negroni"_s));
        Click(dialog, u"btnPlus"_s);
        Click(dialog, u"btnMinus"_s);
        Click(dialog, u"btnImporta"_s);
    };
    TEST_STEP(Click(window, u"cmdAperitivi"_s));
    auto* lines = window->findChild<LineList*>(u"lstRecords"_s);
    QCOMPARE(Items(lines), (QStringList{Spritz(), Negroni()}));
    QCOMPARE(FieldText(window, u"txtTotale"_s), u"---"_s);

    TEST_STEP(Click(window, u"btnTotale"_s));
    QCOMPARE(FieldText(window, u"txtTotale"_s), u"13,00"_s);

    // Saved under the table, date and time of the ticket, in ANSI.
    TEST_STEP(Click(window, u"cmdSalva"_s));
    const QString name = u"Comanda al tavolo 7 del giorno 12.03.2024 alle ore 20.15.33.eur"_s;
    QCOMPARE(FolderEntries(shell.folder.path()).filter(u".eur"_s), QStringList{name});
    const QByteArray bytes = ReadBytes(shell.folder.filePath(name));
    QCOMPARE(bytes, CrLfBytes({Spritz(), Negroni()}));
    QCOMPARE(bytes.size(), 2 * 75);
    QCOMPARE(bytes.at(56), '\x80'); // the euro sign in Windows-1252

    // Printed with the full time in its title.
    TEST_STEP(Click(window, u"cmdStampa"_s));
    QCOMPARE(prints.printed.size(), 1);
    QCOMPARE(prints.printed[0].name, u"Orbisala"_s);
    QCOMPARE(TextsOf(prints.printed[0].pages, u"txtTitolo"_s),
             QVector<QString>{u"Comanda al tavolo 7 del giorno "_s + ShortDateText(Evening.date()) +
                              u" alle ore 20:15:33"_s});
    QCOMPARE(TextsOf(prints.printed[0].pages, u"txtRiepilogo"_s),
             (QVector<QString>{Spritz(), Negroni(), u"- - - - - - - - - - - - - - - -"_s,
                               u"TOTALE IMPORTI:  \u20AC 13,00"_s}));

    // Sent with hours and minutes only, and the items without amounts.
    shell.onDialog = [](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), u"TfrmInvioEmail"_s);
        QCOMPARE(FieldText(dialog, u"txtOggetto"_s), u"Ordinazione tavolo 7 del giorno "_s +
                                                         ShortDateText(Evening.date()) +
                                                         u" alle ore 20:15"_s);
        QCOMPARE(dialog->findChild<QPlainTextEdit*>(u"txtMessaggio"_s)->toPlainText(),
                 u"ELENCO PORTATE: --- 2   Spritz --- 1   Negroni"_s);
        Click(dialog, u"btnChiudi"_s);
    };
    TEST_STEP(Click(window, u"cmdInvia"_s));

    QCOMPARE(shell.messages.size(), 2);
    QCOMPARE(shell.messages[0].kind, MessageKind::Information);
    QCOMPARE(shell.messages[0].text, SavedMessage);
    QCOMPARE(shell.messages[1].kind, MessageKind::Confirm);
    QCOMPARE(shell.messages[1].text, PrintQuestion);
    QCOMPARE(shell.dialogs,
             (QStringList{u"TfrmImportaTavoli"_s, u"TfrmImportaPizze"_s, u"TfrmImportaAperitivi"_s,
                          u"TfrmImportaAperitivi"_s, u"TfrmInvioEmail"_s}));
    // The ticket is as it was after all of it.
    QCOMPARE(Items(lines), (QStringList{Spritz(), Negroni()}));

    TEST_STEP(Click(window, u"cmdChiudi"_s));
    QCOMPARE(VisibleWindows(), QStringList{u"TfrmAvvio"_s});
}

void TestOrderWindow::init() {
    m_folder = std::make_unique<ProgramFolderScope>();
    m_clock = std::make_unique<FixedClock>(Evening);
    m_messages = std::make_unique<MessageRecorder>();
    m_dialogs = std::make_unique<ModalRecorder>();
    m_prints = std::make_unique<PrintRecorder>();
    m_window = std::make_unique<TfrmOrdinazioni>();
}

void TestOrderWindow::cleanup() {
    m_window.reset();
    m_prints.reset();
    m_dialogs.reset();
    m_messages.reset();
    m_clock.reset();
    m_folder.reset();
}

void TestOrderWindow::newTicketAtEachShowing() {
    TEST_STEP(show());
    QCOMPARE(m_window->windowTitle(), u" Orbisala - Ordinazioni ai Tavoli"_s);
    QVERIFY(m_window->isMaximized());
    QCOMPARE(field(u"txtData"_s), ShortDateText(Evening.date()));
    QCOMPARE(field(u"txtOra"_s), u"20:15:33"_s);
    QCOMPARE(field(u"txtTavolo"_s), QString());
    QCOMPARE(field(u"txtTotale"_s), u"---"_s);
    QCOMPARE(list()->count(), 0);
    QCOMPARE(list()->font().family(), QFont(u"Courier New"_s).family());
    QCOMPARE(list()->font().pointSize(), 12);
    QCOMPARE(m_window->focusWidget(), m_window->findChild<QLineEdit*>(u"txtTavolo"_s));
    // The total: read-only, bold Verdana 12 in brown, against the right edge.
    auto* total = m_window->findChild<QLineEdit*>(u"txtTotale"_s);
    QVERIFY(total->isReadOnly());
    QCOMPARE(total->font().family(), QFont(u"Verdana"_s).family());
    QCOMPARE(total->font().pointSize(), 12);
    QVERIFY(total->font().bold());
    QCOMPARE(total->palette().color(QPalette::Text), QColor(Qt::darkRed));
    QCOMPARE(total->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    m_window->setTable(u"5"_s);
    m_window->appendOrderLine(Spritz());
    click(u"btnTotale"_s);
    QCOMPARE(field(u"txtTotale"_s), u"7,00"_s);
    TEST_STEP(MoveOver(m_window.get(), u"cmdSalva"_s));
    m_window->close();
    QVERIFY(!m_window->isVisible());

    const FixedClock later(QDateTime(QDate(2024, 3, 13), QTime(9, 5, 1)));
    TEST_STEP(show());
    QCOMPARE(field(u"txtData"_s), ShortDateText(QDate(2024, 3, 13)));
    QCOMPARE(field(u"txtOra"_s), u"09:05:01"_s);
    QCOMPARE(field(u"txtTavolo"_s), QString());
    QCOMPARE(field(u"txtTotale"_s), u"---"_s);
    QCOMPARE(list()->count(), 0);
    // The info bar keeps its last text.
    QCOMPARE(m_window->findChild<QLabel*>(u"panInfo"_s)->text(), u"Salva la comanda."_s);
}

void TestOrderWindow::categoryGrid() {
    TEST_STEP(show());
    const QVector<CatalogueEntry>& entries = CategoryEntries();
    QVector<QPoint> places;
    for (const CatalogueEntry& entry : entries) {
        auto* picture = m_window->findChild<QAbstractButton*>(entry.OrderControls[0]);
        auto* caption = m_window->findChild<QAbstractButton*>(entry.OrderControls[1]);
        QVERIFY2(picture && caption, qPrintable(entry.Key));
        QCOMPARE(caption->text(), entry.TileCaption);
        // The caption right under its picture.
        QCOMPARE(caption->x(), picture->x());
        QVERIFY(caption->y() > picture->y());
        places.append(picture->pos());
        TEST_STEP(click(entry.OrderControls[0]));
        TEST_STEP(click(entry.OrderControls[1]));
    }
    // Four rows of three, filled row by row in catalogue order.
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(places[i].x(), places[i % 3].x());
        QCOMPARE(places[i].y(), places[(i / 3) * 3].y());
        if (i % 3)
            QVERIFY(places[i].x() > places[i - 1].x());
        if (i >= 3)
            QVERIFY(places[i].y() > places[i - 3].y());
    }
    QStringList expected;
    for (const CatalogueEntry& entry : entries)
        expected << entry.ImportDialogClass << entry.ImportDialogClass;
    QCOMPARE(m_dialogs->shown, expected);
    QCOMPARE(list()->count(), 0);
}

void TestOrderWindow::checksComeInTheirOrder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("withLines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("save: no table, no lines")
        << u"cmdSalva"_s << QString() << false << SaveWithoutTableWarning;
    QTest::newRow("save: a blank table, lines")
        << u"cmdSalva"_s << u"  "_s << true << SaveWithoutTableWarning;
    QTest::newRow("save: a table, no lines")
        << u"cmdSalva"_s << u"5"_s << false << SaveWithoutLinesWarning;
    QTest::newRow("send: no table, no lines")
        << u"cmdInvia"_s << QString() << false << SendWithoutTableWarning;
    QTest::newRow("send: no table, lines")
        << u"cmdInvia"_s << QString() << true << SendWithoutTableWarning;
    QTest::newRow("send: a table, no lines")
        << u"cmdInvia"_s << u"5"_s << false << SendWithoutLinesWarning;
}

void TestOrderWindow::checksComeInTheirOrder() {
    QFETCH(QString, command);
    QFETCH(QString, table);
    QFETCH(bool, withLines);
    QFETCH(QString, expected);
    TEST_STEP(show());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->setTable(table);
    if (withLines)
        m_window->appendOrderLine(Spritz());
    // The focus elsewhere, so that a move to the table field shows.
    m_window->findChild<QPushButton*>(u"btnTotale"_s)->setFocus();
    click(command);
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].kind, MessageKind::Warning);
    QCOMPARE(messages()[0].text, expected);
    // The table warnings lead to the table field.
    const bool tableWarning =
        expected == SaveWithoutTableWarning || expected == SendWithoutTableWarning;
    QCOMPARE(QApplication::focusWidget() == m_window->findChild<QLineEdit*>(u"txtTavolo"_s),
             tableWarning);
    // Stopped before the total, the archive and the e-mail window.
    QCOMPARE(field(u"txtTotale"_s), u"---"_s);
    QCOMPARE(archive(), QStringList{});
    QCOMPARE(m_dialogs->shown, QStringList{});
}

void TestOrderWindow::printAnswers_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("withLines");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("asked");   // the texts of the messages shown
    QTest::addColumn<QStringList>("printed"); // the titles printed
    QTest::newRow("empty ticket: 0,00 and the warning, no question")
        << u"5"_s << false << true << u"0,00"_s << QStringList{EmptyTicketWarning} << QStringList{};
    QTest::newRow("No: nothing printed")
        << u"5"_s << true << false << u"7,00"_s << QStringList{PrintQuestion} << QStringList{};
    QTest::newRow("Yes") << u"5"_s << true << true << u"7,00"_s << QStringList{PrintQuestion}
                         << QStringList{u"Comanda al tavolo 5 del giorno %1 alle ore 20:15:33"_s};
    QTest::newRow("no table: printed all the same")
        << QString() << true << true << u"7,00"_s << QStringList{PrintQuestion}
        << QStringList{u"Comanda al tavolo  del giorno %1 alle ore 20:15:33"_s};
}

void TestOrderWindow::printAnswers() {
    QFETCH(QString, table);
    QFETCH(bool, withLines);
    QFETCH(bool, yes);
    QFETCH(QString, total);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, printed);
    TEST_STEP(show());
    m_window->setTable(table);
    if (withLines)
        m_window->appendOrderLine(Spritz());
    m_messages->answers.enqueue(yes);
    click(u"cmdStampa"_s);
    QCOMPARE(field(u"txtTotale"_s), total);
    QStringList texts;
    for (const RecordedMessage& message : messages())
        texts.append(message.text);
    QCOMPARE(texts, asked);
    QStringList titles;
    for (const PrintedReport& report : m_prints->printed)
        titles += TextsOf(report.pages, u"txtTitolo"_s).toList();
    for (QString& title : printed)
        title = title.arg(ShortDateText(Evening.date()));
    QCOMPARE(titles, printed);
}

void TestOrderWindow::savingAgain_data() {
    QTest::addColumn<QString>("secondTable");
    QTest::addColumn<bool>("lineBetween");
    QTest::addColumn<QStringList>("files");
    const QString five = ArchiveFileName(u"5"_s, u"12/03/2024"_s, u"20:15:33"_s);
    const QString six = ArchiveFileName(u"6"_s, u"12/03/2024"_s, u"20:15:33"_s);
    QTest::newRow("same table: one file") << u"5"_s << false << QStringList{five};
    QTest::newRow("same table, a line more: one file") << u"5"_s << true << QStringList{five};
    QTest::newRow("another table: two files") << u"6"_s << false << QStringList{five, six};
}

void TestOrderWindow::savingAgain() {
    QFETCH(QString, secondTable);
    QFETCH(bool, lineBetween);
    QFETCH(QStringList, files);
    TEST_STEP(show());
    m_window->setTable(u"5"_s);
    m_window->appendOrderLine(Spritz());
    click(u"cmdSalva"_s);
    if (lineBetween)
        m_window->appendOrderLine(Negroni());
    m_window->setTable(secondTable);
    click(u"cmdSalva"_s);
    QCOMPARE(archive(), files);
    const QStringList last = lineBetween ? QStringList{Spritz(), Negroni()} : QStringList{Spritz()};
    QCOMPARE(ReadBytes(m_folder->filePath(files.last())), CrLfBytes(last));
    QCOMPARE(ReadBytes(m_folder->filePath(files.first())),
             CrLfBytes(files.size() == 1 ? last : QStringList{Spritz()}));
    QCOMPARE(messages().size(), 2);
    for (const RecordedMessage& message : messages()) {
        QCOMPARE(message.kind, MessageKind::Information);
        QCOMPARE(message.text, SavedMessage);
    }
}

void TestOrderWindow::failedSaveLeavesTicket_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("table");
    QTest::newRow("a table holding |") << u"name"_s << u"1|A"_s;
    QTest::newRow("a table holding /") << u"name"_s << u"sala/2"_s;
    QTest::newRow("program folder gone") << u"folder"_s << u"5"_s;
    QTest::newRow("disk full") << u"full"_s << u"5"_s;
    QTest::newRow("earlier save made read-only") << u"read-only"_s << u"5"_s;
}

void TestOrderWindow::failedSaveLeavesTicket() {
    QFETCH(QString, failure);
    QFETCH(QString, table);
    TEST_STEP(show());
    m_window->setTable(table);
    m_window->appendOrderLine(Spritz());
    m_window->appendOrderLine(Negroni());
    const QString name = ArchiveFileName(table, field(u"txtData"_s), field(u"txtOra"_s));
    const QByteArray before = "earlier\r\n";
    std::unique_ptr<ProgramFolderScope> elsewhere;
    if (failure == u"folder")
        elsewhere = std::make_unique<ProgramFolderScope>(m_folder->filePath(u"gone"_s));
    if (failure == u"read-only") {
        // The ticket's own file, saved once, then made read-only outside.
        click(u"cmdSalva"_s);
        QCOMPARE(messages().size(), 1);
        messages().clear();
        QVERIFY(WriteBytes(m_folder->filePath(name), before));
        QVERIFY(MakeReadOnly(m_folder->filePath(name)));
    }
    {
        std::optional<FileSizeLimit> limit;
        if (failure == u"full") {
            limit.emplace(40);
            QVERIFY(limit->active());
        }
        click(u"cmdSalva"_s);
    }
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].kind, MessageKind::Plain);
    QCOMPARE(messages()[0].text, SaveFailedMessage);
    // The ticket as it was, its total computed; no part of it on disk.
    QCOMPARE(Items(list()), (QStringList{Spritz(), Negroni()}));
    QCOMPARE(field(u"txtTavolo"_s), table);
    QCOMPARE(field(u"txtTotale"_s), u"13,00"_s);
    QCOMPARE(FolderEntries(m_folder->path()),
             failure == u"read-only" ? QStringList{name} : QStringList{});
    if (failure == u"read-only")
        QCOMPARE(ReadBytes(m_folder->filePath(name)), before);
}

// Another station saved a ticket for the same table in the same second: the
// ticket takes the next free second, shown in its time field and in all
// its texts, and the other station's ticket stays as it was.
void TestOrderWindow::takenNameMovesToNextFreeSecond_data() {
    QTest::addColumn<QDateTime>("opened");
    QTest::addColumn<int>("taken"); // seconds from the opening already saved by others
    QTest::addColumn<QDateTime>("saved");
    const QDate day(2024, 3, 12);
    QTest::newRow("one taken") << Evening << 1 << Evening.addSecs(1);
    QTest::newRow("three taken") << Evening << 3 << Evening.addSecs(3);
    QTest::newRow("into the next minute")
        << QDateTime(day, QTime(20, 15, 59)) << 1 << QDateTime(day, QTime(20, 16, 0));
    QTest::newRow("into the next day")
        << QDateTime(day, QTime(23, 59, 59)) << 1 << QDateTime(day.addDays(1), QTime(0, 0, 0));
}

void TestOrderWindow::takenNameMovesToNextFreeSecond() {
    QFETCH(QDateTime, opened);
    QFETCH(int, taken);
    QFETCH(QDateTime, saved);
    const FixedClock clock(opened);
    TEST_STEP(show());
    const QByteArray theirs = CrLfBytes({Negroni()});
    QStringList others;
    for (int second = 0; second < taken; ++second) {
        const QDateTime moment = opened.addSecs(second);
        others.append(
            ArchiveFileName(u"5"_s, ShortDateText(moment.date()), TimeText(moment.time())));
        QVERIFY(WriteBytes(m_folder->filePath(others.last()), theirs));
    }
    m_window->setTable(u"5"_s);
    m_window->appendOrderLine(Spritz());
    click(u"cmdSalva"_s);
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].text, SavedMessage);

    const QString date = ShortDateText(saved.date());
    const QString time = TimeText(saved.time());
    QCOMPARE(field(u"txtData"_s), date);
    QCOMPARE(field(u"txtOra"_s), time);
    const QString mine = ArchiveFileName(u"5"_s, date, time);
    for (const QString& other : others)
        QVERIFY2(ReadBytes(m_folder->filePath(other)) == theirs,
                 "another station's ticket must never be replaced");
    QCOMPARE(ReadBytes(m_folder->filePath(mine)), CrLfBytes({Spritz()}));
    QCOMPARE(archive().size(), taken + 1);

    // Saved again, it replaces its own file, under the same time.
    m_window->appendOrderLine(Negroni());
    click(u"cmdSalva"_s);
    QCOMPARE(field(u"txtOra"_s), time);
    QCOMPARE(ReadBytes(m_folder->filePath(mine)), CrLfBytes({Spritz(), Negroni()}));
    QCOMPARE(archive().size(), taken + 1);

    // Its printout and its e-mail show the moment of its name.
    m_messages->answers.enqueue(true);
    click(u"cmdStampa"_s);
    QCOMPARE(m_prints->printed.size(), 1);
    QCOMPARE(
        TextsOf(m_prints->printed[0].pages, u"txtTitolo"_s),
        QVector<QString>{u"Comanda al tavolo 5 del giorno "_s + date + u" alle ore "_s + time});
    QString subject;
    m_dialogs->driver = [&subject](QDialog* dialog) {
        subject = FieldText(dialog, u"txtOggetto"_s);
    };
    click(u"cmdInvia"_s);
    QCOMPARE(subject,
             u"Ordinazione tavolo 5 del giorno "_s + date + u" alle ore "_s + time.left(5));
}

void TestOrderWindow::tableFieldKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("table"); // the field afterwards
    QTest::addColumn<bool>("opensDialog");
    QTest::addColumn<bool>("keepsFocus");
    QTest::newRow("Backspace empties")
        << int(Qt::Key_Backspace) << u""_s << QString() << false << true;
    QTest::newRow("Delete empties") << int(Qt::Key_Delete) << u""_s << QString() << false << true;
    QTest::newRow("a letter opens the dialog, typing nothing")
        << int(Qt::Key_A) << u"a"_s << u"5"_s << true << true;
    QTest::newRow("a digit too") << int(Qt::Key_7) << u"7"_s << u"5"_s << true << true;
    QTest::newRow("Enter too") << int(Qt::Key_Return) << u"\r"_s << u"5"_s << true << true;
    QTest::newRow("Tab moves on") << int(Qt::Key_Tab) << u"\t"_s << u"5"_s << false << false;
    QTest::newRow("Shift alone waits") << int(Qt::Key_Shift) << u""_s << u"5"_s << false << true;
}

void TestOrderWindow::tableFieldKeys() {
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(QString, table);
    QFETCH(bool, opensDialog);
    QFETCH(bool, keepsFocus);
    TEST_STEP(show());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto* txtTavolo = m_window->findChild<QLineEdit*>(u"txtTavolo"_s);
    m_window->setTable(u"5"_s);
    QCOMPARE(QApplication::focusWidget(), txtTavolo);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QApplication::sendEvent(txtTavolo, &press);
    QCOMPARE(txtTavolo->text(), table);
    QCOMPARE(m_dialogs->shown, opensDialog ? QStringList{u"TfrmImportaTavoli"_s} : QStringList{});
    QCOMPARE(QApplication::focusWidget() == txtTavolo, keepsFocus);
}

void TestOrderWindow::deleteLine() {
    TEST_STEP(show());
    m_window->appendOrderLine(Spritz());
    m_window->appendOrderLine(Negroni());
    m_window->appendOrderLine(Spritz());
    click(u"btnTotale"_s);
    click(u"btnElimina"_s);
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].kind, MessageKind::Warning);
    QCOMPARE(messages()[0].text, DeleteWithoutSelectionWarning);
    QCOMPARE(list()->count(), 3);
    QCOMPARE(field(u"txtTotale"_s), u"20,00"_s);

    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->rowRect(1).center());
    click(u"btnElimina"_s);
    QCOMPARE(Items(list()), (QStringList{Spritz(), Spritz()}));
    QCOMPARE(field(u"txtTotale"_s), u"---"_s);
    // Nothing selected afterwards: a second press warns.
    click(u"btnElimina"_s);
    QCOMPARE(messages().size(), 2);
    QCOMPARE(list()->count(), 2);
}

void TestOrderWindow::hints() {
    TEST_STEP(show());
    // At its client size: the offscreen screen is smaller than the panel, and
    // a pointer can only move over what the window shows.
    m_window->setWindowState(Qt::WindowNoState);
    m_window->resize(KeptWindow::WorkingSize);
    auto* panInfo = m_window->findChild<QLabel*>(u"panInfo"_s);
    QCOMPARE(panInfo->text(), ReadyHint);
    QCOMPARE(panInfo->font().family(), QFont(u"Tahoma"_s).family());
    QCOMPARE(panInfo->font().pointSize(), 12);
    const auto over = [&](const QString& control, QPoint at = {}) {
        MoveOver(m_window.get(), control, at);
    };
    // The fields and the bar leave the first text as it is.
    for (const QString& quiet : {u"txtTotale"_s, u"txtTavolo"_s, u"txtData"_s, u"panInfo"_s}) {
        TEST_STEP(over(quiet));
        QVERIFY2(panInfo->text() == ReadyHint, qPrintable(quiet));
    }
    const QVector<QPair<QString, QString>> hinted = {
        {u"cmdSalva"_s, u"Salva la comanda."_s},
        {u"cmdStampa"_s, u"Stampa la comanda."_s},
        {u"cmdInvia"_s, u"Invia la comanda tramite e-mail."_s},
        {u"cmdChiudi"_s, u"Chiudi questa schermata di lavoro."_s},
        {u"impTavolo"_s, u"Importa i dati dall'elenco dei tavoli."_s},
        {u"btnElimina"_s, u"Elimina dall'elenco la voce selezionata."_s},
        {u"btnTotale"_s, u"Calcola il totale complessivo della comanda."_s},
        {u"btnPizze"_s, u"Importa i dati dal listino prezzi delle pizze."_s},
        {u"cmdPizze"_s, u"Importa i dati dal listino prezzi delle pizze."_s},
        {u"cmdCaffetteria"_s, u"Importa i dati dal listino prezzi della caffetteria."_s},
    };
    for (const auto& [control, hint] : hinted) {
        TEST_STEP(over(control));
        QCOMPARE(panInfo->text(), hint);
        TEST_STEP(over(u"txtTotale"_s));
        QCOMPARE(panInfo->text(), hint);
        TEST_STEP(over(u"lstRecords"_s));
        QCOMPARE(panInfo->text(), QString());
    }
    // The panel beside the top bar's commands, the window round the panel.
    const QVector<QPair<QString, QPoint>> empties = {{u"icoIstruzioni"_s, {}},
                                                     {u"icoTavolo"_s, {}},
                                                     {u"shpCategorie"_s, {3, 3}},
                                                     {u"panComanda"_s, {990, 30}},
                                                     {m_window->objectName(), {3, 3}}};
    for (const auto& [area, at] : empties) {
        TEST_STEP(over(u"cmdSalva"_s));
        QWidget* widget =
            area == m_window->objectName() ? m_window.get() : m_window->findChild<QWidget*>(area);
        QCOMPARE(m_window->childAt(
                     widget->mapTo(m_window.get(), at.isNull() ? widget->rect().center() : at)),
                 area == m_window->objectName() ? nullptr : widget);
        TEST_STEP(over(area, at));
        QVERIFY2(panInfo->text().isEmpty(), qPrintable(area));
    }
}

void TestOrderWindow::mailTexts_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("message");
    QTest::newRow("one line") << QStringList{Spritz()} << u"ELENCO PORTATE: --- 2   Spritz"_s;
    QTest::newRow("quantity of two digits")
        << QStringList{BuildOrderLine(u"12"_s, u"Birra media"_s, u"48,00"_s), Negroni()}
        << u"ELENCO PORTATE: --- 12  Birra media --- 1   Negroni"_s;
    QTest::newRow("a name of 50 characters")
        << QStringList{BuildOrderLine(u"1"_s, QString(50, u'x'), u"1,00"_s), Spritz()}
        << u"ELENCO PORTATE: --- 1   "_s + QString(50, u'x') + u" --- 2   Spritz"_s;
    QTest::newRow("no lines") << QStringList{} << u"ELENCO PORTATE: "_s;
}

void TestOrderWindow::mailTexts() {
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    QCOMPARE(TicketMailMessage(lines), message);
    QCOMPARE(TicketMailSubject(u" 5 "_s, u"12/03/2024"_s, u"20:15:33"_s),
             u"Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15"_s);
}

QTEST_MAIN(TestOrderWindow)
#include "test_order_window.moc"
