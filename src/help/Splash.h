#pragma once

#include "widgets/FixedDialog.h"

// The credits window: the credits picture and the link to the maker's web
// site. Centred on the window that opens it.
class TfrmSplash : public FixedDialog {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* owner = nullptr);

public slots:
    void lnkWebClick();
    void btnChiudiClick();
};
