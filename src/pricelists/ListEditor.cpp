#include "pricelists/ListEditor.h"

#include "catalogue/ListWindowTexts.h"
#include "output/PrintSummary.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/LineModel.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString NothingSelectedWarning =
    u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
    u"pulsante di cancellazione."_s;

constexpr QSize ListSize(801, 273);
// The width every line of the list takes after loading.
constexpr int ItemWidth = 750;

QPushButton* FootButton(const QString& name, const QString& text, const QString& icon,
                        ButtonLook look, QWidget* parent) {
    QPushButton* button = WindowButton(name, text, icon, look, 10, parent, QFont::Normal);
    button->setFixedHeight(42);
    return button;
}

} // namespace

ListEditor::ListEditor(const CatalogueEntry& entry, const Design& design, QWidget* owner)
    : CatalogueDialog(entry.EditorClass, entry.EditorTitle,
                      {design.bannerName, entry.BannerText, design.instructionName,
                       entry.InstructionText.join(u'\n'), Theme::Verdana(8),
                       Theme::Look::GradientPanel, QMargins(16, 8, 16, 6), 5, false,
                       FieldsPlace::AboveList},
                      owner),
      m_document(entry), m_report(design.reportName),
      m_saveFailedMessage(design.saveFailedMessage) {
    lstRecords->setFixedSize(ListSize);
    auto* lblRigo03 = new QLabel(entry.RemoveHint, lstRecords->parentWidget());
    lblRigo03->setObjectName(u"lblRigo03"_s);
    lblRigo03->setFont(Theme::Verdana(9));
    Theme::SetTextColour(lblRigo03, Theme::Crimson);
    addUnderList(lblRigo03);

    btnTrova = WindowButton(u"btnTrova"_s, u"Aggiungi all'elenco"_s, QString(), ButtonLook::Primary,
                            10, this, QFont::Normal);
    btnElimina = FootButton(u"btnElimina"_s, u"Elimina voce selezionata"_s, u"elimina"_s,
                            ButtonLook::Light, panContainer);
    btnStampa = FootButton(u"btnStampa"_s, design.printButtonText, u"stampa"_s, ButtonLook::Light,
                           panContainer);
    btnAnnulla = FootButton(u"btnAnnulla"_s, u"Chiudi senza salvare"_s, u"chiudi"_s,
                            ButtonLook::Light, panContainer);
    btnChiudi = FootButton(u"btnChiudi"_s, u"Salva e chiudi"_s, u"salva"_s, ButtonLook::Primary,
                           panContainer);
    auto* foot = new QHBoxLayout;
    foot->setSpacing(6);
    for (QPushButton* button : {btnElimina, btnStampa, btnAnnulla, btnChiudi})
        foot->addWidget(button, 1);
    setFoot(foot);

    connect(btnTrova, &QPushButton::clicked, this, [this] { btnTrovaClick(); });
    connect(btnElimina, &QPushButton::clicked, this, &ListEditor::btnEliminaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ListEditor::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &ListEditor::btnAnnullaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ListEditor::btnChiudiClick);
}

bool ListEditor::readList() {
    const SharedRead read = m_document.load();
    if (read == SharedRead::TooLarge)
        MessageBox::plain(this, TooLargeListMessage);
    return read == SharedRead::Read;
}

void ListEditor::showList() {
    // Sorted once by the document, inserted in one go.
    lstRecords->showLines(m_document.lines());
    lstRecords->setItemWidth(ItemWidth);
    lstRecords->showScrollBars();
}

ListAddition ListEditor::addItem(const QString& name, const QString& price) {
    const ListAddition added = m_document.add(name, price);
    if (added.outcome == AddOutcome::Added) {
        lstRecords->lines()->insertLine(int(added.row), m_document.lines().at(added.row));
        lstRecords->scrollToRow(int(added.row));
    }
    return added;
}

bool ListEditor::applyKeyDecision(KeyDecision decision) {
    switch (decision) {
    case KeyDecision::Pass:
        return false;
    case KeyDecision::Swallow:
        return true;
    case KeyDecision::FocusAddButton:
        btnTrova->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void ListEditor::dropRefusedCharacters(QInputMethodEvent* input, KeyRule rule) {
    QString commit = input->commitString();
    const qsizetype before = commit.size();
    commit.removeIf([rule](QChar c) { return rule(0, c) == KeyDecision::Swallow; });
    if (commit.size() != before)
        input->setCommitString(commit, input->replacementStart(), input->replacementLength());
}

void ListEditor::btnEliminaClick() {
    const int row = lstRecords->selectedRow();
    if (row < 0) {
        MessageBox::warning(this, NothingSelectedWarning);
        return;
    }
    m_document.removeAt(row);
    lstRecords->lines()->removeLine(row);
    // Nothing selected afterwards, as right after opening: a second press
    // warns instead of deleting the neighbour.
    lstRecords->selectionModel()->clear();
}

void ListEditor::btnStampaClick() {
    PrintSummary(m_report, entry().PrintTitle, m_document.lines(), this);
}

void ListEditor::btnAnnullaClick() {
    reject();
}

void ListEditor::btnChiudiClick() {
    if (const Result<void> saved = m_document.save(); !saved) {
        MessageBox::plain(this, m_saveFailedMessage);
        return;
    }
    accept();
}

void ListEditor::FormClose() {
    lstRecords->lines()->clear();
    m_document.clear();
}
