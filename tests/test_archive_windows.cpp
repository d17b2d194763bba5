// The archive browser and the read-only viewer, driven through their controls
// on a temporary program folder: the list and its count, opening, deleting,
// the viewer's lines, total, print and hints, and the browser following the
// folder while another process saves and deletes tickets in it.
#include "archive/ApriOrdinazioni.h"
#include "platform/AnsiCodePage.h"
#include "platform/TextTrim.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"

#include "Controls.h"
#include "ListRows.h"
#include "Seams.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString EmptyListWarning = u"Attenzione: l'elenco non contiene nessuna comanda."_s;
const QString OpenWithoutSelectionWarning =
    u"Attenzione: selezionare l'ordinazione dall'elenco prima di premere il pulsante "
    u"Visualizza comanda."_s;
const QString DeleteWithoutSelectionWarning =
    u"Attenzione: selezionare dall'elenco la comanda da eliminare prima di premere il pulsante "
    u"di cancellazione."_s;
const QString DeleteQuestion =
    u"Si sta per eliminare la comanda selezionata. Si ricorda che il file cancellato non potrà "
    u"essere recuperato.\r\n\r\nSi conferma l'eliminazione della comanda?"_s;
const QString DeletedMessage = u"La comanda è stata eliminata con successo."_s;
const QString NotDeletedMessage =
    u"Attenzione: non è stato possibile eliminare la comanda selezionata.\r\n\r\nIl file "
    u"potrebbe essere protetto da scrittura, in uso su un'altra postazione o privo dei "
    u"permessi necessari."_s;
const QString AlreadyGoneMessage =
    u"Attenzione: la comanda selezionata non si trova più nell'archivio.\r\n\r\nPotrebbe essere "
    u"stata eliminata da un'altra postazione."_s;
const QString EmptyTicketWarning =
    u"Operazione di stampa non applicabile: la comanda non contiene nessuna voce."_s;
const QString PrintQuestion = u"Si vuole stampare la presente comanda?"_s;

QString Ticket(int table, const QString& time = u"20:15:33"_s) {
    return ArchiveFileName(QString::number(table), u"12/03/2024"_s, time);
}

QString Count(int n) {
    return u"Sono state archiviate %1 comande."_s.arg(n);
}

QStringList Trimmed(QStringList lines) {
    for (QString& line : lines)
        line = TrimBlanks(line);
    return lines;
}

QByteArray CrLfBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeAnsi(line) + "\r\n";
    return bytes;
}

QStringList SampleLines() {
    return {BuildOrderLine(u"2"_s, u"Margherita"_s, u"12,00"_s),
            BuildOrderLine(u"1"_s, u"Acqua naturale"_s, u"1,50"_s),
            BuildOrderLine(u"3"_s, u"Caff\u00E8"_s, u"3,30"_s)};
}

QVector<QString> TextsOf(const QVector<ReportPage>& pages, const QString& object) {
    QVector<QString> texts;
    for (const ReportPage& page : pages)
        for (const PlacedText& text : page.texts)
            if (text.object == object)
                texts.append(text.text);
    return texts;
}

// Another process at work in the folder, as a second station would be.
bool OtherProcess(const QString& script) {
    return QProcess::execute(u"/bin/sh"_s, {u"-c"_s, script}) == 0;
}

QString Quoted(const QString& path) {
    return u'\'' + path + u'\'';
}

} // namespace

class TestArchiveWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The list
    void countFollowsFiles_data();
    void countFollowsFiles();
    void listsArchiveFilesOnly();
    void nextShowListsAfresh();

    // Opening
    void warningsWithoutTicket_data();
    void warningsWithoutTicket();
    void openShowsTicketUnderItsHeading();
    void viewerLinesAndTotal_data();
    void viewerLinesAndTotal();

    // Deleting
    void deleteAnswers_data();
    void deleteAnswers();
    void failedDeletionSaysSo_data();
    void failedDeletionSaysSo();
    void nameWithLeadingBlankIsItsOwnTicket();
    void lookAlikeNamesReachTheirOwnFiles();
    void onlyTheFolderFilesAreTickets();
    void ticketTurnedIntoAnotherThing_data();
    void ticketTurnedIntoAnotherThing();
    void hugeTicketIsSaidSo();
    void nulInTicketHidesNoLine();

    // The viewer's print and hints
    void viewerPrint_data();
    void viewerPrint();
    void viewerHints();

    // A ticket saved as the order window saves it, followed to its end
    void savedTicketRoad();

    // Help and closing
    void helpAndClose();

    // The folder followed while the browser is shown
    void followsTicketsOfOtherStations_data();
    void followsTicketsOfOtherStations();
    void otherFilesLeaveListAlone();
    void folderGoneAndBack_data();
    void folderGoneAndBack();

private:
    LineList* list() const { return Control<LineList>(m_window.get(), u"lstFiles"_s); }
    QString countText() const { return LabelText(m_window.get(), u"lblCreati"_s); }
    QString selected() const {
        const QStringList texts = SelectedTexts(list());
        return texts.isEmpty() ? QString() : texts.first();
    }
    void write(const QString& name, const QByteArray& bytes) {
        QVERIFY2(WriteBytes(m_folder->filePath(name), bytes), qPrintable(name));
    }
    void show() {
        m_window->showKept();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void click(const QString& control) { Click(m_window.get(), control); }
    void selectRow(int row) {
        QVERIFY2(row < list()->count(), "no such row");
        ClickRow(list(), row);
        QCOMPARE(list()->currentRow(), row);
    }
    // A file under a name given as the file system's bytes.
    QByteArray rawPath(const QByteArray& name) const {
        return QFile::encodeName(m_folder->path()) + '/' + name;
    }
    void select(const QString& name) {
        const QList<int> found = FindRows(list(), name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        ClickRow(list(), found.first());
        QCOMPARE(selected(), name);
    }
    // Opens the selected ticket; the driver works on the viewer while it shows.
    void openSelected(const ModalRecorder::Driver& driver) {
        m_dialogs->driver = [driver](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"TfrmComanda_in_Lettura"_s);
            driver(dialog);
        };
        click(u"btnApri"_s);
        QCOMPARE(m_dialogs->shown, QStringList{u"TfrmComanda_in_Lettura"_s});
        QVERIFY(!m_dialogs->driverFailed());
    }
    QVector<RecordedMessage>& messages() { return m_messages->shown; }

    std::unique_ptr<ProgramFolderScope> m_folder;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<ModalRecorder> m_dialogs;
    std::unique_ptr<PrintRecorder> m_prints;
    std::unique_ptr<TfrmApriOrdinazioni> m_window;
};

// In the viewer
namespace {

LineList* Records(QDialog* viewer) {
    return Control<LineList>(viewer, u"lstRecords"_s);
}
QString Total(QDialog* viewer) {
    return FieldText(viewer, u"txtTotale"_s);
}

} // namespace

void TestArchiveWindows::init() {
    m_folder = std::make_unique<ProgramFolderScope>();
    m_messages = std::make_unique<MessageRecorder>();
    m_dialogs = std::make_unique<ModalRecorder>();
    m_prints = std::make_unique<PrintRecorder>();
    m_window = std::make_unique<TfrmApriOrdinazioni>();
}

void TestArchiveWindows::cleanup() {
    m_window.reset();
    m_prints.reset();
    m_dialogs.reset();
    m_messages.reset();
    m_folder.reset();
}

void TestArchiveWindows::countFollowsFiles_data() {
    QTest::addColumn<int>("files");
    QTest::newRow("none") << 0;
    QTest::newRow("one: the number in the same plural sentence") << 1;
    QTest::newRow("several") << 3;
}

void TestArchiveWindows::countFollowsFiles() {
    QFETCH(int, files);
    QCOMPARE(countText(), Count(0));
    QStringList expected;
    for (int table = files; table >= 1; --table) {
        write(Ticket(table), CrLfBytes(SampleLines()));
        expected.prepend(Ticket(table));
    }
    TEST_STEP(show());
    QCOMPARE(Items(list()), expected);
    QCOMPARE(countText(), Count(files));
    QCOMPARE(selected(), QString());
    QCOMPARE(list()->font().family(), QFont(u"Courier New"_s).family());
    QCOMPARE(list()->font().pointSize(), 14);
}

void TestArchiveWindows::listsArchiveFilesOnly() {
    for (const QString& name : {u"x.EUR"_s, u"z.eur.bak"_s, u"Listino_Pizze.lst"_s, u"b.eur"_s})
        write(name, "1\r\n");
    QVERIFY(QDir(m_folder->path()).mkdir(u"y.eur"_s));
    TEST_STEP(show());
    QCOMPARE(Items(list()), (QStringList{u"b.eur"_s, u"x.EUR"_s}));
    QCOMPARE(countText(), Count(2));
}

void TestArchiveWindows::nextShowListsAfresh() {
    write(Ticket(1), "1\r\n");
    write(Ticket(2), "1\r\n");
    TEST_STEP(show());
    TEST_STEP(select(Ticket(2)));
    click(u"btnAnnulla"_s);
    QVERIFY(!m_window->isVisible());
    // Gone outside the program while the browser was hidden.
    QVERIFY(QFile::remove(m_folder->filePath(Ticket(1))));
    QVERIFY(QFile::remove(m_folder->filePath(Ticket(2))));
    TEST_STEP(show());
    QCOMPARE(Items(list()), QStringList{});
    QCOMPARE(countText(), Count(0));
    write(Ticket(3), "1\r\n");
    click(u"btnAnnulla"_s);
    TEST_STEP(show());
    QCOMPARE(Items(list()), QStringList{Ticket(3)});
    QCOMPARE(selected(), QString());
}

void TestArchiveWindows::warningsWithoutTicket_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("open, empty list") << u"btnApri"_s << 0 << EmptyListWarning;
    QTest::newRow("open, nothing selected") << u"btnApri"_s << 2 << OpenWithoutSelectionWarning;
    QTest::newRow("delete, empty list") << u"btnElimina"_s << 0 << EmptyListWarning;
    QTest::newRow("delete, nothing selected")
        << u"btnElimina"_s << 2 << DeleteWithoutSelectionWarning;
}

void TestArchiveWindows::warningsWithoutTicket() {
    QFETCH(QString, button);
    QFETCH(int, files);
    QFETCH(QString, expected);
    for (int table = 1; table <= files; ++table)
        write(Ticket(table), "1\r\n");
    TEST_STEP(show());
    click(button);
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].kind, MessageKind::Warning);
    QCOMPARE(messages()[0].text, expected);
    QCOMPARE(m_dialogs->shown, QStringList{});
    QCOMPARE(FolderEntries(m_folder->path()).size(), files);
    QCOMPARE(list()->count(), files);
}

void TestArchiveWindows::openShowsTicketUnderItsHeading() {
    const QStringList lines = SampleLines();
    write(u"report.EUR"_s, CrLfBytes(lines));
    write(Ticket(9), "1\r\n");
    TEST_STEP(show());
    TEST_STEP(select(u"report.EUR"_s));
    TEST_STEP(openSelected([&](QDialog* viewer) {
        QCOMPARE(viewer->windowTitle(), u" Orbisala - Visualizzazione comande in archivio"_s);
        QVERIFY(viewer->isModal());
        QVERIFY(viewer->windowState() & Qt::WindowMaximized);
        QCOMPARE(viewer->findChild<QLabel*>(u"lblNome"_s)->text(), u"report"_s);
        auto* lblFile = viewer->findChild<QLabel*>(u"lblFile"_s);
        QCOMPARE(lblFile->text(), m_folder->filePath(u"report.EUR"_s));
        QVERIFY(lblFile->isHidden());
        QCOMPARE(Items(Records(viewer)), Trimmed(lines));
        QCOMPARE(Total(viewer), u"---"_s);
        Click(viewer, u"cmdChiudi"_s);
        QVERIFY(!viewer->isVisible());
    }));
    QCOMPARE(Items(list()), (QStringList{Ticket(9), u"report.EUR"_s}));
    QCOMPARE(selected(), u"report.EUR"_s);
    QVERIFY(messages().isEmpty());
    QCOMPARE(ReadBytes(m_folder->filePath(u"report.EUR"_s)), CrLfBytes(lines));
}

void TestArchiveWindows::viewerLinesAndTotal_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("total");

    const QStringList lines = SampleLines();
    QTest::newRow("CR LF, as saved") << CrLfBytes(lines) << Trimmed(lines) << ComputeTotal(lines);
    QByteArray lf = CrLfBytes(lines);
    lf.replace("\r\n", "\n");
    QTest::newRow("LF alone") << lf << Trimmed(lines) << u"16,80"_s;
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF") +
                                       (lines[0] + u"\r\n"_s + lines[2] + u"\r\n"_s).toUtf8()
                                << Trimmed({lines[0], lines[2]}) << u"15,30"_s;
    const QStringList noise{BuildOrderLine(u"1"_s, u"Spritz"_s, u"0,10"_s),
                            BuildOrderLine(u"1"_s, u"Caff\u00E8"_s, u"0,20"_s)};
    QTest::newRow("no floating-point noise") << CrLfBytes(noise) << Trimmed(noise) << u"0,30"_s;
    const QStringList letters{lines[0], BuildOrderLine(u"1"_s, u"Spritz"_s, u"7,OO"_s)};
    QTest::newRow("letters in an amount") << CrLfBytes(letters) << Trimmed(letters) << u"0,00"_s;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << u"0,00"_s;
}

void TestArchiveWindows::viewerLinesAndTotal() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, shown);
    QFETCH(QString, total);
    write(Ticket(5), bytes);
    TEST_STEP(show());
    TEST_STEP(select(Ticket(5)));
    TEST_STEP(openSelected([&](QDialog* viewer) {
        QCOMPARE(Items(Records(viewer)), shown);
        for (const QString& line : Items(Records(viewer)))
            QCOMPARE(line, TrimBlanks(line));
        QCOMPARE(Total(viewer), u"---"_s);
        Click(viewer, u"btnTotale"_s);
        QCOMPARE(Total(viewer), total);
    }));
    QVERIFY(messages().isEmpty());
}

void TestArchiveWindows::deleteAnswers_data() {
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps file, list and selection") << 3 << false;
    QTest::newRow("Yes deletes") << 3 << true;
    QTest::newRow("Yes deletes the last ticket") << 1 << true;
}

void TestArchiveWindows::deleteAnswers() {
    QFETCH(int, files);
    QFETCH(bool, yes);
    QStringList names;
    for (int table = 1; table <= files; ++table) {
        write(Ticket(table), "1\r\n");
        names.append(Ticket(table));
    }
    const QString chosen = Ticket(1);
    TEST_STEP(show());
    TEST_STEP(select(chosen));
    m_messages->answers.enqueue(yes);
    click(u"btnElimina"_s);

    QCOMPARE(messages().value(0).kind, MessageKind::Confirm);
    QCOMPARE(messages().value(0).text, DeleteQuestion);
    QCOMPARE(QFileInfo::exists(m_folder->filePath(chosen)), !yes);
    if (yes) {
        names.removeOne(chosen);
        QCOMPARE(messages().size(), 2);
        QCOMPARE(messages()[1].kind, MessageKind::Information);
        QCOMPARE(messages()[1].text, DeletedMessage);
        QCOMPARE(selected(), QString());
    } else {
        QCOMPARE(messages().size(), 1);
        QCOMPARE(selected(), chosen);
    }
    QCOMPARE(Items(list()), names);
    QCOMPARE(countText(), Count(int(names.size())));
    QCOMPARE(FolderEntries(m_folder->path()).size(), names.size());
}

void TestArchiveWindows::failedDeletionSaysSo_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("stillListed");
    QTest::newRow("read-only ticket") << u"read-only"_s << NotDeletedMessage << true;
    QTest::newRow("gone since the list was filled") << u"gone"_s << AlreadyGoneMessage << false;
}

void TestArchiveWindows::failedDeletionSaysSo() {
    QFETCH(QString, failure);
    QFETCH(QString, expected);
    QFETCH(bool, stillListed);
    write(Ticket(1), "1\r\n");
    write(Ticket(2), "1\r\n");
    TEST_STEP(show());
    TEST_STEP(select(Ticket(2)));
    if (failure == u"read-only")
        QVERIFY(MakeReadOnly(m_folder->filePath(Ticket(2))));
    else
        QVERIFY(QFile::remove(m_folder->filePath(Ticket(2))));
    click(u"btnElimina"_s);

    QCOMPARE(messages().size(), 2);
    QCOMPARE(messages()[0].kind, MessageKind::Confirm);
    QCOMPARE(messages()[1].kind, MessageKind::Plain);
    QCOMPARE(messages()[1].text, expected);
    // The message comes after the refill: the list already shows the truth.
    const QStringList listed =
        stillListed ? QStringList{Ticket(1), Ticket(2)} : QStringList{Ticket(1)};
    QCOMPARE(Items(list()), listed);
    QCOMPARE(countText(), Count(int(listed.size())));
    QVERIFY(QFileInfo::exists(m_folder->filePath(Ticket(1))));
}

void TestArchiveWindows::nameWithLeadingBlankIsItsOwnTicket() {
    const QStringList own{BuildOrderLine(u"1"_s, u"Spritz"_s, u"7,00"_s)};
    const QStringList other{BuildOrderLine(u"1"_s, u"Acqua"_s, u"1,50"_s)};
    write(u" a.eur"_s, CrLfBytes(own));
    write(u"a.eur"_s, CrLfBytes(other));
    TEST_STEP(show());
    TEST_STEP(select(u" a.eur"_s));
    TEST_STEP(openSelected([&](QDialog* viewer) {
        QCOMPARE(viewer->findChild<QLabel*>(u"lblNome"_s)->text(), u" a"_s);
        QCOMPARE(Items(Records(viewer)), Trimmed(own));
    }));
    click(u"btnElimina"_s);
    QVERIFY2(QFileInfo::exists(m_folder->filePath(u"a.eur"_s)),
             "deleting one ticket took the ticket of another name");
    QVERIFY(!QFileInfo::exists(m_folder->filePath(u" a.eur"_s)));
    QCOMPARE(Items(list()), QStringList{u"a.eur"_s});
}

void TestArchiveWindows::viewerPrint_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes prints") << SampleLines() << true;
    QTest::newRow("No prints nothing") << SampleLines() << false;
    QTest::newRow("empty ticket") << QStringList{} << true;
}

void TestArchiveWindows::viewerPrint() {
    QFETCH(QStringList, lines);
    QFETCH(bool, yes);
    const QString name = Ticket(5);
    write(name, CrLfBytes(lines));
    TEST_STEP(show());
    TEST_STEP(select(name));
    m_messages->answers.enqueue(yes);
    TEST_STEP(openSelected([&](QDialog* viewer) {
        Click(viewer, u"cmdStampa"_s);
        // The total is computed first, whatever follows.
        QCOMPARE(Total(viewer), ComputeTotal(lines));
    }));

    if (lines.isEmpty()) {
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].kind, MessageKind::Warning);
        QCOMPARE(messages()[0].text, EmptyTicketWarning);
        QVERIFY(m_prints->printed.isEmpty());
        return;
    }
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].kind, MessageKind::Confirm);
    QCOMPARE(messages()[0].text, PrintQuestion);
    if (!yes) {
        QVERIFY(m_prints->printed.isEmpty());
        return;
    }
    QCOMPARE(m_prints->printed.size(), 1);
    const PrintedReport& report = m_prints->printed[0];
    QCOMPARE(report.name, u"Orbisala"_s);
    // The title keeps the dots of the file name.
    QCOMPARE(TextsOf(report.pages, u"txtTitolo"_s),
             QVector<QString>{u"Comanda al tavolo 5 del giorno 12.03.2024 alle ore 20.15.33"_s});
    QCOMPARE(TextsOf(report.pages, u"txtRiepilogo"_s),
             QVector<QString>(TicketSummary(Trimmed(lines), ComputeTotal(lines))));
}

void TestArchiveWindows::viewerHints() {
    write(Ticket(5), CrLfBytes(SampleLines()));
    TEST_STEP(show());
    TEST_STEP(select(Ticket(5)));
    TEST_STEP(openSelected([&](QDialog* viewer) {
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        auto* panInfo = viewer->findChild<QLabel*>(u"panInfo"_s);
        QCOMPARE(panInfo->text(), u"Pronto per stampare l'ordinazione..."_s);
        // The pointer moves over a control: the move reaches the widget the
        // window finds under it, as the window system's move does.
        const auto over = [&](const QString& control, QPoint at = QPoint()) {
            QWidget* widget =
                control == viewer->objectName() ? viewer : viewer->findChild<QWidget*>(control);
            QVERIFY2(widget, qPrintable(control));
            const QPoint inWindow =
                widget->mapTo(viewer, at.isNull() ? widget->rect().center() : at);
            QWidget* under = viewer->childAt(inWindow);
            if (!under)
                under = viewer;
            const QPointF local = under->mapFrom(viewer, inWindow);
            QMouseEvent move(QEvent::MouseMove, local, under->mapToGlobal(local), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(under, &move);
        };
        const QString totalHint = u"Calcola il totale complessivo della comanda."_s;
        TEST_STEP(over(u"txtTotale"_s));
        QCOMPARE(panInfo->text(), u"Pronto per stampare l'ordinazione..."_s);
        TEST_STEP(over(u"btnTotale"_s));
        QCOMPARE(panInfo->text(), totalHint);
        TEST_STEP(over(u"txtTotale"_s));
        QCOMPARE(panInfo->text(), totalHint);
        TEST_STEP(over(u"panInfo"_s));
        QCOMPARE(panInfo->text(), totalHint);
        TEST_STEP(over(u"lstRecords"_s));
        QCOMPARE(panInfo->text(), QString());
        TEST_STEP(over(u"cmdStampa"_s));
        QCOMPARE(panInfo->text(), u"Stampa la comanda."_s);
        TEST_STEP(over(u"lblNome"_s));
        QCOMPARE(panInfo->text(), QString());
        TEST_STEP(over(u"cmdChiudi"_s));
        QCOMPARE(panInfo->text(), u"Chiudi questa schermata di lavoro."_s);
        TEST_STEP(over(u"TfrmComanda_in_Lettura"_s, QPoint(4, viewer->height() - 4)));
        QCOMPARE(panInfo->text(), QString());
    }));
}

void TestArchiveWindows::savedTicketRoad() {
    const QStringList lines = SampleLines();
    const QString name = ArchiveFileName(u" 7 "_s, u"05/03/2024"_s, u"21:04:09"_s);
    QVERIFY(SaveOrderArchive(name, lines));
    TEST_STEP(show());
    QCOMPARE(Items(list()), QStringList{name});
    TEST_STEP(select(name));
    m_messages->answers.enqueue(true); // print
    m_messages->answers.enqueue(true); // delete
    TEST_STEP(openSelected([&](QDialog* viewer) {
        QCOMPARE(Items(Records(viewer)), Trimmed(lines));
        Click(viewer, u"btnTotale"_s);
        // The order window totals the same lines at their full width.
        QCOMPARE(Total(viewer), ComputeTotal(lines));
        QCOMPARE(Total(viewer), u"16,80"_s);
        Click(viewer, u"cmdStampa"_s);
        Click(viewer, u"cmdChiudi"_s);
    }));
    QCOMPARE(m_prints->printed.size(), 1);
    QCOMPARE(TextsOf(m_prints->printed[0].pages, u"txtTitolo"_s),
             QVector<QString>{u"Comanda al tavolo 7 del giorno 05.03.2024 alle ore 21.04.09"_s});
    QCOMPARE(TextsOf(m_prints->printed[0].pages, u"txtRiepilogo"_s).constLast(),
             u"TOTALE IMPORTI:  \u20AC 16,80"_s);
    click(u"btnElimina"_s);
    QCOMPARE(messages().size(), 3);
    QCOMPARE(messages()[2].text, DeletedMessage);
    QCOMPARE(FolderEntries(m_folder->path()), QStringList{});
    QCOMPARE(countText(), Count(0));
}

void TestArchiveWindows::helpAndClose() {
    TEST_STEP(show());
    m_dialogs->driver = [](QDialog* dialog) {
        QCOMPARE(dialog->findChild<QLabel*>(u"lblTitolo"_s)->text(),
                 u"Applicazione Ordinazioni ai Tavoli."_s);
    };
    click(u"imgGuida"_s);
    QCOMPARE(m_dialogs->shown, QStringList{u"TfrmGuida"_s});
    QVERIFY(!m_dialogs->driverFailed());
    QVERIFY(m_window->isVisible());

    QSignalSpy closed(m_window.get(), &TfrmApriOrdinazioni::closed);
    click(u"btnAnnulla"_s);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_window->isVisible());
}

void TestArchiveWindows::followsTicketsOfOtherStations_data() {
    QTest::addColumn<int>("arriving");
    QTest::newRow("one ticket saved elsewhere") << 1;
    QTest::newRow("a hundred tickets at once") << 100;
}

void TestArchiveWindows::followsTicketsOfOtherStations() {
    QFETCH(int, arriving);
    write(Ticket(1), "1\r\n");
    write(Ticket(5), "1\r\n");
    TEST_STEP(show());
    TEST_STEP(select(Ticket(5)));

    // Tickets that sort before and after the selected one, saved as another
    // station saves them: written beside and renamed into place.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QStringList expected{Ticket(1), Ticket(5)};
    QString script;
    for (int i = 0; i < arriving; ++i) {
        const QString time =
            u"21:%1:%2"_s.arg(i / 60, 2, 10, QChar(u'0')).arg(i % 60, 2, 10, QChar(u'0'));
        const QString name = Ticket(i % 2 ? 2 : 7, time);
        const QString written = elsewhere.filePath(u"t%1"_s.arg(i));
        QVERIFY(WriteBytes(written, "1\r\n"));
        script += u"mv %1 %2; "_s.arg(Quoted(written), Quoted(m_folder->filePath(name)));
        expected.append(name);
    }
    std::sort(expected.begin(), expected.end());
    QVERIFY(OtherProcess(script));
    QTRY_COMPARE(Items(list()), expected);
    QCOMPARE(countText(), Count(int(expected.size())));
    QCOMPARE(selected(), Ticket(5));

    // Deleted elsewhere: the ticket vanishes, the selection stays.
    QVERIFY(OtherProcess(u"rm "_s + Quoted(m_folder->filePath(Ticket(1)))));
    expected.removeOne(Ticket(1));
    QTRY_COMPARE(Items(list()), expected);
    QCOMPARE(countText(), Count(int(expected.size())));
    QCOMPARE(selected(), Ticket(5));

    // The selected ticket itself deleted elsewhere: nothing is selected.
    QVERIFY(OtherProcess(u"rm "_s + Quoted(m_folder->filePath(Ticket(5)))));
    expected.removeOne(Ticket(5));
    QTRY_COMPARE(Items(list()), expected);
    QCOMPARE(selected(), QString());
    QVERIFY(messages().isEmpty());
}

void TestArchiveWindows::otherFilesLeaveListAlone() {
    write(Ticket(1), "1\r\n");
    write(Ticket(5), "1\r\n");
    TEST_STEP(show());
    TEST_STEP(select(Ticket(5)));
    // Rows filled afresh would leave these pointing nowhere.
    QList<QPersistentModelIndex> listedAtShow;
    for (int row = 0; row < list()->count(); ++row)
        listedAtShow.append(QPersistentModelIndex(list()->model()->index(row, 0)));

    // A price list saved, then one ticket: the list gains the ticket and
    // keeps every item it had.
    QVERIFY(OtherProcess(u"printf 'x\\r\\n' > "_s +
                         Quoted(m_folder->filePath(u"Listino_Pizze.lst"_s)) +
                         u"; printf '1\\r\\n' > "_s + Quoted(m_folder->filePath(Ticket(3)))));
    QTRY_COMPARE(Items(list()), (QStringList{Ticket(1), Ticket(3), Ticket(5)}));
    QCOMPARE(listedAtShow.size(), 2);
    QVERIFY2(listedAtShow[0].isValid() && listedAtShow[1].isValid(),
             "the rows were filled afresh for one ticket come");
    QCOMPARE(listedAtShow[0].row(), 0);
    QCOMPARE(listedAtShow[1].row(), 2);
    QCOMPARE(selected(), Ticket(5));

    // Hidden, the browser lets the folder be; the next show lists it as it
    // stands, with nothing selected.
    click(u"btnAnnulla"_s);
    write(Ticket(4), "1\r\n");
    TEST_STEP(show());
    QCOMPARE(Items(list()), (QStringList{Ticket(1), Ticket(3), Ticket(4), Ticket(5)}));
    QCOMPARE(selected(), QString());
    QCOMPARE(countText(), Count(4));
}

// The program folder renamed or removed under the shown browser: the list
// empties, and fills again when the folder is back.
void TestArchiveWindows::folderGoneAndBack_data() {
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QStringList>("listedWhenBack");
    QTest::newRow("renamed away and back")
        << u"mv %1 %1.away"_s << u"mv %1.away %1"_s << QStringList{Ticket(1), Ticket(5)};
    QTest::newRow("removed and made anew")
        << u"rm -r %1"_s << u"mkdir %1 && printf '1\\r\\n' > %1/'%2'"_s << QStringList{Ticket(3)};
}

void TestArchiveWindows::folderGoneAndBack() {
    QFETCH(QString, away);
    QFETCH(QString, back);
    QFETCH(QStringList, listedWhenBack);
    write(Ticket(1), "1\r\n");
    write(Ticket(5), "1\r\n");
    TEST_STEP(show());
    QCOMPARE(Items(list()), (QStringList{Ticket(1), Ticket(5)}));
    const QString folder = Quoted(m_folder->path());

    QVERIFY(OtherProcess(away.arg(folder)));
    QTRY_COMPARE(Items(list()), QStringList());
    QCOMPARE(countText(), Count(0));

    QVERIFY(OtherProcess(back.arg(folder, Ticket(3))));
    QTRY_COMPARE(Items(list()), listedWhenBack);
    QCOMPARE(countText(), Count(int(listedWhenBack.size())));
    QVERIFY(messages().isEmpty());

    // Followed as before once back.
    QVERIFY(OtherProcess(u"printf '1\\r\\n' > "_s + Quoted(m_folder->filePath(Ticket(7)))));
    listedWhenBack.append(Ticket(7));
    QTRY_COMPARE(Items(list()), listedWhenBack);
}

// Two tickets whose names read the same: one named in another code page
// (a byte that is no UTF-8), one whose name holds a real U+FFFD. Each row
// opens its own file, and deleting one deletes that one only.
void TestArchiveWindows::lookAlikeNamesReachTheirOwnFiles() {
    const QByteArray foreign = "Comanda al tavolo \xE0 1.eur";
    const QByteArray replacement = "Comanda al tavolo \xEF\xBF\xBD 1.eur";
    QVERIFY(WriteBytes(QFile::decodeName(rawPath(replacement)), "   1Secondo\r\n"));
    {
        const int fd = ::open(rawPath(foreign).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "   1Primo\r\n", 11), ssize_t(11));
        ::close(fd);
    }
    TEST_STEP(show());
    const QString shown = u"Comanda al tavolo \uFFFD 1.eur"_s;
    QCOMPARE(Items(list()), (QStringList{shown, shown}));
    QCOMPARE(countText(), Count(2));

    // Ordered by their bytes where their texts are equal: the foreign first.
    const QStringList contents{u"1Primo"_s, u"1Secondo"_s};
    for (int row = 0; row < 2; ++row) {
        TEST_STEP(selectRow(row));
        m_dialogs->shown.clear();
        TEST_STEP(openSelected([&](QDialog* viewer) {
            QVERIFY2(Items(Records(viewer)) == QStringList{contents[row]},
                     "a row opened another ticket than its own");
            QCOMPARE(viewer->findChild<QLabel*>(u"lblNome"_s)->text(), shown.chopped(4));
        }));
    }

    TEST_STEP(selectRow(0));
    m_messages->answers.enqueue(true);
    click(u"btnElimina"_s);
    QCOMPARE(messages().size(), 2);
    QCOMPARE(messages()[1].text, u"La comanda è stata eliminata con successo."_s);
    struct stat info;
    QVERIFY2(::lstat(rawPath(foreign).constData(), &info) != 0, "the chosen ticket stayed");
    QVERIFY2(ReadBytes(QFile::decodeName(rawPath(replacement))) == "   1Secondo\r\n",
             "deleting one ticket touched the other");
    QCOMPARE(Items(list()), QStringList{shown});
}

// Links (to a file outside the folder, to a ticket, to nothing), a FIFO and
// a folder in the archive are no tickets: not listed, never opened.
void TestArchiveWindows::onlyTheFolderFilesAreTickets() {
    write(Ticket(1), "   1Acqua\r\n");
    QVERIFY(QFile::link(u"/etc/passwd"_s, m_folder->filePath(u"passwd.eur"_s)));
    QVERIFY(QFile::link(m_folder->filePath(Ticket(1)), m_folder->filePath(Ticket(2))));
    QVERIFY(QFile::link(m_folder->filePath(u"nowhere"_s), m_folder->filePath(u"dangling.eur"_s)));
    QVERIFY(::mkfifo(rawPath("fifo.eur").constData(), 0644) == 0);
    QVERIFY(QDir(m_folder->path()).mkdir(u"folder.eur"_s));
    TEST_STEP(show());
    QCOMPARE(Items(list()), QStringList{Ticket(1)});
    QCOMPARE(countText(), Count(1));
}

// A listed ticket that another hand turned into something else before it
// was opened: the viewer opens at once and empty, as for a ticket gone.
void TestArchiveWindows::ticketTurnedIntoAnotherThing_data() {
    QTest::addColumn<QString>("script"); // %1: the ticket's path
    QTest::newRow("a FIFO") << u"rm %1 && mkfifo %1"_s;
    QTest::newRow("a link to a file outside") << u"rm %1 && ln -s /etc/passwd %1"_s;
    QTest::newRow("a folder") << u"rm %1 && mkdir %1"_s;
}

void TestArchiveWindows::ticketTurnedIntoAnotherThing() {
    QFETCH(QString, script);
    write(Ticket(1), "   1Acqua\r\n");
    TEST_STEP(show());
    TEST_STEP(select(Ticket(1)));
    m_window->hide(); // nothing follows the folder: the list stays as shown
    QVERIFY(OtherProcess(script.arg(Quoted(m_folder->filePath(Ticket(1))))));
    TEST_STEP(openSelected([](QDialog* viewer) {
        QVERIFY2(Items(Records(viewer)).isEmpty(), "the viewer showed what is no ticket");
    }));
    QVERIFY(messages().isEmpty());
}

// A 200 MB file named as a ticket is not loaded: the viewer says so and
// stays empty.
void TestArchiveWindows::hugeTicketIsSaidSo() {
    write(Ticket(1), "   1Acqua\r\n");
    QVERIFY(QFile::resize(m_folder->filePath(Ticket(1)), qint64(200) * 1024 * 1024));
    TEST_STEP(show());
    TEST_STEP(select(Ticket(1)));
    TEST_STEP(openSelected([](QDialog* viewer) {
        QVERIFY2(Items(Records(viewer)).isEmpty(), "a file no ticket can be was loaded");
    }));
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].kind, MessageKind::Plain);
    QCOMPARE(messages()[0].text,
             u"Attenzione: il file della comanda è troppo grande per essere aperto.\r\n\r\nNon si "
             u"tratta di una comanda salvata dal programma: controllare il file nella cartella "
             u"dell'archivio."_s);
}

// A NUL in a ticket reads as a blank: every line after it is shown.
void TestArchiveWindows::nulInTicketHidesNoLine() {
    write(Ticket(1), QByteArray("   1Primo\r\n   2Sec\0ondo\r\n   3Terzo\r\n", 35));
    TEST_STEP(show());
    TEST_STEP(select(Ticket(1)));
    TEST_STEP(openSelected([](QDialog* viewer) {
        QCOMPARE(Items(Records(viewer)), (QStringList{u"1Primo"_s, u"2Sec ondo"_s, u"3Terzo"_s}));
    }));
}

QTEST_MAIN(TestArchiveWindows)
#include "test_archive_windows.moc"
