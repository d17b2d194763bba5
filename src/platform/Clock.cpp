#include "platform/Clock.h"

#include <utility>

namespace {
QDateTime& Fixed() {
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime CurrentDateTime() {
    return Fixed().isValid() ? Fixed() : QDateTime::currentDateTime();
}

QDateTime SetFixedDateTime(const QDateTime& moment) {
    return std::exchange(Fixed(), moment);
}
