#include "output/MailtoLink.h"

#include "platform/TextTrim.h"

#include <QUrl>

using namespace Qt::StringLiterals;

QString MailtoLink(const QString& recipients, const QString& subject, const QString& message) {
    return u"mailto:"_s + TrimBlanks(recipients) + u"?subject="_s + TrimBlanks(subject) +
           u"&body="_s + TrimBlanks(message);
}

QString MailtoHandOff(const QString& recipients, const QString& subject, const QString& message) {
    // Addresses keep "@" and the separating commas; everything else that is
    // not unreserved is encoded.
    const auto encode = [](const QString& text, const QByteArray& keep = {}) {
        return QString::fromLatin1(QUrl::toPercentEncoding(TrimBlanks(text), keep));
    };
    return u"mailto:"_s + encode(recipients, "@,") + u"?subject="_s + encode(subject) +
           u"&body="_s + encode(message);
}
