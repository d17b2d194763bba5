// Renders a window of the program to a PNG file without a display, in a
// temporary program folder holding the initial password store:
//   screenshot <class name> <file.png>
//   screenshot all <folder>        (every window and sample printout it knows)
// Sample printouts (ReportListino, ReportTavoli, ReportComanda on A4;
// ReportComanda80 and ReportComanda58 on receipt rolls of 80 and 58 mm) are
// written as PDF when the file name ends in .pdf, otherwise page one as PNG. Qt's own
// texts are drawn in Italian: QtStampa is the print dialog, QtMenuCampo the
// e-mail window with the context menu of its subject field open.
#include "access/PasswordStore.h"
#include "app/Shell.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "help/HelpWindows.h"
#include "orders/Importa.h"
#include "output/InvioEmail.h"
#include "output/PrintSummary.h"
#include "output/ReportPainter.h"
#include "output/RollLayout.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/QtItalian.h"
#include "pricelists/ListEditor.h"
#include "pricelists/OpenListEditor.h"
#include "tickets/OrderLine.h"
#include "widgets/KeptWindow.h"
#include "widgets/ModalDialogs.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "archive/ApriOrdinazioni.h"
#include "archive/Comanda_in_Lettura.h"
#include "orders/Ordinazioni.h"
#include "tickets/OrderArchive.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <tuple>

namespace {

bool Save(QWidget* window, const QString& file) {
    QApplication::processEvents();
    const bool saved = window->grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

// A sample file that cannot be written stops the run: the picture would show
// another program folder than the one described.
void StopUnlessSaved(const Result<void>& saved, const QString& file) {
    if (!saved)
        qFatal("Cannot write %s: %s", qPrintable(file), qPrintable(saved.error()));
}

// The pizza list the editor and the import dialog are drawn on, written out
// of order: both show it sorted.
const CatalogueEntry& WriteSamplePizzaList() {
    const CatalogueEntry& pizze = CatalogueEntryOf(CourseCategory::Pizze);
    QStringList lines;
    for (const auto& [name, price] :
         {std::pair{"Quattro stagioni", "8,50"}, std::pair{"Margherita", "6,00"},
          std::pair{"Diavola", "7,50"}, std::pair{"Capricciosa", "8,50"},
          std::pair{"Marinara", "5,00"}, std::pair{"Quattro formaggi", "8,00"},
          std::pair{"Bufalina", "9,00"}, std::pair{"Napoli", "6,50"}, std::pair{"Ortolana", "7,00"},
          std::pair{"Prosciutto e funghi", "8,00"}, std::pair{"Calzone farcito", "8,50"},
          std::pair{"Tonno e cipolla", "7,50"}, std::pair{"Boscaiola", "8,00"},
          std::pair{"Frutti di mare", "10,50"}, std::pair{"Salsiccia e friarielli", "9,50"},
          std::pair{"Vegetariana", "7,50"}})
        lines.append(FormatPriceListLine(QString::fromUtf8(name), QString::fromUtf8(price)));
    StopUnlessSaved(WriteListFile(ListFilePath(pizze), lines), ListFilePath(pizze));
    return pizze;
}

// A few saved tickets of one evening, for the archive browser and the viewer.
QString WriteSampleTickets() {
    const QStringList lines = {
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("12,00")),
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Diavola"), QStringLiteral("7,50")),
        BuildOrderLine(QStringLiteral("3"), QStringLiteral("Acqua naturale"),
                       QStringLiteral("4,50")),
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Tiramis\u00F9"),
                       QStringLiteral("5,00")),
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Caff\u00E8"), QStringLiteral("2,40"))};
    QString shown;
    for (const auto& [table, time] :
         {std::pair{"5", "20:15:33"}, std::pair{"12", "20:41:07"},
          std::pair{"Veranda 3", "21:02:48"}, std::pair{"8", "19:58:12"},
          std::pair{"Dehors 1", "21:30:05"}}) {
        const QString name = ArchiveFileName(QString::fromUtf8(table), QStringLiteral("12/03/2024"),
                                             QString::fromUtf8(time));
        StopUnlessSaved(SaveOrderArchive(name, lines), name);
        if (shown.isEmpty())
            shown = name;
    }
    return shown;
}

// A ticket being composed, stamped at a moment of the evening: its table,
// its lines as the import dialogs add them, and its total.
QWidget* ComposedTicket() {
    TfrmOrdinazioni* window = Kept().Ordinazioni;
    const QDateTime before = SetFixedDateTime(QDateTime(QDate(2024, 3, 12), QTime(20, 15, 33)));
    window->show(); // a new ticket
    SetFixedDateTime(before);
    window->setTable(QStringLiteral("5"));
    for (const auto& [quantity, name, amount] :
         {std::tuple{"2", "Spritz", "7,00"}, std::tuple{"1", "Bruschetta al pomodoro", "4,50"},
          std::tuple{"2", "Margherita", "12,00"}, std::tuple{"1", "Diavola", "7,50"},
          std::tuple{"3", "Acqua naturale", "4,50"}, std::tuple{"1", "Tiramis\u00F9", "5,00"},
          std::tuple{"2", "Caff\u00E8", "2,40"}})
        window->appendOrderLine(BuildOrderLine(QString::fromUtf8(quantity), QString::fromUtf8(name),
                                               QString::fromUtf8(amount)));
    if (auto* total = window->findChild<QPushButton*>(QStringLiteral("btnTotale")))
        total->click();
    return window;
}

// Kept windows are drawn at their client size, as they open on a
// 1024 x 768 screen; dialogs as their opener shows them.
QMap<QString, std::function<QWidget*()>> KeptWindowsByName() {
    return {
        {QStringLiteral("TfrmPassword"), [] { return Kept().Password; }},
        {QStringLiteral("TfrmCambiaPassword"), [] { return Kept().CambiaPassword; }},
        {QStringLiteral("TfrmAvvio"), [] { return Kept().Avvio; }},
        {QStringLiteral("TfrmMenuListini"), [] { return Kept().MenuListini; }},
        {QStringLiteral("TfrmMenuOrdinazioni"), [] { return Kept().MenuOrdinazioni; }},
        {QStringLiteral("TfrmOrdinazioni"), [] { return ComposedTicket(); }},
        {QStringLiteral("TfrmApriOrdinazioni"),
         [] {
             WriteSampleTickets();
             return Kept().ApriOrdinazioni;
         }},
    };
}

QMap<QString, std::function<void()>> DialogOpeners() {
    return {
        {QStringLiteral("TfrmGuida"), [] { OpenHelpTopic(Kept().Avvio, HelpTopic::Overview); }},
        {QStringLiteral("TfrmInfo"), [] { OpenInfo(Kept().Avvio); }},
        {QStringLiteral("TfrmSplash"), [] { OpenSplash(Kept().Avvio); }},
        {QStringLiteral("TfrmInvioEmail"),
         [] {
             OpenInvioEmail(
                 Kept().Avvio,
                 QStringLiteral("Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15"),
                 QStringLiteral("ELENCO PORTATE: --- 2   Margherita --- 1   Acqua naturale"));
         }},
        // The editor with an item being typed.
        {QStringLiteral("TfrmListino_Pizze"),
         [] {
             const CatalogueEntry& pizze = WriteSamplePizzaList();
             // An item being typed, as the user adds it.
             const ModalHook save = SetModalHook({});
             SetModalHook([save](QDialog* dialog) {
                 if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtProdotto")))
                     name->setText(QStringLiteral("Pizza della casa"));
                 if (auto* price = dialog->findChild<QLineEdit*>(QStringLiteral("txtPrezzo")))
                     price->setText(QStringLiteral("9,50"));
                 save(dialog);
             });
             OpenListEditor(Kept().Avvio, pizze);
             SetModalHook(save);
         }},
        // The viewer as the archive browser opens it, its total computed,
        // at its client size rather than maximised.
        {QStringLiteral("TfrmComanda_in_Lettura"),
         [] {
             const QString name = WriteSampleTickets();
             const ModalHook save = SetModalHook({});
             SetModalHook([save](QDialog* dialog) {
                 dialog->setWindowState(Qt::WindowNoState);
                 dialog->resize(KeptWindow::WorkingSize);
                 if (auto* total = dialog->findChild<QPushButton*>(QStringLiteral("btnTotale")))
                     total->click();
                 save(dialog);
             });
             OpenComandaInLettura(Kept().Avvio, QFile::encodeName(ProgramFolder() + name),
                                  name.chopped(4));
             SetModalHook(save);
         }},
        // An item import dialog with a product chosen and its quantity raised.
        {QStringLiteral("TfrmImportaPizze"),
         [] {
             const CatalogueEntry& pizze = WriteSamplePizzaList();
             const ModalHook save = SetModalHook({});
             SetModalHook([save](QDialog* dialog) {
                 if (auto* list =
                         dialog->findChild<QAbstractItemView*>(QStringLiteral("lstRecords")))
                     if (const QModelIndexList found = list->model()->match(
                             list->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Diavola"),
                             1, Qt::MatchStartsWith);
                         !found.isEmpty())
                         list->setCurrentIndex(found.first());
                 if (auto* plus = dialog->findChild<QAbstractButton*>(QStringLiteral("btnPlus")))
                     plus->click();
                 save(dialog);
             });
             OpenImporta(Kept().Avvio, pizze, [](const QString&) {});
             SetModalHook(save);
         }},
        {QStringLiteral("TfrmElenco_Tavoli"),
         [] {
             StopUnlessSaved(WriteListFile(ListFilePath(TableListEntry()),
                                           {QStringLiteral("Tavolo 2"), QStringLiteral("Veranda"),
                                            QStringLiteral("Tavolo 10"), QStringLiteral("Dehors 1"),
                                            QStringLiteral("Tavolo 1"), QStringLiteral("terrazza"),
                                            QStringLiteral("Dehors 2"), QStringLiteral("Tavolo 3"),
                                            QStringLiteral("Sala grande")}),
                             ListFilePath(TableListEntry()));
             OpenListEditor(Kept().Avvio, TableListEntry());
         }},
    };
}

// Sample printouts, filled by the same procedure the windows use: on A4, or
// on a receipt roll of the given width.
struct SampleReport {
    QString reportName;
    QString title;
    QStringList lines;
    double rollWidthMm = 0; // 0: A4
};

QMap<QString, SampleReport> SampleReports() {
    QStringList priceList;
    for (const auto& [name, price] :
         {std::pair{"Capricciosa", "8,50"}, std::pair{"Diavola", "7,50"},
          std::pair{"Margherita", "6,00"}, std::pair{"Marinara", "5,00"},
          std::pair{"Quattro formaggi", "8,00"}, std::pair{"Quattro stagioni", "8,50"}})
        priceList.append(FormatPriceListLine(QString::fromUtf8(name), QString::fromUtf8(price)));
    const QStringList ticketLines = {
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("12,00")),
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Diavola"), QStringLiteral("7,50")),
        BuildOrderLine(QStringLiteral("3"), QStringLiteral("Acqua naturale"),
                       QStringLiteral("4,50")),
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Tiramisù"), QStringLiteral("5,00"))};
    const SampleReport ticket{
        TicketReportName,
        QStringLiteral("Comanda al tavolo 5 del giorno 12/03/2024 alle ore 20:15:33"),
        TicketSummary(ticketLines, ComputeTotal(ticketLines))};
    const auto onRoll = [](SampleReport report, double widthMm) {
        report.rollWidthMm = widthMm;
        return report;
    };
    return {
        {QStringLiteral("ReportListino"),
         {PriceListReportName, CatalogueEntryOf(CourseCategory::Pizze).PrintTitle, priceList}},
        {QStringLiteral("ReportTavoli"),
         {TableListReportName,
          TableListEntry().PrintTitle,
          {QStringLiteral("Dehors 1"), QStringLiteral("Dehors 2"), QStringLiteral("Tavolo 1"),
           QStringLiteral("Tavolo 10"), QStringLiteral("Tavolo 2"), QStringLiteral("Veranda")}}},
        {QStringLiteral("ReportComanda"), ticket},
        {QStringLiteral("ReportComanda80"), onRoll(ticket, 80)},
        {QStringLiteral("ReportComanda58"), onRoll(ticket, 58)},
    };
}

// Qt's own windows as the program opens them, each written by its drawer.
QMap<QString, std::function<bool(const QString& file)>> QtWindows() {
    return {
        {QStringLiteral("QtStampa"),
         [](const QString& file) {
             bool saved = false;
             SetModalHook([&](QDialog* dialog) {
                 saved = Save(dialog, file);
                 dialog->reject();
             });
             ReportLayout layout(PriceListReportName);
             PrintSummary(layout, CatalogueEntryOf(CourseCategory::Pizze).PrintTitle, {},
                          Kept().Avvio);
             SetModalHook({});
             return saved;
         }},
        {QStringLiteral("QtMenuCampo"),
         [](const QString& file) {
             // The field's own menu is a window of its own: it is drawn
             // over the e-mail window where it opens.
             bool saved = false;
             SetModalHook([&](QDialog* dialog) {
                 auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("txtOggetto"));
                 if (!field) {
                     dialog->reject();
                     return;
                 }
                 // Something to undo and something to paste, so that every
                 // text of the menu reads clearly.
                 field->setFocus();
                 field->selectAll();
                 field->insert(field->text());
                 if (QGuiApplication::platformName() == u"offscreen")
                     QApplication::clipboard()->setText(QStringLiteral("Tavolo 5"));
                 field->setSelection(0, 11);
                 QMenu* menu = field->createStandardContextMenu();
                 menu->popup(field->mapToGlobal(QPoint(160, field->height() / 2)));
                 QApplication::processEvents();
                 QPixmap shot = dialog->grab();
                 {
                     QPainter painter(&shot);
                     painter.drawPixmap(dialog->mapFromGlobal(menu->pos()), menu->grab());
                 }
                 saved = shot.save(file);
                 std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
                 menu->close();
                 delete menu;
                 dialog->reject();
             });
             Kept().Avvio->show();
             OpenInvioEmail(
                 Kept().Avvio,
                 QStringLiteral("Ordinazione tavolo 5 del giorno 12/03/2024 alle ore 20:15"),
                 QStringLiteral("ELENCO PORTATE: --- 2   Margherita --- 1   Acqua naturale"));
             Kept().Avvio->hide();
             SetModalHook({});
             return saved;
         }},
    };
}

// A4 page one at 150 dots per inch, white, with its margins.
bool RenderA4Png(const QVector<ReportPage>& pages, const QString& file) {
    constexpr double dpi = 150;
    QImage page(qRound(PageWidthMm / 25.4 * dpi), qRound(PageHeightMm / 25.4 * dpi),
                QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(PageMarginMm / 25.4 * dpi, PageMarginMm / 25.4 * dpi);
    PaintReportPage(pages.value(0), painter, dpi);
    painter.end();
    return page.save(file);
}

// A roll printout as one page as long as its content, at 200 dots per inch,
// framed in light grey where the paper ends. Fonts are sized at the
// printing resolution, 1200 dpi, and the painter scales down, so the text
// runs as wide as on paper.
bool RenderRollPng(const ReportLayout& layout, const QDate& date, double widthMm,
                   const QString& file) {
    constexpr double dpi = 200;
    constexpr double printDpi = 1200;
    const QVector<ReportPage> pages =
        LayOutForRoll(layout, date, MmToUnits(widthMm - 2 * RollSideMarginMm));
    const double lengthMm = ContentHeight(pages.value(0)) / UnitsPerMm + 2 * RollEndMarginMm;
    QImage page(qRound(widthMm / 25.4 * dpi), qRound(lengthMm / 25.4 * dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(printDpi / 0.0254));
    page.setDotsPerMeterY(qRound(printDpi / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QColor(0xC8, 0xC8, 0xC8));
    painter.drawRect(page.rect().adjusted(0, 0, -1, -1));
    painter.scale(dpi / printDpi, dpi / printDpi);
    painter.translate(RollSideMarginMm / 25.4 * printDpi, RollEndMarginMm / 25.4 * printDpi);
    PaintReportPage(pages.value(0), painter, printDpi);
    painter.end();
    return page.save(file);
}

// A PDF file as a printer would get it: A4, or a roll 297 mm long by its
// width, which the print procedure shortens to the printout.
bool RenderReport(const SampleReport& sample, const QString& file) {
    // Printed on the evening of the sample tickets.
    const QDateTime before = SetFixedDateTime(QDateTime(QDate(2024, 3, 12), QTime(20, 15, 33)));
    ReportLayout layout(sample.reportName);
    QVector<ReportPage> pages;
    const PrintHook previous =
        SetPrintHook([&](const QString&, const QVector<ReportPage>& laid) { pages = laid; });
    PrintSummary(layout, sample.title, sample.lines);
    SetPrintHook(previous);
    const QDate date = CurrentDateTime().date();
    SetFixedDateTime(before);

    bool saved = false;
    if (file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter writer(file);
        const QPageSize paper = sample.rollWidthMm > 0 ? QPageSize(QSizeF(sample.rollWidthMm, 297),
                                                                   QPageSize::Millimeter, QString(),
                                                                   QPageSize::ExactMatch)
                                                       : QPageSize(QPageSize::A4);
        saved = PrintOnPaper(layout, date, paper, &writer);
    } else if (sample.rollWidthMm > 0) {
        saved = RenderRollPng(layout, date, sample.rollWidthMm, file);
    } else {
        saved = RenderA4Png(pages, file);
    }
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

bool Render(const QString& className, const QString& file) {
    const auto reports = SampleReports();
    if (const auto it = reports.find(className); it != reports.end())
        return RenderReport(it.value(), file);
    const auto qtWindows = QtWindows();
    if (const auto it = qtWindows.find(className); it != qtWindows.end())
        return it.value()(file);
    const auto kept = KeptWindowsByName();
    if (const auto it = kept.find(className); it != kept.end()) {
        QWidget* window = it.value()();
        if (window->minimumSize() != window->maximumSize())
            window->resize(KeptWindow::WorkingSize);
        window->show();
        const bool saved = Save(window, file);
        window->hide();
        return saved;
    }
    const auto openers = DialogOpeners();
    if (const auto it = openers.find(className); it != openers.end()) {
        bool saved = false;
        SetModalHook([&](QDialog* dialog) {
            if (dialog->objectName() == className)
                saved = Save(dialog, file);
            dialog->reject();
        });
        Kept().Avvio->show();
        it.value()();
        Kept().Avvio->hide();
        SetModalHook({});
        return saved;
    }
    std::fprintf(stderr, "unknown window: %s\n", qPrintable(className));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // A picture of the windows shows Qt's own texts in Italian, as the program does.
    if (!LoadQtItalian()) {
        std::fprintf(stderr, "Qt's Italian translation is missing (qt6-translations-l10n)\n");
        return 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot <class name>|all <file.png>|<folder>\n");
        return 2;
    }
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    QFile store(PasswordStorePath());
    if (store.open(QIODevice::WriteOnly))
        store.write(PasswordStoreContent(QStringLiteral("bruschettavolo")));
    store.close();

    CreateWindows();
    Kept().Password->hide();
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    if (what == u"all") {
        QDir().mkpath(target);
        for (const QString& name : KeptWindowsByName().keys() + DialogOpeners().keys() +
                                       SampleReports().keys() + QtWindows().keys())
            ok = Render(name, QDir(target).filePath(name + QStringLiteral(".png"))) && ok;
    } else {
        ok = Render(what, target);
    }
    DestroyWindows();
    return ok ? 0 : 1;
}
