#include "platform/AnsiCodePage.h"

#include <QHash>

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. Zero marks the
// five undefined bytes, which stand for the control character of their value.
// (Qt's ICU converter substitutes 0x1A for unknown characters, not "?".)
const char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t CharOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

const QHash<char16_t, char>& ByteOfHighChar() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            if (kHighControls[i] != 0)
                t.insert(kHighControls[i], char(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

QByteArray EncodeAnsi(const QString& text) {
    QByteArray bytes;
    AppendAnsi(text, &bytes);
    return bytes;
}

void AppendAnsi(QStringView text, QByteArray* bytes) {
    // At most one byte per UTF-16 unit: written in place, cut to size after.
    const qsizetype start = bytes->size();
    bytes->resize(start + text.size());
    char* out = bytes->data() + start;
    const auto& high = ByteOfHighChar();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            *out++ = char(c);
        } else if (c <= 0x9F && CharOfByte(uchar(c)) == c) {
            *out++ = char(c); // an undefined byte read earlier goes back unchanged
        } else if (auto it = high.constFind(c); it != high.constEnd()) {
            *out++ = it.value();
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                QChar::isLowSurrogate(text.at(i + 1).unicode()))
                ++i;
            *out++ = '?';
        }
    }
    bytes->truncate(out - bytes->constData());
}

QString DecodeAnsi(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(CharOfByte(uchar(bytes[i])));
    return text;
}
