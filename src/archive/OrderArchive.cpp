#include "archive/OrderArchive.h"

#include "platform/AtomicSave.h"
#include "platform/Formatting.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

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

// The archive files of the folder in the order the file system gives them,
// straight from readdir, whose entries carry their type: only entries of
// unknown type are looked at one by one (with lstat, so a link stays a
// link).
QVector<ArchiveName> UnsortedArchiveNames(const QString& folder) {
    QVector<ArchiveName> names;
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
        bool isFile = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info;
            isFile = fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                     S_ISREG(info.st_mode);
        }
        if (isFile) {
            QByteArray file(entry->d_name, qsizetype(length));
            QString shown = QFile::decodeName(file);
            names.append({std::move(file), std::move(shown)});
        }
    }
    closedir(dir);
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

QVector<ArchiveName> ListArchiveNames(const QString& folder) {
    // One unsorted pass over the folder, then one sort on a key folded once
    // per name: sorting through QDir folds both names at every comparison.
    struct Entry {
        QString key;
        ArchiveName name;
    };
    std::vector<Entry> entries;
    for (ArchiveName& name : UnsortedArchiveNames(folder)) {
        QString key = FoldedKey(name.shown);
        entries.push_back({std::move(key), std::move(name)});
    }
    // Names that differ only in case, or only in bytes the text cannot
    // show, keep one order on every station.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (const int byKey = a.key.compare(b.key))
            return byKey < 0;
        if (const int byText = a.name.shown.compare(b.name.shown))
            return byText < 0;
        return a.name.file < b.name.file;
    });
    QVector<ArchiveName> names;
    names.reserve(qsizetype(entries.size()));
    for (Entry& entry : entries)
        names.append(std::move(entry.name));
    return names;
}

QStringList ListOrderArchivesIn(const QString& folder) {
    QStringList shown;
    for (const ArchiveName& name : ListArchiveNames(folder))
        shown.append(name.shown);
    return shown;
}

QStringList ListOrderArchives() {
    return ListOrderArchivesIn(ProgramFolder());
}

QByteArray ArchiveFilePath(const ArchiveName& name) {
    return QFile::encodeName(ProgramFolder()) + name.file;
}

SharedRead LoadArchiveFile(const QByteArray& nativePath, QStringList* lines) {
    // A ticket holds a line at least: an empty one is being put in place.
    return ReadTextFileLines(nativePath, lines,
                             {MaxTicketFileBytes, EmptyFile::Partial, Links::Refuse});
}

bool LoadOrderArchive(const QString& path, QStringList* lines) {
    return LoadArchiveFile(QFile::encodeName(path), lines) == SharedRead::Read;
}

bool DeleteArchiveFile(const QByteArray& nativePath) {
    struct stat info;
    // A read-only ticket stays, as it does on the stations sharing the folder.
    if (::lstat(nativePath.constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !(info.st_mode & S_IWUSR))
        return false;
    return RemoveFileDurably(nativePath);
}

bool ArchiveFileExists(const QByteArray& nativePath) {
    struct stat info;
    return ::lstat(nativePath.constData(), &info) == 0;
}

bool DeleteOrderArchive(const QString& path) {
    return DeleteArchiveFile(QFile::encodeName(path));
}
