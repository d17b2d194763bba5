#include "help/Splash.h"

#include "help/HelpLook.h"
#include "help/Maker.h"
#include "platform/OpenURL.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCreditsTitle =
    QStringLiteral(" Orbisala - Crediti: ideato e realizzato dal team di sviluppo Orbisala");
const QString kTagLine =
    QStringLiteral("Ordinazioni ai tavoli per ristoranti, trattorie e pizzerie");
const QString kCreditsLine =
    QStringLiteral("Progetto, sviluppo e grafica a cura del team di sviluppo Orbisala");
const QString kCopyright = QStringLiteral("© 2026 Orbisala  ·  Tutti i diritti riservati");

// The credits picture: the logo on a light card, the product name, what it
// is for, who made it, and the year along a slate band at the foot.
class CreditsPicture : public QWidget {
public:
    explicit CreditsPicture(QWidget* parent)
        : QWidget(parent), m_rosette(HasArtwork(QStringLiteral("crediti"))) {
        setObjectName(QStringLiteral("imgLogo"));
        setFixedSize(625, 380);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);

        const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
        QPainterPath shape;
        shape.addRoundedRect(card, 16, 16);
        QLinearGradient fill(card.topLeft(), card.bottomLeft());
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, Theme::Haze);
        painter.fillPath(shape, fill);

        // The band at the foot, inside the card's rounded corners.
        const qreal bandHeight = 56;
        painter.save();
        painter.setClipPath(shape);
        QLinearGradient band(0, card.bottom() - bandHeight, 0, card.bottom());
        band.setColorAt(0, Theme::SlateBlue);
        band.setColorAt(1, Theme::DarkSlate);
        painter.fillRect(QRectF(card.left(), card.bottom() - bandHeight, card.width(), bandHeight),
                         band);
        painter.fillRect(QRectF(card.left(), card.bottom() - bandHeight - 4, card.width(), 4),
                         Theme::Crimson);
        painter.restore();
        painter.setPen(QPen(Theme::SlateGrey, 1.5));
        painter.drawPath(shape);

        // Logo on the left, the words on the right.
        const QRectF logoArea(34, 44, 190, 190);
        DrawArtwork(&painter, QStringLiteral("logo"), logoArea);

        const qreal textLeft = logoArea.right() + 26;
        const qreal textWidth = card.right() - 24 - textLeft;
        painter.setPen(Theme::DarkSlate);
        painter.setFont(Theme::Verdana(40, true));
        painter.drawText(QRectF(textLeft, 56, textWidth, 72), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Orbisala"));
        painter.fillRect(QRectF(textLeft + 2, 132, 96, 4), Theme::Crimson);

        painter.setPen(Theme::SlateGrey);
        painter.setFont(Theme::Verdana(13, true));
        painter.drawText(QRectF(textLeft, 148, textWidth, 56), Qt::AlignLeft | Qt::TextWordWrap,
                         kTagLine);

        // The credits line with its rosette, centred together.
        QFont credits = Theme::Verdana(11);
        credits.setItalic(true);
        painter.setFont(credits);
        const qreal rosette = m_rosette ? 44 : 0;
        const qreal gap = rosette > 0 ? 12 : 0;
        const qreal lineWidth = painter.fontMetrics().horizontalAdvance(kCreditsLine);
        const qreal lineLeft = card.center().x() - (rosette + gap + lineWidth) / 2;
        const qreal lineTop = 250;
        if (rosette > 0)
            DrawArtwork(&painter, QStringLiteral("crediti"),
                        QRectF(lineLeft, lineTop, rosette, rosette));
        painter.setPen(Theme::Ink);
        painter.drawText(
            QRectF(lineLeft + rosette + gap, lineTop, lineWidth + 2, qMax(rosette, 24.0)),
            Qt::AlignLeft | Qt::AlignVCenter, kCreditsLine);

        painter.setPen(Qt::white);
        painter.setFont(Theme::Verdana(11, true));
        painter.drawText(QRectF(card.left(), card.bottom() - bandHeight, card.width(), bandHeight),
                         Qt::AlignCenter, kCopyright);
    }

private:
    bool m_rosette; // the artwork has the credits rosette
};

} // namespace

TfrmSplash::TfrmSplash(QWidget* owner)
    : FixedDialog(QStringLiteral("TfrmSplash"), kCreditsTitle, QSize(661, 467), owner,
                  Centre::Owner) {
    auto* imgLogo = new CreditsPicture(this);
    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), MakerWebSiteText, this);
    PictureButton* imgWeb = LinkIcon(QStringLiteral("imgWeb"), QStringLiteral("web"), lnkWeb, this);
    QPushButton* btnChiudi = CloseButton(this);

    auto* foot = new QHBoxLayout;
    foot->setSpacing(10);
    foot->addWidget(imgWeb);
    foot->addWidget(lnkWeb);
    foot->addStretch();
    foot->addWidget(btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->setSpacing(10);
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(foot);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

void TfrmSplash::lnkWebClick() {
    TMisc::Open(MakerWebSite);
}

void TfrmSplash::btnChiudiClick() {
    close();
}
