#include "platform/AnsiCodePage.h"

#include <algorithm>
#include <array>

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

constexpr char16_t Euro = 0x20AC;

// The byte of every character below U+0100: its own value, but for the C1
// controls the code page puts other characters at ("?"), except the five
// whose bytes it leaves undefined, which go back unchanged as read.
const std::array<char, 256>& ByteOfLowChar() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[size_t(c)] = c < 0x80 || c >= 0xA0 || CharOfByte(uchar(c)) == c ? char(c) : '?';
        return t;
    }();
    return table;
}

// The byte of one character that is no surrogate; "?" where the code page
// has none.
char ByteOfChar(char16_t c) {
    if (c < 0x100)
        return ByteOfLowChar()[c];
    if (c == Euro)
        return char(0x80);
    const auto& high = ByteOfHighChar();
    const auto it = high.constFind(c);
    return it == high.constEnd() ? '?' : it.value();
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
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    // Every unit narrowed in one plain pass, which the compiler runs many at
    // a time; then the few beyond ASCII (the euro sign of every price-list
    // line) put right one by one.
    char16_t beyondAscii = 0;
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = char(units[i]);
        beyondAscii |= units[i] & 0xFF80;
    }
    if (!beyondAscii)
        return;
    // Looked for sixteen units at a time, most blocks holding none.
    constexpr qsizetype Block = 16;
    qsizetype i = 0;
    for (; i < size; i += Block) {
        const qsizetype end = std::min(size, i + Block);
        char16_t beyond = 0;
        for (qsizetype j = i; j < end; ++j)
            beyond |= units[j] & 0xFF80;
        if (!beyond)
            continue;
        qsizetype j = i;
        for (; j < end && !QChar::isSurrogate(units[j]); ++j) {
            if (units[j] >= 0x80)
                out[j] = ByteOfChar(units[j]);
        }
        if (j < end) {
            i = j;
            break;
        }
    }
    if (i >= size)
        return;
    // From a surrogate on, a pair gives one byte: the rest is written again.
    char* at = out + i;
    for (; i < size; ++i) {
        const char16_t c = units[i];
        if (QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(units[i + 1]))
                ++i;
            *at++ = '?';
        } else {
            *at++ = ByteOfChar(c);
        }
    }
    bytes->truncate(at - bytes->constData());
}

QString DecodeAnsi(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(CharOfByte(uchar(bytes[i])));
    return text;
}
