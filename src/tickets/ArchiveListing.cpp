#include "tickets/ArchiveListing.h"

#include "platform/AtomicSave.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QtEndian>

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

// One name to sort, by its key: the shown text with its letters in one
// case, in UTF-8. Names of plain ASCII, nearly all of them, are their own key
// with the capitals folded as they are read; only the others have a key
// written out. `word` holds eight bytes of the key, big-endian, from the
// depth the sort has reached.
struct SortEntry {
    quint64 word;
    const char* key;
    quint32 length;
    quint32 row;
    bool foldCapitals;
};

constexpr qsizetype WordBytes = 8;

// The key's eight bytes from `depth`, big-endian, zeros past its end: no key
// holds a zero byte, so a key that ends sorts before any that goes on. The
// capitals of an ASCII key are folded all eight at once: a byte from 'A' to
// 'Z' is the one whose high bit adding 0x3F sets and adding 0x25 does not.
inline quint64 WordAt(const SortEntry& entry, qsizetype depth) {
    quint64 bytes = 0;
    const qsizetype left = qsizetype(entry.length) - depth;
    if (left >= WordBytes)
        std::memcpy(&bytes, entry.key + depth, WordBytes);
    else if (left > 0)
        std::memcpy(&bytes, entry.key + depth, size_t(left));
    if (entry.foldCapitals) {
        constexpr quint64 Ones = 0x0101010101010101ULL;
        const quint64 capitals = (bytes + 0x3F * Ones) & ~(bytes + 0x25 * Ones) & (0x80 * Ones);
        bytes |= capitals >> 2;
    }
    return qFromBigEndian(bytes);
}

bool EndsWithin(const SortEntry& entry, qsizetype depth) {
    return qsizetype(entry.length) <= depth + WordBytes;
}

// Negative, zero or positive as a sorts before, with or after b.
int CompareBytes(QByteArrayView a, QByteArrayView b) {
    if (const int byBytes = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size()))))
        return byBytes;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// Whether a sorts before b, their keys equal before `depth` and their words
// taken from there. Names whose keys are equal (they differ only in case, or
// only in bytes the text cannot show) keep one order on every station: that
// of their bytes.
bool SortsBefore(const SortEntry& a, const SortEntry& b, qsizetype depth,
                 const ArchiveNames& names) {
    quint64 aWord = a.word;
    quint64 bWord = b.word;
    while (aWord == bWord) {
        if (EndsWithin(a, depth))
            return CompareBytes(names.file(a.row), names.file(b.row)) < 0;
        depth += WordBytes;
        aWord = WordAt(a, depth);
        bWord = WordAt(b, depth);
    }
    return aWord < bWord;
}

// Sorts on the keys from `depth` on, the bytes before it being equal and
// every entry's word taken from there: a three-way radix quicksort on words
// of eight bytes, which reads the long beginnings every ticket shares
// ("comanda al tavolo ") once per eight bytes, not once per comparison.
void SortOnKeys(SortEntry* entries, qsizetype count, qsizetype depth, const ArchiveNames& names) {
    while (count > 1) {
        if (count <= 12) {
            std::sort(entries, entries + count, [&](const SortEntry& a, const SortEntry& b) {
                return SortsBefore(a, b, depth, names);
            });
            return;
        }
        const quint64 first = entries[0].word;
        const quint64 middle = entries[count / 2].word;
        const quint64 last = entries[count - 1].word;
        const quint64 pivot =
            std::max(std::min(first, middle), std::min(std::max(first, middle), last));
        qsizetype less = 0;
        qsizetype greater = count;
        for (qsizetype i = 0; i < greater;) {
            const quint64 word = entries[i].word;
            if (word < pivot)
                std::swap(entries[less++], entries[i++]);
            else if (word > pivot)
                std::swap(entries[--greater], entries[i]);
            else
                ++i;
        }
        SortEntry* equal = entries + less;
        qsizetype equalCount = greater - less;
        // Equal words that hold the ends of their keys are equal keys.
        if (EndsWithin(*equal, depth)) {
            std::sort(equal, equal + equalCount, [&](const SortEntry& a, const SortEntry& b) {
                return CompareBytes(names.file(a.row), names.file(b.row)) < 0;
            });
            equalCount = 0;
        } else {
            for (SortEntry* entry = equal; entry != equal + equalCount; ++entry)
                entry->word = WordAt(*entry, depth + WordBytes);
        }
        struct Part {
            SortEntry* entries;
            qsizetype count;
            qsizetype depth;
        };
        Part parts[3] = {{entries, less, depth},
                         {equal, equalCount, depth + WordBytes},
                         {entries + greater, count - greater, depth}};
        // The two smaller parts sorted by calls of their own, the largest by
        // this loop: however hostile the names, the calls nest no deeper
        // than the logarithm of their number.
        std::sort(std::begin(parts), std::end(parts),
                  [](const Part& a, const Part& b) { return a.count < b.count; });
        SortOnKeys(parts[0].entries, parts[0].count, parts[0].depth, names);
        SortOnKeys(parts[1].entries, parts[1].count, parts[1].depth, names);
        entries = parts[2].entries;
        count = parts[2].count;
        depth = parts[2].depth;
    }
}

} // namespace

ArchiveNames ListArchiveNames(const QString& folder) {
    // One unsorted pass over the folder, a key made once per name, then one
    // sort.
    ArchiveNames names = UnsortedArchiveNames(folder);
    const qsizetype count = names.size();
    if (count < 2)
        return names;
    QByteArrayList foldedKeys; // of the names that are not plain ASCII
    std::vector<SortEntry> entries;
    entries.reserve(size_t(count));
    for (qsizetype row = 0; row < count; ++row) {
        const QByteArrayView file = names.file(row);
        const bool ascii = std::all_of(file.begin(), file.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii) {
            entries.push_back({0, file.data(), quint32(file.size()), quint32(row), true});
        } else {
            foldedKeys.append(QString::fromLocal8Bit(file).toCaseFolded().toUtf8());
            const QByteArray& key = foldedKeys.last();
            entries.push_back({0, key.constData(), quint32(key.size()), quint32(row), false});
        }
        entries.back().word = WordAt(entries.back(), 0);
    }
    SortOnKeys(entries.data(), count, 0, names);
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
