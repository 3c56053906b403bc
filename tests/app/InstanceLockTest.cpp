#include "FreshDataFolder.h"

#include "app/InstanceLock.h"

#include <QSysInfo>

#include <gtest/gtest.h>

#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

namespace {
using Result = InstanceLock::Result;

class Instances : public FreshDataFolder {
protected:
    void SetUp() override
    {
        FreshDataFolder::SetUp();
        std::filesystem::create_directories(Folder());
    }
};

// The number of a process that has ended.
pid_t DeadProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(Instances, OneHolderAtATime)
{
    auto first = std::make_unique<InstanceLock>(Folder());
    InstanceLock second(Folder());
    EXPECT_EQ(first->Acquire(), Result::Acquired);
    EXPECT_EQ(second.Acquire(), Result::HeldByOther);
    first.reset();
    EXPECT_EQ(second.Acquire(), Result::Acquired);
}

TEST_F(Instances, ALockLeftByACrashedProcessIsTakenOver)
{
    std::ofstream(Folder() / "brindlewick.lock") << DeadProcess() << '\n'
                                                 << "brindlewick\n"
                                                 << QSysInfo::machineHostName().toStdString() << '\n';
    InstanceLock lock(Folder());
    EXPECT_EQ(lock.Acquire(), Result::Acquired);
}

TEST_F(Instances, AFolderThatCannotHoldALockDoesNotCountAsAnotherInstance)
{
    InstanceLock lock(Folder() / "not-there");
    EXPECT_EQ(lock.Acquire(), Result::Unavailable);
}
} // namespace
