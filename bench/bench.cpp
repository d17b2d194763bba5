// Measures the program's figures on its real classes and windows (offscreen),
// one line per figure:
//   name value floor ratio
// Each value is the median of several runs; its floor is the same work done
// the minimal way on the same data, measured in the same run. Times are in
// milliseconds, memory in kilobytes. The data lie in a temporary program
// folder filled with plain writes.
#include "access/PasswordStore.h"
#include "app/Shell.h"
#include "archive/ApriOrdinazioni.h"
#include "archive/OrderArchive.h"
#include "orders/Importa.h"
#include "orders/OrderLine.h"
#include "orders/Ordinazioni.h"
#include "platform/AnsiCodePage.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalDialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "pricelists/Catalogue.h"
#include "pricelists/ListEditor.h"
#include "pricelists/ListFile.h"
#include "pricelists/PriceText.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <dirent.h>
#include <unistd.h>

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

double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* name, double value, double floor) {
    std::printf("%s %.3f %.3f %.2f\n", name, value, floor, floor > 0 ? value / floor : 0.0);
    std::fflush(stdout);
}

// One plain write of the bytes, synced to disk as the program's saves are.
void PlainSyncedWrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.flush();
    ::fsync(file.handle());
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
    const double openFloor = Median(9, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QStringList lines = SplitTextLines(DecodeTextFile(file.readAll()));
        SortByListOrder(lines);
    });
    Report("editor_open_10k", median(opens), openFloor);
    const QString floorPath = path + QStringLiteral(".floor");
    Report("editor_save_10k", median(saves),
           Median(9, [&] { PlainSyncedWrite(floorPath, bytes); }));
    QFile::remove(floorPath);
}

// The archive browser shown on 20,000 tickets, until it is laid out and
// painted, beside its floor: one bare unsorted pass over the same folder.
// The tickets are written with plain writes, in a folder of their own. The
// first show times the building of the window and its items as well.
// Fills the program folder with `count` tickets, written with plain writes.
void WriteTickets(int count) {
    const QByteArray ticket = EncodeAnsi(
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("11,00")) +
        QStringLiteral("\r\n") +
        BuildOrderLine(QStringLiteral("1"), QStringLiteral("Acqua naturale"),
                       QStringLiteral("1,50")) +
        QStringLiteral("\r\n"));
    for (int i = 0; i < count; ++i) {
        const int seconds = i % 86400;
        const QString time = QStringLiteral("%1:%2:%3")
                                 .arg(seconds / 3600, 2, 10, QChar(u'0'))
                                 .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
                                 .arg(seconds % 60, 2, 10, QChar(u'0'));
        const QString date = QStringLiteral("%1/03/2024").arg(i / 86400 + 1, 2, 10, QChar(u'0'));
        QFile file(ProgramFolder() +
                   ArchiveFileName(QString::number(i % 40 + 1), date, time));
        file.open(QIODevice::WriteOnly);
        file.write(ticket);
    }
}

void BenchArchiveFill() {
    QTemporaryDir folder;
    const QString previousFolder = SetProgramFolder(folder.path());
    WriteTickets(20000);

    const QByteArray path = QFile::encodeName(folder.path());
    const double floor = Median(9, [&] {
        QStringList names;
        DIR* dir = opendir(path.constData());
        while (const dirent* entry = readdir(dir))
            names.append(QFile::decodeName(entry->d_name));
        closedir(dir);
    });

    // The kept browser, as the user comes back to it: each show lists the
    // folder again and brings the list in line with it.
    TfrmApriOrdinazioni browser;
    browser.showKept();
    QApplication::processEvents();
    browser.hide();
    Report("archive_fill_20k",
           Median(9,
                  [&] {
                      browser.showKept();
                      QApplication::processEvents(); // listed, laid out and painted
                      browser.hide();
                  }),
           floor);
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
    Report("archive_fill_20k_first_show", MedianOf(firstShows), floor);
    SetProgramFolder(previousFolder);
}

// One ticket saved by another station while the archive browser is shown on
// `count` tickets: the time the user-interface thread spends until the list
// shows it (the listing runs on a thread of its own), beside its floor: one
// name put at its sorted place in a plain list widget of as many names, and
// painted.
void BenchArchiveChange(int count, const char* name) {
    QTemporaryDir folder;
    const QString previousFolder = SetProgramFolder(folder.path());
    WriteTickets(count);
    TfrmApriOrdinazioni browser;
    browser.showKept();
    QApplication::processEvents();
    auto* list = browser.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    std::vector<double> costs;
    for (int i = 0; i < 7; ++i) {
        const int before = list->count();
        QFile file(ProgramFolder() + ArchiveFileName(QStringLiteral("Terrazza %1").arg(i),
                                                     QStringLiteral("12/03/2024"),
                                                     QStringLiteral("20:15:33")));
        file.open(QIODevice::WriteOnly);
        file.write("   1Acqua\r\n");
        file.close();
        double busy = 0;
        QElapsedTimer waited;
        waited.start();
        while (list->count() == before && waited.elapsed() < 10000) {
            QElapsedTimer timer;
            timer.start();
            QApplication::processEvents();
            busy += timer.nsecsElapsed() / 1e6;
            QThread::usleep(500);
        }
        costs.push_back(busy);
    }
    const QStringList names = ListOrderArchives();
    QListWidget plain;
    plain.setUniformItemSizes(true);
    plain.addItems(names);
    plain.show();
    QApplication::processEvents();
    const double floor = Median(7, [&] {
        const QString added = QStringLiteral("Comanda al tavolo 20 del giorno 12.03.2024.eur");
        const auto at = std::lower_bound(names.begin(), names.end(), added);
        plain.insertItem(int(at - names.begin()), added);
        QApplication::processEvents();
    });
    Report(name, MedianOf(costs), floor);
    SetProgramFolder(previousFolder);
}

// An item import dialog opened on a 10,000-line price list, until it is
// shown and painted, beside its floor: reading, decoding, splitting and
// sorting the same file. In a program folder of its own.
void BenchImportOpen() {
    QTemporaryDir folder;
    const QString previousFolder = SetProgramFolder(folder.path());
    const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
    const QString path = ListFilePath(entry);
    WriteListFile(path, RandomPriceList(10000));

    std::vector<double> opens;
    QElapsedTimer timer;
    const ModalHook previous = SetModalHook([&](QDialog* dialog) {
        QApplication::processEvents(); // laid out and painted
        opens.push_back(timer.nsecsElapsed() / 1e6);
        dialog->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
    });
    QWidget opener;
    for (int i = 0; i < 9; ++i) {
        timer.start();
        OpenImporta(&opener, entry, [](const QString&) {});
    }
    SetModalHook(previous);
    Report("import_open_10k", MedianOf(opens), Median(9, [&] {
               QFile file(path);
               file.open(QIODevice::ReadOnly);
               QStringList lines = SplitTextLines(DecodeTextFile(file.readAll()));
               SortByListOrder(lines);
           }));
    SetProgramFolder(previousFolder);
}

// The 500th line of a ticket: from "Importa dati" in the open item dialog
// (a product chosen, its quantity raised) through "Calcola totale" and
// "Salva" until their handlers are done (the line listed, the total shown,
// the file saved), beside its floor: building the 500 lines and writing them
// with one plain write. The program's save is atomic and durable (a
// temporary file synced to disk, then renamed): one such write of the same
// lines is shown beside them. In a program folder of its own.
void BenchTicket500() {
    QTemporaryDir folder;
    const QString previousFolder = SetProgramFolder(folder.path());
    const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
    WriteListFile(ListFilePath(entry), RandomPriceList(20));
    const QString earlier =
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("12,00"));

    TfrmOrdinazioni window;
    QElapsedTimer timer;
    const ModalHook previousModal = SetModalHook([&](QDialog* dialog) {
        dialog->findChild<QListWidget*>(QStringLiteral("lstRecords"))->setCurrentRow(3);
        dialog->findChild<QAbstractButton*>(QStringLiteral("btnPlus"))->click();
        timer.start();
        dialog->findChild<QPushButton*>(QStringLiteral("btnImporta"))->click();
    });
    const MessageHook previousMessages =
        SetMessageHook([](MessageKind, const QString&) { return true; });
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        window.showKept(); // a new ticket
        window.SetTable(QStringLiteral("5"));
        for (int line = 1; line < 500; ++line)
            window.AppendOrderLine(earlier);
        QApplication::processEvents();
        window.findChild<QAbstractButton*>(QStringLiteral("btnPizze"))->click();
        window.findChild<QPushButton*>(QStringLiteral("btnTotale"))->click();
        window.findChild<QPushButton*>(QStringLiteral("cmdSalva"))->click();
        times.push_back(timer.nsecsElapsed() / 1e6);
        QApplication::processEvents();
        window.hide();
    }
    SetMessageHook(previousMessages);
    SetModalHook(previousModal);
    const QString path = ProgramFolder() + QStringLiteral("floor.eur");
    Report("ticket_500", MedianOf(times), Median(9, [&] {
               QString text;
               for (int line = 0; line < 500; ++line)
                   text += BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"),
                                          QStringLiteral("12,00")) +
                           QStringLiteral("\r\n");
               PlainSyncedWrite(path, EncodeAnsi(text));
           }));
    SetProgramFolder(previousFolder);
}

// A fresh process run to its end, in milliseconds; its standard output in *out.
double ProcessRun(const QString& program, const QStringList& arguments, QByteArray* out) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(60000);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (out)
        *out = process.readAllStandardOutput();
    return elapsed;
}

// Start-up: a fresh process of the program's start, every kept window created
// and the password window shown, beside a fresh minimal Qt Widgets program
// showing one label; then the peak resident memory after every window was
// opened once, beside the minimal program's.
void BenchStartup() {
    const QString probe = QStringLiteral(ORBISALA_STARTUP_PROBE);
    const QString minimal = QStringLiteral(ORBISALA_MINIMAL_PROBE);
    const QStringList folder{ProgramFolder()};
    ProcessRun(probe, folder, nullptr); // the system's caches as every later run finds them
    ProcessRun(minimal, {}, nullptr);
    std::vector<double> starts;
    std::vector<double> floors;
    for (int i = 0; i < 11; ++i) {
        starts.push_back(ProcessRun(probe, folder, nullptr));
        floors.push_back(ProcessRun(minimal, {}, nullptr));
    }
    Report("startup", MedianOf(starts), MedianOf(floors));

    std::vector<double> memory;
    std::vector<double> floorMemory;
    for (int i = 0; i < 5; ++i) {
        QByteArray out;
        ProcessRun(probe, folder + QStringList{QStringLiteral("--every-window")}, &out);
        memory.push_back(out.trimmed().toDouble());
        ProcessRun(minimal, {}, &out);
        floorMemory.push_back(out.trimmed().toDouble());
    }
    Report("peak_rss", MedianOf(memory), MedianOf(floorMemory));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    {
        QFile store(PasswordStorePath());
        store.open(QIODevice::WriteOnly);
        store.write(PasswordStoreContent(QStringLiteral("bruschettavolo")));
    }

    BenchStartup();
    BenchListEditor();
    BenchImportOpen();
    BenchArchiveFill();
    BenchArchiveChange(20000, "archive_change_20k");
    BenchArchiveChange(200000, "archive_change_200k");
    BenchTicket500();
    return 0;
}
