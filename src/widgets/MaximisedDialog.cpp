#include "widgets/MaximisedDialog.h"

#include "widgets/FixedWindow.h"
#include "widgets/KeptWindow.h"
#include "widgets/Theme.h"

#include <QShowEvent>

MaximisedDialog::MaximisedDialog(const QString& className, const QString& title, QWidget* owner)
    : QDialog(owner) {
    setObjectName(className);
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(KeptWindow::WorkingSize);
    CentreWindow(this);
    ApplyWindowBackground(this);
    setWindowState(Qt::WindowMaximized);
}

void MaximisedDialog::done(int result) {
    if (isVisible())
        FormClose();
    QDialog::done(result);
}

void MaximisedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The frame is known only now: the place the window is restored to is
    // centred again with it.
    CentreWindow(this);
    FormShow();
    // Moving the window to that place takes it out of its maximised state:
    // it opens maximised all the same.
    setWindowState(windowState() | Qt::WindowMaximized);
}
