#include "app/SectionMenu.h"

#include "widgets/Banner.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SectionMenu::SectionMenu(const QString& className, const QString& title, const QString& banner,
                         const QString& instructions)
    : KeptWindow(className, title) {
    auto* icoTitolo = new Banner(QStringLiteral("icoTitolo"), banner, 30, this);
    auto* lblIstruzioni = InstructionLine(QStringLiteral("lblIstruzioni"), instructions, this);

    m_memory = new QLabel(QStringLiteral("avvio"), this);
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();

    auto* imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral("guida"),
                                       QStringLiteral("Guida"), PictureButton::Look::Tile, this);
    auto* imgEsci = new PictureButton(QStringLiteral("imgEsci"), QStringLiteral("esci"),
                                      QStringLiteral("Esci"), PictureButton::Look::Tile, this);
    for (PictureButton* b : {imgGuida, imgEsci})
        b->setFixedSize(120, 104);
    connect(imgGuida, &PictureButton::clicked, this, &SectionMenu::imgGuidaClick);
    connect(imgEsci, &PictureButton::clicked, this, &SectionMenu::imgEsciClick);

    auto* foot = new QHBoxLayout;
    foot->addWidget(imgGuida);
    foot->addStretch(1);
    foot->addWidget(imgEsci);

    m_body = new QVBoxLayout;
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 18, 24, 18);
    page->setSpacing(14);
    page->addWidget(icoTitolo);
    page->addWidget(lblIstruzioni);
    page->addLayout(m_body, 1);
    page->addLayout(foot);
}

namespace {

QString MemoryText(CloseTarget target) {
    switch (target) {
    case CloseTarget::CreateOrder:
        return QStringLiteral("crea");
    case CloseTarget::OpenArchive:
        return QStringLiteral("apri");
    case CloseTarget::Start:
        break;
    }
    return QStringLiteral("avvio");
}

} // namespace

void SectionMenu::setCloseTarget(CloseTarget target) {
    m_closeTarget = target;
    m_memory->setText(MemoryText(target));
}

void SectionMenu::imgEsciClick() {
    close();
}

void SectionMenu::FormShow() {
    setCloseTarget(CloseTarget::Start);
}
