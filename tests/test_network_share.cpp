// Two stations on one program folder over a real network file system: a
// private Samba server on 127.0.0.1 exports the folder and smbnetfs mounts
// it through FUSE (tests/share/). Station A works in the real folder, as the
// machine that holds it; station B works on the mount, as every other
// station of the dining room. Every station is a real process (Stations.h).
//
// It shows: a ticket saved at either station arrives at the other byte for
// byte; B's archive browser shows the tickets A saves (the time each took is
// printed); tickets of the two stations in the same second are all kept;
// both stations' edits of one list are kept; a reader at either station
// never sees a file torn or missing while the other replaces it.
#include "Stations.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace stations;

namespace {

const QString ShareScripts = QStringLiteral(ORBISALA_SHARE_SCRIPTS);

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestNetworkShare : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void ticketsArriveByteForByte_data();
    void ticketsArriveByteForByte();
    void browserOnTheMountShowsTickets();
    void ticketsInTheSameSecondAreAllKept();
    void listEditsOfBothStationsAreKept();
    void readersNeverSeeATornFile_data();
    void readersNeverSeeATornFile();

private:
    QProcess* startStation(const QStringList& arguments);
    bool finishedWell(QProcess* station, int timeoutMs = 180000);
    // Station A in the real folder and B on the mount playing the role for
    // `rounds` rounds at once; true when both ended well.
    bool runPair(const QString& role, int rounds);
    QString folderOf(const QString& station) const { return station == u"A" ? m_real : m_mount; }

    std::unique_ptr<QTemporaryDir> m_work;
    QString m_real;  // the shared folder itself: station A
    QString m_mount; // the same folder through the mount: station B
    int m_folderNumber = 0;
    QString m_realRoot;
    QString m_mountRoot;
};

void TestNetworkShare::initTestCase() {
    if (::geteuid() != 0)
        QSKIP("the loopback share needs root (smbd, FUSE mounts); CI runs as root");
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QProcess start;
    start.start(u"bash"_s, {ShareScripts + u"/start-share.sh"_s, m_work->path()});
    QVERIFY(start.waitForFinished(60000));
    QVERIFY2(start.exitCode() == 0,
             qPrintable(u"the loopback share did not start: "_s +
                        QString::fromLocal8Bit(start.readAllStandardError()).trimmed()));
    m_mountRoot = QString::fromLocal8Bit(start.readAllStandardOutput()).trimmed();
    m_realRoot = QDir(m_work->path()).filePath(u"real"_s);
    QVERIFY2(QFileInfo(m_mountRoot).isDir(), qPrintable(u"no mounted folder "_s + m_mountRoot));
}

void TestNetworkShare::cleanupTestCase() {
    if (!m_work)
        return;
    QProcess::execute(u"bash"_s, {ShareScripts + u"/stop-share.sh"_s, m_work->path()});
    // Never remove through a mount that did not go.
    if (QDir(QDir(m_work->path()).filePath(u"mnt"_s)).isEmpty())
        m_work->remove();
    else
        m_work->setAutoRemove(false);
}

// Every test on a program folder of its own inside the share; the browser's
// test on the share's top folder, as stations mount the program folder.
void TestNetworkShare::init() {
    const QString name = u"cartella%1"_s.arg(m_folderNumber++);
    QVERIFY(QDir(m_realRoot).mkpath(name));
    m_real = QDir(m_realRoot).filePath(name);
    m_mount = QDir(m_mountRoot).filePath(name);
    QTRY_VERIFY2(QFileInfo(m_mount).isDir(), "the new folder never showed on the mount");
}

QProcess* TestNetworkShare::startStation(const QStringList& arguments) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setReadChannel(QProcess::StandardOutput);
    process->start(QCoreApplication::applicationFilePath(),
                   QStringList{u"--station"_s} + arguments);
    return process;
}

bool TestNetworkShare::finishedWell(QProcess* station, int timeoutMs) {
    const bool finished = station->waitForFinished(timeoutMs);
    const QByteArray errors = station->readAllStandardError();
    if (!errors.isEmpty())
        qInfo("station %s: %s", qPrintable(station->arguments().value(1)), errors.constData());
    return finished && station->exitStatus() == QProcess::NormalExit && station->exitCode() == 0;
}

bool TestNetworkShare::runPair(const QString& role, int rounds) {
    QProcess* atA = startStation({role, m_real, u"A"_s, QString::number(rounds)});
    QProcess* atB = startStation({role, m_mount, u"B"_s, QString::number(rounds)});
    const bool wellAtA = finishedWell(atA);
    return finishedWell(atB) && wellAtA;
}

void TestNetworkShare::ticketsArriveByteForByte_data() {
    QTest::addColumn<QString>("saving");
    QTest::addColumn<QString>("reading");
    QTest::newRow("saved at A, read at B") << u"A"_s << u"B"_s;
    QTest::newRow("saved at B, read at A") << u"B"_s << u"A"_s;
}

void TestNetworkShare::ticketsArriveByteForByte() {
    QFETCH(QString, saving);
    QFETCH(QString, reading);
    const QString line = u"   2Caffè corretto                                      € 3,00"_s;
    QProcess* station = startStation({u"save-ticket"_s, folderOf(saving), u"Terrazza"_s, line});
    QVERIFY2(finishedWell(station), "the station could not save its ticket");
    const QString name = QString::fromUtf8(station->readAllStandardOutput()).trimmed();
    QVERIFY(name.endsWith(u".eur"_s));
    QTRY_VERIFY2(QFileInfo::exists(QDir(folderOf(reading)).filePath(name)),
                 "the ticket never arrived at the other station");
    QCOMPARE(ReadBytes(QDir(folderOf(reading)).filePath(name)), EncodeTextFileLines({line}));
}

// Station A saves twenty tickets, one after another; B's archive browser,
// open on the mount, must show each. The time from the save to B's list is
// printed, the median and the worst.
void TestNetworkShare::browserOnTheMountShowsTickets() {
    constexpr int Tickets = 20;
    m_real = m_realRoot;
    m_mount = m_mountRoot;
    QProcess* browser = startStation({u"browser"_s, m_mount});
    QVERIFY2(browser->waitForReadyRead(30000) && browser->readLine().trimmed() == "ready",
             "the browsing station did not start");
    SetProgramFolder(m_real);
    std::vector<double> delays;
    for (int i = 0; i < Tickets; ++i) {
        const Result<SavedTicket> saved =
            SaveNewOrderArchive(u"Sala %1"_s.arg(i), SameSecond.addSecs(i), {u"   1Acqua"_s});
        QVERIFY2(saved, qPrintable(saved.error()));
        QElapsedTimer waited;
        waited.start();
        bool shown = false;
        while (!shown && waited.elapsed() < 20000) {
            if (!browser->canReadLine() && !browser->waitForReadyRead(1000))
                continue;
            while (browser->canReadLine())
                shown = shown || QString::fromUtf8(browser->readLine()).trimmed() ==
                                     u"shown "_s + saved->fileName;
        }
        QVERIFY2(shown, qPrintable(u"B's browser never showed A's ticket "_s + saved->fileName));
        delays.push_back(waited.nsecsElapsed() / 1e6);
    }
    SetProgramFolder(QString());
    browser->closeWriteChannel();
    QVERIFY2(finishedWell(browser, 30000), "the browsing station did not end well");
    std::sort(delays.begin(), delays.end());
    qInfo("A's ticket shown at B after %.0f ms (median of %d), %.0f ms at worst",
          delays[delays.size() / 2], Tickets, delays.back());
}

void TestNetworkShare::ticketsInTheSameSecondAreAllKept() {
    constexpr int Rounds = 30;
    QVERIFY2(runPair(u"tickets"_s, Rounds), "a station could not save its tickets");
    qsizetype listed = 0;
    const int lost = LostSameSecondTickets(m_real, Rounds, &listed);
    qInfo("same-second tickets: %d lost of %d", lost, 2 * Rounds);
    QVERIFY2(lost == 0, "a ticket of one station was lost or saved twice");
    QCOMPARE(listed, qsizetype(2 * Rounds));
}

void TestNetworkShare::listEditsOfBothStationsAreKept() {
    constexpr int Rounds = 20;
    QVERIFY2(runPair(u"editor"_s, Rounds), "a station lost an item of its own or could not save");
    const Result<QStringList> list = ReadListFile(QDir(m_real).filePath(ListName));
    QVERIFY(list);
    QVERIFY2(*list == ListAfterEdits(Rounds), "an item one station added or removed was lost");
}

void TestNetworkShare::readersNeverSeeATornFile_data() {
    QTest::addColumn<QString>("writing");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<int>("rounds"); // a reader on the mount reads slower
    QTest::newRow("A replaces, B reads on the mount") << u"A"_s << u"B"_s << 200;
    QTest::newRow("B replaces through the mount, A reads") << u"B"_s << u"A"_s << 40;
}

void TestNetworkShare::readersNeverSeeATornFile() {
    QFETCH(QString, writing);
    QFETCH(QString, reading);
    QFETCH(int, rounds);
    QProcess* reader = startStation({u"reader"_s, folderOf(reading)});
    QProcess* writer =
        startStation({u"writer"_s, folderOf(writing), writing, QString::number(rounds)});
    QVERIFY2(finishedWell(writer), "the writing station could not save");
    QFile stop(QDir(m_real).filePath(u"stop"_s));
    QVERIFY(stop.open(QIODevice::WriteOnly));
    stop.close();
    QVERIFY2(finishedWell(reader, 60000), "the reading station saw a file torn or missing");
    const int reads = reader->readAllStandardOutput().trimmed().toInt();
    qInfo("%d whole reads while %d versions were saved", reads, rounds);
    QVERIFY2(reads > 0, "the reading station never read");
}

int main(int argc, char** argv) {
    if (const std::optional<int> station = RunStationIfAsked(argc, argv))
        return *station;
    QCoreApplication application(argc, argv);
    TestNetworkShare test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_network_share.moc"
