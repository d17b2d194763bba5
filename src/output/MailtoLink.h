#pragma once

#include <QString>

// The mailto: link of a ticket sent by e-mail.

// "mailto:" + recipients + "?subject=" + subject + "&body=" + message, each
// trimmed and otherwise unchanged: the link as the user composed it.
QString MailtoLink(const QString& recipients, const QString& subject, const QString& message);

// The same link as handed to the desktop's mail program: recipients, subject
// and message percent-encoded in UTF-8, so that "&", "?", "#", "%", line
// breaks and "€" reach the mail program whole.
QString MailtoHandOff(const QString& recipients, const QString& subject, const QString& message);
