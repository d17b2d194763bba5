#include "help/Info.h"

#include "help/HelpLook.h"
#include "help/Maker.h"
#include "platform/OpenURL.h"
#include "widgets/LinkLabel.h"
#include "widgets/LogoBand.h"
#include "widgets/Picture.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kVersion = QStringLiteral("Versione 1.0");

QLabel* CentredLine(const QString& name, const QString& text, const QFont& font,
                    const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    Theme::SetTextColour(label, colour);
    return label;
}
} // namespace

TfrmInfo::TfrmInfo(QWidget* owner)
    : FixedDialog(QStringLiteral("TfrmInfo"), QStringLiteral(" Informazioni su Orbisala"),
                  QSize(473, 579), owner) {
    // The logo in its white box.
    QFrame* box = WhitePanel(QStringLiteral("shpLogo"), this);
    auto* imgLogo =
        new Picture(QStringLiteral("imgLogo"), QStringLiteral("logo"), QSize(132, 132), box);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(12, 12, 12, 12);
    boxLayout->addWidget(imgLogo, 0, Qt::AlignCenter);

    QLabel* name = ProductName(QStringLiteral("lblProdotto"), 26, this);
    name->setAlignment(Qt::AlignCenter);
    QLabel* version = CentredLine(QStringLiteral("lblVersione"), kVersion, Theme::Verdana(11, true),
                                  Theme::SlateGrey, this);
    QLabel* about = CentredLine(
        QStringLiteral("lblDescrizione"),
        QStringLiteral("Il software per le ordinazioni ai tavoli di ristoranti, trattorie e "
                       "pizzerie: listini delle portate, comande, archivio e invio via e-mail."),
        Theme::Verdana(11), Theme::Ink, this);
    QLabel* contact =
        CentredLine(QStringLiteral("lblContatti"),
                    QStringLiteral("Per informazioni, suggerimenti o assistenza scriveteci:"),
                    Theme::Verdana(10, true), Theme::Crimson, this);

    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), MakerContactAddress, this);
    PictureButton* imgEmail =
        LinkIcon(QStringLiteral("imgEmail"), QStringLiteral("email"), lnkWeb, this);
    auto* linkRow = new QHBoxLayout;
    linkRow->setSpacing(10);
    linkRow->addStretch();
    linkRow->addWidget(imgEmail);
    linkRow->addWidget(lnkWeb);
    linkRow->addStretch();

    QPushButton* btnChiudi = CloseButton(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->setSpacing(6);
    layout->addWidget(box, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(10);
    layout->addWidget(about);
    layout->addStretch();
    layout->addWidget(contact);
    layout->addLayout(linkRow);
    layout->addStretch();
    layout->addWidget(btnChiudi, 0, Qt::AlignHCenter);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

void TfrmInfo::lnkWebClick() {
    TMisc::Open(QStringLiteral("\"mailto:") + MakerContactAddress +
                QStringLiteral("?subject=Software Orbisala&body=Salve, desidererei avere le "
                               "seguenti informazioni sul software in oggetto:\""));
}

void TfrmInfo::btnChiudiClick() {
    close();
}
