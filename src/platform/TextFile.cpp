#include "platform/TextFile.h"

#include "platform/AnsiCodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>

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
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    const qsizetype size = text.size();
    const QChar* data = text.constData();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

bool ReadTextFileLines(const QString& path, QStringList* lines) {
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *lines = SplitTextLines(DecodeTextFile(bytes));
    return true;
}

std::optional<QString> WriteTextFileLines(const QString& path, const QStringList& lines) {
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
        bytes += EncodeAnsi(line);
        for (qsizetype i = start; i < bytes.size(); ++i)
            if (bytes[i] == '\0' || bytes[i] == '\r' || bytes[i] == '\n')
                bytes[i] = ' ';
        bytes += "\r\n";
    }
    return WriteFileAtomically(path, bytes);
}

std::optional<QString> WriteWholeBytes(QIODevice& device, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write is not yet a failure: the next call reports what
        // stopped it (a full disk, a size limit) or goes on.
        const qint64 count = device.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return device.errorString();
        written += count;
    }
    return std::nullopt;
}

namespace {

std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return u"Not a regular file"_s;
    // The owner's write bit stands for the read-only attribute; checked
    // separately because the rename would otherwise replace a read-only file.
    if (target.exists() && (!target.isWritable() || !(target.permissions() & QFile::WriteOwner)))
        return u"The file is read-only"_s;
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the file and reports its own
    // failure: a buffered tail is only written by the flush inside commit(),
    // and Qt 6.4 renames the file even when that flush failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    std::optional<QString> error = WriteWholeBytes(file, bytes);
    if (!error && !file.flush())
        error = file.errorString();
    if (error) {
        file.cancelWriting(); // the temporary file goes, the target stays
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const std::optional<QString> error = ReplaceFile(path, bytes);
    if (error)
        qWarning("Cannot save %ls: %ls", qUtf16Printable(QDir::toNativeSeparators(path)),
                 qUtf16Printable(*error));
    return error;
}
