// Bad input at the windows: texts of any length and characters pasted into
// every field. Each gives its outcome or a clear message; the run finishes
// (no crash, no hang), files appear only directly in the program folder, the
// saved bytes are whole Windows-1252 lines, and what goes to the desktop is
// the whole text the user sees.
#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "access/PasswordStore.h"
#include "app/Avvio.h"
#include "app/Shell.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "output/InvioEmail.h"
#include "platform/AnsiCodePage.h"
#include "platform/OpenURL.h"
#include "pricelists/ListEditor.h"
#include "pricelists/OpenListEditor.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"

#include "Controls.h"
#include "ListRows.h"
#include "Seams.h"
#include "ShellFixture.h"
#include "TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString WrongPassword = u"Attenzione: password errata."_s;

const QChar LoneSurrogate(0xD800);
const QChar RightToLeftOverride(0x202E);

// Texts no keyboard types, as a clipboard can hold them.
QString Controls() {
    return u"A"_s + QChar(0) + u"B\x01\x1b\x7f"_s + QChar(0x85) + u"C"_s;
}

// Pasted through the field's own menu over its whole text: no key filter
// sees it, the field's length limit does.
void PasteOver(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    field->paste();
}

QStringList Messages(const QVector<RecordedMessage>& shown) {
    QStringList texts;
    for (const RecordedMessage& message : shown)
        texts << message.text;
    return texts;
}

// Every entry under a folder, its subfolders included, as paths relative to it.
QStringList Tree(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

// The program folder one level down in a folder of the test's own, so that a
// file written beside it or above it shows up in the tree of the outer one.
class FencedProgramFolder {
public:
    FencedProgramFolder() {
        QDir(m_outer.path()).mkdir(u"Orbisala"_s);
        m_scope.emplace(QDir(m_outer.path()).filePath(u"Orbisala"_s));
    }
    QString path() const { return m_scope->path(); }
    QString filePath(const QString& name) const { return m_scope->filePath(name); }
    // Everything in the outer folder, the program folder's own entries as
    // "Orbisala/<name>".
    QStringList tree() const { return Tree(m_outer.path()); }
    // The entries that appeared since `before`, each a plain file directly
    // in the program folder, or the reason why not.
    QString strayEntries(const QStringList& before) const {
        QStringList stray;
        for (const QString& entry : tree()) {
            if (before.contains(entry))
                continue;
            const QFileInfo info(QDir(m_outer.path()).filePath(entry));
            if (!entry.startsWith(u"Orbisala/"_s) || entry.count(u'/') != 1 || !info.isFile())
                stray << entry;
        }
        return stray.join(u", "_s);
    }

private:
    QTemporaryDir m_outer;
    std::optional<ProgramFolderScope> m_scope;
};

// Sound bytes of a list or ticket file: CR LF after every line and nowhere
// else, no NUL, and the given lines once decoded.
void CheckWholeLines(const QByteArray& bytes, const QStringList& lines) {
    QVERIFY2(!bytes.contains('\0'), bytes.toHex(' ').constData());
    QByteArray expected;
    for (const QString& line : lines)
        expected += EncodeAnsi(line) + "\r\n";
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count('\n'), lines.size());
    QCOMPARE(bytes.count('\r'), lines.size());
}

const CatalogueEntry& Pizze() {
    for (const CatalogueEntry& entry : CategoryEntries())
        if (entry.Key == u"Pizze")
            return entry;
    return CategoryEntries().first();
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    // Access
    void passwordField_data();
    void passwordField();
    void changePasswordFields_data();
    void changePasswordFields();

    // The list editors
    void priceEditorFields_data();
    void priceEditorFields();
    void tableEditorField_data();
    void tableEditorField();

    // The table name of a ticket, from the table list into the archive
    void tableNameIntoArchive_data();
    void tableNameIntoArchive();

    // The e-mail window
    void emailFields_data();
    void emailFields();

private:
    // Opens the editor of `entry`, lets `drive` work on it, returns when it
    // has closed.
    void DriveEditor(const CatalogueEntry& entry, const std::function<void(QDialog*)>& drive);
};

// ---------------------------------------------------------------------- Access

void TestBadInput::passwordField_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("30,000 letters") << QString(30000, u'b');
    QTest::newRow("the password and 30,000 blanks") << u"bruschettavolo"_s + QString(30000, u' ');
    QTest::newRow("NUL and control characters") << Controls();
    QTest::newRow("the password with a NUL inside") << u"bruschetta"_s + QChar(0) + u"volo"_s;
    QTest::newRow("a lone surrogate") << u"bruschettavolo"_s + LoneSurrogate;
    QTest::newRow("a direction override") << RightToLeftOverride + u"olovattehcsurb"_s;
}

void TestBadInput::passwordField() {
    QFETCH(QString, pasted);
    ShellFixture shell;
    const QStringList before = FolderEntries(shell.folder.path());
    const QByteArray store = ReadBytes(PasswordStorePath());

    QWidget* window = Kept().Password;
    QLineEdit* field = Control<QLineEdit>(window, u"txtPassword"_s);
    QVERIFY(field);
    PasteOver(field, pasted);
    QCOMPARE(field->text(), pasted);
    Click(window, u"cmdOK"_s);

    // Blanks around the right password are forgiven; nothing else is.
    const bool right = pasted.trimmed() == u"bruschettavolo"_s;
    QCOMPARE(Kept().Avvio->isVisible(), right);
    QCOMPARE(Messages(shell.messages), right ? QStringList() : QStringList{WrongPassword});
    QCOMPARE(FolderEntries(shell.folder.path()), before);
    QCOMPARE(ReadBytes(PasswordStorePath()), store);
}

void TestBadInput::changePasswordFields_data() {
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<bool>("storable"); // else refused with the message that says why
    QTest::newRow("255 letters") << QString(255, u'n') << true;
    QTest::newRow("256 letters") << QString(256, u'n') << false;
    QTest::newRow("30,000 letters") << QString(30000, u'n') << false;
    QTest::newRow("accented, blanks around") << u"  caffè  "_s << true;
    QTest::newRow("a lone surrogate") << u"nuova"_s + LoneSurrogate << false;
    QTest::newRow("a direction override") << u"nuo"_s + RightToLeftOverride + u"va"_s << false;
    QTest::newRow("the euro sign") << u"5€"_s << false;
    // Below U+0100, so scrambled faithfully, but no keyboard types them: the
    // store would hold a password nobody can type to enter.
    QTest::newRow("a NUL inside") << u"nu"_s + QChar(0) + u"ova"_s << false;
    QTest::newRow("control characters inside") << u"nu\x01\x1bova"_s << false;
    QTest::newRow("a C1 control inside") << u"nu"_s + QChar(0x85) + u"ova"_s << false;
}

void TestBadInput::changePasswordFields() {
    QFETCH(QString, newPassword);
    QFETCH(bool, storable);
    ShellFixture shell;
    const QByteArray store = ReadBytes(PasswordStorePath());
    const QStringList before = FolderEntries(shell.folder.path());

    Click(Kept().Password, u"btnCambiaPassword"_s);
    QWidget* change = Kept().CambiaPassword;
    QVERIFY(change->isVisible());
    PasteOver(Control<QLineEdit>(change, u"txtPasswordOld"_s), u"bruschettavolo"_s);
    PasteOver(Control<QLineEdit>(change, u"txtPasswordNew"_s), newPassword);
    PasteOver(Control<QLineEdit>(change, u"txtConferma"_s), newPassword);
    Click(change, u"cmdOK"_s);

    if (storable) {
        QCOMPARE(Messages(shell.messages),
                 QStringList{u"Modifica della password completata con successo."_s});
        QCOMPARE(ReadBytes(PasswordStorePath()), PasswordStoreContent(newPassword));
        // The new password, typed as the user would, enters.
        QLineEdit* field = Control<QLineEdit>(Kept().Password, u"txtPassword"_s);
        for (QChar c : newPassword.trimmed())
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
        Click(Kept().Password, u"cmdOK"_s);
        QVERIFY2(Kept().Avvio->isVisible(), "the stored password cannot be typed to enter");
    } else {
        QCOMPARE(Messages(shell.messages), QStringList{TfrmCambiaPassword::unstorableMessage()});
        QCOMPARE(ReadBytes(PasswordStorePath()), store);
        QVERIFY(change->isVisible());
    }
    QCOMPARE(FolderEntries(shell.folder.path()), before);
}

// ------------------------------------------------------------ The list editors

void TestBadInput::DriveEditor(const CatalogueEntry& entry,
                               const std::function<void(QDialog*)>& drive) {
    QWidget opener;
    QPointer<QDialog> shown;
    ModalRecorder dialogs([&](QDialog* dialog) {
        shown = dialog;
        QApplication::setActiveWindow(dialog);
        drive(dialog);
    });
    OpenListEditor(&opener, entry);
    if (dialogs.driverFailed())
        return;
    QCOMPARE(dialogs.shown, QStringList{entry.EditorClass});
    QVERIFY2(shown.isNull(), "the window outlives its closing");
}

void TestBadInput::priceEditorFields_data() {
    QTest::addColumn<QString>("name");      // pasted
    QTest::addColumn<QString>("price");     // pasted
    QTest::addColumn<QString>("nameKept");  // the name field's text after pasting
    QTest::addColumn<QString>("priceKept"); // the price as normalised
    QTest::addColumn<QString>("saved");     // the name as the file holds it (null: nothing added)

    const QString zero = u"0,00"_s;
    QTest::newRow("1e308") << u"Pizza"_s << u"1e308"_s << u"Pizza"_s << zero << u"Pizza"_s;
    QTest::newRow("1E4000, beyond any double")
        << u"Pizza"_s << u"1E4000"_s << u"Pizza"_s << zero << u"Pizza"_s;
    QTest::newRow("-1,5e-3") << u"Pizza"_s << u"-1,5e-3"_s << u"Pizza"_s << u"-0,0015"_s
                             << u"Pizza"_s;
    QTest::newRow("5,5E1") << u"Pizza"_s << u"5,5E1"_s << u"Pizza"_s << u"55,00"_s << u"Pizza"_s;
    QTest::newRow("1e-5") << u"Pizza"_s << u"1e-5"_s << u"Pizza"_s << zero << u"Pizza"_s;
    QTest::newRow("9e14, the largest that rounds")
        << u"Pizza"_s << u"9e14"_s << u"Pizza"_s << u"900000000000000,00"_s << u"Pizza"_s;
    QTest::newRow("1e15, too large to round")
        << u"Pizza"_s << u"1e15"_s << u"Pizza"_s << zero << u"Pizza"_s;
    // Longer than the field: refused as a whole, the field keeps "0,00".
    QTest::newRow("22 nines") << u"Pizza"_s << u"9999999999999999999999"_s << u"Pizza"_s << zero
                              << u"Pizza"_s;
    QTest::newRow("a NUL in the price")
        << u"Pizza"_s << u"5"_s + QChar(0) << u"Pizza"_s << zero << u"Pizza"_s;
    QTest::newRow("a direction override in the price")
        << u"Pizza"_s << RightToLeftOverride + u"5"_s << u"Pizza"_s << zero << u"Pizza"_s;

    // Names: too long is refused as a whole (nothing to add); characters
    // Windows-1252 lacks are saved as "?"; control characters never break
    // the line.
    QTest::newRow("30,000 letters of name")
        << QString(30000, u'x') << u"5"_s << QString() << u"5,00"_s << QString();
    QTest::newRow("51 letters of name")
        << QString(51, u'x') << u"5"_s << QString() << u"5,00"_s << QString();
    QTest::newRow("50 letters of name")
        << QString(50, u'x') << u"5"_s << QString(50, u'x') << u"5,00"_s << QString(50, u'x');
    QTest::newRow("a lone surrogate in the name")
        << u"Pizza "_s + LoneSurrogate << u"5"_s << u"Pizza "_s + LoneSurrogate << u"5,00"_s
        << u"Pizza ?"_s;
    QTest::newRow("a direction override in the name")
        << RightToLeftOverride + u"Pizza"_s << u"5"_s << RightToLeftOverride + u"Pizza"_s
        << u"5,00"_s << u"?Pizza"_s;
    QTest::newRow("NUL and controls in the name")
        << Controls() << u"5"_s << Controls() << u"5,00"_s << Controls().replace(QChar(0), u' ');
    QTest::newRow("line breaks in the name")
        << u"Pizza\r\nBianca\rRossa"_s << u"5"_s << u"Pizza\r\nBianca\rRossa"_s << u"5,00"_s
        << u"Pizza  Bianca Rossa"_s;
    QTest::newRow("euro and Greek") << u"€ ω"_s << u"5"_s << u"€ ω"_s << u"5,00"_s << u"€ ?"_s;
}

void TestBadInput::priceEditorFields() {
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(QString, nameKept);
    QFETCH(QString, priceKept);
    QFETCH(QString, saved);
    FencedProgramFolder folder;
    MessageRecorder messages;
    const QStringList before = folder.tree();
    const CatalogueEntry& entry = Pizze();

    TEST_STEP(DriveEditor(entry, [&](QDialog* window) {
        auto* nameField = Control<QLineEdit>(window, u"txtProdotto"_s);
        auto* priceField = Control<QLineEdit>(window, u"txtPrezzo"_s);
        QVERIFY(nameField && priceField);
        PasteOver(nameField, name);
        QCOMPARE(nameField->text(), nameKept);
        PasteOver(priceField, price);
        Click(window, u"btnTrova"_s); // the price field is left: normalised
        if (saved.isNull()) {
            QCOMPARE(Messages(messages.shown), QStringList{entry.NoNameWarning});
            QCOMPARE(priceField->text(), priceKept);
        } else {
            QCOMPARE(Messages(messages.shown), QStringList());
            QCOMPARE(Items(Control<LineList>(window, u"lstRecords"_s)),
                     QStringList{FormatPriceListLine(nameKept, priceKept)});
        }
        Click(window, u"btnChiudi"_s);
    }));

    QCOMPARE(folder.strayEntries(before), QString());
    const QByteArray bytes = ReadBytes(ListFilePath(entry));
    if (saved.isNull())
        QCOMPARE(bytes, QByteArray());
    else
        TEST_STEP(CheckWholeLines(bytes, {FormatPriceListLine(saved, priceKept)}));
}

void TestBadInput::tableEditorField_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("saved"); // the line in the file; null: refused, nothing added
    QTest::newRow("30,000 letters") << QString(30000, u'7') << QString();
    QTest::newRow("blanks only") << QString(49, u' ') << QString();
    QTest::newRow("a lone surrogate") << u"Sala "_s + LoneSurrogate << u"Sala ?"_s;
    QTest::newRow("a direction override") << u"7"_s + RightToLeftOverride + u"A"_s << u"7?A"_s;
    QTest::newRow("NUL and controls") << Controls() << Controls().replace(QChar(0), u' ');
    QTest::newRow("line breaks") << u"Sala\r\n2\n3"_s << u"Sala  2 3"_s;
    QTest::newRow("characters refused when typed") << u"a/b:c*?"_s << u"a/b:c*?"_s;
    QTest::newRow("a path upwards") << u"../../x"_s << u"../../x"_s;
}

void TestBadInput::tableEditorField() {
    QFETCH(QString, pasted);
    QFETCH(QString, saved);
    FencedProgramFolder folder;
    MessageRecorder messages;
    const QStringList before = folder.tree();

    TEST_STEP(DriveEditor(TableListEntry(), [&](QDialog* window) {
        auto* field = Control<QLineEdit>(window, u"txtTrova"_s);
        QVERIFY(field);
        PasteOver(field, pasted);
        Click(window, u"btnTrova"_s);
        QCOMPARE(Messages(messages.shown),
                 saved.isNull() ? QStringList{TableListEntry().NoNameWarning} : QStringList());
        Click(window, u"btnChiudi"_s);
    }));
    QCOMPARE(folder.strayEntries(before), QString());
    const QByteArray bytes = ReadBytes(ListFilePath(TableListEntry()));
    if (saved.isNull())
        QCOMPARE(bytes, QByteArray());
    else
        TEST_STEP(CheckWholeLines(bytes, {saved}));
}

// ------------------------------------------------ A table name into the archive

void TestBadInput::tableNameIntoArchive_data() {
    QTest::addColumn<QString>("table"); // the table list's one line, written in UTF-16
    QTest::addColumn<bool>("saved");    // else refused with the failure message
    QTest::newRow("plain") << u"Sala 1"_s << true;
    QTest::newRow("accented and euro") << u"Terrazza è €"_s << true;
    QTest::newRow("250 letters, path too long") << QString(250, u't') << false;
    // A name the file system cannot hold as it is would be stored under
    // another name than the one the ticket shows; a name that reads in
    // another order than it is stored would show the browser a ticket of
    // another table. Both are refused.
    QTest::newRow("a lone surrogate") << u"5"_s + LoneSurrogate + u"A"_s << false;
    QTest::newRow("a direction override") << u"5"_s + RightToLeftOverride + u"rue.exe"_s << false;
    QTest::newRow("a path upwards") << u"/../../x"_s << false;
    QTest::newRow("a backslash") << u"..\\x"_s << false;
}

void TestBadInput::tableNameIntoArchive() {
    QFETCH(QString, table);
    QFETCH(bool, saved);
    FencedProgramFolder folder;
    // UTF-16 with its mark: the one list-file form that holds any code unit.
    QByteArray utf16("\xff\xfe", 2);
    const QString line = table + u"\r\n"_s;
    utf16.append(reinterpret_cast<const char*>(line.utf16()), line.size() * 2);
    QVERIFY(WriteBytes(ListFilePath(TableListEntry()), utf16));
    const QStringList before = folder.tree();

    // The table as the table import dialog reads it from the list, into the
    // ticket's name as the order window's save builds it.
    const Result<QStringList> lines = ReadListFile(ListFilePath(TableListEntry()));
    QVERIFY(lines);
    QCOMPARE(*lines, QStringList{table});
    const QString name = ArchiveFileName(lines->first(), u"12/03/2024"_s, u"20:15:33"_s);
    const QString orderLine = BuildOrderLine(u"1"_s, u"Margherita"_s, u"5,50"_s);
    const Result<void> saving = SaveOrderArchive(name, {orderLine});

    QCOMPARE(folder.strayEntries(before), QString());
    const QStringList tickets = ListOrderArchives();
    if (saved) {
        QVERIFY2(saving, qPrintable(saving.error()));
        // The browser lists the ticket under the very name that was built.
        QCOMPARE(tickets, QStringList{name});
        TEST_STEP(CheckWholeLines(ReadBytes(folder.filePath(name)), {orderLine}));
    } else {
        QVERIFY2(!saving, "saved");
        QCOMPARE(tickets, QStringList());
    }
}

// ------------------------------------------------------------- The e-mail window

void TestBadInput::emailFields_data() {
    QTest::addColumn<QString>("recipients"); // pasted
    QTest::addColumn<QString>("subject");    // pre-filled by the order window
    QTest::addColumn<QString>("message");    // pasted
    const QString many = [] {
        QStringList addresses;
        for (int i = 0; addresses.join(u',').size() < 30000; ++i)
            addresses << u"cameriere%1@trattoria.it"_s.arg(i);
        return addresses.join(u',');
    }();
    const QString subject = u"Ordinazione tavolo 7 del giorno 12/03/2024 alle ore 20:15"_s;
    const QString message = u"ELENCO PORTATE: --- 2    Spritz"_s;
    QTest::newRow("30,000 characters of recipients") << many << subject << message;
    QTest::newRow("a lone surrogate in the subject")
        << u"a@b.it"_s << u"Ordinazione tavolo 5"_s + LoneSurrogate << message;
    QTest::newRow("a direction override in the subject")
        << u"a@b.it"_s << u"Ordinazione tavolo "_s + RightToLeftOverride + u"7"_s << message;
    QTest::newRow("NUL and controls in the message") << u"a@b.it"_s << subject << Controls();
    QTest::newRow("link syntax everywhere")
        << u"a@b.it?cc=x@y.it&bcc=z@w.it#"_s << u"100% & più"_s << u"a&body=b?c#d%20e"_s;
    QTest::newRow("30,000 characters of message") << u"a@b.it"_s << subject << QString(30000, u'm');
}

void TestBadInput::emailFields() {
    QFETCH(QString, recipients);
    QFETCH(QString, subject);
    QFETCH(QString, message);
    FencedProgramFolder folder;
    MessageRecorder messages;
    DesktopRecorder desktop;
    const QStringList before = folder.tree();

    QString shownRecipients, shownMessage;
    QWidget opener;
    ModalRecorder dialogs([&](QDialog* dialog) {
        auto* window = qobject_cast<TfrmInvioEmail*>(dialog);
        QVERIFY(window);
        QApplication::setActiveWindow(window);
        auto* recipientsField = Control<QLineEdit>(window, u"txtDestinatari"_s);
        QVERIFY(recipientsField);
        PasteOver(recipientsField, recipients);
        auto* messageField = Control<QPlainTextEdit>(window, u"txtMessaggio"_s);
        QVERIFY(messageField);
        QApplication::clipboard()->setText(message);
        messageField->selectAll();
        messageField->paste();
        shownRecipients = recipientsField->text();
        shownMessage = window->message();
        Click(window, u"btnInvia"_s);
        Click(window, u"btnChiudi"_s);
    });
    OpenInvioEmail(&opener, subject, message);
    QVERIFY(!dialogs.driverFailed());
    QCOMPARE(Messages(messages.shown), QStringList());
    QCOMPARE(shownRecipients, recipients);

    // One hand-off, and the link the desktop receives reads back as the
    // three texts shown (a lone surrogate as the replacement character).
    QCOMPARE(desktop.opened.size(), 1);
    const QUrl link(DesktopUrlFor(desktop.opened.first()), QUrl::StrictMode);
    QVERIFY2(link.isValid(), qPrintable(link.errorString()));
    QCOMPARE(link.scheme(), u"mailto"_s);
    const auto readable = [](QString text) { return QString::fromUtf8(text.trimmed().toUtf8()); };
    QCOMPARE(link.path(QUrl::FullyDecoded), readable(recipients));
    const QUrlQuery query(link);
    QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), readable(subject));
    QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded), readable(shownMessage));
    QCOMPARE(query.queryItems().size(), 2);

    // The recipients kept in the settings file as one whole line.
    QCOMPARE(folder.strayEntries(before), QString());
    const QByteArray ini = ReadBytes(folder.filePath(u"Orbisala.ini"_s));
    QCOMPARE(ini, "[Destinatari Comande]\r\nIndirizzi Email=" + EncodeAnsi(recipients.trimmed()) +
                      "\r\n");
}

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
