#pragma once

#include "widgets/KeptWindow.h"

// The start window: the two sections of the program, help, information,
// credits and the maker's site. Closing it ends the program.
class TfrmAvvio : public KeptWindow {
    Q_OBJECT

public:
    TfrmAvvio();

signals:
    void priceListsChosen();
    void ordersChosen();
    void exitChosen(); // the exit icon or closing the window: the program ends

public slots:
    void imgListinoPrezziClick(); // also btnListinoPrezzi
    void imgContoClienteClick();  // also btnContoCliente
    void imgInfoClick();
    void imgGuidaClick();
    void imgCreditiClick();
    void imgSitoClick();
    void imgEsciClick();

protected:
    void FormClose() override;
};
