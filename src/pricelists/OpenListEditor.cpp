#include "pricelists/OpenListEditor.h"

#include "catalogue/Catalogue.h"
#include "pricelists/Elenco_Tavoli.h"
#include "pricelists/Listino.h"
#include "widgets/ModalDialogs.h"

#include <memory>

void OpenListEditor(QWidget* opener, const CatalogueEntry& entry) {
    std::unique_ptr<ListEditor> editor;
    if (entry.Kind == EntryKind::TableList)
        editor = std::make_unique<TfrmElenco_Tavoli>(opener);
    else
        editor = std::make_unique<TfrmListino>(entry, opener);
    ShowModal(editor.get());
}
