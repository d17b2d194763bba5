#include "tickets/Ticket.h"

#include "platform/TextTrim.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"
#include "tickets/TicketTexts.h"

#include <utility>

Ticket::Ticket(QStringList lines, QString table, QString date, QString time)
    : m_lines(std::move(lines)), m_table(std::move(table)), m_date(std::move(date)),
      m_time(std::move(time)) {}

bool Ticket::hasTable() const {
    return !TrimBlanks(m_table).isEmpty();
}

QString Ticket::total() const {
    return ComputeTotal(m_lines);
}

QStringList Ticket::summary(const QString& total) const {
    return TicketSummary(m_lines, total);
}

QString Ticket::printTitle() const {
    return TicketPrintTitle(m_table, m_date, m_time);
}

QString Ticket::mailSubject() const {
    return TicketMailSubject(m_table, m_date, m_time);
}

QString Ticket::mailMessage() const {
    return TicketMailMessage(m_lines);
}

QString Ticket::archiveName() const {
    return ArchiveFileName(m_table, m_date, m_time);
}
