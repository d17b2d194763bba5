// Stations sharing one program folder: two processes save the same price
// list, keys of the same settings file and tickets in a bounded loop while a
// third reads them. Every read sees a whole file, old or new, and nothing a
// station saved is lost.
//
// The same executable plays the stations: "--station writer <folder> <name>
// <rounds>" or "--station reader <folder>" (which reads until a file named
// "stop" appears in the folder).
#include "archive/OrderArchive.h"
#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "pricelists/ListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

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

} // namespace

class TestTwoStations : public QObject {
    Q_OBJECT

private slots:
    void stationsSharingTheFolderLoseNothing();
};

void TestTwoStations::stationsSharingTheFolderLoseNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString program = QCoreApplication::applicationFilePath();
    const auto start = [&](const QStringList& arguments) {
        auto* process = new QProcess(this);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, QStringList{u"--station"_s} + arguments);
        return process;
    };
    QProcess* reader = start({u"reader"_s, folder.path()});
    QProcess* first = start({u"writer"_s, folder.path(), u"A"_s, QString::number(Rounds)});
    QProcess* second = start({u"writer"_s, folder.path(), u"B"_s, QString::number(Rounds)});
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

int main(int argc, char** argv) {
    if (argc >= 2 && qstrcmp(argv[1], "--station") == 0) {
        QCoreApplication application(argc, argv);
        const QStringList arguments = application.arguments();
        if (arguments.size() >= 6 && arguments[2] == u"writer")
            return RunWriter(arguments[3], arguments[4], arguments[5].toInt());
        if (arguments.size() >= 4 && arguments[2] == u"reader")
            return RunReader(arguments[3]);
        return Fail(u"unknown station"_s);
    }
    QCoreApplication application(argc, argv);
    TestTwoStations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_two_stations.moc"
