#include "orders/Ordinazioni.h"

#include "catalogue/Catalogue.h"
#include "orders/Importa.h"
#include "orders/ImportaTavoli.h"
#include "orders/TicketFields.h"
#include "output/InvioEmail.h"
#include "output/TicketCommands.h"
#include "platform/Clock.h"
#include "platform/Formatting.h"
#include "platform/KeyCodes.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"
#include "tickets/Ticket.h"
#include "widgets/Banner.h"
#include "widgets/Controls.h"
#include "widgets/InfoBar.h"
#include "widgets/LineList.h"
#include "widgets/LineModel.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"
#include "widgets/TotalField.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString ReadyHint = u"Pronto per archiviare una nuova ordinazione..."_s;
const QString NothingSelectedWarning =
    u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
    u"pulsante di cancellazione."_s;
const QString SaveWithoutTableWarning =
    u"Attenzione: per salvare la comanda è necessario indicare il numero o nome del tavolo."_s;
const QString SaveWithoutLinesWarning =
    u"Attenzione: per salvare la comanda è necessario indicare almeno una portata."_s;
const QString SavedMessage = u"Comanda salvata con successo."_s;
const QString SaveFailedMessage =
    u"Attenzione: il sistema non permette di salvare i dati.\n\r\n\rAccertarsi di possedere i "
    u"privilegi di amministratore sul proprio computer."_s;
const QString SendWithoutTableWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare il numero o nome "
    u"del tavolo."_s;
const QString SendWithoutLinesWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare almeno una "
    u"portata."_s;

// The panel that holds every control, centred in the maximised window.
constexpr QSize PanelSize(1000, 697);
constexpr int CategoryColumns = 3;

// Keys the table field lets through: moving on with Tab, and the modifier
// keys alone, which are on their way to another key.
constexpr int ShiftKey = 16;
constexpr int ControlKey = 17;
constexpr int AltKey = 18;

QVBoxLayout* Titled(QLabel* title, QWidget* field) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(title);
    column->addWidget(field);
    return column;
}

QPushButton* CommandButton(const QString& name, const QString& text, const QString& icon,
                           ButtonLook look, QWidget* parent) {
    QPushButton* button = WindowButton(name, text, icon, look, 12, parent, QFont::Normal);
    button->setMinimumSize(150, 52);
    return button;
}

} // namespace

TfrmOrdinazioni::TfrmOrdinazioni()
    : KeptWindow(u"TfrmOrdinazioni"_s, u" Orbisala - Ordinazioni ai Tavoli"_s),
      m_report(TicketReportName) {
    auto* panComanda = new QWidget(this);
    panComanda->setObjectName(u"panComanda"_s);
    panComanda->setFixedSize(PanelSize);

    // The top bar: the four commands.
    cmdSalva =
        CommandButton(u"cmdSalva"_s, u"Salva"_s, u"salva"_s, ButtonLook::Primary, panComanda);
    cmdStampa =
        CommandButton(u"cmdStampa"_s, u"Stampa"_s, u"stampa"_s, ButtonLook::Light, panComanda);
    cmdInvia = CommandButton(u"cmdInvia"_s, u"Invia"_s, u"invia"_s, ButtonLook::Light, panComanda);
    cmdChiudi =
        CommandButton(u"cmdChiudi"_s, u"Chiudi"_s, u"chiudi"_s, ButtonLook::Light, panComanda);
    auto* topBar = new QHBoxLayout;
    topBar->setSpacing(10);
    for (QPushButton* command : {cmdSalva, cmdStampa, cmdInvia, cmdChiudi})
        topBar->addWidget(command);
    topBar->addStretch(1);

    // The category grid: four rows of three, each a picture over its caption.
    QLabel* icoIstruzioni = InstructionLine(
        u"icoIstruzioni"_s, u"Usare le icone per aggiungere le portate"_s, panComanda);
    icoIstruzioni->setFont(Theme::Verdana(10, true));
    auto* shpCategorie = new QFrame(panComanda);
    shpCategorie->setObjectName(u"shpCategorie"_s);
    Theme::ApplyLook(shpCategorie, Theme::Look::WhitePanel);
    auto* tiles = new QGridLayout(shpCategorie);
    tiles->setContentsMargins(10, 10, 10, 10);
    tiles->setHorizontalSpacing(8);
    tiles->setVerticalSpacing(2);
    const QVector<CatalogueEntry>& entries = CategoryEntries();
    QVector<QPair<PictureButton*, QString>> categoryHints;
    for (int i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& entry = entries[i];
        auto* picture = new PictureButton(entry.OrderControls[0], entry.Key.toLower(), QString(),
                                          PictureButton::Look::Tile, shpCategorie);
        auto* caption = new PictureButton(entry.OrderControls[1], QString(), entry.TileCaption,
                                          PictureButton::Look::Caption, shpCategorie);
        caption->setFont(Theme::Verdana(8, true));
        picture->setFixedSize(92, 82);
        caption->setFixedSize(92, 30);
        const int row = (i / CategoryColumns) * 3;
        tiles->addWidget(picture, row, i % CategoryColumns);
        tiles->addWidget(caption, row + 1, i % CategoryColumns);
        if (row > 0)
            tiles->setRowMinimumHeight(row - 1, 8);
        for (PictureButton* control : {picture, caption}) {
            connect(control, &PictureButton::clicked, this,
                    [this, &entry] { openCategory(entry); });
            categoryHints.append({control, entry.OrderHint});
        }
    }
    auto* categories = new QVBoxLayout;
    categories->setSpacing(8);
    categories->addWidget(icoIstruzioni);
    categories->addWidget(shpCategorie);
    categories->addStretch(1);

    // The ticket: date, time and table over its lines and total.
    txtData = ReadOnlyField(u"txtData"_s, 150, 42, Qt::AlignHCenter, panComanda);
    txtOra = ReadOnlyField(u"txtOra"_s, 120, 42, Qt::AlignHCenter, panComanda);
    txtTavolo = ReadOnlyField(u"txtTavolo"_s, 200, 42, Qt::AlignLeft, panComanda);
    for (QLineEdit* stamp : {txtData, txtOra})
        stamp->setFocusPolicy(Qt::NoFocus);
    impTavolo = WindowButton(u"impTavolo"_s, u"Importa"_s, u"importa"_s, ButtonLook::Light, 11,
                             panComanda, QFont::Normal);
    impTavolo->setFixedHeight(42);
    auto* stamps = new QHBoxLayout;
    stamps->setSpacing(12);
    QLabel* icoData = FieldTitle(u"icoData"_s, u"Data"_s, panComanda);
    QLabel* icoOra = FieldTitle(u"icoOra"_s, u"Ora"_s, panComanda);
    QLabel* icoTavolo = FieldTitle(u"icoTavolo"_s, u"Tavolo"_s, panComanda);
    stamps->addLayout(Titled(icoData, txtData));
    stamps->addLayout(Titled(icoOra, txtOra));
    stamps->addLayout(Titled(icoTavolo, txtTavolo));
    stamps->addWidget(impTavolo, 0, Qt::AlignBottom);
    stamps->addStretch(1);

    lstRecords = new LineList(u"lstRecords"_s, panComanda);

    btnElimina = CommandButton(u"btnElimina"_s, u"Elimina voce"_s, u"elimina"_s, ButtonLook::Light,
                               panComanda);
    btnTotale = CommandButton(u"btnTotale"_s, u"Calcola totale >>"_s, u"calcola"_s,
                              ButtonLook::Light, panComanda);
    txtTotale = TotalField(u"txtTotale"_s, panComanda);
    txtTotale->setFocusPolicy(Qt::NoFocus);
    auto* totalRow = new QHBoxLayout;
    totalRow->setSpacing(10);
    totalRow->addWidget(btnElimina);
    totalRow->addStretch(1);
    totalRow->addWidget(btnTotale);
    totalRow->addWidget(txtTotale);

    auto* ticket = new QVBoxLayout;
    ticket->setSpacing(10);
    ticket->addLayout(stamps);
    ticket->addWidget(lstRecords, 1);
    ticket->addLayout(totalRow);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(categories);
    body->addLayout(ticket, 1);

    panInfo = new InfoBar(u"panInfo"_s, panComanda);
    panInfo->setFont(Theme::Tahoma(12));
    panInfo->setFixedHeight(36);
    panInfo->setText(ReadyHint);

    auto* page = new QVBoxLayout(panComanda);
    page->setContentsMargins(0, 8, 0, 0);
    page->setSpacing(12);
    page->addLayout(topBar);
    page->addLayout(body, 1);
    page->addWidget(panInfo);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(panComanda, 0, Qt::AlignCenter);

    // Hover help: each command and category writes its hint; the list, the
    // panels, the pictures around and the window's bare background empty the
    // bar; the text fields and the bar itself leave it as it is. A move
    // stops where its hint was written, so that no panel behind empties it.
    const auto hint = [this](QWidget* area, const QString& text) {
        panInfo->addHint(area, text);
        area->setAttribute(Qt::WA_NoMousePropagation);
    };
    for (const auto& [control, text] : categoryHints)
        hint(control, text);
    hint(cmdSalva, u"Salva la comanda."_s);
    hint(cmdStampa, u"Stampa la comanda."_s);
    hint(cmdInvia, u"Invia la comanda tramite e-mail."_s);
    hint(cmdChiudi, u"Chiudi questa schermata di lavoro."_s);
    hint(impTavolo, TableListEntry().OrderHint);
    hint(btnElimina, u"Elimina dall'elenco la voce selezionata."_s);
    hint(btnTotale, u"Calcola il totale complessivo della comanda."_s);
    for (QWidget* quiet :
         std::initializer_list<QWidget*>{panComanda, shpCategorie, icoIstruzioni, icoData, icoOra,
                                         icoTavolo, lstRecords, lstRecords->viewport()})
        hint(quiet, QString());
    panInfo->clearOver(this);

    setTabOrder(txtTavolo, impTavolo);
    setTabOrder(impTavolo, lstRecords);
    setTabOrder(lstRecords, btnElimina);
    setTabOrder(btnElimina, btnTotale);
    setTabOrder(btnTotale, cmdSalva);
    setTabOrder(cmdSalva, cmdStampa);
    setTabOrder(cmdStampa, cmdInvia);
    setTabOrder(cmdInvia, cmdChiudi);

    txtTavolo->installEventFilter(this);
    connect(impTavolo, &QPushButton::clicked, this, &TfrmOrdinazioni::impTavoloClick);
    connect(btnElimina, &QPushButton::clicked, this, &TfrmOrdinazioni::btnEliminaClick);
    connect(btnTotale, &QPushButton::clicked, this, &TfrmOrdinazioni::btnTotaleClick);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmOrdinazioni::cmdSalvaClick);
    connect(cmdStampa, &QPushButton::clicked, this, &TfrmOrdinazioni::cmdStampaClick);
    connect(cmdInvia, &QPushButton::clicked, this, &TfrmOrdinazioni::cmdInviaClick);
    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmOrdinazioni::cmdChiudiClick);
}

void TfrmOrdinazioni::FormShow() {
    // One reading of the clock for both: the date and the time of one moment.
    m_moment = CurrentDateTime();
    m_savedName.clear();
    txtData->setText(ShortDateText(m_moment.date()));
    txtOra->setText(TimeText(m_moment.time()));
    txtTavolo->clear();
    txtTotale->setText(TotalNotComputed);
    lstRecords->lines()->clear();
    txtTavolo->setFocus();
    // The info bar keeps what it last said.
}

void TfrmOrdinazioni::FormClose() {
    // The ticket is done with: the next showing starts a new one.
    lstRecords->lines()->clear();
    emit closed();
}

void TfrmOrdinazioni::appendOrderLine(const QString& line) {
    lstRecords->lines()->appendLine(line);
    lstRecords->scrollToBottom();
    txtTotale->setText(TotalNotComputed);
}

void TfrmOrdinazioni::setTable(const QString& table) {
    txtTavolo->setText(table);
}

void TfrmOrdinazioni::openCategory(const CatalogueEntry& entry) {
    OpenImporta(this, entry, [this](const QString& line) { appendOrderLine(line); });
}

void TfrmOrdinazioni::impTavoloClick() {
    OpenImportaTavoli(this, [this](const QString& table) { setTable(table); });
}

bool TfrmOrdinazioni::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtTavolo && event->type() == QEvent::KeyPress)
        return txtTavoloKeyDown(static_cast<QKeyEvent*>(event));
    return KeptWindow::eventFilter(watched, event);
}

bool TfrmOrdinazioni::txtTavoloKeyDown(const QKeyEvent* key) {
    const KeyStroke stroke = KeyStrokeOf(key);
    switch (stroke.code) {
    case KeyCode::Backspace:
    case KeyCode::Delete:
        txtTavolo->clear();
        return true;
    case KeyCode::Tab:
    case ShiftKey:
    case ControlKey:
    case AltKey:
        return false;
    case 0:
        // A key that neither has a number here nor types anything (AltGr,
        // the logo key, Caps Lock) is no choice of a table.
        if (stroke.character.isNull())
            return false;
        break;
    default:
        break;
    }
    impTavoloClick();
    return true;
}

Ticket TfrmOrdinazioni::ticket() const {
    return Ticket(lstRecords->lines()->lines(), txtTavolo->text(), txtData->text(), txtOra->text());
}

void TfrmOrdinazioni::btnEliminaClick() {
    const int row = lstRecords->selectedRow();
    if (row < 0) {
        MessageBox::warning(this, NothingSelectedWarning);
        return;
    }
    lstRecords->lines()->removeLine(row);
    // Nothing selected afterwards: a second press warns instead of deleting
    // the neighbour the list would otherwise select.
    lstRecords->selectionModel()->clear();
    txtTotale->setText(TotalNotComputed);
}

void TfrmOrdinazioni::btnTotaleClick() {
    ShowTicketTotal(txtTotale, ticket());
}

void TfrmOrdinazioni::cmdSalvaClick() {
    const Ticket shown = ticket();
    if (!shown.hasTable()) {
        MessageBox::warning(this, SaveWithoutTableWarning);
        txtTavolo->setFocus();
        return;
    }
    if (shown.isEmpty()) {
        MessageBox::warning(this, SaveWithoutLinesWarning);
        return;
    }
    ShowTicketTotal(txtTotale, shown);
    const QString name = shown.archiveName();
    // The ticket on screen stays as it is, saved or not. Saved again, it
    // replaces its own file. Its first save, and its first under another
    // table, never replaces a file: a station that started a ticket for the
    // same table in the same second has it, and this ticket then moves to
    // the next free second, its time field with it, so that its name, its
    // printed title and its e-mail subject keep agreeing.
    Result<void> saved;
    if (name == m_savedName) {
        saved = SaveOrderArchive(name, shown.lines());
    } else {
        const Result<SavedTicket> created =
            SaveNewOrderArchive(txtTavolo->text(), m_moment, shown.lines());
        saved = created ? Result<void>() : Failure{created.error()};
        if (created) {
            m_savedName = created->fileName;
            m_moment = created->moment;
            txtData->setText(ShortDateText(m_moment.date()));
            txtOra->setText(TimeText(m_moment.time()));
        }
    }
    if (!saved)
        MessageBox::plain(this, SaveFailedMessage);
    else
        MessageBox::information(this, SavedMessage);
}

void TfrmOrdinazioni::cmdStampaClick() {
    const Ticket shown = ticket();
    PrintTicket(this, m_report, shown, txtTotale, shown.printTitle());
}

void TfrmOrdinazioni::cmdInviaClick() {
    const Ticket shown = ticket();
    if (!shown.hasTable()) {
        MessageBox::warning(this, SendWithoutTableWarning);
        txtTavolo->setFocus();
        return;
    }
    if (shown.isEmpty()) {
        MessageBox::warning(this, SendWithoutLinesWarning);
        return;
    }
    ShowTicketTotal(txtTotale, shown);
    OpenInvioEmail(this, shown.mailSubject(), shown.mailMessage());
}

void TfrmOrdinazioni::cmdChiudiClick() {
    close();
}
