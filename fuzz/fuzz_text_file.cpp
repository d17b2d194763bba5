// Text files as read from the shared folder: decoding by byte-order mark or
// as ANSI, splitting into lines, and the ANSI code page both ways.

#include "FuzzChecks.h"

#include "platform/AnsiCodePage.h"
#include "platform/TextFile.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    // A NUL is read as a blank; all else is the whole decoding.
    const QString whole = DecodeWholeTextFile(bytes);
    const QString text = DecodeTextFile(bytes);
    FUZZ_CHECK(!text.contains(QChar(u'\0')), Show(text));
    FUZZ_CHECK(text == QString(whole).replace(QChar(u'\0'), QChar(u' ')),
               Show(whole) + u" / "_s + Show(text));

    // Lines hold no break, and joined with LF give the text back with every
    // break made LF and one final break dropped.
    const QStringList lines = SplitTextLines(whole);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'), Show(line));
    QString expected = whole;
    expected.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    if (expected.endsWith(u'\n'))
        expected.chop(1);
    FUZZ_CHECK(lines.join(u'\n') == expected, Show(whole));
    FUZZ_CHECK(lines.isEmpty() == whole.isEmpty(), Show(whole));

    // Every byte is one character and comes back unchanged.
    const QString ansi = DecodeAnsi(bytes);
    FUZZ_CHECK(ansi.size() == bytes.size(), Show(ansi));
    FUZZ_CHECK(EncodeAnsi(ansi) == bytes, Show(ansi));
    // Any text encodes to one byte per character (a surrogate pair to one
    // "?"), and what it encodes to is stable.
    QString utf16;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        utf16 += QChar(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    const QByteArray encoded = EncodeAnsi(utf16);
    FUZZ_CHECK(encoded.size() <= utf16.size(), Show(utf16));
    FUZZ_CHECK(EncodeAnsi(DecodeAnsi(encoded)) == encoded, Show(utf16));
    return 0;
}
