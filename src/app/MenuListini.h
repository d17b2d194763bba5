#pragma once

#include "app/SectionMenu.h"
#include "pricelists/Catalogue.h"

class LinkLabel;

// The price-lists menu: one tile per course category opens its price-list
// editor, the link opens the table-list editor.
class TfrmMenuListini : public SectionMenu {
    Q_OBJECT

public:
    TfrmMenuListini();

public slots:
    void btnAperitiviClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Aperitivi)); }
    void btnAntipastiClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Antipasti)); }
    void btnPrimiClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Primi)); }
    void btnCarneClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Carne)); }
    void btnPesceClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Pesce)); }
    void btnContorniClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Contorni)); }
    void btnPizzeClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Pizze)); }
    void btnDessertClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Dessert)); }
    void btnBevandeClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Bevande)); }
    void btnViniClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Vini)); }
    void btnLiquoriClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Liquori)); }
    void btnCaffetteriaClick() { OpenEditor(CatalogueEntryOf(CourseCategory::Caffetteria)); }
    void lnkTavoliClick();
    void imgGuidaClick() override;

protected:
    void FormClose() override;

private:
    // The editor of the entry, built anew.
    void OpenEditor(const CatalogueEntry& entry);
    LinkLabel* m_tavoli;
};
