#include "platform/TextFile.h"

#include "platform/AnsiCodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

QString DecodeTextFile(const QByteArray& bytes) {
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

bool WriteTextFileLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += EncodeAnsi(line);
        bytes += "\r\n";
    }
    return WriteFileAtomically(path, bytes);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    // The owner's write bit stands for the read-only attribute; checked
    // separately because the rename would otherwise replace a read-only file.
    if (target.exists() &&
        (!target.isFile() || !target.isWritable() || !(target.permissions() & QFile::WriteOwner)))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
