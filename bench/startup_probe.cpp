// What the benchmark starts as a fresh process, in a program folder it was
// given: the program's own start-up up to the password window shown, with
// every kept window created, then the end of the run. With "--every-window"
// it then shows every kept window and opens every dialog once before ending.
// It prints its peak resident memory in kilobytes.
#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "app/Shell.h"
#include "archive/ApriOrdinazioni.h"
#include "archive/Comanda_in_Lettura.h"
#include "help/HelpWindows.h"
#include "orders/Importa.h"
#include "orders/ImportaTavoli.h"
#include "orders/Ordinazioni.h"
#include "output/InvioEmail.h"
#include "platform/ModalDialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/QtItalian.h"
#include "pricelists/Catalogue.h"
#include "pricelists/ListEditor.h"
#include "widgets/KeptWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

void OpenEveryWindow() {
    const KeptWindows& kept = Kept();
    for (KeptWindow* window :
         {static_cast<KeptWindow*>(kept.Password), static_cast<KeptWindow*>(kept.Avvio),
          static_cast<KeptWindow*>(kept.CambiaPassword), static_cast<KeptWindow*>(kept.MenuListini),
          static_cast<KeptWindow*>(kept.MenuOrdinazioni),
          static_cast<KeptWindow*>(kept.Ordinazioni),
          static_cast<KeptWindow*>(kept.ApriOrdinazioni)}) {
        window->showKept();
        QApplication::processEvents();
    }
    // Each dialog is shown, drawn once and closed.
    SetModalHook([](QDialog* dialog) {
        dialog->grab();
        dialog->reject();
    });
    QWidget* opener = kept.Avvio;
    OpenHelpTopic(opener, HelpTopic::Overview);
    OpenInfo(opener);
    OpenSplash(opener);
    OpenInvioEmail(opener, QStringLiteral("Ordinazione"), QStringLiteral("ELENCO PORTATE:"));
    for (const CatalogueEntry& entry : CategoryCatalogue())
        OpenListEditor(opener, entry);
    for (const CatalogueEntry& entry : CategoryEntries())
        OpenImporta(opener, entry, [](const QString&) {});
    OpenImportaTavoli(opener, [](const QString&) {});
    OpenComandaInLettura(opener, QFile::encodeName(ProgramFolder() + QStringLiteral("Comanda.eur")),
                         QStringLiteral("Comanda"));
    SetModalHook({});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 2)
        SetProgramFolder(arguments[1]);
    const bool everyWindow = arguments.contains(QStringLiteral("--every-window"));
    LoadQtItalian();
    QApplication::setQuitOnLastWindowClosed(false);
    CreateWindows();
    // The first turn of the event loop shows the password window; the run
    // ends right after it.
    QTimer::singleShot(0, [everyWindow] {
        if (everyWindow)
            OpenEveryWindow();
        QApplication::quit();
    });
    const int code = QApplication::exec();
    DestroyWindows();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return code;
}
