// Every save of the program on a target it cannot replace: a file-size limit
// of a few bytes (a full disk, as far as the save can tell), a read-only file,
// a folder in the file's place. Each save reports its failure, the previous
// file stays whole and nothing is left beside it.
#include "access/PasswordStore.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceListDocument.h"
#include "catalogue/PriceText.h"
#include "output/MailSettings.h"
#include "platform/AtomicSave.h"
#include "platform/Formatting.h"
#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "tickets/OrderArchive.h"

#include "TestFiles.h"

#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A file-size limit in force while it lives, with SIGXFSZ ignored so that a
// write past the limit fails (EFBIG) instead of ending the process. Kept to
// the save itself: the limit stops the test's own writes too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &previous_) != 0)
            return;
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

constexpr rlim_t FewBytes = 16;

// A failure reported with its reason.
template <typename T> bool Refused(const Result<T>& saved) {
    return !saved && !saved.error().isEmpty();
}

const QString OldPassword = u"bruschettavolo"_s;

// One saver of the program: the file it writes in the program folder, what
// that file holds before, the save (true when it reports its failure), and
// whether the old content still reads as it did. Some savers need a step
// once the file is in place (`prepare`, true when done) or a larger size
// limit, to fail where they are meant to.
struct Saver {
    QString fileName;
    QByteArray before;
    std::function<bool()> reportsFailure;
    std::function<bool()> oldContentReads;
    std::function<bool()> prepare = [] { return true; };
    rlim_t sizeLimit = FewBytes;
};

// Combinations of the table a saver cannot meet, and why.
struct Unfit {
    const char* saver;
    const char* failure;
    const char* reason;
};
constexpr Unfit UnfitCombinations[] = {
    {"new archive ticket", "read-only",
     "a new ticket never replaces a file: it takes the next free second"},
    {"new archive ticket", "folder",
     "a new ticket never replaces a folder: it takes the next free second"},
    {"merged price list", "folder",
     "a folder in the list's place was never loaded nor saved by another station: there is "
     "nothing to merge (the document's save over a folder is in the document's tests)"},
};

bool IsUnfit(const char* saver, const char* failure) {
    return std::any_of(
        std::begin(UnfitCombinations), std::end(UnfitCombinations), [&](const Unfit& unfit) {
            return qstrcmp(unfit.saver, saver) == 0 && qstrcmp(unfit.failure, failure) == 0;
        });
}

// The merged price list: the list as another station saved it, long enough
// that the size limit stops it while the lock file fits. The editor loaded
// the first half and added a line, so only the merged list is too long: a
// document writing its own lines alone would get through.
constexpr rlim_t MergedListLimit = 4096;

QStringList OtherStationsList() {
    QStringList lines;
    for (int k = 0; k < 80; ++k)
        lines.append(
            TrimBlanks(FormatPriceListLine(u"Pizza %1"_s.arg(k, 2, 10, QChar(u'0')), u"8,50"_s)));
    return lines;
}

Saver SaverNamed(const QString& name) {
    if (name == u"list file") {
        const QString path = ListFilePath(TableListEntry());
        return {
            QFileInfo(path).fileName(), "Tavolo 1\r\nTavolo 2\r\n",
            [path] {
                return Refused(WriteListFile(path, {u"Tavolo 1"_s, u"Tavolo 2"_s, u"Tavolo 3"_s}));
            },
            [path] {
                const Result<QStringList> lines = ReadListFile(path);
                return lines && *lines == QStringList{u"Tavolo 1"_s, u"Tavolo 2"_s};
            }};
    }
    if (name == u"archive ticket") {
        const QString fileName = ArchiveFileName(u"5"_s, u"12/03/2024"_s, u"20:15:33"_s);
        return {fileName, "2   Spritz  \x80 14,00\r\n",
                [fileName] {
                    return Refused(SaveOrderArchive(
                        fileName, {u"2   Spritz  € 14,00"_s, u"1   Acqua  € 1,50"_s}));
                },
                [fileName] {
                    const Result<QStringList> lines = LoadOrderArchive(ProgramFolder() + fileName);
                    return lines && *lines == QStringList{u"2   Spritz  € 14,00"_s};
                }};
    }
    if (name == u"INI value") {
        const QString path = ProgramFolder() + u"Orbisala.ini"_s;
        return {
            u"Orbisala.ini"_s, "[Stampa]\r\nCopie=1\r\n",
            [path] { return Refused(WriteProfileString(path, u"Stampa"_s, u"Copie"_s, u"2"_s)); },
            [path] {
                const Result<QString> value = ReadProfileString(path, u"Stampa"_s, u"Copie"_s);
                return value && *value == u"1"_s;
            }};
    }
    if (name == u"password store") {
        return {u"unins000.dll"_s, PasswordStoreContent(OldPassword),
                [] {
                    return ChangePassword(OldPassword, u"nuova"_s, u"nuova"_s) ==
                           PasswordChange::Error;
                },
                [] {
                    return CheckPassword(OldPassword) == PasswordCheck::Accepted &&
                           CheckPassword(u"nuova"_s) == PasswordCheck::Wrong;
                }};
    }
    if (name == u"new archive ticket") {
        // Another station's ticket holds the moment's name: the new one moves
        // on to the next second and fails there.
        const QDateTime moment(QDate(2024, 3, 12), QTime(20, 15, 33));
        const QString taken =
            ArchiveFileName(u"5"_s, ShortDateText(moment.date()), TimeText(moment.time()));
        return {taken, "1   Acqua  \x80 1,50\r\n",
                [moment] {
                    return Refused(SaveNewOrderArchive(
                        u"5"_s, moment, {u"2   Spritz  € 14,00"_s, u"1   Tiramisù  € 5,00"_s}));
                },
                [taken] {
                    const Result<QStringList> lines = LoadOrderArchive(ProgramFolder() + taken);
                    return lines && *lines == QStringList{u"1   Acqua  € 1,50"_s};
                }};
    }
    if (name == u"merged price list") {
        const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
        const QString path = ListFilePath(entry);
        const QStringList theirs = OtherStationsList();
        const auto document = std::make_shared<PriceListDocument>(entry);
        Saver saver{QFileInfo(path).fileName(), EncodeTextFileLines(theirs),
                    [document] {
                        const Result<void> saved = document->save();
                        // Refused by the write of the merged list, not by the lock
                        // or the list's second read.
                        return Refused(saved) && (saved.error() == qt_error_string(EFBIG) ||
                                                  saved.error() == u"The file is read-only"_s);
                    },
                    [path, theirs] {
                        const Result<QStringList> lines = ReadListFile(path);
                        return lines && *lines == theirs;
                    }};
        // The document loaded the list before the other station saved its
        // version over it. A read-only target is read-only again afterwards,
        // its mode set back by its bits: QFile's permissions would carry this
        // account's own write permission and clear the mark.
        saver.prepare = [document, path, theirs] {
            const QByteArray saved = ReadBytes(path);
            const QByteArray name = QFile::encodeName(path);
            struct stat info;
            const bool loaded = ::stat(name.constData(), &info) == 0 &&
                                ::chmod(name.constData(), info.st_mode | S_IWUSR) == 0 &&
                                WriteBytes(path, EncodeTextFileLines(theirs.mid(0, 40))) &&
                                document->load() == SharedRead::Read && WriteBytes(path, saved) &&
                                ::chmod(name.constData(), info.st_mode & 07777) == 0;
            return loaded && document->add(u"Diavola"_s, u"7,00"_s).outcome == AddOutcome::Added;
        };
        saver.sizeLimit = MergedListLimit;
        return saver;
    }
    return {u"Orbisala.ini"_s, "[Destinatari Comande]\r\nIndirizzi Email=cucina@trattoria.it\r\n",
            [] { return Refused(WriteMailRecipients(u"cassa@trattoria.it"_s)); },
            [] { return ReadMailRecipients() == u"cucina@trattoria.it"_s; }};
}

// Takes at most `capacity` bytes in all and `chunk` bytes a call, then fails
// as a full disk does.
class FailingDevice : public QIODevice {
public:
    FailingDevice(qint64 capacity, qint64 chunk) : capacity_(capacity), chunk_(chunk) {
        open(QIODevice::WriteOnly);
    }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = capacity_ - taken.size();
        if (room <= 0) {
            setErrorString(u"No space left on device"_s);
            return -1;
        }
        const qint64 count = std::min({size, room, chunk_});
        taken.append(data, count);
        return count;
    }

private:
    qint64 capacity_;
    qint64 chunk_;
};

} // namespace

class TestSaves : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void sizeLimitReportedWithSystemText();
    void writeWholeBytes_data();
    void writeWholeBytes();
};

void TestSaves::cleanup() {
    SetProgramFolder(QString());
}

void TestSaves::failedSaveKeepsOldFile_data() {
    QTest::addColumn<QString>("saver");
    QTest::addColumn<QString>("failure");
    for (const char* saver : {"list file", "archive ticket", "new archive ticket", "INI value",
                              "password store", "e-mail recipients", "merged price list"})
        for (const char* failure : {"file size limit", "read-only", "folder"})
            if (!IsUnfit(saver, failure))
                QTest::addRow("%s, %s", saver, failure)
                    << QString::fromLatin1(saver) << QString::fromLatin1(failure);
}

void TestSaves::failedSaveKeepsOldFile() {
    QFETCH(QString, saver);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const Saver save = SaverNamed(saver);
    const bool sizeLimit = failure == u"file size limit";
    QString path = dir.filePath(save.fileName);
    if (sizeLimit)
        QVERIFY(WriteBytes(path, save.before));
    else
        path = FailingTarget(dir, save.fileName, failure, save.before);
    QVERIFY(save.prepare());

    bool reported = false;
    if (sizeLimit) {
        const FileSizeLimit limit(save.sizeLimit);
        QVERIFY(limit.active());
        reported = save.reportsFailure();
    } else {
        reported = save.reportsFailure();
    }
    QVERIFY2(reported, "a save that did not happen must say so");
    QVERIFY2(TargetUntouched(dir, path, failure, save.before),
             "a failed save must leave the old file whole and nothing beside it");
    QVERIFY2(FolderEntries(dir.path()) == QStringList{save.fileName},
             qPrintable(u"a failed save left entries in the folder: "_s +
                        FolderEntries(dir.path()).join(u", "_s)));
    if (failure != u"folder")
        QVERIFY2(save.oldContentReads(), "the old content must still read as before");
}

// The reason is the system's own, returned and logged; the next save, with
// room, goes through.
void TestSaves::sizeLimitReportedWithSystemText() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Elenco_Tavoli.lst"_s);
    const QByteArray before("Tavolo 1\r\n");
    QVERIFY(WriteBytes(path, before));
    const QByteArray bytes(64, 'x');
    const QString reason = qt_error_string(EFBIG);
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(u"Cannot save "_s + QDir::toNativeSeparators(path) + u": "_s + reason));

    Result<void> saved;
    {
        const FileSizeLimit limit(FewBytes);
        QVERIFY(limit.active());
        saved = WriteFileAtomically(path, bytes);
    }
    QCOMPARE(saved ? u"<saved>"_s : saved.error(), reason);
    QCOMPARE(ReadBytes(path), before);
    QCOMPARE(FolderEntries(dir.path()), QStringList{u"Elenco_Tavoli.lst"_s});

    QVERIFY(WriteFileAtomically(path, bytes));
    QCOMPARE(ReadBytes(path), bytes);
}

void TestSaves::writeWholeBytes_data() {
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<qint64>("chunk");
    QTest::addColumn<bool>("written");

    QTest::newRow("all in one call") << qint64(100) << qint64(100) << true;
    QTest::newRow("short writes go on") << qint64(100) << qint64(7) << true;
    QTest::newRow("full from the start") << qint64(0) << qint64(100) << false;
    QTest::newRow("full part-way") << qint64(10) << qint64(100) << false;
    QTest::newRow("full part-way after short writes") << qint64(10) << qint64(3) << false;
}

void TestSaves::writeWholeBytes() {
    QFETCH(qint64, capacity);
    QFETCH(qint64, chunk);
    QFETCH(bool, written);
    FailingDevice device(capacity, chunk);
    const QByteArray bytes("Tavolo 1\r\nTavolo 2\r\nTavolo 3\r\n");

    const Result<void> taken = WriteWholeBytes(device, bytes);
    QCOMPARE(taken ? u"<written>"_s : taken.error(),
             written ? u"<written>"_s : u"No space left on device"_s);
    QCOMPARE(device.taken, bytes.left(capacity));
}

QTEST_GUILESS_MAIN(TestSaves)
#include "test_saves.moc"
