#include "platform/TextTrim.h"

namespace {
bool IsBlank(QChar c) {
    return c.unicode() <= 0x20;
}
} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return begin == 0 && end == text.size() ? text : text.mid(begin, end - begin);
}

QStringView TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

QString TrimTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text.at(end - 1)))
        --end;
    return end == text.size() ? text : text.left(end);
}
