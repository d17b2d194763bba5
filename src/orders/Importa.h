#pragma once

#include "orders/ImportDialog.h"

#include <functional>

class QLineEdit;
class PictureButton;

// How an import reaches the ticket being composed: the new order line goes
// to the end of its list.
using AppendOrderLine = std::function<void(const QString& line)>;

// The item import dialog of one course category (TfrmImportaPizze and its
// eleven siblings, by the entry's import class): a product chosen from the
// category's price list, its quantity set with plus and minus, imported as
// one order line. One opening imports at most one line.
class TfrmImporta : public ImportDialog {
    Q_OBJECT

public:
    TfrmImporta(const CatalogueEntry& entry, AppendOrderLine appendLine, QWidget* owner = nullptr);

    QLineEdit* txtQuant;
    QLineEdit* txtNome;
    QLineEdit* txtPrezzoUni;
    QLineEdit* txtPrezzoTot;
    PictureButton* btnMinus;
    PictureButton* btnPlus;

public slots:
    // A click on the list (or a choice made with the keys): the chosen
    // product at quantity 1. A click that leaves no entry selected closes
    // the dialog.
    void lstRecordsClick();
    void btnPlusClick();
    void btnMinusClick();
    void btnImportaClick() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The amount field from the unit price and the quantity shown; false,
    // leaving it as it was, when either is not a number.
    bool showAmount();

    AppendOrderLine m_appendLine;
};

// Builds a fresh import dialog of the category owned by the opener, shows it
// modally and destroys it when it has closed.
void OpenImporta(QWidget* opener, const CatalogueEntry& entry, AppendOrderLine appendLine);
