#include "catalogue/ListFile.h"

#include "platform/TextFile.h"
#include "platform/TextTrim.h"

#include <QFile>

#include <algorithm>

SharedRead ReadListLines(const QString& path, QStringList* lines) {
    QByteArray bytes;
    const SharedRead read = ReadSharedFile(QFile::encodeName(path), &bytes, {MaxListFileBytes});
    if (read == SharedRead::Read)
        *lines = SplitTextLines(DecodeTextFile(bytes), LineTrim::Blanks);
    return read;
}

Result<QStringList> ReadListFile(const QString& path) {
    QStringList lines;
    if (const SharedRead read = ReadListLines(path, &lines); read != SharedRead::Read)
        return Failure{SharedReadError(read)};
    return lines;
}

Result<void> WriteListFile(const QString& path, const QStringList& lines) {
    return WriteTextFileLines(path, lines);
}

namespace {
inline char16_t FoldAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}
} // namespace

int ListOrder(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t ca = FoldAscii(pa[i].unicode());
        const char16_t cb = FoldAscii(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void SortByListOrder(QStringList& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString& a, const QString& b) { return ListOrder(a, b) < 0; });
}

qsizetype ListInsertPosition(const QStringList& sorted, const QString& line) {
    const auto at =
        std::upper_bound(sorted.begin(), sorted.end(), line,
                         [](const QString& a, const QString& b) { return ListOrder(a, b) < 0; });
    return at - sorted.begin();
}
