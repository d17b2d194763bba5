#include "widgets/CatalogueDialog.h"

#include "widgets/Banner.h"
#include "widgets/LineList.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize ClientSize(862, 560);
constexpr QSize ContainerSize(833, 529);
constexpr QSize BannerSize(817, 53);

} // namespace

CatalogueDialog::CatalogueDialog(const QString& className, const QString& title, const Frame& frame,
                                 QWidget* owner)
    : FixedDialog(className, title, ClientSize, owner), m_panelLook(frame.panelLook),
      m_fieldsPlace(frame.fieldsPlace) {
    setModal(true);
    // Nothing on the title bar and no key leaves it: what the window holds
    // stays until one of its own buttons says what becomes of it.
    setLeftByOwnButtonsOnly();

    panContainer = new QWidget(this);
    panContainer->setObjectName(u"panContainer"_s);
    panContainer->setFixedSize(ContainerSize);

    auto* banner = new Banner(frame.bannerName, frame.bannerText, 18, panContainer);
    banner->setFixedSize(BannerSize);
    QLabel* instructions =
        InstructionLine(frame.instructionName, frame.instructionText, panContainer);
    instructions->setFont(frame.instructionFont);
    instructions->setFixedWidth(BannerSize.width());

    m_listPanel = new QFrame(panContainer);
    m_listPanel->setObjectName(u"shpLista"_s);
    Theme::ApplyLook(m_listPanel, m_panelLook);
    lstRecords = new LineList(u"lstRecords"_s, m_listPanel);
    m_listColumn = new QVBoxLayout(m_listPanel);
    m_listColumn->setContentsMargins(frame.listMargins);
    m_listColumn->setSpacing(4);
    m_listColumn->addWidget(lstRecords);

    m_page = new QVBoxLayout(panContainer);
    m_page->setContentsMargins(0, 0, 0, 0);
    m_page->setSpacing(frame.spacing);
    m_page->addWidget(banner, 0, Qt::AlignHCenter);
    m_page->addWidget(instructions, 0, Qt::AlignHCenter);
    m_page->addWidget(m_listPanel, frame.listTakesRoom ? 1 : 0);
    if (!frame.listTakesRoom)
        m_page->addStretch(1);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(panContainer, 0, Qt::AlignCenter);
}

void CatalogueDialog::addUnderList(QWidget* widget) {
    m_listColumn->addWidget(widget);
}

void CatalogueDialog::setFieldsArea(QFrame* shpSfondo) {
    shpSfondo->setObjectName(u"shpSfondo"_s);
    Theme::ApplyLook(shpSfondo, m_panelLook);
    const int list = m_page->indexOf(m_listPanel);
    m_page->insertWidget(m_fieldsPlace == FieldsPlace::AboveList ? list : list + 1, shpSfondo);
}

void CatalogueDialog::setFoot(QLayout* foot) {
    m_page->addLayout(foot);
}
