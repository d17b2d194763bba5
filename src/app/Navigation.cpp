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

// When `from` emits `choice`, `to` is shown and `from` hidden; `then` runs
// once `to` is in front.
template <typename Window, typename Signal>
void Route(Window* from, Signal choice, KeptWindow* to, std::function<void()> then = {}) {
    QObject::connect(from, choice, to, [from, to, then] {
        to->showKept();
        from->hide();
        if (then)
            then();
    });
}

// When `from` emits `choice`, the program ends.
template <typename Window, typename Signal>
void End(Window* from, Signal choice) {
    QObject::connect(from, choice, from, [] { EndProgram(); });
}

} // namespace

void WireNavigation(const KeptWindows& w) {
    Route(w.Password, &TfrmPassword::accepted, w.Avvio);
    Route(w.Password, &TfrmPassword::changePasswordChosen, w.CambiaPassword);
    End(w.Password, &TfrmPassword::closed);
    Route(w.CambiaPassword, &TfrmCambiaPassword::closed, w.Password,
          [password = w.Password] { password->resetField(); });

    Route(w.Avvio, &TfrmAvvio::priceListsChosen, w.MenuListini);
    Route(w.Avvio, &TfrmAvvio::ordersChosen, w.MenuOrdinazioni);
    End(w.Avvio, &TfrmAvvio::exitChosen);

    Route(w.MenuListini, &SectionMenu::closedToStart, w.Avvio);

    Route(w.MenuOrdinazioni, &SectionMenu::closedToStart, w.Avvio);
    Route(w.MenuOrdinazioni, &TfrmMenuOrdinazioni::createChosen, w.Ordinazioni);
    Route(w.MenuOrdinazioni, &TfrmMenuOrdinazioni::archiveChosen, w.ApriOrdinazioni);

    Route(w.Ordinazioni, &TfrmOrdinazioni::closed, w.Avvio);
    Route(w.ApriOrdinazioni, &TfrmApriOrdinazioni::closed, w.Avvio);
}
