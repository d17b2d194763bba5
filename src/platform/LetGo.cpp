#include "platform/LetGo.h"

#include <QThreadPool>

void LetGoOnWorker(QStringList lines) {
    if (lines.isEmpty())
        return;
    QThreadPool::globalInstance()->start([lines = std::move(lines)]() mutable { lines.clear(); });
}
