// The price lists without their windows: the catalogue of the twelve
// categories and the table list, price text and its number rules, list files
// and their order, and the key filters of the editors' fields.
#include "catalogue/Catalogue.h"
#include "catalogue/KeyFilters.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "platform/ProgramFolder.h"

#include "ModelSeams.h"
#include "TestFiles.h"
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <QtTest>

#include <clocale>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const CatalogueEntry* EntryByKey(const QString& key) {
    static const QVector<CatalogueEntry> all = CategoryCatalogue();
    for (const CatalogueEntry& entry : all)
        if (entry.Key == key)
            return &entry;
    return nullptr;
}

// One field of an entry by its name; lists joined with "|".
QString FieldOf(const CatalogueEntry& e, const QString& field) {
    const QHash<QString, QString> fields{
        {u"ListFileName"_s, e.ListFileName},
        {u"EditorClass"_s, e.EditorClass},
        {u"EditorTitle"_s, e.EditorTitle},
        {u"NameLabel"_s, e.NameLabel},
        {u"RemoveHint"_s, e.RemoveHint},
        {u"NoNameWarning"_s, e.NoNameWarning},
        {u"NoPriceWarning"_s, e.NoPriceWarning},
        {u"PrintTitle"_s, e.PrintTitle},
        {u"ImportDialogClass"_s, e.ImportDialogClass},
        {u"ImportDialogTitle"_s, e.ImportDialogTitle},
        {u"ImportBannerText"_s, e.ImportBannerText},
        {u"Kind"_s, e.Kind == EntryKind::PriceList ? u"price list"_s : u"table list"_s},
        {u"MenuControls"_s, e.MenuControls.join(u'|')},
        {u"MenuClickHandler"_s, e.MenuClickHandler},
        {u"OrderControls"_s, e.OrderControls.join(u'|')},
        {u"OrderClickHandler"_s, e.OrderClickHandler},
        {u"OrderMoveHandler"_s, e.OrderMoveHandler},
        {u"OrderHint"_s, e.OrderHint},
        {u"BannerText"_s, e.BannerText},
        {u"InstructionText"_s, e.InstructionText.join(u'|')},
    };
    return fields.value(field, u"<no field "_s + field + u'>');
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

const QString kSep = u"  € "_s;

} // namespace

class TestPriceLists : public QObject {
    Q_OBJECT

private slots:
    // Catalogue
    void catalogueOrder();
    void catalogueFields_data();
    void catalogueFields();
    void catalogueRules();
    void listFilePathInProgramFolder();

    // Price text
    void normalisePriceText_data();
    void normalisePriceText();
    void completePriceText_data();
    void completePriceText();
    void formatGeneralNumber_data();
    void formatGeneralNumber();
    void parsePriceNumber_data();
    void parsePriceNumber();
    void roundHalfUp_data();
    void roundHalfUp();
    void priceTextIgnoresNumericLocale();
    void takeLeftRight_data();
    void takeLeftRight();
    void formatPriceListLine_data();
    void formatPriceListLine();

    // List order
    void listOrder_data();
    void listOrder();
    void sortByListOrder();
    void listInsertPosition_data();
    void listInsertPosition();

    // List files
    void readListFile_data();
    void readListFile();
    void readMissingListFileFails();
    void writeListFileBytes_data();
    void writeListFileBytes();
    void utf8ListComesBackAsAnsi();
    void editorLinesRoundTrip();
    void failedWriteKeepsFile_data();
    void failedWriteKeepsFile();

    // Key filters
    void priceKeyFilter_data();
    void priceKeyFilter();
    void tableNameKeyFilter_data();
    void tableNameKeyFilter();
    void keyEventsReachTheFilters_data();
    void keyEventsReachTheFilters();
};

// ------------------------------------------------------------------ Catalogue

void TestPriceLists::catalogueOrder() {
    const QStringList keys{u"Aperitivi"_s, u"Antipasti"_s, u"Primi"_s,   u"Carne"_s,
                           u"Pesce"_s,     u"Contorni"_s,  u"Pizze"_s,   u"Dessert"_s,
                           u"Bevande"_s,   u"Vini"_s,      u"Liquori"_s, u"Caffetteria"_s};
    QCOMPARE(CourseCategoryCount, 12);
    QCOMPARE(CategoryEntries().size(), 12);
    const QVector<CatalogueEntry> all = CategoryCatalogue();
    QCOMPARE(all.size(), 13);
    for (int i = 0; i < CourseCategoryCount; ++i) {
        QCOMPARE(all[i].Key, keys[i]);
        QCOMPARE(CategoryEntries()[i].Key, keys[i]);
        QCOMPARE(CatalogueEntryOf(static_cast<CourseCategory>(i)).Key, keys[i]);
    }
    QCOMPARE(CatalogueEntryOf(CourseCategory::Caffetteria).Key, u"Caffetteria"_s);
    QCOMPARE(all[12].Key, u"Tavoli"_s);
    QCOMPARE(TableListEntry().Key, u"Tavoli"_s);
}

void TestPriceLists::catalogueFields_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");

    auto row = [](const char* key, const char* field, const QString& value) {
        QTest::addRow("%s %s", key, field)
            << QString::fromLatin1(key) << QString::fromLatin1(field) << value;
    };
    row("Aperitivi", "ListFileName", u"Listino_Aperitivi.lst"_s);
    row("Carne", "ListFileName", u"Listino_Secondi_Carne.lst"_s);
    row("Pesce", "ListFileName", u"Listino_Secondi_Pesce.lst"_s);
    row("Caffetteria", "ListFileName", u"Listino_Caffetteria.lst"_s);
    row("Tavoli", "ListFileName", u"Elenco_Tavoli.lst"_s);

    row("Carne", "EditorClass", u"TfrmListino_Carne"_s);
    row("Carne", "ImportDialogClass", u"TfrmImportaCarne"_s);
    row("Pizze", "EditorClass", u"TfrmListino_Pizze"_s);
    row("Tavoli", "EditorClass", u"TfrmElenco_Tavoli"_s);
    row("Tavoli", "ImportDialogClass", u"TfrmImportaTavoli"_s);

    row("Primi", "EditorTitle", u" Gestione listino prezzi primi piatti"_s);
    row("Carne", "EditorTitle", u" Gestione listino prezzi secondi piatti (carne)"_s);
    row("Pesce", "ImportDialogTitle", u" Importazione dati secondi piatti (pesce)"_s);
    row("Carne", "PrintTitle", u"Listino prezzi secondi piatti (carne)"_s);
    row("Caffetteria", "PrintTitle", u"Listino prezzi caffetteria"_s);
    row("Tavoli", "EditorTitle", u" Gestione elenco tavoli"_s);
    row("Tavoli", "ImportDialogTitle", u" Importazione dati tavolo"_s);
    row("Tavoli", "PrintTitle", u"Elenco tavoli ristorante"_s);

    row("Aperitivi", "NameLabel", u"Nome aperitivo:"_s);
    row("Pesce", "NameLabel", u"Nome secondo piatto:"_s);
    row("Caffetteria", "NameLabel", u"Nome prodotto caffetteria:"_s);
    row("Tavoli", "NameLabel", QString());

    row("Aperitivi", "NoPriceWarning",
        u"Attenzione: non è stato indicato il prezzo dell'aperitivo da aggiungere al listino prezzi."_s);
    row("Pizze", "RemoveHint",
        u"Per rimuovere una pizza dall'elenco, selezionarla con un clic e premere il pulsante Elimina voce selezionata."_s);
    row("Pizze", "NoNameWarning",
        u"Attenzione: non è stata indicata alcuna pizza da aggiungere al listino prezzi."_s);
    row("Pizze", "NoPriceWarning",
        u"Attenzione: non è stato indicato il prezzo della pizza da aggiungere al listino prezzi."_s);
    row("Bevande", "RemoveHint",
        u"Per rimuovere una bevanda dall'elenco, selezionarla con un clic e premere il pulsante Elimina voce selezionata."_s);
    row("Bevande", "NoNameWarning",
        u"Attenzione: non è stata indicata alcuna bevanda da aggiungere al listino prezzi."_s);
    row("Dessert", "NoNameWarning",
        u"Attenzione: non è stato indicato alcun dessert da aggiungere al listino prezzi."_s);
    row("Caffetteria", "RemoveHint",
        u"Per rimuovere un prodotto di caffetteria dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata."_s);
    row("Caffetteria", "NoPriceWarning",
        u"Attenzione: non è stato indicato il prezzo del prodotto di caffetteria da aggiungere al listino prezzi."_s);
    row("Tavoli", "RemoveHint",
        u"Per rimuovere un tavolo dall'elenco, selezionarlo con un clic e premere il pulsante Elimina voce selezionata."_s);
    row("Tavoli", "NoNameWarning",
        u"Attenzione: non è stata indicata alcuna voce da aggiungere all'elenco."_s);
    row("Tavoli", "NoPriceWarning", QString());

    row("Pizze", "MenuControls", u"btnPizze|cmdPizze"_s);
    row("Pizze", "MenuClickHandler", u"btnPizzeClick"_s);
    row("Pizze", "OrderControls", u"btnPizze|cmdPizze"_s);
    row("Pizze", "OrderClickHandler", u"btnPizzeClick"_s);
    row("Pizze", "OrderMoveHandler", u"btnPizzeMouseMove"_s);
    row("Carne", "OrderMoveHandler", u"btnCarneMouseMove"_s);
    row("Tavoli", "MenuControls", u"lnkTavoli|imgTavoli"_s);
    row("Tavoli", "MenuClickHandler", u"lnkTavoliClick"_s);
    row("Tavoli", "OrderControls", u"impTavolo"_s);
    row("Tavoli", "OrderClickHandler", u"impTavoloClick"_s);
    row("Tavoli", "OrderMoveHandler", u"impTavoloMouseMove"_s);

    row("Aperitivi", "OrderHint", u"Importa i dati dal listino prezzi degli aperitivi."_s);
    row("Pesce", "OrderHint", u"Importa i dati dal listino prezzi dei secondi piatti (pesce)."_s);
    row("Caffetteria", "OrderHint", u"Importa i dati dal listino prezzi della caffetteria."_s);
    row("Tavoli", "OrderHint", u"Importa i dati dall'elenco dei tavoli."_s);

    row("Carne", "BannerText", u"LISTINO PREZZI SECONDI-CARNE"_s);
    row("Aperitivi", "ImportBannerText", u"IMPORTAZIONE APERITIVI"_s);
    row("Primi", "ImportBannerText", u"IMPORTAZIONE PRIMI PIATTI"_s);
    row("Carne", "ImportBannerText", u"IMPORTAZIONE SECONDI-CARNE"_s);
    row("Caffetteria", "ImportBannerText", u"IMPORTAZIONE CAFFETTERIA"_s);
    row("Tavoli", "ImportBannerText", u"IMPORTAZIONE DATI TAVOLO"_s);
    row("Pizze", "Kind", u"price list"_s);
    row("Tavoli", "Kind", u"table list"_s);
    row("Tavoli", "BannerText", u"GESTIONE ELENCO TAVOLI"_s);
    row("Carne", "InstructionText",
        u"E' possibile creare un listino prezzi personalizzato dei secondi piatti a base di carne "
        u"da richiamare all'atto della compilazione della comanda."
        u"|Indicare il nome e il prezzo unitario del secondo piatto a base di carne nei campi sottostanti e fare clic sul pulsante Aggiungi all'elenco."_s);
    row("Tavoli", "InstructionText",
        u"E' possibile creare un elenco personalizzato dei tavoli presenti nel ristorante da "
        u"richiamare all'atto della compilazione della comanda."
        u"|Indicare il numero o nome del tavolo nel campo di testo sottostante e fare clic sul pulsante Aggiungi all'elenco."_s);
}

void TestPriceLists::catalogueFields() {
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, value);
    const CatalogueEntry* entry = EntryByKey(key);
    QVERIFY2(entry, qPrintable(u"no entry "_s + key));
    QCOMPARE(FieldOf(*entry, field), value);
}

// Rules that hold across the whole catalogue.
void TestPriceLists::catalogueRules() {
    for (const CatalogueEntry& e : CategoryCatalogue()) {
        const QByteArray where = e.Key.toUtf8();
        QVERIFY2(e.EditorTitle.startsWith(u' ') && !e.EditorTitle.startsWith(u"  "), where);
        QVERIFY2(e.ImportDialogTitle.startsWith(u' ') && !e.ImportDialogTitle.startsWith(u"  "),
                 where);
        QVERIFY2(!e.PrintTitle.isEmpty() && !e.PrintTitle.startsWith(u' '), where);
        QCOMPARE(e.InstructionText.size(), 2);
        QVERIFY2(e.InstructionText[0].startsWith(u"E' possibile creare un "), where);
        QVERIFY2(!e.InstructionText.join(u' ').contains(u'È'), where);
        QVERIFY2(e.NoNameWarning.startsWith(u"Attenzione: "), where);
    }
    for (const CatalogueEntry& e : CategoryEntries()) {
        const QByteArray where = e.Key.toUtf8();
        const bool secondCourse = e.Key == u"Carne"_s || e.Key == u"Pesce"_s;
        QCOMPARE(e.ListFileName,
                 (secondCourse ? u"Listino_Secondi_"_s : u"Listino_"_s) + e.Key + u".lst"_s);
        QCOMPARE(e.EditorClass, u"TfrmListino_"_s + e.Key);
        QCOMPARE(e.ImportDialogClass, u"TfrmImporta"_s + e.Key);
        QVERIFY2(e.NoPriceWarning.startsWith(u"Attenzione: non è stato indicato il prezzo "),
                 where);
        QVERIFY2(e.InstructionText[1].startsWith(u"Indicare il nome e il prezzo unitario "), where);
    }
    // The two second courses share their editor texts and differ elsewhere.
    const CatalogueEntry& carne = CatalogueEntryOf(CourseCategory::Carne);
    const CatalogueEntry& pesce = CatalogueEntryOf(CourseCategory::Pesce);
    QCOMPARE(carne.NameLabel, pesce.NameLabel);
    QCOMPARE(carne.RemoveHint, pesce.RemoveHint);
    QCOMPARE(carne.NoNameWarning, pesce.NoNameWarning);
    QCOMPARE(carne.NoPriceWarning, pesce.NoPriceWarning);
    QVERIFY(carne.PrintTitle != pesce.PrintTitle);
    QVERIFY(carne.OrderHint != pesce.OrderHint);
    QVERIFY(carne.InstructionText != pesce.InstructionText);
}

void TestPriceLists::listFilePathInProgramFolder() {
    const ProgramFolderScope dir;
    QCOMPARE(ListFilePath(CatalogueEntryOf(CourseCategory::Pesce)),
             dir.path() + u"/Listino_Secondi_Pesce.lst"_s);
    QCOMPARE(ListFilePath(TableListEntry()), dir.path() + u"/Elenco_Tavoli.lst"_s);
}

// ----------------------------------------------------------------- Price text

void TestPriceLists::normalisePriceText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty") << QString() << u"0,00"_s;
    QTest::newRow("spaces only") << u"   "_s << u"0,00"_s;
    QTest::newRow("5") << u"5"_s << u"5,00"_s;
    QTest::newRow("5,") << u"5,"_s << u"5,00"_s;
    QTest::newRow(",5") << u",5"_s << u"0,50"_s;
    QTest::newRow(",") << u","_s << u"0,00"_s;
    QTest::newRow("05,50") << u"05,50"_s << u"5,50"_s;
    QTest::newRow("5,5") << u"5,5"_s << u"5,50"_s;
    QTest::newRow("19,99") << u"19,99"_s << u"19,99"_s;
    QTest::newRow("5,125") << u"5,125"_s << u"5,125"_s;
    QTest::newRow("5,12346 rounds up") << u"5,12346"_s << u"5,1235"_s;
    QTest::newRow("5,12344 rounds down") << u"5,12344"_s << u"5,1234"_s;
    QTest::newRow("0,00004") << u"0,00004"_s << u"0,00"_s;
    QTest::newRow("1,2,3") << u"1,2,3"_s << u"0,00"_s;
    QTest::newRow("twelve digits") << u"123456789012"_s << u"123456789012,00"_s;
    QTest::newRow("twelve nines") << u"999999999999"_s << u"999999999999,00"_s;
    QTest::newRow("blanks around") << u"  7,1 "_s << u"7,10"_s;
    QTest::newRow("tab is not a blank for the parse") << u"\t7"_s << u"0,00"_s;
    QTest::newRow("period") << u"1.000"_s << u"0,00"_s;
    QTest::newRow("letters") << u"abc"_s << u"0,00"_s;
    QTest::newRow("euro sign") << u"5 €"_s << u"0,00"_s;
    QTest::newRow("exponent") << u"1,5E2"_s << u"150,00"_s;
    QTest::newRow("negative exponent") << u"15e-2"_s << u"0,15"_s;
    QTest::newRow("exponent 99999") << u"5E99999"_s << u"0,00"_s;
    QTest::newRow("exponent -99999") << u"5E-99999"_s << u"0,00"_s;
    QTest::newRow("a thousand digits") << QString(1000, u'9') << u"0,00"_s;
    QTest::newRow("beyond the rounding range") << u"1E15"_s << u"0,00"_s;
    // A minus sign can only be pasted; the magnitude rounds half up.
    QTest::newRow("pasted -5") << u"-5"_s << u"-5,00"_s;
    QTest::newRow("-5,5") << u"-5,5"_s << u"-5,50"_s;
    QTest::newRow("-4,9999 stays") << u"-4,9999"_s << u"-4,9999"_s;
    QTest::newRow("-5,12346 rounds away from zero") << u"-5,12346"_s << u"-5,1235"_s;
    QTest::newRow("-5,12344 rounds toward zero") << u"-5,12344"_s << u"-5,1234"_s;
    QTest::newRow("-0,00005 rounds away from zero") << u"-0,00005"_s << u"-0,0001"_s;
    QTest::newRow("0,00005 rounds up") << u"0,00005"_s << u"0,0001"_s;
    QTest::newRow("-0,00004 is zero") << u"-0,00004"_s << u"0,00"_s;
    QTest::newRow("twelve nines, negative") << u"-999999999999"_s << u"-999999999999,00"_s;
}

void TestPriceLists::normalisePriceText() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(NormalisePriceText(text), result);
    // The field normalises again at every focus change: nothing may drift.
    QCOMPARE(NormalisePriceText(result), result);
}

void TestPriceLists::completePriceText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty") << QString() << u"0,00"_s;
    QTest::newRow("12") << u"12"_s << u"12,00"_s;
    QTest::newRow("5,") << u"5,"_s << u"5,00"_s;
    QTest::newRow(",5") << u",5"_s << u"0,50"_s;
    QTest::newRow(",") << u","_s << u"0,00"_s;
    QTest::newRow("space ,5 looks at the untrimmed start") << u" ,5"_s << u",50"_s;
    QTest::newRow("5,5") << u"5,5"_s << u"5,50"_s;
    QTest::newRow("5,50 unchanged") << u"5,50"_s << u"5,50"_s;
    QTest::newRow("5,125 unchanged") << u"5,125"_s << u"5,125"_s;
}

void TestPriceLists::completePriceText() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(CompletePriceText(text), result);
}

void TestPriceLists::formatGeneralNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("5") << 5.0 << u"5"_s;
    QTest::newRow("5,5") << 5.5 << u"5,5"_s;
    QTest::newRow("0,25") << 0.25 << u"0,25"_s;
    QTest::newRow("0") << 0.0 << u"0"_s;
    QTest::newRow("100") << 100.0 << u"100"_s;
    QTest::newRow("19,99") << 19.99 << u"19,99"_s;
    QTest::newRow("5,1235") << 5.1235 << u"5,1235"_s;
    QTest::newRow("0,0001") << 0.0001 << u"0,0001"_s;
    QTest::newRow("0,00012") << 0.00012 << u"0,00012"_s;
    QTest::newRow("fifteen digits") << 123456789012345.0 << u"123456789012345"_s;
    QTest::newRow("a third") << 1.0 / 3 << u"0,333333333333333"_s;
    QTest::newRow("two thirds rounded") << 2.0 / 3 << u"0,666666666666667"_s;
    QTest::newRow("negative") << -2.5 << u"-2,5"_s;
    QTest::newRow("10^15") << 1e15 << u"1E15"_s;
    QTest::newRow("large") << 1.5e20 << u"1,5E20"_s;
    QTest::newRow("small") << 1.5e-5 << u"1,5E-5"_s;
    QTest::newRow("tiny") << 2e-300 << u"2E-300"_s;
}

void TestPriceLists::formatGeneralNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneralNumber(value), text);
}

void TestPriceLists::parsePriceNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << u"5"_s << true << 5.0;
    QTest::newRow("decimal comma") << u"5,25"_s << true << 5.25;
    QTest::newRow("comma alone is 0") << u","_s << true << 0.0;
    QTest::newRow("5, is 5") << u"5,"_s << true << 5.0;
    QTest::newRow(",5") << u",5"_s << true << 0.5;
    QTest::newRow("blanks around") << u"  5,5  "_s << true << 5.5;
    QTest::newRow("plus") << u"+5"_s << true << 5.0;
    QTest::newRow("minus") << u"-5,5"_s << true << -5.5;
    QTest::newRow("exponent") << u"1,5E2"_s << true << 150.0;
    QTest::newRow("exponent lower case, signed") << u"25e-2"_s << true << 0.25;
    QTest::newRow("exponent plus") << u"2E+3"_s << true << 2000.0;
    QTest::newRow("beyond double, within extended")
        << u"1E400"_s << true << std::numeric_limits<double>::infinity();
    QTest::newRow("1.000") << u"1.000"_s << false << 0.0;
    QTest::newRow("1,2,3") << u"1,2,3"_s << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("spaces") << u"  "_s << false << 0.0;
    QTest::newRow("sign alone") << u"-"_s << false << 0.0;
    QTest::newRow("exponent without digits") << u"5E"_s << false << 0.0;
    QTest::newRow("exponent alone") << u"E5"_s << false << 0.0;
    QTest::newRow("inner space") << u"5 5"_s << false << 0.0;
    QTest::newRow("tab") << u"\t5"_s << false << 0.0;
    QTest::newRow("no-break space") << u"5\u00A0"_s << false << 0.0;
    QTest::newRow("letters") << u"5a"_s << false << 0.0;
    QTest::newRow("Arabic-Indic digit") << u"\u0665"_s << false << 0.0;
    QTest::newRow("hexadecimal") << u"0x10"_s << false << 0.0;
    QTest::newRow("infinity") << u"inf"_s << false << 0.0;
    QTest::newRow("beyond extended") << u"1E5000"_s << false << 0.0;
}

void TestPriceLists::parsePriceNumber() {
    QFETCH(QString, text);
    QFETCH(bool, parses);
    QFETCH(double, value);
    const std::optional<long double> number = ParsePriceNumber(text);
    QCOMPARE(number.has_value(), parses);
    if (parses)
        QCOMPARE(double(*number), value);
}

void TestPriceLists::roundHalfUp_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("result");

    QTest::newRow("half goes up") << 2.5 << 0 << 3.0;
    QTest::newRow("below half goes down") << 2.4999 << 0 << 2.0;
    QTest::newRow("negative decimals act as 0") << 2.5 << -2 << 3.0;
    QTest::newRow("four decimals up") << 5.12346 << 4 << 5.1235;
    QTest::newRow("four decimals down") << 5.12344 << 4 << 5.1234;
    QTest::newRow("below the fourth decimal") << 0.00004 << 4 << 0.0;
    QTest::newRow("exact half at two decimals") << 0.125 << 2 << 0.13;
    // The double nearest 2.675 lies just below it; only extended precision
    // keeps the product below 267.5.
    QTest::newRow("extended precision product") << 2.675 << 2 << 2.67;
    QTest::newRow("large") << 123456789012.0 << 4 << 123456789012.0;
}

void TestPriceLists::roundHalfUp() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, result);
    const std::optional<double> rounded = RoundHalfUp(value, decimals);
    QVERIFY(rounded.has_value());
    QCOMPARE(*rounded, result);
}

// A station set to Italian gives the C library a "," decimal point (the
// application takes the locale from the environment); the price rules keep
// to their own.
void TestPriceLists::priceTextIgnoresNumericLocale() {
    const QByteArray previous = std::setlocale(LC_NUMERIC, nullptr);
    const auto restore = qScopeGuard([&] { std::setlocale(LC_NUMERIC, previous.constData()); });
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bool comma = false;
    for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if ((comma = std::setlocale(LC_NUMERIC, name) != nullptr))
            break;
    if (!comma) {
        // Not installed here: build the Italian locale into the temporary folder.
        QProcess localedef;
        localedef.start(u"localedef"_s,
                        {u"-i"_s, u"it_IT"_s, u"-f"_s, u"UTF-8"_s, dir.filePath(u"it_IT.UTF-8"_s)});
        localedef.waitForFinished(-1);
        const QByteArray locpath = qgetenv("LOCPATH");
        qputenv("LOCPATH", QFile::encodeName(dir.path()));
        comma = std::setlocale(LC_NUMERIC, "it_IT.UTF-8") != nullptr;
        if (locpath.isNull())
            qunsetenv("LOCPATH");
        else
            qputenv("LOCPATH", locpath);
    }
    if (!comma)
        QSKIP("no locale with a decimal comma on this machine");
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));

    QCOMPARE(NormalisePriceText(u"5,5"_s), u"5,50"_s);
    QCOMPARE(NormalisePriceText(u"5"_s), u"5,00"_s);
    QCOMPARE(NormalisePriceText(u"5,12346"_s), u"5,1235"_s);
    QCOMPARE(FormatGeneralNumber(0.25), u"0,25"_s);
    QCOMPARE(FormatGeneralNumber(1.5e20), u"1,5E20"_s);
    const std::optional<long double> parsed = ParsePriceNumber(u"1,5E2"_s);
    QVERIFY(parsed.has_value());
    QCOMPARE(double(*parsed), 150.0);
}

void TestPriceLists::takeLeftRight_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");

    QTest::newRow("shorter part") << u"abcd"_s << 2 << u"ab"_s << u"cd"_s;
    QTest::newRow("whole text") << u"abcd"_s << 9 << u"abcd"_s << u"abcd"_s;
    QTest::newRow("none") << u"abcd"_s << 0 << QString() << QString();
    QTest::newRow("negative") << u"abcd"_s << -1 << QString() << QString();
}

void TestPriceLists::takeLeftRight() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QCOMPARE(TakeLeft(text, n), left);
    QCOMPARE(TakeRight(text, n), right);
}

void TestPriceLists::formatPriceListLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("line");

    const QString fifty = u"Pizza "_s + QString(44, u'x');
    QTest::newRow("Margherita") << u"Margherita"_s << u"5,50"_s
                                << u"Margherita"_s + QString(40, u' ') + kSep + u"5,50"_s +
                                       QString(8, u' ');
    QTest::newRow("name of fifty")
        << fifty << u"5,50"_s << fifty + kSep + u"5,50"_s + QString(8, u' ');
    QTest::newRow("name cut to fifty")
        << fifty + u"yz"_s << u"1"_s << fifty + kSep + u"1"_s + QString(11, u' ');
    QTest::newRow("price of fifteen cut to twelve")
        << u"Vino"_s << u"123456789012,00"_s
        << u"Vino"_s + QString(46, u' ') + kSep + u"123456789012"_s;
    QTest::newRow("name and price trimmed, inner spaces kept")
        << u"  Pizza  al taglio \t"_s << u" 3,5 "_s
        << u"Pizza  al taglio"_s + QString(34, u' ') + kSep + u"3,5"_s + QString(9, u' ');
    QTest::newRow("empty") << QString() << QString()
                           << QString(50, u' ') + kSep + QString(12, u' ');
}

void TestPriceLists::formatPriceListLine() {
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(QString, line);
    const QString made = FormatPriceListLine(name, price);
    QCOMPARE(made, line);
    QCOMPARE(made.size(), 66);
    QCOMPARE(made.at(52), QChar(0x20AC)); // column 53
}

// ----------------------------------------------------------------- List order

void TestPriceLists::listOrder_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");

    QTest::newRow("acqua before Birra") << u"acqua"_s << u"Birra"_s << -1;
    QTest::newRow("Tavolo 10 before Tavolo 2") << u"Tavolo 10"_s << u"Tavolo 2"_s << -1;
    QTest::newRow("1 before letters") << u"1"_s << u"a"_s << -1;
    QTest::newRow("space before letters") << u" "_s << u"A"_s << -1;
    QTest::newRow("_ after Z") << u"Zuppa"_s << u"_x"_s << -1;
    QTest::newRow("_ after z") << u"zuppa"_s << u"_x"_s << -1;
    QTest::newRow("È after Z") << u"Zuppa"_s << u"Èrba"_s << -1;
    QTest::newRow("à after Z") << u"Zuppa"_s << u"àncora"_s << -1;
    QTest::newRow("à after z") << u"zuppa"_s << u"àncora"_s << -1;
    QTest::newRow("accented letters keep their case") << u"É"_s << u"é"_s << -1;
    QTest::newRow("beginning first") << u"Tavolo"_s << u"Tavolo 1"_s << -1;
    QTest::newRow("empty first") << QString() << u" "_s << -1;
    QTest::newRow("case of ASCII letters ignored")
        << u"Acqua Minerale"_s << u"ACQUA minerale"_s << 0;
    QTest::newRow("same text") << u"Vino"_s << u"Vino"_s << 0;
}

void TestPriceLists::listOrder() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(Sign(ListOrder(a, b)), order);
    QCOMPARE(Sign(ListOrder(b, a)), -order);
}

void TestPriceLists::sortByListOrder() {
    QStringList lines{u"_x"_s,   u"birra"_s, u"Zuppa"_s, u"àncora"_s,    u"Tavolo 2"_s, u"BIRRA"_s,
                      QString(), u"1"_s,     u"acqua"_s, u"Tavolo 10"_s, u"Birra"_s};
    SortByListOrder(lines);
    // Equal lines keep the order they came in.
    const QStringList sorted{QString(),  u"1"_s,     u"acqua"_s,     u"birra"_s,
                             u"BIRRA"_s, u"Birra"_s, u"Tavolo 10"_s, u"Tavolo 2"_s,
                             u"Zuppa"_s, u"_x"_s,    u"àncora"_s};
    QCOMPARE(lines, sorted);
}

void TestPriceLists::listInsertPosition_data() {
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("position");

    const QStringList list{QString(), u"1"_s, u"Acqua"_s, u"birra"_s, u"Zuppa"_s, u"_x"_s};
    QTest::newRow("empty list") << QStringList() << u"Birra"_s << 0;
    QTest::newRow("after an equal line") << list << u"BIRRA"_s << 4;
    QTest::newRow("between") << list << u"aaa"_s << 2;
    QTest::newRow("empty line after the empty one") << list << QString() << 1;
    QTest::newRow("before _") << list << u"zz"_s << 5;
    QTest::newRow("after all") << list << u"Èrba"_s << 6;
}

void TestPriceLists::listInsertPosition() {
    QFETCH(QStringList, sorted);
    QFETCH(QString, line);
    QFETCH(int, position);
    QCOMPARE(ListInsertPosition(sorted, line), qsizetype(position));
}

// ----------------------------------------------------------------- List files

void TestPriceLists::readListFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QString margherita = u"Margherita"_s + QString(40, u' ') + kSep + u"5,50"_s;
    QTest::newRow("lines trimmed, inner padding kept")
        << QByteArray("Margherita" + QByteArray(40, ' ') + "  \x80 5,50" + QByteArray(8, ' ') +
                      "\r\n \tTavolo 1 \t\r\n")
        << QStringList{margherita, u"Tavolo 1"_s};
    QTest::newRow("blank line stays, in file order")
        << QByteArray("b\r\n   \r\na\r\n") << QStringList{u"b"_s, QString(), u"a"_s};
    QTest::newRow("UTF-16 LE with lone LF") << QByteArray("\xFF\xFE"
                                                          "\xE8\0 \0\n\0x\0",
                                                          10)
                                            << QStringList{u"è"_s, u"x"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestPriceLists::readListFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Listino_Pizze.lst"_s);
    QVERIFY(WriteBytes(path, bytes));
    const Result<QStringList> read = ReadListFile(path);
    QVERIFY(read);
    QCOMPARE(*read, lines);
}

void TestPriceLists::readMissingListFileFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!ReadListFile(dir.filePath(u"Listino_Vini.lst"_s)));
    QVERIFY(!ReadListFile(dir.path()));
}

void TestPriceLists::writeListFileBytes_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty list is a file of 0 bytes") << QStringList() << QByteArray();
    QTest::newRow("CR LF after every line, the last one included")
        << QStringList{u"Tavolo 1"_s, QString(), u"Tavolo 2"_s}
        << QByteArray("Tavolo 1\r\n\r\nTavolo 2\r\n");
    QTest::newRow("Windows-1252, euro sign 0x80, ? for others")
        << QStringList{u"Caffè"_s + kSep + u"1,20"_s, u"Tè 🍵 Ł"_s}
        << QByteArray("Caff\xE8  \x80 1,20\r\nT\xE8 ? ?\r\n");
    QTest::newRow("written as given, not trimmed")
        << QStringList{u" a "_s} << QByteArray(" a \r\n");
}

void TestPriceLists::writeListFileBytes() {
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Elenco_Tavoli.lst"_s);
    QVERIFY(WriteBytes(path, "previous content\r\n"));
    QVERIFY(WriteListFile(path, lines));
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(ReadBytes(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestPriceLists::utf8ListComesBackAsAnsi() {
    const ProgramFolderScope dir;
    const QString path = ListFilePath(CatalogueEntryOf(CourseCategory::Caffetteria));
    QVERIFY(WriteBytes(path, "\xEF\xBB\xBF"
                             "Caff\xC3\xA8  \xE2\x82\xAC 1,20   \n"
                             "\n"
                             "T\xC3\xA8 verde  \xE2\x82\xAC 2,00"));
    const Result<QStringList> lines = ReadListFile(path);
    QVERIFY(lines);
    QCOMPARE(*lines, (QStringList{u"Caffè  € 1,20"_s, QString(), u"Tè verde  € 2,00"_s}));
    QVERIFY(WriteListFile(path, *lines));
    QCOMPARE(ReadBytes(path), QByteArray("Caff\xE8  \x80 1,20\r\n\r\nT\xE8 verde  \x80 2,00\r\n"));
}

// Lines made in the editor come back from the file without their padding.
void TestPriceLists::editorLinesRoundTrip() {
    const ProgramFolderScope dir;
    QStringList made{FormatPriceListLine(u"Margherita"_s, NormalisePriceText(u"5,5"_s)),
                     FormatPriceListLine(u"Diavola"_s, NormalisePriceText(u"7"_s)),
                     FormatPriceListLine(u"Quattro stagioni"_s, NormalisePriceText(u"8,125"_s))};
    SortByListOrder(made);
    const QString path = ListFilePath(CatalogueEntryOf(CourseCategory::Pizze));
    QVERIFY(WriteListFile(path, made));
    const Result<QStringList> read = ReadListFile(path);
    QVERIFY(read);
    QCOMPARE(*read, (QStringList{u"Diavola"_s + QString(43, u' ') + kSep + u"7,00"_s,
                                 u"Margherita"_s + QString(40, u' ') + kSep + u"5,50"_s,
                                 u"Quattro stagioni"_s + QString(34, u' ') + kSep + u"8,125"_s}));
    // A reader takes the columns apart again.
    QCOMPARE(TrimBlanks(TakeLeft(read->at(1), NameColumnWidth)), u"Margherita"_s);
    QCOMPARE(TrimBlanks(read->at(2).mid(54, PriceColumnWidth)), u"8,125"_s);
}

void TestPriceLists::failedWriteKeepsFile_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("target is a folder") << u"folder"_s;
    QTest::newRow("folder missing") << u"missing folder"_s;
    QTest::newRow("read-only file") << u"read-only"_s;
}

void TestPriceLists::failedWriteKeepsFile() {
    QFETCH(QString, failure);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray before("Barolo  \x80 30,00\r\n");
    const QString path = FailingTarget(dir, u"Listino_Vini.lst"_s, failure, before);

    QVERIFY(!WriteListFile(path, {u"Chianti  € 12,00"_s}));
    QVERIFY2(TargetUntouched(dir, path, failure, before),
             "a refused save must leave things as they were");
}

// ---------------------------------------------------------------- Key filters

void TestPriceLists::priceKeyFilter_data() {
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("decision");

    const int pass = int(KeyDecision::Pass);
    const int swallow = int(KeyDecision::Swallow);
    QTest::newRow("Enter") << 13 << QChar(u'\r') << int(KeyDecision::FocusAddButton);
    QTest::newRow("Backspace") << 8 << QChar(u'\b') << pass;
    QTest::newRow("Delete") << 46 << QChar() << pass;
    QTest::newRow("Left") << 37 << QChar() << pass;
    QTest::newRow("Right") << 39 << QChar() << pass;
    QTest::newRow("0") << 48 << QChar(u'0') << pass;
    QTest::newRow("9") << 57 << QChar(u'9') << pass;
    QTest::newRow("keypad 5") << 101 << QChar(u'5') << pass;
    QTest::newRow("comma") << 188 << QChar(u',') << pass;
    QTest::newRow("space") << 32 << QChar(u' ') << swallow;
    QTest::newRow("period") << 190 << QChar(u'.') << swallow;
    QTest::newRow("keypad decimal point") << 110 << QChar(u'.') << swallow;
    QTest::newRow("letter") << 65 << QChar(u'a') << swallow;
    QTest::newRow("minus") << 189 << QChar(u'-') << swallow;
    QTest::newRow("Tab") << 9 << QChar(u'\t') << swallow;
    QTest::newRow("Home") << 36 << QChar() << swallow;
    QTest::newRow("End") << 35 << QChar() << swallow;
    QTest::newRow("Up") << 38 << QChar() << swallow;
    QTest::newRow("Down") << 40 << QChar() << swallow;
    QTest::newRow("paste shortcut") << 86 << QChar(0x16) << swallow;
    QTest::newRow("superscript two") << 50 << QChar(0x00B2) << swallow;
}

void TestPriceLists::priceKeyFilter() {
    QFETCH(int, keyCode);
    QFETCH(QChar, character);
    QFETCH(int, decision);
    QCOMPARE(int(PriceKeyFilter(keyCode, character)), decision);
}

void TestPriceLists::tableNameKeyFilter_data() {
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("decision");

    const int pass = int(KeyDecision::Pass);
    const int swallow = int(KeyDecision::Swallow);
    QTest::newRow("Enter") << 13 << QChar(u'\r') << int(KeyDecision::FocusAddButton);
    const char16_t refused[] = {0x22, 0x2A, 0x2F, 0x3A, 0x3C, 0x3E, 0x3F,
                                0x5C, 0xB0, 0xC7, 0xD1, 0xE7, 0xF1};
    for (char16_t c : refused)
        QTest::addRow("refused U+%04X", unsigned(c)) << 0 << QChar(c) << swallow;
    QTest::newRow("vertical bar") << 220 << QChar(u'|') << pass;
    QTest::newRow("letter") << 65 << QChar(u'a') << pass;
    QTest::newRow("accented letter") << 186 << QChar(u'è') << pass;
    QTest::newRow("digit") << 49 << QChar(u'1') << pass;
    QTest::newRow("space") << 32 << QChar(u' ') << pass;
    QTest::newRow("period") << 190 << QChar(u'.') << pass;
    QTest::newRow("Tab") << 9 << QChar(u'\t') << pass;
    QTest::newRow("Backspace") << 8 << QChar(u'\b') << pass;
    QTest::newRow("Delete") << 46 << QChar() << pass;
    QTest::newRow("Left") << 37 << QChar() << pass;
    QTest::newRow("Up") << 38 << QChar() << pass;
}

void TestPriceLists::tableNameKeyFilter() {
    QFETCH(int, keyCode);
    QFETCH(QChar, character);
    QFETCH(int, decision);
    QCOMPARE(int(TableNameKeyFilter(keyCode, character)), decision);
}

// Qt's key events, as a window receives them, through the one mapping to key
// codes and characters and on into the filters.
void TestPriceLists::keyEventsReachTheFilters_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("price");
    QTest::addColumn<int>("tableName");

    const int pass = int(KeyDecision::Pass);
    const int swallow = int(KeyDecision::Swallow);
    const int focusAdd = int(KeyDecision::FocusAddButton);
    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << u"\r"_s << 13 << focusAdd << focusAdd;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << u"\r"_s << 13 << focusAdd
                                  << focusAdd;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << u"\b"_s << 8 << pass << pass;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << QString() << 46 << pass << pass;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << QString() << 37 << pass << pass;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << QString() << 39 << pass << pass;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << QString() << 36 << swallow << pass;
    QTest::newRow("digit") << int(Qt::Key_7) << none << u"7"_s << 55 << pass << pass;
    QTest::newRow("keypad digit") << int(Qt::Key_5) << keypad << u"5"_s << 101 << pass << pass;
    QTest::newRow("comma") << int(Qt::Key_Comma) << none << u","_s << 188 << pass << pass;
    QTest::newRow("period") << int(Qt::Key_Period) << none << u"."_s << 190 << swallow << pass;
    QTest::newRow("keypad decimal")
        << int(Qt::Key_Period) << keypad << u"."_s << 110 << swallow << pass;
    QTest::newRow("letter") << int(Qt::Key_A) << none << u"a"_s << 65 << swallow << pass;
    QTest::newRow("paste shortcut")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << u"\x16"_s << 86 << swallow << pass;
    QTest::newRow("colon") << int(Qt::Key_Colon) << int(Qt::ShiftModifier) << u":"_s << 0 << swallow
                           << swallow;
    QTest::newRow("c cedilla") << int(Qt::Key_Ccedilla) << none << u"ç"_s << 0 << swallow
                               << swallow;
}

void TestPriceLists::keyEventsReachTheFilters() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(int, price);
    QFETCH(int, tableName);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    const KeyStroke stroke = KeyStrokeOf(&event);
    QCOMPARE(stroke.code, code);
    QCOMPARE(stroke.character, text.isEmpty() ? QChar() : text.front());
    QCOMPARE(int(PriceKeyFilter(stroke.code, stroke.character)), price);
    QCOMPARE(int(TableNameKeyFilter(stroke.code, stroke.character)), tableName);
}

QTEST_GUILESS_MAIN(TestPriceLists)
#include "test_pricelists.moc"
