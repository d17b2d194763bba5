#include "platform/Clock.h"

namespace {
QDateTime& Fixed() {
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime CurrentDateTime() {
    return Fixed().isValid() ? Fixed() : QDateTime::currentDateTime();
}

void SetFixedDateTime(const QDateTime& moment) {
    Fixed() = moment;
}
