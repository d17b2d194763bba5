#pragma once

#include "app/SectionMenu.h"

// The orders menu: a new ticket, or the archive of saved tickets.
class TfrmMenuOrdinazioni : public SectionMenu {
    Q_OBJECT

public:
    TfrmMenuOrdinazioni();

signals:
    void createChosen();  // "Crea nuova comanda"
    void archiveChosen(); // "Visualizza comande in archivio"

public slots:
    void btnCreaClick();
    void btnApriClick();
    void imgGuidaClick() override;

protected:
    void FormClose() override;
};
