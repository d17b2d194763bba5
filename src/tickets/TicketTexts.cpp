#include "tickets/TicketTexts.h"

#include "platform/TextTrim.h"
#include "tickets/OrderLine.h"

using namespace Qt::StringLiterals;

QString TicketPrintTitle(const QString& table, const QString& date, const QString& time) {
    return u"Comanda al tavolo "_s + TrimBlanks(table) + u" del giorno "_s + TrimBlanks(date) +
           u" alle ore "_s + TrimBlanks(time);
}

QString TicketMailSubject(const QString& table, const QString& date, const QString& time) {
    return u"Ordinazione tavolo "_s + TrimBlanks(table) + u" del giorno "_s + TrimBlanks(date) +
           u" alle ore "_s + TrimBlanks(time.left(5));
}

QString TicketMailMessage(const QStringList& lines) {
    // Each item joins the text so far trimmed, then " --- ". Trimming the
    // whole text at every item would make a long ticket quadratic: only its
    // ends can hold blanks, so only the ends are trimmed, in place.
    QString items;
    for (const QString& line : lines) {
        qsizetype end = items.size();
        while (end > 0 && items.at(end - 1) <= u' ')
            --end;
        items.truncate(end);
        qsizetype start = 0;
        while (start < items.size() && items.at(start) <= u' ')
            ++start;
        items.remove(0, start);
        items += u" --- "_s;
        items += OrderItemText(line);
    }
    return u"ELENCO PORTATE: "_s + TrimBlanks(items);
}
