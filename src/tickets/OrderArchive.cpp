#include "tickets/OrderArchive.h"

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

} // namespace

QString ArchiveFileName(const QString& table, const QString& date, const QString& time) {
    return u"Comanda al tavolo "_s + TrimBlanks(table) + u" del giorno "_s + Piece(date, 0, 2) +
           u'.' + Piece(date, 3, 2) + u'.' + Piece(date, 6, 4) + u" alle ore "_s +
           Piece(time, 0, 2) + u'.' + Piece(time, 3, 2) + u'.' + Piece(time, 6, 2) + u".eur"_s;
}

namespace {

// Whether a ticket may be saved under the name; a refusal says why, logged.
Result<void> CheckArchiveName(const QString& fileName) {
    const QString path = ProgramFolder() + fileName;
    QString refusal;
    if (!IsPortableFileName(fileName))
        refusal = u"The name holds a character no station accepts in a file name"_s;
    else if (path.size() > MaxPathLength)
        refusal = u"The path is longer than %1 characters"_s.arg(MaxPathLength);
    else
        return {};
    qWarning("Cannot save %ls: %ls", qUtf16Printable(QDir::toNativeSeparators(path)),
             qUtf16Printable(refusal));
    return Failure{refusal};
}

} // namespace

Result<void> SaveOrderArchive(const QString& fileName, const QStringList& lines) {
    if (Result<void> allowed = CheckArchiveName(fileName); !allowed)
        return allowed;
    return WriteTextFileLines(ProgramFolder() + fileName, lines);
}

Result<SavedTicket> SaveNewOrderArchive(const QString& table, const QDateTime& moment,
                                        const QStringList& lines) {
    const QByteArray bytes = EncodeTextFileLines(lines);
    QDateTime candidate = moment;
    for (int second = 0; second < MaxLaterSeconds; ++second, candidate = candidate.addSecs(1)) {
        const QString name =
            ArchiveFileName(table, ShortDateText(candidate.date()), TimeText(candidate.time()));
        if (Result<void> allowed = CheckArchiveName(name); !allowed)
            return Failure{allowed.error()};
        QString error;
        switch (CreateFileAtomically(ProgramFolder() + name, bytes, &error)) {
        case CreateOutcome::Created:
            return SavedTicket{name, candidate};
        case CreateOutcome::NameTaken:
            continue;
        case CreateOutcome::Failed:
            return Failure{error};
        }
    }
    const QString reason = u"Every name of the next %1 seconds is taken"_s.arg(MaxLaterSeconds);
    qWarning("Cannot save the ticket of table %ls: %ls", qUtf16Printable(table),
             qUtf16Printable(reason));
    return Failure{reason};
}

QByteArray ArchiveFilePath(const ArchiveName& name) {
    return QFile::encodeName(ProgramFolder()) + name.file;
}

SharedRead LoadArchiveFile(const QByteArray& nativePath, QStringList* lines) {
    // A ticket holds a line at least: an empty one is being put in place.
    return ReadTextFileLines(nativePath, lines,
                             {MaxTicketFileBytes, EmptyFile::Partial, Links::Refuse});
}

Result<QStringList> LoadOrderArchive(const QString& path) {
    QStringList lines;
    if (const SharedRead read = LoadArchiveFile(QFile::encodeName(path), &lines);
        read != SharedRead::Read)
        return Failure{SharedReadError(read)};
    return lines;
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
