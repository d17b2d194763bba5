#include "archive/Comanda_in_Lettura.h"

#include "output/TicketCommands.h"
#include "platform/TextTrim.h"
#include "tickets/OrderArchive.h"
#include "tickets/Ticket.h"
#include "widgets/Controls.h"
#include "widgets/InfoBar.h"
#include "widgets/LineList.h"
#include "widgets/LineModel.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ModalDialogs.h"
#include "widgets/Theme.h"
#include "widgets/TotalField.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString ReadyHint = u"Pronto per stampare l'ordinazione..."_s;
const QString TooLargeTicketMessage =
    u"Attenzione: il file della comanda è troppo grande per essere aperto.\r\n\r\nNon si "
    u"tratta di una comanda salvata dal programma: controllare il file nella cartella "
    u"dell'archivio."_s;

// Every line is at least this wide: the list scrolls sideways to show it.
constexpr int ItemWidth = 800;

QPushButton* Button(const QString& name, const QString& text, const QString& icon, ButtonLook look,
                    QWidget* parent) {
    QPushButton* button = WindowButton(name, text, icon, look, 12, parent, QFont::Normal);
    button->setMinimumHeight(50);
    return button;
}

} // namespace

TfrmComanda_in_Lettura::TfrmComanda_in_Lettura(QWidget* owner)
    : MaximisedDialog(u"TfrmComanda_in_Lettura"_s,
                      u" Orbisala - Visualizzazione comande in archivio"_s, owner),
      m_report(TicketReportName) {
    setModal(true);

    lblNome = new QLabel(u"Comanda"_s, this);
    lblNome->setObjectName(u"lblNome"_s);
    lblNome->setAlignment(Qt::AlignCenter);
    lblNome->setFont(Theme::Verdana(12));
    Theme::ApplyLook(lblNome, Theme::Look::InfoBar);
    lblNome->setMinimumHeight(36);

    lblFile = new QLabel(this);
    lblFile->setObjectName(u"lblFile"_s);
    lblFile->hide();

    lstRecords = new LineList(u"lstRecords"_s, this);
    lstRecords->showScrollBars();

    btnTotale =
        Button(u"btnTotale"_s, u"Calcola totale >>"_s, u"calcola"_s, ButtonLook::Light, this);
    txtTotale = TotalField(u"txtTotale"_s, this);
    cmdStampa = Button(u"cmdStampa"_s, u"Stampa"_s, u"stampa"_s, ButtonLook::Primary, this);
    cmdChiudi = Button(u"cmdChiudi"_s, u"Chiudi"_s, u"chiudi"_s, ButtonLook::Light, this);

    panInfo = new InfoBar(u"panInfo"_s, this);
    panInfo->setFont(Theme::Tahoma(12));
    panInfo->setText(ReadyHint);
    panInfo->setMinimumHeight(50);
    panInfo->addHint(btnTotale, u"Calcola il totale complessivo della comanda."_s);
    panInfo->addHint(cmdStampa, u"Stampa la comanda."_s);
    panInfo->addHint(cmdChiudi, u"Chiudi questa schermata di lavoro."_s);
    // The background, the heading bar and the list empty the bar; the total
    // field and the bar itself leave it as it is.
    panInfo->clearOver(this);
    for (QWidget* quiet : {static_cast<QWidget*>(lblNome), static_cast<QWidget*>(lstRecords),
                           lstRecords->viewport()})
        panInfo->addHint(quiet, QString());

    auto* totalRow = new QHBoxLayout;
    totalRow->setSpacing(10);
    totalRow->addStretch(1);
    totalRow->addWidget(btnTotale);
    totalRow->addWidget(txtTotale);

    auto* foot = new QHBoxLayout;
    foot->setSpacing(10);
    foot->addWidget(cmdStampa);
    foot->addWidget(panInfo, 1);
    foot->addWidget(cmdChiudi);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 14);
    page->setSpacing(12);
    page->addWidget(lblNome);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 0, 20, 0);
    body->setSpacing(12);
    body->addWidget(lstRecords, 1);
    body->addLayout(totalRow);
    body->addLayout(foot);
    page->addLayout(body, 1);

    connect(btnTotale, &QPushButton::clicked, this, &TfrmComanda_in_Lettura::btnTotaleClick);
    connect(cmdStampa, &QPushButton::clicked, this, &TfrmComanda_in_Lettura::cmdStampaClick);
    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmComanda_in_Lettura::cmdChiudiClick);
}

void TfrmComanda_in_Lettura::setFile(const QByteArray& nativePath) {
    m_path = nativePath;
    lblFile->setText(TrimBlanks(QFile::decodeName(nativePath)));
}

void TfrmComanda_in_Lettura::setHeading(const QString& heading) {
    lblNome->setText(heading);
}

void TfrmComanda_in_Lettura::FormShow() {
    QStringList lines;
    // A file that cannot be read leaves the list empty, without a word; one
    // too large to be a ticket is said so.
    const SharedRead read = LoadArchiveFile(m_path, &lines);
    if (read == SharedRead::TooLarge)
        MessageBox::plain(this, TooLargeTicketMessage);
    if (read != SharedRead::Read)
        return;
    for (QString& line : lines)
        line = TrimBlanks(line);
    lstRecords->showLines(lines);
    lstRecords->setItemWidth(ItemWidth);
}

Ticket TfrmComanda_in_Lettura::ticket() const {
    return Ticket(lstRecords->lines()->lines());
}

void TfrmComanda_in_Lettura::btnTotaleClick() {
    // The amount is read from character 59 on, as far as the trimmed line
    // goes: the same amount as in the full line.
    ShowTicketTotal(txtTotale, ticket());
}

void TfrmComanda_in_Lettura::cmdStampaClick() {
    PrintTicket(this, m_report, ticket(), txtTotale, TrimBlanks(lblNome->text()));
}

void TfrmComanda_in_Lettura::cmdChiudiClick() {
    close();
}

void OpenComandaInLettura(QWidget* opener, const QByteArray& nativePath, const QString& heading) {
    auto viewer = std::make_unique<TfrmComanda_in_Lettura>(opener);
    viewer->setFile(nativePath);
    viewer->setHeading(heading);
    ShowModal(viewer.get());
}
