// The password store: scrambling and unscrambling, the normalised form
// passwords are compared in, and the store's content read back.

#include "FuzzChecks.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"
#include "platform/IniProfile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

bool IsStorable(const QString& text) {
    if (text.size() > MaxScrambledLength)
        return false;
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

void CheckScrambling(const QString& typed) {
    // Two uppercase digits per character of the first 255.
    const QString scrambled = EncodePassword(typed);
    FUZZ_CHECK(scrambled.size() == 2 * std::min<qsizetype>(typed.size(), MaxScrambledLength),
               Show(typed));
    for (const QChar c : scrambled)
        FUZZ_CHECK((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'), Show(scrambled));

    // What unscrambles is the low 8 bits of each of the first 255 characters:
    // a storable password whole.
    const Result<QString> plain = DecodePassword(scrambled);
    FUZZ_CHECK(plain.ok(), Show(scrambled));
    QString low = typed.left(MaxScrambledLength);
    for (QChar& c : low)
        c = QChar(char16_t(c.unicode() & 0xFF));
    FUZZ_CHECK(*plain == low, Show(typed) + u" -> "_s + Show(*plain));
    if (IsStorable(typed))
        FUZZ_CHECK(*plain == typed, Show(typed));
    // Lower-case digits unscramble alike.
    const Result<QString> lower = DecodePassword(scrambled.toLower());
    FUZZ_CHECK(lower && *lower == *plain, Show(scrambled));

    // Normalising: a to z upper-cased, blanks trimmed, nothing else; once.
    const QString normal = NormalisePassword(typed);
    FUZZ_CHECK(NormalisePassword(normal) == normal, Show(normal));
    for (const QChar c : normal)
        FUZZ_CHECK(!(c >= u'a' && c <= u'z'), Show(normal));
    FUZZ_CHECK(normal.isEmpty() ||
                   (normal.front().unicode() > 0x20 && normal.back().unicode() > 0x20),
               Show(normal));
    FUZZ_CHECK(normal.size() <= typed.size(), Show(typed));
}

// The store as the installation writes it gives the normalised password back.
void CheckStore(const QString& typed) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid(), folder.errorString());
    const QString path = folder.filePath(u"unins000.dll"_s);
    const QString normal = NormalisePassword(typed);
    if (!IsStorable(normal))
        return;
    QFile file(path);
    const QByteArray content = PasswordStoreContent(typed);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(content) == content.size(),
               path);
    file.close();
    const Result<QString> value = ReadProfileString(path, u"Accesso"_s, u"Valore"_s);
    FUZZ_CHECK(value.ok(), path);
    const Result<QString> stored = DecodePassword(*value);
    FUZZ_CHECK(stored.ok(), Show(*value));
    FUZZ_CHECK(*stored == normal, Show(typed) + u" stored as "_s + Show(*stored));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFields fields(data, size);
    const QString typed = fields.nextUtf16();
    CheckScrambling(typed);
    CheckStore(typed);

    // Any text offered as scrambled: no crash, and what unscrambles scrambles
    // back to the same digits, upper-cased.
    const QString offered = fields.nextUtf8();
    if (const Result<QString> plain = DecodePassword(offered)) {
        const qsizetype pairs = std::min<qsizetype>(offered.size() / 2, MaxScrambledLength);
        FUZZ_CHECK(EncodePassword(*plain) == offered.left(2 * pairs).toUpper(), Show(offered));
    }
    return 0;
}
