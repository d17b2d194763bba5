// The list document behind the editors and the import dialogs: a list file
// read and sorted once, lines added at their sorted place or refused with the
// reason, removed, and written back byte for byte; and a price-list line
// taken apart into name and price.
#include "catalogue/ListFile.h"
#include "catalogue/PriceListDocument.h"
#include "catalogue/PriceText.h"

#include "ModelSeams.h"
#include "TestFiles.h"

#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AddOutcome)

namespace {

const CatalogueEntry& Pizze() {
    return CatalogueEntryOf(CourseCategory::Pizze);
}

const CatalogueEntry& EntryNamed(const QString& key) {
    return key == u"Tavoli" ? TableListEntry() : Pizze();
}

} // namespace

class TestPriceListDocument : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder.emplace(); }
    void cleanup() { m_folder.reset(); }

    void loadSortsOnce_data();
    void loadSortsOnce();
    void unreadableFileLeavesLines();
    void addGoesToSortedPlace_data();
    void addGoesToSortedPlace();
    void addRefused_data();
    void addRefused();
    void removeAt();
    void saveWritesLinesAsHeld();
    void failedSaveReported();
    void splitLine_data();
    void splitLine();

private:
    std::optional<ProgramFolderScope> m_folder;
};

void TestPriceListDocument::loadSortsOnce_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray("") << QStringList();
    QTest::newRow("text order, ASCII letters without case")
        << QByteArray("Tavolo 2\r\nterrazza\r\nTavolo 10\r\nVeranda\r\n1\r\n")
        << QStringList{u"1"_s, u"Tavolo 10"_s, u"Tavolo 2"_s, u"terrazza"_s, u"Veranda"_s};
    QTest::newRow("blanks trimmed, a blank line first, accents after Z")
        << QByteArray("  Zuppa  \r\n\xC8 pronto\r\n\r\nacqua\tLF\nBirra\r")
        << QStringList{QString(), u"acqua\tLF"_s, u"Birra"_s, u"Zuppa"_s, u"È pronto"_s};
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                              "Caff\xC3\xA8\r\nAmaro\r\n")
                                << QStringList{u"Amaro"_s, u"Caffè"_s};
}

void TestPriceListDocument::loadSortsOnce() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QVERIFY(WriteBytes(ListFilePath(Pizze()), bytes));
    PriceListDocument document(Pizze());
    QCOMPARE(document.load(), SharedRead::Read);
    QCOMPARE(document.lines(), lines);
}

void TestPriceListDocument::unreadableFileLeavesLines() {
    PriceListDocument document(TableListEntry());
    QVERIFY2(document.load() != SharedRead::Read, "a missing file read as a list");
    QCOMPARE(document.lines(), QStringList());

    QVERIFY(document.add(u"Tavolo 1"_s).outcome == AddOutcome::Added);
    QVERIFY(QDir(m_folder->path()).mkdir(TableListEntry().ListFileName));
    QVERIFY2(document.load() != SharedRead::Read, "a folder read as a list");
    QCOMPARE(document.lines(), QStringList{u"Tavolo 1"_s});
}

void TestPriceListDocument::addGoesToSortedPlace_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qsizetype>("row");

    // The table list holds Acqua and Birra as lines, the price list holds
    // them as price-list lines.
    for (const char* key : {"Tavoli", "Pizze"}) {
        QTest::addRow("%s, Zuppa last", key)
            << QString::fromLatin1(key) << u"Zuppa"_s << qsizetype(2);
        QTest::addRow("%s, Americano between", key)
            << QString::fromLatin1(key) << u"Americano"_s << qsizetype(1);
        QTest::addRow("%s, equal line after its peer", key)
            << QString::fromLatin1(key) << u"acqua"_s << qsizetype(1);
        QTest::addRow("%s, digits first", key)
            << QString::fromLatin1(key) << u"7up"_s << qsizetype(0);
    }
}

void TestPriceListDocument::addGoesToSortedPlace() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(qsizetype, row);
    const CatalogueEntry& entry = EntryNamed(key);
    const bool prices = entry.Kind == EntryKind::PriceList;
    const auto line = [&](const QString& item) {
        return prices ? FormatPriceListLine(item, u"1,50"_s) : item;
    };
    QVERIFY(WriteListFile(ListFilePath(entry), {line(u"Birra"_s), line(u"Acqua"_s)}));
    PriceListDocument document(entry);
    QCOMPARE(document.load(), SharedRead::Read);

    const ListAddition added = document.add(u"  "_s + name + u" "_s, u"1,50"_s);
    QVERIFY(added.outcome == AddOutcome::Added);
    QCOMPARE(added.row, row);
    QStringList expected{TrimBlanks(line(u"Acqua"_s)), TrimBlanks(line(u"Birra"_s))};
    expected.insert(row, line(name));
    QCOMPARE(document.lines(), expected);
}

void TestPriceListDocument::addRefused_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price");
    QTest::addColumn<AddOutcome>("outcome");
    QTest::addColumn<QString>("line"); // when added

    QTest::newRow("price list, no name")
        << u"Pizze"_s << QString() << u"5,00"_s << AddOutcome::NoName << QString();
    QTest::newRow("price list, blank name")
        << u"Pizze"_s << u" \t "_s << u"5,00"_s << AddOutcome::NoName << QString();
    QTest::newRow("price list, blank name and price: the name first")
        << u"Pizze"_s << u" "_s << u" "_s << AddOutcome::NoName << QString();
    QTest::newRow("price list, blank price")
        << u"Pizze"_s << u"Margherita"_s << u"  "_s << AddOutcome::NoPrice << QString();
    QTest::newRow("price list, zero price is a price")
        << u"Pizze"_s << u" Margherita "_s << u"0,00"_s << AddOutcome::Added
        << u"Margherita                                          € 0,00        "_s;
    QTest::newRow("price list, long name and price cut to their columns")
        << u"Pizze"_s << QString(60, u'N') << u"123456789012,00"_s << AddOutcome::Added
        << QString(50, u'N') + u"  € 123456789012"_s;
    QTest::newRow("table list, no name")
        << u"Tavoli"_s << QString() << QString() << AddOutcome::NoName << QString();
    QTest::newRow("table list, blank name")
        << u"Tavoli"_s << u"\t  "_s << QString() << AddOutcome::NoName << QString();
    QTest::newRow("table list, no price asked, trimmed")
        << u"Tavoli"_s << u"  7  "_s << QString() << AddOutcome::Added << u"7"_s;
}

void TestPriceListDocument::addRefused() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(AddOutcome, outcome);
    QFETCH(QString, line);
    PriceListDocument document(EntryNamed(key));
    QCOMPARE(document.add(name, price).outcome, outcome);
    QCOMPARE(document.lines(), line.isNull() ? QStringList() : QStringList{line});
}

void TestPriceListDocument::removeAt() {
    PriceListDocument document(TableListEntry());
    for (const QString& table : {u"3"_s, u"1"_s, u"2"_s})
        document.add(table);
    QVERIFY(!document.removeAt(3));
    QVERIFY(!document.removeAt(-1));
    QVERIFY(document.removeAt(1));
    QCOMPARE(document.lines(), (QStringList{u"1"_s, u"3"_s}));
}

void TestPriceListDocument::saveWritesLinesAsHeld() {
    const QString path = ListFilePath(Pizze());
    QVERIFY(WriteBytes(path, "Margherita" + QByteArray(40, ' ') + "  \x80 6,00        \r\n"));
    PriceListDocument document(Pizze());
    QCOMPARE(document.load(), SharedRead::Read);
    QVERIFY(document.add(u"Caffè"_s, u"1,20"_s).outcome == AddOutcome::Added);
    QVERIFY(document.save());
    // The line read from the file has lost its trailing padding; the line
    // added keeps it. Windows-1252, CR LF after each line.
    QCOMPARE(ReadBytes(path), "Caff\xE8" + QByteArray(45, ' ') + "  \x80 1,20        \r\n" +
                                  "Margherita" + QByteArray(40, ' ') + "  \x80 6,00\r\n");

    // An empty list writes an empty file, not a missing one.
    PriceListDocument empty(TableListEntry());
    QVERIFY(empty.save());
    QCOMPARE(ReadBytes(ListFilePath(TableListEntry())), QByteArray(""));
}

void TestPriceListDocument::failedSaveReported() {
    QVERIFY(QDir(m_folder->path()).mkdir(TableListEntry().ListFileName));
    PriceListDocument document(TableListEntry());
    document.add(u"Tavolo 1"_s);
    const Result<void> saved = document.save();
    QVERIFY2(!saved && !saved.error().isEmpty(), "a save over a folder reported as done");
    QVERIFY(QFileInfo(ListFilePath(TableListEntry())).isDir());
}

void TestPriceListDocument::splitLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price");

    QTest::newRow("as the editor makes it")
        << FormatPriceListLine(u"Margherita"_s, u"5,50"_s) << u"Margherita"_s << u"5,50"_s;
    QTest::newRow("as read back, padding gone")
        << TrimBlanks(FormatPriceListLine(u"Quattro stagioni"_s, u"12,125"_s))
        << u"Quattro stagioni"_s << u"12,125"_s;
    QTest::newRow("a name of 50, a price of 12")
        << FormatPriceListLine(QString(50, u'N'), u"123456789012"_s) << QString(50, u'N')
        << u"123456789012"_s;
    QTest::newRow("a line written by hand, shorter than the name column")
        << u"Acqua"_s << u"Acqua"_s << QString();
    QTest::newRow("the price column only as far as it goes")
        << QString(50, u'N') + u"  € 3,5"_s << QString(50, u'N') << u"3,5"_s;
    QTest::newRow("whatever follows column 66 ignored")
        << QString(50, u'x') + u"  € 1,00        coda"_s << QString(50, u'x') << u"1,00"_s;
}

void TestPriceListDocument::splitLine() {
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, price);
    const PriceListItem item = SplitPriceListLine(line);
    QCOMPARE(item.name, name);
    QCOMPARE(item.price, price);
}

QTEST_GUILESS_MAIN(TestPriceListDocument)
#include "test_price_list_document.moc"
