// The access check and the change of password, driven through the controls.
#include "Controls.h"
#include "ShellFixture.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

namespace {

const QString WrongPassword = QStringLiteral("Attenzione: password errata.");
const QString ReadFailure = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si "
    "consiglia di reinstallare il software.");
const QString ChangeFailure = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");
const QString WrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    "reinserire entrambi i valori.");
const QString Changed = QStringLiteral("Modifica della password completata con successo.");

// Types into the password window and presses OK.
void TryPassword(const QString& typed) {
    QLineEdit* field = Control<QLineEdit>(Kept().Password, "txtPassword");
    field->clear();
    QTest::keyClicks(field, typed);
    Click(Control<QPushButton>(Kept().Password, "cmdOK"));
}

void FillChange(const QString& oldPassword, const QString& newPassword, const QString& confirm) {
    QWidget* w = Kept().CambiaPassword;
    for (auto [name, text] :
         {std::pair{"txtPasswordOld", oldPassword}, std::pair{"txtPasswordNew", newPassword},
          std::pair{"txtConferma", confirm}}) {
        Control<QLineEdit>(w, name)->clear();
        // Characters the test keyboard cannot type arrive as pasted text.
        if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
            QTest::keyClicks(Control<QLineEdit>(w, name), text);
        else
            Control<QLineEdit>(w, name)->insert(text);
    }
    Click(Control<QPushButton>(w, "cmdOK"));
}

QStringList Texts(const QVector<RecordedMessage>& messages) {
    QStringList texts;
    for (const RecordedMessage& m : messages) {
        if (m.kind != MessageKind::Plain)
            texts.append(QStringLiteral("(not plain) ") + m.text);
        else
            texts.append(m.text);
    }
    return texts;
}

} // namespace

class TestPasswordWindows : public QObject {
    Q_OBJECT

private slots:
    void initialPasswordOpensTheStartWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("as installed") << "bruschettavolo";
        QTest::newRow("upper case") << "BRUSCHETTAVOLO";
        QTest::newRow("mixed case, blanks around") << "  BrUsChEtTaVoLo  ";
    }

    void initialPasswordOpensTheStartWindow() {
        QFETCH(QString, typed);
        ShellFixture shell;
        TryPassword(typed);
        QVERIFY2(Kept().Avvio->isVisible(), "the right password must lead to the start window");
        QVERIFY(!Kept().Password->isVisible());
        QVERIFY(shell.messages.isEmpty());
    }

    void enterChecksTheTypedPassword() {
        ShellFixture shell;
        QTest::keyClicks(Control<QLineEdit>(Kept().Password, "txtPassword"),
                         QStringLiteral("bruschettavolo"));
        QTest::keyClick(Control<QLineEdit>(Kept().Password, "txtPassword"), Qt::Key_Return);
        QVERIFY(Kept().Avvio->isVisible());
    }

    void wrongPasswordIsRefusedAndTheFieldEmptied() {
        ShellFixture shell;
        TryPassword(QStringLiteral("margherita"));
        QCOMPARE(Texts(shell.messages), QStringList{WrongPassword});
        QVERIFY(Control<QLineEdit>(Kept().Password, "txtPassword")->text().isEmpty());
        QVERIFY(Kept().Password->isVisible());
        QVERIFY(!Kept().Avvio->isVisible());
    }

    void blankFieldKeepsOkDisabledAndEnterDoesNothing() {
        ShellFixture shell;
        QLineEdit* field = Control<QLineEdit>(Kept().Password, "txtPassword");
        QPushButton* ok = Control<QPushButton>(Kept().Password, "cmdOK");
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(field, QStringLiteral("   "));
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(shell.messages.isEmpty());
        QVERIFY(Kept().Password->isVisible());
        QTest::keyClicks(field, QStringLiteral("x"));
        QVERIFY(ok->isEnabled());
    }

    void brokenStoreIsReportedOrRefused_data() {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QString>("message");
        QTest::newRow("non-hex pair") << QByteArray("[Accesso]\r\nValore=G1A2\r\n") << ReadFailure;
        QTest::newRow("no key") << QByteArray("[Accesso]\r\n") << WrongPassword;
        QTest::newRow("other section") << QByteArray("[Altro]\r\nValore=00\r\n") << WrongPassword;
    }

    void brokenStoreIsReportedOrRefused() {
        QFETCH(QByteArray, store);
        QFETCH(QString, message);
        ShellFixture shell;
        shell.writeStore(store);
        TryPassword(QStringLiteral("bruschettavolo"));
        QCOMPARE(Texts(shell.messages), QStringList{message});
        QVERIFY(!Kept().Avvio->isVisible());
        // A read failure leaves the typed text in place; a wrong password empties it.
        QCOMPARE(Control<QLineEdit>(Kept().Password, "txtPassword")->text().isEmpty(),
                 message == WrongPassword);
    }

    void missingStoreAcceptsNothing() {
        ShellFixture shell;
        QFile::remove(PasswordStorePath());
        TryPassword(QStringLiteral("bruschettavolo"));
        QCOMPARE(Texts(shell.messages), QStringList{WrongPassword});
        QVERIFY(!Kept().Avvio->isVisible());
        QVERIFY(!QFile::exists(PasswordStorePath()));
    }

    void changeOfPasswordWalksThroughItsRefusals() {
        ShellFixture shell;
        Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        QWidget* change = Kept().CambiaPassword;
        QVERIFY(change->isVisible());
        QVERIFY(!Kept().Password->isVisible());
        QVERIFY(!Control<QPushButton>(change, "cmdOK")->isEnabled());

        FillChange(QStringLiteral("focaccia"), QStringLiteral("Tiramisu"),
                   QStringLiteral("Tiramisu"));
        QCOMPARE(Texts(shell.messages).last(), WrongOld);
        QVERIFY(Control<QLineEdit>(change, "txtPasswordOld")->text().isEmpty());
        QCOMPARE(Control<QLineEdit>(change, "txtPasswordNew")->text(), QStringLiteral("Tiramisu"));

        // Differing only in letter case is still not a confirmation.
        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("Tiramisu"),
                   QStringLiteral("tiramisu"));
        QCOMPARE(Texts(shell.messages).last(), NotConfirmed);
        QVERIFY(Control<QLineEdit>(change, "txtPasswordNew")->text().isEmpty());
        QVERIFY(Control<QLineEdit>(change, "txtConferma")->text().isEmpty());
        QCOMPARE(Control<QLineEdit>(change, "txtPasswordOld")->text(),
                 QStringLiteral("bruschettavolo"));

        // A password the store cannot keep whole is refused.
        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("caffè€"),
                   QStringLiteral("caffè€"));
        QCOMPARE(Texts(shell.messages).last(), TfrmCambiaPassword::unstorableMessage());

        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("Tiramisu"),
                   QStringLiteral("Tiramisu"));
        QCOMPARE(Texts(shell.messages).last(), Changed);
        QVERIFY(!change->isVisible());
        QVERIFY(Kept().Password->isVisible());
        QVERIFY(Control<QLineEdit>(Kept().Password, "txtPassword")->text().isEmpty());

        shell.messages.clear();
        TryPassword(QStringLiteral("bruschettavolo"));
        QCOMPARE(Texts(shell.messages), QStringList{WrongPassword});
        TryPassword(QStringLiteral("TIRAMISU"));
        QVERIFY(Kept().Avvio->isVisible());
    }

    void unwritableStoreKeepsTheOldPassword() {
        ShellFixture shell;
        QFile::setPermissions(PasswordStorePath(), QFile::ReadOwner | QFile::ReadGroup);
        Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("Tiramisu"),
                   QStringLiteral("Tiramisu"));
        QCOMPARE(Texts(shell.messages), QStringList{ChangeFailure});
        QVERIFY2(Kept().CambiaPassword->isVisible(), "the change window must stay open");
        QCOMPARE(Control<QLineEdit>(Kept().CambiaPassword, "txtPasswordNew")->text(),
                 QStringLiteral("Tiramisu"));
        QCOMPARE(CheckPassword(QStringLiteral("bruschettavolo")), PasswordCheck::Accepted);
    }

    void enterWalksTheChangeFieldsAndNeverPressesOk() {
        ShellFixture shell;
        Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        QWidget* change = Kept().CambiaPassword;
        QApplication::setActiveWindow(change);
        FillChange(QString(), QString(), QString());
        QTest::keyClicks(Control<QLineEdit>(change, "txtPasswordOld"),
                         QStringLiteral("bruschettavolo"));
        QTest::keyClicks(Control<QLineEdit>(change, "txtPasswordNew"), QStringLiteral("nuova"));
        QTest::keyClicks(Control<QLineEdit>(change, "txtConferma"), QStringLiteral("nuova"));
        Control<QLineEdit>(change, "txtPasswordOld")->setFocus();
        QTest::keyClick(Control<QLineEdit>(change, "txtPasswordOld"), Qt::Key_Return);
        QVERIFY(Control<QLineEdit>(change, "txtPasswordNew")->hasFocus());
        QTest::keyClick(Control<QLineEdit>(change, "txtPasswordNew"), Qt::Key_Return);
        QVERIFY(Control<QLineEdit>(change, "txtConferma")->hasFocus());
        QTest::keyClick(Control<QLineEdit>(change, "txtConferma"), Qt::Key_Return);
        QVERIFY(Control<QLineEdit>(change, "txtPasswordOld")->hasFocus());
        QVERIFY(shell.messages.isEmpty());
        QCOMPARE(CheckPassword(QStringLiteral("bruschettavolo")), PasswordCheck::Accepted);
    }

    // Enter on a focused button presses it, as the space bar does.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<bool>("inChangeWindow");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shownAfter"); // empty: the program ends
        QTest::newRow("password window, Esci")
            << false << "cmdEsci" << int(Qt::Key_Return) << QString();
        QTest::newRow("password window, Cambia password, keypad Enter")
            << false << "btnCambiaPassword" << int(Qt::Key_Enter) << "TfrmCambiaPassword";
        QTest::newRow("change window, Chiudi")
            << true << "cmdEsci" << int(Qt::Key_Return) << "TfrmPassword";
    }

    void enterPressesTheFocusedButton() {
        QFETCH(bool, inChangeWindow);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QString, shownAfter);
        ShellFixture shell;
        if (inChangeWindow)
            Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        QWidget* window =
            inChangeWindow ? static_cast<QWidget*>(Kept().CambiaPassword) : Kept().Password;
        QApplication::setActiveWindow(window);
        QPushButton* focused = Control<QPushButton>(window, button);
        focused->setFocus();
        QVERIFY(focused->hasFocus());

        QTest::keyClick(focused, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(shell.programEnds, shownAfter.isEmpty() ? 1 : 0);
        if (!shownAfter.isEmpty()) {
            QVERIFY(!window->isVisible());
            QWidget* shown = shownAfter == u"TfrmPassword" ? static_cast<QWidget*>(Kept().Password)
                                                           : Kept().CambiaPassword;
            QVERIFY2(shown->isVisible(), qPrintable(shownAfter));
        }
        QVERIFY(shell.messages.isEmpty());
    }

    // A button that had the focus does not answer Enter in the field after.
    void enterInThePasswordFieldPressesNoOtherButton() {
        ShellFixture shell;
        QApplication::setActiveWindow(Kept().Password);
        QLineEdit* field = Control<QLineEdit>(Kept().Password, "txtPassword");
        Control<QPushButton>(Kept().Password, "cmdEsci")->setFocus();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(shell.programEnds, 0);
        QVERIFY(shell.messages.isEmpty());
        QVERIFY(Kept().Password->isVisible());
        QTest::keyClicks(field, QStringLiteral("margherita"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(Texts(shell.messages), QStringList{WrongPassword});
        QCOMPARE(shell.programEnds, 0);
        QVERIFY(field->hasFocus());
    }

    void focusHighlightFollowsTheFocus() {
        ShellFixture shell;
        Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        QWidget* change = Kept().CambiaPassword;
        QApplication::setActiveWindow(change);
        auto* oldFrame = change->findChild<QWidget*>(QStringLiteral("effPasswordOld"));
        auto* newFrame = change->findChild<QWidget*>(QStringLiteral("effPasswordNew"));
        QVERIFY(oldFrame && newFrame);
        Control<QLineEdit>(change, "txtPasswordOld")->setFocus();
        QVERIFY(oldFrame->isVisible());
        QVERIFY(!newFrame->isVisible());
        Control<QLineEdit>(change, "txtPasswordNew")->setFocus();
        QVERIFY(!oldFrame->isVisible());
        QVERIFY(newFrame->isVisible());
    }

    void closingTheChangeWindowGoesBackToAnEmptyPasswordField() {
        ShellFixture shell;
        QTest::keyClicks(Control<QLineEdit>(Kept().Password, "txtPassword"), QStringLiteral("abc"));
        Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        QTest::keyClicks(Control<QLineEdit>(Kept().CambiaPassword, "txtPasswordOld"),
                         QStringLiteral("x"));
        Click(Control<QPushButton>(Kept().CambiaPassword, "cmdEsci"));
        QVERIFY(Kept().Password->isVisible());
        QVERIFY(Control<QLineEdit>(Kept().Password, "txtPassword")->text().isEmpty());
        // Shown again, the change window starts empty.
        Click(Control<QPushButton>(Kept().Password, "btnCambiaPassword"));
        QVERIFY(Control<QLineEdit>(Kept().CambiaPassword, "txtPasswordOld")->text().isEmpty());
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "test_password_windows.moc"
