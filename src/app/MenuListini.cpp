#include "app/MenuListini.h"

#include "help/HelpWindows.h"
#include "pricelists/ListEditor.h"
#include "pricelists/OpenListEditor.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmMenuListini::TfrmMenuListini()
    : SectionMenu(QStringLiteral("TfrmMenuListini"), QStringLiteral(" Orbisala - Menu Portate"),
                  QStringLiteral("MENU PORTATE"),
                  QStringLiteral("Premere il pulsante corrispondente al listino prezzi che si "
                                 "vuole creare o aggiornare.")) {
    // Two rows of six tiles in category order; picture and caption share the
    // category's click handler.
    auto* tiles = new QGridLayout;
    tiles->setHorizontalSpacing(14);
    tiles->setVerticalSpacing(4);
    const QVector<CatalogueEntry>& entries = CategoryEntries();
    for (int i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& entry = entries[i];
        auto* picture = new PictureButton(entry.MenuControls[0], entry.Key.toLower(), QString(),
                                          PictureButton::Look::Tile, this);
        auto* caption = new PictureButton(entry.MenuControls[1], QString(), entry.TileCaption,
                                          PictureButton::Look::Caption, this);
        picture->setMinimumSize(120, 110);
        caption->setMinimumSize(120, 40);
        const int row = (i / 6) * 3;
        tiles->addWidget(picture, row, i % 6);
        tiles->addWidget(caption, row + 1, i % 6);
        for (PictureButton* control : {picture, caption})
            connect(control, &PictureButton::clicked, this, [this, &entry] { openEditor(entry); });
    }
    tiles->setRowMinimumHeight(2, 18);

    const CatalogueEntry& tables = TableListEntry();
    auto* imgTavoli = new PictureButton(tables.MenuControls[1], QStringLiteral("tavoli"), QString(),
                                        PictureButton::Look::Flat, this);
    imgTavoli->setFixedSize(48, 48);
    m_tavoli =
        new LinkLabel(tables.MenuControls[0], QStringLiteral("Gestione elenco tavoli"), this);
    m_tavoli->attachIcon(imgTavoli);
    connect(m_tavoli, &LinkLabel::clicked, this, &TfrmMenuListini::lnkTavoliClick);

    auto* link = new QHBoxLayout;
    link->addStretch(1);
    link->addWidget(imgTavoli);
    link->addWidget(m_tavoli);
    link->addStretch(1);

    body()->addStretch(1);
    body()->addLayout(tiles);
    body()->addSpacing(10);
    body()->addLayout(link);
    body()->addStretch(1);
}

void TfrmMenuListini::openEditor(const CatalogueEntry& entry) {
    OpenListEditor(this, entry);
}

void TfrmMenuListini::lnkTavoliClick() {
    openEditor(TableListEntry());
}

void TfrmMenuListini::imgGuidaClick() {
    OpenHelpTopic(this, HelpTopic::PriceLists);
}

void TfrmMenuListini::FormClose() {
    if (closeTarget() == CloseTarget::Start)
        emit closedToStart();
}
