#include "orders/ImportDialog.h"

#include "catalogue/ListWindowTexts.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/LineModel.h"
#include "widgets/MessageBoxes.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QPushButton* FootButton(const QString& name, const QString& text, const QString& icon,
                        ButtonLook look, QWidget* parent) {
    QPushButton* button = WindowButton(name, text, icon, look, 12, parent, QFont::Normal);
    button->setFixedSize(230, 48);
    return button;
}

} // namespace

ImportDialog::ImportDialog(const CatalogueEntry& entry, const QString& instruction, int itemWidth,
                           QWidget* owner)
    : CatalogueDialog(entry.ImportDialogClass, entry.ImportDialogTitle,
                      {u"icoTitolo"_s, entry.ImportBannerText, u"icoIstruzioni"_s, instruction,
                       Theme::Verdana(10, true), Theme::Look::WhitePanel, QMargins(14, 10, 14, 10),
                       8, true, FieldsPlace::BelowList},
                      owner),
      m_document(entry), m_itemWidth(itemWidth) {
    // One font for the whole list, set once: the entries are drawn in it
    // without a font of their own.
    lstRecords->setFont(Theme::CourierNew(16));
    lstRecords->showScrollBars();

    btnChiudi =
        FootButton(u"btnChiudi"_s, u"Chiudi"_s, u"chiudi"_s, ButtonLook::Light, panContainer);
    btnImporta = FootButton(u"btnImporta"_s, u"Importa dati"_s, u"importa"_s, ButtonLook::Primary,
                            panContainer);
    auto* foot = new QHBoxLayout;
    foot->addWidget(btnChiudi);
    foot->addStretch(1);
    foot->addWidget(btnImporta);
    setFoot(foot);

    setTabOrder(lstRecords, btnImporta);
    setTabOrder(btnImporta, btnChiudi);
    lstRecords->setFocus();

    connect(btnImporta, &QPushButton::clicked, this, [this] { btnImportaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &ImportDialog::btnChiudiClick);
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
