#pragma once

#include "pricelists/ListEditor.h"

class QKeyEvent;
class QLineEdit;

// The price-list editor: one design for the twelve course categories, each
// window named after its category's class (TfrmListino_Pizze and its
// siblings) and worded by its catalogue entry. Items are added with a name
// and a unit price as fixed-column price-list lines.
class TfrmListino : public ListEditor {
    Q_OBJECT

public:
    TfrmListino(const CatalogueEntry& entry, QWidget* owner);

public slots:
    void btnTrovaClick() override;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Key handlers: true when the key is used up here.
    bool txtProdottoKeyDown(QKeyEvent* key);
    bool txtPrezzoKeyDown(QKeyEvent* key);
    void txtPrezzoExit();

    QLineEdit* txtProdotto;
    QLineEdit* txtPrezzo;
};
