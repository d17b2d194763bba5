#include "app/Navigation.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "app/MenuListini.h"
#include "app/MenuOrdinazioni.h"
#include "app/Shell.h"
#include "archive/ApriOrdinazioni.h"
#include "orders/Ordinazioni.h"

#include <functional>

namespace {

// When `from` emits `choice`, the kept window `to` is shown and `from`
// hidden; `then` runs once `to` is in front.
template <typename Window, typename Signal, typename Target>
void Route(Window* from, Signal choice, Target* KeptWindows::*to, std::function<void()> then = {}) {
    QObject::connect(from, choice, from, [from, to, then] {
        KeptWindow* target = Kept().*to;
        if (!target) // the windows are being destroyed
            return;
        target->showKept();
        from->hide();
        if (then)
            then();
    });
}

// When `from` emits `choice`, the program ends.
template <typename Window, typename Signal> void End(Window* from, Signal choice) {
    QObject::connect(from, choice, from, [] { EndProgram(); });
}

} // namespace

void WirePasswordWindow(TfrmPassword* password) {
    Route(password, &TfrmPassword::accepted, &KeptWindows::Avvio);
    Route(password, &TfrmPassword::changePasswordChosen, &KeptWindows::CambiaPassword);
    End(password, &TfrmPassword::closed);
}

void WireNavigation(const KeptWindows& w) {
    Route(w.CambiaPassword, &TfrmCambiaPassword::closed, &KeptWindows::Password,
          [password = w.Password] { password->resetField(); });

    Route(w.Avvio, &TfrmAvvio::priceListsChosen, &KeptWindows::MenuListini);
    Route(w.Avvio, &TfrmAvvio::ordersChosen, &KeptWindows::MenuOrdinazioni);
    End(w.Avvio, &TfrmAvvio::exitChosen);

    Route(w.MenuListini, &SectionMenu::closedToStart, &KeptWindows::Avvio);

    Route(w.MenuOrdinazioni, &SectionMenu::closedToStart, &KeptWindows::Avvio);
    Route(w.MenuOrdinazioni, &TfrmMenuOrdinazioni::createChosen, &KeptWindows::Ordinazioni);
    Route(w.MenuOrdinazioni, &TfrmMenuOrdinazioni::archiveChosen, &KeptWindows::ApriOrdinazioni);

    Route(w.Ordinazioni, &TfrmOrdinazioni::closed, &KeptWindows::Avvio);
    Route(w.ApriOrdinazioni, &TfrmApriOrdinazioni::closed, &KeptWindows::Avvio);
}
