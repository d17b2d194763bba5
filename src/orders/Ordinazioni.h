#pragma once

#include "app/KeptWindow.h"

// The order composition window. Until it is built it says so; closing it
// leads back to the start window.
class TfrmOrdinazioni : public KeptWindow {
    Q_OBJECT

public:
    TfrmOrdinazioni();

protected:
    void FormClose() override;
};
