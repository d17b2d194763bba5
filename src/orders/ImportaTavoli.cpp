#include "orders/ImportaTavoli.h"

#include "platform/TextTrim.h"
#include "widgets/ModalDialogs.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// The width every entry takes after loading.
constexpr int ItemWidth = 680;
} // namespace

TfrmImportaTavoli::TfrmImportaTavoli(SetTicketTable setTable, QWidget* owner)
    : ImportDialog(TableListEntry(),
                   u"Selezionare il tavolo con un clic e premere il pulsante Importa dati"_s,
                   ItemWidth, owner),
      m_setTable(std::move(setTable)) {}

void TfrmImportaTavoli::btnImportaClick() {
    if (const std::optional<QString> chosen = selectedText())
        m_setTable(TrimBlanks(*chosen));
    accept();
}

void OpenImportaTavoli(QWidget* opener, SetTicketTable setTable) {
    auto dialog = std::make_unique<TfrmImportaTavoli>(std::move(setTable), opener);
    ShowModal(dialog.get());
}
