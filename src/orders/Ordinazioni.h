#pragma once

#include "widgets/KeptWindow.h"

// The order composition window. Until it is built it says so; closing it
// leads back to the start window.
class TfrmOrdinazioni : public KeptWindow {
    Q_OBJECT

public:
    TfrmOrdinazioni();

signals:
    void closed(); // back to the start window

protected:
    void FormClose() override;
};
