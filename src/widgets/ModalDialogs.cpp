#include "widgets/ModalDialogs.h"

#include <QDialog>

#include <utility>

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

ModalHook SetModalHook(ModalHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
