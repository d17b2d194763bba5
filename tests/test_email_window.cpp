// The e-mail window: the recipients kept in "Orbisala.ini" across openings,
// the three checks before sending, the link handed to the mail program whole,
// and the keys of its three fields.
#include "output/InvioEmail.h"
#include "output/MailtoLink.h"

#include "Controls.h"
#include "FileSizeLimit.h"
#include "Seams.h"
#include "TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString RecipientsWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare l'indirizzo di "
    u"almeno un destinatario."_s;
const QString SubjectWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario indicare l'oggetto."_s;
const QString MessageWarning =
    u"Attenzione: per inviare la comanda tramite e-mail è necessario scrivere il testo del "
    u"messaggio."_s;

const QByteArray EmptySettings = "[Destinatari Comande]\r\nIndirizzi Email=\r\n";

const QString Subject = u"Ordinazione tavolo 7 del giorno 05/03/2024 alle ore 20:15"_s;
const QString Message = u"ELENCO PORTATE: --- 2    Pizza margherita --- 1    Acqua naturale"_s;

enum class CloseWay { Chiudi, EnterOnChiudi, Escape, WindowSystem };

// Puts a text into a field the way the user pastes it: through the clipboard
// and Ctrl+V, replacing what the field held.
void Paste(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// One key press per character, carrying the character as typed text.
void Type(QWidget* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

void Close(TfrmInvioEmail* window, CloseWay way) {
    switch (way) {
    case CloseWay::Chiudi:
        Click(Control<QPushButton>(window, "btnChiudi"));
        break;
    case CloseWay::EnterOnChiudi:
        Control<QPushButton>(window, "btnChiudi")->setFocus();
        QTest::keyClick(Control<QPushButton>(window, "btnChiudi"), Qt::Key_Return);
        break;
    case CloseWay::Escape:
        QTest::keyClick(Control<QLineEdit>(window, "txtOggetto"), Qt::Key_Escape);
        break;
    case CloseWay::WindowSystem:
        window->windowHandle()->close();
        break;
    }
}

QString FocusName(QWidget* window) {
    return window->focusWidget() ? window->focusWidget()->objectName() : u"<none>"_s;
}

} // namespace

Q_DECLARE_METATYPE(CloseWay)

class TestEmailWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAsOpened();

    // The recipients in the settings file
    void closeStoresRecipients_data();
    void closeStoresRecipients();
    void recipientsReadBackOnNextOpening();
    void unusableSettingsFileGoesUnnoticed();
    void unwritableSettingsFileKeepsItsRecipients_data();
    void unwritableSettingsFileKeepsItsRecipients();

    // Sending
    void sendHandsOffWholeText_data();
    void sendHandsOffWholeText();
    void emptyFieldWarns_data();
    void emptyFieldWarns();
    void refusedHandOffWarns();

    // Keys
    void refusedRecipientCharacter_data();
    void refusedRecipientCharacter();
    void typedRecipients_data();
    void typedRecipients();
    void composedLettersRefused();
    void pastedAndStoredTextUnfiltered();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void keyboardOnlySending();

private:
    // Opens a fresh window pre-filled with the subject and message, lets
    // `drive` work on it while it shows, and returns once it has closed and
    // been destroyed. Called inside TEST_STEP, so that a failed check in
    // `drive` stops the test.
    void Drive(const QString& subject, const QString& message,
               const std::function<void(TfrmInvioEmail*)>& drive);
    QString SettingsPath() const { return m_folder->filePath(u"Orbisala.ini"_s); }

    // Each test's own, installed by init() and put back by cleanup().
    std::optional<ProgramFolderScope> m_folder;
    std::optional<DesktopRecorder> m_desktop;
    std::optional<MessageRecorder> m_messages;
};

void TestEmailWindow::init() {
    m_folder.emplace();
    m_desktop.emplace();
    m_messages.emplace();
}

void TestEmailWindow::cleanup() {
    m_messages.reset();
    m_desktop.reset();
    m_folder.reset();
}

void TestEmailWindow::Drive(const QString& subject, const QString& message,
                            const std::function<void(TfrmInvioEmail*)>& drive) {
    QWidget opener;
    QPointer<TfrmInvioEmail> shown;
    ModalRecorder dialogs([&](QDialog* dialog) {
        shown = qobject_cast<TfrmInvioEmail*>(dialog);
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QApplication::setActiveWindow(shown);
        drive(shown);
    });
    OpenInvioEmail(&opener, subject, message);
    if (dialogs.driverFailed())
        return;
    QCOMPARE(dialogs.shown, QStringList{u"TfrmInvioEmail"_s});
    QVERIFY2(shown.isNull(), "the window outlives its closing");
}

// ------------------------------------------------------------------ The window

void TestEmailWindow::windowAsOpened() {
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        QCOMPARE(window->objectName(), u"TfrmInvioEmail"_s);
        QCOMPARE(window->windowTitle(), u" Invio comanda tramite e-mail"_s);
        QCOMPARE(window->size(), QSize(862, 561));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->isModal());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY2(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                            Qt::WindowContextHelpButtonHint)),
                 "the title bar offers buttons");

        QStringList texts;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->isVisible())
                texts << label->text();
        for (const QString& text :
             {u"INVIO COMANDA TRAMITE E-MAIL"_s,
              u"Accertarsi che tutti i campi siano compilati correttamente e premere il pulsante "
              u"Invia e-mail"_s,
              u"Indirizzi e-mail destinatari (separati da virgola):"_s, u"Oggetto:"_s,
              u"Messaggio:"_s})
            QVERIFY2(texts.contains(text), qPrintable("not shown: " + text));
        QCOMPARE(Control<QPushButton>(window, "btnChiudi")->text(), u"Chiudi"_s);
        QCOMPARE(Control<QPushButton>(window, "btnInvia")->text(), u"Invia e-mail"_s);
        for (QPushButton* button : {Control<QPushButton>(window, "btnChiudi"),
                                    Control<QPushButton>(window, "btnInvia")}) {
            QCOMPARE(button->font().family(), u"Verdana"_s);
            QCOMPARE(button->font().pointSize(), 14);
            QCOMPARE(button->font().weight(), QFont::Normal);
        }
        QVERIFY2(Control<QPushButton>(window, "btnChiudi")->geometry().right() <
                     Control<QPushButton>(window, "btnInvia")->geometry().left(),
                 "Chiudi does not stand left of Invia e-mail");

        // The pre-fill as the opener wrote it; the recipients from the
        // (missing) settings file; the focus in the first field.
        QCOMPARE(Control<QLineEdit>(window, "txtOggetto")->text(), Subject);
        QCOMPARE(window->message(), Message);
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), QString());
        QCOMPARE(FocusName(window), u"txtDestinatari"_s);
        QCOMPARE(Control<QPlainTextEdit>(window, "txtMessaggio")->lineWrapMode(),
                 QPlainTextEdit::WidgetWidth);

        // Tab walks recipients, subject, message, Chiudi, Invia e-mail and
        // types nothing on its way.
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            order << FocusName(window);
        }
        QCOMPARE(order,
                 QStringList({u"txtOggetto"_s, u"txtMessaggio"_s, u"btnChiudi"_s, u"btnInvia"_s}));
        QCOMPARE(window->message(), Message);
        window->close();
    }));
}

// ------------------------------------------------- The recipients in the file

void TestEmailWindow::closeStoresRecipients_data() {
    QTest::addColumn<CloseWay>("way");
    QTest::addColumn<QByteArray>("before"); // null: no settings file
    QTest::addColumn<QString>("pasted");    // null: the field is left as shown
    QTest::addColumn<QByteArray>("after");

    const QByteArray others = "; stazione sala\r\n[Stampa]\r\nCopie=2\r\n";
    QTest::newRow("Chiudi, no file, nothing typed")
        << CloseWay::Chiudi << QByteArray() << QString() << EmptySettings;
    QTest::newRow("Escape, no file, blanks only")
        << CloseWay::Escape << QByteArray() << u"  \t "_s << EmptySettings;
    QTest::newRow("window system, no file, blanks around")
        << CloseWay::WindowSystem << QByteArray()
        << u"  cucina@trattoria.it, cassa@trattoria.it \t"_s
        << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=cucina@trattoria.it, "
                      "cassa@trattoria.it\r\n");
    QTest::newRow("Chiudi, field emptied, other lines kept")
        << CloseWay::Chiudi << others + "[Destinatari Comande]\r\nIndirizzi Email=a@b.it\r\n"
        << QString() << others + "[Destinatari Comande]\r\nIndirizzi Email=\r\n";
    QTest::newRow("Enter on Chiudi, value replaced")
        << CloseWay::EnterOnChiudi << QByteArray() << u"x@y.it"_s
        << QByteArray("[Destinatari Comande]\r\nIndirizzi Email=x@y.it\r\n");
    QTest::newRow("Escape, value replaced, other lines kept")
        << CloseWay::Escape << "[Destinatari Comande]\r\nIndirizzi Email=a@b.it\r\n" + others
        << u" x@y.it "_s << "[Destinatari Comande]\r\nIndirizzi Email=x@y.it\r\n" + others;
}

void TestEmailWindow::closeStoresRecipients() {
    QFETCH(CloseWay, way);
    QFETCH(QByteArray, before);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        QVERIFY(WriteBytes(SettingsPath(), before));

    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        if (!pasted.isNull())
            Paste(Control<QLineEdit>(window, "txtDestinatari"), pasted);
        else if (!before.isNull()) // empty the field shown from the file
            Control<QLineEdit>(window, "txtDestinatari")->clear();
        QVERIFY2(!QFileInfo::exists(SettingsPath()) || ReadBytes(SettingsPath()) == before,
                 "the settings file changed before the window closed");
        Close(window, way);
        QVERIFY2(!window->isVisible(), "the window stays open");
    }));
    QCOMPARE(ReadBytes(SettingsPath()), after);
    QVERIFY2(m_desktop->opened.isEmpty(), "closing handed something to the mail program");
    QCOMPARE(m_messages->shown.size(), 0);
}

void TestEmailWindow::recipientsReadBackOnNextOpening() {
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        Paste(Control<QLineEdit>(window, "txtDestinatari"),
              u"  cucina@trattoria.it,cassa@trattoria.it  "_s);
        Control<QLineEdit>(window, "txtOggetto")->setText(u"Oggetto cambiato"_s);
        Close(window, CloseWay::Chiudi);
    }));

    // The next opening is a new window: the recipients come back from the
    // file without their blanks, the subject and message from the opener.
    TEST_STEP(Drive(u"Ordinazione tavolo 9"_s, u"ELENCO PORTATE: --- 1    Caffè"_s,
                    [&](TfrmInvioEmail* window) {
                        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(),
                                 u"cucina@trattoria.it,cassa@trattoria.it"_s);
                        QCOMPARE(Control<QLineEdit>(window, "txtOggetto")->text(),
                                 u"Ordinazione tavolo 9"_s);
                        QCOMPARE(window->message(), u"ELENCO PORTATE: --- 1    Caffè"_s);
                        Close(window, CloseWay::Chiudi);
                    }));

    // A file edited outside the program: section and key in other case,
    // blanks around the value.
    QVERIFY(WriteBytes(SettingsPath(),
                       "[destinatari comande]\r\nINDIRIZZI EMAIL =  bar@sala.it  \r\n"));
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), u"bar@sala.it"_s);
        Close(window, CloseWay::Chiudi);
    }));
}

void TestEmailWindow::unusableSettingsFileGoesUnnoticed() {
    // A folder where the settings file belongs can be neither read nor
    // written: the field starts empty, the window closes, nothing is said.
    QVERIFY(QDir(m_folder->path()).mkdir(u"Orbisala.ini"_s));
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), QString());
        Paste(Control<QLineEdit>(window, "txtDestinatari"), u"cucina@trattoria.it"_s);
        Close(window, CloseWay::Chiudi);
        QVERIFY(!window->isVisible());
    }));
    QVERIFY(QFileInfo(SettingsPath()).isDir());
    QCOMPARE(m_messages->shown.size(), 0);
}

// A settings file that reads but cannot be written at close, read-only or on
// a full disk (where not even the lock file beside it can be made): the
// recipients typed are not kept, the file stays as it was, the window closes
// and nothing is said.
void TestEmailWindow::unwritableSettingsFileKeepsItsRecipients_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("read-only file") << u"read-only"_s;
    QTest::newRow("full disk") << u"full disk"_s;
}

void TestEmailWindow::unwritableSettingsFileKeepsItsRecipients() {
    QFETCH(QString, failure);
    const QByteArray before = "[Destinatari Comande]\r\nIndirizzi Email=cucina@trattoria.it\r\n";
    QVERIFY(WriteBytes(SettingsPath(), before));
    if (failure == u"read-only")
        QVERIFY(MakeReadOnly(SettingsPath()));

    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), u"cucina@trattoria.it"_s);
        Paste(Control<QLineEdit>(window, "txtDestinatari"), u"cassa@trattoria.it"_s);
        {
            std::optional<FileSizeLimit> limit;
            if (failure == u"full disk") {
                limit.emplace(16);
                QVERIFY(limit->active());
            }
            Close(window, CloseWay::Chiudi);
        }
        QVERIFY2(!window->isVisible(), "the window stays open");
    }));
    QCOMPARE(ReadBytes(SettingsPath()), before);
    QCOMPARE(FolderEntries(m_folder->path()), QStringList{u"Orbisala.ini"_s});
    QCOMPARE(m_messages->shown.size(), 0);
    QVERIFY2(m_desktop->opened.isEmpty(), "closing handed something to the mail program");
}

// --------------------------------------------------------------------- Sending

void TestEmailWindow::sendHandsOffWholeText_data() {
    QTest::addColumn<QString>("recipients"); // pasted
    QTest::addColumn<QString>("subject");    // pre-filled
    QTest::addColumn<QString>("message");    // pasted
    QTest::addColumn<QString>("link");       // as composed

    QTest::newRow("ampersand, lines and euro")
        << u"cucina@trattoria.it,cassa@trattoria.it"_s
        << u"Ordinazione tavolo Sala & Giardino del giorno 05/03/2024 alle ore 20:15"_s
        << u"ELENCO PORTATE: --- 2    Pizza € 6,50\r\n--- 1    Acqua\r\n--- 1    Caffè"_s
        << u"mailto:cucina@trattoria.it,cassa@trattoria.it?subject=Ordinazione tavolo Sala & "
           u"Giardino del giorno 05/03/2024 alle ore 20:15&body=ELENCO PORTATE: --- 2    Pizza € "
           u"6,50\r\n--- 1    Acqua\r\n--- 1    Caffè"_s;
    QTest::newRow("characters of the link's own syntax")
        << u"bar@sala.it"_s << u"Tavolo 4?subject=x#1 100% &body=y+z"_s
        << u"a=b&c=d; 50%25 #fine ?"_s
        << u"mailto:bar@sala.it?subject=Tavolo 4?subject=x#1 100% &body=y+z&body=a=b&c=d; 50%25 "
           u"#fine ?"_s;
    QTest::newRow("blanks around each field dropped")
        << u"  \t cucina@trattoria.it  "_s << u"   Tavolo 2 \t"_s
        << u"\r\n  --- 1    Caffè  \r\n\r\n"_s
        << u"mailto:cucina@trattoria.it?subject=Tavolo 2&body=--- 1    Caffè"_s;
    QTest::newRow("blank lines inside kept")
        << u"cucina@trattoria.it"_s << u"Tavolo 2"_s << u"riga uno\r\n\r\n\r\nriga quattro"_s
        << u"mailto:cucina@trattoria.it?subject=Tavolo 2&body=riga uno\r\n\r\n\r\nriga quattro"_s;
}

void TestEmailWindow::sendHandsOffWholeText() {
    QFETCH(QString, recipients);
    QFETCH(QString, subject);
    QFETCH(QString, message);
    QFETCH(QString, link);

    TEST_STEP(Drive(subject, QString(), [&](TfrmInvioEmail* window) {
        Paste(Control<QLineEdit>(window, "txtDestinatari"), recipients);
        Paste(Control<QPlainTextEdit>(window, "txtMessaggio"), message);
        QCOMPARE(window->message(), message);
        QCOMPARE(MailtoLink(Control<QLineEdit>(window, "txtDestinatari")->text(),
                            Control<QLineEdit>(window, "txtOggetto")->text(), window->message()),
                 link);

        Click(Control<QPushButton>(window, "btnInvia"));
        QCOMPARE(m_messages->shown.size(), 0);
        QCOMPARE(m_desktop->opened.size(), 1);
        QVERIFY2(window->isVisible(), "sending closed the window");

        // The desktop gets the link in quotes, each field percent-encoded.
        const QString handed = m_desktop->opened.at(0);
        QVERIFY2(handed.size() > 2 && handed.startsWith(u'"') && handed.endsWith(u'"'),
                 qPrintable(handed));
        const QString inner = handed.mid(1, handed.size() - 2);
        // Only the two separators of the link stand bare; the fields' own
        // "?", "&", "#", blanks, line breaks and "€" are encoded.
        QVERIFY2(inner.count(u'?') == 1 && inner.count(u'&') == 1 && !inner.contains(u'#') &&
                     !inner.contains(u'"') && !inner.contains(u' ') && !inner.contains(u'\r') &&
                     !inner.contains(u'\n') && !inner.contains(u'€'),
                 qPrintable(inner));
        const QUrl url(inner, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.scheme(), u"mailto"_s);
        QCOMPARE(url.path(QUrl::FullyDecoded), recipients.trimmed());
        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).first, u"subject"_s);
        QCOMPARE(items.at(0).second, subject.trimmed());
        QCOMPARE(items.at(1).first, u"body"_s);
        QCOMPARE(items.at(1).second, message.trimmed());
        // What decodes back is the composed link, character for character.
        QCOMPARE(u"mailto:"_s + url.path(QUrl::FullyDecoded) + u"?subject="_s + items.at(0).second +
                     u"&body="_s + items.at(1).second,
                 link);

        // The same link can be handed on again.
        Click(Control<QPushButton>(window, "btnInvia"));
        QCOMPARE(m_desktop->opened, QStringList({handed, handed}));
        window->close();
    }));
}

void TestEmailWindow::emptyFieldWarns_data() {
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");

    const QString to = u"cucina@trattoria.it"_s;
    QTest::newRow("no recipients")
        << QString() << Subject << Message << RecipientsWarning << u"txtDestinatari"_s;
    QTest::newRow("recipients blank")
        << u" \t "_s << Subject << Message << RecipientsWarning << u"txtDestinatari"_s;
    QTest::newRow("everything empty: recipients first")
        << QString() << QString() << QString() << RecipientsWarning << u"txtDestinatari"_s;
    QTest::newRow("no subject") << to << QString() << Message << SubjectWarning << u"txtOggetto"_s;
    QTest::newRow("subject blank")
        << to << u"  \t"_s << Message << SubjectWarning << u"txtOggetto"_s;
    QTest::newRow("subject and message empty: subject first")
        << to << QString() << QString() << SubjectWarning << u"txtOggetto"_s;
    QTest::newRow("no message") << to << Subject << QString() << MessageWarning
                                << u"txtMessaggio"_s;
    QTest::newRow("message of blank lines")
        << to << Subject << u"\r\n  \r\n\t\r\n"_s << MessageWarning << u"txtMessaggio"_s;
}

void TestEmailWindow::emptyFieldWarns() {
    QFETCH(QString, recipients);
    QFETCH(QString, subject);
    QFETCH(QString, message);
    QFETCH(QString, warning);
    QFETCH(QString, focus);

    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        Control<QLineEdit>(window, "txtDestinatari")->setText(recipients);
        Control<QLineEdit>(window, "txtOggetto")->setText(subject);
        Control<QPlainTextEdit>(window, "txtMessaggio")->setPlainText(message);
        Control<QPushButton>(window, "btnChiudi")->setFocus();

        Click(Control<QPushButton>(window, "btnInvia"));
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown.at(0).kind, MessageKind::Warning);
        QCOMPARE(m_messages->shown.at(0).text, warning);
        QCOMPARE(FocusName(window), focus);
        QVERIFY2(m_desktop->opened.isEmpty(), "an incomplete e-mail was handed on");
        QVERIFY(window->isVisible());
        // The fields stay as they were.
        QCOMPARE(Control<QLineEdit>(window, "txtOggetto")->text(), subject);
        window->close();
    }));
}

// The offscreen platform has no desktop open service: the link handed on
// unrecorded is refused there, as on a station without a mail program, and
// the user is told instead of seeing nothing happen.
void TestEmailWindow::refusedHandOffWarns() {
    m_desktop.reset();
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        Control<QLineEdit>(window, "txtDestinatari")->setText(u"cucina@trattoria.it"_s);
        Click(Control<QPushButton>(window, "btnInvia"));
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown.at(0).kind, MessageKind::Warning);
        QVERIFY2(m_messages->shown.at(0).text.startsWith(
                     u"Attenzione: non è stato possibile passare la comanda al programma di "
                     u"posta elettronica."_s),
                 qPrintable(m_messages->shown.at(0).text));
        QVERIFY2(window->isVisible(), "the window closed after a refused hand-off");
        window->close();
    }));
}

// ------------------------------------------------------------------------ Keys

void TestEmailWindow::refusedRecipientCharacter_data() {
    QTest::addColumn<QChar>("character");
    QTest::addColumn<bool>("refused");

    const QString refused = u" /<>£°ÀÁÂÄÇÈÉÊËÌÍÎÏÑÒÓÔÖÙÚÛÜàáâäçèéêëìíîïñòóôöùúûü"_s;
    for (QChar c : refused)
        QTest::addRow("refused U+%04X %s", c.unicode(), qPrintable(QString(c))) << c << true;
    // Neighbours of the refused ones that pass.
    const QString accepted = u",;@._-+0aZ\\|:\"'?ÃÅÆÕØÝßãåõøýÿ€\u00A0\t"_s;
    for (QChar c : accepted)
        QTest::addRow("accepted U+%04X", c.unicode()) << c << false;
}

void TestEmailWindow::refusedRecipientCharacter() {
    QFETCH(QChar, character);
    QFETCH(bool, refused);
    QCOMPARE(IsRefusedRecipientCharacter(character), refused);
}

void TestEmailWindow::typedRecipients_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("addresses and comma")
        << u"Cucina@Trattoria.it,cassa_2@sala-1.it"_s << u"Cucina@Trattoria.it,cassa_2@sala-1.it"_s;
    QTest::newRow("space after the comma refused") << u"a@b.it, c@d.it"_s << u"a@b.it,c@d.it"_s;
    QTest::newRow("accented letters refused") << u"caffè@bàr.it"_s << u"caff@br.it"_s;
    QTest::newRow("every refused character")
        << u" /<>£°ÀÁÂÄÇÈÉÊËÌÍÎÏÑÒÓÔÖÙÚÛÜàáâäçèéêëìíîïñòóôöùúûü"_s << QString();
    QTest::newRow("other Latin-1 letters pass") << u"ÃÕß"_s << u"ÃÕß"_s;
}

void TestEmailWindow::typedRecipients() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        Control<QLineEdit>(window, "txtDestinatari")->setFocus();
        Type(Control<QLineEdit>(window, "txtDestinatari"), typed);
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), shown);
        // The subject accepts what the recipients refuse.
        Type(Control<QLineEdit>(window, "txtOggetto"), u" è/<>"_s);
        QCOMPARE(Control<QLineEdit>(window, "txtOggetto")->text(), Subject + u" è/<>"_s);
        Close(window, CloseWay::Chiudi);
    }));
    QCOMPARE(ReadBytes(SettingsPath()),
             "[Destinatari Comande]\r\nIndirizzi Email=" + shown.toLatin1() + "\r\n");
}

void TestEmailWindow::composedLettersRefused() {
    // Letters built with a dead key reach the field as committed text.
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        Control<QLineEdit>(window, "txtDestinatari")->setFocus();
        Type(Control<QLineEdit>(window, "txtDestinatari"), u"caff"_s);
        QInputMethodEvent composed(QString(), {});
        composed.setCommitString(u"è"_s);
        QApplication::sendEvent(Control<QLineEdit>(window, "txtDestinatari"), &composed);
        QInputMethodEvent mixed(QString(), {});
        mixed.setCommitString(u"ë@bãr.it"_s);
        QApplication::sendEvent(Control<QLineEdit>(window, "txtDestinatari"), &mixed);
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), u"caff@bãr.it"_s);
        window->close();
    }));
}

void TestEmailWindow::pastedAndStoredTextUnfiltered() {
    QVERIFY(WriteBytes(SettingsPath(),
                       "[Destinatari Comande]\r\nIndirizzi Email=Cucina <cucina@bar.it>\r\n"));
    TEST_STEP(Drive(Subject, Message, [&](TfrmInvioEmail* window) {
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), u"Cucina <cucina@bar.it>"_s);
        Control<QLineEdit>(window, "txtDestinatari")
            ->setCursorPosition(Control<QLineEdit>(window, "txtDestinatari")->text().size());
        QApplication::clipboard()->setText(u", Caffè Sala/2 <sala@bar.it>"_s);
        QTest::keyClick(Control<QLineEdit>(window, "txtDestinatari"), Qt::Key_V,
                        Qt::ControlModifier);
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(),
                 u"Cucina <cucina@bar.it>, Caffè Sala/2 <sala@bar.it>"_s);
        Close(window, CloseWay::Chiudi);
    }));
    QCOMPARE(ReadBytes(SettingsPath()),
             QByteArray("[Destinatari Comande]\r\nIndirizzi Email=Cucina <cucina@bar.it>, Caff\xe8 "
                        "Sala/2 <sala@bar.it>\r\n"));
}

void TestEmailWindow::enterMovesFocus_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("next");

    const int none = Qt::NoModifier;
    QTest::newRow("recipients, Return")
        << u"txtDestinatari"_s << int(Qt::Key_Return) << none << u"txtOggetto"_s;
    QTest::newRow("recipients, keypad Enter")
        << u"txtDestinatari"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << u"txtOggetto"_s;
    QTest::newRow("subject, Return")
        << u"txtOggetto"_s << int(Qt::Key_Return) << none << u"txtMessaggio"_s;
    QTest::newRow("message, Return")
        << u"txtMessaggio"_s << int(Qt::Key_Return) << none << u"btnInvia"_s;
    QTest::newRow("message, keypad Enter")
        << u"txtMessaggio"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << u"btnInvia"_s;
    QTest::newRow("message, Shift+Return")
        << u"txtMessaggio"_s << int(Qt::Key_Return) << int(Qt::ShiftModifier) << u"btnInvia"_s;
}

void TestEmailWindow::enterMovesFocus() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, next);

    TEST_STEP(Drive(Subject, u"riga uno"_s, [&](TfrmInvioEmail* window) {
        Control<QLineEdit>(window, "txtDestinatari")->setText(u"cucina@trattoria.it"_s);
        auto* widget = window->findChild<QWidget*>(field);
        QVERIFY(widget);
        widget->setFocus();
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            text->moveCursor(QTextCursor::End);

        QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(FocusName(window), next);
        // Nothing typed, nothing pressed.
        QCOMPARE(Control<QLineEdit>(window, "txtDestinatari")->text(), u"cucina@trattoria.it"_s);
        QCOMPARE(Control<QLineEdit>(window, "txtOggetto")->text(), Subject);
        QCOMPARE(window->message(), u"riga uno"_s);
        QCOMPARE(Control<QPlainTextEdit>(window, "txtMessaggio")->blockCount(), 1);
        QVERIFY2(m_desktop->opened.isEmpty() && m_messages->shown.isEmpty(),
                 "Enter pressed a button");
        QVERIFY2(window->isVisible(), "Enter closed the window");
        window->close();
    }));
}

void TestEmailWindow::keyboardOnlySending() {
    // The waiter's way without the mouse: Enter after each field, and Enter
    // once more on "Invia e-mail".
    TEST_STEP(Drive(QString(), QString(), [&](TfrmInvioEmail* window) {
        QCOMPARE(FocusName(window), u"txtDestinatari"_s);
        Type(window->focusWidget(), u"cucina@trattoria.it"_s);
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        Type(window->focusWidget(), u"Tavolo 3"_s);
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        Type(window->focusWidget(), u"Conto"_s);
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(FocusName(window), u"btnInvia"_s);
        QVERIFY(m_desktop->opened.isEmpty());
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(m_desktop->opened,
                 QStringList(u"\"mailto:cucina@trattoria.it?subject=Tavolo%203&body=Conto\""_s));
        window->close();
    }));
}

QTEST_MAIN(TestEmailWindow)
#include "test_email_window.moc"
