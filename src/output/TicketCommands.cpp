#include "output/TicketCommands.h"

#include "output/PrintSummary.h"
#include "tickets/Ticket.h"
#include "widgets/MessageBoxes.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QString EmptyTicketWarning =
    u"Operazione di stampa non applicabile: la comanda non contiene nessuna voce."_s;
const QString PrintQuestion = u"Si vuole stampare la presente comanda?"_s;

} // namespace

void ShowTicketTotal(QLineEdit* totalField, const Ticket& ticket) {
    totalField->setText(ticket.total());
}

void PrintTicket(QWidget* window, ReportLayout& layout, const Ticket& ticket, QLineEdit* totalField,
                 const QString& title) {
    ShowTicketTotal(totalField, ticket);
    if (ticket.isEmpty()) {
        MessageBox::warning(window, EmptyTicketWarning);
        return;
    }
    if (!MessageBox::confirm(window, PrintQuestion))
        return;
    PrintSummary(layout, title, ticket.summary(totalField->text()), window);
}
