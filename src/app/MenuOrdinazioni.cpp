#include "app/MenuOrdinazioni.h"

#include "help/HelpWindows.h"
#include "widgets/Controls.h"
#include "widgets/Picture.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* LargeButton(const QString& name, const QString& text, const QString& icon,
                         QWidget* parent) {
    QPushButton* button = WindowButton(name, text, QString(), ButtonLook::Light, 18, parent);
    button->setFont(Theme::Verdana(18));
    button->setIconSize({56, 56});
    button->setIcon(ArtworkIcon(icon, 56));
    button->setMinimumSize(520, 96);
    return button;
}
} // namespace

TfrmMenuOrdinazioni::TfrmMenuOrdinazioni()
    : SectionMenu(QStringLiteral("TfrmMenuOrdinazioni"),
                  QStringLiteral(" Orbisala - Ordinazioni ai Tavoli"),
                  QStringLiteral("ORDINAZIONI AI TAVOLI"),
                  QStringLiteral("Premere il pulsante per creare una nuova comanda ai tavoli o per "
                                 "visualizzare quelle in archivio.")) {
    auto* icoIcona03 =
        new Picture(QStringLiteral("icoIcona03"), QStringLiteral("ticket"), {180, 180}, this);

    auto* btnCrea = LargeButton(QStringLiteral("btnCrea"), QStringLiteral("Crea nuova comanda"),
                                QStringLiteral("ordinazioni"), this);
    auto* btnApri =
        LargeButton(QStringLiteral("btnApri"), QStringLiteral("Visualizza comande in archivio"),
                    QStringLiteral("archivio"), this);
    connect(btnCrea, &QPushButton::clicked, this, &TfrmMenuOrdinazioni::btnCreaClick);
    connect(btnApri, &QPushButton::clicked, this, &TfrmMenuOrdinazioni::btnApriClick);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(24);
    buttons->addStretch(1);
    buttons->addWidget(btnCrea);
    buttons->addWidget(btnApri);
    buttons->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(icoIcona03);
    row->addSpacing(40);
    row->addLayout(buttons);
    row->addStretch(1);
    body()->addLayout(row, 1);
}

void TfrmMenuOrdinazioni::btnCreaClick() {
    setCloseTarget(CloseTarget::CreateOrder);
    close();
}

void TfrmMenuOrdinazioni::btnApriClick() {
    setCloseTarget(CloseTarget::OpenArchive);
    close();
}

void TfrmMenuOrdinazioni::imgGuidaClick() {
    OpenHelpTopic(this, HelpTopic::Orders);
}

void TfrmMenuOrdinazioni::FormClose() {
    switch (closeTarget()) {
    case CloseTarget::Start:
        emit closedToStart();
        break;
    case CloseTarget::CreateOrder:
        emit createChosen();
        break;
    case CloseTarget::OpenArchive:
        emit archiveChosen();
        break;
    }
}
