// Stations sharing one program folder, as real processes: two save the same
// price list, keys of the same settings file and tickets in a bounded loop
// while a third reads them; two start tickets for the same table in the same
// second; two edit the same price list at once; one is killed at random
// moments while it saves. Every read sees a whole file, old or new, and
// nothing a station saved is lost.
//
// The same executable plays the stations: "--station <role> <folder> ...",
// the roles below.
#include "archive/OrderArchive.h"
#include "platform/AtomicSave.h"
#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "platform/TextTrim.h"
#include "platform/TextFile.h"
#include "pricelists/Catalogue.h"
#include "pricelists/ListFile.h"
#include "pricelists/PriceListDocument.h"
#include "pricelists/PriceText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include <csignal>
#include <sys/stat.h>
#include <utime.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int ListLines = 300;
constexpr int TicketLines = 40;
constexpr int Rounds = 120;

const QString ListName = u"Listino_Pizze.lst"_s;
const QString IniName = u"Orbisala.ini"_s;
const QString Section = u"Stazioni"_s;

// One version of the shared price list: every line carries the station and
// the round, so a reader can tell a whole version from a mixed or cut one.
QStringList ListVersion(const QString& station, int round) {
    QStringList lines;
    for (int k = 0; k < ListLines; ++k)
        lines.append(u"Pizza %1-%2 numero %3"_s.arg(station).arg(round).arg(k).leftJustified(50) +
                     u"  € "_s + u"8,50"_s.rightJustified(12));
    return lines;
}

bool IsWholeListVersion(const QStringList& lines) {
    if (lines.size() != ListLines)
        return false;
    const QString tag = lines.front().section(u' ', 1, 1);
    const QString station = tag.section(u'-', 0, 0);
    const int round = tag.section(u'-', 1).toInt();
    return lines == ListVersion(station, round);
}

QString TicketName(const QString& station, int round) {
    return u"Comanda al tavolo %1 numero %2.eur"_s.arg(station).arg(round);
}

QStringList Ticket(const QString& station, int round) {
    QStringList lines;
    for (int k = 0; k < TicketLines; ++k)
        lines.append(u"   1Piatto %1 %2 riga %3"_s.arg(station).arg(round).arg(k));
    return lines;
}

QString KeyOf(const QString& station, int round) {
    return u"Stazione %1 giro %2"_s.arg(station).arg(round);
}

int Fail(const QString& why) {
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
}

int RunWriter(const QString& folder, const QString& station, int rounds) {
    SetProgramFolder(folder);
    const QString list = QDir(folder).filePath(ListName);
    const QString ini = QDir(folder).filePath(IniName);
    for (int round = 0; round < rounds; ++round) {
        if (auto error = WriteListFile(list, ListVersion(station, round)))
            return Fail(u"list not saved: "_s + *error);
        // A new key every round: a write that replaced the file with a copy
        // read before another station's write would lose that key for good.
        if (auto error = WriteProfileString(ini, Section, KeyOf(station, round),
                                            QString::number(round)))
            return Fail(u"setting not saved: "_s + *error);
        if (auto error = SaveOrderArchive(TicketName(station, round), Ticket(station, round)))
            return Fail(u"ticket not saved: "_s + *error);
    }
    return 0;
}

int RunReader(const QString& folder) {
    SetProgramFolder(folder);
    const QDir dir(folder);
    int reads = 0;
    while (!QFileInfo::exists(dir.filePath(u"stop"_s))) {
        QStringList lines;
        if (ReadListFile(dir.filePath(ListName), &lines) && !IsWholeListVersion(lines))
            return Fail(u"a torn price list: %1 lines"_s.arg(lines.size()));
        for (const QString& name : ListOrderArchives()) {
            QStringList ticket;
            if (!LoadOrderArchive(dir.filePath(name), &ticket))
                continue; // deleted or replaced between listing and reading
            const QString station = name.section(u' ', 3, 3);
            const int round = name.section(u' ', 5, 5).section(u'.', 0, 0).toInt();
            if (ticket != Ticket(station, round))
                return Fail(u"a torn ticket: "_s + name);
        }
        QString value;
        if (!ReadProfileString(dir.filePath(IniName), Section, KeyOf(u"A"_s, 0), &value))
            return Fail(u"the settings file could not be read"_s);
        ++reads;
    }
    std::printf("%d\n", reads);
    return 0;
}

// Tickets for table 5, one a round, every round at the same moment on every
// station: the stations' names always collide.
const QDateTime SameSecond(QDate(2024, 3, 12), QTime(20, 15, 0));

QDateTime RoundMoment(int round) {
    return SameSecond.addSecs(qint64(round) * 10);
}

QStringList SameSecondTicket(const QString& station, int round) {
    return {u"   1Margherita stazione %1 giro %2"_s.arg(station).arg(round)};
}

int RunSameSecondTickets(const QString& folder, const QString& station, int rounds) {
    SetProgramFolder(folder);
    for (int round = 0; round < rounds; ++round) {
        QDateTime moment = RoundMoment(round);
        QString name;
        if (auto error = SaveNewOrderArchive(u"5"_s, &moment, SameSecondTicket(station, round),
                                             &name))
            return Fail(u"ticket not saved: "_s + *error);
    }
    return 0;
}

// Each round one item added to the pizza list in an editor's document; every
// odd round the item of the round before removed again. What stays in the
// end: the items of the odd rounds of both stations.
QString EditedItem(const QString& station, int round) {
    return u"Pizza %1 giro %2"_s.arg(station).arg(round);
}

int RunListEditor(const QString& folder, const QString& station, int rounds) {
    SetProgramFolder(folder);
    for (int round = 0; round < rounds; ++round) {
        PriceListDocument document(CatalogueEntryOf(CourseCategory::Pizze));
        document.load();
        document.add(EditedItem(station, round), u"7,00"_s);
        if (round % 2 == 1) {
            // As read back from the file: trimmed.
            const QString previous =
                TrimBlanks(FormatPriceListLine(EditedItem(station, round - 1), u"7,00"_s));
            const qsizetype row = document.lines().indexOf(previous);
            if (row < 0)
                return Fail(u"the item of the round before is gone: "_s + previous);
            document.removeAt(row);
        }
        if (auto error = document.save())
            return Fail(u"list not saved: "_s + *error);
    }
    return 0;
}

// Saves without end until it is killed: its own ticket again (a replace), a
// new ticket (a create) and the price list, each a whole new version.
const QString KilledTicket = u"Comanda al tavolo 9 del giorno 12.03.2024 alle ore 20.00.00.eur"_s;

int RunKilledSaver(const QString& folder) {
    SetProgramFolder(folder);
    const QString list = QDir(folder).filePath(ListName);
    for (int round = 0;; ++round) {
        if (auto error = SaveOrderArchive(KilledTicket, Ticket(u"K"_s, round)))
            return Fail(u"ticket not saved: "_s + *error);
        QDateTime moment = SameSecond.addSecs(round);
        QString name;
        if (auto error = SaveNewOrderArchive(u"K"_s, &moment, Ticket(u"K"_s, round), &name))
            return Fail(u"new ticket not saved: "_s + *error);
        if (auto error = WriteListFile(list, ListVersion(u"K"_s, round)))
            return Fail(u"list not saved: "_s + *error);
    }
}

bool IsWholeTicketVersion(const QStringList& lines) {
    if (lines.size() != TicketLines)
        return false;
    const int round = lines.front().section(u' ', 5, 5).toInt();
    return lines == Ticket(u"K"_s, round);
}

QStringList SaveLeftovers(const QString& folder) {
    return QDir(folder).entryList({u".~orbisala-*"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestTwoStations : public QObject {
    Q_OBJECT

private slots:
    void stationsSharingTheFolderLoseNothing();
    void ticketsInTheSameSecondAreAllKept();
    void concurrentListEditsAreAllKept();
    void killedSavesLeaveWholeFiles();

private:
    QProcess* startStation(const QStringList& arguments);
};

QProcess* TestTwoStations::startStation(const QStringList& arguments) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QCoreApplication::applicationFilePath(), QStringList{u"--station"_s} + arguments);
    return process;
}

void TestTwoStations::stationsSharingTheFolderLoseNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess* reader = startStation({u"reader"_s, folder.path()});
    QProcess* first = startStation({u"writer"_s, folder.path(), u"A"_s, QString::number(Rounds)});
    QProcess* second = startStation({u"writer"_s, folder.path(), u"B"_s, QString::number(Rounds)});
    for (QProcess* writer : {first, second}) {
        QVERIFY2(writer->waitForFinished(240000), "a writing station did not finish");
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QVERIFY2(writer->exitCode() == 0, "a writing station could not save");
    }
    QFile stop(QDir(folder.path()).filePath(u"stop"_s));
    QVERIFY(stop.open(QIODevice::WriteOnly));
    stop.close();
    QVERIFY2(reader->waitForFinished(60000), "the reading station did not stop");
    QVERIFY2(reader->exitCode() == 0, "the reading station saw a file that was not whole");
    QVERIFY2(reader->readAllStandardOutput().trimmed().toInt() > 0, "the reading station never read");

    const QDir dir(folder.path());
    QStringList list;
    QVERIFY(ReadListFile(dir.filePath(ListName), &list));
    QVERIFY2(list == ListVersion(u"A"_s, Rounds - 1) || list == ListVersion(u"B"_s, Rounds - 1),
             "the price list is not the last version one of the stations saved");

    for (const QString& station : {u"A"_s, u"B"_s}) {
        for (int round = 0; round < Rounds; ++round) {
            QString value;
            QVERIFY(ReadProfileString(dir.filePath(IniName), Section, KeyOf(station, round),
                                      &value));
            QVERIFY2(value == QString::number(round),
                     qPrintable(u"lost setting: "_s + KeyOf(station, round)));
            QStringList ticket;
            QVERIFY2(LoadOrderArchive(dir.filePath(TicketName(station, round)), &ticket),
                     qPrintable(u"lost ticket: "_s + TicketName(station, round)));
            QCOMPARE(ticket, Ticket(station, round));
        }
    }
    QVERIFY2(!QFileInfo::exists(dir.filePath(IniName + u".lock"_s)), "a lock file was left");
}

// Two stations start tickets for the same table in the same second, round
// after round: every ticket is kept, under a name of its own.
void TestTwoStations::ticketsInTheSameSecondAreAllKept() {
    constexpr int TicketRounds = 60;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess* first = startStation({u"tickets"_s, folder.path(), u"A"_s,
                                    QString::number(TicketRounds)});
    QProcess* second = startStation({u"tickets"_s, folder.path(), u"B"_s,
                                     QString::number(TicketRounds)});
    for (QProcess* station : {first, second}) {
        QVERIFY2(station->waitForFinished(120000), "a station did not finish");
        QVERIFY2(station->exitStatus() == QProcess::NormalExit && station->exitCode() == 0,
                 "a station could not save its ticket");
    }
    SetProgramFolder(folder.path());
    QMultiHash<QString, QString> savedAs; // ticket content -> file names
    const QStringList names = ListOrderArchives();
    for (const QString& name : names) {
        QStringList lines;
        QVERIFY(LoadOrderArchive(ProgramFolder() + name, &lines));
        QCOMPARE(lines.size(), 1);
        savedAs.insert(lines.first(), name);
    }
    SetProgramFolder(QString());
    int lost = 0;
    for (const QString& station : {u"A"_s, u"B"_s})
        for (int round = 0; round < TicketRounds; ++round)
            lost += savedAs.count(SameSecondTicket(station, round).first()) == 1 ? 0 : 1;
    QVERIFY2(lost == 0, qPrintable(u"%1 of %2 tickets lost or doubled"_s.arg(lost).arg(2 * TicketRounds)));
    QCOMPARE(names.size(), 2 * TicketRounds);
}

// Two stations edit the same price list at once, adding and removing items:
// what each added and did not remove is there, what each removed is gone.
void TestTwoStations::concurrentListEditsAreAllKept() {
    constexpr int EditRounds = 40;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess* first = startStation({u"editor"_s, folder.path(), u"A"_s,
                                    QString::number(EditRounds)});
    QProcess* second = startStation({u"editor"_s, folder.path(), u"B"_s,
                                     QString::number(EditRounds)});
    for (QProcess* station : {first, second}) {
        QVERIFY2(station->waitForFinished(120000), "a station did not finish");
        QVERIFY2(station->exitStatus() == QProcess::NormalExit && station->exitCode() == 0,
                 "a station lost an item of its own or could not save");
    }
    QStringList expected;
    for (const QString& station : {u"A"_s, u"B"_s})
        for (int round = 1; round < EditRounds; round += 2)
            expected.append(TrimBlanks(FormatPriceListLine(EditedItem(station, round), u"7,00"_s)));
    SortByListOrder(expected);
    QStringList list;
    QVERIFY(ReadListFile(QDir(folder.path()).filePath(ListName), &list));
    QVERIFY2(list == expected, "an item one station added or removed was lost");
    QVERIFY2(!QFileInfo::exists(QDir(folder.path()).filePath(ListName + u".lock"_s)),
             "a lock file was left");
}

// A station killed at random moments while it saves: every file is whole, an
// old version or a new one; what the killed saves left is never listed as a
// ticket, and is removed once it is old.
void TestTwoStations::killedSavesLeaveWholeFiles() {
    constexpr int Kills = 200;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    QRandomGenerator random(20241210);
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess* saver = startStation({u"saver"_s, folder.path()});
        QVERIFY(saver->waitForStarted());
        QThread::usleep(random.bounded(40000));
        saver->kill();
        QVERIFY(saver->waitForFinished());
        delete saver;

        QStringList lines;
        if (ReadListFile(dir.filePath(ListName), &lines))
            QVERIFY2(IsWholeListVersion(lines), "a killed save left a cut price list");
        SetProgramFolder(folder.path());
        for (const QString& name : ListOrderArchives()) {
            QVERIFY2(!name.startsWith(u".~"_s), "a killed save's temporary file is listed");
            QVERIFY(LoadOrderArchive(dir.filePath(name), &lines));
            QVERIFY2(IsWholeTicketVersion(lines),
                     qPrintable(u"a killed save left a cut ticket: "_s + name));
        }
        SetProgramFolder(QString());
    }
    // The leftovers, made older than any save takes, go at the next listing.
    const QStringList leftovers = SaveLeftovers(folder.path());
    const qint64 old = QDateTime::currentSecsSinceEpoch() - SaveLeftoverAgeSeconds - 60;
    for (const QString& name : leftovers) {
        const utimbuf times{time_t(old), time_t(old)};
        QVERIFY(::utime(QFile::encodeName(dir.filePath(name)).constData(), &times) == 0);
    }
    ListOrderArchivesIn(folder.path());
    QVERIFY2(SaveLeftovers(folder.path()).isEmpty(), "old leftovers of killed saves stayed");
    qInfo("%d kills left %d temporary files, all removed", Kills, int(leftovers.size()));
}

int main(int argc, char** argv) {
    if (argc >= 2 && qstrcmp(argv[1], "--station") == 0) {
        QCoreApplication application(argc, argv);
        const QStringList arguments = application.arguments();
        if (arguments.size() >= 6 && arguments[2] == u"writer")
            return RunWriter(arguments[3], arguments[4], arguments[5].toInt());
        if (arguments.size() >= 4 && arguments[2] == u"reader")
            return RunReader(arguments[3]);
        if (arguments.size() >= 6 && arguments[2] == u"tickets")
            return RunSameSecondTickets(arguments[3], arguments[4], arguments[5].toInt());
        if (arguments.size() >= 6 && arguments[2] == u"editor")
            return RunListEditor(arguments[3], arguments[4], arguments[5].toInt());
        if (arguments.size() >= 4 && arguments[2] == u"saver")
            return RunKilledSaver(arguments[3]);
        return Fail(u"unknown station"_s);
    }
    QCoreApplication application(argc, argv);
    TestTwoStations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_two_stations.moc"
