#pragma once

#include <QString>
#include <QStringList>

// One order ticket, as a window holds it: its fixed-column lines in list
// order and the table, date and time texts of its fields (a ticket read back
// from the archive has only its lines). Everything the program makes of a
// ticket is cut out of these: the total, the printed summary and title, the
// e-mail's subject and message, the archive file's name.
class Ticket {
public:
    explicit Ticket(QStringList lines, QString table = QString(), QString date = QString(),
                    QString time = QString());

    const QStringList& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Whether the table text holds anything but blanks.
    bool hasTable() const;

    // "0,00" for no lines or for a line whose amount is not a number,
    // otherwise the sum as a price.
    QString total() const;
    // The printed body: the lines, the separator and the line of the total
    // as the window shows it.
    QStringList summary(const QString& total) const;

    QString printTitle() const;
    QString mailSubject() const;
    QString mailMessage() const;
    QString archiveName() const;

private:
    QStringList m_lines;
    QString m_table;
    QString m_date;
    QString m_time;
};
