// Price texts as typed or pasted: parsing, the normalised form the price field
// keeps, and completing a text to two decimals.

#include "FuzzChecks.h"

#include "catalogue/PriceText.h"

#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// What a normalised price looks like: digits, the decimal comma, 2 to 4 decimals.
bool IsAmountText(const QString& text) {
    static const QRegularExpression amount(QStringLiteral("^-?[0-9]+,[0-9]{2,4}$"));
    return amount.match(text).hasMatch();
}

void CheckPrice(const QString& text) {
    const std::optional<long double> number = ParsePriceNumber(text);

    const QString normal = NormalisePriceText(text);
    FUZZ_CHECK(IsAmountText(normal), Show(text) + u" -> "_s + Show(normal));
    // Leaving the field again changes nothing.
    const QString again = NormalisePriceText(normal);
    FUZZ_CHECK(again == normal, Show(text) + u" -> "_s + Show(normal) + u" -> "_s + Show(again));
    FUZZ_CHECK(ParsePriceNumber(normal).has_value(), Show(normal));
    if (!number)
        FUZZ_CHECK(normal == QStringLiteral("0,00"), Show(text) + u" -> "_s + Show(normal));

    // The general form reads back as the same 15 digits.
    if (number) {
        const QString general = FormatGeneralNumber(*number);
        const std::optional<long double> back = ParsePriceNumber(general);
        FUZZ_CHECK(back.has_value(), Show(text) + u" -> "_s + Show(general));
        const long double magnitude = std::fabs(*number);
        if (magnitude == 0 || (magnitude > 1e-4000L && magnitude < 1e4000L))
            FUZZ_CHECK(FormatGeneralNumber(*back) == general,
                       Show(general) + u" -> "_s + Show(FormatGeneralNumber(*back)));
    }

    // Completing a number keeps a comma and at least two decimals, and is done
    // once. Only numbers count (any other text has no decimals to make sure
    // of), and only those not led by a blank: the rule for a leading comma
    // looks at the untrimmed first character, so " ,5" gives ",50" and that
    // gives "0,50".
    if (!number || text.isEmpty() || text.front().unicode() <= 0x20)
        return;
    const QString complete = CompletePriceText(text);
    FUZZ_CHECK(complete.contains(u','), Show(text) + u" -> "_s + Show(complete));
    FUZZ_CHECK(CompletePriceText(complete) == complete,
               Show(complete) + u" -> "_s + Show(CompletePriceText(complete)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFields fields(data, size);
    CheckPrice(fields.nextUtf8());
    if (!fields.atEnd())
        CheckPrice(fields.nextUtf16());
    return 0;
}
