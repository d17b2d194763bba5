// The shell's small parts: date and time texts, what the desktop receives
// from TMisc::Open, and the shared widgets' behaviour.
#include "app/Formatting.h"
#include "app/OpenURL.h"
#include "widgets/InfoBar.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QFontInfo>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

class TestShellParts : public QObject {
    Q_OBJECT

private slots:
    void dateAndTimeTexts() {
        const QString sep(SystemDateSeparator());
        QCOMPARE(ShortDateText(QDate(2024, 3, 5)),
                 QStringLiteral("05") + sep + QStringLiteral("03") + sep + QStringLiteral("2024"));
        QCOMPARE(TimeText(QTime(8, 5, 3)), QStringLiteral("08:05:03"));
        QCOMPARE(TimeText(QTime(20, 15, 33)), QStringLiteral("20:15:33"));
        QVERIFY(!SystemDateSeparator().isLetterOrNumber());
    }

    void desktopReceivesWholeTexts_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QUrl>("expected");
        QTest::newRow("web site") << "https://www.orbisala.example.com"
                                  << QUrl(QStringLiteral("https://www.orbisala.example.com"));
        QTest::newRow("quoted guide in a folder with blanks")
            << "\"/home/sala uno/Orbisala/Guida.pdf\""
            << QUrl::fromLocalFile(QStringLiteral("/home/sala uno/Orbisala/Guida.pdf"));
        QTest::newRow("quoted mailto with blanks")
            << "\"mailto:info@orbisala.example.com?subject=Software Orbisala&body=Salve, grazie\""
            << QUrl(QStringLiteral("mailto:info@orbisala.example.com?subject=Software%20Orbisala&"
                                   "body=Salve,%20grazie"));
    }

    void desktopReceivesWholeTexts() {
        QFETCH(QString, command);
        QFETCH(QUrl, expected);
        const QUrl received(DesktopUrlFor(command));
        QCOMPARE(received.scheme(), expected.scheme());
        QCOMPARE(received.toString(QUrl::FullyDecoded), expected.toString(QUrl::FullyDecoded));
    }

    // The move over a picture also reaches the window behind it; the hint
    // must survive that.
    void infoBarShowsTheHintUnderThePointer() {
        QWidget window;
        auto* picture = new PictureButton(QStringLiteral("btnPizze"), QStringLiteral("pizze"),
                                          QString(), PictureButton::Look::Tile, &window);
        auto* bar = new InfoBar(QStringLiteral("panInfo"), &window);
        window.resize(400, 400);
        picture->setGeometry(0, 0, 150, 130);
        bar->setGeometry(0, 370, 400, 30);
        bar->addHint(picture, QStringLiteral("Importa i dati dal listino prezzi delle pizze."));
        bar->clearOver(&window);
        QSignalSpy moved(picture, &PictureButton::pointerMoved);

        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        QCOMPARE(bar->text(), QStringLiteral("Importa i dati dal listino prezzi delle pizze."));
        QVERIFY(moved.count() >= 1);

        QMouseEvent backgroundMove(QEvent::MouseMove, QPointF(300, 300), QPointF(300, 300),
                                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &backgroundMove);
        QVERIFY(bar->text().isEmpty());
    }

    void listItemFontIsMonospaced() {
        const QFont font = ListItemFont();
        QCOMPARE(font.pointSize(), 12);
        QVERIFY2(QFontInfo(font).fixedPitch(), "list columns line up only in a monospaced face");
    }
};

QTEST_MAIN(TestShellParts)
#include "test_shell_parts.moc"
