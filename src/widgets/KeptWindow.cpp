#include "widgets/KeptWindow.h"

#include "widgets/FixedWindow.h"
#include "widgets/Theme.h"

#include <QCloseEvent>
#include <QGraphicsEffect>
#include <QShowEvent>

KeptWindow::KeptWindow(const QString& className, const QString& title) : m_maximised(true) {
    setObjectName(className);
    setWindowTitle(title);
    resize(WorkingSize);
    ApplyWindowBackground(this);
}

KeptWindow::KeptWindow(const QString& className, const QString& title, QSize fixedClientSize)
    : m_maximised(false) {
    SetUpFixedWindow(this, className, title, fixedClientSize);
    ApplyWindowBackground(this);
}

void KeptWindow::showKept() {
    if (m_maximised)
        showMaximized();
    else
        show();
    raise();
    activateWindow();
}

void KeptWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (visible)
        return;
    if (testAttribute(Qt::WA_WState_Created))
        destroy();
    // An effect keeps a picture of what it last drew (a banner's shadow
    // source); turned off and on again it lets that picture go, and the
    // next paint draws it anew.
    for (QWidget* child : findChildren<QWidget*>())
        if (QGraphicsEffect* effect = child->graphicsEffect(); effect && effect->isEnabled()) {
            effect->setEnabled(false);
            effect->setEnabled(true);
        }
}

void KeptWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void KeptWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
