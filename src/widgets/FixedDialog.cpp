#include "widgets/FixedDialog.h"

#include "widgets/FixedWindow.h"
#include "widgets/Theme.h"

#include <QShowEvent>

FixedDialog::FixedDialog(const QString& className, const QString& title, QSize clientSize,
                         QWidget* owner, Centre centre)
    : QDialog(owner), m_centre(centre) {
    SetUpFixedWindow(this, className, title, clientSize,
                     centre == Centre::Owner ? owner : nullptr);
    ApplyWindowBackground(this);
}

void FixedDialog::done(int result) {
    if (isVisible())
        FormClose();
    QDialog::done(result);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The frame is known only now: centre again with it.
    CentreWindow(this, m_centre == Centre::Owner ? parentWidget() : nullptr);
    FormShow();
}
