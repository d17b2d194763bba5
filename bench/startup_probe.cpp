// What the benchmark starts as a fresh process, in a program folder it was
// given: the program's own start-up up to the password window shown and
// painted, then the end of the run. With "--every-window" it then creates
// every kept window, shows each in turn as the navigation does (the one left
// behind hidden), opens every dialog once and ends. It prints its peak
// resident memory in kilobytes.
#include "PeakMemory.h"
#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "app/Shell.h"
#include "archive/ApriOrdinazioni.h"
#include "archive/Comanda_in_Lettura.h"
#include "catalogue/Catalogue.h"
#include "help/HelpWindows.h"
#include "orders/Importa.h"
#include "orders/ImportaTavoli.h"
#include "orders/Ordinazioni.h"
#include "output/InvioEmail.h"
#include "platform/ProgramFolder.h"
#include "pricelists/ListEditor.h"
#include "pricelists/OpenListEditor.h"
#include "widgets/KeptWindow.h"
#include "widgets/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>

#include <cstdio>

namespace {

// Shows `window` in place of `previous`, as the navigation does, and lets it
// paint.
void ShowInstead(KeptWindow* window, KeptWindow* previous) {
    window->showKept();
    if (previous != window)
        previous->hide();
    QApplication::processEvents();
}

void OpenEveryWindow() {
    const KeptWindows& kept = Kept();
    KeptWindow* shown = kept.Password;
    for (KeptWindow* window :
         {static_cast<KeptWindow*>(kept.Avvio), static_cast<KeptWindow*>(kept.CambiaPassword),
          static_cast<KeptWindow*>(kept.MenuListini),
          static_cast<KeptWindow*>(kept.MenuOrdinazioni),
          static_cast<KeptWindow*>(kept.Ordinazioni),
          static_cast<KeptWindow*>(kept.ApriOrdinazioni), static_cast<KeptWindow*>(kept.Avvio)}) {
        ShowInstead(window, shown);
        shown = window;
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

// Ends the run once the password window has painted, queued ahead of
// anything that paint started, so the time and memory are those of the
// first window shown.
class AtFirstPaint : public QObject {
public:
    explicit AtFirstPaint(bool everyWindow) : m_everyWindow(everyWindow) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen &&
            watched->objectName() == QStringLiteral("TfrmPassword")) {
            m_seen = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (m_everyWindow)
            OpenEveryWindow();
        // The windows go before the loop ends: with them goes whatever
        // their paint had queued.
        DestroyWindows();
        QApplication::exit(0);
        return true;
    }

private:
    bool m_everyWindow;
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv) {
    PrepareProcess();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 2)
        SetProgramFolder(arguments[1]);
    const bool everyWindow = arguments.contains(QStringLiteral("--every-window"));
    AtFirstPaint end(everyWindow);
    application.installEventFilter(&end);
    StartProgram();
    const int code = QApplication::exec();
    std::printf("%ld\n", PeakResidentKilobytes());
    return code;
}
