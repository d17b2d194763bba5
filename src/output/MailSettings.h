#pragma once

#include <QString>

// The e-mail recipients kept between sendings in "Orbisala.ini", section
// "Destinatari Comande", key "Indirizzi Email".

QString SettingsFilePath();

// The recipients as stored (at most 2047 characters); empty when the file,
// the section or the key is missing or the file cannot be read.
QString ReadMailRecipients();

// Stores the recipients trimmed, also when empty, with each line break inside
// turned into a space so that the value keeps its one line of the file; false
// when the file cannot be written.
bool WriteMailRecipients(const QString& recipients);
