// The test side of the seams: every recorder puts back the hook it found, the
// scripted answers and the dialog driver work as the GUI tests rely on, and a
// failing check inside a dialog driver fails the test and stops it there.
#include "Seams.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Set in the environment of a second run of this program, which then runs
// the deliberately failing tests below instead of the real ones.
constexpr char FailingRun[] = "ORBISALA_SEAMS_FAILING_RUN";

} // namespace

class TestSeams : public QObject {
    Q_OBJECT

private slots:
    void recordersPutBackTheHookTheyFound() {
        {
            MessageRecorder outer;
            {
                MessageRecorder inner;
                MessageBox::confirm(nullptr, u"dentro"_s);
                QCOMPARE(inner.shown.size(), 1);
            }
            MessageBox::plain(nullptr, u"fuori"_s);
            QCOMPARE(outer.shown.size(), 1);
            QCOMPARE(outer.shown.at(0).text, u"fuori"_s);
        }
        QVERIFY2(!SetMessageHook({}), "a message hook was left installed");

        {
            DesktopRecorder outer;
            { DesktopRecorder inner; }
            TMisc::Open(u"https://www.orbisala.example.com"_s);
            QCOMPARE(outer.opened, QStringList{u"https://www.orbisala.example.com"_s});
        }
        QVERIFY2(!TMisc::setOpenHook({}), "an open hook was left installed");

        {
            ProgramEndRecorder outer;
            { ProgramEndRecorder inner; }
            EndProgram();
            QCOMPARE(outer.count, 1);
        }
        QVERIFY2(!SetEndProgramHook({}), "an end-of-program hook was left installed");

        {
            PrintRecorder outer;
            { PrintRecorder inner; }
            ReportLayout layout(TicketReportName);
            PrintSummary(layout, u"Comanda"_s, {u"1   Acqua"_s});
            QCOMPARE(outer.printed.size(), 1);
            QCOMPARE(outer.printed.at(0).name, TicketReportName);
            QVERIFY(!outer.printed.at(0).pages.isEmpty());
        }
        QVERIFY2(!SetPrintHook({}), "a print hook was left installed");

        {
            ModalRecorder outer;
            { ModalRecorder inner; }
            QDialog dialog;
            ShowModal(&dialog);
            QCOMPARE(outer.shown.size(), 1);
        }
        QVERIFY2(!SetModalHook({}), "a modal hook was left installed");
    }

    void fixedClockAndProgramFolderNest() {
        const QDateTime evening(QDate(2024, 3, 12), QTime(20, 15, 33));
        {
            FixedClock outer(evening);
            {
                FixedClock inner(evening.addDays(1));
                QCOMPARE(CurrentDateTime(), evening.addDays(1));
            }
            QCOMPARE(CurrentDateTime(), evening);
        }
        QVERIFY2(!SetFixedDateTime(QDateTime()).isValid(), "the clock was left fixed");

        const QString running = ProgramFolder();
        QString owned;
        {
            ProgramFolderScope outer;
            owned = outer.path();
            QCOMPARE(ProgramFolder(), owned + u'/');
            {
                ProgramFolderScope inner(outer.filePath(u"Sala"_s));
                QCOMPARE(ProgramFolder(), owned + u"/Sala/"_s);
            }
            QCOMPARE(ProgramFolder(), owned + u'/');
        }
        QCOMPARE(ProgramFolder(), running);
        QVERIFY2(!QFileInfo::exists(owned), "the temporary program folder outlived its scope");
    }

    void confirmationsTakeTheScriptedAnswers() {
        MessageRecorder messages;
        messages.answers << false << true;
        QVERIFY(!MessageBox::confirm(nullptr, u"Eliminare?"_s));
        MessageBox::warning(nullptr, u"Attenzione"_s); // takes no answer
        QVERIFY(MessageBox::confirm(nullptr, u"Salvare?"_s));
        QVERIFY2(MessageBox::confirm(nullptr, u"Uscire?"_s), "Yes once the answers are used up");
        QCOMPARE(messages.shown.size(), 4);
        QCOMPARE(messages.shown.at(1).kind, MessageKind::Warning);
        QCOMPARE(messages.shown.at(3).kind, MessageKind::Confirm);
        QCOMPARE(messages.shown.at(3).text, u"Uscire?"_s);
    }

    void nestedDialogsReachTheDriver() {
        QStringList driven;
        ModalRecorder dialogs;
        dialogs.driver = [&](QDialog* outer) {
            driven << outer->objectName();
            QDialog inner(outer);
            inner.setObjectName(u"dlgInterno"_s);
            // The driver of the nested dialog, and of any after it.
            dialogs.driver = [&](QDialog* dialog) {
                driven << dialog->objectName();
                dialog->accept();
            };
            QCOMPARE(ShowModal(&inner), int(QDialog::Accepted));
        };
        QDialog outer;
        outer.setObjectName(u"dlgEsterno"_s);
        TEST_STEP(ShowModal(&outer));
        QVERIFY(!dialogs.driverFailed());
        QCOMPARE(dialogs.shown, (QStringList{u"dlgEsterno"_s, u"dlgInterno"_s}));
        QCOMPARE(driven, dialogs.shown);
        QVERIFY2(!outer.isVisible(), "ShowModal leaves no dialog open");
    }

    // The tests below, run in a second process, must fail at the check inside
    // the driver and go no further.
    void failingDriverFailsTheTestAndStopsIt() {
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(FailingRun), u"1"_s);
        run.setProcessEnvironment(environment);
        run.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(run.waitForFinished());
        const QString output = QString::fromUtf8(run.readAllStandardOutput());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QVERIFY2(run.exitCode() == 2, qPrintable(output));
        QVERIFY2(output.count("FAIL!"_L1) == 2, qPrintable(output));
        QVERIFY2(output.contains("failing check in the driver"_L1), qPrintable(output));
        QVERIFY2(output.contains("failing check in the nested driver"_L1), qPrintable(output));
        QVERIFY2(!output.contains("went on"_L1), qPrintable(output));
    }
};

// Deliberately failing: run only by failingDriverFailsTheTestAndStopsIt.
class FailingDrivers : public QObject {
    Q_OBJECT

private slots:
    void checkInTheDriver() {
        ModalRecorder dialogs([](QDialog*) { QVERIFY2(false, "failing check in the driver"); });
        QDialog dialog;
        TEST_STEP(ShowModal(&dialog));
        qInfo("the test went on after its driver failed");
    }

    void checkInANestedDriver() {
        ModalRecorder dialogs([&](QDialog* outer) {
            dialogs.driver = [](QDialog*) {
                QVERIFY2(false, "failing check in the nested driver");
            };
            QDialog inner(outer);
            TEST_STEP(ShowModal(&inner));
            qInfo("the outer driver went on after the nested one failed");
        });
        QDialog outer;
        TEST_STEP(ShowModal(&outer));
        qInfo("the test went on after a nested driver failed");
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(FailingRun)) {
        FailingDrivers failing;
        return QTest::qExec(&failing, argc, argv);
    }
    TestSeams test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_seams.moc"
