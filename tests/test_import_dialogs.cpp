// The item and table import dialogs, driven through their controls on lists
// written to a temporary program folder: what they list and in which order,
// choosing, plus and minus with their failure rules, what an import hands to
// the ticket, the ways each dialog closes and the keys that do not close it.
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "orders/Importa.h"
#include "orders/ImportaTavoli.h"
#include "platform/AnsiCodePage.h"
#include "platform/TextTrim.h"
#include "tickets/OrderLine.h"

#include "Controls.h"
#include "ListRows.h"
#include "Seams.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString NoProductWarning =
    u"Attenzione: non è stato selezionato alcun prodotto da aggiungere alla comanda."_s;

// A line of a price list as the dialogs read it: trimmed.
QString Entry(const QString& name, const QString& price) {
    return TrimBlanks(FormatPriceListLine(name, price));
}

const CatalogueEntry& Pizze() {
    return CatalogueEntryOf(CourseCategory::Pizze);
}

// Quantity, name, unit price, amount: the four fields of the item dialog.
QStringList Fields(QDialog* dialog) {
    return {FieldText(dialog, u"txtQuant"_s), FieldText(dialog, u"txtNome"_s),
            FieldText(dialog, u"txtPrezzoUni"_s), FieldText(dialog, u"txtPrezzoTot"_s)};
}

LineList* List(QDialog* dialog) {
    return Control<LineList>(dialog, u"lstRecords"_s);
}

// A click on the entry that begins with `text`, as the user makes it.
void Choose(QDialog* dialog, const QString& text) {
    LineList* list = List(dialog);
    const auto found = FindRows(list, text, Qt::MatchStartsWith);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToRow(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(found.first()).center());
    QCOMPARE(SelectedRows(list), found);
}

// A click on the list below its last entry.
void ClickBelowEntries(QDialog* dialog) {
    LineList* list = List(dialog);
    const QPoint below(20, list->viewport()->height() - 5);
    QVERIFY2(!list->indexAt(below).isValid(), "the list must leave room below its entries");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
}

} // namespace

class TestImportDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The item dialog
    void itemDialogOfEachCategory();
    void listedInListOrder();
    void choosingShowsProduct();
    void plusAndMinus_data();
    void plusAndMinus();
    void plusAndMinusBeforeChoosing();
    void importHandsLineAndCloses_data();
    void importHandsLineAndCloses();
    void importWithoutProductWarns_data();
    void importWithoutProductWarns();
    void clickLeavingNoEntryCloses_data();
    void clickLeavingNoEntryCloses();
    void chiudiAddsNothing();

    // The table dialog
    void tablesListed();
    void tableImport_data();
    void tableImport();
    void tableFocusOrder();

    // Both dialogs
    void escapeAndEnterLeaveDialogOpen_data();
    void escapeAndEnterLeaveDialogOpen();
    void tooLargeListIsSaidSo_data();
    void tooLargeListIsSaidSo();

private:
    void writePizze(const QStringList& lines) {
        QVERIFY(WriteListFile(ListFilePath(Pizze()), lines));
    }
    void writeTables(const QStringList& lines) {
        QVERIFY(WriteListFile(ListFilePath(TableListEntry()), lines));
    }
    // Opens the pizza dialog; the driver works on it while it shows. The
    // lines imported are gathered in m_imported.
    void openPizze(const ModalRecorder::Driver& driver) {
        m_dialogs->driver = [driver](QDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            driver(dialog);
        };
        OpenImporta(&m_opener, Pizze(), [this](const QString& line) { m_imported.append(line); });
        QCOMPARE(m_dialogs->shown, QStringList{u"TfrmImportaPizze"_s});
        QVERIFY(!m_dialogs->driverFailed());
    }
    void openTables(const ModalRecorder::Driver& driver) {
        m_dialogs->driver = [driver](QDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            driver(dialog);
        };
        OpenImportaTavoli(&m_opener, [this](const QString& table) { m_tables.append(table); });
        QCOMPARE(m_dialogs->shown, QStringList{u"TfrmImportaTavoli"_s});
        QVERIFY(!m_dialogs->driverFailed());
    }

    std::unique_ptr<ProgramFolderScope> m_folder;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<ModalRecorder> m_dialogs;
    QWidget m_opener;
    QStringList m_imported; // lines handed to the ticket
    QStringList m_tables;   // tables handed to the ticket
};

void TestImportDialogs::init() {
    m_folder = std::make_unique<ProgramFolderScope>();
    m_messages = std::make_unique<MessageRecorder>();
    m_dialogs = std::make_unique<ModalRecorder>();
    m_imported.clear();
    m_tables.clear();
}

void TestImportDialogs::cleanup() {
    m_dialogs.reset();
    m_messages.reset();
    m_folder.reset();
}

void TestImportDialogs::itemDialogOfEachCategory() {
    // Each category's dialog reads its own file: one line naming the file.
    for (const CatalogueEntry& entry : CategoryEntries())
        QVERIFY(WriteListFile(ListFilePath(entry),
                              {FormatPriceListLine(entry.ListFileName, u"1,00"_s)}));
    for (const CatalogueEntry& entry : CategoryEntries()) {
        m_dialogs->shown.clear();
        m_dialogs->driver = [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), entry.ImportDialogClass);
            QCOMPARE(dialog->windowTitle(), entry.ImportDialogTitle);
            QCOMPARE(dialog->size(), QSize(862, 560));
            QCOMPARE(dialog->findChild<QLabel*>(u"icoTitolo"_s)->text(), entry.ImportBannerText);
            QCOMPARE(Items(List(dialog)), QStringList{Entry(entry.ListFileName, u"1,00"_s)});
        };
        OpenImporta(&m_opener, entry, {});
        QCOMPARE(m_dialogs->shown, QStringList{entry.ImportDialogClass});
        QVERIFY(!m_dialogs->driverFailed());
    }
    QCOMPARE(CatalogueEntryOf(CourseCategory::Carne).ImportBannerText,
             u"IMPORTAZIONE SECONDI-CARNE"_s);
}

void TestImportDialogs::listedInListOrder() {
    writePizze({FormatPriceListLine(u"Birra"_s, u"4,00"_s),
                FormatPriceListLine(u"amaro"_s, u"3,00"_s),
                FormatPriceListLine(u"Caff\u00E8"_s, u"1,20"_s)});
    TEST_STEP(openPizze([](QDialog* dialog) {
        LineList* list = List(dialog);
        QCOMPARE(Items(list),
                 (QStringList{Entry(u"amaro"_s, u"3,00"_s), Entry(u"Birra"_s, u"4,00"_s),
                              Entry(u"Caff\u00E8"_s, u"1,20"_s)}));
        // One font for the whole list, no entry with one of its own.
        QCOMPARE(list->font().family(), QFont(u"Courier New"_s).family());
        QCOMPARE(list->font().pointSize(), 16);
        QVERIFY(list->uniformItemSizes());
        QCOMPARE(list->model()->index(0, 0).data(Qt::FontRole), QVariant());
        QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // Opened: nothing chosen, every field empty.
        QCOMPARE(SelectedRows(list).size(), 0);
        QCOMPARE(Fields(dialog), QStringList(4, QString()));
    }));
}

void TestImportDialogs::choosingShowsProduct() {
    writePizze({FormatPriceListLine(u"Margherita"_s, u"6,00"_s),
                FormatPriceListLine(u"Diavola"_s, u"7,5"_s)});
    TEST_STEP(openPizze([](QDialog* dialog) {
        TEST_STEP(Choose(dialog, u"Margherita"_s));
        QCOMPARE(Fields(dialog), (QStringList{u"1"_s, u"Margherita"_s, u"6,00"_s, u"6,00"_s}));
        Click(dialog, u"btnPlus"_s);
        // Another entry: back to quantity 1 with its price as written.
        TEST_STEP(Choose(dialog, u"Diavola"_s));
        QCOMPARE(Fields(dialog), (QStringList{u"1"_s, u"Diavola"_s, u"7,5"_s, u"7,5"_s}));
        // With the keys: a choice as a click makes it.
        QTest::keyClick(List(dialog), Qt::Key_Down);
        QCOMPARE(Fields(dialog), (QStringList{u"1"_s, u"Margherita"_s, u"6,00"_s, u"6,00"_s}));
    }));
}

void TestImportDialogs::plusAndMinus_data() {
    QTest::addColumn<QString>("price");   // as the list writes it
    QTest::addColumn<QString>("presses"); // '+' plus, '-' minus
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("amount");

    QTest::newRow("3,50 chosen") << u"3,50"_s << u""_s << u"1"_s << u"3,50"_s;
    QTest::newRow("3,50 plus") << u"3,50"_s << u"+"_s << u"2"_s << u"7,00"_s;
    QTest::newRow("3,50 plus plus") << u"3,50"_s << u"++"_s << u"3"_s << u"10,50"_s;
    QTest::newRow("3,50 back to 2") << u"3,50"_s << u"++-"_s << u"2"_s << u"7,00"_s;
    QTest::newRow("3,50 back to 1") << u"3,50"_s << u"++--"_s << u"1"_s << u"3,50"_s;
    QTest::newRow("3,50 never below 1") << u"3,50"_s << u"++---"_s << u"1"_s << u"3,50"_s;
    QTest::newRow("3,5 kept as written") << u"3,5"_s << u""_s << u"1"_s << u"3,5"_s;
    QTest::newRow("3,5 minus at 1 leaves it") << u"3,5"_s << u"-"_s << u"1"_s << u"3,5"_s;
    QTest::newRow("3,5 plus") << u"3,5"_s << u"+"_s << u"2"_s << u"7,00"_s;
    QTest::newRow("3,5 plus minus") << u"3,5"_s << u"+-"_s << u"1"_s << u"3,50"_s;
    QTest::newRow("ten pluses") << u"1,10"_s << u"++++++++++"_s << u"11"_s << u"12,10"_s;
    QTest::newRow("four decimals kept") << u"0,3333"_s << u"++"_s << u"3"_s << u"0,9999"_s;
    QTest::newRow("rounded half up to four") << u"0,12345"_s << u"++"_s << u"3"_s << u"0,3704"_s;
    QTest::newRow("price with a point: stays at 1") << u"3.50"_s << u"++"_s << u"1"_s << u"3.50"_s;
    QTest::newRow("price with a point: minus") << u"3.50"_s << u"-"_s << u"1"_s << u"3.50"_s;
}

void TestImportDialogs::plusAndMinus() {
    QFETCH(QString, price);
    QFETCH(QString, presses);
    QFETCH(QString, quantity);
    QFETCH(QString, amount);
    writePizze({FormatPriceListLine(u"Spritz"_s, price)});
    TEST_STEP(openPizze([&](QDialog* dialog) {
        TEST_STEP(Choose(dialog, u"Spritz"_s));
        for (const QChar press : presses)
            Click(dialog, press == u'+' ? u"btnPlus"_s : u"btnMinus"_s);
        QCOMPARE(Fields(dialog), (QStringList{quantity, u"Spritz"_s, price, amount}));
    }));
}

void TestImportDialogs::plusAndMinusBeforeChoosing() {
    writePizze({FormatPriceListLine(u"Spritz"_s, u"3,50"_s)});
    TEST_STEP(openPizze([](QDialog* dialog) {
        Click(dialog, u"btnPlus"_s);
        QCOMPARE(Fields(dialog), (QStringList{u"1"_s, QString(), QString(), QString()}));
        Click(dialog, u"btnMinus"_s);
        QCOMPARE(Fields(dialog), (QStringList{u"1"_s, QString(), QString(), QString()}));
        QVERIFY(dialog->isVisible());
    }));
}

void TestImportDialogs::importHandsLineAndCloses_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("pluses");
    QTest::addColumn<QString>("line");

    QTest::newRow("right after the choice: the price as written")
        << u"3,5"_s << 0 << BuildOrderLine(u"1"_s, u"Spritz"_s, u"3,5"_s);
    QTest::newRow("quantity 2") << u"3,5"_s << 1 << BuildOrderLine(u"2"_s, u"Spritz"_s, u"7,00"_s);
    QTest::newRow("quantity 12: two digits and two spaces")
        << u"1,00"_s << 11
        << u"12  Spritz"_s + QString(44, u' ') + u"  \u20AC 12,00"_s + QString(10, u' ');
}

void TestImportDialogs::importHandsLineAndCloses() {
    QFETCH(QString, price);
    QFETCH(int, pluses);
    QFETCH(QString, line);
    writePizze({FormatPriceListLine(u"Spritz"_s, price)});
    TEST_STEP(openPizze([&](QDialog* dialog) {
        TEST_STEP(Choose(dialog, u"Spritz"_s));
        for (int i = 0; i < pluses; ++i)
            Click(dialog, u"btnPlus"_s);
        Click(dialog, u"btnImporta"_s);
        QVERIFY(!dialog->isVisible());
        // Closed: the list is emptied.
        QCOMPARE(List(dialog)->count(), 0);
    }));
    QCOMPARE(m_imported, QStringList{line});
    QCOMPARE(m_imported[0].size(), OrderLineLength);
    QVERIFY(m_messages->shown.isEmpty());
}

void TestImportDialogs::importWithoutProductWarns_data() {
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QString>("choose"); // null: nothing chosen

    QTest::newRow("nothing chosen")
        << QStringList{FormatPriceListLine(u"Spritz"_s, u"3,50"_s)} << QString();
    // A blank line of the file is an entry with no name.
    QTest::newRow("a blank entry chosen")
        << QStringList{u"   "_s, FormatPriceListLine(u"Spritz"_s, u"3,50"_s)} << u""_s;
}

void TestImportDialogs::importWithoutProductWarns() {
    QFETCH(QStringList, file);
    QFETCH(QString, choose);
    QVERIFY(WriteBytes(ListFilePath(Pizze()), EncodeAnsi(file.join(u"\r\n"_s) + u"\r\n"_s)));
    TEST_STEP(openPizze([&](QDialog* dialog) {
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        if (!choose.isNull()) {
            LineList* list = List(dialog);
            QCOMPARE(list->text(0), QString());
            // Every entry at least 720 wide, the empty one too.
            QCOMPARE(list->sizeHintForIndex(list->model()->index(0, 0)).width(), 720);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(0).center());
            QCOMPARE(Fields(dialog), (QStringList{u"1"_s, QString(), QString(), QString()}));
        }
        Click(dialog, u"btnImporta"_s);
        QVERIFY(dialog->isVisible());
        QCOMPARE(QApplication::focusWidget(), dialog->findChild<QLineEdit*>(u"txtNome"_s));
    }));
    QCOMPARE(m_messages->shown.size(), 1);
    QCOMPARE(m_messages->shown[0].kind, MessageKind::Warning);
    QCOMPARE(m_messages->shown[0].text, NoProductWarning);
    QVERIFY(m_imported.isEmpty());
}

void TestImportDialogs::clickLeavingNoEntryCloses_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("chooseFirst");
    QTest::newRow("below the entries, nothing chosen") << true << false;
    // The choice made stays: a click beside it is no click on the list.
    QTest::newRow("below the entries, a product chosen") << true << true;
    QTest::newRow("no list file: an empty list") << false << false;
}

void TestImportDialogs::clickLeavingNoEntryCloses() {
    QFETCH(bool, fileExists);
    QFETCH(bool, chooseFirst);
    if (fileExists)
        writePizze({FormatPriceListLine(u"Spritz"_s, u"3,50"_s)});
    TEST_STEP(openPizze([&](QDialog* dialog) {
        QCOMPARE(List(dialog)->count(), fileExists ? 1 : 0);
        if (chooseFirst)
            TEST_STEP(Choose(dialog, u"Spritz"_s));
        TEST_STEP(ClickBelowEntries(dialog));
        QCOMPARE(dialog->isVisible(), chooseFirst);
    }));
    QVERIFY(m_imported.isEmpty());
    QVERIFY(m_messages->shown.isEmpty());
}

void TestImportDialogs::chiudiAddsNothing() {
    writePizze({FormatPriceListLine(u"Spritz"_s, u"3,50"_s)});
    TEST_STEP(openPizze([](QDialog* dialog) {
        TEST_STEP(Choose(dialog, u"Spritz"_s));
        Click(dialog, u"btnPlus"_s);
        Click(dialog, u"btnChiudi"_s);
        QVERIFY(!dialog->isVisible());
    }));
    QVERIFY(m_imported.isEmpty());
}

void TestImportDialogs::tablesListed() {
    writeTables({u"2"_s, u" 10 "_s, u"1"_s});
    TEST_STEP(openTables([](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), u" Importazione dati tavolo"_s);
        QCOMPARE(dialog->size(), QSize(862, 560));
        QCOMPARE(dialog->findChild<QLabel*>(u"icoTitolo"_s)->text(), u"IMPORTAZIONE DATI TAVOLO"_s);
        LineList* list = List(dialog);
        // Compared by characters: 10 before 2.
        QCOMPARE(Items(list), (QStringList{u"1"_s, u"10"_s, u"2"_s}));
        QCOMPARE(list->font().pointSize(), 16);
        QCOMPARE(list->sizeHintForIndex(list->model()->index(0, 0)).width(), 680);
        QCOMPARE(SelectedRows(list).size(), 0);
    }));
}

void TestImportDialogs::tableImport_data() {
    QTest::addColumn<QString>("choose"); // null: nothing chosen
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("handed");
    QTest::newRow("7 imported") << u"7"_s << u"btnImporta"_s << QStringList{u"7"_s};
    QTest::newRow("blanks of the file line are gone")
        << u"Veranda"_s << u"btnImporta"_s << QStringList{u"Veranda"_s};
    QTest::newRow("Importa dati without a choice") << QString() << u"btnImporta"_s << QStringList{};
    QTest::newRow("Chiudi after a choice") << u"7"_s << u"btnChiudi"_s << QStringList{};
}

void TestImportDialogs::tableImport() {
    QFETCH(QString, choose);
    QFETCH(QString, button);
    QFETCH(QStringList, handed);
    QVERIFY(WriteBytes(ListFilePath(TableListEntry()), "1\r\n7\r\n  Veranda \t\r\n"));
    TEST_STEP(openTables([&](QDialog* dialog) {
        QCOMPARE(Items(List(dialog)), (QStringList{u"1"_s, u"7"_s, u"Veranda"_s}));
        if (!choose.isNull())
            TEST_STEP(Choose(dialog, choose));
        Click(dialog, button);
        QVERIFY(!dialog->isVisible());
    }));
    QCOMPARE(m_tables, handed);
    QVERIFY(m_messages->shown.isEmpty());
}

void TestImportDialogs::tableFocusOrder() {
    writeTables({u"1"_s, u"2"_s});
    QString chosen;
    TEST_STEP(openTables([&](QDialog* dialog) {
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order,
                 (QStringList{u"lstRecords"_s, u"btnImporta"_s, u"btnChiudi"_s, u"lstRecords"_s}));
        // A choice made with the keys, taken over only by Importa dati:
        // Enter in the list presses no button.
        QTest::keyClick(List(dialog), Qt::Key_Down);
        QCOMPARE(SelectedRows(List(dialog)).size(), 1);
        chosen = SelectedTexts(List(dialog)).first();
        QTest::keyClick(List(dialog), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QVERIFY(m_tables.isEmpty());
        QTest::keyClick(List(dialog), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    }));
    QCOMPARE(m_tables, QStringList{chosen});
}

// Neither dialog has title-bar buttons: it is left only through Chiudi and
// Importa dati, and Enter presses a button only while that button has the
// focus.
// 200 MB in a list's place: the dialog says so, shows no line and stays
// usable.
void TestImportDialogs::tooLargeListIsSaidSo_data() {
    QTest::addColumn<bool>("tables");
    QTest::newRow("item dialog") << false;
    QTest::newRow("table dialog") << true;
}

void TestImportDialogs::tooLargeListIsSaidSo() {
    QFETCH(bool, tables);
    const QString path = ListFilePath(tables ? TableListEntry() : Pizze());
    QVERIFY(WriteBytes(path, "x"));
    QVERIFY(QFile::resize(path, qint64(200) * 1024 * 1024));
    const auto check = [this](QDialog* dialog) {
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown[0].kind, MessageKind::Plain);
        QCOMPARE(m_messages->shown[0].text,
                 u"Attenzione: il file dell'elenco è troppo grande per essere aperto.\r\n\r\nNon "
                 u"si tratta di un elenco salvato dal programma: controllare il file nella "
                 u"cartella del programma."_s);
        QCOMPARE(List(dialog)->count(), 0);
    };
    if (tables)
        TEST_STEP(openTables(check));
    else
        TEST_STEP(openPizze(check));
    QVERIFY(m_imported.isEmpty() && m_tables.isEmpty());
}

void TestImportDialogs::escapeAndEnterLeaveDialogOpen_data() {
    QTest::addColumn<bool>("tables"); // the table dialog, or the item dialog
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("imports");

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    for (const bool tables : {false, true}) {
        const char* dialog = tables ? "table" : "item";
        QTest::addRow("%s: Escape in the list", dialog)
            << tables << u"lstRecords"_s << int(Qt::Key_Escape) << none << false << false;
        QTest::addRow("%s: Return in the list", dialog)
            << tables << u"lstRecords"_s << int(Qt::Key_Return) << none << false << false;
        QTest::addRow("%s: keypad Enter in the list", dialog)
            << tables << u"lstRecords"_s << int(Qt::Key_Enter) << keypad << false << false;
        QTest::addRow("%s: Escape on Importa dati", dialog)
            << tables << u"btnImporta"_s << int(Qt::Key_Escape) << none << false << false;
        QTest::addRow("%s: Return on Importa dati", dialog)
            << tables << u"btnImporta"_s << int(Qt::Key_Return) << none << true << true;
        QTest::addRow("%s: Return on Chiudi", dialog)
            << tables << u"btnChiudi"_s << int(Qt::Key_Return) << none << true << false;
    }
    QTest::newRow("item: Escape in the name field")
        << false << u"txtNome"_s << int(Qt::Key_Escape) << none << false << false;
    QTest::newRow("item: Return in the name field")
        << false << u"txtNome"_s << int(Qt::Key_Return) << none << false << false;
}

void TestImportDialogs::escapeAndEnterLeaveDialogOpen() {
    QFETCH(bool, tables);
    QFETCH(QString, focus);
    QFETCH(int, pressed);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QFETCH(bool, imports);
    const auto drive = [&](QDialog* dialog) {
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        // A choice made, and for an item a quantity set: what a wrong key
        // could lose or take over.
        TEST_STEP(Choose(dialog, tables ? u"7"_s : u"Spritz"_s));
        if (!tables)
            Click(dialog, u"btnPlus"_s);
        const QStringList fields = Fields(dialog);
        const QList<int> chosen = SelectedRows(List(dialog));

        auto* target = dialog->findChild<QWidget*>(focus);
        QVERIFY2(target, qPrintable(focus));
        if (focus == u"txtNome")
            QTest::mouseClick(target, Qt::LeftButton); // it takes the focus by a click only
        else
            target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(pressed), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(dialog->isVisible(), !closes);
        if (closes)
            return;
        QCOMPARE(SelectedRows(List(dialog)), chosen);
        QCOMPARE(Fields(dialog), fields);
        QCOMPARE(QApplication::focusWidget(), target);
    };
    if (tables) {
        writeTables({u"1"_s, u"7"_s});
        TEST_STEP(openTables(drive));
        QCOMPARE(m_tables, imports ? QStringList{u"7"_s} : QStringList());
    } else {
        writePizze({FormatPriceListLine(u"Spritz"_s, u"3,50"_s)});
        TEST_STEP(openPizze(drive));
        QCOMPARE(m_imported, imports ? QStringList{BuildOrderLine(u"2"_s, u"Spritz"_s, u"7,00"_s)}
                                     : QStringList());
    }
    QVERIFY(m_messages->shown.isEmpty());
}

QTEST_MAIN(TestImportDialogs)
#include "test_import_dialogs.moc"
