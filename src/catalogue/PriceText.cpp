#include "catalogue/PriceText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include <locale.h>

using namespace Qt::StringLiterals;

namespace {

// strtold and snprintf take their decimal point from the C library's locale,
// which QCoreApplication sets from the environment: on a station set to
// Italian it is ",", and "5.5" would stop at the period. The number texts
// built here always use ".", so they are read and written in the "C" locale
// for the calling thread, whatever the station's regional settings.
class ClassicNumbers {
public:
    ClassicNumbers() {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t(0));
        if (classic)
            previous_ = uselocale(classic);
    }
    ~ClassicNumbers() {
        if (previous_)
            uselocale(previous_);
    }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    locale_t previous_ = locale_t(0);
};

} // namespace

QString TakeLeft(const QString& text, qsizetype n) {
    return n <= 0 ? QString() : text.left(n);
}

QString TakeRight(const QString& text, qsizetype n) {
    return n <= 0 ? QString() : text.right(n);
}

std::optional<double> RoundHalfUp(long double value, int decimals) {
    double factor = 1;
    for (int i = 0; i < decimals; ++i)
        factor *= 10;
    const long double shifted = value * factor + 0.5L;
    // Truncation goes through a 64-bit integer; beyond it there is no result.
    constexpr long double limit = 9223372036854775807.0L;
    if (!std::isfinite(shifted) || shifted >= limit || shifted <= -limit)
        return std::nullopt;
    const auto truncated = static_cast<long long>(shifted);
    return static_cast<double>(static_cast<long double>(truncated) / factor);
}

std::optional<long double> ParsePriceNumber(const QString& text) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto isDigit = [&](qsizetype at) {
        return at < size && text.at(at) >= u'0' && text.at(at) <= u'9';
    };
    while (i < size && text.at(i) == u' ')
        ++i;

    // Rebuilt in the C locale's form for strtold, which does the rounding.
    std::string number;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-'))
        number += char(text.at(i++).unicode());
    bool mantissa = false;
    for (; isDigit(i); ++i, mantissa = true)
        number += char(text.at(i).unicode());
    if (i < size && text.at(i) == u',') {
        mantissa = true;
        number += '.';
        for (++i; isDigit(i); ++i)
            number += char(text.at(i).unicode());
    }
    if (!mantissa)
        return std::nullopt;
    if (number == "." || number == "+." || number == "-.")
        number.insert(number.size() - 1, "0"); // "," alone reads as 0
    if (i < size && (text.at(i) == u'E' || text.at(i) == u'e')) {
        std::string exponent = "e";
        ++i;
        if (i < size && (text.at(i) == u'+' || text.at(i) == u'-'))
            exponent += char(text.at(i++).unicode());
        if (!isDigit(i))
            return std::nullopt;
        for (; isDigit(i); ++i)
            exponent += char(text.at(i).unicode());
        number += exponent;
    }
    while (i < size && text.at(i) == u' ')
        ++i;
    if (i != size)
        return std::nullopt;

    const ClassicNumbers classic;
    errno = 0;
    char* end = nullptr;
    const long double value = std::strtold(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString FormatGeneralNumber(long double value) {
    if (value == 0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));

    // Fifteen significant digits and the decimal exponent, rounded once.
    char buffer[64];
    const ClassicNumbers classic;
    std::snprintf(buffer, sizeof buffer, "%.14Le", value);
    const QString scientific = QString::fromLatin1(buffer);
    const qsizetype e = scientific.indexOf(u'e');
    const bool negative = scientific.startsWith(u'-');
    QString digits = scientific.left(e).remove(u'-').remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text = negative ? QStringLiteral("-") : QString();
    const long double magnitude = std::fabs(value);
    if (exponent >= 15 || magnitude < 0.0001L) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += u',' + digits.mid(1);
        text += u'E' + QString::number(exponent);
    } else if (exponent < 0) {
        text += u"0,"_s + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text += digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text += digits.left(exponent + 1) + u',' + digits.mid(exponent + 1);
    }
    return text;
}

QString CompletePriceText(const QString& text) {
    QString t = text;
    if (!t.contains(u','))
        t += u",00"_s;
    if (TrimBlanks(t) == u","_s)
        t = QStringLiteral("0,00");
    if (t.startsWith(u','))
        t = u'0' + TrimBlanks(t);
    if (t.endsWith(u','))
        t = TrimBlanks(t) + u"00"_s;
    if (t.size() >= 2 && t.at(t.size() - 2) == u',' && t.back() >= u'0' && t.back() <= u'9')
        t = TrimBlanks(t) + u'0';
    return t;
}

QString NormalisePriceText(const QString& text) {
    const QString zero = QStringLiteral("0,00");
    if (TrimBlanks(text).isEmpty())
        return zero;
    const std::optional<long double> number = ParsePriceNumber(text);
    if (!number)
        return zero;
    // A negative value (only a pasted one) rounds its magnitude and gets its
    // sign back: the added half, truncated toward zero, would pull it up one
    // step at every pass, -5 to -4,9999 and on to -4,9998.
    const bool negative = *number < 0;
    const std::optional<double> rounded = RoundHalfUp(negative ? -*number : *number, 4);
    if (!rounded)
        return zero;
    return CompletePriceText(FormatGeneralNumber(negative ? -*rounded : *rounded));
}

QString FixedColumn(const QString& value, int width) {
    return TakeLeft(TrimBlanks(value) + QString(width, u' '), width);
}

QString FormatPriceListLine(const QString& name, const QString& price) {
    return FixedColumn(name, NameColumnWidth) + PriceSeparator +
           FixedColumn(price, PriceColumnWidth);
}
