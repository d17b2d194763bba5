#pragma once

#include "app/SectionMenu.h"
#include "catalogue/Catalogue.h"

class LinkLabel;

// The price-lists menu: one tile per course category opens its price-list
// editor, the link opens the table-list editor.
class TfrmMenuListini : public SectionMenu {
    Q_OBJECT

public:
    TfrmMenuListini();

public slots:
    void btnAperitiviClick() { openEditor(CatalogueEntryOf(CourseCategory::Aperitivi)); }
    void btnAntipastiClick() { openEditor(CatalogueEntryOf(CourseCategory::Antipasti)); }
    void btnPrimiClick() { openEditor(CatalogueEntryOf(CourseCategory::Primi)); }
    void btnCarneClick() { openEditor(CatalogueEntryOf(CourseCategory::Carne)); }
    void btnPesceClick() { openEditor(CatalogueEntryOf(CourseCategory::Pesce)); }
    void btnContorniClick() { openEditor(CatalogueEntryOf(CourseCategory::Contorni)); }
    void btnPizzeClick() { openEditor(CatalogueEntryOf(CourseCategory::Pizze)); }
    void btnDessertClick() { openEditor(CatalogueEntryOf(CourseCategory::Dessert)); }
    void btnBevandeClick() { openEditor(CatalogueEntryOf(CourseCategory::Bevande)); }
    void btnViniClick() { openEditor(CatalogueEntryOf(CourseCategory::Vini)); }
    void btnLiquoriClick() { openEditor(CatalogueEntryOf(CourseCategory::Liquori)); }
    void btnCaffetteriaClick() { openEditor(CatalogueEntryOf(CourseCategory::Caffetteria)); }
    void lnkTavoliClick();
    void imgGuidaClick() override;

protected:
    void FormClose() override;

private:
    // The editor of the entry, built anew.
    void openEditor(const CatalogueEntry& entry);
    LinkLabel* m_tavoli;
};
