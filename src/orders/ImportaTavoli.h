#pragma once

#include "orders/ImportDialog.h"

#include <functional>

// How the table dialog reaches the ticket being composed: the chosen table
// replaces the ticket's table.
using SetTicketTable = std::function<void(const QString& table)>;

// The table import dialog: the ticket's table chosen from the table list.
// Choosing an entry does nothing by itself; "Importa dati" takes it over.
class TfrmImportaTavoli : public ImportDialog {
    Q_OBJECT

public:
    explicit TfrmImportaTavoli(SetTicketTable setTable, QWidget* owner = nullptr);

public slots:
    // The selected table, trimmed, into the ticket; without a selection the
    // ticket keeps its table. The dialog closes either way.
    void btnImportaClick() override;

private:
    SetTicketTable m_setTable;
};

// Builds a fresh table dialog owned by the opener, shows it modally and
// destroys it when it has closed.
void OpenImportaTavoli(QWidget* opener, SetTicketTable setTable);
