#include "platform/SharedRead.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// The waits before each further try: together longer than the gap a
// replace leaves over a share (about 15 ms seen on a loopback share).
constexpr int RetryWaitsMs[] = {10, 20, 40};

SharedRead ReadOnce(const QString& path, QByteArray* bytes) {
    if (!QFileInfo(path).isFile())
        return SharedRead::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? SharedRead::Failed : SharedRead::Missing;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return SharedRead::Failed;
    return SharedRead::Read;
}

bool LooksCaught(SharedRead read, const QByteArray& bytes, EmptyFile empty) {
    if (read == SharedRead::Missing)
        return true;
    if (read != SharedRead::Read)
        return false;
    return bytes.isEmpty() ? empty == EmptyFile::Partial : EndsInsideLine(bytes);
}

} // namespace

bool EndsInsideLine(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return false;
    const char last = bytes.back();
    if (last == '\n' || last == '\r')
        return false;
    // UTF-16 little-endian puts the break's zero byte last.
    return !(last == '\0' && bytes.size() >= 2 &&
             (bytes.at(bytes.size() - 2) == '\n' || bytes.at(bytes.size() - 2) == '\r'));
}

SharedRead ReadSharedFile(const QString& path, QByteArray* bytes, EmptyFile empty) {
    bytes->clear();
    SharedRead read = ReadOnce(path, bytes);
    for (const int waitMs : RetryWaitsMs) {
        if (!LooksCaught(read, *bytes, empty))
            break;
        QThread::msleep(waitMs);
        bytes->clear();
        read = ReadOnce(path, bytes);
    }
    return read;
}
