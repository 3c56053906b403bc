#pragma once

#include <QLockFile>

#include <filesystem>

// Keeps a second Brindlewick from working on the same rosters: two windows would each write their
// own rosters over the other's. The lock is a file in the data folder; a lock left behind by a
// process that no longer runs is taken over.
class InstanceLock {
public:
    enum class Result { Acquired, HeldByOther, Unavailable };

    explicit InstanceLock(const std::filesystem::path& dataFolder);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Unavailable: the lock file could not be made at all (the folder cannot be written); the
    // save will tell the user about that folder, so it is no reason to refuse the start.
    Result Acquire();

private:
    QLockFile lock;
};
