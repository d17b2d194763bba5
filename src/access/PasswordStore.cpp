#include "access/PasswordStore.h"

#include "access/Crypt.h"
#include "platform/AnsiCodePage.h"
#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "platform/TextTrim.h"

using namespace Qt::StringLiterals;

namespace {
const QString Section = QStringLiteral("Accesso");
const QString Key = QStringLiteral("Valore");

bool IsStorable(const QString& normalised) {
    if (normalised.size() > MaxScrambledLength)
        return false;
    // The scrambler keeps U+0000 to U+00FF; of those, control characters
    // (pasted, never typed) would leave a password nobody can type to enter.
    for (const QChar c : normalised) {
        const char16_t code = c.unicode();
        if (code > 0xFF || code < 0x20 || (code >= 0x7F && code <= 0x9F))
            return false;
    }
    return true;
}
} // namespace

QString PasswordStorePath() {
    return ProgramFolder() + QStringLiteral("unins000.dll");
}

QString NormalisePassword(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(char16_t(c.unicode() - (u'a' - u'A')));
    return TrimBlanks(upper);
}

Result<QString> ReadStoredPassword() {
    const Result<QString> value = ReadProfileString(PasswordStorePath(), Section, Key);
    if (!value)
        return Failure{value.error()};
    const Result<QString> plain = DecodePassword(*value);
    if (!plain)
        return Failure{plain.error()};
    return TrimBlanks(*plain);
}

PasswordCheck CheckPassword(const QString& typed) {
    const Result<QString> stored = ReadStoredPassword();
    if (!stored)
        return PasswordCheck::ReadError;
    // Without a store nothing matches, not even a blank text.
    const QString normalised = NormalisePassword(typed);
    return !stored->isEmpty() && normalised == *stored ? PasswordCheck::Accepted
                                                       : PasswordCheck::Wrong;
}

PasswordChange ChangePassword(const QString& oldPassword, const QString& newPassword,
                              const QString& confirmation) {
    const Result<QString> stored = ReadStoredPassword();
    if (!stored)
        return PasswordChange::Error;
    if (stored->isEmpty() || NormalisePassword(oldPassword) != *stored)
        return PasswordChange::WrongOld;
    if (TrimBlanks(newPassword) != TrimBlanks(confirmation))
        return PasswordChange::NotConfirmed;
    const QString normalised = NormalisePassword(newPassword);
    // The new password must come back whole from the store, and never be
    // empty: the stored password always stays one that can be typed.
    if (normalised.isEmpty() || !IsStorable(normalised))
        return PasswordChange::Unstorable;
    const Result<void> saved =
        WriteProfileString(PasswordStorePath(), Section, Key, EncodePassword(normalised));
    if (!saved)
        return PasswordChange::Error; // the store stays as it was
    return PasswordChange::Changed;
}

QByteArray PasswordStoreContent(const QString& password) {
    return EncodeAnsi(QStringLiteral("[") + Section + u"]\r\n"_s + Key + u'=' +
                      EncodePassword(NormalisePassword(password)) + u"\r\n"_s);
}
