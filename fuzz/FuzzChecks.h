#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: a failed check prints what differed and aborts,
// which libFuzzer reports as a crash and keeps the input of.

inline void FuzzFail(const char* what, const QString& detail) {
    std::fprintf(stderr, "Broken: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFail(#condition, (detail));                                                        \
    } while (false)

// Reads the input as a sequence of fields: a field is the bytes up to the next
// byte 0x01 (or the end). Lets one input carry several texts.
class FuzzFields {
public:
    FuzzFields(const uint8_t* data, size_t size)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size))) {}

    QByteArray nextBytes() {
        if (at_ > bytes_.size())
            return {};
        qsizetype end = bytes_.indexOf('\x01', at_);
        if (end < 0)
            end = bytes_.size();
        const QByteArray field = bytes_.mid(at_, end - at_);
        at_ = end + 1;
        return field;
    }

    // A text of any UTF-16 code units, lone surrogates included: the raw bytes
    // in pairs, little-endian (an odd last byte stands alone).
    QString nextUtf16() {
        const QByteArray b = nextBytes();
        QString text;
        for (qsizetype i = 0; i < b.size(); i += 2) {
            const uchar low = uchar(b[i]);
            const uchar high = i + 1 < b.size() ? uchar(b[i + 1]) : 0;
            text += QChar(char16_t(low | (high << 8)));
        }
        return text;
    }

    // A text as typed or pasted: the bytes as UTF-8.
    QString nextUtf8() { return QString::fromUtf8(nextBytes()); }

    bool atEnd() const { return at_ > bytes_.size(); }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

inline QString Show(const QString& text) {
    QString shown;
    for (const QChar c : text)
        shown += c.unicode() >= 0x20 && c.unicode() < 0x7F
                     ? QString(c)
                     : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return u'"' + shown + u'"';
}
