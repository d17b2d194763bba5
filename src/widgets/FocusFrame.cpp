#include "widgets/FocusFrame.h"

#include <QEvent>

namespace {
constexpr int Margin = 4;
}

FocusFrame::FocusFrame(const QString& name, QWidget* field)
    : QFrame(field->parentWidget()), m_field(field) {
    setObjectName(name);
    setStyleSheet(QStringLiteral("background: #FFD700; border-radius: 6px;"));
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
        case QEvent::FocusOut:
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
