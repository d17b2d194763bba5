// The stations of the tests that share one program folder between real
// processes: the test executable starts itself as
//   <executable> --station <role> <folder> [arguments]
// and RunStationIfAsked plays the role. Each role works on the program
// folder it is given, as a station that mounts or holds the folder does.
#pragma once

#include "archive/ApriOrdinazioni.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceListDocument.h"
#include "catalogue/PriceText.h"
#include "platform/AtomicSave.h"
#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "tickets/OrderArchive.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QListView>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace stations {

using namespace Qt::StringLiterals;

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
        if (const Result<void> saved = WriteListFile(list, ListVersion(station, round)); !saved)
            return Fail(u"list not saved: "_s + saved.error());
        // A new key every round: a write that replaced the file with a copy
        // read before another station's write would lose that key for good.
        if (const Result<void> saved =
                WriteProfileString(ini, Section, KeyOf(station, round), QString::number(round));
            !saved)
            return Fail(u"setting not saved: "_s + saved.error());
        if (const Result<void> saved =
                SaveOrderArchive(TicketName(station, round), Ticket(station, round));
            !saved)
            return Fail(u"ticket not saved: "_s + saved.error());
    }
    return 0;
}

// Reads the writers' files until a file named "stop" appears. The writers
// only ever replace: once a file was read, it must never read as missing,
// and a listed ticket must always load, whole.
int RunReader(const QString& folder) {
    SetProgramFolder(folder);
    const QDir dir(folder);
    int reads = 0;
    bool listSeen = false;
    bool keySeen = false;
    while (!QFileInfo::exists(dir.filePath(u"stop"_s))) {
        if (const Result<QStringList> lines = ReadListFile(dir.filePath(ListName))) {
            if (!IsWholeListVersion(*lines))
                return Fail(u"a torn price list: %1 lines"_s.arg(lines->size()));
            listSeen = true;
        } else if (listSeen) {
            return Fail(u"the price list read as missing while it was being replaced"_s);
        }
        for (const QString& name : ListOrderArchives()) {
            const Result<QStringList> ticket = LoadOrderArchive(dir.filePath(name));
            if (!ticket)
                return Fail(u"a listed ticket read as missing: "_s + name);
            const QString station = name.section(u' ', 3, 3);
            const int round = name.section(u' ', 5, 5).section(u'.', 0, 0).toInt();
            if (*ticket != Ticket(station, round))
                return Fail(u"a torn ticket: "_s + name);
        }
        const Result<QString> value =
            ReadProfileString(dir.filePath(IniName), Section, KeyOf(u"A"_s, 0));
        if (!value)
            return Fail(u"the settings file could not be read"_s);
        if (keySeen && value->isEmpty())
            return Fail(u"the settings file read as missing while it was being replaced"_s);
        keySeen = keySeen || !value->isEmpty();
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
        if (const Result<SavedTicket> saved =
                SaveNewOrderArchive(u"5"_s, RoundMoment(round), SameSecondTicket(station, round));
            !saved)
            return Fail(u"ticket not saved: "_s + saved.error());
    }
    return 0;
}

// How many of both stations' same-second tickets of `rounds` rounds are not
// in the folder exactly once (lost, or saved twice); a ticket that does not
// load whole counts too. The number of tickets listed goes to *listed.
int LostSameSecondTickets(const QString& folder, int rounds, qsizetype* listed) {
    SetProgramFolder(folder);
    QHash<QString, int> saved; // a ticket's one line -> how many files hold it
    const QStringList names = ListOrderArchives();
    int torn = 0;
    for (const QString& name : names) {
        const Result<QStringList> lines = LoadOrderArchive(ProgramFolder() + name);
        if (!lines || lines->size() != 1)
            ++torn;
        else
            ++saved[lines->first()];
    }
    SetProgramFolder(QString());
    *listed = names.size();
    int lost = torn;
    for (const QString& station : {u"A"_s, u"B"_s})
        for (int round = 0; round < rounds; ++round)
            lost += saved.value(SameSecondTicket(station, round).first()) == 1 ? 0 : 1;
    return lost;
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
        // A list not there yet is an empty one to add to.
        (void)document.load();
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
        if (const Result<void> saved = document.save(); !saved)
            return Fail(u"list not saved: "_s + saved.error());
    }
    return 0;
}

// The list the editors of both stations leave after `rounds` rounds, as read
// back: the items of their odd rounds.
QStringList ListAfterEdits(int rounds) {
    QStringList expected;
    for (const QString& station : {u"A"_s, u"B"_s})
        for (int round = 1; round < rounds; round += 2)
            expected.append(TrimBlanks(FormatPriceListLine(EditedItem(station, round), u"7,00"_s)));
    SortByListOrder(expected);
    return expected;
}

// Saves without end until it is killed: its own ticket again (a replace), a
// new ticket (a create) and the price list, each a whole new version.
const QString KilledTicket = u"Comanda al tavolo 9 del giorno 12.03.2024 alle ore 20.00.00.eur"_s;

int RunKilledSaver(const QString& folder) {
    SetProgramFolder(folder);
    const QString list = QDir(folder).filePath(ListName);
    for (int round = 0;; ++round) {
        if (const Result<void> saved = SaveOrderArchive(KilledTicket, Ticket(u"K"_s, round));
            !saved)
            return Fail(u"ticket not saved: "_s + saved.error());
        if (const Result<SavedTicket> saved =
                SaveNewOrderArchive(u"K"_s, SameSecond.addSecs(round), Ticket(u"K"_s, round));
            !saved)
            return Fail(u"new ticket not saved: "_s + saved.error());
        if (const Result<void> saved = WriteListFile(list, ListVersion(u"K"_s, round)); !saved)
            return Fail(u"list not saved: "_s + saved.error());
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

// The archive browser of a station, shown: every ticket that appears in its
// list is printed on a line of its own ("shown <name>"), as it appears.
// Runs until its standard input closes.
int RunBrowser(const QString& folder) {
    SetProgramFolder(folder);
    TfrmApriOrdinazioni browser;
    browser.showKept();
    auto* list = browser.findChild<QListView*>(u"lstFiles"_s);
    if (!list)
        return Fail(u"no list in the browser"_s);
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, &browser,
                     [list](const QModelIndex&, int first, int last) {
                         for (int row = first; row <= last; ++row)
                             std::printf(
                                 "shown %s\n",
                                 qUtf8Printable(list->model()->index(row, 0).data().toString()));
                         std::fflush(stdout);
                     });
    std::printf("ready\n");
    std::fflush(stdout);
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, qApp, [] {
        char byte;
        if (::read(0, &byte, 1) <= 0)
            QCoreApplication::quit();
    });
    return QApplication::exec();
}

// One new ticket of the table, saved as the order window saves it; prints
// the name it took.
int RunSaveTicket(const QString& folder, const QString& table, const QString& line) {
    SetProgramFolder(folder);
    const Result<SavedTicket> saved = SaveNewOrderArchive(table, SameSecond, {line});
    if (!saved)
        return Fail(u"ticket not saved: "_s + saved.error());
    std::printf("%s\n", qUtf8Printable(saved->fileName));
    return 0;
}

// Plays the station the command line asks for, when it asks for one.
std::optional<int> RunStationIfAsked(int argc, char** argv) {
    if (argc < 4 || qstrcmp(argv[1], "--station") != 0)
        return std::nullopt;
    const QString role = QString::fromLocal8Bit(argv[2]);
    if (role == u"browser") {
        QApplication application(argc, argv);
        return RunBrowser(application.arguments().at(3));
    }
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() >= 6 && role == u"writer")
        return RunWriter(arguments[3], arguments[4], arguments[5].toInt());
    if (role == u"reader")
        return RunReader(arguments[3]);
    if (arguments.size() >= 6 && role == u"tickets")
        return RunSameSecondTickets(arguments[3], arguments[4], arguments[5].toInt());
    if (arguments.size() >= 6 && role == u"editor")
        return RunListEditor(arguments[3], arguments[4], arguments[5].toInt());
    if (role == u"saver")
        return RunKilledSaver(arguments[3]);
    if (arguments.size() >= 6 && role == u"save-ticket")
        return RunSaveTicket(arguments[3], arguments[4], arguments[5]);
    return Fail(u"unknown station "_s + role);
}

} // namespace stations
