// Saves and reads in a folder several stations share: a new file never
// replaces one another station just created, modes let the group's waiters
// save over each other's files, killed saves' leftovers go and nothing else
// does, a reader never takes a file caught mid-replace for the file, and two
// editors of one list keep each other's changes. Also how the archive
// browser tells which tickets came and went.
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/ListMerge.h"
#include "catalogue/PriceListDocument.h"
#include "catalogue/PriceText.h"
#include "platform/AtomicSave.h"
#include "platform/Formatting.h"
#include "platform/ProgramFolder.h"
#include "platform/SharedRead.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "tickets/ArchiveFollower.h"
#include "tickets/ArchiveListModel.h"
#include "tickets/OrderArchive.h"

#include "TestFiles.h"

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <limits>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CreateOutcome)
Q_DECLARE_METATYPE(SharedRead)
Q_DECLARE_METATYPE(EmptyFile)

namespace {

struct FileStatus {
    bool exists = false;
    mode_t type = 0;
    mode_t mode = 0;
    gid_t group = 0;
};

// The entry itself, a symbolic link not followed.
FileStatus StatusOf(const QString& path) {
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, mode_t(info.st_mode & S_IFMT), mode_t(info.st_mode & 07777), info.st_gid};
}

QByteArray LinkTarget(const QString& path) {
    char target[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof(target));
    return length < 0 ? QByteArray("<not a link>") : QByteArray(target, length);
}

bool MakeLink(const QByteArray& target, const QString& path) {
    return ::symlink(target.constData(), QFile::encodeName(path).constData()) == 0;
}

bool SetMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Dates the entry itself (a link, not what it leads to) `seconds` ago.
bool SetAge(const QString& path, qint64 seconds) {
    timespec times[2];
    times[0].tv_sec = std::time(nullptr) - seconds;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) ==
           0;
}

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

// The process's umask for the life of the scope.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : m_previous(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_previous); }
    UmaskScope(const UmaskScope&) = delete;
    UmaskScope& operator=(const UmaskScope&) = delete;

private:
    mode_t m_previous;
};

// The program folder for the life of the scope.
class ProgramFolderOf {
public:
    explicit ProgramFolderOf(const QString& folder) : m_previous(SetProgramFolder(folder)) {}
    ~ProgramFolderOf() { SetProgramFolder(m_previous); }
    ProgramFolderOf(const ProgramFolderOf&) = delete;
    ProgramFolderOf& operator=(const ProgramFolderOf&) = delete;

private:
    QString m_previous;
};

QString TicketNameAt(const QString& table, const QDateTime& moment) {
    return ArchiveFileName(table, ShortDateText(moment.date()), TimeText(moment.time()));
}

// What another station left under a name: "ticket", "read-only ticket",
// "folder", "dangling link" (to "assente.eur") or "link to a ticket" (to
// "altro.eur", holding the bytes). True when it was made.
bool PlaceTaken(const QString& path, const QString& kind, const QByteArray& bytes) {
    const QDir folder = QFileInfo(path).dir();
    if (kind == u"folder")
        return QDir().mkdir(path);
    if (kind == u"dangling link")
        return MakeLink("assente.eur", path);
    if (kind == u"link to a ticket")
        return WriteBytes(folder.filePath(u"altro.eur"_s), bytes) && MakeLink("altro.eur", path);
    if (!WriteBytes(path, bytes))
        return false;
    return kind != u"read-only ticket" || MakeReadOnly(path);
}

// What PlaceTaken left is as it was, and nothing was made where a link leads.
bool TakenUntouched(const QString& path, const QString& kind, const QByteArray& bytes) {
    const QDir folder = QFileInfo(path).dir();
    const FileStatus status = StatusOf(path);
    if (kind == u"folder")
        return status.type == S_IFDIR && FolderEntries(path).isEmpty();
    if (kind == u"dangling link")
        return status.type == S_IFLNK && LinkTarget(path) == "assente.eur" &&
               !StatusOf(folder.filePath(u"assente.eur"_s)).exists;
    if (kind == u"link to a ticket")
        return status.type == S_IFLNK && LinkTarget(path) == "altro.eur" &&
               ReadBytes(folder.filePath(u"altro.eur"_s)) == bytes;
    return status.type == S_IFREG && ReadBytes(path) == bytes;
}

// --- readers and a replacing station ---------------------------------------

constexpr int ReplaceRounds = 150;

// One version of the shared file: every line carries the round and the
// count, and ends in a word a cut line lacks, so a read tells a whole version
// from a cut or a mixed one. The count changes from round to round.
QStringList Version(int round) {
    QStringList lines;
    const int count = 20 + round % 7;
    for (int k = 1; k <= count; ++k)
        lines.append(u"Versione %1 riga %2 di %3 fine"_s.arg(round).arg(k).arg(count));
    return lines;
}

int RoundOf(const QStringList& lines) {
    return lines.isEmpty() ? -1 : lines.front().section(u' ', 1, 1).toInt();
}

bool IsWholeVersion(const QStringList& lines) {
    return !lines.isEmpty() && lines == Version(RoundOf(lines));
}

bool WriteWhole(const QByteArray& path, const QByteArray& bytes, int flags) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0644);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    return ::close(fd) == 0 && written == bytes.size();
}

// Replaces the file round after round as a network share shows another
// station's saves: the old file deleted and, after a gap, the complete new
// one renamed in place; the new content arriving in two parts, the first cut
// inside a line; with `emptyFirst`, an empty file in place for a moment (the
// claim of a share without links). The pause between rounds stands for the
// time between two saves, seconds on a real share; here still well over a
// reader's first waits, so a read that meets one replace's gap tries again
// after it and before the next replace.
//
// Each gap is timed: a busy host can hold the thread in the middle of one for
// longer than a reader waits, and the file then really is gone or cut for
// that long, beyond what a read can ride out.
using Clock = std::chrono::steady_clock;

struct Gap {
    Clock::time_point start;
    Clock::time_point end;
};

// Longer than the gaps the station leaves (2 ms) by far, and no longer than
// a reader's first wait: a gap that lasted this long was a held-up station.
constexpr auto HeldUp = std::chrono::milliseconds(10);

class ReplacingStation {
public:
    ReplacingStation(const QString& path, bool emptyFirst)
        : m_path(QFile::encodeName(path)), m_temporary(m_path + ".station"),
          m_emptyFirst(emptyFirst) {}

    ~ReplacingStation() { stop(); }

    void start() {
        m_thread = std::thread([this] { run(); });
    }
    void stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    bool done() const { return m_done; }
    // Read after stop().
    QString error() const { return m_error; }
    // Whether the station was held up in a gap that overlapped [from, to].
    bool heldUpBetween(Clock::time_point from, Clock::time_point to) const {
        return std::any_of(m_gaps.cbegin(), m_gaps.cend(), [&](const Gap& gap) {
            return gap.start <= to && gap.end >= from && gap.end - gap.start >= HeldUp;
        });
    }

private:
    void run() {
        using namespace std::chrono_literals;
        const int steps = m_emptyFirst ? 5 : 4;
        m_gaps.reserve(ReplaceRounds);
        for (int round = 1; round <= ReplaceRounds && !m_stop; ++round) {
            const QByteArray bytes = EncodeTextFileLines(Version(round));
            bool ok = true;
            Gap gap;
            switch (round % steps) {
            case 0: // deleted, then renamed after a gap
                ok = WriteWhole(m_temporary, bytes, O_TRUNC);
                gap.start = Clock::now();
                ok = ok && ::unlink(m_path) == 0;
                std::this_thread::sleep_for(2ms);
                ok = ok && ::rename(m_temporary, m_path) == 0;
                break;
            case 1:   // all but the final CR LF first
            case 2: { // cut in the middle of a line first
                qsizetype cut = round % steps == 1 ? bytes.size() - 2 : bytes.size() / 2;
                while (bytes.at(cut - 1) == '\r' || bytes.at(cut - 1) == '\n')
                    ++cut;
                ok = WriteWhole(m_temporary, bytes.left(cut), O_TRUNC);
                gap.start = Clock::now();
                ok = ok && ::rename(m_temporary, m_path) == 0;
                std::this_thread::sleep_for(2ms);
                ok = ok && WriteWhole(m_path, bytes.mid(cut), O_APPEND);
                break;
            }
            case 3: // an atomic replace, as on a local disk
                ok = WriteWhole(m_temporary, bytes, O_TRUNC);
                gap.start = Clock::now();
                ok = ok && ::rename(m_temporary, m_path) == 0;
                break;
            case 4: // an empty file in place first
                ok = WriteWhole(m_temporary, bytes, O_TRUNC);
                gap.start = Clock::now();
                ok = ok && ::unlink(m_path) == 0 && WriteWhole(m_path, QByteArray(), O_EXCL);
                std::this_thread::sleep_for(2ms);
                ok = ok && ::rename(m_temporary, m_path) == 0;
                break;
            }
            gap.end = Clock::now();
            m_gaps.push_back(gap);
            if (!ok) {
                m_error = u"round %1: %2"_s.arg(round).arg(qt_error_string(errno));
                break;
            }
            std::this_thread::sleep_for(40ms);
        }
        m_done = true;
    }

    const QByteArray m_path;
    const QByteArray m_temporary;
    const bool m_emptyFirst;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    QString m_error;
    std::vector<Gap> m_gaps;
};

using LineReader = std::function<Result<QStringList>(const QString&)>;

LineReader ReaderNamed(const QString& name) {
    if (name == u"list file")
        return [](const QString& path) { return ReadListFile(path); };
    if (name == u"ticket")
        return [](const QString& path) { return LoadOrderArchive(path); };
    return [](const QString& path) { return ReadTextFileLines(path); };
}

// --- list documents -----------------------------------------------------------

const CatalogueEntry& Pizze() {
    return CatalogueEntryOf(CourseCategory::Pizze);
}

// A price-list line as read back from the file (its padding trimmed).
QString PriceLine(const QString& name, const QString& price) {
    return TrimBlanks(FormatPriceListLine(name, price));
}

qsizetype RowOf(const PriceListDocument& document, const QString& line) {
    return document.lines().indexOf(line);
}

// --- archive names ------------------------------------------------------------

// Names whose bytes are the texts in Latin-1, shown as the file system's
// names decode: bytes that are no UTF-8 show as U+FFFD, so two files can
// show the same text.
ArchiveNames NamesOf(const QStringList& latin1) {
    ArchiveNames names;
    for (const QString& name : latin1)
        names.append(name.toLatin1());
    return names;
}

QList<QByteArray> FilesOf(const ArchiveNames& names) {
    QList<QByteArray> files;
    for (qsizetype row = 0; row < names.size(); ++row)
        files.append(names.file(row).toByteArray());
    return files;
}

} // namespace

class TestSharedSaves : public QObject {
    Q_OBJECT

private slots:
    // A new file never replaces one.
    void createNeverReplaces_data();
    void createNeverReplaces();
    void newTicketTakesNextFreeSecond_data();
    void newTicketTakesNextFreeSecond();
    void createRaceHasOneWinner();

    // Modes in a private and a group-shared folder; links written through.
    void modes_data();
    void modes();
    void linkWrittenThrough_data();
    void linkWrittenThrough();

    // Killed saves' leftovers cleared by the archive's listing pass.
    void staleLeftoversRemoved_data();
    void staleLeftoversRemoved();

    // Readers while another station replaces the file, and with nobody writing.
    void readersRideOutReplaces_data();
    void readersRideOutReplaces();
    void readWithNobodyWriting_data();
    void readWithNobodyWriting();
    void endsInsideLine_data();
    void endsInsideLine();

    // Two editors of one list.
    void mergeListChanges_data();
    void mergeListChanges();
    void twoEditorsKeepBothChanges();
    void oneEditorWritesItsLines_data();
    void oneEditorWritesItsLines();
    void listCreatedMeanwhileKeepsItsLines();
    void documentSavedTwiceWritesItsLinesOnce();

    // What the archive browser moves.
    void compareArchiveNames_data();
    void compareArchiveNames();
};

// --- a new file never replaces one ----------------------------------------

void TestSharedSaves::createNeverReplaces_data() {
    QTest::addColumn<QString>("taken"); // what stands under the name before (PlaceTaken)
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CreateOutcome>("outcome");

    // A NUL, lone CR, lone LF, high bytes and no final break: written as given.
    const QByteArray raw("1   Acqua  \x80 1,50\r\n\0\r2\n\xFF\xFE no break", 34);
    QTest::newRow("free name: the bytes exactly") << u"nothing"_s << raw << CreateOutcome::Created;
    QTest::newRow("free name, no bytes") << u"nothing"_s << QByteArray() << CreateOutcome::Created;
    QTest::newRow("taken by a ticket") << u"ticket"_s << raw << CreateOutcome::NameTaken;
    QTest::newRow("taken by a read-only ticket")
        << u"read-only ticket"_s << raw << CreateOutcome::NameTaken;
    QTest::newRow("taken by a dangling link: nothing made where it leads")
        << u"dangling link"_s << raw << CreateOutcome::NameTaken;
    QTest::newRow("taken by a link to a ticket: the ticket untouched")
        << u"link to a ticket"_s << raw << CreateOutcome::NameTaken;
    QTest::newRow("taken by a folder") << u"folder"_s << raw << CreateOutcome::NameTaken;
    QTest::newRow("the folder missing") << u"missing folder"_s << raw << CreateOutcome::Failed;
}

void TestSharedSaves::createNeverReplaces() {
    QFETCH(QString, taken);
    QFETCH(QByteArray, bytes);
    QFETCH(CreateOutcome, outcome);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = u"Comanda al tavolo 5.eur"_s;
    const QByteArray theirs("2   Spritz  \x80 14,00\r\n");
    QString path = dir.filePath(name);
    QStringList entries{name};
    if (taken == u"missing folder") {
        path = dir.filePath(u"altrove/"_s + name);
        entries.clear();
    } else if (taken != u"nothing") {
        QVERIFY(PlaceTaken(path, taken, theirs));
        if (taken == u"link to a ticket")
            entries << u"altro.eur"_s;
    }

    QString error;
    QCOMPARE(CreateFileAtomically(path, bytes, &error), outcome);

    if (taken == u"nothing") {
        QVERIFY2(StatusOf(path).type == S_IFREG && ReadBytes(path) == bytes,
                 "a new file does not hold exactly the bytes saved");
    } else if (taken == u"missing folder") {
        QVERIFY2(!error.isEmpty(), "a save that failed gave no reason");
        QVERIFY2(!QFileInfo::exists(QFileInfo(path).path()), "the missing folder was made");
    } else {
        QVERIFY2(TakenUntouched(path, taken, theirs),
                 "what another station left under the name was replaced or written through");
    }
    QVERIFY2(Sorted(FolderEntries(dir.path())) == Sorted(entries),
             qPrintable(u"a save left entries beside the file: "_s +
                        FolderEntries(dir.path()).join(u", "_s)));
}

void TestSharedSaves::newTicketTakesNextFreeSecond_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QStringList>("taken"); // what stands under the names of the next seconds

    const QDateTime evening(QDate(2024, 3, 12), QTime(20, 15, 33));
    QTest::newRow("free second") << evening << QStringList();
    QTest::newRow("taken by a ticket") << evening << QStringList{u"ticket"_s};
    QTest::newRow("taken by a read-only ticket") << evening << QStringList{u"read-only ticket"_s};
    QTest::newRow("taken by a folder") << evening << QStringList{u"folder"_s};
    QTest::newRow("taken by a dangling link") << evening << QStringList{u"dangling link"_s};
    QTest::newRow("taken by a link to a ticket") << evening << QStringList{u"link to a ticket"_s};
    QTest::newRow("three seconds taken")
        << evening << QStringList{u"ticket"_s, u"folder"_s, u"read-only ticket"_s};
    QTest::newRow("taken at 23:59:59: the next day's first second")
        << QDateTime(QDate(2024, 3, 12), QTime(23, 59, 59)) << QStringList{u"ticket"_s};
}

void TestSharedSaves::newTicketTakesNextFreeSecond() {
    QFETCH(QDateTime, moment);
    QFETCH(QStringList, taken);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ProgramFolderOf folder(dir.path());
    const QByteArray theirs("1   Acqua  \x80 1,50\r\n");
    QStringList entries;
    for (int second = 0; second < taken.size(); ++second) {
        const QString name = TicketNameAt(u"5"_s, moment.addSecs(second));
        QVERIFY(PlaceTaken(dir.filePath(name), taken.at(second), theirs));
        entries << name;
    }
    const QStringList left = entries;
    if (taken.contains(u"link to a ticket"_s))
        entries << u"altro.eur"_s;

    const QStringList lines{u"2   Spritz  € 14,00"_s, u"1   Tiramisù  € 5,00"_s};
    const Result<SavedTicket> saved = SaveNewOrderArchive(u"5"_s, moment, lines);
    QVERIFY2(saved, qPrintable(saved.error()));
    const QString fileName = saved->fileName;

    const QDateTime expected = moment.addSecs(taken.size());
    QCOMPARE(saved->moment, expected);
    QCOMPARE(fileName, TicketNameAt(u"5"_s, expected));
    QVERIFY2(ReadBytes(dir.filePath(fileName)) == EncodeTextFileLines(lines),
             "the new ticket does not hold its lines");
    for (int second = 0; second < taken.size(); ++second)
        QVERIFY2(TakenUntouched(dir.filePath(left.at(second)), taken.at(second), theirs),
                 "a new ticket touched what another station left under an earlier second");
    entries << fileName;
    QCOMPARE(Sorted(FolderEntries(dir.path())), Sorted(entries));
}

// Two stations creating the same names at the same moments: each name goes to
// one of them, holding that one's bytes; the other is told it is taken. A
// look at the name before the move would let both through.
void TestSharedSaves::createRaceHasOneWinner() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    constexpr int Names = 200;
    const auto nameOf = [&dir](int k) { return dir.filePath(u"Comanda %1.eur"_s.arg(k)); };
    const auto bytesOf = [](int station, int k) {
        return u"%1   Stazione %2\r\n"_s.arg(k).arg(station).toLatin1();
    };
    std::atomic<bool> go{false};
    std::vector<CreateOutcome> outcomes[2];
    const auto station = [&](int which) {
        while (!go)
            std::this_thread::yield();
        for (int k = 0; k < Names; ++k)
            outcomes[which].push_back(CreateFileAtomically(nameOf(k), bytesOf(which, k)));
    };
    std::thread first(station, 0);
    std::thread second(station, 1);
    go = true;
    first.join();
    second.join();

    for (int k = 0; k < Names; ++k) {
        const bool firstWon = outcomes[0].at(k) == CreateOutcome::Created;
        const bool secondWon = outcomes[1].at(k) == CreateOutcome::Created;
        QVERIFY2(firstWon != secondWon,
                 qPrintable(u"name %1: %2 stations were told they created it"_s.arg(k).arg(
                     int(firstWon) + int(secondWon))));
        QVERIFY2(outcomes[firstWon ? 1 : 0].at(k) == CreateOutcome::NameTaken,
                 "the station that lost a name was not told it is taken");
        QVERIFY2(ReadBytes(nameOf(k)) == bytesOf(firstWon ? 0 : 1, k),
                 "a created ticket holds another station's bytes: one replaced the other");
    }
    QCOMPARE(FolderEntries(dir.path()).size(), Names);
}

// --- modes and links --------------------------------------------------------

void TestSharedSaves::modes_data() {
    QTest::addColumn<QString>("save"); // "write" (WriteFileAtomically) or "create"
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode"); // of the file there before; -1 for none
    QTest::addColumn<int>("mode");     // of the file after
    QTest::addColumn<QString>("refusal");

    // The umask is 022 throughout.
    QTest::newRow("new file, private folder: what the umask leaves")
        << u"write"_s << 0755 << -1 << 0644 << QString();
    QTest::newRow("created file, private folder: what the umask leaves")
        << u"create"_s << 0755 << -1 << 0644 << QString();
    QTest::newRow("new file, set-group-ID folder: group read and write")
        << u"write"_s << 02775 << -1 << 0664 << QString();
    QTest::newRow("created file, set-group-ID folder: group read and write")
        << u"create"_s << 02775 << -1 << 0664 << QString();
    QTest::newRow("new file, group-writable folder: group read and write")
        << u"write"_s << 0775 << -1 << 0664 << QString();
    QTest::newRow("created file, set-group-ID folder without group write: group read and write")
        << u"create"_s << 02755 << -1 << 0664 << QString();
    QTest::newRow("replaced 0640 file, private folder: keeps its mode")
        << u"write"_s << 0755 << 0640 << 0640 << QString();
    QTest::newRow("replaced 0644 file, set-group-ID folder: group write added")
        << u"write"_s << 02775 << 0644 << 0664 << QString();
    QTest::newRow("replaced 0600 file, group-writable folder: group read and write added")
        << u"write"_s << 0775 << 0600 << 0660 << QString();
    QTest::newRow("read-only file, private folder: refused")
        << u"write"_s << 0755 << 0444 << 0444 << u"The file is read-only"_s;
    QTest::newRow("read-only file, set-group-ID folder: still refused")
        << u"write"_s << 02775 << 0444 << 0444 << u"The file is read-only"_s;
}

void TestSharedSaves::modes() {
    QFETCH(QString, save);
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(int, mode);
    QFETCH(QString, refusal);
    const UmaskScope umask(022);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"condivisa"_s);
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(SetMode(folder, mode_t(folderMode)));
    const QString path = folder + u"/Listino_Pizze.lst"_s;
    const QByteArray before("Margherita\r\n");
    const QByteArray after("Margherita\r\nMarinara\r\n");
    // Another group than the folder's, when this account may give one: a
    // replace must keep the file's group as well as its mode.
    gid_t group = getegid();
    if (fileMode >= 0) {
        QVERIFY(WriteBytes(path, before));
        if (geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), uid_t(-1), 1) == 0)
            group = 1;
        QVERIFY(SetMode(path, mode_t(fileMode)));
    }

    QString error;
    if (save == u"create") {
        QCOMPARE(CreateFileAtomically(path, after, &error), CreateOutcome::Created);
    } else {
        error = WriteFileAtomically(path, after).error();
    }

    QCOMPARE(error, refusal);
    QVERIFY2(ReadBytes(path) == (refusal.isNull() ? after : before),
             refusal.isNull() ? "the saved content is not in the file"
                              : "a refused save changed the file");
    const FileStatus status = StatusOf(path);
    QVERIFY2(
        status.mode == mode_t(mode),
        qPrintable(u"the file's mode is %1, not %2: waiters of the group cannot save "
                   "over each other, or a file was opened up"_s.arg(status.mode, 4, 8, QChar(u'0'))
                       .arg(mode, 4, 8, QChar(u'0'))));
    if (fileMode >= 0)
        QVERIFY2(status.group == group, "a replace changed the file's group");
    QCOMPARE(FolderEntries(folder), QStringList{u"Listino_Pizze.lst"_s});
}

void TestSharedSaves::linkWrittenThrough_data() {
    QTest::addColumn<QString>("link");

    QTest::newRow("relative link into a subfolder") << u"relative"_s;
    QTest::newRow("absolute link") << u"absolute"_s;
    QTest::newRow("link to a link") << u"chain"_s;
    QTest::newRow("link to a file not there yet") << u"dangling"_s;
}

void TestSharedSaves::linkWrittenThrough() {
    QFETCH(QString, link);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"vero"_s));
    const QString file = dir.filePath(u"vero/Listino_Pizze.lst"_s);
    QVERIFY(WriteBytes(file, "Margherita\r\n"));
    QVERIFY(SetMode(file, 0640));
    const QString path = dir.filePath(u"Listino_Pizze.lst"_s);
    QStringList entries{u"Listino_Pizze.lst"_s, u"vero"_s};
    QByteArray target = "vero/Listino_Pizze.lst";
    if (link == u"absolute") {
        target = QFile::encodeName(file);
    } else if (link == u"dangling") {
        QVERIFY(QFile::remove(file)); // the save creates it, with a new file's mode
    } else if (link == u"chain") {
        QVERIFY(MakeLink(target, dir.filePath(u"tramite.lst"_s)));
        target = "tramite.lst";
        entries << u"tramite.lst"_s;
    }
    QVERIFY(MakeLink(target, path));

    QVERIFY(WriteFileAtomically(path, "Margherita\r\nMarinara\r\n"));

    QVERIFY2(StatusOf(path).type == S_IFLNK && LinkTarget(path) == target,
             "the link was replaced by a file: the stations sharing the real file no longer "
             "see the save");
    QVERIFY2(ReadBytes(file) == "Margherita\r\nMarinara\r\n",
             "the file the link leads to does not hold the save");
    if (link != u"dangling")
        QCOMPARE(StatusOf(file).mode, mode_t(0640));
    QCOMPARE(Sorted(FolderEntries(dir.path())), Sorted(entries));
    QCOMPARE(FolderEntries(dir.filePath(u"vero"_s)), QStringList{u"Listino_Pizze.lst"_s});
}

// --- leftovers ------------------------------------------------------------------

void TestSharedSaves::staleLeftoversRemoved_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // "file", "link" or "folder"
    QTest::addColumn<qint64>("age");   // seconds since its last change
    QTest::addColumn<bool>("removed");

    const qint64 old = SaveLeftoverAgeSeconds + 5;
    const QString leftover = u".~orbisala-abcdefghijkl.tmp"_s;
    QTest::newRow("leftover past the age") << leftover << u"file"_s << old << true;
    QTest::newRow("leftover of the other letters and the digits 2-7")
        << u".~orbisala-yz234567mnop.tmp"_s << u"file"_s << old << true;
    QTest::newRow("leftover of a day ago") << leftover << u"file"_s << qint64(86400) << true;
    QTest::newRow("leftover under the age: a save in progress")
        << leftover << u"file"_s << qint64(SaveLeftoverAgeSeconds - 60) << false;
    QTest::newRow("leftover dated ahead of the clock")
        << leftover << u"file"_s << qint64(-3600) << false;
    QTest::newRow("11 random characters")
        << u".~orbisala-abcdefghijk.tmp"_s << u"file"_s << old << false;
    QTest::newRow("13 random characters")
        << u".~orbisala-abcdefghijklm.tmp"_s << u"file"_s << old << false;
    QTest::newRow("capital letters")
        << u".~orbisala-ABCDEFGHIJKL.tmp"_s << u"file"_s << old << false;
    QTest::newRow("digits outside the alphabet")
        << u".~orbisala-abcdefgh0189.tmp"_s << u"file"_s << old << false;
    QTest::newRow("other suffix") << u".~orbisala-abcdefghijkl.tmq"_s << u"file"_s << old << false;
    QTest::newRow("suffix followed by more")
        << u".~orbisala-abcdefghijkl.tmp~"_s << u"file"_s << old << false;
    QTest::newRow("no leading dot") << u"~orbisala-abcdefghijkl.tmp"_s << u"file"_s << old << false;
    QTest::newRow("an older version's temporary file")
        << u"Comanda al tavolo 5.eur.AbCdEf"_s << u"file"_s << old << false;
    QTest::newRow("link named as a leftover, to an old ticket")
        << leftover << u"link"_s << old << false;
    QTest::newRow("folder named as a leftover") << leftover << u"folder"_s << old << false;
}

void TestSharedSaves::staleLeftoversRemoved() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(qint64, age);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Tickets on both sides of the entry in name order and a hidden one: the
    // pass that clears leftovers still lists every ticket.
    const QStringList tickets{u".x.eur"_s, u"Comanda al tavolo 1.eur"_s,
                              u"Comanda al tavolo 9.eur"_s};
    for (const QString& ticket : tickets) {
        QVERIFY(WriteBytes(dir.filePath(ticket), "1   Acqua\r\n"));
        QVERIFY(SetAge(dir.filePath(ticket), age));
    }
    const QString path = dir.filePath(name);
    if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (kind == u"link")
        QVERIFY(MakeLink("Comanda al tavolo 1.eur", path));
    else
        QVERIFY(WriteBytes(path, "1   Acqua\r\n"));
    QVERIFY(SetAge(path, age));

    QCOMPARE(ListOrderArchivesIn(dir.path()), tickets);

    QVERIFY2(StatusOf(path).exists != removed,
             removed ? "a killed save's leftover stayed in the shared folder"
                     : "an entry that is no leftover of a killed save was removed");
    QStringList entries = tickets;
    if (!removed)
        entries << name;
    QCOMPARE(Sorted(FolderEntries(dir.path())), Sorted(entries));
}

// --- readers --------------------------------------------------------------------

void TestSharedSaves::readersRideOutReplaces_data() {
    QTest::addColumn<QString>("reader");
    QTest::addColumn<bool>("emptyFirst"); // only for readers of files that are never empty

    QTest::newRow("text lines") << u"text lines"_s << false;
    QTest::newRow("list file") << u"list file"_s << false;
    QTest::newRow("ticket, an empty file in place for a moment too") << u"ticket"_s << true;
}

// Concurrency, not speed: only what each read gave is checked.
void TestSharedSaves::readersRideOutReplaces() {
    QFETCH(QString, reader);
    QFETCH(bool, emptyFirst);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Listino_Pizze.lst"_s);
    QVERIFY(WriteBytes(path, EncodeTextFileLines(Version(0))));
    const LineReader read = ReaderNamed(reader);

    struct BadRead {
        Clock::time_point start;
        Clock::time_point end;
        QString what;
    };
    ReplacingStation station(path, emptyFirst);
    station.start();
    std::vector<BadRead> badReads;
    QSet<int> versions;
    int reads = 0;
    do {
        ++reads;
        const Clock::time_point start = Clock::now();
        const Result<QStringList> found = read(path);
        const Clock::time_point end = Clock::now();
        const QStringList lines = found ? *found : QStringList();
        if (!found)
            badReads.push_back({start, end, u"read %1 found no file"_s.arg(reads)});
        else if (!IsWholeVersion(lines))
            badReads.push_back({start, end,
                                u"read %1 gave %2 lines, the last \"%3\""_s.arg(reads)
                                    .arg(lines.size())
                                    .arg(lines.isEmpty() ? QString() : lines.back())});
        else
            versions.insert(RoundOf(lines));
    } while (!station.done());
    station.stop();

    QVERIFY2(station.error().isEmpty(),
             qPrintable(u"the replacing station failed: "_s + station.error()));
    // Only what the reads promise is held against them: a file gone or cut
    // for as long as a station was held up is not.
    QStringList failures;
    int heldUp = 0;
    for (const BadRead& bad : badReads) {
        if (station.heldUpBetween(bad.start, bad.end))
            ++heldUp;
        else
            failures << bad.what;
    }
    if (heldUp > 0)
        qInfo("Reads that met the station held up in a gap, not counted: %d", heldUp);
    QVERIFY2(failures.isEmpty(),
             qPrintable(u"a reader took a file caught mid-replace for the list (%1 times): "_s.arg(
                            failures.size()) +
                        failures.value(0)));
    QVERIFY2(versions.size() > 1, "the reads never met a replace: nothing was shown");
}

void TestSharedSaves::readWithNobodyWriting_data() {
    QTest::addColumn<QString>("kind"); // "file", "missing" or "folder"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<EmptyFile>("empty");
    QTest::addColumn<SharedRead>("result");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("missing file") << u"missing"_s << QByteArray() << EmptyFile::Whole
                                  << SharedRead::Missing << QStringList();
    QTest::newRow("missing ticket") << u"missing"_s << QByteArray() << EmptyFile::Partial
                                    << SharedRead::Missing << QStringList();
    QTest::newRow("a folder in the file's place")
        << u"folder"_s << QByteArray() << EmptyFile::Whole << SharedRead::Missing << QStringList();
    QTest::newRow("ends inside a line, nobody writing: taken as it is")
        << u"file"_s << QByteArray("Tavolo 1\r\nTavolo 2") << EmptyFile::Whole << SharedRead::Read
        << QStringList{u"Tavolo 1"_s, u"Tavolo 2"_s};
    QTest::newRow("empty list: a whole list of no lines")
        << u"file"_s << QByteArray() << EmptyFile::Whole << SharedRead::Read << QStringList();
    QTest::newRow("empty ticket, nobody writing: taken as it is")
        << u"file"_s << QByteArray() << EmptyFile::Partial << SharedRead::Read << QStringList();
}

void TestSharedSaves::readWithNobodyWriting() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(EmptyFile, empty);
    QFETCH(SharedRead, result);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Elenco_Tavoli.lst"_s);
    if (kind == u"file")
        QVERIFY(WriteBytes(path, bytes));
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(u"Elenco_Tavoli.lst"_s));

    const ReadRules rules{MaxListFileBytes, empty};
    QByteArray read("<untouched>");
    QCOMPARE(ReadSharedFile(path, &read, rules), result);
    if (result == SharedRead::Read)
        QCOMPARE(read, bytes);
    const Result<QStringList> readLines = ReadTextFileLines(path, rules);
    QCOMPARE(readLines.ok(), result == SharedRead::Read);
    if (result == SharedRead::Read)
        QCOMPARE(*readLines, lines);
}

void TestSharedSaves::endsInsideLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("inside");

    const auto bytes = [](const char* text, int size) { return QByteArray(text, size); };
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("ANSI, CR LF") << QByteArray("a\r\nb\r\n") << false;
    QTest::newRow("ANSI, lone CR") << QByteArray("a\r") << false;
    QTest::newRow("ANSI, lone LF") << QByteArray("a\n") << false;
    QTest::newRow("ANSI, inside a line") << QByteArray("a\r\nb") << true;
    QTest::newRow("UTF-8, inside a line") << QByteArray("\xEF\xBB\xBF"
                                                        "caff\xC3\xA8")
                                          << true;
    QTest::newRow("UTF-16 LE, CR LF") << bytes("\xFF\xFE"
                                               "a\0\r\0\n\0",
                                               8)
                                      << false;
    QTest::newRow("UTF-16 LE, inside a line") << bytes("\xFF\xFE"
                                                       "a\0b\0",
                                                       6)
                                              << true;
    QTest::newRow("UTF-16 BE, CR LF") << bytes("\xFE\xFF"
                                               "\0a\0\r\0\n",
                                               8)
                                      << false;
    QTest::newRow("UTF-16 BE, inside a line") << bytes("\xFE\xFF"
                                                       "\0a\0b",
                                                       6)
                                              << true;
    QTest::newRow("UTF-16 LE, cut between the two bytes of its CR") << bytes("\xFF\xFE"
                                                                             "a\0\r",
                                                                             5)
                                                                    << true;
    QTest::newRow("UTF-16 BE, ending in U+010D") << bytes("\xFE\xFF"
                                                          "\0a\x01\x0D",
                                                          6)
                                                 << true;
    QTest::newRow("UTF-16 LE, ending in U+0D15") << bytes("\xFF\xFE"
                                                          "a\0\x15\x0D",
                                                          6)
                                                 << true;
}

void TestSharedSaves::endsInsideLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, inside);
    // A UTF-16 file is judged by its last whole code unit: a lone byte of a
    // CR, or a character with a 0x0A or 0x0D byte, is no line break.
    QVERIFY2(EndsInsideLine(bytes) == inside,
             inside ? "a file cut inside a line is taken for a whole file"
                    : "a whole file is taken for one cut inside a line");
}

// --- two editors of one list ----------------------------------------------------

void TestSharedSaves::mergeListChanges_data() {
    QTest::addColumn<QStringList>("base");
    QTest::addColumn<QStringList>("ours");
    QTest::addColumn<QStringList>("theirs");
    QTest::addColumn<QStringList>("merged");

    using L = QStringList;
    QTest::newRow("no change anywhere")
        << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s};
    QTest::newRow("only theirs changed: their list")
        << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"c"_s} << L{u"a"_s, u"c"_s};
    QTest::newRow("only ours changed: our list")
        << L{u"a"_s, u"b"_s} << L{u"d"_s, u"a"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"d"_s};
    QTest::newRow("both add different lines")
        << L{u"b"_s} << L{u"b"_s, u"c"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("both add the same line: two copies, one from each waiter")
        << L{u"a"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s, u"b"_s};
    QTest::newRow("they remove a line we kept: gone")
        << L{u"a"_s, u"b"_s, u"c"_s} << L{u"a"_s, u"b"_s, u"c"_s} << L{u"a"_s, u"c"_s}
        << L{u"a"_s, u"c"_s};
    QTest::newRow("we remove a line they kept: gone")
        << L{u"a"_s, u"b"_s, u"c"_s} << L{u"a"_s, u"c"_s} << L{u"a"_s, u"b"_s, u"c"_s}
        << L{u"a"_s, u"c"_s};
    QTest::newRow("both remove the same line: gone once, nothing else with it")
        << L{u"a"_s, u"b"_s, u"c"_s} << L{u"a"_s, u"c"_s} << L{u"a"_s, u"c"_s} << L{u"a"_s, u"c"_s};
    QTest::newRow("we remove one of two copies, they keep both: one stays")
        << L{u"a"_s, u"a"_s, u"b"_s} << L{u"a"_s, u"b"_s} << L{u"a"_s, u"a"_s, u"b"_s}
        << L{u"a"_s, u"b"_s};
    // As two additions of one line give two copies, two removals of one of
    // two copies take both: each waiter's change counts once.
    QTest::newRow("both remove one of two copies: each removal counts, none stays")
        << L{u"a"_s, u"a"_s} << L{u"a"_s} << L{u"a"_s} << L{};
    QTest::newRow("we change a price while they add a line")
        << L{u"Acqua 1,50"_s, u"Vino 5,00"_s} << L{u"Acqua 2,00"_s, u"Vino 5,00"_s}
        << L{u"Acqua 1,50"_s, u"Birra 3,00"_s, u"Vino 5,00"_s}
        << L{u"Acqua 2,00"_s, u"Birra 3,00"_s, u"Vino 5,00"_s};
    QTest::newRow("they change a price of a line we removed: their new line stays")
        << L{u"Acqua 1,50"_s, u"Vino 5,00"_s} << L{u"Vino 5,00"_s}
        << L{u"Acqua 2,00"_s, u"Vino 5,00"_s} << L{u"Acqua 2,00"_s, u"Vino 5,00"_s};
    QTest::newRow("both change one price: both new lines, the old one gone")
        << L{u"Acqua 1,50"_s} << L{u"Acqua 2,00"_s} << L{u"Acqua 1,80"_s}
        << L{u"Acqua 1,80"_s, u"Acqua 2,00"_s};
    QTest::newRow("we remove every line while they add one: theirs alone stays")
        << L{u"a"_s, u"b"_s} << L{} << L{u"a"_s, u"b"_s, u"c"_s} << L{u"c"_s};
    QTest::newRow("list created meanwhile: all its lines and ours")
        << L{} << L{u"Margherita"_s} << L{u"Diavola"_s, u"Bufala"_s, u"Marinara"_s}
        << L{u"Bufala"_s, u"Diavola"_s, u"Margherita"_s, u"Marinara"_s};
    // Only a to z fold (to capitals, so "_" follows the letters); accented
    // letters keep their code and case.
    QTest::newRow("list order: a to z folded, nothing else")
        << L{} << L{u"èrba"_s, u"_bar"_s, u"Èrba"_s} << L{u"Zeta"_s, u"alfa"_s}
        << L{u"alfa"_s, u"Zeta"_s, u"_bar"_s, u"Èrba"_s, u"èrba"_s};
    QTest::newRow("an added line after the lines equal to it, theirs in their order")
        << L{u"spritz"_s, u"Aperol"_s} << L{u"spritz"_s, u"Aperol"_s, u"Spritz"_s}
        << L{u"spritz"_s, u"Aperol"_s, u"SPRITZ"_s}
        << L{u"Aperol"_s, u"spritz"_s, u"SPRITZ"_s, u"Spritz"_s};
}

void TestSharedSaves::mergeListChanges() {
    QFETCH(QStringList, base);
    QFETCH(QStringList, ours);
    QFETCH(QStringList, theirs);
    QFETCH(QStringList, merged);
    QCOMPARE(MergeListChanges(base, ours, theirs), merged);
}

void TestSharedSaves::twoEditorsKeepBothChanges() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ProgramFolderOf folder(dir.path());
    const QString path = ListFilePath(Pizze());
    const QStringList original{PriceLine(u"Marinara"_s, u"5,00"_s),
                               PriceLine(u"Capricciosa"_s, u"8,00"_s),
                               PriceLine(u"Margherita"_s, u"6,00"_s)};
    QVERIFY(WriteListFile(path, original));
    PriceListDocument a(Pizze());
    PriceListDocument b(Pizze());
    QCOMPARE(a.load(), SharedRead::Read);
    QCOMPARE(b.load(), SharedRead::Read);

    QVERIFY(a.add(u"Diavola"_s, u"7,00"_s).outcome == AddOutcome::Added);
    QVERIFY(a.removeAt(RowOf(a, PriceLine(u"Marinara"_s, u"5,00"_s))));
    QVERIFY(a.save());
    QVERIFY(b.add(u"Bufala"_s, u"9,50"_s).outcome == AddOutcome::Added);
    QVERIFY(b.save());

    const Result<QStringList> read = ReadListFile(path);
    QVERIFY(read);
    const QStringList& lines = *read;
    QVERIFY2(lines == (QStringList{PriceLine(u"Bufala"_s, u"9,50"_s),
                                   PriceLine(u"Capricciosa"_s, u"8,00"_s),
                                   PriceLine(u"Diavola"_s, u"7,00"_s),
                                   PriceLine(u"Margherita"_s, u"6,00"_s)}),
             qPrintable(u"one editor's changes were lost or undone by the other's save: "_s +
                        lines.join(u" | "_s)));
    QVERIFY2(!QFileInfo::exists(path + u".lock"_s), "a save left its lock file behind");
}

void TestSharedSaves::oneEditorWritesItsLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("add");    // names, each with the price 5,00
    QTest::addColumn<QStringList>("remove"); // lines as read

    const QByteArray list = "Marinara" + QByteArray(42, ' ') + "  \x80 5,00\r\n" + "Amatriciana" +
                            QByteArray(39, ' ') + "  \x80 9,00\r\n";
    QTest::newRow("nothing changed") << list << QStringList() << QStringList();
    QTest::newRow("a line added") << list << QStringList{u"Bufala"_s} << QStringList();
    QTest::newRow("a line removed")
        << list << QStringList() << QStringList{PriceLine(u"Marinara"_s, u"5,00"_s)};
    QTest::newRow("every line removed: an empty file")
        << list << QStringList()
        << QStringList{PriceLine(u"Marinara"_s, u"5,00"_s), PriceLine(u"Amatriciana"_s, u"9,00"_s)};
    QTest::newRow("lines differing only in case added, a line removed")
        << list << QStringList{u"MARINARA"_s, u"marinara"_s}
        << QStringList{PriceLine(u"Amatriciana"_s, u"9,00"_s)};
    QTest::newRow("unsorted, padded file with a blank line and no final break")
        << QByteArray("  Zuppa  \r\n\r\nacqua\r\nBirra") << QStringList{u"Acqua"_s}
        << QStringList{u"Birra"_s};
}

// With nobody else saving, the file is the editor's lines as they are, byte
// for byte, whatever the merge would make of them.
void TestSharedSaves::oneEditorWritesItsLines() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, add);
    QFETCH(QStringList, remove);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ProgramFolderOf folder(dir.path());
    const QString path = ListFilePath(Pizze());
    QVERIFY(WriteBytes(path, file));
    PriceListDocument document(Pizze());
    QCOMPARE(document.load(), SharedRead::Read);
    for (const QString& name : add)
        QVERIFY(document.add(name, u"5,00"_s).outcome == AddOutcome::Added);
    for (const QString& line : remove)
        QVERIFY2(document.removeAt(RowOf(document, line)), qPrintable(line));

    QVERIFY(document.save());
    QCOMPARE(ReadBytes(path), EncodeTextFileLines(document.lines()));
}

void TestSharedSaves::listCreatedMeanwhileKeepsItsLines() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ProgramFolderOf folder(dir.path());
    const QString path = ListFilePath(TableListEntry());
    PriceListDocument document(TableListEntry());
    QVERIFY2(document.load() != SharedRead::Read, "a missing list read as a list");
    QVERIFY(document.add(u"Tavolo 4"_s).outcome == AddOutcome::Added);
    QVERIFY(WriteListFile(path, {u"Veranda"_s, u"Tavolo 1"_s, u"Giardino"_s}));

    QVERIFY(document.save());
    const Result<QStringList> read = ReadListFile(path);
    QVERIFY(read);
    const QStringList& lines = *read;
    QVERIFY2(lines == (QStringList{u"Giardino"_s, u"Tavolo 1"_s, u"Tavolo 4"_s, u"Veranda"_s}),
             qPrintable(u"the list another station created meanwhile lost lines: "_s +
                        lines.join(u" | "_s)));
}

// The editor's own earlier save is no other station's change: saved again,
// the document writes its lines once more, not its additions a second time.
void TestSharedSaves::documentSavedTwiceWritesItsLinesOnce() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ProgramFolderOf folder(dir.path());
    const QString path = ListFilePath(TableListEntry());
    QVERIFY(WriteListFile(path, {u"Tavolo 1"_s}));
    PriceListDocument document(TableListEntry());
    QCOMPARE(document.load(), SharedRead::Read);
    QVERIFY(document.add(u"Tavolo 2"_s).outcome == AddOutcome::Added);

    QVERIFY(document.save());
    QVERIFY(document.save());

    const Result<QStringList> read = ReadListFile(path);
    QVERIFY(read);
    const QStringList& lines = *read;
    QVERIFY2(lines == (QStringList{u"Tavolo 1"_s, u"Tavolo 2"_s}),
             qPrintable(u"a second save of one document added its lines again: "_s +
                        lines.join(u" | "_s)));
}

// --- the archive browser's rows -----------------------------------------------

void TestSharedSaves::compareArchiveNames_data() {
    // The names' bytes, in Latin-1 (NamesOf).
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("now");
    QTest::addColumn<int>("gone");  // how many rows went
    QTest::addColumn<int>("added"); // how many came

    using L = QStringList;
    const L three{u"Comanda A.eur"_s, u"Comanda B.eur"_s, u"Comanda C.eur"_s};
    QTest::newRow("identical") << three << three << 0 << 0;
    QTest::newRow("both empty") << L{} << L{} << 0 << 0;
    QTest::newRow("one added in the middle")
        << three
        << L{u"Comanda A.eur"_s, u"Comanda AB.eur"_s, u"Comanda B.eur"_s, u"Comanda C.eur"_s} << 0
        << 1;
    QTest::newRow("one gone at the start")
        << three << L{u"Comanda B.eur"_s, u"Comanda C.eur"_s} << 1 << 0;
    QTest::newRow("one gone at the end, one added at the start")
        << three << L{u"Comanda 0.eur"_s, u"Comanda A.eur"_s, u"Comanda B.eur"_s} << 1 << 1;
    QTest::newRow("every name replaced")
        << three << L{u"Comanda D.eur"_s, u"Comanda E.eur"_s} << 3 << 2;
    QTest::newRow("a name in another case is another name")
        << L{u"comanda a.eur"_s} << L{u"Comanda A.eur"_s} << 1 << 1;
    // Not UTF-8: both show the same text, the bytes tell the files apart.
    QTest::newRow("a name showing the same text as another added")
        << L{u"caff\u00E8.eur"_s} << L{u"caff\u00E8.eur"_s, u"caff\u00E9.eur"_s} << 0 << 1;
    QTest::newRow("a name replaced by one showing the same text")
        << L{u"caff\u00E8.eur"_s} << L{u"caff\u00E9.eur"_s} << 1 << 1;
    QTest::newRow("a copy of a name gone")
        << L{u"A.eur"_s, u"A.eur"_s, u"B.eur"_s} << L{u"A.eur"_s, u"B.eur"_s} << 1 << 0;
    QTest::newRow("a copy of a name added")
        << L{u"A.eur"_s, u"B.eur"_s} << L{u"A.eur"_s, u"B.eur"_s, u"B.eur"_s} << 0 << 1;
    QTest::newRow("empty to many") << L{} << three << 0 << 3;
    QTest::newRow("many to empty") << three << L{} << 3 << 0;
}

void TestSharedSaves::compareArchiveNames() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, now);
    QFETCH(int, gone);
    QFETCH(int, added);
    const ArchiveChange change = CompareArchiveNames(NamesOf(before), NamesOf(now));

    QCOMPARE(FilesOf(change.names), FilesOf(NamesOf(now)));
    QCOMPARE(change.gone.size(), gone);
    QCOMPARE(change.added.size(), added);
    QVERIFY2(std::is_sorted(change.gone.cbegin(), change.gone.cend()) &&
                 std::adjacent_find(change.gone.cbegin(), change.gone.cend()) == change.gone.cend(),
             "gone rows not ascending: the window removes the wrong rows");
    QVERIFY2(std::is_sorted(change.added.cbegin(), change.added.cend()) &&
                 std::adjacent_find(change.added.cbegin(), change.added.cend()) ==
                     change.added.cend(),
             "added rows not ascending: the window inserts at the wrong rows");
    // The window's rows moved one run at a time, as a view sees them: each
    // row taken out or put in where the model says, read as it goes in.
    ArchiveListModel model;
    model.setNames(NamesOf(before));
    QList<QByteArray> shown = FilesOf(model.names());
    bool outside = false;
    connect(&model, &QAbstractItemModel::rowsRemoved, this,
            [&](const QModelIndex&, int first, int last) {
                outside = outside || first < 0 || last >= shown.size();
                if (!outside)
                    shown.remove(first, last - first + 1);
            });
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [&](const QModelIndex&, int first, int last) {
                outside = outside || first < 0 || first > shown.size() || last >= model.rowCount();
                for (int row = first; !outside && row <= last; ++row)
                    shown.insert(row, model.names().file(row).toByteArray());
            });
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.follow(change, std::numeric_limits<int>::max());
    QVERIFY2(!outside, "a row taken out or put in outside the list");
    QCOMPARE(resets.count(), 0);
    QVERIFY2(shown == FilesOf(NamesOf(now)),
             qPrintable(u"the window's rows after the change are not the folder's files: "_s +
                        QString::fromLatin1(shown.join(" | "))));
    QCOMPARE(FilesOf(model.names()), FilesOf(NamesOf(now)));
}

QTEST_GUILESS_MAIN(TestSharedSaves)
#include "test_shared_saves.moc"
