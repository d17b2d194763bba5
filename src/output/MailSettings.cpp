#include "output/MailSettings.h"

#include "platform/IniProfile.h"
#include "platform/ProgramFolder.h"
#include "platform/TextTrim.h"

namespace {
const QString Section = QStringLiteral("Destinatari Comande");
const QString Key = QStringLiteral("Indirizzi Email");
constexpr int MaxRecipientsLength = 2047;

} // namespace

QString SettingsFilePath() {
    return ProgramFolder() + QStringLiteral("Orbisala.ini");
}

QString ReadMailRecipients() {
    const Result<QString> value = ReadProfileString(SettingsFilePath(), Section, Key);
    if (!value)
        return {};
    return value->left(MaxRecipientsLength);
}

Result<void> WriteMailRecipients(const QString& recipients) {
    return WriteProfileString(SettingsFilePath(), Section, Key, TrimBlanks(recipients));
}
