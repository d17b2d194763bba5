#include "platform/ModalDialogs.h"

#include <QDialog>

namespace {
ModalHook& Hook() {
    static ModalHook hook;
    return hook;
}
} // namespace

int ShowModal(QDialog* dialog) {
    if (!Hook())
        return dialog->exec();
    dialog->setModal(true);
    dialog->show();
    Hook()(dialog);
    if (dialog->isVisible())
        dialog->reject();
    return dialog->result();
}

void SetModalHook(ModalHook hook) {
    Hook() = std::move(hook);
}
