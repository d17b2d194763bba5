#include "app/Shell.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "app/Navigation.h"
#include "archive/ApriOrdinazioni.h"
#include "orders/Ordinazioni.h"
#include "platform/QtItalian.h"

#include <QApplication>
#include <QTimer>

#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
KeptWindows& Windows() {
    static KeptWindows windows;
    return windows;
}

// Creates the kept windows after the password window, in their order, once.
// A later window's constructor reaching Kept() finds the ones before it.
void CreateTheOthers() {
    static bool creating = false;
    KeptWindows& w = Windows();
    if (!w.Password || w.Avvio || creating)
        return;
    creating = true;
    w.Avvio = new TfrmAvvio;
    w.CambiaPassword = new TfrmCambiaPassword;
    w.MenuListini = new TfrmMenuListini;
    w.MenuOrdinazioni = new TfrmMenuOrdinazioni;
    w.Ordinazioni = new TfrmOrdinazioni;
    w.ApriOrdinazioni = new TfrmApriOrdinazioni;
    creating = false;
    WireNavigation(w);
}

// Starts the creation of the other windows once the password window has
// painted: queued, it runs after that paint has gone to the screen, so they
// never delay the first window. Gone with the window, and with it any
// creation still queued.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, CreateTheOthers);
            deleteLater();
        }
        return false;
    }
};

std::function<void()>& EndHook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

const KeptWindows& Kept() {
    CreateTheOthers();
    return Windows();
}

void CreateWindows() {
    KeptWindows& w = Windows();
    w.Password = new TfrmPassword;
    WirePasswordWindow(w.Password);
    new AfterFirstPaint(w.Password);
    w.Password->showKept();
}

void DestroyWindows() {
    // Taken out first: whatever runs while they go finds no window to reach.
    const KeptWindows w = std::exchange(Windows(), KeptWindows());
    delete w.ApriOrdinazioni;
    delete w.Ordinazioni;
    delete w.MenuOrdinazioni;
    delete w.MenuListini;
    delete w.CambiaPassword;
    delete w.Avvio;
    delete w.Password;
}

void PrepareProcess() {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
#if defined(__GLIBC__)
    // A fixed threshold: glibc would raise it to the size of the first large
    // block freed, and every later backing store would come from the heap,
    // where it stays with the process once freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void StartProgram() {
    // Qt's own dialogs, menus and buttons speak Italian as the windows do;
    // without the translation they speak English, and the log says why.
    if (!LoadQtItalian())
        qWarning("Qt's Italian translation (qtbase_it.qm, package qt6-translations-l10n) is "
                 "missing: the print dialog and the fields' menus speak English");
    // Windows are only hidden when they close; the program ends only through
    // the start window or the password window.
    QApplication::setQuitOnLastWindowClosed(false);
    CreateWindows();
}

void EndProgram() {
    if (EndHook()) {
        EndHook()();
        return;
    }
    QApplication::exit(0);
}

std::function<void()> SetEndProgramHook(std::function<void()> hook) {
    return std::exchange(EndHook(), std::move(hook));
}
