#include "archive/OrderArchive.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxPathLength = 259;

QString Piece(const QString& text, int from, int length) {
    return TrimBlanks(text.mid(from, length));
}

// Characters no station of the shared folder accepts in a file name; refusing
// them also keeps every name inside the program folder.
bool IsPortableFileName(const QString& name) {
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c))
            return false;
    }
    return !name.isEmpty();
}

} // namespace

QString ArchiveFileName(const QString& table, const QString& date, const QString& time) {
    return u"Comanda al tavolo "_s + TrimBlanks(table) + u" del giorno "_s + Piece(date, 0, 2) +
           u'.' + Piece(date, 3, 2) + u'.' + Piece(date, 6, 4) + u" alle ore "_s +
           Piece(time, 0, 2) + u'.' + Piece(time, 3, 2) + u'.' + Piece(time, 6, 2) + u".eur"_s;
}

std::optional<QString> SaveOrderArchive(const QString& fileName, const QStringList& lines) {
    const QString path = ProgramFolder() + fileName;
    std::optional<QString> refusal;
    if (!IsPortableFileName(fileName))
        refusal = u"The name holds a character no station accepts in a file name"_s;
    else if (path.size() > MaxPathLength)
        refusal = u"The path is longer than %1 characters"_s.arg(MaxPathLength);
    if (refusal) {
        qWarning("Cannot save %ls: %ls", qUtf16Printable(QDir::toNativeSeparators(path)),
                 qUtf16Printable(*refusal));
        return refusal;
    }
    return WriteTextFileLines(path, lines);
}

QStringList ListOrderArchives() {
    QDir folder(ProgramFolder());
    folder.setNameFilters({QStringLiteral("*.eur")});
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    return folder.entryList();
}

bool LoadOrderArchive(const QString& path, QStringList* lines) {
    return ReadTextFileLines(path, lines);
}

bool DeleteOrderArchive(const QString& path) {
    const QFileInfo info(path);
    // A read-only ticket stays, as it does on the stations sharing the folder.
    if (!info.isFile() || !(info.permissions() & QFile::WriteOwner))
        return false;
    return QFile::remove(path);
}
