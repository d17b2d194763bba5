#include "platform/UpdateLock.h"

#include <QDir>
#include <QLockFile>

using namespace Qt::StringLiterals;

namespace {

// How long an update waits for another station's update of the same file,
// and after how long a lock left by a station that died is taken over.
constexpr int LockWaitMs = 5000;
constexpr int StaleLockMs = 10000;

} // namespace

Result<void> UnderUpdateLock(const QString& path, const std::function<Result<void>()>& update) {
    QLockFile lock(path + u".lock"_s);
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(LockWaitMs)) {
        const QString reason = lock.error() == QLockFile::LockFailedError
                                   ? u"the file is being written by another station"_s
                                   : u"cannot create the lock file beside it"_s;
        qWarning("Cannot update %ls: %ls", qUtf16Printable(QDir::toNativeSeparators(path)),
                 qUtf16Printable(reason));
        return Failure{reason};
    }
    return update();
}
