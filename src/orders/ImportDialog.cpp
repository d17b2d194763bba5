#include "orders/ImportDialog.h"

#include "catalogue/ListWindowTexts.h"
#include "widgets/Banner.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/LineModel.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Theme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize ClientSize(862, 560);
constexpr QSize ContainerSize(833, 529);
constexpr QSize BannerSize(817, 53);

QPushButton* FootButton(const QString& name, const QString& text, const QString& icon,
                        ButtonLook look, QWidget* parent) {
    QPushButton* button = WindowButton(name, text, icon, look, 12, parent, QFont::Normal);
    button->setFixedSize(230, 48);
    return button;
}

} // namespace

ImportDialog::ImportDialog(const CatalogueEntry& entry, const QString& instruction, int itemWidth,
                           QWidget* owner)
    : FixedDialog(entry.ImportDialogClass, entry.ImportDialogTitle, ClientSize, owner),
      m_document(entry), m_itemWidth(itemWidth) {
    setModal(true);
    // No title-bar buttons: only "Chiudi" and "Importa dati" leave it.
    setLeftByOwnButtonsOnly();

    auto* panContainer = new QWidget(this);
    panContainer->setObjectName(u"panContainer"_s);
    panContainer->setFixedSize(ContainerSize);

    auto* banner = new Banner(u"icoTitolo"_s, entry.ImportBannerText, 18, panContainer);
    banner->setFixedSize(BannerSize);
    QLabel* instructions = InstructionLine(u"icoIstruzioni"_s, instruction, panContainer);
    instructions->setFont(Theme::Verdana(10, true));
    instructions->setFixedWidth(BannerSize.width());

    auto* shpLista = new QFrame(panContainer);
    shpLista->setObjectName(u"shpLista"_s);
    Theme::ApplyLook(shpLista, Theme::Look::WhitePanel);
    // One font for the whole list, set once: the entries are drawn in it
    // without a font of their own.
    lstRecords = new LineList(u"lstRecords"_s, shpLista);
    lstRecords->setFont(Theme::CourierNew(16));
    lstRecords->showScrollBars();
    auto* listColumn = new QVBoxLayout(shpLista);
    listColumn->setContentsMargins(14, 10, 14, 10);
    listColumn->addWidget(lstRecords);

    btnChiudi =
        FootButton(u"btnChiudi"_s, u"Chiudi"_s, u"chiudi"_s, ButtonLook::Light, panContainer);
    btnImporta = FootButton(u"btnImporta"_s, u"Importa dati"_s, u"importa"_s, ButtonLook::Primary,
                            panContainer);
    auto* foot = new QHBoxLayout;
    foot->addWidget(btnChiudi);
    foot->addStretch(1);
    foot->addWidget(btnImporta);

    m_page = new QVBoxLayout(panContainer);
    m_page->setContentsMargins(0, 0, 0, 0);
    m_page->setSpacing(8);
    m_page->addWidget(banner, 0, Qt::AlignHCenter);
    m_page->addWidget(instructions, 0, Qt::AlignHCenter);
    m_page->addWidget(shpLista, 1);
    m_page->addLayout(foot);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(panContainer, 0, Qt::AlignCenter);

    setTabOrder(lstRecords, btnImporta);
    setTabOrder(btnImporta, btnChiudi);
    lstRecords->setFocus();

    connect(btnImporta, &QPushButton::clicked, this, [this] { btnImportaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &ImportDialog::btnChiudiClick);
}

void ImportDialog::setFieldsArea(QWidget* area) {
    m_page->insertWidget(3, area);
}

std::optional<QString> ImportDialog::selectedText() const {
    const int row = lstRecords->selectedRow();
    if (row < 0)
        return std::nullopt;
    return lstRecords->text(row);
}

void ImportDialog::FormShow() {
    if (m_document.load() == SharedRead::TooLarge)
        MessageBox::plain(this, TooLargeListMessage);
    // Sorted once by the document, inserted in one go.
    lstRecords->showLines(m_document.lines());
    lstRecords->setItemWidth(m_itemWidth);
}

void ImportDialog::FormClose() {
    lstRecords->lines()->clear();
    m_document.clear();
}

void ImportDialog::btnChiudiClick() {
    reject();
}
