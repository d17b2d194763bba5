#include "archive/ArchiveListing.h"

#include "platform/AtomicSave.h"
#include "platform/ProgramFolder.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The archive files of the folder in the order the file system gives them,
// straight from readdir, whose entries carry their type: only entries of
// unknown type are looked at one by one (with lstat, so a link stays a
// link).
ArchiveNames UnsortedArchiveNames(const QString& folder) {
    ArchiveNames names;
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
        if (isFile)
            names.append(QByteArrayView(entry->d_name, qsizetype(length)));
    }
    closedir(dir);
    return names;
}

// Appends the name's shown text with its letters in one case, in UTF-8, for
// ordering. Names of plain ASCII, nearly all of them, are folded byte by
// byte without being decoded.
void AppendFoldedKey(QByteArrayView file, QByteArray* keys) {
    const bool ascii = std::all_of(file.begin(), file.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        keys->append(QString::fromLocal8Bit(file).toCaseFolded().toUtf8());
        return;
    }
    const qsizetype at = keys->size();
    keys->resize(at + file.size());
    char* folded = keys->data() + at;
    for (const char c : file)
        *folded++ = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// One name to sort: where its key lies, and the first eight bytes of the key
// past what every key begins with ("comanda al tavolo "), big-endian, so
// that most comparisons are one of two integers.
struct SortEntry {
    quint64 head;
    quint32 keyOffset;
    quint32 keyLength;
    quint32 row;
};

quint64 HeadOf(const char* key, qsizetype length) {
    quint64 head = 0;
    for (qsizetype i = 0; i < 8; ++i)
        head = head << 8 | (i < length ? static_cast<unsigned char>(key[i]) : 0u);
    return head;
}

// Negative, zero or positive as a sorts before, with or after b.
int CompareBytes(const char* a, qsizetype aLength, const char* b, qsizetype bLength) {
    if (const int byBytes = std::memcmp(a, b, size_t(std::min(aLength, bLength))))
        return byBytes;
    return aLength < bLength ? -1 : aLength > bLength ? 1 : 0;
}

} // namespace

ArchiveNames ListArchiveNames(const QString& folder) {
    // One unsorted pass over the folder, a key folded once per name, then
    // one sort.
    ArchiveNames names = UnsortedArchiveNames(folder);
    const qsizetype count = names.size();
    if (count < 2)
        return names;
    QByteArray keys;
    std::vector<SortEntry> entries(static_cast<size_t>(count));
    for (qsizetype row = 0; row < count; ++row) {
        const qsizetype offset = keys.size();
        AppendFoldedKey(names.file(row), &keys);
        entries[size_t(row)] = {0, quint32(offset), quint32(keys.size() - offset), quint32(row)};
    }
    // What every key begins with adds nothing to their order.
    qsizetype common = entries[0].keyLength;
    const char* first = keys.constData() + entries[0].keyOffset;
    for (const SortEntry& entry : entries) {
        const char* key = keys.constData() + entry.keyOffset;
        common =
            std::mismatch(first, first + std::min<qsizetype>(common, entry.keyLength), key).first -
            first;
    }
    for (SortEntry& entry : entries)
        entry.head = HeadOf(keys.constData() + entry.keyOffset + common, entry.keyLength - common);
    const qsizetype rest = common + 8;
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const char* base = keys.constData();
        if (const int byKey =
                CompareBytes(base + a.keyOffset + std::min<qsizetype>(rest, a.keyLength),
                             std::max<qsizetype>(0, a.keyLength - rest),
                             base + b.keyOffset + std::min<qsizetype>(rest, b.keyLength),
                             std::max<qsizetype>(0, b.keyLength - rest)))
            return byKey < 0;
        // Names that differ only in case, or in bytes the text cannot show,
        // keep one order on every station: that of their bytes.
        const QByteArrayView aFile = names.file(a.row);
        const QByteArrayView bFile = names.file(b.row);
        return CompareBytes(aFile.data(), aFile.size(), bFile.data(), bFile.size()) < 0;
    });
    keys = QByteArray();
    QVector<quint32> order;
    order.reserve(count);
    for (const SortEntry& entry : entries)
        order.append(entry.row);
    names.reorder(order);
    return names;
}

QStringList ListOrderArchivesIn(const QString& folder) {
    const ArchiveNames names = ListArchiveNames(folder);
    QStringList shown;
    shown.reserve(names.size());
    for (qsizetype row = 0; row < names.size(); ++row)
        shown.append(names.shown(row));
    return shown;
}

QStringList ListOrderArchives() {
    return ListOrderArchivesIn(ProgramFolder());
}
