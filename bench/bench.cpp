// Measures the program's figures on its real classes, one line per figure:
//   name value unit
// Each figure stands beside its floor, measured in the same run (reading the
// same bytes, listing the same folder), so that the overhead is visible.
#include "access/PasswordStore.h"
#include "platform/ProgramFolder.h"
#include "app/Shell.h"
#include "archive/ApriOrdinazioni.h"
#include "archive/OrderArchive.h"
#include "orders/OrderLine.h"
#include "platform/AnsiCodePage.h"
#include "platform/ModalDialogs.h"
#include "platform/TextFile.h"
#include "pricelists/Catalogue.h"
#include "pricelists/ListEditor.h"
#include "pricelists/ListFile.h"
#include "pricelists/PriceText.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The median of several runs, in milliseconds.
double Median(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Print(const char* name, double value, const char* unit) {
    std::printf("%s %.3f %s\n", name, value, unit);
}

QStringList RandomPriceList(int count) {
    QStringList lines;
    auto* random = QRandomGenerator::global();
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("Piatto %1 della casa").arg(random->bounded(1000000));
        const QString price =
            QStringLiteral("%1,%2").arg(random->bounded(100)).arg(random->bounded(100));
        lines.append(FormatPriceListLine(name, price));
    }
    return lines;
}

// Opening a price-list editor on a 10,000-line list file until it is shown
// and painted, and "Salva e chiudi" until it is written and the window gone,
// each beside its floor: reading, decoding, splitting and sorting the same
// file; one plain write of the same bytes.
void BenchListEditor() {
    const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
    const QString path = ListFilePath(entry);
    WriteListFile(path, RandomPriceList(10000));

    std::vector<double> opens;
    std::vector<double> saves;
    QElapsedTimer timer;
    const ModalHook previous = SetModalHook([&](QDialog* editor) {
        QApplication::processEvents(); // laid out and painted
        opens.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        editor->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
    });
    QWidget opener;
    for (int i = 0; i < 9; ++i) {
        timer.start();
        OpenListEditor(&opener, entry);
        saves.push_back(timer.nsecsElapsed() / 1e6);
    }
    SetModalHook(previous);
    const auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };

    // The file as the editor last wrote it, read and written the minimal way.
    QByteArray bytes;
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll();
    }
    Print("editor_open_10k", median(opens), "ms");
    Print("editor_open_10k_floor",
          Median(9,
                 [&] {
                     QFile file(path);
                     file.open(QIODevice::ReadOnly);
                     QStringList lines = SplitTextLines(DecodeTextFile(file.readAll()));
                     SortByListOrder(lines);
                 }),
          "ms");
    Print("editor_save_10k", median(saves), "ms");
    Print("editor_save_10k_floor",
          Median(9,
                 [&] {
                     QFile file(path);
                     file.open(QIODevice::WriteOnly);
                     file.write(bytes);
                 }),
          "ms");
}

// The archive browser shown on 20,000 tickets, until it is laid out and
// painted, beside its floor: one bare unsorted pass over the same folder.
// The tickets are written with plain writes, in a folder of their own. The
// first show times the building of the window and its items as well.
void BenchArchiveFill() {
    QTemporaryDir folder;
    const QString previousFolder = SetProgramFolder(folder.path());
    const QByteArray ticket = EncodeAnsi(
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("11,00")) +
        QStringLiteral("\r\n") +
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Acqua naturale"),
                       QStringLiteral("1,50")) +
        QStringLiteral("\r\n"));
    for (int i = 0; i < 20000; ++i) {
        const QString time = QStringLiteral("%1:%2:%3")
                                 .arg(i / 3600, 2, 10, QChar(u'0'))
                                 .arg(i / 60 % 60, 2, 10, QChar(u'0'))
                                 .arg(i % 60, 2, 10, QChar(u'0'));
        QFile file(ProgramFolder() + ArchiveFileName(QString::number(i % 40 + 1),
                                                     QStringLiteral("12/03/2024"), time));
        file.open(QIODevice::WriteOnly);
        file.write(ticket);
    }

    const QByteArray path = QFile::encodeName(folder.path());
    Print("archive_fill_20k_floor",
          Median(9,
                 [&] {
                     QStringList names;
                     DIR* dir = opendir(path.constData());
                     while (const dirent* entry = readdir(dir))
                         names.append(QFile::decodeName(entry->d_name));
                     closedir(dir);
                 }),
          "ms");

    // The kept browser, as the user comes back to it: each show lists the
    // folder again and brings the list in line with it.
    TfrmApriOrdinazioni browser;
    browser.showKept();
    QApplication::processEvents();
    browser.hide();
    Print("archive_fill_20k",
          Median(9,
                 [&] {
                     browser.showKept();
                     QApplication::processEvents(); // listed, laid out and painted
                     browser.hide();
                 }),
          "ms");
    // The first show after start-up, when all 20,000 items go in.
    std::vector<double> firstShows;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer timer;
        timer.start();
        TfrmApriOrdinazioni fresh;
        fresh.showKept();
        QApplication::processEvents();
        firstShows.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(firstShows.begin(), firstShows.end());
    Print("archive_fill_20k_first_show", firstShows[firstShows.size() / 2], "ms");
    SetProgramFolder(previousFolder);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    SetProgramFolder(folder.path());

    // Price lists of ten thousand lines.
    const QString listPath = ProgramFolder() + QStringLiteral("Listino_Pizze.lst");
    const QStringList list = RandomPriceList(10000);
    Print("list_write_10000_lines", Median(9, [&] { WriteListFile(listPath, list); }), "ms");
    Print("list_read_bytes_floor_10000_lines",
          Median(9,
                 [&] {
                     QFile file(listPath);
                     file.open(QIODevice::ReadOnly);
                     file.readAll();
                 }),
          "ms");
    Print("list_read_and_sort_10000_lines",
          Median(9,
                 [&] {
                     QStringList lines;
                     ReadListFile(listPath, &lines);
                     SortByListOrder(lines);
                 }),
          "ms");
    QStringList sorted = list;
    SortByListOrder(sorted);
    Print("list_insert_one_line_in_10000",
          Median(101,
                 [&] {
                     QStringList copy = sorted;
                     copy.insert(ListInsertPosition(copy, QStringLiteral("Margherita")),
                                 QStringLiteral("Margherita"));
                 }),
          "ms");

    BenchListEditor();
    BenchArchiveFill();

    // An archive of thirty thousand tickets.
    const QStringList ticket = {
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("11,00")),
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Acqua naturale"),
                       QStringLiteral("1,50"))};
    for (int i = 0; i < 30000; ++i)
        SaveOrderArchive(
            QStringLiteral("Comanda al tavolo %1 del giorno 12.03.2024 alle ore %2.eur")
                .arg(i % 40)
                .arg(i, 8, 10, QChar(u'0')),
            ticket);
    Print("archive_list_floor_30000_files",
          Median(5, [] { QDir(ProgramFolder()).entryList(QDir::Files); }), "ms");
    Print("archive_list_30000_files", Median(5, [] { ListOrderArchives(); }), "ms");

    QStringList longTicket;
    for (int i = 0; i < 1000; ++i)
        longTicket.append(ticket[i % 2]);
    Print("ticket_total_1000_lines", Median(21, [&] { ComputeTotal(longTicket); }), "ms");

    // Start-up: every kept window built and the password window shown.
    QFile store(PasswordStorePath());
    store.open(QIODevice::WriteOnly);
    store.write(PasswordStoreContent(QStringLiteral("bruschettavolo")));
    store.close();
    Print("startup_create_windows",
          Median(5,
                 [] {
                     CreateWindows();
                     QApplication::processEvents();
                     DestroyWindows();
                 }),
          "ms");
    return 0;
}
