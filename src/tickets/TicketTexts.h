#pragma once

#include <QString>
#include <QStringList>

// The texts the order window builds from its ticket for the printout and the
// e-mail: the table, date and time as the window's fields hold them, each
// trimmed, and the order lines in list order.

// "Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33": the full
// time. An empty table leaves two spaces between "tavolo" and "del".
QString TicketPrintTitle(const QString& table, const QString& date, const QString& time);

// "Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15": hours and
// minutes only, the first five characters of the time.
QString TicketMailSubject(const QString& table, const QString& date, const QString& time);

// "ELENCO PORTATE: --- 2   Spritz --- 1   Negroni": the quantity and name of
// every line on one line, without amounts.
QString TicketMailMessage(const QStringList& lines);
