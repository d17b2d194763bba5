#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The program's date and time texts, the same whatever the regional
// settings: day/month/year with the system's date separator, and the time as
// two-digit 24-hour hh:mm:ss. Amounts use the decimal comma (PriceText).

// The date separator of the system's short date format ("/" when it has none).
QChar SystemDateSeparator();

// dd/mm/yyyy, e.g. 05/03/2024.
QString ShortDateText(const QDate& date);

// hh:mm:ss, e.g. 20:15:33.
QString TimeText(const QTime& time);
