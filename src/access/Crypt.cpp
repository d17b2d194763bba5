#include "access/Crypt.h"

using namespace Qt::StringLiterals;

namespace {

constexpr quint16 StartKey = 9703;
constexpr quint16 Multiplier = 39157;
constexpr quint16 Increment = 27063;

quint16 NextKey(quint16 key, quint8 scrambled) {
    return quint16((quint16(key + scrambled) * quint32(Multiplier) + Increment) & 0xFFFF);
}

int HexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString EncodePassword(const QString& plain) {
    static const char digits[] = "0123456789ABCDEF";
    const qsizetype count = std::min<qsizetype>(plain.size(), MaxScrambledLength);
    QString result;
    result.reserve(count * 2);
    quint16 key = StartKey;
    for (qsizetype i = 0; i < count; ++i) {
        const auto s = quint8((plain.at(i).unicode() & 0xFF) ^ (key >> 8));
        result += QLatin1Char(digits[s >> 4]);
        result += QLatin1Char(digits[s & 0xF]);
        key = NextKey(key, s);
    }
    return result;
}

Result<QString> DecodePassword(const QString& scrambled) {
    const qsizetype count = std::min<qsizetype>(scrambled.size() / 2, MaxScrambledLength);
    QString plain(count, Qt::Uninitialized);
    // Every pair is checked before any character is produced.
    for (qsizetype i = 0; i < count; ++i) {
        const int high = HexValue(scrambled.at(2 * i));
        const int low = HexValue(scrambled.at(2 * i + 1));
        if (high < 0 || low < 0)
            return Failure{u"A pair is not two hexadecimal digits"_s};
        plain[i] = QChar(char16_t(high * 16 + low));
    }
    quint16 key = StartKey;
    for (qsizetype i = 0; i < count; ++i) {
        const auto s = quint8(plain.at(i).unicode());
        plain[i] = QChar(char16_t(s ^ (key >> 8)));
        key = NextKey(key, s);
    }
    return plain;
}
