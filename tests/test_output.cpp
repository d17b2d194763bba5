// E-mail dispatch: the recipients kept in "Orbisala.ini" and the mailto:
// link, both as composed and as handed to the desktop.
#include "output/MailSettings.h"
#include "output/MailtoLink.h"
#include "platform/ProgramFolder.h"

#include "TestFiles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {} // namespace

class TestOutput : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void writeCreatesSettingsFile_data();
    void writeCreatesSettingsFile();
    void writeKeepsOtherLines();
    void read_data();
    void read();

    void link_data();
    void link();
    void handOff_data();
    void handOff();
};

void TestOutput::cleanup() {
    SetProgramFolder(QString());
}

void TestOutput::writeCreatesSettingsFile_data() {
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("empty") << QString()
                           << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=\r\n")
                           << QString();
    QTest::newRow("blanks only") << u"  \t "_s
                                 << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=\r\n")
                                 << QString();
    QTest::newRow("blanks around dropped")
        << u"  cucina@trattoria.it, cassa@trattoria.it \t"_s
        << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=cucina@trattoria.it, "
                      "cassa@trattoria.it\r\n")
        << u"cucina@trattoria.it, cassa@trattoria.it"_s;
    QTest::newRow("pasted line breaks stay inside the value")
        << u"a@b.it,\r\nc@d.it\nd@e.it\r\r\nf@g.it"_s
        << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=a@b.it, c@d.it d@e.it  f@g.it\r\n")
        << u"a@b.it, c@d.it d@e.it  f@g.it"_s;
}

void TestOutput::writeCreatesSettingsFile() {
    QFETCH(QString, recipients);
    QFETCH(QByteArray, expected);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    QVERIFY(!QFileInfo::exists(dir.filePath(u"Orbisala.ini"_s)));

    QVERIFY(WriteMailRecipients(recipients));
    QCOMPARE(SettingsFilePath(), dir.filePath(u"Orbisala.ini"_s));
    QCOMPARE(ReadBytes(dir.filePath(u"Orbisala.ini"_s)), expected);
    QCOMPARE(ReadMailRecipients(), readBack);
}

void TestOutput::writeKeepsOtherLines() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    const QByteArray before = "; impostazioni\r\n"
                              "[Stampa]\r\n"
                              "Indirizzi Email=non toccare\r\n"
                              "[destinatari comande]\r\n"
                              "Indirizzi Email = vecchio@trattoria.it \r\n"
                              "Altro=1\r\n";
    QVERIFY(WriteBytes(SettingsFilePath(), before));

    QVERIFY(WriteMailRecipients(u" nuovo@trattoria.it "_s));
    QByteArray expected = before;
    expected.replace("Indirizzi Email = vecchio@trattoria.it \r\n",
                     "Indirizzi Email=nuovo@trattoria.it\r\n");
    QCOMPARE(ReadBytes(SettingsFilePath()), expected);
    QCOMPARE(ReadMailRecipients(), u"nuovo@trattoria.it"_s);
}

void TestOutput::read_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QString longValue = QString(2040, u'a') + u"@b.it,x@y.it"_s; // 2052 characters
    QTest::newRow("no settings file") << false << QByteArray() << QString();
    QTest::newRow("no section") << true << QByteArray("[Altro]\r\nIndirizzi Email=a@b.it\r\n")
                                << QString();
    QTest::newRow("no key") << true << QByteArray("[Destinatari Comande]\r\nAltro=a@b.it\r\n")
                            << QString();
    QTest::newRow("blanks around trimmed")
        << true << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=   a@b.it, c@d.it  \r\n")
        << u"a@b.it, c@d.it"_s;
    QTest::newRow("2047 characters kept")
        << true
        << "[Destinatari Comande]\r\nIndirizzi Email=" + longValue.left(2047).toLatin1() + "\r\n"
        << longValue.left(2047);
    QTest::newRow("longer value cut to 2047")
        << true << "[Destinatari Comande]\r\nIndirizzi Email=" + longValue.toLatin1() + "\r\n"
        << longValue.left(2047);
}

void TestOutput::read() {
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetProgramFolder(dir.path());
    if (fileExists)
        QVERIFY(WriteBytes(SettingsFilePath(), content));

    QCOMPARE(ReadMailRecipients(), expected);
    QCOMPARE(QFileInfo::exists(SettingsFilePath()), fileExists);
}

void TestOutput::link_data() {
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ticket")
        << u"cucina@trattoria.it,cassa@trattoria.it"_s
        << u"Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15"_s
        << u"ELENCO PORTATE: --- 2   Spritz --- 1   Bruschetta"_s
        << u"mailto:cucina@trattoria.it,cassa@trattoria.it?subject=Ordinazione tavolo 5 del "
           "giorno 12/03/2024 alle ore 20:15&body=ELENCO PORTATE: --- 2   Spritz --- 1   "
           "Bruschetta"_s;
    QTest::newRow("each part trimmed") << u"  a@b.it \t"_s << u"\r\n Oggetto "_s << u" Testo\r\n"_s
                                       << u"mailto:a@b.it?subject=Oggetto&body=Testo"_s;
    QTest::newRow("ampersand, CR LF and euro stand as they are")
        << u"a@b.it"_s << u"Pane & coperto?"_s << u"Riga 1\r\nRiga 2 \u20AC 5,00 #1 100%"_s
        << u"mailto:a@b.it?subject=Pane & coperto?&body=Riga 1\r\nRiga 2 \u20AC 5,00 #1 100%"_s;
}

void TestOutput::link() {
    QFETCH(QString, recipients);
    QFETCH(QString, subject);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(MailtoLink(recipients, subject, message), expected);
}

void TestOutput::handOff_data() {
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("message");

    QTest::newRow("ticket") << u"cucina@trattoria.it,cassa@trattoria.it"_s
                            << u"Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15"_s
                            << u"ELENCO PORTATE: --- 2   Spritz --- 1   Bruschetta"_s;
    QTest::newRow("ampersand and equals in the subject")
        << u"a@b.it"_s << u"Pane & coperto=2&body=x"_s << u"Testo"_s;
    QTest::newRow("CR LF and euro in the body")
        << u"a@b.it"_s << u"Conto"_s << u"Riga 1\r\nRiga 2 \u20AC 5,00"_s;
    QTest::newRow("question mark, hash, percent and plus")
        << u"a@b.it"_s << u"Tavolo 1? #2"_s << u"Sconto 10% + 5%20 #fine"_s;
    QTest::newRow("recipients with blanks between addresses")
        << u"a@b.it, c@d.it"_s << u"Caff\u00E8"_s << u"1   Caff\u00E8"_s;
}

void TestOutput::handOff() {
    QFETCH(QString, recipients);
    QFETCH(QString, subject);
    QFETCH(QString, message);

    const QString handOff = MailtoHandOff(u" "_s + recipients, subject + u" "_s, u"\t"_s + message);
    // Strict, and tolerant as the desktop hand-off parses it.
    for (const QUrl::ParsingMode mode : {QUrl::StrictMode, QUrl::TolerantMode}) {
        const QUrl url(handOff, mode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.scheme(), u"mailto"_s);
        QCOMPARE(url.path(QUrl::FullyDecoded), recipients);
        QVERIFY(!url.hasFragment());

        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).first, u"subject"_s);
        QCOMPARE(items.at(0).second, subject);
        QCOMPARE(items.at(1).first, u"body"_s);
        QCOMPARE(items.at(1).second, message);
    }
    if (message.contains(QChar(0x20AC)))
        QVERIFY2(handOff.contains(u"%E2%82%AC"_s), "the euro sign is sent as UTF-8");
}

QTEST_GUILESS_MAIN(TestOutput)
#include "test_output.moc"
