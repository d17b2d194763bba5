#include "platform/TextTrim.h"

namespace {
bool IsBlank(QChar c) {
    return c.unicode() <= 0x20;
}
} // namespace

QStringView TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

QString TrimBlanks(const QString& text) {
    // The text itself, shared, when nothing is trimmed.
    const QStringView trimmed = TrimBlanks(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString TrimTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text.at(end - 1)))
        --end;
    return end == text.size() ? text : text.left(end);
}
