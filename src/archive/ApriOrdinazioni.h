#pragma once

#include "app/KeptWindow.h"

// The archive browser. Until it is built it says so; closing it leads back
// to the start window.
class TfrmApriOrdinazioni : public KeptWindow {
    Q_OBJECT

public:
    TfrmApriOrdinazioni();

protected:
    void FormClose() override;
};
