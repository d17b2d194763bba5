// What the benchmark starts as a fresh process for the archive's memory
// figure: the archive browser shown on the program folder it was given, until
// it lists the number of tickets it was told and is laid out and painted.
// It prints its peak resident memory in kilobytes (PeakMemory.h).
#include "PeakMemory.h"
#include "archive/ApriOrdinazioni.h"
#include "platform/ProgramFolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "archive_probe FOLDER TICKETS\n");
        return 2;
    }
    SetProgramFolder(arguments[1]);
    const int tickets = arguments[2].toInt();
    {
        TfrmApriOrdinazioni browser;
        browser.showKept();
        // The listing may come from a thread of its own: the loop waits for
        // its rows, the timer only bounds each wait.
        auto* list = browser.findChild<QAbstractItemView*>(QStringLiteral("lstFiles"));
        QTimer wake;
        wake.start(20);
        QElapsedTimer waited;
        waited.start();
        while (list->model()->rowCount() < tickets) {
            if (waited.elapsed() > 60000) {
                std::fprintf(stderr, "archive_probe: %d of %d tickets listed\n",
                             list->model()->rowCount(), tickets);
                return 1;
            }
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QApplication::processEvents(); // laid out and painted
    }
    std::printf("%ld\n", PeakResidentKilobytes());
    return 0;
}
