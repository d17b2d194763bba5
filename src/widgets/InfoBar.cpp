#include "widgets/InfoBar.h"

#include "widgets/Theme.h"

#include <QMouseEvent>

InfoBar::InfoBar(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFont(Theme::Verdana(11, true));
    Theme::ApplyLook(this, Theme::Look::InfoBar);
    setMinimumHeight(30);
}

void InfoBar::addHint(QWidget* widget, const QString& hint) {
    m_hints.insert(widget, hint);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) { m_hints.remove(gone); });
}

void InfoBar::clearOver(QWidget* background) {
    m_background = background;
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

bool InfoBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (const auto it = m_hints.constFind(watched); it != m_hints.constEnd())
            setText(it.value());
        else if (watched == m_background && !overHintedWidget(static_cast<QMouseEvent*>(event)))
            clear();
    }
    return QLabel::eventFilter(watched, event);
}

bool InfoBar::overHintedWidget(const QMouseEvent* event) const {
    // A move over a picture that ignores it is delivered to the background
    // too; only bare background empties the bar.
    auto* background = static_cast<QWidget*>(m_background);
    for (QWidget* w = background->childAt(event->position().toPoint()); w && w != background;
         w = w->parentWidget())
        if (m_hints.contains(w))
            return true;
    return false;
}
