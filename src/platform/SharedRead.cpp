#include "platform/SharedRead.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The waits before each further try: together longer than the gap a
// replace leaves over a share (about 15 ms seen on a loopback share).
constexpr int RetryWaitsMs[] = {10, 20, 40};

SharedRead ReadOnce(const QByteArray& path, QByteArray* bytes, const ReadRules& rules) {
    // Non-blocking: a FIFO swapped in after a check would otherwise block
    // the open until a writer comes, for ever.
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (rules.links == Links::Refuse)
        flags |= O_NOFOLLOW;
    const int fd = ::open(path.constData(), flags);
    if (fd < 0) {
        const int code = errno;
        return code == ENOENT || code == ENOTDIR || code == ELOOP ? SharedRead::Missing
                                                                  : SharedRead::Failed;
    }
    const auto done = [fd](SharedRead outcome) {
        ::close(fd);
        return outcome;
    };
    // What was opened is what counts, not what a look before found there.
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return done(SharedRead::Failed);
    if (!S_ISREG(info.st_mode))
        return done(SharedRead::Missing);
    if (info.st_size > rules.maxBytes)
        return done(SharedRead::TooLarge);
    // Read up to one byte past the limit: a file that grew since is refused too.
    bytes->resize(qsizetype(info.st_size) + 1);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes->size()) {
            if (size > rules.maxBytes)
                return done(SharedRead::TooLarge);
            bytes->resize(qsizetype(std::min<qint64>(rules.maxBytes + 1, 2 * qint64(size) + 4096)));
        }
        const ssize_t count = ::read(fd, bytes->data() + size, size_t(bytes->size() - size));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return done(SharedRead::Failed);
        if (count == 0)
            break;
        size += count;
    }
    if (size > rules.maxBytes)
        return done(SharedRead::TooLarge);
    bytes->resize(size);
    return done(SharedRead::Read);
}

bool LooksCaught(SharedRead read, const QByteArray& bytes, EmptyFile empty) {
    if (read == SharedRead::Missing)
        return true;
    if (read != SharedRead::Read)
        return false;
    return bytes.isEmpty() ? empty == EmptyFile::Partial : EndsInsideLine(bytes);
}

} // namespace

QString SharedReadError(SharedRead read) {
    switch (read) {
    case SharedRead::Read:
        break;
    case SharedRead::Missing:
        return u"The file is missing"_s;
    case SharedRead::Failed:
        return u"The file cannot be read"_s;
    case SharedRead::TooLarge:
        return u"The file is too large"_s;
    }
    return QString();
}

bool EndsInsideLine(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return false;
    const auto breakUnit = [](char low, char high) {
        return high == '\0' && (low == '\n' || low == '\r');
    };
    const qsizetype size = bytes.size();
    // UTF-16 by its mark: the last code unit whole, and a break.
    if (bytes.startsWith("\xFF\xFE"))
        return size % 2 != 0 || !breakUnit(bytes.at(size - 2), bytes.at(size - 1));
    if (bytes.startsWith("\xFE\xFF"))
        return size % 2 != 0 || !breakUnit(bytes.at(size - 1), bytes.at(size - 2));
    const char last = bytes.back();
    return last != '\n' && last != '\r';
}

SharedRead ReadSharedFile(const QByteArray& nativePath, QByteArray* bytes, const ReadRules& rules) {
    bytes->clear();
    SharedRead read = ReadOnce(nativePath, bytes, rules);
    for (const int waitMs : RetryWaitsMs) {
        if (!LooksCaught(read, *bytes, rules.empty))
            break;
        QThread::msleep(waitMs);
        bytes->clear();
        read = ReadOnce(nativePath, bytes, rules);
    }
    if (read != SharedRead::Read)
        bytes->clear();
    return read;
}

SharedRead ReadSharedFile(const QString& path, QByteArray* bytes, const ReadRules& rules) {
    return ReadSharedFile(QFile::encodeName(path), bytes, rules);
}
