#pragma once

#include "pricelists/ListEditor.h"

class QKeyEvent;
class QLineEdit;

// The table-list editor: the price-list editor's sibling without prices.
// Each item is a table's number or name as typed, trimmed.
class TfrmElenco_Tavoli : public ListEditor {
    Q_OBJECT

public:
    explicit TfrmElenco_Tavoli(QWidget* owner);

public slots:
    void btnTrovaClick() override;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key is used up here.
    bool txtTrovaKeyDown(QKeyEvent* key);

    QLineEdit* txtTrova;
};
