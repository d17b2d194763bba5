#pragma once

#include "widgets/FixedDialog.h"

// The information window: what the program is, and a ready-made e-mail to
// the maker.
class TfrmInfo : public FixedDialog {
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* owner = nullptr);

public slots:
    void lnkWebClick();
    void btnChiudiClick();
};
