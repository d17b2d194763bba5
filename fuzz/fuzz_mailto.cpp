// The mailto: link handed to the desktop's mail program, as the desktop gets
// it, decodes back to the recipients, subject and message that went in
// (trimmed; in UTF-8, so a lone surrogate, which UTF-8 cannot carry, arrives
// as its replacement). The link is split with QUrl and QUrlQuery; each part's
// bytes are percent-decoded and read as UTF-8, as a mail program does.

#include "FuzzChecks.h"

#include "output/MailtoLink.h"
#include "platform/OpenURL.h"
#include "platform/TextTrim.h"

#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

QString AsSent(const QString& text) {
    return QString::fromUtf8(TrimBlanks(text).toUtf8());
}

QString Received(const QString& encoded) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toLatin1()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFields fields(data, size);
    const QString recipients = fields.nextUtf16();
    const QString subject = fields.nextUtf16();
    const QString message = fields.nextUtf16();

    const QString link = DesktopUrlFor(u'"' + MailtoHandOff(recipients, subject, message) + u'"');
    const QUrl url(link, QUrl::StrictMode);
    FUZZ_CHECK(url.isValid(), link + u": "_s + url.errorString());
    FUZZ_CHECK(url.scheme() == u"mailto"_s, link);
    FUZZ_CHECK(!url.hasFragment(), link);
    FUZZ_CHECK(url.host().isEmpty(), link);
    FUZZ_CHECK(Received(url.path(QUrl::FullyEncoded)) == AsSent(recipients),
               Show(recipients) + u" -> "_s + Show(Received(url.path(QUrl::FullyEncoded))));

    const QUrlQuery query(url);
    const auto items = query.queryItems(QUrl::FullyEncoded);
    FUZZ_CHECK(items.size() == 2 && items[0].first == u"subject"_s && items[1].first == u"body"_s,
               link);
    FUZZ_CHECK(Received(items[0].second) == AsSent(subject),
               Show(subject) + u" -> "_s + Show(Received(items[0].second)));
    FUZZ_CHECK(Received(items[1].second) == AsSent(message),
               Show(message) + u" -> "_s + Show(Received(items[1].second)));
    return 0;
}
