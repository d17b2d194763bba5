#pragma once

#include "platform/Result.h"

#include <QString>

// The one password of the installation, kept scrambled in "unins000.dll"
// (an INI text despite its name), section "Accesso", key "Valore". Passwords
// are compared in a normalised form: a to z upper-cased, blanks trimmed.

// The store file in the program folder.
QString PasswordStorePath();

// Letters a to z upper-cased (nothing else), then blanks trimmed.
QString NormalisePassword(const QString& text);

// The stored password: "Valore" decoded and trimmed. A missing file, section
// or key gives the empty text; fails when the file cannot be read or the
// value does not decode.
Result<QString> ReadStoredPassword();

enum class PasswordCheck {
    Accepted,
    Wrong,    // "Attenzione: password errata."
    ReadError // the store cannot be read or decoded
};

// Checks a typed password against the store, read afresh.
PasswordCheck CheckPassword(const QString& typed);

enum class PasswordChange {
    Changed,
    WrongOld,     // the old password does not match
    NotConfirmed, // new password and confirmation differ (letter case counts)
    Unstorable,   // over 255 characters, or a character above U+00FF
    Error         // the store cannot be read, decoded or written
};

// Replaces the stored password after checking the old one and the
// confirmation. The store is left untouched unless the result is Changed.
PasswordChange ChangePassword(const QString& oldPassword, const QString& newPassword,
                              const QString& confirmation);

// The store's content for a password, as the installation writes it.
QByteArray PasswordStoreContent(const QString& password);
