// The price-list editors and the table-list editor, driven through their
// controls on a temporary program folder: the window as it opens, the keys of
// its fields and of the window, text dropped on the fields, items taking their
// sorted place, deleting, printing, saving (byte for byte) and closing without
// saving, and every failed save.
#include "app/MenuListini.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "pricelists/ListEditor.h"
#include "pricelists/OpenListEditor.h"
#include "widgets/Theme.h"

#include "Controls.h"
#include "FileSizeLimit.h"
#include "ListRows.h"
#include "Seams.h"
#include "ShellFixture.h"
#include "TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString NothingSelectedWarning =
    u"Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di premere il "
    u"pulsante di cancellazione."_s;
const QString PriceListSaveFailed =
    u"Attenzione: il sistema non permette di aggiornare i dati.\n\r\n\rAccertarsi che il "
    u"database non sia già aperto."_s;
const QString TableListSaveFailed =
    u"Attenzione: il sistema non permette di salvare i dati.\n\r\n\rAccertarsi che il "
    u"documento non sia già aperto."_s;

const CatalogueEntry& EntryNamed(const QString& key) {
    if (key == u"Tavoli")
        return TableListEntry();
    for (const CatalogueEntry& entry : CategoryEntries())
        if (entry.Key == key)
            return entry;
    QTest::qFail("no such catalogue entry", __FILE__, __LINE__);
    return TableListEntry();
}

bool HasPrices(const CatalogueEntry& entry) {
    return entry.Kind == EntryKind::PriceList;
}

// The controls of an open editor.
struct Editor {
    QDialog* window = nullptr;
    QLineEdit* name = nullptr;  // txtProdotto, or txtTrova in the table list
    QLineEdit* price = nullptr; // txtPrezzo; none in the table list
    LineList* list = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* print = nullptr;
    QPushButton* discard = nullptr;
    QPushButton* save = nullptr;
};

Editor ControlsOf(QDialog* window, const CatalogueEntry& entry) {
    Editor editor;
    editor.window = window;
    editor.name = Control<QLineEdit>(window, HasPrices(entry) ? "txtProdotto" : "txtTrova");
    if (HasPrices(entry))
        editor.price = Control<QLineEdit>(window, "txtPrezzo");
    editor.list = Control<LineList>(window, "lstRecords");
    editor.add = Control<QPushButton>(window, "btnTrova");
    editor.remove = Control<QPushButton>(window, "btnElimina");
    editor.print = Control<QPushButton>(window, "btnStampa");
    editor.discard = Control<QPushButton>(window, "btnAnnulla");
    editor.save = Control<QPushButton>(window, "btnChiudi");
    return editor;
}

QStringList Shown(const LineList* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->text(i);
    return texts;
}

QString FocusName(QWidget* window) {
    return window->focusWidget() ? window->focusWidget()->objectName() : u"<none>"_s;
}

// One key press per character, carrying the character as typed text.
void Type(QWidget* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

// Text composed with dead keys: committed by the input method, no key press.
void Compose(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Text dragged from another program and dropped in the middle of the field,
// every step of the drag delivered to the field itself. True when the field
// took the drop (it may still refuse the edit, as its length limit does).
bool Drop(QWidget* field, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    return drop.isAccepted();
}

// Pasted through the field's own menu: the menu's paste action.
void PasteByMenu(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->paste();
}

// Pasted with Ctrl+V, after the cursor.
void PasteByKeys(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Adds one item as the user does with the mouse: fields typed, price field
// left for the add button.
void AddByMouse(const Editor& editor, const QString& name, const QString& price = QString()) {
    Click(editor.name);
    Type(editor.name, name);
    if (editor.price) {
        Click(editor.price);
        editor.price->selectAll();
        Type(editor.price, price);
    }
    Click(editor.add);
}

// The controls that take the focus, in the window's focus order from the
// name field on.
QStringList FocusOrder(const Editor& editor) {
    QStringList order;
    QWidget* widget = editor.name;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty() &&
            widget->isVisibleTo(editor.window))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != editor.name);
    return order;
}

QStringList PrintedLines(const PrintedReport& report, const QString& object) {
    QStringList texts;
    for (const ReportPage& page : report.pages)
        for (const PlacedText& text : page.texts)
            if (text.object == object)
                texts << text.text;
    return texts;
}

bool Near(const QColor& seen, const QColor& expected) {
    constexpr int tolerance = 24;
    return qAbs(seen.red() - expected.red()) <= tolerance &&
           qAbs(seen.green() - expected.green()) <= tolerance &&
           qAbs(seen.blue() - expected.blue()) <= tolerance;
}

// A frame's own background drawn light steel blue at its top and white at
// its foot, seen in the margins above and below what it holds.
void CheckGradientFrame(QWidget* window, const char* name) {
    QWidget* frame = Control<QWidget>(window, name);
    const QImage picture = frame->grab().toImage();
    const QColor top = picture.pixelColor(picture.width() / 2, 2);
    const QColor foot = picture.pixelColor(picture.width() / 2, picture.height() - 3);
    QVERIFY2(Near(top, Theme::SteelBlue),
             qPrintable(u"%1 is %2 at its top, not light steel blue"_s.arg(name, top.name())));
    QVERIFY2(Near(foot, Qt::white),
             qPrintable(u"%1 is %2 at its foot, not white"_s.arg(name, foot.name())));
}

QByteArray CrLfLines(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

class TestListEditors : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAsOpened_data();
    void windowAsOpened();
    void eachEntryRoundTrips_data();
    void eachEntryRoundTrips();
    void itemTakesSortedPlace_data();
    void itemTakesSortedPlace();
    void keyboardOnlyAdding_data();
    void keyboardOnlyAdding();
    void priceNormalisedWhenLeft_data();
    void priceNormalisedWhenLeft();
    void emptyFieldWarns_data();
    void emptyFieldWarns();
    void keysOfTheFields_data();
    void keysOfTheFields();
    void lengthLimits_data();
    void lengthLimits();
    void droppedText_data();
    void droppedText();
    void escapeAndEnterLeaveWindowOpen_data();
    void escapeAndEnterLeaveWindowOpen();

    void missingFileGivesEmptyList_data();
    void missingFileGivesEmptyList();
    void unreadableFileLeavesWindowAsCreated();
    void tooLargeFileIsSaidSoAndKept();
    void closingWithoutSavingKeepsFile_data();
    void closingWithoutSavingKeepsFile();
    void deleteSelectedItem_data();
    void deleteSelectedItem();
    void savedLinesKeepTheirPadding();
    void failedSaveKeepsWindowOpen_data();
    void failedSaveKeepsWindowOpen();
    void printHandsTitleAndShownLines_data();
    void printHandsTitleAndShownLines();
    void freshWindowAtEveryOpeningFromMenu();

private:
    // Opens a fresh editor of the entry, lets `drive` work on it while it
    // shows, and returns once it has closed and been destroyed (the recorder
    // closes a window the driver left open). Called inside TEST_STEP.
    void Drive(const CatalogueEntry& entry, const std::function<void(Editor&)>& drive);

    std::optional<ProgramFolderScope> m_folder;
    std::optional<MessageRecorder> m_messages;
    std::optional<PrintRecorder> m_printer;
};

void TestListEditors::init() {
    m_folder.emplace();
    m_messages.emplace();
    m_printer.emplace();
}

void TestListEditors::cleanup() {
    m_printer.reset();
    m_messages.reset();
    m_folder.reset();
}

void TestListEditors::Drive(const CatalogueEntry& entry,
                            const std::function<void(Editor&)>& drive) {
    QWidget opener;
    QPointer<QDialog> shown;
    ModalRecorder dialogs([&](QDialog* dialog) {
        shown = dialog;
        QVERIFY(dialog->isVisible());
        QApplication::setActiveWindow(dialog);
        Editor editor = ControlsOf(dialog, entry);
        if (QTest::currentTestFailed())
            return;
        drive(editor);
    });
    OpenListEditor(&opener, entry);
    if (dialogs.driverFailed())
        return;
    QCOMPARE(dialogs.shown, QStringList{entry.EditorClass});
    QVERIFY2(shown.isNull(), "the window outlives its closing");
}

// ------------------------------------------------------------------ The window

void TestListEditors::windowAsOpened_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("texts"); // shown by labels, beside the entry's own
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("focusOrder");
    QTest::addColumn<QSize>("addSize"); // invalid: the size is left to the design

    const QStringList priceTexts{u"Prezzo unitario:"_s};
    const QStringList priceButtons{u"Aggiungi all'elenco"_s, u"Elimina voce selezionata"_s,
                                   u"Stampa listino"_s, u"Chiudi senza salvare"_s,
                                   u"Salva e chiudi"_s};
    const QStringList priceOrder{u"txtProdotto"_s, u"txtPrezzo"_s,  u"btnTrova"_s,  u"lstRecords"_s,
                                 u"btnAnnulla"_s,  u"btnElimina"_s, u"btnChiudi"_s, u"btnStampa"_s};
    QTest::newRow("Pizze") << u"Pizze"_s << priceTexts << priceButtons << priceOrder << QSize();
    QTest::newRow("Carne") << u"Carne"_s << priceTexts << priceButtons << priceOrder << QSize();
    QTest::newRow("Tavoli") << u"Tavoli"_s << QStringList()
                            << QStringList{u"Aggiungi all'elenco"_s, u"Elimina voce selezionata"_s,
                                           u"Stampa elenco"_s, u"Chiudi senza salvare"_s,
                                           u"Salva e chiudi"_s}
                            << QStringList{u"txtTrova"_s,  u"lstRecords"_s, u"btnStampa"_s,
                                           u"btnTrova"_s,  u"btnChiudi"_s,  u"btnElimina"_s,
                                           u"btnAnnulla"_s}
                            << QSize(167, 30);
}

void TestListEditors::windowAsOpened() {
    QFETCH(QString, key);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, focusOrder);
    QFETCH(QSize, addSize);
    const CatalogueEntry& entry = EntryNamed(key);
    QVERIFY(WriteBytes(ListFilePath(entry), "Birra\r\nacqua\r\n"));

    TEST_STEP(Drive(entry, [&](Editor& editor) {
        QDialog* window = editor.window;
        QCOMPARE(window->objectName(), entry.EditorClass);
        QCOMPARE(window->windowTitle(), entry.EditorTitle);
        QCOMPARE(window->size(), QSize(862, 560));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->isModal());

        // The entry's words: banner, instructions, field label, hint.
        QStringList shown;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->isVisibleTo(window))
                shown << label->text();
        texts << entry.BannerText << entry.InstructionText.join(u'\n') << entry.RemoveHint;
        if (HasPrices(entry))
            texts << entry.NameLabel;
        for (const QString& text : texts)
            QVERIFY2(shown.contains(text), qPrintable(u"not shown: "_s + text));
        const bool prices = HasPrices(entry);
        QCOMPARE(Control<QLabel>(window, prices ? "imgLogo" : "imgIntestazione")->text(),
                 entry.BannerText);
        QCOMPARE(Control<QLabel>(window, prices ? "icoIstruzioni" : "imgIstruzioni")->text(),
                 entry.InstructionText.join(u'\n'));
        QCOMPARE(Control<QLabel>(window, "lblRigo03")->text(), entry.RemoveHint);

        QCOMPARE((QStringList{editor.add->text(), editor.remove->text(), editor.print->text(),
                              editor.discard->text(), editor.save->text()}),
                 buttons);
        if (addSize.isValid())
            QCOMPARE(editor.add->size(), addSize);
        // The two frames, around the fields and around the list.
        TEST_STEP(CheckGradientFrame(window, "shpSfondo"));
        TEST_STEP(CheckGradientFrame(window, "shpLista"));
        // One row under the list: delete, print, close without saving, save.
        const int listBottom = editor.list->mapTo(window, QPoint(0, editor.list->height())).y();
        int left = -1;
        for (QPushButton* button : {editor.remove, editor.print, editor.discard, editor.save}) {
            const QPoint at = button->mapTo(window, QPoint(0, 0));
            QVERIFY2(at.y() > listBottom, qPrintable(button->objectName()));
            QVERIFY2(at.x() > left, qPrintable(button->objectName()));
            left = at.x();
        }

        // The fields as created, the focus in the name field.
        QCOMPARE(editor.name->text(), QString());
        QCOMPARE(editor.name->font().family(), u"Verdana"_s);
        QCOMPARE(editor.name->font().pointSize(), 12);
        QVERIFY(editor.name->font().bold());
        QCOMPARE(editor.name->width(), prices ? 486 : 624);
        if (prices) {
            QCOMPARE(editor.price->text(), u"0,00"_s);
            QCOMPARE(editor.price->width(), 142);
            QVERIFY(editor.price->alignment() & Qt::AlignRight);
            QCOMPARE(editor.price->font(), editor.name->font());
        }
        QCOMPARE(FocusName(window), editor.name->objectName());
        QCOMPARE(FocusOrder(editor), focusOrder);

        // The list: sorted, nothing selected, one monospaced black face.
        QCOMPARE(Shown(editor.list), (QStringList{u"acqua"_s, u"Birra"_s}));
        QVERIFY(SelectedRows(editor.list).isEmpty());
        QCOMPARE(editor.list->size(), QSize(801, 273));
        QCOMPARE(editor.list->font().family(), u"Courier New"_s);
        QCOMPARE(editor.list->font().pointSize(), 12);
        QVERIFY(QFontInfo(editor.list->font()).fixedPitch());
        QVERIFY(editor.list->uniformItemSizes());
        QVERIFY2(editor.list->sizeHintForIndex(editor.list->model()->index(0, 0)).width() >= 750,
                 "the items are narrower than 750 after loading");
        // Two short items, and both scroll bars shown all the same.
        QVERIFY2(editor.list->verticalScrollBar()->isVisible(), "no vertical scroll bar");
        QVERIFY2(editor.list->horizontalScrollBar()->isVisible(), "no horizontal scroll bar");
        const QImage picture = editor.list->grab().toImage();
        bool black = false;
        for (int y = 0; y < picture.height() && !black; ++y)
            for (int x = 0; x < picture.width() && !black; ++x)
                black = picture.pixel(x, y) == qRgb(0, 0, 0);
        QVERIFY2(black, "the list's lines are not drawn in black");
        window->close();
    }));
    QCOMPARE(m_messages->shown.size(), 0);
}

// Every list created through its editor, saved, and found again sorted by
// the next opening; the file in Windows-1252 with CR LF.
void TestListEditors::eachEntryRoundTrips_data() {
    QTest::addColumn<QString>("key");
    for (const CatalogueEntry& entry : CategoryCatalogue())
        QTest::newRow(qPrintable(entry.Key)) << entry.Key;
}

void TestListEditors::eachEntryRoundTrips() {
    QFETCH(QString, key);
    const CatalogueEntry& entry = EntryNamed(key);
    const bool prices = HasPrices(entry);
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        AddByMouse(editor, u"Zuppa di farro"_s, u"7,5"_s);
        AddByMouse(editor, u"Caffè € corretto"_s, u"1,2"_s);
        AddByMouse(editor, u"acqua"_s, u"1"_s);
        Click(editor.save);
    }));
    QCOMPARE(m_messages->shown.size(), 0);
    const QByteArray expected =
        prices ? CrLfLines({"acqua" + QByteArray(45, ' ') + "  \x80 1,00        ",
                            "Caff\xE8 \x80 corretto" + QByteArray(34, ' ') + "  \x80 1,20        ",
                            "Zuppa di farro" + QByteArray(36, ' ') + "  \x80 7,50        "})
               : CrLfLines({"acqua", "Caff\xE8 \x80 corretto", "Zuppa di farro"});
    QCOMPARE(ReadBytes(ListFilePath(entry)), expected);

    TEST_STEP(Drive(entry, [&](Editor& editor) {
        QStringList lines = Shown(editor.list);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(u"acqua"_s));
        QVERIFY(lines[1].startsWith(u"Caffè € corretto"_s));
        QVERIFY(lines[2].startsWith(u"Zuppa di farro"_s));
        Click(editor.discard);
    }));
}

// ------------------------------------------------------------------ Adding

void TestListEditors::itemTakesSortedPlace_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    for (const char* key : {"Pizze", "Tavoli"}) {
        QTest::addRow("%s, Zuppa last", key) << QString::fromLatin1(key) << u"Zuppa"_s << 2;
        QTest::addRow("%s, Americano between", key)
            << QString::fromLatin1(key) << u"Americano"_s << 1;
    }
}

void TestListEditors::itemTakesSortedPlace() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(int, row);
    const CatalogueEntry& entry = EntryNamed(key);
    const auto line = [&](const QString& item) {
        return HasPrices(entry) ? FormatPriceListLine(item, u"2,00"_s) : item;
    };
    QVERIFY(WriteListFile(ListFilePath(entry), {line(u"Birra"_s), line(u"Acqua"_s)}));
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        AddByMouse(editor, name, u"2"_s);
        QStringList expected{TrimBlanks(line(u"Acqua"_s)), TrimBlanks(line(u"Birra"_s))};
        expected.insert(row, line(name));
        QCOMPARE(Shown(editor.list), expected);
        QCOMPARE(editor.name->text(), QString());
        if (editor.price)
            QCOMPARE(editor.price->text(), u"0,00"_s);
        QCOMPARE(FocusName(editor.window), editor.name->objectName());
        editor.window->close();
    }));
    QCOMPARE(m_messages->shown.size(), 0);
}

void TestListEditors::keyboardOnlyAdding_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("price list") << u"Bevande"_s;
    QTest::newRow("table list") << u"Tavoli"_s;
}

void TestListEditors::keyboardOnlyAdding() {
    QFETCH(QString, key);
    const CatalogueEntry& entry = EntryNamed(key);
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        for (const auto& [name, price, line] :
             {std::tuple{u"Spritz"_s, u"5,"_s, FormatPriceListLine(u"Spritz"_s, u"5,00"_s)},
              std::tuple{u"Aperol"_s, u"4,5"_s, FormatPriceListLine(u"Aperol"_s, u"4,50"_s)}}) {
            Type(editor.name, name);
            QTest::keyClick(editor.name, Qt::Key_Return);
            if (editor.price) {
                QCOMPARE(FocusName(editor.window), u"txtPrezzo"_s);
                QTest::keyClick(editor.price, Qt::Key_Tab); // does nothing here
                QCOMPARE(FocusName(editor.window), u"txtPrezzo"_s);
                Type(editor.price, price); // the old price was selected on entering
                QTest::keyClick(editor.price, Qt::Key_Return);
                QCOMPARE(editor.price->text(),
                         HasPrices(entry) ? SplitPriceListLine(line).price : QString());
            }
            QCOMPARE(FocusName(editor.window), u"btnTrova"_s);
            QVERIFY2(!Shown(editor.list).contains(editor.price ? line : name),
                     "Enter in a field pressed the add button too");
            QTest::keyClick(editor.add, Qt::Key_Return);
            QVERIFY(Shown(editor.list).contains(editor.price ? line : name));
            QCOMPARE(FocusName(editor.window), editor.name->objectName());
        }
        QCOMPARE(editor.list->count(), 2);
        QVERIFY(Shown(editor.list).first().startsWith(u"Aperol"_s));
        editor.window->close();
    }));
    QCOMPARE(m_messages->shown.size(), 0);
}

void TestListEditors::priceNormalisedWhenLeft_data() {
    QTest::addColumn<QString>("typed");  // typed into the emptied field
    QTest::addColumn<QString>("pasted"); // then pasted through the menu
    QTest::addColumn<QString>("leave");  // "Enter", "add", "list"
    QTest::addColumn<QString>("price");  // the field's text afterwards

    QTest::newRow("5, then Enter") << u"5,"_s << QString() << u"Enter"_s << u"5,00"_s;
    QTest::newRow(",5 then Enter") << u",5"_s << QString() << u"Enter"_s << u"0,50"_s;
    QTest::newRow("5,12346 then a click on the list")
        << u"5,12346"_s << QString() << u"list"_s << u"5,1235"_s;
    QTest::newRow("emptied, then a click on the list")
        << QString() << QString() << u"list"_s << u"0,00"_s;
    QTest::newRow("1,2,3 pasted, then a click on add")
        << QString() << u"1,2,3"_s << u"add"_s << u"0,00"_s;
    QTest::newRow("1.000 pasted, then Enter") << QString() << u"1.000"_s << u"Enter"_s << u"0,00"_s;
    QTest::newRow("05,5 then a click on add") << u"05,5"_s << QString() << u"add"_s << u"5,50"_s;
    QTest::newRow("twelve digits grow past the limit")
        << u"123456789012"_s << QString() << u"Enter"_s << u"123456789012,00"_s;
}

void TestListEditors::priceNormalisedWhenLeft() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, leave);
    QFETCH(QString, price);
    const CatalogueEntry& entry = EntryNamed(u"Dessert"_s);
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        Type(editor.name, u"Tiramisù"_s);
        Click(editor.price);
        editor.price->clear();
        Type(editor.price, typed);
        if (!pasted.isNull())
            PasteByMenu(editor.price, pasted);
        if (leave == u"Enter") {
            QTest::keyClick(editor.price, Qt::Key_Return);
        } else if (leave == u"list") {
            Click(editor.list->viewport());
        } else {
            // The add button sees the price as normalised when the focus
            // left the field.
            Click(editor.add);
            QCOMPARE(Shown(editor.list), QStringList{FormatPriceListLine(u"Tiramisù"_s, price)});
            editor.window->close();
            return;
        }
        QCOMPARE(editor.price->text(), price);
        editor.window->close();
    }));
    QCOMPARE(m_messages->shown.size(), 0);
}

void TestListEditors::emptyFieldWarns_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price"); // null: the field is left as it is
    QTest::addColumn<QString>("focus");
    QTest::newRow("price list, no name") << u"Primi"_s << QString() << u"5"_s << u"txtProdotto"_s;
    QTest::newRow("price list, blank name")
        << u"Pizze"_s << u"   "_s << QString() << u"txtProdotto"_s;
    QTest::newRow("price list, blank price set by the program")
        << u"Liquori"_s << u"Amaro"_s << u"  "_s << u"txtPrezzo"_s;
    QTest::newRow("table list, no name") << u"Tavoli"_s << QString() << QString() << u"txtTrova"_s;
    QTest::newRow("table list, blanks") << u"Tavoli"_s << u"  "_s << QString() << u"txtTrova"_s;
}

void TestListEditors::emptyFieldWarns() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(QString, focus);
    const CatalogueEntry& entry = EntryNamed(key);
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        Type(editor.name, name);
        // A price field left blank is normalised to "0,00" on its way out;
        // only a blank the add button finds reaches the price warning.
        if (!price.isNull())
            editor.price->setText(price);
        editor.add->click();
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_messages->shown[0].text,
                 focus == u"txtPrezzo" ? entry.NoPriceWarning : entry.NoNameWarning);
        QCOMPARE(FocusName(editor.window), focus);
        QCOMPARE(editor.list->count(), 0);
        QCOMPARE(editor.name->text(), name);
        editor.window->close();
    }));
}

// ------------------------------------------------------------------ Keys

void TestListEditors::keysOfTheFields_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("composed"); // committed by an input method after typing
    QTest::addColumn<QString>("text");

    QTest::newRow("price: digits and commas")
        << u"Vini"_s << u"txtPrezzo"_s << u"12,50"_s << QString() << u"12,50"_s;
    QTest::newRow("price: period, space and letters swallowed")
        << u"Vini"_s << u"txtPrezzo"_s << u"1.5 a€-+5"_s << QString() << u"155"_s;
    QTest::newRow("price: composed text only its digits")
        << u"Vini"_s << u"txtPrezzo"_s << u"1"_s << u"é.2"_s << u"12"_s;
    QTest::newRow("name: any character")
        << u"Vini"_s << u"txtProdotto"_s << u"Château « 1° » €/:ñ?|"_s << u"ñ"_s
        << u"Château « 1° » €/:ñ?|ñ"_s;
    QTest::newRow("table: colon, slash and ñ swallowed")
        << u"Tavoli"_s << u"txtTrova"_s << u"Sala: 1/Espa\u00F1a"_s << QString()
        << u"Sala 1Espaa"_s;
    QTest::newRow("table: the thirteen refused, the bar accepted")
        << u"Tavoli"_s << u"txtTrova"_s << u"a\"*/:<>?\\°ÇÑçñ|b"_s << QString() << u"a|b"_s;
    QTest::newRow("table: composed ñ and ç dropped")
        << u"Tavoli"_s << u"txtTrova"_s << u"Sala "_s << u"ñ2ç"_s << u"Sala 2"_s;
}

void TestListEditors::keysOfTheFields() {
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, composed);
    QFETCH(QString, text);
    TEST_STEP(Drive(EntryNamed(key), [&](Editor& editor) {
        QLineEdit* target = Control<QLineEdit>(editor.window, field);
        Click(target);
        target->clear();
        Type(target, typed);
        if (!composed.isNull())
            Compose(target, composed);
        QCOMPARE(target->text(), text);
        editor.window->close();
    }));
}

void TestListEditors::lengthLimits_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("then"); // "type x", "paste x" (Ctrl+V), "menu x" or "Enter"
    QTest::addColumn<QString>("text");

    const QString n45(45, u'n');
    const QString n50(50, u'n');
    QTest::newRow("name: a 51st character refused")
        << u"Antipasti"_s << u"txtProdotto"_s << n50 << u"type x"_s << n50;
    QTest::newRow("name: a paste past 50 refused whole, not cut")
        << u"Antipasti"_s << u"txtProdotto"_s << n45 << u"paste 123456"_s << n45;
    QTest::newRow("name: a paste up to 50 taken")
        << u"Antipasti"_s << u"txtProdotto"_s << n45 << u"paste 12345"_s << n45 + u"12345"_s;
    QTest::newRow("table: a 51st character refused")
        << u"Tavoli"_s << u"txtTrova"_s << n50 << u"type x"_s << n50;
    QTest::newRow("table: a paste past 50 refused whole")
        << u"Tavoli"_s << u"txtTrova"_s << n45 << u"paste 123456"_s << n45;
    QTest::newRow("price: a 13th digit refused")
        << u"Contorni"_s << u"txtPrezzo"_s << u"123456789012"_s << u"type 3"_s << u"123456789012"_s;
    QTest::newRow("price: a menu paste past 12 refused whole")
        << u"Contorni"_s << u"txtPrezzo"_s << u"1234567890"_s << u"menu 1,5"_s << u"1234567890"_s;
    QTest::newRow("price: the program's own text is not cut")
        << u"Contorni"_s << u"txtPrezzo"_s << u"123456789012"_s << u"Enter"_s
        << u"123456789012,00"_s;
}

void TestListEditors::lengthLimits() {
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, then);
    QFETCH(QString, text);
    TEST_STEP(Drive(EntryNamed(key), [&](Editor& editor) {
        QLineEdit* target = Control<QLineEdit>(editor.window, field);
        Click(target);
        target->clear();
        Type(target, typed);
        const QString what = then.section(u' ', 1);
        if (then.startsWith(u"type"))
            Type(target, what);
        else if (then.startsWith(u"paste"))
            PasteByKeys(target, what);
        else if (then.startsWith(u"menu"))
            PasteByMenu(target, what);
        else
            QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(target->text(), text);
        if (then == u"Enter") {
            // Longer than the limit: the user may shorten it, not lengthen it.
            Click(target);
            target->end(false);
            Type(target, u"5"_s);
            QCOMPARE(target->text(), text);
            QTest::keyClick(target, Qt::Key_Backspace);
            QCOMPARE(target->text(), text.chopped(1));
        }
        editor.window->close();
    }));
}

void TestListEditors::droppedText_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // into the field before the drop
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("takes"); // the field takes the drop
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("added"); // the list after "Aggiungi all'elenco"

    // The price field is never given the focus, so it is never left either:
    // "Aggiungi all'elenco" sees what the field shows.
    const QStringList margherita{FormatPriceListLine(u"Margherita"_s, u"0,00"_s)};
    QTest::newRow("price: a word refused") << u"Pizze"_s << u"txtPrezzo"_s << QString()
                                           << u"tre euro"_s << false << u"0,00"_s << margherita;
    QTest::newRow("price: a price refused too") << u"Pizze"_s << u"txtPrezzo"_s << QString()
                                                << u"5,50"_s << false << u"0,00"_s << margherita;
    QTest::newRow("table: a name with a colon refused")
        << u"Tavoli"_s << u"txtTrova"_s << u"Sala "_s << u"Sala:1"_s << false << u"Sala "_s
        << QStringList{u"Sala"_s};
    const QString n50(50, u'n');
    QTest::newRow("name: 50 characters taken")
        << u"Antipasti"_s << u"txtProdotto"_s << QString() << n50 << true << n50
        << QStringList{FormatPriceListLine(n50, u"0,00"_s)};
    QTest::newRow("name: 51 refused whole, not cut")
        << u"Antipasti"_s << u"txtProdotto"_s << QString() << n50 + u"x"_s << true << QString()
        << QStringList();
    QTest::newRow("name: any character taken")
        << u"Antipasti"_s << u"txtProdotto"_s << QString() << u"Château €/:ñ?|"_s << true
        << u"Château €/:ñ?|"_s << QStringList{FormatPriceListLine(u"Château €/:ñ?|"_s, u"0,00"_s)};
}

void TestListEditors::droppedText() {
    QFETCH(QString, key);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, dropped);
    QFETCH(bool, takes);
    QFETCH(QString, text);
    QFETCH(QStringList, added);
    TEST_STEP(Drive(EntryNamed(key), [&](Editor& editor) {
        QLineEdit* target = Control<QLineEdit>(editor.window, field);
        if (target != editor.name)
            Type(editor.name, u"Margherita"_s);
        Type(target, typed);
        QCOMPARE(Drop(target, dropped), takes);
        QCOMPARE(target->text(), text);
        // The focus stays where it was; the add button takes the fields as shown.
        QCOMPARE(FocusName(editor.window), editor.name->objectName());
        Click(editor.add);
        QCOMPARE(Shown(editor.list), added);
        editor.window->close();
    }));
    // An empty name warns, and nothing else does.
    QCOMPARE(m_messages->shown.size(), added.isEmpty() ? 1 : 0);
}

// The window is left only through "Salva e chiudi" and "Chiudi senza
// salvare"; Enter presses a button only while that button has the focus.
void TestListEditors::escapeAndEnterLeaveWindowOpen_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    for (const char* key : {"Pizze", "Tavoli"}) {
        const QString entry = QString::fromLatin1(key);
        const QString name = entry == u"Tavoli" ? u"txtTrova"_s : u"txtProdotto"_s;
        QTest::addRow("%s: Escape in the name field", key)
            << entry << name << int(Qt::Key_Escape) << none << false;
        QTest::addRow("%s: Escape in the list", key)
            << entry << u"lstRecords"_s << int(Qt::Key_Escape) << none << false;
        QTest::addRow("%s: Escape on Salva e chiudi", key)
            << entry << u"btnChiudi"_s << int(Qt::Key_Escape) << none << false;
        QTest::addRow("%s: Return in the list", key)
            << entry << u"lstRecords"_s << int(Qt::Key_Return) << none << false;
        QTest::addRow("%s: keypad Enter in the list", key)
            << entry << u"lstRecords"_s << int(Qt::Key_Enter) << keypad << false;
        QTest::addRow("%s: Return on Chiudi senza salvare", key)
            << entry << u"btnAnnulla"_s << int(Qt::Key_Return) << none << true;
    }
    QTest::newRow("Pizze: Escape in the price field")
        << u"Pizze"_s << u"txtPrezzo"_s << int(Qt::Key_Escape) << none << false;
}

void TestListEditors::escapeAndEnterLeaveWindowOpen() {
    QFETCH(QString, key);
    QFETCH(QString, focus);
    QFETCH(int, pressed);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    const CatalogueEntry& entry = EntryNamed(key);
    const QByteArray file = "Birra\r\nacqua\r\n";
    QVERIFY(WriteBytes(ListFilePath(entry), file));
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        // An unsaved line, a selected item and a name typed but not added:
        // all a wrong key could lose or add to.
        AddByMouse(editor, u"Zuppa"_s, u"7"_s);
        QTest::mouseClick(editor.list->viewport(), Qt::LeftButton, {},
                          editor.list->rowRect(1).center());
        Type(editor.name, u"Bianca"_s);
        const QStringList shown = Shown(editor.list);
        QCOMPARE(shown.size(), 3);
        const QList<int> selected = SelectedRows(editor.list);
        QCOMPARE(selected.size(), 1);

        QWidget* target = Control<QWidget>(editor.window, focus);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(FocusName(editor.window), focus);
        QTest::keyClick(target, Qt::Key(pressed), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(editor.window->isVisible(), !closes);
        if (closes)
            return;
        QCOMPARE(Shown(editor.list), shown);
        QCOMPARE(SelectedRows(editor.list), selected);
        QCOMPARE(editor.name->text(), u"Bianca"_s);
        if (editor.price)
            QCOMPARE(editor.price->text(), u"0,00"_s);
        QCOMPARE(FocusName(editor.window), focus);
        Click(editor.discard);
        QVERIFY(!editor.window->isVisible());
    }));
    QVERIFY2(m_printer->printed.isEmpty(), "a key printed the list");
    QCOMPARE(m_messages->shown.size(), 0);
    QCOMPARE(ReadBytes(ListFilePath(entry)), file);
}

// ------------------------------------------------------------------ Files

void TestListEditors::missingFileGivesEmptyList_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("price list") << u"Caffetteria"_s;
    QTest::newRow("table list") << u"Tavoli"_s;
}

void TestListEditors::missingFileGivesEmptyList() {
    QFETCH(QString, key);
    const CatalogueEntry& entry = EntryNamed(key);
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        QCOMPARE(editor.list->count(), 0);
        // The first control of the focus order has the focus, as after loading.
        QCOMPARE(FocusName(editor.window), editor.name->objectName());
        Click(editor.save);
        QVERIFY2(!editor.window->isVisible(), "Salva e chiudi left the window open");
    }));
    QCOMPARE(m_messages->shown.size(), 0);
    QVERIFY(QFileInfo(ListFilePath(entry)).isFile());
    QCOMPARE(ReadBytes(ListFilePath(entry)), QByteArray(""));
}

void TestListEditors::unreadableFileLeavesWindowAsCreated() {
    // A folder where the list file belongs cannot be read: nothing is said
    // and the window stays as created.
    const CatalogueEntry& entry = EntryNamed(u"Pesce"_s);
    QVERIFY(QDir(m_folder->path()).mkdir(entry.ListFileName));
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        QCOMPARE(editor.list->count(), 0);
        QCOMPARE(editor.name->text(), QString());
        QCOMPARE(editor.price->text(), u"0,00"_s);
        // Nothing loaded: the scroll bars of the empty list stay hidden.
        QVERIFY(!editor.list->verticalScrollBar()->isVisible());
        editor.window->close();
    }));
    QCOMPARE(m_messages->shown.size(), 0);
}

// 200 MB in the list's place: not loaded, said so, and never replaced by
// what the user then adds (the save reads the file again and refuses).
void TestListEditors::tooLargeFileIsSaidSoAndKept() {
    const CatalogueEntry& entry = EntryNamed(u"Pesce"_s);
    const QString path = ListFilePath(entry);
    QVERIFY(WriteBytes(path, "Orata"));
    QVERIFY(QFile::resize(path, qint64(200) * 1024 * 1024));
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown[0].kind, MessageKind::Plain);
        QCOMPARE(m_messages->shown[0].text,
                 u"Attenzione: il file dell'elenco è troppo grande per essere aperto.\r\n\r\nNon "
                 u"si tratta di un elenco salvato dal programma: controllare il file nella "
                 u"cartella del programma."_s);
        QCOMPARE(editor.list->count(), 0);
        AddByMouse(editor, u"Branzino"_s, u"18,00"_s);
        Click(editor.save);
        QCOMPARE(m_messages->shown.size(), 2);
        QCOMPARE(m_messages->shown[1].text, PriceListSaveFailed);
        editor.window->close();
    }));
    QVERIFY2(QFileInfo(path).size() == qint64(200) * 1024 * 1024,
             "a list the editor could not load was replaced");
}

void TestListEditors::closingWithoutSavingKeepsFile_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("price list") << u"Antipasti"_s
                                << QByteArray("Bruschetta" + QByteArray(40, ' ') +
                                              "  \x80 3,50\r\n");
    QTest::newRow("table list") << u"Tavoli"_s << QByteArray("Tavolo 1\r\nTavolo 2\r\n");
}

void TestListEditors::closingWithoutSavingKeepsFile() {
    QFETCH(QString, key);
    QFETCH(QByteArray, before);
    const CatalogueEntry& entry = EntryNamed(key);
    QVERIFY(WriteBytes(ListFilePath(entry), before));
    QStringList opened;
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        opened = Shown(editor.list);
        AddByMouse(editor, u"Zucchine"_s, u"2"_s);
        editor.list->setCurrentRow(0);
        Click(editor.remove);
        QCOMPARE(editor.list->count(), opened.size());
        QVERIFY(Shown(editor.list) != opened);
        Click(editor.discard);
        QVERIFY(!editor.window->isVisible());
    }));
    QCOMPARE(ReadBytes(ListFilePath(entry)), before);
    // The next opening shows the file, not what the last window held.
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        QCOMPARE(Shown(editor.list), opened);
        Click(editor.discard);
    }));
    QCOMPARE(m_messages->shown.size(), 0);
}

void TestListEditors::deleteSelectedItem_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("price list") << u"Aperitivi"_s;
    QTest::newRow("table list") << u"Tavoli"_s;
}

void TestListEditors::deleteSelectedItem() {
    QFETCH(QString, key);
    const CatalogueEntry& entry = EntryNamed(key);
    const QByteArray before = "A\r\nB\r\nC\r\n";
    QVERIFY(WriteBytes(ListFilePath(entry), before));
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        // Right after opening nothing is selected.
        Click(editor.remove);
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_messages->shown[0].text, NothingSelectedWarning);
        QCOMPARE(editor.list->count(), 3);

        Click(editor.list->viewport()); // the focus, not yet an item
        QTest::mouseClick(editor.list->viewport(), Qt::LeftButton, {},
                          editor.list->rowRect(1).center());
        QCOMPARE(SelectedRows(editor.list).size(), 1);
        Click(editor.remove);
        QCOMPARE(Shown(editor.list), (QStringList{u"A"_s, u"C"_s}));
        QCOMPARE(ReadBytes(ListFilePath(entry)), before);

        // Nothing is selected after a deletion: a second press warns.
        QVERIFY(SelectedRows(editor.list).isEmpty());
        Click(editor.remove);
        QCOMPARE(m_messages->shown.size(), 2);
        QCOMPARE(editor.list->count(), 2);
        Click(editor.save);
    }));
    QCOMPARE(ReadBytes(ListFilePath(entry)), QByteArray("A\r\nC\r\n"));
}

void TestListEditors::savedLinesKeepTheirPadding() {
    // A line read from the file is saved without its trailing spaces, a line
    // added this time with them.
    const CatalogueEntry& entry = EntryNamed(u"Vini"_s);
    const QByteArray barolo = "Barolo" + QByteArray(44, ' ') + "  \x80 45,00";
    QVERIFY(WriteBytes(ListFilePath(entry), barolo + "       \r\n"));
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        AddByMouse(editor, u"  Chianti classico  "_s, u"18,5"_s);
        Click(editor.save);
    }));
    QCOMPARE(ReadBytes(ListFilePath(entry)),
             CrLfLines({barolo, "Chianti classico" + QByteArray(34, ' ') + "  \x80 18,50       "}));
}

void TestListEditors::failedSaveKeepsWindowOpen_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("failure");
    for (const char* key : {"Pizze", "Tavoli"})
        for (const char* failure : {"read-only file", "folder", "file size limit"})
            QTest::addRow("%s, %s", key, failure)
                << QString::fromLatin1(key) << QString::fromLatin1(failure);
}

void TestListEditors::failedSaveKeepsWindowOpen() {
    QFETCH(QString, key);
    QFETCH(QString, failure);
    const CatalogueEntry& entry = EntryNamed(key);
    const QString path = ListFilePath(entry);
    const QByteArray before = "Tavolo 1\r\nTavolo 2\r\n";
    if (failure == u"folder") {
        QVERIFY(QDir(m_folder->path()).mkdir(entry.ListFileName));
    } else {
        QVERIFY(WriteBytes(path, before));
        if (failure == u"read-only file")
            QVERIFY(MakeReadOnly(path));
    }

    TEST_STEP(Drive(entry, [&](Editor& editor) {
        AddByMouse(editor, u"Tavolo 3"_s, u"9,00"_s);
        const QStringList shown = Shown(editor.list);
        QVERIFY(!shown.isEmpty());
        {
            std::optional<FileSizeLimit> limit;
            if (failure == u"file size limit") {
                limit.emplace(16);
                QVERIFY(limit->active());
            }
            Click(editor.save);
        }
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown[0].kind, MessageKind::Plain);
        QCOMPARE(m_messages->shown[0].text,
                 HasPrices(entry) ? PriceListSaveFailed : TableListSaveFailed);
        QVERIFY2(editor.window->isVisible(), "a failed save closed the window");
        QCOMPARE(Shown(editor.list), shown);
        editor.window->close();
    }));
    if (failure == u"folder")
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(ReadBytes(path), before);
    QCOMPARE(FolderEntries(m_folder->path()), QStringList{entry.ListFileName});
}

// ------------------------------------------------------------------ Printing

void TestListEditors::printHandsTitleAndShownLines_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("report");
    QTest::newRow("price list") << u"Pizze"_s
                                << QByteArray("Marinara" + QByteArray(42, ' ') + "  \x80 5,00\r\n")
                                << PriceListReportName;
    QTest::newRow("empty price list") << u"Carne"_s << QByteArray() << PriceListReportName;
    QTest::newRow("table list") << u"Tavoli"_s << QByteArray("Tavolo 2\r\nTavolo 10\r\n")
                                << TableListReportName;
}

void TestListEditors::printHandsTitleAndShownLines() {
    QFETCH(QString, key);
    QFETCH(QByteArray, file);
    QFETCH(QString, report);
    const CatalogueEntry& entry = EntryNamed(key);
    if (!file.isEmpty())
        QVERIFY(WriteBytes(ListFilePath(entry), file));
    QStringList shown;
    TEST_STEP(Drive(entry, [&](Editor& editor) {
        if (!file.isEmpty())
            AddByMouse(editor, u"Capricciosa"_s, u"8,5"_s);
        shown = Shown(editor.list);
        Click(editor.print);
        QVERIFY2(editor.window->isVisible(), "printing closed the window");
        editor.window->close();
    }));
    QCOMPARE(m_printer->printed.size(), 1);
    const PrintedReport& printed = m_printer->printed[0];
    QCOMPARE(printed.name, report);
    QCOMPARE(PrintedLines(printed, u"txtTitolo"_s), QStringList{entry.PrintTitle});
    QCOMPARE(PrintedLines(printed, u"txtRiepilogo"_s), shown);
    QCOMPARE(ReadBytes(ListFilePath(entry)), file.isEmpty() ? "<unreadable>" : file);
}

// ------------------------------------------------------------------ The menu

void TestListEditors::freshWindowAtEveryOpeningFromMenu() {
    ShellFixture shell;
    const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
    QVERIFY(WriteBytes(ListFilePath(entry), "Margherita\r\n"));
    int openings = 0;
    shell.onDialog = [&](QDialog* dialog) {
        QApplication::setActiveWindow(dialog);
        const Editor editor = ControlsOf(dialog, entry);
        if (QTest::currentTestFailed())
            return;
        ++openings;
        QCOMPARE(Shown(editor.list), QStringList{u"Margherita"_s});
        QCOMPARE(editor.name->text(), QString());
        // What this opening leaves behind must not reach the next.
        AddByMouse(editor, u"Zucca"_s, u"7"_s);
        Type(editor.name, u"Bianca"_s);
        Click(editor.discard);
    };
    Kept().MenuListini->btnPizzeClick();
    Kept().MenuListini->btnPizzeClick();
    QCOMPARE(openings, 2);
    QCOMPARE(shell.dialogs, QStringList(2, entry.EditorClass));
    QCOMPARE(ReadBytes(ListFilePath(entry)), QByteArray("Margherita\r\n"));
}

QTEST_MAIN(TestListEditors)
#include "test_list_editors.moc"
