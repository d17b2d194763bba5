#include "archive/ApriOrdinazioni.h"

#include "archive/Comanda_in_Lettura.h"
#include "help/HelpWindows.h"
#include "platform/ProgramFolder.h"
#include "tickets/ArchiveFollower.h"
#include "tickets/ArchiveListModel.h"
#include "tickets/OrderArchive.h"
#include "widgets/Banner.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString EmptyListWarning = u"Attenzione: l'elenco non contiene nessuna comanda."_s;
const QString OpenWithoutSelectionWarning =
    u"Attenzione: selezionare l'ordinazione dall'elenco prima di premere il pulsante "
    u"Visualizza comanda."_s;
const QString DeleteWithoutSelectionWarning =
    u"Attenzione: selezionare dall'elenco la comanda da eliminare prima di premere il pulsante "
    u"di cancellazione."_s;
const QString DeleteQuestion =
    u"Si sta per eliminare la comanda selezionata. Si ricorda che il file cancellato non potrà "
    u"essere recuperato.\r\n\r\nSi conferma l'eliminazione della comanda?"_s;
const QString DeletedMessage = u"La comanda è stata eliminata con successo."_s;
// A deletion that failed says so: silence after the confirmation would read
// as success.
const QString NotDeletedMessage =
    u"Attenzione: non è stato possibile eliminare la comanda selezionata.\r\n\r\nIl file "
    u"potrebbe essere protetto da scrittura, in uso su un'altra postazione o privo dei "
    u"permessi necessari."_s;
const QString AlreadyGoneMessage =
    u"Attenzione: la comanda selezionata non si trova più nell'archivio.\r\n\r\nPotrebbe essere "
    u"stata eliminata da un'altra postazione."_s;

// Beyond this many names come or gone, filling the list afresh is cheaper
// than moving its rows one by one.
constexpr int MaxSingleChanges = 64;

QPushButton* FootButton(const QString& name, const QString& text, const QString& icon,
                        ButtonLook look, QWidget* parent) {
    QPushButton* button = WindowButton(name, text, icon, look, 13, parent, QFont::Normal);
    button->setMinimumHeight(56);
    return button;
}

} // namespace

TfrmApriOrdinazioni::TfrmApriOrdinazioni()
    : KeptWindow(u"TfrmApriOrdinazioni"_s, u" Orbisala - Visualizzazione comande in archivio"_s),
      m_follower(new ArchiveFollower(this)), m_names(new ArchiveListModel(this)) {
    auto* icoTitolo =
        new Banner(u"icoTitolo"_s, u"Visualizzazione comande in archivio"_s, 26, this);
    QLabel* lblIstruzioni = InstructionLine(
        u"lblIstruzioni"_s,
        u"Selezionare l'ordinazione nell'elenco sottostante e fare clic su Visualizza comanda.\n"
        u"Premere il pulsante Elimina comanda per cancellare il file relativo all'ordinazione.\n"
        u"Fare clic su Annulla per chiudere questa schermata senza visualizzare alcuna comanda."_s,
        this);
    lblIstruzioni->setFont(Theme::Verdana(11, true));

    auto* shpLista = new QWidget(this);
    shpLista->setObjectName(u"shpLista"_s);
    Theme::ApplyLook(shpLista, Theme::Look::WhitePanel);
    // The names in one font set on the list, every row as tall as the
    // first: two hundred thousand tickets list at once.
    lstFiles = new LineList(u"lstFiles"_s, shpLista, m_names);
    lstFiles->setFont(Theme::CourierNew(14));
    lblCreati = new QLabel(u"Sono state archiviate 0 comande."_s, shpLista);
    lblCreati->setObjectName(u"lblCreati"_s);
    lblCreati->setFont(Theme::Verdana(12));
    Theme::SetTextColour(lblCreati, Theme::CountGreen);
    auto* listColumn = new QVBoxLayout(shpLista);
    listColumn->setContentsMargins(16, 12, 16, 10);
    listColumn->setSpacing(8);
    listColumn->addWidget(lstFiles, 1);
    listColumn->addWidget(lblCreati);

    auto* imgGuida =
        new PictureButton(u"imgGuida"_s, u"guida"_s, u"Guida"_s, PictureButton::Look::Tile, this);
    imgGuida->setFixedSize(104, 90);
    btnApri =
        FootButton(u"btnApri"_s, u"Visualizza comanda"_s, u"ticket"_s, ButtonLook::Primary, this);
    btnElimina =
        FootButton(u"btnElimina"_s, u"Elimina comanda"_s, u"elimina"_s, ButtonLook::Light, this);
    btnAnnulla = FootButton(u"btnAnnulla"_s, u"Annulla"_s, u"chiudi"_s, ButtonLook::Light, this);

    auto* foot = new QHBoxLayout;
    foot->setSpacing(12);
    foot->addWidget(imgGuida);
    foot->addStretch(1);
    for (QPushButton* button : {btnApri, btnElimina, btnAnnulla})
        foot->addWidget(button);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 18, 24, 18);
    page->setSpacing(12);
    page->addWidget(icoTitolo);
    page->addWidget(lblIstruzioni);
    page->addWidget(shpLista, 1);
    page->addLayout(foot);

    connect(btnApri, &QPushButton::clicked, this, &TfrmApriOrdinazioni::btnApriClick);
    connect(btnElimina, &QPushButton::clicked, this, &TfrmApriOrdinazioni::btnEliminaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmApriOrdinazioni::btnAnnullaClick);
    connect(imgGuida, &PictureButton::clicked, this, &TfrmApriOrdinazioni::imgGuidaClick);

    connect(m_follower, &ArchiveFollower::changed, this, &TfrmApriOrdinazioni::followFolder);
}

void TfrmApriOrdinazioni::FormShow() {
    // Followed from now until the window is hidden again.
    m_follower->start(ProgramFolder(), fillList());
}

void TfrmApriOrdinazioni::FormClose() {
    // Left for the start window: the names go, the next show lists the
    // folder afresh.
    m_names->clear();
    emit closed();
}

void TfrmApriOrdinazioni::hideEvent(QHideEvent* event) {
    KeptWindow::hideEvent(event);
    // Minimising hides the window too; only a real hiding stops following.
    if (!event->spontaneous())
        m_follower->stop();
}

ArchiveNames TfrmApriOrdinazioni::fillList() {
    m_names->setNames(ListArchiveNames(ProgramFolder()));
    // As filled afresh: nothing selected, nothing current, the top in view.
    lstFiles->selectionModel()->clear();
    lstFiles->scrollToTop();
    showCount();
    if (m_follower->following())
        m_follower->rebase(m_names->names());
    return m_names->names();
}

void TfrmApriOrdinazioni::showCount() {
    lblCreati->setText(u"Sono state archiviate %1 comande."_s.arg(lstFiles->count()));
}

void TfrmApriOrdinazioni::followFolder(const ArchiveChange& change) {
    const std::optional<ArchiveName> chosen = selectedName();
    m_names->follow(change, MaxSingleChanges);
    // The selection stays on its file while the file is there, and never
    // passes to a neighbour when it goes: a press of "Elimina comanda" must
    // not reach a ticket the user did not choose.
    if (chosen && selectedName() != chosen) {
        const int row = int(m_names->names().indexOf(chosen->file));
        if (row < 0) {
            lstFiles->clearSelection();
        } else {
            lstFiles->setCurrentRow(row);
            lstFiles->scrollToRow(row);
        }
    }
    showCount();
}

std::optional<ArchiveName> TfrmApriOrdinazioni::selectedName() const {
    const int row = lstFiles->selectedRow();
    if (row < 0 || row >= m_names->names().size())
        return std::nullopt;
    return m_names->names().at(row);
}

void TfrmApriOrdinazioni::btnApriClick() {
    if (lstFiles->count() == 0) {
        MessageBox::warning(this, EmptyListWarning);
        return;
    }
    const std::optional<ArchiveName> name = selectedName();
    if (!name) {
        MessageBox::warning(this, OpenWithoutSelectionWarning);
        return;
    }
    // The path names the listed file by its bytes, as for deleting; the
    // heading is the shown name without ".eur".
    OpenComandaInLettura(this, ArchiveFilePath(*name),
                         name->shown.left(std::max(0, int(name->shown.size()) - 4)));
}

void TfrmApriOrdinazioni::btnEliminaClick() {
    if (lstFiles->count() == 0) {
        MessageBox::warning(this, EmptyListWarning);
        return;
    }
    const std::optional<ArchiveName> name = selectedName();
    if (!name) {
        MessageBox::warning(this, DeleteWithoutSelectionWarning);
        return;
    }
    if (!MessageBox::confirm(this, DeleteQuestion))
        return;
    // The path names the listed file by its bytes: neither a name with
    // leading blanks trimmed away nor a decoded name that reads like
    // another's may ever reach, and delete, another ticket.
    const QByteArray path = ArchiveFilePath(*name);
    const bool deleted = DeleteArchiveFile(path);
    if (deleted)
        MessageBox::information(this, DeletedMessage);
    fillList();
    if (!deleted)
        MessageBox::plain(this, ArchiveFileExists(path) ? NotDeletedMessage : AlreadyGoneMessage);
}

void TfrmApriOrdinazioni::btnAnnullaClick() {
    close();
}

void TfrmApriOrdinazioni::imgGuidaClick() {
    OpenHelpTopic(this, HelpTopic::Orders);
}
