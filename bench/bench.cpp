// Measures the program's figures on its real classes and windows (offscreen),
// one line per figure:
//   name value floor ratio
// Each value is the median of several runs; its floor is the same work done
// the minimal way on the same data, measured in the same run. Times are in
// milliseconds, memory in kilobytes; a figure with no floor shows 0 for it.
// The data lie in temporary folders filled with plain writes.
#include "access/PasswordStore.h"
#include "app/Shell.h"
#include "archive/ApriOrdinazioni.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ListFile.h"
#include "catalogue/PriceText.h"
#include "orders/Importa.h"
#include "orders/Ordinazioni.h"
#include "platform/AnsiCodePage.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "pricelists/ListEditor.h"
#include "pricelists/OpenListEditor.h"
#include "tickets/OrderArchive.h"
#include "tickets/OrderLine.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ModalDialogs.h"

#include <QAbstractItemView>
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
#include <QTimer>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// One plain write of the bytes, synced to disk as the program's saves are.
void PlainSyncedWrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.flush();
    ::fsync(file.handle());
}

// A list the benchmark works on that cannot be written stops it: its figures
// would be of another list.
void WriteBenchList(const QString& path, const QStringList& lines) {
    if (const Result<void> written = WriteListFile(path, lines); !written)
        qFatal("Cannot write %s: %s", qPrintable(path), qPrintable(written.error()));
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

// Opening a price-list editor on a list file of `count` lines until it is
// shown and painted, and "Salva e chiudi" until it is written and the window
// gone, each beside its floor: reading, decoding, splitting and sorting the
// same file; one plain write of the same bytes. The save is reported only
// under a name given.
void BenchListEditor(int count, int runs, const char* openName, const char* saveName) {
    const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
    const QString path = ListFilePath(entry);
    WriteBenchList(path, RandomPriceList(count));

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
    for (int i = 0; i < runs; ++i) {
        timer.start();
        OpenListEditor(&opener, entry);
        saves.push_back(timer.nsecsElapsed() / 1e6);
    }
    SetModalHook(previous);

    // The file as the editor last wrote it, read and written the minimal way.
    QByteArray bytes;
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll();
    }
    const double openFloor = Median(runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QStringList lines = SplitTextLines(DecodeTextFile(file.readAll()));
        SortByListOrder(lines);
    });
    Report(openName, MedianOf(opens), openFloor);
    if (saveName) {
        const QString floorPath = path + QStringLiteral(".floor");
        Report(saveName, MedianOf(saves),
               Median(runs, [&] { PlainSyncedWrite(floorPath, bytes); }));
        QFile::remove(floorPath);
    }
}

// Fills the folder with `count` tickets, written with plain writes, each
// name its own.
void WriteTickets(const QString& folder, int count) {
    const QString previousFolder = SetProgramFolder(folder);
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
        QFile file(ProgramFolder() + ArchiveFileName(QString::number(i % 40 + 1), date, time));
        file.open(QIODevice::WriteOnly);
        file.write(ticket);
    }
    SetProgramFolder(previousFolder);
}

// The archive browser's list.
QAbstractItemView* ArchiveList(const TfrmApriOrdinazioni& browser) {
    return browser.findChild<QAbstractItemView*>(QStringLiteral("lstFiles"));
}

// Turns of the event loop until the list holds `rows` rows, then one more:
// listed, laid out and painted. The listing may come from a thread of its
// own; the timer only bounds each wait. A list that never fills ends the
// run rather than give a figure for work not done.
void UntilListed(QAbstractItemView* list, int rows) {
    if (list->model()->rowCount() < rows) {
        QTimer wake;
        wake.start(20);
        QElapsedTimer waited;
        waited.start();
        while (list->model()->rowCount() < rows) {
            if (waited.elapsed() > 60000) {
                std::fprintf(stderr, "%d of %d tickets listed\n", list->model()->rowCount(), rows);
                std::exit(1);
            }
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
    QApplication::processEvents();
}

// The floor of every figure that lists the archive: one bare unsorted pass
// over the same folder, the names decoded.
double BareListing(const QString& folder, int runs) {
    const QByteArray path = QFile::encodeName(folder);
    return Median(runs, [&] {
        QStringList names;
        DIR* dir = opendir(path.constData());
        while (const dirent* entry = readdir(dir))
            names.append(QFile::decodeName(entry->d_name));
        closedir(dir);
    });
}

// The archive browser shown on a folder of `count` tickets, until it is
// listed, laid out and painted, beside one bare listing of the folder: the
// kept browser as the user comes back to it (each show lists the folder
// again and brings the list in line with it), and the first show after
// start-up, which builds the window and puts every item in.
void BenchArchiveShow(const QString& folder, int count, int runs, const char* againName,
                      const char* firstName) {
    const QString previousFolder = SetProgramFolder(folder);
    const double floor = BareListing(folder, runs);
    std::vector<double> firstShows;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        TfrmApriOrdinazioni fresh;
        fresh.showKept();
        UntilListed(ArchiveList(fresh), count);
        firstShows.push_back(timer.nsecsElapsed() / 1e6);
    }

    TfrmApriOrdinazioni browser;
    browser.showKept();
    UntilListed(ArchiveList(browser), count);
    browser.hide();
    Report(againName,
           Median(runs,
                  [&] {
                      browser.showKept();
                      UntilListed(ArchiveList(browser), count);
                      browser.hide();
                  }),
           floor);
    Report(firstName, MedianOf(firstShows), floor);
    SetProgramFolder(previousFolder);
}

// One ticket saved by another station while the archive browser is shown on
// the prepared folder: the time the user-interface thread spends until the
// list shows it (the listing runs on a thread of its own), beside its floor:
// one name put at its sorted place in a plain list widget of as many names,
// and painted. The folder keeps the tickets it adds.
void BenchArchiveChange(const QString& folder, const char* name) {
    const QString previousFolder = SetProgramFolder(folder);
    TfrmApriOrdinazioni browser;
    browser.showKept();
    QAbstractItemView* list = ArchiveList(browser);
    UntilListed(list, int(ListOrderArchives().size()));
    std::vector<double> costs;
    for (int i = 0; i < 7; ++i) {
        const int before = list->model()->rowCount();
        QFile file(ProgramFolder() + ArchiveFileName(QStringLiteral("Terrazza %1").arg(i),
                                                     QStringLiteral("12/03/2024"),
                                                     QStringLiteral("20:15:33")));
        file.open(QIODevice::WriteOnly);
        file.write("   1Acqua\r\n");
        file.close();
        double busy = 0;
        QElapsedTimer waited;
        waited.start();
        while (list->model()->rowCount() == before && waited.elapsed() < 10000) {
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

// The peak resident memory of a fresh process showing the archive browser
// on the folder of `count` tickets until listed and painted. No floor.
void BenchArchiveMemory(const QString& folder, int count, int runs, const char* name) {
    const QString probe = QStringLiteral(ORBISALA_ARCHIVE_PROBE);
    std::vector<double> memory;
    for (int i = 0; i < runs; ++i) {
        QByteArray out;
        ProcessRun(probe, {folder, QString::number(count)}, &out);
        memory.push_back(out.trimmed().toDouble());
    }
    Report(name, MedianOf(memory), 0);
}

// An item import dialog opened on a price list of `count` lines, until it
// is shown and painted, beside its floor: reading, decoding, splitting and
// sorting the same file. In a program folder of its own.
void BenchImportOpen(int count, int runs, const char* name) {
    QTemporaryDir folder;
    const QString previousFolder = SetProgramFolder(folder.path());
    const CatalogueEntry& entry = CatalogueEntryOf(CourseCategory::Pizze);
    const QString path = ListFilePath(entry);
    WriteBenchList(path, RandomPriceList(count));

    std::vector<double> opens;
    QElapsedTimer timer;
    const ModalHook previous = SetModalHook([&](QDialog* dialog) {
        QApplication::processEvents(); // laid out and painted
        opens.push_back(timer.nsecsElapsed() / 1e6);
        dialog->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
    });
    QWidget opener;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        OpenImporta(&opener, entry, [](const QString&) {});
    }
    SetModalHook(previous);
    Report(name, MedianOf(opens), Median(runs, [&] {
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
    WriteBenchList(ListFilePath(entry), RandomPriceList(20));
    const QString earlier =
        BuildOrderLine(QStringLiteral("2"), QStringLiteral("Margherita"), QStringLiteral("12,00"));

    TfrmOrdinazioni window;
    QElapsedTimer timer;
    const ModalHook previousModal = SetModalHook([&](QDialog* dialog) {
        auto* records = dialog->findChild<QAbstractItemView*>(QStringLiteral("lstRecords"));
        records->setCurrentIndex(records->model()->index(3, 0));
        dialog->findChild<QAbstractButton*>(QStringLiteral("btnPlus"))->click();
        timer.start();
        dialog->findChild<QPushButton*>(QStringLiteral("btnImporta"))->click();
    });
    const MessageHook previousMessages =
        SetMessageHook([](MessageKind, const QString&) { return true; });
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        window.showKept(); // a new ticket
        window.setTable(QStringLiteral("5"));
        for (int line = 1; line < 500; ++line)
            window.appendOrderLine(earlier);
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

// Start-up: a fresh process of the program's start, every kept window created
// and the password window shown, beside a fresh minimal Qt Widgets program
// showing one label, in time and in the peak resident memory each prints;
// then the peak resident memory after every window was opened once, beside
// the minimal program's.
void BenchStartup() {
    const QString probe = QStringLiteral(ORBISALA_STARTUP_PROBE);
    const QString minimal = QStringLiteral(ORBISALA_MINIMAL_PROBE);
    const QStringList folder{ProgramFolder()};
    ProcessRun(probe, folder, nullptr); // the system's caches as every later run finds them
    ProcessRun(minimal, {}, nullptr);
    std::vector<double> starts;
    std::vector<double> floors;
    std::vector<double> startMemory;
    std::vector<double> floorStartMemory;
    for (int i = 0; i < 11; ++i) {
        QByteArray out;
        starts.push_back(ProcessRun(probe, folder, &out));
        startMemory.push_back(out.trimmed().toDouble());
        floors.push_back(ProcessRun(minimal, {}, &out));
        floorStartMemory.push_back(out.trimmed().toDouble());
    }
    Report("startup", MedianOf(starts), MedianOf(floors));
    Report("startup_rss", MedianOf(startMemory), MedianOf(floorStartMemory));

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
    BenchListEditor(10000, 9, "editor_open_10k", "editor_save_10k");
    BenchListEditor(100000, 5, "editor_open_100k", nullptr);
    BenchImportOpen(10000, 9, "import_open_10k");
    BenchImportOpen(100000, 5, "import_open_100k");
    {
        QTemporaryDir tickets;
        WriteTickets(tickets.path(), 20000);
        BenchArchiveShow(tickets.path(), 20000, 9, "archive_fill_20k",
                         "archive_fill_20k_first_show");
        BenchArchiveChange(tickets.path(), "archive_change_20k");
    }
    {
        // Written once: every figure on 200,000 tickets reads this folder,
        // the change last as it adds tickets.
        QTemporaryDir tickets;
        WriteTickets(tickets.path(), 200000);
        BenchArchiveShow(tickets.path(), 200000, 5, "archive_again_200k", "archive_first_200k");
        BenchArchiveMemory(tickets.path(), 200000, 3, "archive_rss_200k");
        BenchArchiveChange(tickets.path(), "archive_change_200k");
    }
    BenchTicket500();
    return 0;
}
