#include "app/InstanceLock.h"

#include <QString>

namespace {
constexpr const char* kLockFileName = "brindlewick.lock";
} // namespace

InstanceLock::InstanceLock(const std::filesystem::path& dataFolder)
    : lock(QString::fromStdString((dataFolder / kLockFileName).string()))
{
    // A running instance may hold its lock for days; only a dead owner makes a lock stale.
    lock.setStaleLockTime(0);
}

InstanceLock::Result InstanceLock::Acquire()
{
    if (lock.tryLock(0))
        return Result::Acquired;
    return lock.error() == QLockFile::LockFailedError ? Result::HeldByOther : Result::Unavailable;
}
