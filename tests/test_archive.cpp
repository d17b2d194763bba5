// The order archive: file names, saving (bytes on disk), listing, loading and
// deleting, each test in its own temporary program folder.
#include "platform/ProgramFolder.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"

#include "TestFiles.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString SampleName = u"Comanda al tavolo 5 del giorno 12.03.2024 alle ore 20.15.33.eur"_s;

// Clears the owner's write bit: the file's read-only attribute.
QString Line(const QString& quantity, const QString& name, const QString& amount) {
    return BuildOrderLine(quantity, name, amount);
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void fileName_data();
    void fileName();

    void saveWritesAnsiLinesWithCrLf_data();
    void saveWritesAnsiLinesWithCrLf();
    void savingAgainReplacesTheFile();
    void refusedTableText_data();
    void refusedTableText();
    void pathLengthLimit_data();
    void pathLengthLimit();
    void failedSaveKeepsExistingFile();

    void listArchives();
    void listFoldsCaseAndSkipsLinks();
    void listOfMissingFolderIsEmpty();
    void listOrderOfManyNames();

    void load_data();
    void load();
    void loadMissingFileFails();
    void saveThenLoadGivesLinesBack();

    void deleteArchive_data();
    void deleteArchive();
};

void TestArchive::cleanup() {
    SetProgramFolder(QString());
}

void TestArchive::fileName_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sample") << u"5"_s << u"12/03/2024"_s << u"20:15:33"_s << SampleName;
    QTest::newRow("blanks around the table")
        << u"  5\t "_s << u"12/03/2024"_s << u"20:15:33"_s << SampleName;
    QTest::newRow("inner blanks of the table stay")
        << u"Sala  2"_s << u"01/12/2023"_s << u"09:05:00"_s
        << u"Comanda al tavolo Sala  2 del giorno 01.12.2023 alle ore 09.05.00.eur"_s;
    QTest::newRow("other separators are cut out")
        << u"5"_s << u"12-03-2024"_s << u"20.15.33"_s << SampleName;
    QTest::newRow("blanks inside a piece are trimmed")
        << u"5"_s << u" 1/ 3/2024"_s << u" 8: 5: 3"_s
        << u"Comanda al tavolo 5 del giorno 1.3.2024 alle ore 8.5.3.eur"_s;
    QTest::newRow("short fields give short pieces")
        << u"5"_s << u"12/03"_s << u"20"_s
        << u"Comanda al tavolo 5 del giorno 12.03. alle ore 20...eur"_s;
    QTest::newRow("year cut to four characters")
        << u"5"_s << u"12/03/20245"_s << u"20:15:33:99"_s << SampleName;
    QTest::newRow("empty fields") << QString() << QString() << QString()
                                  << u"Comanda al tavolo  del giorno .. alle ore ...eur"_s;
}

void TestArchive::fileName() {
    QFETCH(QString, table);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, expected);
    QCOMPARE(ArchiveFileName(table, date, time), expected);
}

void TestArchive::saveWritesAnsiLinesWithCrLf_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray water =
        "1   Acqua naturale" + QByteArray(36, ' ') + "  \x80 1,50" + QByteArray(11, ' ');
    QTest::newRow("one line") << QStringList{Line(u"1"_s, u"Acqua naturale"_s, u"1,50"_s)}
                              << water + "\r\n";
    QTest::newRow("two lines, last one ends with CR LF too")
        << QStringList{Line(u"1"_s, u"Acqua naturale"_s, u"1,50"_s), u"2   Caff\u00E8"_s}
        << water + "\r\n2   Caff\xE8\r\n";
    QTest::newRow("character outside the code page")
        << QStringList{u"1   Ramen \u6F22"_s} << QByteArray("1   Ramen ?\r\n");
    QTest::newRow("character outside the basic plane is one replacement")
        << QStringList{u"1   Torta \U0001F382 x"_s} << QByteArray("1   Torta ? x\r\n");
}

void TestArchive::saveWritesAnsiLinesWithCrLf() {
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());

    QVERIFY(SaveOrderArchive(SampleName, lines));
    const QByteArray bytes = ReadBytes(dir.filePath(SampleName));
    QCOMPARE(bytes, expected);
    // Nothing else (no temporary file) is left beside the ticket.
    QCOMPARE(FolderEntries(dir.path()), QStringList{SampleName});
}

void TestArchive::savingAgainReplacesTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const QString first = Line(u"1"_s, u"Acqua naturale"_s, u"1,50"_s);
    const QString second = Line(u"2"_s, u"Spritz"_s, u"14,00"_s);

    QVERIFY(SaveOrderArchive(SampleName, {first}));
    QCOMPARE(ReadBytes(dir.filePath(SampleName)).size(), 75);

    QVERIFY(SaveOrderArchive(SampleName, {first}));
    QCOMPARE(FolderEntries(dir.path()), QStringList{SampleName});
    QCOMPARE(ReadBytes(dir.filePath(SampleName)).size(), 75);

    QVERIFY(SaveOrderArchive(SampleName, {first, second}));
    QCOMPARE(FolderEntries(dir.path()), QStringList{SampleName});
    const Result<QStringList> lines = LoadOrderArchive(dir.filePath(SampleName));
    QVERIFY(lines);
    QCOMPARE(*lines, (QStringList{first, second}));
    QCOMPARE(ReadBytes(dir.filePath(SampleName)).size(), 150);
}

void TestArchive::refusedTableText_data() {
    QTest::addColumn<QString>("table");
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
        QTest::addRow("1%sA", c) << u"1"_s + QString::fromLatin1(c) + u"A"_s;
    QTest::newRow("tab inside") << u"1\tA"_s;
    QTest::newRow("control character inside") << u"1\u0001A"_s;
    QTest::newRow("parent folder") << u"../../x"_s;
}

void TestArchive::refusedTableText() {
    QFETCH(QString, table);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"program"_s);
    QVERIFY(QDir().mkpath(folder));
    SetProgramFolder(folder);

    const QString name = ArchiveFileName(table, u"12/03/2024"_s, u"20:15:33"_s);
    QVERIFY(!SaveOrderArchive(name, {Line(u"1"_s, u"Acqua"_s, u"1,50"_s)}));
    QCOMPARE(FolderEntries(folder), QStringList{});
    QCOMPARE(FolderEntries(dir.path()), QStringList{u"program"_s});
}

void TestArchive::pathLengthLimit_data() {
    QTest::addColumn<int>("pathLength");
    QTest::addColumn<bool>("saved");
    QTest::newRow("259 characters") << 259 << true;
    QTest::newRow("260 characters") << 260 << false;
}

void TestArchive::pathLengthLimit() {
    QFETCH(int, pathLength);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A program folder deep enough that the name is about 200 characters, well
    // inside the file system's own limit for one name.
    const int folderLength = pathLength - 200;
    const int subLength = folderLength - int(dir.path().size()) - 2;
    if (subLength < 1)
        QSKIP("the temporary folder's path is too long for this test");
    const QString folder = dir.path() + u'/' + QString(subLength, u'd');
    QVERIFY(QDir().mkpath(folder));
    SetProgramFolder(folder);
    QCOMPARE(ProgramFolder().size(), folderLength);

    const QString empty = ArchiveFileName(QString(), u"12/03/2024"_s, u"20:15:33"_s);
    const QString table(200 - int(empty.size()), u'T');
    const QString name = ArchiveFileName(table, u"12/03/2024"_s, u"20:15:33"_s);
    QCOMPARE(ProgramFolder().size() + name.size(), pathLength);

    QCOMPARE(SaveOrderArchive(name, {Line(u"1"_s, u"Acqua"_s, u"1,50"_s)}).ok(), saved);
    QCOMPARE(QFileInfo::exists(ProgramFolder() + name), saved);
    QCOMPARE(FolderEntries(folder).size(), saved ? 1 : 0);
}

void TestArchive::failedSaveKeepsExistingFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const QString path = dir.filePath(SampleName);
    const QString first = Line(u"1"_s, u"Acqua naturale"_s, u"1,50"_s);

    QVERIFY(SaveOrderArchive(SampleName, {first}));
    const QByteArray before = ReadBytes(path);
    QVERIFY(MakeReadOnly(path));

    QVERIFY(!SaveOrderArchive(SampleName, {first, Line(u"2"_s, u"Spritz"_s, u"14,00"_s)}));
    QCOMPARE(ReadBytes(path), before);
    QCOMPARE(FolderEntries(dir.path()), QStringList{SampleName});
}

void TestArchive::listArchives() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    for (const char* name :
         {"x.EUR", "B.eur", "a.eur", "C.eur", ".eur", "z.eur.bak", "eur", "w.eurx", "v_eur"})
        QVERIFY(WriteBytes(dir.filePath(QString::fromLatin1(name)), "1\r\n"));
    QVERIFY(QDir(dir.path()).mkdir(u"y.eur"_s));
    QVERIFY(QDir(dir.path()).mkpath(u"sub/d.eur"_s));
    QVERIFY(WriteBytes(dir.filePath(u"sub/e.eur"_s), "1\r\n"));

    QCOMPARE(ListOrderArchives(),
             (QStringList{u".eur"_s, u"a.eur"_s, u"B.eur"_s, u"C.eur"_s, u"x.EUR"_s}));
}

void TestArchive::listFoldsCaseAndSkipsLinks() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    for (const QString& name : {u"\u00E4.eur"_s, u"b.eur"_s, u"\u00C4.eur"_s, u"A.eur"_s})
        QVERIFY(WriteBytes(dir.filePath(name), "1\r\n"));
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    // A link is no ticket, whether it leads to a folder, to a ticket of the
    // folder or to a file elsewhere: only the folder's own files are.
    QVERIFY(QFile::link(dir.filePath(u"folder"_s), dir.filePath(u"f.eur"_s)));
    QVERIFY(QFile::link(dir.filePath(u"b.eur"_s), dir.filePath(u"c.eur"_s)));
    QVERIFY(QFile::link(u"/etc/passwd"_s, dir.filePath(u"passwd.eur"_s)));

    // Letters beyond ASCII fold too; names equal but for case keep one order.
    QCOMPARE(ListOrderArchives(),
             (QStringList{u"A.eur"_s, u"b.eur"_s, u"\u00C4.eur"_s, u"\u00E4.eur"_s}));
}

void TestArchive::listOfMissingFolderIsEmpty() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.filePath(u"missing"_s));
    QCOMPARE(ListOrderArchives(), QStringList{});
}

void TestArchive::listOrderOfManyNames() {
    // Names as a dining room makes them and as other hands leave them: one
    // long shared beginning, tables in any case, letters beyond ASCII, bytes
    // that are no UTF-8, names that begin others or differ only in case.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QRandomGenerator random(20261210);
    const QList<QByteArray> pieces{"Comanda al tavolo ",
                                   "comanda AL tavolo ",
                                   "Terrazza",
                                   "TERRAZZA",
                                   "terrazza ",
                                   "1",
                                   "12",
                                   "A",
                                   "a",
                                   "Z",
                                   "_",
                                   "~",
                                   " ",
                                   "\xC3\xA4",
                                   "\xC3\x84",
                                   "\xC3\xA9",
                                   "\xE8",
                                   "\xFF",
                                   "\xE2\x82\xAC",
                                   " del giorno 12.03.2024 alle ore 20.15.3"};
    QSet<QByteArray> files;
    while (files.size() < 3000) {
        QByteArray name;
        const int parts = int(random.bounded(1, 7));
        for (int i = 0; i < parts; ++i)
            name += pieces.at(int(random.bounded(qsizetype(pieces.size()))));
        name += random.bounded(2) ? ".eur" : ".EUR";
        files.insert(name);
    }
    for (const QByteArray& file : files) {
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + file;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY2(fd >= 0, path.constData());
        ::close(fd);
    }

    // The order, the slow way: the shown texts folded, then the bytes.
    QList<QByteArray> expected(files.cbegin(), files.cend());
    const auto key = [](const QByteArray& file) {
        return QFile::decodeName(file).toCaseFolded().toUtf8();
    };
    std::sort(expected.begin(), expected.end(), [&](const QByteArray& a, const QByteArray& b) {
        const QByteArray aKey = key(a);
        const QByteArray bKey = key(b);
        return aKey != bKey ? aKey < bKey : a < b;
    });
    const ArchiveNames listed = ListArchiveNames(dir.path());
    // Removed by their bytes: the temporary folder's own clean-up goes by
    // decoded names, which miss those that are no UTF-8.
    for (const QByteArray& file : files)
        ::unlink((QFile::encodeName(dir.path()) + '/' + file).constData());
    QList<QByteArray> order;
    for (qsizetype row = 0; row < listed.size(); ++row)
        order.append(listed.file(row).toByteArray());
    QCOMPARE(order.size(), expected.size());
    for (qsizetype row = 0; row < order.size(); ++row)
        QVERIFY2(order[row] == expected[row],
                 qPrintable(u"row %1: %2 listed where %3 belongs"_s.arg(row).arg(
                     QString::fromLatin1(order[row]), QString::fromLatin1(expected[row]))));
}

void TestArchive::load_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    const QStringList two{u"1   Acqua"_s, u"2   Spritz"_s};
    QTest::newRow("CR LF") << QByteArray("1   Acqua\r\n2   Spritz\r\n") << two;
    QTest::newRow("LF only") << QByteArray("1   Acqua\n2   Spritz\n") << two;
    QTest::newRow("CR only") << QByteArray("1   Acqua\r2   Spritz\r") << two;
    QTest::newRow("no break after the last line") << QByteArray("1   Acqua\r\n2   Spritz") << two;
    QTest::newRow("empty line kept") << QByteArray("1   Acqua\r\n\r\n2   Spritz\r\n")
                                     << QStringList{u"1   Acqua"_s, QString(), u"2   Spritz"_s};
    QTest::newRow("ANSI euro sign and accent") << QByteArray("1   Caff\xE8  \x80 1,00\r\n")
                                               << QStringList{u"1   Caff\u00E8  \u20AC 1,00"_s};
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "1   Caff\xC3\xA8  \xE2\x82\xAC 1,00\r\n")
        << QStringList{u"1   Caff\u00E8  \u20AC 1,00"_s};
    QTest::newRow("UTF-16 LE with byte-order mark") << QByteArray("\xFF\xFE"
                                                                  "1\0\xAC\x20\r\0\n\0",
                                                                  10)
                                                    << QStringList{u"1\u20AC"_s};
    QTest::newRow("UTF-16 BE with byte-order mark") << QByteArray("\xFE\xFF"
                                                                  "\0"
                                                                  "1\x20\xAC\0\r\0\n",
                                                                  10)
                                                    << QStringList{u"1\u20AC"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestArchive::load() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const QString path = dir.filePath(u"t.eur"_s);
    QVERIFY(WriteBytes(path, bytes));

    const Result<QStringList> lines = LoadOrderArchive(path);
    QVERIFY(lines);
    QCOMPARE(*lines, expected);
}

void TestArchive::loadMissingFileFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    QVERIFY(!LoadOrderArchive(dir.filePath(u"missing.eur"_s)));
    QVERIFY(QDir(dir.path()).mkdir(u"folder.eur"_s));
    QVERIFY(!LoadOrderArchive(dir.filePath(u"folder.eur"_s)));
}

void TestArchive::saveThenLoadGivesLinesBack() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const QStringList lines{Line(u"1"_s, u"Caff\u00E8 corretto"_s, u"2,50"_s),
                            Line(u"12345"_s, u"Pizza Margherita"_s, u"74074,07"_s)};
    QVERIFY(SaveOrderArchive(SampleName, lines));
    const Result<QStringList> loaded =
        LoadOrderArchive(ProgramFolder() + ListOrderArchives().value(0));
    QVERIFY(loaded);
    QCOMPARE(*loaded, lines);
}

void TestArchive::deleteArchive_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("file") << u"file"_s << true;
    QTest::newRow("missing") << u"missing"_s << false;
    QTest::newRow("read-only") << u"read-only"_s << false;
    QTest::newRow("folder") << u"folder"_s << false;
}

void TestArchive::deleteArchive() {
    QFETCH(QString, kind);
    QFETCH(bool, deleted);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const QString path = dir.filePath(SampleName);
    const QString other = dir.filePath(u"other.eur"_s);
    QVERIFY(WriteBytes(other, "1\r\n"));
    if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(SampleName));
    else if (kind != u"missing")
        QVERIFY(WriteBytes(path, "1\r\n"));
    if (kind == u"read-only")
        QVERIFY(MakeReadOnly(path));

    QCOMPARE(DeleteOrderArchive(path), deleted);
    QCOMPARE(QFileInfo::exists(path), kind != u"missing" && !deleted);
    QVERIFY2(QFileInfo::exists(other), "deleting one ticket took another with it");
}

QTEST_GUILESS_MAIN(TestArchive)
#include "test_archive.moc"
