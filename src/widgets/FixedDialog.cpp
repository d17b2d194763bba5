#include "widgets/FixedDialog.h"

#include "widgets/FixedWindow.h"
#include "widgets/Theme.h"

#include <QKeyEvent>
#include <QShowEvent>

FixedDialog::FixedDialog(const QString& className, const QString& title, QSize clientSize,
                         QWidget* owner, Centre centre)
    : QDialog(owner), m_centre(centre) {
    SetUpFixedWindow(this, className, title, clientSize, centre == Centre::Owner ? owner : nullptr);
    ApplyWindowBackground(this);
}

void FixedDialog::done(int result) {
    if (isVisible())
        FormClose();
    QDialog::done(result);
}

void FixedDialog::setLeftByOwnButtonsOnly() {
    m_leftByOwnButtonsOnly = true;
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The frame is known only now: centre again with it.
    CentreWindow(this, m_centre == Centre::Owner ? parentWidget() : nullptr);
    FormShow();
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    // Only keys no control used reach the window. A focused button has
    // pressed itself on Enter already; what comes here would press the
    // default button that Qt picks when the dialog shows, or close the
    // dialog on Escape.
    const int key = event->key();
    if (m_leftByOwnButtonsOnly &&
        (event->matches(QKeySequence::Cancel) || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
