// The shell's small parts: date and time texts, what the desktop receives
// from TMisc::Open, and the shared widgets' behaviour.
#include "access/Password.h"
#include "platform/Formatting.h"
#include "platform/OpenURL.h"
#include "platform/QtItalian.h"
#include "widgets/Banner.h"
#include "widgets/FocusFrame.h"
#include "widgets/InfoBar.h"
#include "widgets/KeptWindow.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/Theme.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

// The action texts of a menu as the user reads them: no accelerator marks,
// no shortcut column.
QStringList ReadTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0).remove(u'&');
    return texts;
}

// The largest difference of one colour channel between two pictures of one
// size; -1 when their sizes differ.
int LargestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = 0; i < 4 * x.width(); ++i)
            largest = qMax(largest, qAbs(p[i] - q[i]));
    }
    return largest;
}

// Counts the paints a widget receives.
class PaintCount : public QObject {
public:
    int count = 0;
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// What the screen shows of a kept window shown, once it has painted.
QImage ShownOnScreen(KeptWindow* window) {
    PaintCount painted(window);
    window->showKept();
    if (!QTest::qWaitForWindowExposed(window) ||
        !QTest::qWaitFor([&] { return painted.count > 0; }))
        return {};
    return window->screen()->grabWindow(window->winId()).toImage();
}

} // namespace

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

    // The frame leaves with the focus, not with the window's activation.
    void focusFrameStaysWhileTheWindowIsAway_data() {
        QTest::addColumn<bool>("popup");     // a popup menu rather than another window
        QTest::addColumn<bool>("moveFocus"); // the other field gets the focus meanwhile
        QTest::newRow("another window in front") << false << false;
        QTest::newRow("popup menu open") << true << false;
        QTest::newRow("focus moved while another window was in front") << false << true;
    }

    void focusFrameStaysWhileTheWindowIsAway() {
        QFETCH(bool, popup);
        QFETCH(bool, moveFocus);
        QWidget window;
        window.resize(300, 200);
        auto* field = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        field->setGeometry(20, 20, 200, 40);
        other->setGeometry(20, 100, 200, 40);
        auto* frame = new FocusFrame(QStringLiteral("effCampo"), field);
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus();
        QVERIFY(frame->isVisible());

        QWidget front;
        QMenu menu;
        menu.addAction(QStringLiteral("Copia"));
        if (popup) {
            menu.popup(window.mapToGlobal(QPoint(30, 30)));
        } else {
            front.show();
            QApplication::setActiveWindow(&front);
        }
        // A popup takes the keyboard with a focus-out to the field, which
        // stays the application's focus widget; another window takes it all.
        QCOMPARE(field->hasFocus(), popup);
        QVERIFY2(frame->isVisible(), "the frame left with the window's activation");

        if (moveFocus)
            other->setFocus();
        if (popup)
            menu.close();
        else
            QApplication::setActiveWindow(&window);
        QCOMPARE(field->hasFocus(), !moveFocus);
        QCOMPARE(frame->isVisible(), !moveFocus);

        other->setFocus();
        QVERIFY2(!frame->isVisible(), "the frame stays when the focus leaves its field");
    }

    // While pressed, a link turns orange; its icon keeps its look, whereas a
    // flat picture of its own fades to show the press.
    void linkIconKeepsItsLookWhilePressed_data() {
        QTest::addColumn<bool>("attached");
        QTest::newRow("icon of a link") << true;
        QTest::newRow("picture of its own") << false;
    }

    void linkIconKeepsItsLookWhilePressed() {
        QFETCH(bool, attached);
        QWidget window;
        auto* icon = new PictureButton(QStringLiteral("imgTavoli"), QStringLiteral("tavoli"),
                                       QString(), PictureButton::Look::Flat, &window);
        icon->setGeometry(0, 0, 48, 48);
        auto* link = new LinkLabel(QStringLiteral("lnkTavoli"),
                                   QStringLiteral("Gestione elenco tavoli"), &window);
        link->move(60, 10);
        if (attached)
            link->attachIcon(icon);
        window.show();

        const QImage atRest = icon->grab().toImage();
        QTest::mousePress(icon, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
        QVERIFY(icon->isDown());
        const QImage pressed = icon->grab().toImage();
        QCOMPARE(link->textColour(), attached ? Theme::LinkPressed : Theme::LinkBlue);
        QTest::mouseRelease(icon, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));

        if (attached) {
            QCOMPARE(pressed, atRest);
        } else {
            QVERIFY2(pressed != atRest, "a flat picture shows no press");
        }
        QCOMPARE(link->textColour(), Theme::LinkBlue);
    }

    // Qt's own texts speak Italian once its translation is loaded.
    void qtTextsInItalian() {
        QVERIFY2(LoadQtItalian(), "qtbase_it.qm not found: qt6-translations-l10n is missing");
        QLineEdit field;
        field.setText(QStringLiteral("Margherita"));
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        const QStringList texts = ReadTexts(*menu);
        for (const char* italian : {"Annulla", "Taglia", "Copia", "Incolla", "Seleziona tutto"})
            QVERIFY2(texts.contains(QString::fromLatin1(italian)), qPrintable(texts.join(u", ")));

        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
                 QStringLiteral("Annulla"));
    }

    // Hidden, a kept window holds neither a platform window nor a backing
    // store; shown again it shows what it showed, its banner's shadow
    // included, and takes typing.
    void keptWindowGivesBackItsBuffersWhileHidden_data() {
        QTest::addColumn<bool>("closed"); // closed by the user rather than hidden
        QTest::newRow("hidden") << false;
        QTest::newRow("closed") << true;
    }

    void keptWindowGivesBackItsBuffersWhileHidden() {
        QFETCH(bool, closed);
        KeptWindow window(QStringLiteral("TfrmProva"), QStringLiteral(" Prova"));
        auto* field = new QLineEdit(QStringLiteral("Margherita"), &window);
        field->setGeometry(20, 20, 200, 40);
        auto* banner =
            new Banner(QStringLiteral("imgTitolo"), QStringLiteral("PROVA"), 20, &window);
        banner->setGeometry(20, 100, 300, 60);
        const QImage shown = ShownOnScreen(&window);
        QVERIFY(!shown.isNull());

        if (closed)
            window.close();
        else
            window.hide();
        QVERIFY(!window.isVisible());
        QVERIFY2(!window.windowHandle(), "a hidden window keeps its platform window");
        QVERIFY2(!window.backingStore(), "a hidden window keeps its backing store");

        QCOMPARE(ShownOnScreen(&window), shown);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral(" bianca"));
        QCOMPARE(field->text(), QStringLiteral("Margherita bianca"));
    }

    // Each pre-drawn picture is its SVG drawn at its size, so the artwork
    // looks the same wherever it comes from; a stale one is redrawn from the
    // file this test leaves.
    void predrawnPicturesAreTheirSvgs_data() {
        QTest::addColumn<QString>("file");
        const QStringList files =
            QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.rgba")}, QDir::Files);
        QVERIFY2(!files.isEmpty(), "no pre-drawn picture in the artwork");
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void predrawnPicturesAreTheirSvgs() {
        QFETCH(QString, file);
        const QStringList parts = file.chopped(5).split(u'-');
        const QStringList size = parts.last().split(u'x');
        QCOMPARE(size.size(), 2);
        const QString name = parts.first();
        const QSizeF area(size[0].toInt(), size[1].toInt());
        const QImage drawn = RenderArtwork(name, area.toSize());
        const QImage predrawn = ArtworkPixmap(name, area, 1.0).toImage();
        const int difference = LargestDifference(predrawn, drawn);
        if (difference < 0 || difference > 2) {
            const QString fresh = QDir::temp().filePath(file);
            QFile out(fresh);
            const QImage bytes = drawn.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            if (out.open(QIODevice::WriteOnly))
                for (int row = 0; row < bytes.height(); ++row)
                    out.write(reinterpret_cast<const char*>(bytes.constScanLine(row)),
                              4 * bytes.width());
            QFAIL(qPrintable(QStringLiteral("resources/icons/%1 is not %2.svg drawn at that size; "
                                            "the picture drawn now is %3")
                                 .arg(file, name, fresh)));
        }
    }

    // The first window's logo is pre-drawn at the size it shows: no SVG is
    // parsed before the program's first window is on the screen.
    void firstWindowLogoIsPredrawn() {
        TfrmPassword password;
        auto* logo = password.findChild<QWidget*>(QStringLiteral("imgLogo"));
        QVERIFY(logo);
        const QString file =
            QStringLiteral(":/icons/logo-%1x%2.rgba").arg(logo->width()).arg(logo->height());
        QVERIFY2(QFile::exists(file), qPrintable(file + QStringLiteral(" is not in the artwork")));
    }

    // A picture is drawn at the density of what it is painted on, fitted and
    // centred in its area; a missing one draws nothing.
    void artworkDrawnAtTheDeviceDensity_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("pre-drawn logo") << "logo" << QSize(94, 94) << 1.0;
        QTest::newRow("icon") << "pizze" << QSize(48, 48) << 1.0;
        QTest::newRow("icon, double density") << "pizze" << QSize(48, 48) << 2.0;
        QTest::newRow("icon in a wide area") << "esci" << QSize(120, 40) << 1.0;
    }

    void artworkDrawnAtTheDeviceDensity() {
        QFETCH(QString, name);
        QFETCH(QSize, area);
        QFETCH(qreal, dpr);
        const QRectF where(QPointF(0, 0), QSizeF(area));
        QImage canvas(area * dpr, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        canvas.setDevicePixelRatio(dpr);
        {
            QPainter painter(&canvas);
            QVERIFY(DrawArtwork(&painter, name, where));
            QVERIFY(!DrawArtwork(&painter, QStringLiteral("nessuna"), where));
        }
        canvas.setDevicePixelRatio(1);

        const QImage picture = RenderArtwork(name, area * dpr);
        QImage expected(area * dpr, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        {
            QPainter painter(&expected);
            QRect target(QPoint(0, 0), picture.size());
            target.moveCenter(expected.rect().center());
            painter.drawImage(target.topLeft(), picture);
        }
        const int difference = LargestDifference(canvas, expected);
        QVERIFY2(difference >= 0 && difference <= 2, qPrintable(QString::number(difference)));
    }

    void listItemFontIsMonospaced() {
        const QFont font = ListItemFont();
        QCOMPARE(font.pointSize(), 12);
        QVERIFY2(QFontInfo(font).fixedPitch(), "list columns line up only in a monospaced face");
    }
};

QTEST_MAIN(TestShellParts)
#include "test_shell_parts.moc"
