// The platform layer: the Windows-1252 code page, text-file decoding and line
// splitting, trimming, INI profile files read and written one value at a
// time, and the result every read and write gives.
#include "catalogue/ListFile.h"
#include "platform/AnsiCodePage.h"
#include "platform/IniProfile.h"
#include "platform/Result.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"

#include "TestFiles.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(const char* data, qsizetype size) {
    return QByteArray(data, size);
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // Windows-1252
    void encodeAnsi_data();
    void encodeAnsi();
    void everyByteRoundTrips();
    void fileLinesBlankBreaksAndNuls();

    // Text files
    void decodeTextFile_data();
    void decodeTextFile();
    void splitTextLines_data();
    void splitTextLines();
    void badInputIsReadWhole_data();
    void badInputIsReadWhole();
    void readTextFileLinesFails();
    void listFilesReadOnlyWhatIsAFile_data();
    void listFilesReadOnlyWhatIsAFile();

    // Trimming
    void trim_data();
    void trim();

    // INI profiles
    void readProfile_data();
    void readProfile();
    void readProfileWithoutFile();
    void writeProfile_data();
    void writeProfile();
    void writeProfileCreatesFile();
    void writeProfileControlCharacters_data();
    void writeProfileControlCharacters();
    void writeProfileFailureKeepsFile_data();
    void writeProfileFailureKeepsFile();

    // Result
    void resultHoldsValueOrReason();
    void resultOfVoid();
};

// ---------------------------------------------------------------- Windows-1252

void TestPlatform::encodeAnsi_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("euro sign is 0x80") << u"5 €"_s << QByteArray("5 \x80");
    QTest::newRow("the 0x80-0x9F block") << u"‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_s
                                         << QByteArray("\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B"
                                                       "\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98"
                                                       "\x99\x9A\x9B\x9C\x9E\x9F");
    QTest::newRow("Latin-1 letters") << u"Caffè àÈÿ°"_s << QByteArray("Caff\xE8 \xE0\xC8\xFF\xB0");
    QTest::newRow("control characters") << u"\u0001\t\u001F"_s << QByteArray("\x01\t\x1F");
    QTest::newRow("outside the code page, one ? each") << u"ĀŁ€"_s << QByteArray("??\x80");
    QTest::newRow("C1 control with a code-page letter") << u"\u0080\u009F"_s << QByteArray("??");
    QTest::newRow("surrogate pair is one ?") << u"a\U0001F355b"_s << QByteArray("a?b");
    QTest::newRow("two surrogate pairs") << u"\U0001F355\U0001F355"_s << QByteArray("??");
    QTest::newRow("letters beyond ASCII before and after a pair")
        << u"\u00E8\u20AC\U0001F355\u0160\u00FFX"_s << QByteArray("\xE8\x80?\x8A\xFFX");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + u"x"_s << QByteArray("?x");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDF55)) << QByteArray("?");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestPlatform::encodeAnsi() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeAnsi(text), bytes);
}

void TestPlatform::everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeAnsi(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x8A), QChar(0x0160));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    QCOMPARE(text.at(0xA0), QChar(0x00A0));
    QCOMPARE(text.at(0xE8), QChar(0x00E8));
    QCOMPARE(EncodeAnsi(text), all);
}

// A NUL or a line break inside a line would end or split it for every
// reader: each is written as a space, and nothing else changes.
void TestPlatform::fileLinesBlankBreaksAndNuls() {
    const QStringList lines{u"a"_s + QChar(0) + u"b"_s, u"c\rd\ne"_s, u"x\t\u017E\u20AC"_s,
                            QString(), u"\r\n"_s};
    QCOMPARE(EncodeTextFileLines(lines), QByteArray("a b\r\nc d e\r\nx\t\x9E\x80\r\n\r\n  \r\n"));
}

// ------------------------------------------------------------------ Text files

void TestPlatform::decodeTextFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                              "Caff\xC3\xA8 \xE2\x82\xAC")
                                << u"Caffè €"_s;
    QTest::newRow("UTF-16 LE mark") << Bytes("\xFF\xFE"
                                             "C\0\xE8\0\xAC\x20",
                                             8)
                                    << u"Cè€"_s;
    QTest::newRow("UTF-16 BE mark") << Bytes("\xFE\xFF"
                                             "\0C\0\xE8\x20\xAC",
                                             8)
                                    << u"Cè€"_s;
    QTest::newRow("no mark is Windows-1252") << QByteArray("Caff\xE8 \x80") << u"Caffè €"_s;
    QTest::newRow("UTF-8 without mark is Windows-1252")
        << QByteArray("Caff\xC3\xA8") << u"CaffÃ¨"_s;
    QTest::newRow("half a UTF-8 mark") << QByteArray("\xEF\xBB"
                                                     "a")
                                       << u"ï»a"_s;
    QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    // A NUL is a blank: the text after it, and every later line, stays.
    QTest::newRow("NUL read as a blank") << Bytes("ab\0cd\r\nef", 9) << u"ab cd\r\nef"_s;
    QTest::newRow("NUL first") << Bytes("\0ab", 3) << u" ab"_s;
    QTest::newRow("NUL in UTF-16") << Bytes("\xFF\xFE"
                                            "a\0\0\0b\0",
                                            8)
                                   << u"a b"_s;
    QTest::newRow("NUL after UTF-8 mark") << Bytes("\xEF\xBB\xBF"
                                                   "a\0b",
                                                   6)
                                          << u"a b"_s;
}

void TestPlatform::decodeTextFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeTextFile(bytes), text);
}

void TestPlatform::splitTextLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << u"a\rb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF") << u"a\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("final CR LF gives no extra line")
        << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("final lone CR gives no extra line") << u"a\r"_s << QStringList{u"a"_s};
    QTest::newRow("empty line between others")
        << u"a\r\n\r\nb\r\n"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("LF CR is two breaks") << u"a\n\rb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("CR CR LF is two breaks")
        << u"a\r\r\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("mixed breaks") << u"a\rb\nc\r\nd"_s
                                  << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("only a break") << u"\r\n"_s << QStringList{QString()};
    QTest::newRow("two empty lines") << u"\r\n\r\n"_s << QStringList{QString(), QString()};
    QTest::newRow("no break") << u"a b "_s << QStringList{u"a b "_s};
    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("other separators are text")
        << u"a\u2028b\u0085c\fd\ve"_s << QStringList{u"a\u2028b\u0085c\fd\ve"_s};
}

void TestPlatform::splitTextLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitTextLines(text), lines);
}

// Whatever lies in the folder, reading gives lines and returns: no crash, no
// endless loop.
void TestPlatform::badInputIsReadWhole_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    // A picture header: a code-page character, a break, then binary with NULs.
    QTest::newRow("binary file") << Bytes("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                                 << QStringList{u"‰PNG"_s, u"\u001A"_s, u"   "_s, u"IHDR"_s};
    QByteArray noNul;
    for (int i = 0; i < 64 * 1024; ++i)
        noNul.append(char(1 + (i * 7919) % 255));
    QStringList noNulLines = SplitTextLines(DecodeAnsi(noNul));
    QTest::newRow("binary without NUL") << noNul << noNulLines;
    const QByteArray huge(4 * 1024 * 1024, 'x');
    QTest::newRow("one huge line") << huge + "\r\n" << QStringList{QString(huge.size(), u'x')};
    QTest::newRow("invalid UTF-8 after mark") << QByteArray("\xEF\xBB\xBF"
                                                            "a\xFF"
                                                            "b\xC3\r\n\xC3")
                                              << QStringList{u"a\uFFFDb\uFFFD"_s, u"\uFFFD"_s};
    QTest::newRow("odd byte count after UTF-16 LE mark") << Bytes("\xFF\xFE"
                                                                  "a\0b\0c",
                                                                  7)
                                                         << QStringList{u"ab\uFFFD"_s};
    QTest::newRow("odd byte count after UTF-16 BE mark") << Bytes("\xFE\xFF"
                                                                  "\0a\0b\0",
                                                                  7)
                                                         << QStringList{u"ab\uFFFD"_s};
}

void TestPlatform::badInputIsReadWhole() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Elenco_Tavoli.lst"_s);
    QVERIFY(WriteBytes(path, bytes));
    const Result<QStringList> read = ReadTextFileLines(path);
    QVERIFY(read);
    QCOMPARE(read->size(), lines.size());
    QVERIFY2(*read == lines, "the file's lines came back changed");
}

void TestPlatform::readTextFileLinesFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Result<QStringList> missing = ReadTextFileLines(dir.filePath(u"missing.lst"_s));
    QVERIFY(!missing);
    QCOMPARE(missing.error(), u"The file is missing"_s);
    QVERIFY(!ReadTextFileLines(dir.path()));
}

// A list file, the settings and the password store may be links to a file
// elsewhere; whatever stands in their place is read only when it is a
// regular file of reasonable size, and never blocks the reader.
void TestPlatform::listFilesReadOnlyWhatIsAFile_data() {
    QTest::addColumn<QString>("script"); // %1: the list's path, %2: a file elsewhere
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("a link to a file elsewhere")
        << u"ln -s %2 %1"_s << int(SharedRead::Read) << QStringList{u"Tavolo 9"_s};
    QTest::newRow("a FIFO") << u"mkfifo %1"_s << int(SharedRead::Missing) << QStringList{};
    QTest::newRow("a link to a FIFO")
        << u"rm %2 && mkfifo %2 && ln -s %2 %1"_s << int(SharedRead::Missing) << QStringList{};
    QTest::newRow("a link to nothing")
        << u"rm %2 && ln -s %2 %1"_s << int(SharedRead::Missing) << QStringList{};
    QTest::newRow("200 MB") << u"truncate -s 200M %1"_s << int(SharedRead::TooLarge)
                            << QStringList{};
    QTest::newRow("a link to 200 MB")
        << u"truncate -s 200M %2 && ln -s %2 %1"_s << int(SharedRead::TooLarge) << QStringList{};
}

void TestPlatform::listFilesReadOnlyWhatIsAFile() {
    QFETCH(QString, script);
    QFETCH(int, outcome);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    QVERIFY(dir.isValid() && elsewhere.isValid());
    const QString path = dir.filePath(u"Elenco_Tavoli.lst"_s);
    const QString other = elsewhere.filePath(u"tavoli.txt"_s);
    QVERIFY(WriteBytes(other, "Tavolo 9\r\n"));
    QCOMPARE(QProcess::execute(u"/bin/sh"_s,
                               {u"-c"_s, script.arg(u'\'' + path + u'\'', u'\'' + other + u'\'')}),
             0);
    QStringList read{u"kept"_s};
    QCOMPARE(int(ReadListLines(path, &read)), outcome);
    QCOMPARE(read, outcome == int(SharedRead::Read) ? lines : QStringList{u"kept"_s});
}

// -------------------------------------------------------------------- Trimming

void TestPlatform::trim_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::addColumn<QString>("trailingTrimmed");

    QTest::newRow("spaces and tabs") << u" \t a  b \t "_s << u"a  b"_s << u" \t a  b"_s;
    QTest::newRow("control characters")
        << u"\u0001\u001Fx\r\n\u0000"_s << u"x"_s << u"\u0001\u001Fx"_s;
    QTest::newRow("no-break space stays")
        << u"\u00A0x\u00A0"_s << u"\u00A0x\u00A0"_s << u"\u00A0x\u00A0"_s;
    QTest::newRow("ideographic space stays") << u"\u3000x "_s << u"\u3000x"_s << u"\u3000x"_s;
    QTest::newRow("blanks only") << u" \t\r\n"_s << QString() << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestPlatform::trim() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QFETCH(QString, trailingTrimmed);
    QCOMPARE(TrimBlanks(text), trimmed);
    QCOMPARE(TrimTrailingBlanks(text), trailingTrimmed);
}

// ---------------------------------------------------------------- INI profiles

void TestPlatform::readProfile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << QByteArray("[Accesso]\r\nValore=abc\r\n") << u"Accesso"_s
                           << u"Valore"_s << u"abc"_s;
    QTest::newRow("case of section and key")
        << QByteArray("[ACCESSO]\r\nvalore=abc\r\n") << u"accesso"_s << u"VALORE"_s << u"abc"_s;
    QTest::newRow("value and key trimmed")
        << QByteArray("[Destinatari Comande]\r\n  Indirizzi Email \t=  a@b.it; c@d.it \t\r\n")
        << u"Destinatari Comande"_s << u"Indirizzi Email"_s << u"a@b.it; c@d.it"_s;
    QTest::newRow("one pair of quotes dropped")
        << QByteArray("[A]\r\nk=\"x y\"\r\n") << u"A"_s << u"k"_s << u"x y"_s;
    QTest::newRow("empty value") << QByteArray("[A]\r\nk=\r\n") << u"A"_s << u"k"_s << QString();
    QTest::newRow("missing key") << QByteArray("[A]\r\nj=1\r\n") << u"A"_s << u"k"_s << QString();
    QTest::newRow("missing section")
        << QByteArray("[B]\r\nk=1\r\n") << u"A"_s << u"k"_s << QString();
    QTest::newRow("key of the next section")
        << QByteArray("[A]\r\nj=1\r\n[B]\r\nk=2\r\n") << u"A"_s << u"k"_s << QString();
    QTest::newRow("key before any section")
        << QByteArray("k=0\r\n[A]\r\nj=1\r\n") << u"A"_s << u"k"_s << QString();
    QTest::newRow("section after another")
        << QByteArray("[B]\r\nk=1\r\n\r\n[A]\r\nk=2\r\n") << u"A"_s << u"k"_s << u"2"_s;
    QTest::newRow("first key wins")
        << QByteArray("[A]\r\nk=1\r\nK=2\r\n") << u"A"_s << u"k"_s << u"1"_s;
    QTest::newRow("comment is no key")
        << QByteArray("[A]\r\n;k=1\r\n") << u"A"_s << u"k"_s << QString();
    QTest::newRow("LF and lone CR breaks")
        << QByteArray("[B]\nk=1\r[A]\rk=2") << u"A"_s << u"k"_s << u"2"_s;
    QTest::newRow("Windows-1252") << QByteArray("[A]\r\nk=5 \x80 Caff\xE8\r\n") << u"A"_s << u"k"_s
                                  << u"5 € Caffè"_s;
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[A]\r\nk=Caff\xC3\xA8\r\n") << u"A"_s
                                << u"k"_s << u"Caffè"_s;
    QTest::newRow("UTF-16 LE mark")
        << Bytes("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE8\0", 18) << u"A"_s << u"k"_s << u"è"_s;
    QTest::newRow("empty file") << QByteArray() << u"A"_s << u"k"_s << QString();
}

void TestPlatform::readProfile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Orbisala.ini"_s);
    QVERIFY(WriteBytes(path, bytes));
    const Result<QString> read = ReadProfileString(path, section, key);
    QVERIFY(read);
    QCOMPARE(*read, value);
}

void TestPlatform::readProfileWithoutFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Orbisala.ini"_s);
    const Result<QString> value =
        ReadProfileString(path, u"Destinatari Comande"_s, u"Indirizzi Email"_s);
    QVERIFY(value);
    QCOMPARE(*value, QString());
    QVERIFY2(!QFile::exists(path), "reading created the file");

    // A folder by the file's name exists but cannot be read as a file.
    QVERIFY(QDir(dir.path()).mkdir(u"Orbisala.ini"_s));
    const Result<QString> folder =
        ReadProfileString(path, u"Destinatari Comande"_s, u"Indirizzi Email"_s);
    QVERIFY(!folder);
    QCOMPARE(folder.error(), u"Not a regular file"_s);
}

void TestPlatform::writeProfile_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    // Other sections, comments, odd breaks, trailing blanks and bytes the code
    // page leaves undefined all stay as they were.
    QTest::newRow("replace the key's line")
        << QByteArray("; note \x81\x8D\r\n[Altro]\nk=1\n\n[A]\r\n  K = old \r\nz=2\rtail") << u"A"_s
        << u"k"_s << u"new"_s
        << QByteArray("; note \x81\x8D\r\n[Altro]\nk=1\n\n[A]\r\nk=new\r\nz=2\rtail");
    QTest::newRow("section matched without case")
        << QByteArray("[accesso]\r\nvalore=x\r\n") << u"Accesso"_s << u"Valore"_s << u"y"_s
        << QByteArray("[accesso]\r\nValore=y\r\n");
    QTest::newRow("key added to a section in the middle")
        << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n") << u"A"_s << u"k"_s << u"v"_s
        << QByteArray("[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n");
    QTest::newRow("key added to an empty section")
        << QByteArray("[A]\n[B]\ny=2\n") << u"A"_s << u"k"_s << u"v"_s
        << QByteArray("[A]\nk=v\r\n[B]\ny=2\n");
    QTest::newRow("key added to a last line without break")
        << QByteArray("[A]\nx=1") << u"A"_s << u"k"_s << u"v"_s
        << QByteArray("[A]\nx=1\r\nk=v\r\n");
    QTest::newRow("section added") << QByteArray("[B]\r\ny=2\r\n") << u"A"_s << u"k"_s << u"v"_s
                                   << QByteArray("[B]\r\ny=2\r\n[A]\r\nk=v\r\n");
    QTest::newRow("section added after a last line without break")
        << QByteArray("[B]\ny=2") << u"A"_s << u"k"_s << u"v"_s
        << QByteArray("[B]\ny=2\r\n[A]\r\nk=v\r\n");
    QTest::newRow("empty file") << QByteArray() << u"Destinatari Comande"_s << u"Indirizzi Email"_s
                                << u"a@b.it"_s
                                << QByteArray(
                                       "[Destinatari Comande]\r\nIndirizzi Email=a@b.it\r\n");
    QTest::newRow("value in Windows-1252")
        << QByteArray("[A]\r\nk=0\r\n") << u"A"_s << u"k"_s << u"5 € Caffè 🍕"_s
        << QByteArray("[A]\r\nk=5 \x80 Caff\xE8 ?\r\n");
    QTest::newRow("UTF-8 file stays UTF-8")
        << QByteArray("\xEF\xBB\xBF[A]\r\nk=0\r\nn=\xC3\xA8\r\n") << u"A"_s << u"k"_s << u"€"_s
        << QByteArray("\xEF\xBB\xBF[A]\r\nk=\xE2\x82\xAC\r\nn=\xC3\xA8\r\n");
    QTest::newRow("UTF-16 file stays UTF-16")
        << Bytes("\xFF\xFE[\0A\0]\0\n\0k\0=\0\x30\0", 16) << u"A"_s << u"k"_s << u"€"_s
        << Bytes("\xFF\xFE[\0A\0]\0\n\0k\0=\0\xAC\x20", 16);
    // A NUL ends the text for a reader; a write keeps it and all after it.
    QTest::newRow("UTF-8 file with a NUL keeps all of it")
        << Bytes("\xEF\xBB\xBF[A]\r\nk=0\r\nn=a\0b\r\n[B]\r\ny=2\r\n", 30) << u"A"_s << u"k"_s
        << u"€"_s << Bytes("\xEF\xBB\xBF[A]\r\nk=\xE2\x82\xAC\r\nn=a\0b\r\n[B]\r\ny=2\r\n", 32);
    QTest::newRow("UTF-16 file with a NUL keeps all of it")
        << Bytes("\xFF\xFE[\0A\0]\0\n\0k\0=\0\x30\0\n\0\0\0\n\0z\0=\0\x31\0", 28) << u"A"_s
        << u"k"_s << u"€"_s
        << Bytes("\xFF\xFE[\0A\0]\0\n\0k\0=\0\xAC\x20\n\0\0\0\n\0z\0=\0\x31\0", 28);
}

void TestPlatform::writeProfile() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Orbisala.ini"_s);
    QVERIFY(WriteBytes(path, before));
    QVERIFY(WriteProfileString(path, section, key, value));
    QCOMPARE(ReadBytes(path), after);

    // What was written reads back, as far as the file's encoding holds it.
    const Result<QString> read = ReadProfileString(path, section, key);
    QVERIFY(read);
    QCOMPARE(*read, after.startsWith("\xEF\xBB\xBF") || after.startsWith("\xFF\xFE")
                        ? value
                        : DecodeAnsi(EncodeAnsi(value)));
}

void TestPlatform::writeProfileCreatesFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"unins000.dll"_s);
    QVERIFY(WriteProfileString(path, u"Accesso"_s, u"Valore"_s, u"x1"_s));
    QCOMPARE(ReadBytes(path), QByteArray("[Accesso]\r\nValore=x1\r\n"));
    QVERIFY(WriteProfileString(path, u"Accesso"_s, u"Valore"_s, u"x2"_s));
    QCOMPARE(ReadBytes(path), QByteArray("[Accesso]\r\nValore=x2\r\n"));
    const Result<QString> value = ReadProfileString(path, u"ACCESSO"_s, u"valore"_s);
    QVERIFY(value);
    QCOMPARE(*value, u"x2"_s);
}

// A control character pasted into a value is written as a space, as a line
// break is: a NUL would end the text for every reader and hide all after it.
void TestPlatform::writeProfileControlCharacters_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("NUL") << QByteArray("[A]\r\nk=0\r\nz=2\r\n") << u"a@b.it\0c@d.it"_s
                         << QByteArray("[A]\r\nk=a@b.it c@d.it\r\nz=2\r\n");
    QTest::newRow("NUL in a UTF-8 file")
        << QByteArray("\xEF\xBB\xBF[A]\r\nk=0\r\nz=2\r\n") << u"a\0b"_s
        << QByteArray("\xEF\xBB\xBF[A]\r\nk=a b\r\nz=2\r\n");
    QTest::newRow("every other control character")
        << QByteArray("[A]\r\nk=0\r\nz=2\r\n") << u"a\u0001b\u001Bc\u001Fd\te"_s
        << QByteArray("[A]\r\nk=a b c d e\r\nz=2\r\n");
}

void TestPlatform::writeProfileControlCharacters() {
    QFETCH(QByteArray, before);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Orbisala.ini"_s);
    QVERIFY(WriteBytes(path, before));

    QVERIFY(WriteProfileString(path, u"A"_s, u"k"_s, value));
    QCOMPARE(ReadBytes(path), after);
    const Result<QString> next = ReadProfileString(path, u"A"_s, u"z"_s);
    QVERIFY(next);
    QCOMPARE(*next, u"2"_s);
}

void TestPlatform::writeProfileFailureKeepsFile_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("target is a folder") << u"folder"_s;
    QTest::newRow("folder missing") << u"missing folder"_s;
    QTest::newRow("read-only file") << u"read-only"_s;
}

void TestPlatform::writeProfileFailureKeepsFile() {
    QFETCH(QString, failure);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray before("[A]\r\nk=old\r\n");
    const QString path = FailingTarget(dir, u"Orbisala.ini"_s, failure, before);

    QVERIFY(!WriteProfileString(path, u"A"_s, u"k"_s, u"new"_s));
    QVERIFY2(TargetUntouched(dir, path, failure, before),
             "a refused save must leave things as they were");
}

// ---------------------------------------------------------------------- Result

void TestPlatform::resultHoldsValueOrReason() {
    const Result<QString> read = u"Margherita"_s;
    QVERIFY(read.ok());
    QVERIFY(read);
    QCOMPARE(*read, u"Margherita"_s);
    QCOMPARE(read->size(), 10);
    QCOMPARE(read.error(), QString());

    // A text value is never taken for a reason, nor a reason for a value.
    const Result<QString> missing = Failure{u"The file is missing"_s};
    QVERIFY(!missing.ok());
    QVERIFY(!missing);
    QCOMPARE(missing.error(), u"The file is missing"_s);
    QVERIFY(!Result<QString>::failure(QString()));

    // A value that can only be moved comes out whole.
    Result<std::unique_ptr<int>> owned = std::make_unique<int>(7);
    QVERIFY(owned);
    const std::unique_ptr<int> taken = std::move(owned).value();
    QCOMPARE(*taken, 7);
    const Result<std::unique_ptr<int>> none = Failure{u"none"_s};
    QCOMPARE(none.error(), u"none"_s);
}

void TestPlatform::resultOfVoid() {
    const Result<void> saved;
    QVERIFY(saved.ok());
    QVERIFY(saved);
    QCOMPARE(saved.error(), QString());

    const Result<void> refused = Failure{u"The file is read-only"_s};
    QVERIFY(!refused);
    QCOMPARE(refused.error(), u"The file is read-only"_s);
    // A failure without a reason is a failure all the same.
    QVERIFY(!Result<void>::failure(QString()).ok());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
