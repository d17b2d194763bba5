#include "app/Avvio.h"

#include "help/HelpWindows.h"
#include "help/Maker.h"
#include "platform/OpenURL.h"
#include "widgets/Banner.h"
#include "widgets/LogoBand.h"
#include "widgets/Picture.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The large picture of a section with its button under it.
QVBoxLayout* SectionColumn(PictureButton* picture, PictureButton* button) {
    picture->setMinimumSize(300, 250);
    button->setMinimumSize(300, 64);
    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    column->addWidget(picture, 1);
    column->addWidget(button);
    return column;
}

PictureButton* SmallIcon(const QString& name, const QString& icon, const QString& tip,
                         QWidget* parent) {
    auto* button = new PictureButton(name, icon, QString(), PictureButton::Look::Flat, parent);
    button->setFixedSize(64, 64);
    button->setToolTip(tip);
    return button;
}

} // namespace

TfrmAvvio::TfrmAvvio() : KeptWindow(QStringLiteral("TfrmAvvio"), QStringLiteral(" Orbisala")) {
    auto* imgInfo = SmallIcon(QStringLiteral("imgInfo"), QStringLiteral("info"),
                              QStringLiteral("Informazioni su Orbisala"), this);
    auto* imgGuida = SmallIcon(QStringLiteral("imgGuida"), QStringLiteral("guida"),
                               QStringLiteral("Guida all'utilizzo del software"), this);
    auto* imgCrediti = SmallIcon(QStringLiteral("imgCrediti"), QStringLiteral("crediti"),
                                 QStringLiteral("Riconoscimenti"), this);
    auto* imgEsci = SmallIcon(QStringLiteral("imgEsci"), QStringLiteral("chiudi"),
                              QStringLiteral("Esci dal programma"), this);
    imgEsci->setFixedSize(48, 48);

    QLabel* icoNome = ProductName(QStringLiteral("icoNome"), 44, this);
    auto* logo = new Picture(QStringLiteral("icoLogo"), QStringLiteral("logo"), {96, 96}, this);

    auto* imgSottotitolo = InstructionLine(
        QStringLiteral("imgSottotitolo"),
        QStringLiteral("Per ristoranti, trattorie e pizzerie: menu delle portate e ordinazioni ai "
                       "tavoli"),
        this);

    auto* imgListinoPrezzi =
        new PictureButton(QStringLiteral("imgListinoPrezzi"), QStringLiteral("menu_portate"),
                          QString(), PictureButton::Look::Tile, this);
    auto* btnListinoPrezzi =
        new PictureButton(QStringLiteral("btnListinoPrezzi"), QString(),
                          QStringLiteral("MENU PORTATE"), PictureButton::Look::Caption, this);
    auto* imgContoCliente =
        new PictureButton(QStringLiteral("imgContoCliente"), QStringLiteral("ordinazioni"),
                          QString(), PictureButton::Look::Tile, this);
    auto* btnContoCliente = new PictureButton(QStringLiteral("btnContoCliente"), QString(),
                                              QStringLiteral("ORDINAZIONI AI TAVOLI"),
                                              PictureButton::Look::Caption, this);
    for (PictureButton* caption : {btnListinoPrezzi, btnContoCliente})
        caption->setFont(Theme::Verdana(18, true));

    auto* imgSito = new PictureButton(QStringLiteral("imgSito"), QStringLiteral("web"),
                                      MakerWebSiteText, PictureButton::Look::Caption, this);
    imgSito->setMinimumSize(420, 44);

    auto* top = new QHBoxLayout;
    top->addWidget(imgInfo, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(logo);
    top->addSpacing(12);
    top->addWidget(icoNome);
    top->addStretch(1);
    top->addWidget(imgGuida, 0, Qt::AlignTop);

    auto* sections = new QHBoxLayout;
    sections->setSpacing(40);
    sections->addStretch(1);
    sections->addLayout(SectionColumn(imgListinoPrezzi, btnListinoPrezzi), 3);
    sections->addLayout(SectionColumn(imgContoCliente, btnContoCliente), 3);
    sections->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgCrediti);
    bottom->addStretch(1);
    bottom->addWidget(imgSito);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci, 0, Qt::AlignBottom);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(20, 16, 20, 16);
    page->setSpacing(16);
    page->addLayout(top);
    page->addWidget(imgSottotitolo);
    page->addLayout(sections, 1);
    page->addLayout(bottom);

    connect(imgListinoPrezzi, &PictureButton::clicked, this, &TfrmAvvio::imgListinoPrezziClick);
    connect(btnListinoPrezzi, &PictureButton::clicked, this, &TfrmAvvio::imgListinoPrezziClick);
    connect(imgContoCliente, &PictureButton::clicked, this, &TfrmAvvio::imgContoClienteClick);
    connect(btnContoCliente, &PictureButton::clicked, this, &TfrmAvvio::imgContoClienteClick);
    connect(imgInfo, &PictureButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &PictureButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgCrediti, &PictureButton::clicked, this, &TfrmAvvio::imgCreditiClick);
    connect(imgSito, &PictureButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &PictureButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

void TfrmAvvio::imgListinoPrezziClick() {
    emit priceListsChosen();
}

void TfrmAvvio::imgContoClienteClick() {
    emit ordersChosen();
}

void TfrmAvvio::imgInfoClick() {
    OpenInfo(this);
}

void TfrmAvvio::imgGuidaClick() {
    OpenHelpTopic(this, HelpTopic::Overview);
}

void TfrmAvvio::imgCreditiClick() {
    OpenSplash(this);
}

void TfrmAvvio::imgSitoClick() {
    TMisc::Open(MakerWebSite);
}

void TfrmAvvio::imgEsciClick() {
    emit exitChosen();
}

void TfrmAvvio::FormClose() {
    emit exitChosen();
}
