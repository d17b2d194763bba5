#pragma once

#include "platform/Result.h"

#include <QString>

#include <functional>

// A read, change and replace of a shared file takes turns with the other
// stations' under a lock file beside it ("<file>.lock"): two stations doing
// it at once would each replace the file with their own copy, and one change
// would be lost. A lock left by a station that died is taken over after a
// while.

// Runs the update holding the lock and gives its result; when the lock
// cannot be had, the reason, logged as a warning, and the update never runs.
Result<void> UnderUpdateLock(const QString& path, const std::function<Result<void>()>& update);
