#include "pricelists/Elenco_Tavoli.h"

#include "platform/KeyCodes.h"
#include "widgets/Controls.h"
#include "widgets/LineList.h"
#include "widgets/MessageBoxes.h"
#include "widgets/RefuseDrops.h"
#include "widgets/Theme.h"
#include "widgets/TypedLengthLimit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// A table's number or name: as long as a price-list item's name.
constexpr int TableNameLength = 50;
} // namespace

TfrmElenco_Tavoli::TfrmElenco_Tavoli(QWidget* owner)
    : ListEditor(TableListEntry(),
                 {u"imgIntestazione"_s, u"imgIstruzioni"_s, u"Stampa elenco"_s, TableListReportName,
                  u"Attenzione: il sistema non permette di salvare i dati.\n\r\n\r"
                  u"Accertarsi che il documento non sia già aperto."_s},
                 owner) {
    auto* shpSfondo = new QFrame(this);
    txtTrova = new QLineEdit(shpSfondo);
    txtTrova->setObjectName(u"txtTrova"_s);
    txtTrova->setFont(Theme::Verdana(12, true));
    txtTrova->setFixedSize(624, 36);
    ApplyFieldStyle(txtTrova);
    LimitTypedLength(txtTrova, TableNameLength);
    RefuseDrops(txtTrova);
    btnTrova->setFixedSize(167, 30);

    auto* fields = new QHBoxLayout(shpSfondo);
    fields->setContentsMargins(16, 8, 16, 8);
    fields->setSpacing(10);
    fields->addWidget(txtTrova);
    fields->addWidget(btnTrova);
    setFieldsArea(shpSfondo);

    setTabOrder(txtTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnTrova);
    setTabOrder(btnTrova, btnChiudi);
    setTabOrder(btnChiudi, btnElimina);
    setTabOrder(btnElimina, btnAnnulla);

    txtTrova->installEventFilter(this);
    // The first of the focus order has the focus when the window opens, even
    // when the file could not be read (Qt would pick the list, created first).
    txtTrova->setFocus();
}

void TfrmElenco_Tavoli::FormShow() {
    if (!readList())
        return; // no file yet, or unreadable: the window stays as created
    txtTrova->clear();
    showList();
    txtTrova->setFocus();
}

bool TfrmElenco_Tavoli::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtTrova) {
        if (event->type() == QEvent::KeyPress)
            return txtTrovaKeyDown(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::InputMethod)
            dropRefusedCharacters(static_cast<QInputMethodEvent*>(event), TableNameKeyFilter);
    }
    return ListEditor::eventFilter(watched, event);
}

bool TfrmElenco_Tavoli::txtTrovaKeyDown(QKeyEvent* key) {
    const KeyStroke stroke = KeyStrokeOf(key);
    return applyKeyDecision(TableNameKeyFilter(stroke.code, stroke.character));
}

void TfrmElenco_Tavoli::btnTrovaClick() {
    if (addItem(txtTrova->text()).outcome != AddOutcome::Added) {
        MessageBox::warning(this, entry().NoNameWarning);
        txtTrova->setFocus();
        return;
    }
    txtTrova->clear();
    txtTrova->setFocus();
}
