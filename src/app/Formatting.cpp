#include "app/Formatting.h"

#include <QLocale>

QChar SystemDateSeparator() {
    static const QChar separator = [] {
        for (const QChar c : QLocale::system().dateFormat(QLocale::ShortFormat))
            if (!c.isLetter() && c != u'\'' && !c.isSpace())
                return c;
        return QChar(u'/');
    }();
    return separator;
}

QString ShortDateText(const QDate& date) {
    const QChar s = SystemDateSeparator();
    return QStringLiteral("%1%4%2%4%3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(date.year(), 4, 10, QChar(u'0'))
        .arg(s);
}

QString TimeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}
