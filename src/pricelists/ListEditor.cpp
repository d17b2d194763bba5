#include "pricelists/ListEditor.h"

#include "catalogue/ListWindowTexts.h"
#include "output/PrintSummary.h"
#include "widgets/Banner.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/LineModel.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Theme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString NothingSelectedWarning =
    u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
    u"pulsante di cancellazione."_s;

constexpr QSize ClientSize(862, 560);
constexpr QSize ContainerSize(833, 529);
constexpr QSize BannerSize(817, 53);
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
    : FixedDialog(entry.EditorClass, entry.EditorTitle, ClientSize, owner), m_document(entry),
      m_report(design.reportName), m_saveFailedMessage(design.saveFailedMessage) {
    setModal(true);
    // Unsaved lines are lost on closing: only "Salva e chiudi" and "Chiudi
    // senza salvare" leave the window.
    setLeftByOwnButtonsOnly();

    auto* panContainer = new QWidget(this);
    panContainer->setObjectName(u"panContainer"_s);
    panContainer->setFixedSize(ContainerSize);

    auto* banner = new Banner(design.bannerName, entry.BannerText, 18, panContainer);
    banner->setFixedSize(BannerSize);
    QLabel* instructions =
        InstructionLine(design.instructionName, entry.InstructionText.join(u'\n'), panContainer);
    instructions->setFont(Theme::Verdana(8));
    instructions->setFixedWidth(BannerSize.width());

    auto* shpLista = new QFrame(panContainer);
    shpLista->setObjectName(u"shpLista"_s);
    Theme::ApplyLook(shpLista, Theme::Look::GradientPanel);
    lstRecords = new LineList(u"lstRecords"_s, shpLista);
    lstRecords->setFixedSize(ListSize);
    auto* lblRigo03 = new QLabel(entry.RemoveHint, shpLista);
    lblRigo03->setObjectName(u"lblRigo03"_s);
    lblRigo03->setFont(Theme::Verdana(9));
    Theme::SetTextColour(lblRigo03, Theme::Crimson);
    auto* listColumn = new QVBoxLayout(shpLista);
    listColumn->setContentsMargins(16, 8, 16, 6);
    listColumn->setSpacing(4);
    listColumn->addWidget(lstRecords);
    listColumn->addWidget(lblRigo03);

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

    m_page = new QVBoxLayout(panContainer);
    m_page->setContentsMargins(0, 0, 0, 0);
    m_page->setSpacing(5);
    m_page->addWidget(banner, 0, Qt::AlignHCenter);
    m_page->addWidget(instructions, 0, Qt::AlignHCenter);
    m_page->addWidget(shpLista);
    m_page->addStretch(1);
    m_page->addLayout(foot);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(panContainer, 0, Qt::AlignCenter);

    connect(btnTrova, &QPushButton::clicked, this, [this] { btnTrovaClick(); });
    connect(btnElimina, &QPushButton::clicked, this, &ListEditor::btnEliminaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ListEditor::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &ListEditor::btnAnnullaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ListEditor::btnChiudiClick);
}

void ListEditor::setFieldsArea(QFrame* shpSfondo) {
    shpSfondo->setObjectName(u"shpSfondo"_s);
    Theme::ApplyLook(shpSfondo, Theme::Look::GradientPanel);
    m_page->insertWidget(2, shpSfondo);
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
