#include "platform/OpenURL.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QUrl>

#include <utility>

namespace {
TMisc::Hook& OpenHook() {
    static TMisc::Hook hook;
    return hook;
}

QUrl UrlFor(const QString& sCommand) {
    QString text = sCommand;
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    static const QRegularExpression scheme(QStringLiteral("^(mailto|https?):"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (scheme.match(text).hasMatch())
        return QUrl(text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(text);
}
} // namespace

bool TMisc::Open(const QString& sCommand) {
    if (OpenHook()) {
        OpenHook()(sCommand);
        return true;
    }
    return QDesktopServices::openUrl(UrlFor(sCommand));
}

TMisc::Hook TMisc::setOpenHook(Hook hook) {
    return std::exchange(OpenHook(), std::move(hook));
}

QString DesktopUrlFor(const QString& sCommand) {
    return UrlFor(sCommand).toString(QUrl::FullyEncoded);
}
