#include "archive/OrderArchive.h"

#include "platform/AtomicSave.h"
#include "platform/Formatting.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstring>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxPathLength = 259;
// How many later seconds a new ticket may move to when its name is taken:
// far more than the stations of one dining room take in one second.
constexpr int MaxLaterSeconds = 3600;

QString Piece(const QString& text, int from, int length) {
    return TrimBlanks(text.mid(from, length));
}

// Characters no station of the shared folder accepts in a file name; refusing
// them also keeps every name inside the program folder. A lone surrogate
// would be stored under another name than the ticket's, and an invisible
// formatting character (a direction override among them) would show the
// browser a name that reads as another table's: both are refused too.
bool IsPortableFileName(const QString& name) {
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c) ||
            c.category() == QChar::Other_Format)
            return false;
    }
    return !name.isEmpty() && name.isValidUtf16();
}

// The names in the folder ending in ".eur" in any case, folders left out,
// in the order the file system gives them. On POSIX systems straight from
// readdir, whose entries carry their type: only links and entries of unknown
// type are looked at one by one (QDirIterator builds file information for
// every entry, which doubles the pass).
QStringList UnsortedArchiveNames(const QString& folder) {
    QStringList names;
#ifdef Q_OS_UNIX
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        // The pass that lists the tickets also clears what killed saves left.
        if (IsSaveLeftoverName(entry->d_name)) {
            RemoveStaleSaveLeftover(dirfd(dir), entry->d_name);
            continue;
        }
        if (length < 4 || qstrnicmp(entry->d_name + length - 4, ".eur", 4) != 0)
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info;
            isFolder = fstatat(dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        if (!isFolder)
            names.append(QFile::decodeName(entry->d_name));
    }
    closedir(dir);
#else
    QDirIterator entries(folder, {u"*.eur"_s}, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        names.append(entries.fileName());
    }
#endif
    return names;
}

// The name with its letters in one case, for ordering. Plain ASCII letters
// are folded inline, which QString::toCaseFolded makes several times slower
// over twenty thousand names.
QString FoldedKey(const QString& name) {
    QString key(name.size(), Qt::Uninitialized);
    QChar* folded = key.data();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c < 0x80) {
            folded[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
            continue;
        }
        const char32_t one = QChar::toCaseFolded(char32_t(c));
        if (QChar::isSurrogate(c) || QChar::requiresSurrogates(one))
            return name.toCaseFolded();
        folded[i] = QChar(char16_t(one));
    }
    return key;
}

} // namespace

QString ArchiveFileName(const QString& table, const QString& date, const QString& time) {
    return u"Comanda al tavolo "_s + TrimBlanks(table) + u" del giorno "_s + Piece(date, 0, 2) +
           u'.' + Piece(date, 3, 2) + u'.' + Piece(date, 6, 4) + u" alle ore "_s +
           Piece(time, 0, 2) + u'.' + Piece(time, 3, 2) + u'.' + Piece(time, 6, 2) + u".eur"_s;
}

namespace {

// Why no ticket may be saved under the name, logged; empty when one may.
std::optional<QString> RefuseArchiveName(const QString& fileName) {
    const QString path = ProgramFolder() + fileName;
    std::optional<QString> refusal;
    if (!IsPortableFileName(fileName))
        refusal = u"The name holds a character no station accepts in a file name"_s;
    else if (path.size() > MaxPathLength)
        refusal = u"The path is longer than %1 characters"_s.arg(MaxPathLength);
    if (refusal)
        qWarning("Cannot save %ls: %ls", qUtf16Printable(QDir::toNativeSeparators(path)),
                 qUtf16Printable(*refusal));
    return refusal;
}

} // namespace

std::optional<QString> SaveOrderArchive(const QString& fileName, const QStringList& lines) {
    if (std::optional<QString> refusal = RefuseArchiveName(fileName))
        return refusal;
    return WriteTextFileLines(ProgramFolder() + fileName, lines);
}

std::optional<QString> SaveNewOrderArchive(const QString& table, QDateTime* moment,
                                           const QStringList& lines, QString* fileName) {
    const QByteArray bytes = EncodeTextFileLines(lines);
    QDateTime candidate = *moment;
    for (int second = 0; second < MaxLaterSeconds; ++second, candidate = candidate.addSecs(1)) {
        const QString name =
            ArchiveFileName(table, ShortDateText(candidate.date()), TimeText(candidate.time()));
        if (std::optional<QString> refusal = RefuseArchiveName(name))
            return refusal;
        QString error;
        switch (CreateFileAtomically(ProgramFolder() + name, bytes, &error)) {
        case CreateOutcome::Created:
            *moment = candidate;
            *fileName = name;
            return std::nullopt;
        case CreateOutcome::NameTaken:
            continue;
        case CreateOutcome::Failed:
            return error;
        }
    }
    const QString reason = u"Every name of the next %1 seconds is taken"_s.arg(MaxLaterSeconds);
    qWarning("Cannot save the ticket of table %ls: %ls", qUtf16Printable(table),
             qUtf16Printable(reason));
    return reason;
}

QStringList ListOrderArchives() {
    return ListOrderArchivesIn(ProgramFolder());
}

QStringList ListOrderArchivesIn(const QString& folder) {
    // One unsorted pass over the folder, then one sort on a key folded once
    // per name: sorting through QDir folds both names at every comparison.
    struct Entry {
        QString key;
        QString name;
    };
    std::vector<Entry> entries;
    for (QString& name : UnsortedArchiveNames(folder))
        entries.push_back({FoldedKey(name), std::move(name)});
    // Names that differ only in case keep one order on every station.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (const int byKey = a.key.compare(b.key))
            return byKey < 0;
        return a.name < b.name;
    });
    QStringList names;
    names.reserve(qsizetype(entries.size()));
    for (Entry& entry : entries)
        names.append(std::move(entry.name));
    return names;
}

bool LoadOrderArchive(const QString& path, QStringList* lines) {
    // A ticket holds a line at least: an empty one is being put in place.
    return ReadTextFileLines(path, lines, EmptyFile::Partial);
}

bool DeleteOrderArchive(const QString& path) {
    const QFileInfo info(path);
    // A read-only ticket stays, as it does on the stations sharing the folder.
    if (!info.isFile() || !(info.permissions() & QFile::WriteOwner))
        return false;
    return RemoveFileDurably(path);
}
