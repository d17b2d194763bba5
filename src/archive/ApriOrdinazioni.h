#pragma once

#include "widgets/KeptWindow.h"

// The archive browser. Until it is built it says so; closing it leads back
// to the start window.
class TfrmApriOrdinazioni : public KeptWindow {
    Q_OBJECT

public:
    TfrmApriOrdinazioni();

signals:
    void closed(); // back to the start window

protected:
    void FormClose() override;
};
