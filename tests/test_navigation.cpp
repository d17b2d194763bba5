// Start-up and the walk between the kept windows, driven through the controls.
#include "Controls.h"
#include "ShellFixture.h"

#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "archive/ApriOrdinazioni.h"
#include "help/HelpTopics.h"
#include "help/Maker.h"
#include "orders/Ordinazioni.h"
#include "widgets/LinkLabel.h"
#include "widgets/Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

namespace {

// The start window and the menus are clicked on pictures and link texts as
// well as on buttons: every click here finds its control as a QWidget.

QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names.append(w->objectName());
    return names;
}

void EnterProgram(QWidget* password) {
    auto* field = password->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    QTest::keyClicks(field, QStringLiteral("bruschettavolo"));
    Click<QWidget>(password, "cmdOK");
}

const QStringList KeptOrder = {
    QStringLiteral("TfrmPassword"),        QStringLiteral("TfrmAvvio"),
    QStringLiteral("TfrmCambiaPassword"),  QStringLiteral("TfrmMenuListini"),
    QStringLiteral("TfrmMenuOrdinazioni"), QStringLiteral("TfrmOrdinazioni"),
    QStringLiteral("TfrmApriOrdinazioni")};

// Watches the application from before the shell starts, without reaching
// Kept(): the windows as they are created, whether the password window had
// painted when the second one was created, and which windows existed each
// time one was shown.
class StartWatch : public QObject {
    QVector<QPointer<QWidget>> m_created;
    bool m_painted = false;

public:
    bool paintedBeforeSecond = false;
    QVector<QPair<QString, QStringList>> shows; // (window shown, windows existing then)

    StartWatch() { qApp->installEventFilter(this); }
    ~StartWatch() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(StartWatch)

    // Object names of the windows created so far, in the order created.
    QStringList created() const {
        QStringList names;
        for (const QPointer<QWidget>& window : m_created)
            if (window)
                names << window->objectName();
        return names;
    }

    QWidget* first() const { return m_created.isEmpty() ? nullptr : m_created.first().data(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        // Sent from QWidget's constructor, before the object name is set.
        if (event->type() == QEvent::Create && !widget->parentWidget()) {
            if (m_created.size() == 1)
                paintedBeforeSecond = m_painted;
            m_created.append(widget);
        } else if (event->type() == QEvent::Paint && widget == first()) {
            m_painted = true;
        } else if (event->type() == QEvent::Show && widget->isWindow()) {
            shows.append({widget->objectName(), created()});
        }
        return false;
    }
};

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    // The password window is created and shown first; the others follow in
    // their order once it has painted, none of them shown.
    void passwordWindowFirstTheOthersOnceItHasPainted() {
        StartWatch watch;
        ShellFixture shell;
        QCOMPARE(watch.created(), QStringList{QStringLiteral("TfrmPassword")});
        QVERIFY(watch.first()->isVisible());

        QTRY_COMPARE(watch.created(), KeptOrder);
        QVERIFY2(watch.paintedBeforeSecond,
                 "the other windows were built before the first painted");
        QCOMPARE(VisibleWindows(), QStringList{QStringLiteral("TfrmPassword")});
    }

    // Before the event loop has turned, whatever reaches the other windows
    // finds them all created, in their order.
    void otherWindowsCreatedWhenReachedEarly_data() {
        QTest::addColumn<QString>("reach");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Kept()") << "kept"
                                << "TfrmPassword";
        QTest::newRow("right password") << "cmdOK"
                                        << "TfrmAvvio";
        QTest::newRow("change password") << "btnCambiaPassword"
                                         << "TfrmCambiaPassword";
    }

    void otherWindowsCreatedWhenReachedEarly() {
        QFETCH(QString, reach);
        QFETCH(QString, shown);
        StartWatch watch;
        ShellFixture shell;
        QWidget* password = watch.first();
        QCOMPARE(watch.created(), QStringList{QStringLiteral("TfrmPassword")});
        watch.shows.clear();

        if (reach == u"kept") {
            QCOMPARE(static_cast<QWidget*>(Kept().Password), password);
        } else {
            auto* field = password->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
            QTest::keyClicks(field, QStringLiteral("bruschettavolo"));
            TEST_STEP(Click<QWidget>(password, reach));
        }
        QCOMPARE(watch.created(), KeptOrder);
        QCOMPARE(VisibleWindows(), QStringList{shown});
        for (const auto& [window, existing] : watch.shows)
            QCOMPARE(existing, KeptOrder);
    }

    void startsWithThePasswordWindowAlone() {
        ShellFixture shell;
        QCOMPARE(VisibleWindows(), QStringList{QStringLiteral("TfrmPassword")});
        QVERIFY(shell.dialogs.isEmpty());
    }

    void keptWindowsCarryTheirClassNamesAndTitles() {
        ShellFixture shell;
        const QVector<QPair<QWidget*, QString>> windows = {
            {Kept().Avvio, QStringLiteral(" Orbisala")},
            {Kept().MenuListini, QStringLiteral(" Orbisala - Menu Portate")},
            {Kept().MenuOrdinazioni, QStringLiteral(" Orbisala - Ordinazioni ai Tavoli")},
            {Kept().Ordinazioni, QStringLiteral(" Orbisala - Ordinazioni ai Tavoli")},
            {Kept().ApriOrdinazioni,
             QStringLiteral(" Orbisala - Visualizzazione comande in archivio")},
        };
        for (const auto& [window, title] : windows) {
            QCOMPARE(window->windowTitle(), title);
            QCOMPARE(window->objectName(), QString::fromLatin1(window->metaObject()->className()));
        }
    }

    // Each row: the section opened from the start window, how it is left,
    // and where the user lands.
    void sectionsLeadBackToTheStartWindow_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QString>("landing");
        QTest::newRow("price lists, Esci") << "imgListinoPrezzi"
                                           << "TfrmMenuListini"
                                           << "imgEsci"
                                           << "TfrmAvvio";
        QTest::newRow("price lists button, title bar") << "btnListinoPrezzi"
                                                       << "TfrmMenuListini"
                                                       << "close"
                                                       << "TfrmAvvio";
        QTest::newRow("orders, Esci") << "imgContoCliente"
                                      << "TfrmMenuOrdinazioni"
                                      << "imgEsci"
                                      << "TfrmAvvio";
        QTest::newRow("orders button, title bar") << "btnContoCliente"
                                                  << "TfrmMenuOrdinazioni"
                                                  << "close"
                                                  << "TfrmAvvio";
        QTest::newRow("new ticket") << "imgContoCliente"
                                    << "TfrmMenuOrdinazioni"
                                    << "btnCrea"
                                    << "TfrmOrdinazioni";
        QTest::newRow("archive") << "imgContoCliente"
                                 << "TfrmMenuOrdinazioni"
                                 << "btnApri"
                                 << "TfrmApriOrdinazioni";
    }

    void sectionsLeadBackToTheStartWindow() {
        QFETCH(QString, entry);
        QFETCH(QString, menu);
        QFETCH(QString, leave);
        QFETCH(QString, landing);
        ShellFixture shell;
        TEST_STEP(EnterProgram(Kept().Password));
        QCOMPARE(VisibleWindows(), QStringList{QStringLiteral("TfrmAvvio")});

        TEST_STEP(Click<QWidget>(Kept().Avvio, entry));
        QCOMPARE(VisibleWindows(), QStringList{menu});
        auto* menuWindow = static_cast<SectionMenu*>(
            menu == u"TfrmMenuListini" ? static_cast<QWidget*>(Kept().MenuListini)
                                       : static_cast<QWidget*>(Kept().MenuOrdinazioni));
        QCOMPARE(menuWindow->closeTarget(), CloseTarget::Start);
        QCOMPARE(LabelText(menuWindow, QStringLiteral("lblMemory")), QStringLiteral("avvio"));

        if (leave == u"close")
            menuWindow->close();
        else
            TEST_STEP(Click<QWidget>(menuWindow, leave));
        QCOMPARE(VisibleWindows(), QStringList{landing});
        QCOMPARE(shell.programEnds, 0);
    }

    void orderWindowAndArchiveCloseToTheStartWindowNotTheMenu() {
        ShellFixture shell;
        TEST_STEP(EnterProgram(Kept().Password));
        for (const char* choice : {"btnCrea", "btnApri"}) {
            TEST_STEP(Click<QWidget>(Kept().Avvio, "imgContoCliente"));
            TEST_STEP(Click<QWidget>(Kept().MenuOrdinazioni, choice));
            QWidget* target = choice == QByteArray("btnCrea")
                                  ? static_cast<QWidget*>(Kept().Ordinazioni)
                                  : static_cast<QWidget*>(Kept().ApriOrdinazioni);
            QVERIFY(target->isVisible());
            target->close();
            QCOMPARE(VisibleWindows(), QStringList{QStringLiteral("TfrmAvvio")});
        }
        // The marker is "avvio" again each time the menu is shown.
        TEST_STEP(Click<QWidget>(Kept().Avvio, "imgContoCliente"));
        QCOMPARE(Kept().MenuOrdinazioni->closeTarget(), CloseTarget::Start);
        QCOMPARE(LabelText(Kept().MenuOrdinazioni, QStringLiteral("lblMemory")),
                 QStringLiteral("avvio"));
    }

    void startWindowEndsTheProgram() {
        ShellFixture shell;
        TEST_STEP(EnterProgram(Kept().Password));
        TEST_STEP(Click<QWidget>(Kept().Avvio, "imgEsci"));
        QCOMPARE(shell.programEnds, 1);
        Kept().Avvio->close();
        QCOMPARE(shell.programEnds, 2);
    }

    void passwordWindowEsciEndsTheProgram() {
        ShellFixture shell;
        TEST_STEP(Click<QWidget>(Kept().Password, "cmdEsci"));
        QCOMPARE(shell.programEnds, 1);
    }

    void categoryPictureAndCaptionOpenTheSameEditor() {
        ShellFixture shell;
        TEST_STEP(EnterProgram(Kept().Password));
        TEST_STEP(Click<QWidget>(Kept().Avvio, "imgListinoPrezzi"));
        for (const CatalogueEntry& entry : CategoryEntries()) {
            TEST_STEP(Click<QWidget>(Kept().MenuListini, entry.MenuControls[0]));
            TEST_STEP(Click<QWidget>(Kept().MenuListini, entry.MenuControls[1]));
        }
        TEST_STEP(Click<QWidget>(Kept().MenuListini, "lnkTavoli"));
        TEST_STEP(Click<QWidget>(Kept().MenuListini, "imgTavoli"));

        QStringList expected;
        for (const CatalogueEntry& entry : CategoryEntries())
            expected << entry.EditorClass << entry.EditorClass;
        expected << QStringLiteral("TfrmElenco_Tavoli") << QStringLiteral("TfrmElenco_Tavoli");
        QCOMPARE(shell.dialogs, expected);
        QVERIFY(Kept().MenuListini->isVisible());
    }

    void tableLinkIsOrangeOnlyWhileHeld() {
        ShellFixture shell;
        auto* link = Kept().MenuListini->findChild<LinkLabel*>(QStringLiteral("lnkTavoli"));
        auto* icon = Kept().MenuListini->findChild<QAbstractButton*>(QStringLiteral("imgTavoli"));
        QCOMPARE(link->textColour(), Theme::LinkBlue);
        QTest::mousePress(icon, Qt::LeftButton);
        QCOMPARE(link->textColour(), QColor(0xFF, 0xA5, 0x00));
        QTest::mouseRelease(icon, Qt::LeftButton);
        QCOMPARE(link->textColour(), QColor(0x00, 0x00, 0x8B));
        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(link->textColour(), QColor(0xFF, 0xA5, 0x00));
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(link->textColour(), QColor(0x00, 0x00, 0x8B));
        // A click on the icon and one on the text: the editor opened twice.
        QCOMPARE(shell.dialogs, QStringList(2, QStringLiteral("TfrmElenco_Tavoli")));
    }

    void helpIconsOpenTheirTopics_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("start window") << 0 << "Uno sguardo a Orbisala.";
        QTest::newRow("price-lists menu") << 1 << "Applicazione Menu Portate.";
        QTest::newRow("orders menu") << 2 << "Applicazione Ordinazioni ai Tavoli.";
    }

    void helpIconsOpenTheirTopics() {
        QFETCH(int, window);
        QFETCH(QString, title);
        ShellFixture shell;
        QString shownTitle;
        shell.onDialog = [&](QDialog* dialog) {
            auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblTitolo"));
            QVERIFY(label);
            shownTitle = label->text();
        };
        QWidget* opener = window == 0   ? static_cast<QWidget*>(Kept().Avvio)
                          : window == 1 ? static_cast<QWidget*>(Kept().MenuListini)
                                        : static_cast<QWidget*>(Kept().MenuOrdinazioni);
        TEST_STEP(Click<QWidget>(opener, "imgGuida"));
        QCOMPARE(shell.dialogs, QStringList{QStringLiteral("TfrmGuida")});
        QCOMPARE(shownTitle, title);
    }

    void startWindowOpensInformationCreditsAndSite() {
        ShellFixture shell;
        TEST_STEP(Click<QWidget>(Kept().Avvio, "imgInfo"));
        TEST_STEP(Click<QWidget>(Kept().Avvio, "imgCrediti"));
        QCOMPARE(shell.dialogs,
                 (QStringList{QStringLiteral("TfrmInfo"), QStringLiteral("TfrmSplash")}));
        TEST_STEP(Click<QWidget>(Kept().Avvio, "imgSito"));
        QCOMPARE(shell.opened, QStringList{MakerWebSite});
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
