#include "widgets/FocusFrame.h"

#include "widgets/Theme.h"

#include <QFocusEvent>

namespace {
constexpr int Margin = 4;
}

FocusFrame::FocusFrame(const QString& name, QWidget* field)
    : QFrame(field->parentWidget()), m_field(field) {
    setObjectName(name);
    Theme::ApplyLook(this, Theme::Look::FocusFrame);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    field->installEventFilter(this);
    follow();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            stackUnder(m_field);
            break;
        case QEvent::FocusOut: {
            // A message box opening, another window in front or a popup menu
            // take the focus from the window, not from the field: the frame
            // stays, as the field gets the focus back when they go.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                hide();
            break;
        }
        case QEvent::WindowActivate:
            // The focus may have moved to another field while the window
            // was behind (that sends no focus events): the frame follows it.
            if (m_field->window()->focusWidget() != m_field)
                hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FocusFrame::follow() {
    setGeometry(m_field->geometry().adjusted(-Margin, -Margin, Margin, Margin));
}
