#include "archive/ApriOrdinazioni.h"

#include "archive/Comanda_in_Lettura.h"
#include "archive/OrderArchive.h"
#include "help/HelpWindows.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"
#include "widgets/Banner.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

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

// Changes seen in the folder within this time make one look at it.
constexpr int SettleMs = 250;
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
      m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this)) {
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
    // The names in one font set on the list, every item as tall as the
    // first: twenty thousand tickets list at once.
    lstFiles = LineList(u"lstFiles"_s, shpLista);
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

    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle,
            qOverload<>(&QTimer::start));
    connect(m_settle, &QTimer::timeout, this, &TfrmApriOrdinazioni::FollowFolder);
}

void TfrmApriOrdinazioni::FormShow() {
    FillList();
    // Followed from now until the window is hidden again.
    StopFollowing();
    if (const QDir folder(ProgramFolder()); folder.exists())
        m_watcher->addPath(folder.absolutePath());
}

void TfrmApriOrdinazioni::FormClose() {
    emit closed();
}

void TfrmApriOrdinazioni::hideEvent(QHideEvent* event) {
    KeptWindow::hideEvent(event);
    // Minimising hides the window too; only a real hiding stops the watch.
    if (!event->spontaneous())
        StopFollowing();
}

void TfrmApriOrdinazioni::StopFollowing() {
    m_settle->stop();
    if (const QStringList watched = m_watcher->directories(); !watched.isEmpty())
        m_watcher->removePaths(watched);
}

void TfrmApriOrdinazioni::FillList() {
    ShowNames(ListOrderArchives());
    // As filled afresh: nothing selected, nothing current, the top in view.
    lstFiles->selectionModel()->clear();
    lstFiles->scrollToTop();
    ShowCount();
}

void TfrmApriOrdinazioni::ShowCount() {
    lblCreati->setText(u"Sono state archiviate %1 comande."_s.arg(lstFiles->count()));
}

void TfrmApriOrdinazioni::FollowFolder() {
    const QString chosen = SelectedName();
    const QStringList names = ListOrderArchives();
    if (!ShowNames(names))
        return;
    // The selection stays on its file while the file is there, and never
    // passes to a neighbour when it goes: a press of "Elimina comanda" must
    // not reach a ticket the user did not choose.
    const int row = chosen.isNull() ? -1 : int(names.indexOf(chosen));
    if (row < 0) {
        lstFiles->clearSelection();
    } else if (SelectedName() != chosen) {
        lstFiles->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        lstFiles->scrollToItem(lstFiles->item(row));
    }
    ShowCount();
}

bool TfrmApriOrdinazioni::ShowNames(const QStringList& names) {
    const int count = lstFiles->count();
    if (count == names.size()) {
        int row = 0;
        while (row < count && lstFiles->item(row)->text() == names.at(row))
            ++row;
        if (row == count)
            return false;
    }
    QSet<QString> listed;
    listed.reserve(count);
    for (int row = 0; row < count; ++row)
        listed.insert(lstFiles->item(row)->text());
    const QSet<QString> present(names.cbegin(), names.cend());
    QList<int> gone; // rows of names no longer in the folder
    for (int row = 0; row < count; ++row)
        if (!present.contains(lstFiles->item(row)->text()))
            gone.append(row);
    QList<int> added; // positions in `names` of names not yet listed
    for (int at = 0; at < names.size(); ++at)
        if (!listed.contains(names.at(at)))
            added.append(at);

    if (gone.size() + added.size() > MaxSingleChanges) {
        ShowLines(lstFiles, names);
        return true;
    }
    // Rows taken out and put in one by one: the other items, the selection
    // and the scrolled position stay as they are.
    std::for_each(gone.crbegin(), gone.crend(),
                  [this](int row) { delete lstFiles->takeItem(row); });
    // With the gone rows out, every name before an added one is listed by
    // the time that one goes in: its position in the folder's order is its
    // row.
    for (int at : added)
        lstFiles->insertItem(at, names.at(at));
    return true;
}

QString TfrmApriOrdinazioni::SelectedName() const {
    const QList<QListWidgetItem*> selected = lstFiles->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TfrmApriOrdinazioni::btnApriClick() {
    if (lstFiles->count() == 0) {
        warning(this, EmptyListWarning);
        return;
    }
    const QString name = SelectedName();
    if (name.isNull()) {
        warning(this, OpenWithoutSelectionWarning);
        return;
    }
    // The path names the listed file exactly, as for deleting; the heading
    // is the name without ".eur".
    OpenComandaInLettura(this, ProgramFolder() + name,
                         name.left(std::max(0, int(name.size()) - 4)));
}

void TfrmApriOrdinazioni::btnEliminaClick() {
    if (lstFiles->count() == 0) {
        warning(this, EmptyListWarning);
        return;
    }
    const QString name = SelectedName();
    if (name.isNull()) {
        warning(this, DeleteWithoutSelectionWarning);
        return;
    }
    if (!confirm(this, DeleteQuestion))
        return;
    // The path names the listed file exactly: a name with leading blanks
    // trimmed away would name another ticket, and delete that one.
    const QString path = ProgramFolder() + name;
    const bool deleted = DeleteOrderArchive(path);
    if (deleted)
        information(this, DeletedMessage);
    FillList();
    if (!deleted)
        plain(this, QFileInfo::exists(path) ? NotDeletedMessage : AlreadyGoneMessage);
}

void TfrmApriOrdinazioni::btnAnnullaClick() {
    close();
}

void TfrmApriOrdinazioni::imgGuidaClick() {
    OpenHelpTopic(this, HelpTopic::Orders);
}
