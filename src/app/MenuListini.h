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
    void btnAperitiviClick() { OpenEditor(CourseCategory::Aperitivi); }
    void btnAntipastiClick() { OpenEditor(CourseCategory::Antipasti); }
    void btnPrimiClick() { OpenEditor(CourseCategory::Primi); }
    void btnCarneClick() { OpenEditor(CourseCategory::Carne); }
    void btnPesceClick() { OpenEditor(CourseCategory::Pesce); }
    void btnContorniClick() { OpenEditor(CourseCategory::Contorni); }
    void btnPizzeClick() { OpenEditor(CourseCategory::Pizze); }
    void btnDessertClick() { OpenEditor(CourseCategory::Dessert); }
    void btnBevandeClick() { OpenEditor(CourseCategory::Bevande); }
    void btnViniClick() { OpenEditor(CourseCategory::Vini); }
    void btnLiquoriClick() { OpenEditor(CourseCategory::Liquori); }
    void btnCaffetteriaClick() { OpenEditor(CourseCategory::Caffetteria); }
    void lnkTavoliClick();
    void imgGuidaClick() override;

protected:
    void FormClose() override;

private:
    void OpenEditor(CourseCategory category);
    LinkLabel* m_tavoli;
};
