// Stations sharing one program folder, as real processes: two save the same
// price list, keys of the same settings file and tickets in a bounded loop
// while a third reads them; two start tickets for the same table in the same
// second; two edit the same price list at once; one is killed at random
// moments while it saves. Every read sees a whole file, old or new, and
// nothing a station saved is lost.
//
// The same executable plays the stations (Stations.h).
#include "Stations.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <utime.h>

using namespace Qt::StringLiterals;
using namespace stations;

class TestTwoStations : public QObject {
    Q_OBJECT

private slots:
    void stationsSharingTheFolderLoseNothing();
    void ticketsInTheSameSecondAreAllKept();
    void concurrentListEditsAreAllKept();
    void killedSavesLeaveWholeFiles();

private:
    QProcess* startStation(const QStringList& arguments);
    // Stations A and B playing the role for `rounds` rounds at once; true
    // when both ended well.
    bool runPair(const QString& role, const QString& folder, int rounds);
};

bool TestTwoStations::runPair(const QString& role, const QString& folder, int rounds) {
    QProcess* first = startStation({role, folder, u"A"_s, QString::number(rounds)});
    QProcess* second = startStation({role, folder, u"B"_s, QString::number(rounds)});
    bool well = true;
    for (QProcess* station : {first, second})
        well = station->waitForFinished(120000) && station->exitStatus() == QProcess::NormalExit &&
               station->exitCode() == 0 && well;
    return well;
}

QProcess* TestTwoStations::startStation(const QStringList& arguments) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QCoreApplication::applicationFilePath(),
                   QStringList{u"--station"_s} + arguments);
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
    QVERIFY2(reader->readAllStandardOutput().trimmed().toInt() > 0,
             "the reading station never read");

    const QDir dir(folder.path());
    const Result<QStringList> list = ReadListFile(dir.filePath(ListName));
    QVERIFY(list);
    QVERIFY2(*list == ListVersion(u"A"_s, Rounds - 1) || *list == ListVersion(u"B"_s, Rounds - 1),
             "the price list is not the last version one of the stations saved");

    for (const QString& station : {u"A"_s, u"B"_s}) {
        for (int round = 0; round < Rounds; ++round) {
            const Result<QString> value =
                ReadProfileString(dir.filePath(IniName), Section, KeyOf(station, round));
            QVERIFY(value);
            QVERIFY2(*value == QString::number(round),
                     qPrintable(u"lost setting: "_s + KeyOf(station, round)));
            const Result<QStringList> ticket =
                LoadOrderArchive(dir.filePath(TicketName(station, round)));
            QVERIFY2(ticket, qPrintable(u"lost ticket: "_s + TicketName(station, round)));
            QCOMPARE(*ticket, Ticket(station, round));
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
    QVERIFY2(runPair(u"tickets"_s, folder.path(), TicketRounds),
             "a station could not save its ticket");
    qsizetype listed = 0;
    const int lost = LostSameSecondTickets(folder.path(), TicketRounds, &listed);
    QVERIFY2(lost == 0,
             qPrintable(u"%1 of %2 tickets lost or doubled"_s.arg(lost).arg(2 * TicketRounds)));
    QCOMPARE(listed, qsizetype(2 * TicketRounds));
}

// Two stations edit the same price list at once, adding and removing items:
// what each added and did not remove is there, what each removed is gone.
void TestTwoStations::concurrentListEditsAreAllKept() {
    constexpr int EditRounds = 40;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY2(runPair(u"editor"_s, folder.path(), EditRounds),
             "a station lost an item of its own or could not save");
    const Result<QStringList> list = ReadListFile(QDir(folder.path()).filePath(ListName));
    QVERIFY(list);
    QVERIFY2(*list == ListAfterEdits(EditRounds), "an item one station added or removed was lost");
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

        if (const Result<QStringList> lines = ReadListFile(dir.filePath(ListName)))
            QVERIFY2(IsWholeListVersion(*lines), "a killed save left a cut price list");
        SetProgramFolder(folder.path());
        for (const QString& name : ListOrderArchives()) {
            QVERIFY2(!name.startsWith(u".~"_s), "a killed save's temporary file is listed");
            const Result<QStringList> lines = LoadOrderArchive(dir.filePath(name));
            QVERIFY(lines);
            QVERIFY2(IsWholeTicketVersion(*lines),
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
    if (const std::optional<int> station = RunStationIfAsked(argc, argv))
        return *station;
    QCoreApplication application(argc, argv);
    TestTwoStations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_two_stations.moc"
