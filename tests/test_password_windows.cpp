// The access check and the change of password, driven through the controls.
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

QLineEdit* Field(QWidget* window, const char* name) {
    return window->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* Button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Types into the password window and presses OK.
void TryPassword(const QString& typed) {
    QLineEdit* field = Field(Kept().Password, "txtPassword");
    field->clear();
    QTest::keyClicks(field, typed);
    QTest::mouseClick(Button(Kept().Password, "cmdOK"), Qt::LeftButton);
}

void FillChange(const QString& oldPassword, const QString& newPassword, const QString& confirm) {
    QWidget* w = Kept().CambiaPassword;
    for (auto [name, text] :
         {std::pair{"txtPasswordOld", oldPassword}, std::pair{"txtPasswordNew", newPassword},
          std::pair{"txtConferma", confirm}}) {
        Field(w, name)->clear();
        // Characters the test keyboard cannot type arrive as pasted text.
        if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
            QTest::keyClicks(Field(w, name), text);
        else
            Field(w, name)->insert(text);
    }
    QTest::mouseClick(Button(w, "cmdOK"), Qt::LeftButton);
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
        QTest::keyClicks(Field(Kept().Password, "txtPassword"), QStringLiteral("bruschettavolo"));
        QTest::keyClick(Field(Kept().Password, "txtPassword"), Qt::Key_Return);
        QVERIFY(Kept().Avvio->isVisible());
    }

    void wrongPasswordIsRefusedAndTheFieldEmptied() {
        ShellFixture shell;
        TryPassword(QStringLiteral("margherita"));
        QCOMPARE(Texts(shell.messages), QStringList{WrongPassword});
        QVERIFY(Field(Kept().Password, "txtPassword")->text().isEmpty());
        QVERIFY(Kept().Password->isVisible());
        QVERIFY(!Kept().Avvio->isVisible());
    }

    void blankFieldKeepsOkDisabledAndEnterDoesNothing() {
        ShellFixture shell;
        QLineEdit* field = Field(Kept().Password, "txtPassword");
        QPushButton* ok = Button(Kept().Password, "cmdOK");
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
        QCOMPARE(Field(Kept().Password, "txtPassword")->text().isEmpty(), message == WrongPassword);
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
        QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        QWidget* change = Kept().CambiaPassword;
        QVERIFY(change->isVisible());
        QVERIFY(!Kept().Password->isVisible());
        QVERIFY(!Button(change, "cmdOK")->isEnabled());

        FillChange(QStringLiteral("focaccia"), QStringLiteral("Tiramisu"),
                   QStringLiteral("Tiramisu"));
        QCOMPARE(Texts(shell.messages).last(), WrongOld);
        QVERIFY(Field(change, "txtPasswordOld")->text().isEmpty());
        QCOMPARE(Field(change, "txtPasswordNew")->text(), QStringLiteral("Tiramisu"));

        // Differing only in letter case is still not a confirmation.
        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("Tiramisu"),
                   QStringLiteral("tiramisu"));
        QCOMPARE(Texts(shell.messages).last(), NotConfirmed);
        QVERIFY(Field(change, "txtPasswordNew")->text().isEmpty());
        QVERIFY(Field(change, "txtConferma")->text().isEmpty());
        QCOMPARE(Field(change, "txtPasswordOld")->text(), QStringLiteral("bruschettavolo"));

        // A password the store cannot keep whole is refused.
        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("caffè€"),
                   QStringLiteral("caffè€"));
        QCOMPARE(Texts(shell.messages).last(), TfrmCambiaPassword::unstorableMessage());

        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("Tiramisu"),
                   QStringLiteral("Tiramisu"));
        QCOMPARE(Texts(shell.messages).last(), Changed);
        QVERIFY(!change->isVisible());
        QVERIFY(Kept().Password->isVisible());
        QVERIFY(Field(Kept().Password, "txtPassword")->text().isEmpty());

        shell.messages.clear();
        TryPassword(QStringLiteral("bruschettavolo"));
        QCOMPARE(Texts(shell.messages), QStringList{WrongPassword});
        TryPassword(QStringLiteral("TIRAMISU"));
        QVERIFY(Kept().Avvio->isVisible());
    }

    void unwritableStoreKeepsTheOldPassword() {
        ShellFixture shell;
        QFile::setPermissions(PasswordStorePath(), QFile::ReadOwner | QFile::ReadGroup);
        QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        FillChange(QStringLiteral("bruschettavolo"), QStringLiteral("Tiramisu"),
                   QStringLiteral("Tiramisu"));
        QCOMPARE(Texts(shell.messages), QStringList{ChangeFailure});
        QVERIFY2(Kept().CambiaPassword->isVisible(), "the change window must stay open");
        QCOMPARE(Field(Kept().CambiaPassword, "txtPasswordNew")->text(),
                 QStringLiteral("Tiramisu"));
        QCOMPARE(CheckPassword(QStringLiteral("bruschettavolo")), PasswordCheck::Accepted);
    }

    void enterWalksTheChangeFieldsAndNeverPressesOk() {
        ShellFixture shell;
        QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        QWidget* change = Kept().CambiaPassword;
        QApplication::setActiveWindow(change);
        FillChange(QString(), QString(), QString());
        QTest::keyClicks(Field(change, "txtPasswordOld"), QStringLiteral("bruschettavolo"));
        QTest::keyClicks(Field(change, "txtPasswordNew"), QStringLiteral("nuova"));
        QTest::keyClicks(Field(change, "txtConferma"), QStringLiteral("nuova"));
        Field(change, "txtPasswordOld")->setFocus();
        QTest::keyClick(Field(change, "txtPasswordOld"), Qt::Key_Return);
        QVERIFY(Field(change, "txtPasswordNew")->hasFocus());
        QTest::keyClick(Field(change, "txtPasswordNew"), Qt::Key_Return);
        QVERIFY(Field(change, "txtConferma")->hasFocus());
        QTest::keyClick(Field(change, "txtConferma"), Qt::Key_Return);
        QVERIFY(Field(change, "txtPasswordOld")->hasFocus());
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
            QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        QWidget* window =
            inChangeWindow ? static_cast<QWidget*>(Kept().CambiaPassword) : Kept().Password;
        QApplication::setActiveWindow(window);
        QPushButton* focused = Button(window, qPrintable(button));
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
        QLineEdit* field = Field(Kept().Password, "txtPassword");
        Button(Kept().Password, "cmdEsci")->setFocus();
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
        QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        QWidget* change = Kept().CambiaPassword;
        QApplication::setActiveWindow(change);
        auto* oldFrame = change->findChild<QWidget*>(QStringLiteral("effPasswordOld"));
        auto* newFrame = change->findChild<QWidget*>(QStringLiteral("effPasswordNew"));
        QVERIFY(oldFrame && newFrame);
        Field(change, "txtPasswordOld")->setFocus();
        QVERIFY(oldFrame->isVisible());
        QVERIFY(!newFrame->isVisible());
        Field(change, "txtPasswordNew")->setFocus();
        QVERIFY(!oldFrame->isVisible());
        QVERIFY(newFrame->isVisible());
    }

    void closingTheChangeWindowGoesBackToAnEmptyPasswordField() {
        ShellFixture shell;
        QTest::keyClicks(Field(Kept().Password, "txtPassword"), QStringLiteral("abc"));
        QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        QTest::keyClicks(Field(Kept().CambiaPassword, "txtPasswordOld"), QStringLiteral("x"));
        QTest::mouseClick(Button(Kept().CambiaPassword, "cmdEsci"), Qt::LeftButton);
        QVERIFY(Kept().Password->isVisible());
        QVERIFY(Field(Kept().Password, "txtPassword")->text().isEmpty());
        // Shown again, the change window starts empty.
        QTest::mouseClick(Button(Kept().Password, "btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(Field(Kept().CambiaPassword, "txtPasswordOld")->text().isEmpty());
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "test_password_windows.moc"
