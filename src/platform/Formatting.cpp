#include "platform/Formatting.h"

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
    const QChar separator = SystemDateSeparator();
    const auto digits = [](int value, int width) {
        return QString::number(value).rightJustified(width, u'0');
    };
    return digits(date.day(), 2) + separator + digits(date.month(), 2) + separator +
           digits(date.year(), 4);
}

QString TimeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}
