#include "platform/TextFile.h"

#include "platform/AnsiCodePage.h"
#include "platform/AtomicSave.h"
#include "platform/SharedRead.h"
#include "platform/TextTrim.h"

#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

QString DecodeWholeTextFile(const QByteArray& bytes) {
    // Stateless: a sequence cut short by the end of the file decodes to U+FFFD
    // too, instead of vanishing in the decoder's carried-over state.
    constexpr auto flags = QStringConverter::Flag::Stateless;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QStringDecoder(QStringConverter::Utf8, flags).decode(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        text = QStringDecoder(QStringConverter::Utf16LE, flags).decode(bytes.mid(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        text = QStringDecoder(QStringConverter::Utf16BE, flags).decode(bytes.mid(2));
    } else {
        text = DecodeAnsi(bytes);
    }
    return text;
}

QString DecodeTextFile(const QByteArray& bytes) {
    QString text = DecodeWholeTextFile(bytes);
    text.replace(QChar(u'\0'), QChar(u' '));
    return text;
}

QStringList SplitTextLines(const QString& text, LineTrim trim) {
    QStringList lines;
    const qsizetype size = text.size();
    const QChar* data = text.constData();
    const auto take = [&](qsizetype start, qsizetype end) {
        const QStringView line(data + start, end - start);
        lines.append((trim == LineTrim::Blanks ? TrimBlanks(line) : line).toString());
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        take(start, i);
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        take(start, size);
    return lines;
}

SharedRead ReadTextFileLines(const QByteArray& nativePath, QStringList* lines,
                             const ReadRules& rules) {
    QByteArray bytes;
    const SharedRead read = ReadSharedFile(nativePath, &bytes, rules);
    if (read == SharedRead::Read)
        *lines = SplitTextLines(DecodeTextFile(bytes));
    return read;
}

Result<QStringList> ReadTextFileLines(const QString& path, const ReadRules& rules) {
    QStringList lines;
    if (const SharedRead read = ReadTextFileLines(QFile::encodeName(path), &lines, rules);
        read != SharedRead::Read)
        return Failure{SharedReadError(read)};
    return lines;
}

QByteArray EncodeTextFileLines(const QStringList& lines) {
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString& line : lines) {
        // A NUL would end the text for every reader, hiding the lines after
        // it, and a line break would split the line: each is written as a
        // space (a pasted name can hold them).
        const qsizetype start = bytes.size();
        AppendAnsi(line, &bytes);
        // Looked for only in a line holding a unit below U+000E, which a
        // pass the compiler runs many units at a time tells.
        char16_t lowest = 0xFFFF;
        for (const QChar c : line)
            lowest = std::min(lowest, c.unicode());
        if (lowest <= u'\r') {
            char* const written = bytes.data() + start;
            const qsizetype length = bytes.size() - start;
            for (qsizetype i = 0; i < length; ++i) {
                if (written[i] == '\0' || written[i] == '\r' || written[i] == '\n')
                    written[i] = ' ';
            }
        }
        bytes += "\r\n";
    }
    return bytes;
}

Result<void> WriteTextFileLines(const QString& path, const QStringList& lines) {
    return WriteFileAtomically(path, EncodeTextFileLines(lines));
}

Result<void> WriteWholeBytes(QIODevice& device, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write is not yet a failure: the next call reports what
        // stopped it (a full disk, a size limit) or goes on.
        const qint64 count = device.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return Failure{device.errorString()};
        written += count;
    }
    return {};
}
