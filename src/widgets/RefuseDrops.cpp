#include "widgets/RefuseDrops.h"

#include <QEvent>
#include <QWidget>

namespace {

// Refusing the drag's steps in the field's own handlers is not enough: a
// text field takes a drop it was never asked to accept.
class DropRefuser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

void RefuseDrops(QWidget* field) {
    field->setAcceptDrops(false);
    field->installEventFilter(new DropRefuser(field));
}
