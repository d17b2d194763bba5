#include "app/Shell.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "app/Navigation.h"
#include "archive/ApriOrdinazioni.h"
#include "orders/Ordinazioni.h"

#include <QApplication>

#include <utility>

namespace {
KeptWindows& Windows() {
    static KeptWindows windows;
    return windows;
}

std::function<void()>& EndHook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

const KeptWindows& Kept() {
    return Windows();
}

void CreateWindows() {
    KeptWindows& w = Windows();
    w.Password = new TfrmPassword;
    w.Avvio = new TfrmAvvio;
    w.CambiaPassword = new TfrmCambiaPassword;
    w.MenuListini = new TfrmMenuListini;
    w.MenuOrdinazioni = new TfrmMenuOrdinazioni;
    w.Ordinazioni = new TfrmOrdinazioni;
    w.ApriOrdinazioni = new TfrmApriOrdinazioni;
    WireNavigation(w);
    w.Password->showKept();
}

void DestroyWindows() {
    KeptWindows& w = Windows();
    delete w.ApriOrdinazioni;
    delete w.Ordinazioni;
    delete w.MenuOrdinazioni;
    delete w.MenuListini;
    delete w.CambiaPassword;
    delete w.Avvio;
    delete w.Password;
    w = KeptWindows();
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
