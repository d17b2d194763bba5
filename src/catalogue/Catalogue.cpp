#include "catalogue/Catalogue.h"

#include "platform/ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace {

// The texts each category spells out in full.
struct CategoryTexts {
    const char16_t* key;
    const char16_t* listFileName;
    const char16_t* editorTitle;
    const char16_t* printTitle;
    const char16_t* importDialogTitle;
    const char16_t* nameLabel;
    const char16_t* removeHint;
    const char16_t* noNameWarning;
    const char16_t* noPriceWarning;
    const char16_t* orderHint;
    const char16_t* tileCaption;
    const char16_t* bannerText;
    const char16_t* pluralPhrase;
    const char16_t* singularPhrase;
};

// One field a line, in the order of CategoryTexts.
// clang-format off
const CategoryTexts kCategories[CourseCategoryCount] = {
    {u"Aperitivi",
     u"Listino_Aperitivi.lst",
     u" Gestione listino prezzi aperitivi",
     u"Listino prezzi aperitivi",
     u" Importazione dati aperitivi",
     u"Nome aperitivo:",
     u"Per rimuovere un aperitivo dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun aperitivo da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo dell'aperitivo da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi degli aperitivi.",
     u"APERITIVI",
     u"LISTINO PREZZI APERITIVI",
     u"degli aperitivi",
     u"dell'aperitivo"},
    {u"Antipasti",
     u"Listino_Antipasti.lst",
     u" Gestione listino prezzi antipasti",
     u"Listino prezzi antipasti",
     u" Importazione dati antipasti",
     u"Nome antipasto:",
     u"Per rimuovere un antipasto dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun antipasto da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo dell'antipasto da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi degli antipasti.",
     u"ANTIPASTI",
     u"LISTINO PREZZI ANTIPASTI",
     u"degli antipasti",
     u"dell'antipasto"},
    {u"Primi",
     u"Listino_Primi.lst",
     u" Gestione listino prezzi primi piatti",
     u"Listino prezzi primi piatti",
     u" Importazione dati primi piatti",
     u"Nome primo piatto:",
     u"Per rimuovere un primo piatto dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun primo piatto da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del primo piatto da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei primi piatti.",
     u"PRIMI PIATTI",
     u"LISTINO PREZZI PRIMI PIATTI",
     u"dei primi piatti",
     u"del primo piatto"},
    {u"Carne",
     u"Listino_Secondi_Carne.lst",
     u" Gestione listino prezzi secondi piatti (carne)",
     u"Listino prezzi secondi piatti (carne)",
     u" Importazione dati secondi piatti (carne)",
     u"Nome secondo piatto:",
     u"Per rimuovere un secondo piatto dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun secondo piatto da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del secondo piatto da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei secondi piatti (carne).",
     u"CARNE",
     u"LISTINO PREZZI SECONDI-CARNE",
     u"dei secondi piatti a base di carne",
     u"del secondo piatto a base di carne"},
    {u"Pesce",
     u"Listino_Secondi_Pesce.lst",
     u" Gestione listino prezzi secondi piatti (pesce)",
     u"Listino prezzi secondi piatti (pesce)",
     u" Importazione dati secondi piatti (pesce)",
     u"Nome secondo piatto:",
     u"Per rimuovere un secondo piatto dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun secondo piatto da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del secondo piatto da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei secondi piatti (pesce).",
     u"PESCE",
     u"LISTINO PREZZI SECONDI-PESCE",
     u"dei secondi piatti a base di pesce",
     u"del secondo piatto a base di pesce"},
    {u"Contorni",
     u"Listino_Contorni.lst",
     u" Gestione listino prezzi contorni",
     u"Listino prezzi contorni",
     u" Importazione dati contorni",
     u"Nome contorno:",
     u"Per rimuovere un contorno dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun contorno da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del contorno da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei contorni.",
     u"CONTORNI",
     u"LISTINO PREZZI CONTORNI",
     u"dei contorni",
     u"del contorno"},
    {u"Pizze",
     u"Listino_Pizze.lst",
     u" Gestione listino prezzi pizze",
     u"Listino prezzi pizze",
     u" Importazione dati pizze",
     u"Nome pizza:",
     u"Per rimuovere una pizza dall'elenco, selezionarla con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stata indicata alcuna pizza da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo della pizza da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi delle pizze.",
     u"PIZZE",
     u"LISTINO PREZZI PIZZE",
     u"delle pizze",
     u"della pizza"},
    {u"Dessert",
     u"Listino_Dessert.lst",
     u" Gestione listino prezzi dessert",
     u"Listino prezzi dessert",
     u" Importazione dati dessert",
     u"Nome dessert:",
     u"Per rimuovere un dessert dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun dessert da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del dessert da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei dessert.",
     u"DESSERT",
     u"LISTINO PREZZI DESSERT",
     u"dei dessert",
     u"del dessert"},
    {u"Bevande",
     u"Listino_Bevande.lst",
     u" Gestione listino prezzi bevande",
     u"Listino prezzi bevande",
     u" Importazione dati bevande",
     u"Nome bevanda:",
     u"Per rimuovere una bevanda dall'elenco, selezionarla con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stata indicata alcuna bevanda da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo della bevanda da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi delle bevande.",
     u"BEVANDE",
     u"LISTINO PREZZI BEVANDE",
     u"delle bevande",
     u"della bevanda"},
    {u"Vini",
     u"Listino_Vini.lst",
     u" Gestione listino prezzi vini",
     u"Listino prezzi vini",
     u" Importazione dati vini",
     u"Nome vino:",
     u"Per rimuovere un vino dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun vino da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del vino da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei vini.",
     u"VINI",
     u"LISTINO PREZZI VINI",
     u"dei vini",
     u"del vino"},
    {u"Liquori",
     u"Listino_Liquori.lst",
     u" Gestione listino prezzi liquori",
     u"Listino prezzi liquori",
     u" Importazione dati liquori",
     u"Nome liquore:",
     u"Per rimuovere un liquore dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun liquore da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del liquore da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi dei liquori.",
     u"LIQUORI",
     u"LISTINO PREZZI LIQUORI",
     u"dei liquori",
     u"del liquore"},
    {u"Caffetteria",
     u"Listino_Caffetteria.lst",
     u" Gestione listino prezzi caffetteria",
     u"Listino prezzi caffetteria",
     u" Importazione dati caffetteria",
     u"Nome prodotto caffetteria:",
     u"Per rimuovere un prodotto di caffetteria dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata.",
     u"Attenzione: non è stato indicato alcun prodotto di caffetteria da aggiungere al listino prezzi.",
     u"Attenzione: non è stato indicato il prezzo del prodotto di caffetteria da aggiungere al listino prezzi.",
     u"Importa i dati dal listino prezzi della caffetteria.",
     u"CAFFETTERIA",
     u"LISTINO PREZZI CAFFETTERIA",
     u"della caffetteria",
     u"del prodotto di caffetteria"},};
// clang-format on

CatalogueEntry CategoryEntry(const CategoryTexts& t) {
    const QString key = QString::fromUtf16(t.key);
    CatalogueEntry e;
    e.Kind = EntryKind::PriceList;
    e.Key = key;
    e.ListFileName = QString::fromUtf16(t.listFileName);
    e.EditorClass = u"TfrmListino_"_s + key;
    e.EditorTitle = QString::fromUtf16(t.editorTitle);
    e.NameLabel = QString::fromUtf16(t.nameLabel);
    e.RemoveHint = QString::fromUtf16(t.removeHint);
    e.NoNameWarning = QString::fromUtf16(t.noNameWarning);
    e.NoPriceWarning = QString::fromUtf16(t.noPriceWarning);
    e.PrintTitle = QString::fromUtf16(t.printTitle);
    e.ImportDialogClass = u"TfrmImporta"_s + key;
    e.ImportDialogTitle = QString::fromUtf16(t.importDialogTitle);
    e.MenuControls = {u"btn"_s + key, u"cmd"_s + key};
    e.MenuClickHandler = u"btn"_s + key + u"Click"_s;
    e.OrderControls = e.MenuControls;
    e.OrderClickHandler = e.MenuClickHandler;
    e.OrderMoveHandler = u"btn"_s + key + u"MouseMove"_s;
    e.OrderHint = QString::fromUtf16(t.orderHint);
    e.TileCaption = QString::fromUtf16(t.tileCaption);
    e.BannerText = QString::fromUtf16(t.bannerText);
    // The banner word of the price list, after "LISTINO PREZZI ".
    e.ImportBannerText = u"IMPORTAZIONE "_s + e.BannerText.section(u' ', 2);
    e.InstructionText = {
        u"E' possibile creare un listino prezzi personalizzato "_s +
            QString::fromUtf16(t.pluralPhrase) +
            u" da richiamare all'atto della compilazione della comanda."_s,
        u"Indicare il nome e il prezzo unitario "_s + QString::fromUtf16(t.singularPhrase) +
            u" nei campi sottostanti e fare clic sul pulsante Aggiungi all'elenco."_s};
    return e;
}

CatalogueEntry MakeTableListEntry() {
    CatalogueEntry e;
    e.Kind = EntryKind::TableList;
    e.Key = u"Tavoli"_s;
    e.ListFileName = u"Elenco_Tavoli.lst"_s;
    e.EditorClass = u"TfrmElenco_Tavoli"_s;
    e.EditorTitle = u" Gestione elenco tavoli"_s;
    e.RemoveHint = u"Per rimuovere un tavolo dall'elenco, selezionarlo con un clic e premere il "
                   u"pulsante Elimina voce selezionata."_s;
    e.NoNameWarning = u"Attenzione: non è stata indicata alcuna voce da aggiungere all'elenco."_s;
    e.PrintTitle = u"Elenco tavoli ristorante"_s;
    e.ImportDialogClass = u"TfrmImportaTavoli"_s;
    e.ImportDialogTitle = u" Importazione dati tavolo"_s;
    e.ImportBannerText = u"IMPORTAZIONE DATI TAVOLO"_s;
    e.MenuControls = {u"lnkTavoli"_s, u"imgTavoli"_s};
    e.MenuClickHandler = u"lnkTavoliClick"_s;
    e.OrderControls = {u"impTavolo"_s};
    e.OrderClickHandler = u"impTavoloClick"_s;
    e.OrderMoveHandler = u"impTavoloMouseMove"_s;
    e.OrderHint = u"Importa i dati dall'elenco dei tavoli."_s;
    e.BannerText = u"GESTIONE ELENCO TAVOLI"_s;
    e.InstructionText = {u"E' possibile creare un elenco personalizzato dei tavoli presenti nel "
                         u"ristorante da richiamare all'atto della compilazione della comanda."_s,
                         u"Indicare il numero o nome del tavolo nel campo di testo sottostante e "
                         u"fare clic sul pulsante Aggiungi all'elenco."_s};
    return e;
}

} // namespace

const QVector<CatalogueEntry>& CategoryEntries() {
    static const QVector<CatalogueEntry> entries = [] {
        QVector<CatalogueEntry> list;
        for (const CategoryTexts& texts : kCategories)
            list.append(CategoryEntry(texts));
        return list;
    }();
    return entries;
}

const CatalogueEntry& CatalogueEntryOf(CourseCategory category) {
    return CategoryEntries().at(static_cast<int>(category));
}

const CatalogueEntry& TableListEntry() {
    static const CatalogueEntry entry = MakeTableListEntry();
    return entry;
}

QVector<CatalogueEntry> CategoryCatalogue() {
    QVector<CatalogueEntry> all = CategoryEntries();
    all.append(TableListEntry());
    return all;
}

QString ListFilePath(const CatalogueEntry& entry) {
    return ProgramFolder() + entry.ListFileName;
}
