#include "pricelists/Listino.h"

#include "catalogue/PriceText.h"
#include "platform/KeyCodes.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/MessageBoxes.h"
#include "widgets/RefuseDrops.h"
#include "widgets/Theme.h"
#include "widgets/TypedLengthLimit.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString InitialPrice = u"0,00"_s;

QLabel* FieldLabel(const QString& name, const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Theme::Verdana(10, true));
    Theme::SetTextColour(label, Theme::DarkSlate);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* Field(const QString& name, int width, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFont(Theme::Verdana(12, true));
    field->setFixedSize(width, 36);
    ApplyFieldStyle(field);
    return field;
}

} // namespace

TfrmListino::TfrmListino(const CatalogueEntry& entry, QWidget* owner)
    : ListEditor(entry,
                 {u"imgLogo"_s, u"icoIstruzioni"_s, u"Stampa listino"_s, PriceListReportName,
                  u"Attenzione: il sistema non permette di aggiornare i dati.\n\r\n\r"
                  u"Accertarsi che il database non sia già aperto."_s},
                 owner) {
    auto* shpSfondo = new QFrame(this);
    txtProdotto = Field(u"txtProdotto"_s, 486, shpSfondo);
    LimitTypedLength(txtProdotto, NameColumnWidth);
    txtPrezzo = Field(u"txtPrezzo"_s, 142, shpSfondo);
    txtPrezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtPrezzo->setText(InitialPrice);
    LimitTypedLength(txtPrezzo, PriceColumnWidth);
    RefuseDrops(txtPrezzo);
    btnTrova->setFixedHeight(36);

    auto* fields = new QGridLayout(shpSfondo);
    fields->setContentsMargins(10, 6, 10, 8);
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(3);
    fields->addWidget(FieldLabel(u"lblCampo01"_s, entry.NameLabel, txtProdotto, shpSfondo), 0, 0);
    fields->addWidget(FieldLabel(u"Label2"_s, u"Prezzo unitario:"_s, txtPrezzo, shpSfondo), 0, 1);
    fields->addWidget(txtProdotto, 1, 0);
    fields->addWidget(txtPrezzo, 1, 1);
    fields->addWidget(btnTrova, 1, 2);
    setFieldsArea(shpSfondo);

    setTabOrder(txtProdotto, txtPrezzo);
    setTabOrder(txtPrezzo, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnAnnulla);
    setTabOrder(btnAnnulla, btnElimina);
    setTabOrder(btnElimina, btnChiudi);
    setTabOrder(btnChiudi, btnStampa);

    txtProdotto->installEventFilter(this);
    // The first of the focus order has the focus when the window opens, even
    // when the file could not be read (Qt would pick the list, created first).
    txtProdotto->setFocus();
    txtPrezzo->installEventFilter(this);
}

void TfrmListino::FormShow() {
    if (!readList())
        return; // no file yet, or unreadable: the window stays as created
    txtProdotto->clear();
    SetFieldText(txtPrezzo, InitialPrice);
    showList();
    txtProdotto->setFocus();
}

bool TfrmListino::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == txtProdotto)
            return txtProdottoKeyDown(static_cast<QKeyEvent*>(event));
        if (watched == txtPrezzo)
            return txtPrezzoKeyDown(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::InputMethod:
        if (watched == txtPrezzo)
            dropRefusedCharacters(static_cast<QInputMethodEvent*>(event), PriceKeyFilter);
        break;
    case QEvent::FocusOut: {
        // The focus leaving for another control of the window; a popup menu
        // or another window in front only borrow it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == txtPrezzo && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason)
            txtPrezzoExit();
        break;
    }
    default:
        break;
    }
    return ListEditor::eventFilter(watched, event);
}

bool TfrmListino::txtProdottoKeyDown(QKeyEvent* key) {
    if (KeyStrokeOf(key).code != KeyCode::Enter)
        return false; // the name takes any character
    txtPrezzo->setFocus(Qt::TabFocusReason);
    return true;
}

bool TfrmListino::txtPrezzoKeyDown(QKeyEvent* key) {
    const KeyStroke stroke = KeyStrokeOf(key);
    return applyKeyDecision(PriceKeyFilter(stroke.code, stroke.character));
}

void TfrmListino::txtPrezzoExit() {
    SetFieldText(txtPrezzo, NormalisePriceText(txtPrezzo->text()));
}

void TfrmListino::btnTrovaClick() {
    // The price was normalised when the focus left its field.
    switch (addItem(txtProdotto->text(), txtPrezzo->text()).outcome) {
    case AddOutcome::NoName:
        MessageBox::warning(this, entry().NoNameWarning);
        txtProdotto->setFocus();
        return;
    case AddOutcome::NoPrice:
        MessageBox::warning(this, entry().NoPriceWarning);
        txtPrezzo->setFocus();
        return;
    case AddOutcome::Added:
        break;
    }
    txtProdotto->clear();
    SetFieldText(txtPrezzo, InitialPrice);
    txtProdotto->setFocus();
}
