#pragma once

#include "catalogue/PriceListDocument.h"
#include "widgets/CatalogueDialog.h"

#include <optional>

class QPushButton;

// What the item and table import designs share: the entry's import class and
// title, the banner with the entry's import words over an instruction line,
// the entry's list read afresh from its file at every showing and kept in
// ListOrder, and the "Importa dati" and "Chiudi" buttons, the only ways out
// of it. The list file is only read, through the list document, never
// written.
class ImportDialog : public CatalogueDialog {
    Q_OBJECT

public:
    const CatalogueEntry& entry() const { return m_document.entry(); }

public slots:
    virtual void btnImportaClick() = 0;
    void btnChiudiClick();

protected:
    // `itemWidth`: every entry is at least this wide, the list scrolling
    // sideways to show it.
    ImportDialog(const CatalogueEntry& entry, const QString& instruction, int itemWidth,
                 QWidget* owner);

    // The text of the selected entry, if an entry is selected (a blank line
    // of the file is an entry with an empty text).
    std::optional<QString> selectedText() const;

    // The list filled from the file; a file that cannot be read leaves it
    // empty, without a word.
    void FormShow() override;
    void FormClose() override;

    QPushButton* btnImporta;
    QPushButton* btnChiudi;

private:
    PriceListDocument m_document;
    int m_itemWidth;
};
