#include "orders/Importa.h"

#include "catalogue/PriceText.h"
#include "orders/TicketFields.h"
#include "platform/TextTrim.h"
#include "tickets/OrderLine.h"
#include "widgets/LineList.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ModalDialogs.h"
#include "widgets/PictureButton.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString NoProductWarning =
    u"Attenzione: non è stato selezionato alcun prodotto da aggiungere alla comanda."_s;
const QString Instruction =
    u"Selezionare il prodotto con un clic, regolare la quantità e premere il pulsante "
    u"Importa dati"_s;
const QString One = u"1"_s;

// The width every entry takes after loading.
constexpr int ItemWidth = 720;

// A field the user reads: it changes only through the list, plus and minus.
QLineEdit* Field(const QString& name, int width, Qt::Alignment alignment, QWidget* parent) {
    QLineEdit* field = ReadOnlyField(name, width, 38, alignment, parent);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

// The whole number a quantity field holds.
std::optional<int> Quantity(const QString& text) {
    bool ok = false;
    const int quantity = TrimBlanks(text).toInt(&ok, 10);
    return ok ? std::optional<int>(quantity) : std::nullopt;
}

} // namespace

TfrmImporta::TfrmImporta(const CatalogueEntry& entry, AppendOrderLine appendLine, QWidget* owner)
    : ImportDialog(entry, Instruction, ItemWidth, owner), m_appendLine(std::move(appendLine)) {
    auto* shpSfondo = new QFrame(this);

    btnMinus = new PictureButton(u"btnMinus"_s, u"meno"_s, QString(), PictureButton::Look::Flat,
                                 shpSfondo);
    btnPlus =
        new PictureButton(u"btnPlus"_s, u"piu"_s, QString(), PictureButton::Look::Flat, shpSfondo);
    for (PictureButton* button : {btnMinus, btnPlus})
        button->setFixedSize(44, 44);
    txtQuant = Field(u"txtQuant"_s, 64, Qt::AlignHCenter, shpSfondo);
    txtNome = Field(u"txtNome"_s, 300, Qt::AlignLeft, shpSfondo);
    txtPrezzoUni = Field(u"txtPrezzoUni"_s, 130, Qt::AlignRight, shpSfondo);
    txtPrezzoTot = Field(u"txtPrezzoTot"_s, 130, Qt::AlignRight, shpSfondo);

    auto* quantity = new QHBoxLayout;
    quantity->setSpacing(4);
    quantity->addWidget(btnMinus);
    quantity->addWidget(txtQuant);
    quantity->addWidget(btnPlus);

    auto* fields = new QGridLayout(shpSfondo);
    fields->setContentsMargins(14, 6, 14, 8);
    fields->setHorizontalSpacing(12);
    fields->setVerticalSpacing(2);
    fields->addWidget(FieldTitle(u"icoQuantita"_s, u"Quantità"_s, shpSfondo), 0, 0,
                      Qt::AlignHCenter);
    fields->addWidget(FieldTitle(u"icoNome"_s, u"Nome"_s, shpSfondo), 0, 1);
    fields->addWidget(FieldTitle(u"icoPrezzoUni"_s, u"Prezzo unitario"_s, shpSfondo), 0, 2);
    fields->addWidget(FieldTitle(u"icoPrezzoTot"_s, u"Prezzo totale"_s, shpSfondo), 0, 3);
    fields->addLayout(quantity, 1, 0);
    fields->addWidget(txtNome, 1, 1);
    fields->addWidget(txtPrezzoUni, 1, 2);
    fields->addWidget(txtPrezzoTot, 1, 3);
    fields->setColumnStretch(1, 1);
    setFieldsArea(shpSfondo);

    lstRecords->viewport()->installEventFilter(this);
    // A choice made with the arrow keys counts as a click, as a mouse press
    // on an entry does before its release.
    connect(lstRecords->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (selectedText())
            lstRecordsClick();
    });
    connect(btnPlus, &PictureButton::clicked, this, &TfrmImporta::btnPlusClick);
    connect(btnMinus, &PictureButton::clicked, this, &TfrmImporta::btnMinusClick);
}

bool TfrmImporta::eventFilter(QObject* watched, QEvent* event) {
    // The release ends a click anywhere on the entries' area, empty space
    // included; the press has already made its choice.
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        lstRecordsClick();
    return ImportDialog::eventFilter(watched, event);
}

void TfrmImporta::lstRecordsClick() {
    const std::optional<QString> chosen = selectedText();
    if (!chosen) {
        reject();
        return;
    }
    const PriceListItem item = SplitPriceListLine(*chosen);
    txtQuant->setText(One);
    txtNome->setText(item.name);
    // A quantity of one costs the price as the list writes it.
    txtPrezzoUni->setText(item.price);
    txtPrezzoTot->setText(item.price);
}

bool TfrmImporta::showAmount() {
    const auto price = ParsePriceNumber(TrimBlanks(txtPrezzoUni->text()));
    const auto quantity = ParsePriceNumber(TrimBlanks(txtQuant->text()));
    if (!price || !quantity)
        return false;
    const double amount = static_cast<double>(*price * *quantity);
    txtPrezzoTot->setText(NormalisePriceText(FormatGeneralNumber(amount)));
    return true;
}

void TfrmImporta::btnPlusClick() {
    const std::optional<int> quantity = Quantity(txtQuant->text());
    // Nothing chosen yet, or a price that is not a number: the quantity
    // stays at 1 and the amount as it was.
    if (!quantity) {
        txtQuant->setText(One);
        return;
    }
    // The largest quantity stays what it is instead of wrapping round.
    if (*quantity < std::numeric_limits<int>::max())
        txtQuant->setText(QString::number(*quantity + 1));
    if (!showAmount())
        txtQuant->setText(One);
}

void TfrmImporta::btnMinusClick() {
    const std::optional<int> quantity = Quantity(txtQuant->text());
    if (!quantity || *quantity <= 1) {
        txtQuant->setText(One);
        return;
    }
    txtQuant->setText(QString::number(*quantity - 1));
    if (!showAmount())
        txtQuant->setText(One);
}

void TfrmImporta::btnImportaClick() {
    if (TrimBlanks(txtNome->text()).isEmpty()) {
        MessageBox::warning(this, NoProductWarning);
        txtNome->setFocus();
        return;
    }
    m_appendLine(BuildOrderLine(txtQuant->text(), txtNome->text(), txtPrezzoTot->text()));
    accept();
}

void OpenImporta(QWidget* opener, const CatalogueEntry& entry, AppendOrderLine appendLine) {
    auto dialog = std::make_unique<TfrmImporta>(entry, std::move(appendLine), opener);
    ShowModal(dialog.get());
}
