// The floor of the start-up and memory figures: a minimal Qt Widgets program
// showing one label, ended as the start-up probe ends: once the label has
// painted, the label goes and the loop ends. It prints its peak resident
// memory in kilobytes.
#include "PeakMemory.h"
#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <cstdio>

namespace {

class AtFirstPaint : public QObject {
public:
    explicit AtFirstPaint(QLabel* label) : m_label(label) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == m_label && !m_seen) {
            m_seen = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        delete m_label;
        QApplication::exit(0);
        return true;
    }

private:
    QLabel* m_label;
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication application(argc, argv);
    auto* label = new QLabel(QStringLiteral("Orbisala"));
    AtFirstPaint end(label);
    application.installEventFilter(&end);
    label->show();
    const int code = QApplication::exec();
    std::printf("%ld\n", PeakResidentKilobytes());
    return code;
}
