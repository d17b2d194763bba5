#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/KeyFilters.h"
#include "catalogue/PriceListDocument.h"
#include "output/ReportLayout.h"
#include "widgets/CatalogueDialog.h"

class QInputMethodEvent;
class QPushButton;

// What the two editor designs share: the window, the banner and instruction
// pictures with the entry's words, the list kept in ListOrder with its hint,
// the add button, and deleting, printing, saving and closing. The list file
// is read when the window is shown and written only by "Salva e chiudi";
// unsaved lines are lost on closing, which only "Salva e chiudi" and "Chiudi
// senza salvare" do.
class ListEditor : public CatalogueDialog {
    Q_OBJECT

public:
    const CatalogueEntry& entry() const { return m_document.entry(); }

public slots:
    virtual void btnTrovaClick() = 0;
    void btnEliminaClick();
    void btnStampaClick();
    void btnAnnullaClick();
    void btnChiudiClick();

protected:
    // What differs between the two designs besides the entry.
    struct Design {
        QString bannerName;      // the banner picture's control name
        QString instructionName; // the instruction picture's control name
        QString printButtonText;
        QString reportName; // names the print job
        QString saveFailedMessage;
    };

    ListEditor(const CatalogueEntry& entry, const Design& design, QWidget* owner);

    // FormShow in two steps: read the file (false: it could not be read, and
    // the window stays as created), then show what was read.
    bool readList();
    void showList();

    // Adds to the list in memory and shows the line at its sorted place.
    ListAddition addItem(const QString& name, const QString& price = QString());

    void FormClose() override;

    // Carries out a key rule's decision on a key press in a field: true when
    // the key is used up (swallowed, or Enter that moved the focus to the add
    // button, which must not press it too).
    bool applyKeyDecision(KeyDecision decision);

    // Letters composed with dead keys arrive as committed text, not as key
    // presses; they are typed all the same, so the rule drops the ones it
    // refuses.
    using KeyRule = KeyDecision (*)(int keyCode, QChar character);
    static void dropRefusedCharacters(QInputMethodEvent* input, KeyRule rule);

    QPushButton* btnTrova;
    QPushButton* btnAnnulla;
    QPushButton* btnElimina;
    QPushButton* btnChiudi;
    QPushButton* btnStampa;

private:
    PriceListDocument m_document;
    ReportLayout m_report;
    QString m_saveFailedMessage;
};
