#pragma once

#include "platform/Result.h"

#include <QString>

// The e-mail recipients kept between sendings in "Orbisala.ini", section
// "Destinatari Comande", key "Indirizzi Email".

QString SettingsFilePath();

// The recipients as stored (at most 2047 characters); empty when the file,
// the section or the key is missing or the file cannot be read.
QString ReadMailRecipients();

// Stores the recipients trimmed, also when empty, with each line break or
// other control character inside turned into a space so that the value keeps
// its one line of the file. On failure, why it was not saved.
Result<void> WriteMailRecipients(const QString& recipients);
