#pragma once

#include <QString>

class QLineEdit;
class QWidget;
class ReportLayout;
class Ticket;

// The commands the order window and the archive viewer share for the ticket
// they show.

// Computes the ticket's total and shows it in the window's total field.
void ShowTicketTotal(QLineEdit* totalField, const Ticket& ticket);

// The print command: the total shown first; an empty ticket is only warned
// about; otherwise, once the user confirms, the ticket's summary with the
// total shown is printed under the title on the window's template.
void PrintTicket(QWidget* window, ReportLayout& layout, const Ticket& ticket, QLineEdit* totalField,
                 const QString& title);
