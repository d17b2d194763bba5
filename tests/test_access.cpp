// The access password: the scrambler, the normalised form, the store in
// "unins000.dll" with its check and change, and the build-time tool that
// writes the initial store.
#include "access/Crypt.h"
#include "access/PasswordStore.h"

#include "ModelSeams.h"
#include "TestFiles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString InitialPassword = u"bruschettavolo"_s;
// "BRUSCHETTAVOLO" scrambled with start key 9703, multiplier 39157 and
// increment 27063, worked out by hand from the algorithm.
const QString InitialScrambled = u"67302762162D498611FA97A6DB05"_s;

// Every character from U+0000 to U+00FF once, starting at `first`, `count` long.
QString Latin1Run(int first, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(char16_t((first + i) % 256));
    return text;
}

// Letters a to z in the other case; every other character unchanged.
QString SwapAsciiCase(const QString& text) {
    QString swapped = text;
    for (QChar& c : swapped) {
        if (c >= u'a' && c <= u'z')
            c = QChar(char16_t(c.unicode() - 32));
        else if (c >= u'A' && c <= u'Z')
            c = QChar(char16_t(c.unicode() + 32));
    }
    return swapped;
}

// A program folder of its own, with a store file of the given content.
struct StoreFolder {
    ProgramFolderScope dir;
    explicit StoreFolder(const QByteArray& content = {}, bool write = true) {
        if (write && !WriteBytes(PasswordStorePath(), content))
            qFatal("cannot write the password store of the test");
    }
};

} // namespace

Q_DECLARE_METATYPE(PasswordCheck)
Q_DECLARE_METATYPE(PasswordChange)

class TestAccess : public QObject {
    Q_OBJECT

private slots:
    void encodeKnownValues_data();
    void encodeKnownValues();
    void encodeKeepsFirst255Characters();
    void roundTrip_data();
    void roundTrip();
    void decode_data();
    void decode();
    void normalise_data();
    void normalise();

    void initialStoreContent();
    void checkInitialPassword_data();
    void checkInitialPassword();
    void accentedLetterIsNotCaseFolded_data();
    void accentedLetterIsNotCaseFolded();
    void storeWithoutPassword_data();
    void storeWithoutPassword();
    void storeValueForms_data();
    void storeValueForms();

    void change_data();
    void change();
    void changeKeepsOtherLines();
    void changeFailsOnReadOnlyStore();

    void toolWritesInitialStore();
};

void TestAccess::encodeKnownValues_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one character gives two digits") << u"A"_s << u"64"_s;
    QTest::newRow("key advances with the scrambled value") << u"AB"_s << u"64D5"_s;
    QTest::newRow("initial password") << u"BRUSCHETTAVOLO"_s << InitialScrambled;
    QTest::newRow("accented letter") << u"PIZZ\u00E9"_s << u"75F6E82706"_s;
    QTest::newRow("only the low 8 bits count") << u"\u0141"_s << u"64"_s;
}

void TestAccess::encodeKnownValues() {
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QCOMPARE(EncodePassword(plain), scrambled);
}

void TestAccess::encodeKeepsFirst255Characters() {
    const QString long300 = Latin1Run(7, 300);
    QCOMPARE(EncodePassword(long300), EncodePassword(long300.left(255)));
    QCOMPARE(EncodePassword(long300).size(), 510);
}

void TestAccess::roundTrip_data() {
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << QString();
    QTest::newRow("one character") << u"x"_s;
    QTest::newRow("NUL in the middle") << u"a\u0000b"_s;
    QTest::newRow("initial password") << u"BRUSCHETTAVOLO"_s;
    QTest::newRow("U+0000 to U+00FE") << Latin1Run(0, 255);
    QTest::newRow("U+0001 to U+00FF") << Latin1Run(1, 255);
    QTest::newRow("255 times U+00FF") << QString(255, QChar(0xFF));
    QTest::newRow("blanks and controls") << u"  \t\r\n "_s;
}

void TestAccess::roundTrip() {
    QFETCH(QString, plain);
    const QString scrambled = EncodePassword(plain);
    QCOMPARE(scrambled.size(), plain.size() * 2);
    QVERIFY2(QRegularExpression(u"^[0-9A-F]*$"_s).match(scrambled).hasMatch(),
             "the store holds upper-case hexadecimal digits only");
    const Result<QString> decoded = DecodePassword(scrambled);
    QVERIFY(decoded);
    QCOMPARE(*decoded, plain);
}

void TestAccess::decode_data() {
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<bool>("decodes");
    QTest::addColumn<QString>("plain");

    QTest::newRow("empty") << QString() << true << QString();
    QTest::newRow("lower-case digits") << InitialScrambled.toLower() << true << u"BRUSCHETTAVOLO"_s;
    QTest::newRow("final odd digit ignored") << u"64D5"_s + u'7' << true << u"AB"_s;
    QTest::newRow("final odd non-digit ignored") << u"64D5"_s + u'Z' << true << u"AB"_s;
    QTest::newRow("single digit") << u"6"_s << true << QString();
    QTest::newRow("G1") << u"G1"_s << false << QString();
    QTest::newRow("1G") << u"1G"_s << false << QString();
    QTest::newRow("bad pair after good ones") << u"64D5G1"_s << false << QString();
    QTest::newRow("blank inside a pair") << u"6 D5"_s << false << QString();
    QTest::newRow("sign is no digit") << u"+6"_s << false << QString();
    QTest::newRow("full-width digit is no digit") << u"\uFF16\uFF14"_s << false << QString();
}

void TestAccess::decode() {
    QFETCH(QString, scrambled);
    QFETCH(bool, decodes);
    QFETCH(QString, plain);
    const Result<QString> result = DecodePassword(scrambled);
    QCOMPARE(result.ok(), decodes);
    if (decodes)
        QCOMPARE(*result, plain);
}

void TestAccess::normalise_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a to z upper-cased") << u"bruschettavolo"_s << u"BRUSCHETTAVOLO"_s;
    QTest::newRow("blanks and controls trimmed") << u" \t pass word \r\n"_s << u"PASS WORD"_s;
    QTest::newRow("any control character trimmed, no-break space kept")
        << u"\u0001pass\u00A0\u001F"_s << u"PASS\u00A0"_s;
    QTest::newRow("accented letters stay") << u"caff\u00E8 \u00E9"_s << u"CAFF\u00E8 \u00E9"_s;
    QTest::newRow("other Latin-1 letters stay")
        << u"\u00FF\u00DF\u00F1"_s << u"\u00FF\u00DF\u00F1"_s;
    QTest::newRow("neighbours of a and z stay") << u"`az{@[~"_s << u"`AZ{@[~"_s;
    QTest::newRow("upper case stays") << u"ABC123"_s << u"ABC123"_s;
}

void TestAccess::normalise() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(NormalisePassword(text), expected);
}

void TestAccess::initialStoreContent() {
    QCOMPARE(PasswordStoreContent(InitialPassword),
             QByteArray("[Accesso]\r\nValore=") + InitialScrambled.toLatin1() + "\r\n");
}

void TestAccess::checkInitialPassword_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<PasswordCheck>("expected");
    QTest::newRow("as given") << InitialPassword << PasswordCheck::Accepted;
    QTest::newRow("upper case") << u"BRUSCHETTAVOLO"_s << PasswordCheck::Accepted;
    QTest::newRow("mixed case") << u"bRuScHeTtAvOlO"_s << PasswordCheck::Accepted;
    QTest::newRow("blanks around") << u"  bruschettavolo \t"_s << PasswordCheck::Accepted;
    QTest::newRow("one letter short") << u"bruschettavol"_s << PasswordCheck::Wrong;
    QTest::newRow("one letter more") << u"bruschettavoloo"_s << PasswordCheck::Wrong;
    QTest::newRow("blank inside") << u"bruschetta volo"_s << PasswordCheck::Wrong;
    QTest::newRow("empty") << QString() << PasswordCheck::Wrong;
}

void TestAccess::checkInitialPassword() {
    QFETCH(QString, typed);
    QFETCH(PasswordCheck, expected);
    StoreFolder store(PasswordStoreContent(InitialPassword));
    QCOMPARE(CheckPassword(typed), expected);
}

void TestAccess::accentedLetterIsNotCaseFolded_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<PasswordCheck>("expected");
    QTest::newRow("same letter") << u"pizz\u00E9"_s << PasswordCheck::Accepted;
    QTest::newRow("a to z folded, é kept") << u"PIZZ\u00E9"_s << PasswordCheck::Accepted;
    QTest::newRow("É is another letter") << u"PIZZ\u00C9"_s << PasswordCheck::Wrong;
}

void TestAccess::accentedLetterIsNotCaseFolded() {
    QFETCH(QString, typed);
    QFETCH(PasswordCheck, expected);
    StoreFolder store(PasswordStoreContent(u"pizz\u00E9"_s));
    QCOMPARE(CheckPassword(typed), expected);
}

void TestAccess::storeWithoutPassword_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no store file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("other section")
        << true << "[Altro]\r\nValore=" + InitialScrambled.toLatin1() + "\r\n";
    QTest::newRow("other key") << true
                               << "[Accesso]\r\nChiave=" + InitialScrambled.toLatin1() + "\r\n";
    QTest::newRow("empty value") << true << QByteArray("[Accesso]\r\nValore=\r\n");
    QTest::newRow("value of blanks only")
        << true << "[Accesso]\r\nValore=" + EncodePassword(u"   "_s).toLatin1() + "\r\n";
}

void TestAccess::storeWithoutPassword() {
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    StoreFolder store(content, fileExists);

    for (const QString& typed : {QString(), u" "_s, InitialPassword, u"x"_s})
        QCOMPARE(CheckPassword(typed), PasswordCheck::Wrong);
    QCOMPARE(ChangePassword(QString(), u"nuova"_s, u"nuova"_s), PasswordChange::WrongOld);
    QCOMPARE(ChangePassword(InitialPassword, u"nuova"_s, u"nuova"_s), PasswordChange::WrongOld);
    QCOMPARE(ChangePassword(u"   "_s, u"nuova"_s, u"nuova"_s), PasswordChange::WrongOld);
    // Nothing is written: no store appears and an existing one stays as it is.
    QCOMPARE(QFileInfo::exists(PasswordStorePath()), fileExists);
    if (fileExists)
        QCOMPARE(ReadBytes(PasswordStorePath()), content);
    QCOMPARE(CheckPassword(u"nuova"_s), PasswordCheck::Wrong);
}

void TestAccess::storeValueForms_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<PasswordCheck>("check");
    QTest::addColumn<PasswordChange>("change");

    const QByteArray value = InitialScrambled.toLatin1();
    QTest::newRow("non-hex pair") << QByteArray("[Accesso]\r\nValore=G1\r\n")
                                  << PasswordCheck::ReadError << PasswordChange::Error;
    QTest::newRow("non-hex pair after the password")
        << "[Accesso]\r\nValore=" + value + "ZZ\r\n"
        << PasswordCheck::ReadError << PasswordChange::Error;
    QTest::newRow("lower-case digits") << "[Accesso]\r\nValore=" + value.toLower() + "\r\n"
                                       << PasswordCheck::Accepted << PasswordChange::Changed;
    QTest::newRow("odd final digit") << "[Accesso]\r\nValore=" + value + "7\r\n"
                                     << PasswordCheck::Accepted << PasswordChange::Changed;
    QTest::newRow("blanks around the value, LF line ends")
        << "[Accesso]\nValore =  " + value + "  \n"
        << PasswordCheck::Accepted << PasswordChange::Changed;
    QTest::newRow("section and key in other case")
        << "[ACCESSO]\r\nvalore=" + value + "\r\n"
        << PasswordCheck::Accepted << PasswordChange::Changed;
    QTest::newRow("stored password with blanks around")
        << "[Accesso]\r\nValore=" + EncodePassword(u"  BRUSCHETTAVOLO \t"_s).toLatin1() + "\r\n"
        << PasswordCheck::Accepted << PasswordChange::Changed;
    QTest::newRow("stored in lower case is never matched")
        << "[Accesso]\r\nValore=" + EncodePassword(InitialPassword).toLatin1() + "\r\n"
        << PasswordCheck::Wrong << PasswordChange::WrongOld;
}

void TestAccess::storeValueForms() {
    QFETCH(QByteArray, content);
    QFETCH(PasswordCheck, check);
    QFETCH(PasswordChange, change);
    StoreFolder store(content);

    QCOMPARE(CheckPassword(InitialPassword), check);
    QCOMPARE(ChangePassword(InitialPassword, u"nuova"_s, u"nuova"_s), change);
    if (change == PasswordChange::Changed)
        QCOMPARE(CheckPassword(u"NUOVA"_s), PasswordCheck::Accepted);
    else
        QCOMPARE(ReadBytes(PasswordStorePath()), content);
}

void TestAccess::change_data() {
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<PasswordChange>("expected");
    QTest::addColumn<QString>("typedAfter"); // a form of the new password

    const QString p = InitialPassword;
    QTest::newRow("wrong old") << u"bruschetta"_s << u"nuova"_s << u"nuova"_s
                               << PasswordChange::WrongOld << QString();
    QTest::newRow("old with blanks and other case")
        << u" BRUSCHETTAVOLO "_s << u"nuova"_s << u"nuova"_s << PasswordChange::Changed
        << u"NuOvA"_s;
    QTest::newRow("confirmation differs")
        << p << u"nuova"_s << u"nuovo"_s << PasswordChange::NotConfirmed << QString();
    QTest::newRow("confirmation differs in case only")
        << p << u"nuova"_s << u"Nuova"_s << PasswordChange::NotConfirmed << QString();
    QTest::newRow("blanks around the confirmation do not count")
        << p << u"  nuova"_s << u"nuova\t"_s << PasswordChange::Changed << u"NUOVA"_s;
    QTest::newRow("256 characters")
        << p << QString(256, u'a') << QString(256, u'a') << PasswordChange::Unstorable << QString();
    QTest::newRow("255 characters") << p << QString(255, u'a') << QString(255, u'a')
                                    << PasswordChange::Changed << QString(255, u'A');
    QTest::newRow("255 characters and blanks around")
        << p << u"  "_s + QString(255, u'z') + u" "_s << QString(255, u'z')
        << PasswordChange::Changed << QString(255, u'z');
    QTest::newRow("euro sign above U+00FF")
        << p << u"cena\u20AC"_s << u"cena\u20AC"_s << PasswordChange::Unstorable << QString();
    QTest::newRow("U+0100, first character above Latin-1")
        << p << u"cena\u0100"_s << u"cena\u0100"_s << PasswordChange::Unstorable << QString();
    QTest::newRow("Latin-1 letters") << p << u"\u00E8\u00FF\u00E0"_s << u"\u00E8\u00FF\u00E0"_s
                                     << PasswordChange::Changed << u"\u00E8\u00FF\u00E0"_s;
    QTest::newRow("blank new password would lock everyone out")
        << p << u"   "_s << u"   "_s << PasswordChange::Unstorable << QString();
}

void TestAccess::change() {
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(PasswordChange, expected);
    QFETCH(QString, typedAfter);
    const QByteArray initial = PasswordStoreContent(InitialPassword);
    StoreFolder store(initial);

    QCOMPARE(ChangePassword(oldPassword, newPassword, confirmation), expected);
    if (expected != PasswordChange::Changed) {
        QCOMPARE(ReadBytes(PasswordStorePath()), initial);
        QCOMPARE(CheckPassword(InitialPassword), PasswordCheck::Accepted);
        return;
    }
    QCOMPARE(CheckPassword(InitialPassword), PasswordCheck::Wrong);
    QCOMPARE(CheckPassword(typedAfter), PasswordCheck::Accepted);
    QCOMPARE(CheckPassword(u" "_s + SwapAsciiCase(typedAfter) + u"\t"_s), PasswordCheck::Accepted);
    // The store holds the scrambled normalised form, in upper-case digits.
    QCOMPARE(ReadBytes(PasswordStorePath()),
             "[Accesso]\r\nValore=" + EncodePassword(NormalisePassword(newPassword)).toLatin1() +
                 "\r\n");
}

void TestAccess::changeKeepsOtherLines() {
    const QByteArray before = "; postazione cassa\r\n"
                              "[Altro]\r\n"
                              "Valore=0000\r\n"
                              "[Accesso]\r\n"
                              "Prima=1\r\n"
                              "Valore=" +
                              InitialScrambled.toLatin1() +
                              "\r\n"
                              "Dopo = 2\r\n"
                              "\r\n"
                              "[Fine]\r\n"
                              "Valore=FFFF\r\n";
    StoreFolder store(before);

    QCOMPARE(ChangePassword(InitialPassword, u"nuova"_s, u"nuova"_s), PasswordChange::Changed);
    QByteArray expected = before;
    expected.replace("Valore=" + InitialScrambled.toLatin1(),
                     "Valore=" + EncodePassword(u"NUOVA"_s).toLatin1());
    QCOMPARE(ReadBytes(PasswordStorePath()), expected);
    QCOMPARE(CheckPassword(u"nuova"_s), PasswordCheck::Accepted);
}

void TestAccess::changeFailsOnReadOnlyStore() {
    const QByteArray initial = PasswordStoreContent(InitialPassword);
    StoreFolder store(initial);
    // The owner's write bit stands for the read-only attribute, root included.
    QVERIFY(QFile::setPermissions(PasswordStorePath(), QFile::ReadOwner | QFile::ReadUser));

    QCOMPARE(ChangePassword(InitialPassword, u"nuova"_s, u"nuova"_s), PasswordChange::Error);
    QCOMPARE(ReadBytes(PasswordStorePath()), initial);
    QCOMPARE(CheckPassword(InitialPassword), PasswordCheck::Accepted);
    QCOMPARE(CheckPassword(u"nuova"_s), PasswordCheck::Wrong);
    QCOMPARE(QDir(store.dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"unins000.dll"_s});
}

void TestAccess::toolWritesInitialStore() {
    // The build gives the tool's path and the store it wrote beside the program.
    const QString tool = QStringLiteral(ORBISALA_PASSWORD_TOOL);
    QVERIFY2(QFileInfo(tool).isExecutable(), "the password-store tool must be built");

    StoreFolder store({}, false);
    QProcess run;
    run.start(tool, {PasswordStorePath()});
    QVERIFY(run.waitForFinished());
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);
    const QByteArray content = ReadBytes(PasswordStorePath());
    QCOMPARE(content, QByteArray("[Accesso]\r\nValore=") + InitialScrambled.toLatin1() + "\r\n");
    QCOMPARE(CheckPassword(u" BruschettaVolo"_s), PasswordCheck::Accepted);

    // The store the build put into the program folder is the same.
    QCOMPARE(ReadBytes(QStringLiteral(ORBISALA_PASSWORD_STORE)), content);

    // A store that cannot be written is reported, not silently skipped.
    run.start(tool, {store.dir.filePath(u"missing/unins000.dll"_s)});
    QVERIFY(run.waitForFinished());
    QCOMPARE(run.exitCode(), 1);
}

QTEST_GUILESS_MAIN(TestAccess)
#include "test_access.moc"
