#include "storage/AtomicFileWriter.h"

#include "storage/FileBytes.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

AtomicFileWriter::BeforeRenameHook& Hook()
{
    static AtomicFileWriter::BeforeRenameHook hook;
    return hook;
}

// Opens a new, empty file beside target under a name no other writer uses; -1 when that fails.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".saving-" + std::to_string(::getpid()) + '-' + std::to_string(counter++);
        // 0666 lets the user's umask decide, as for any file the program creates.
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The replacement keeps the permissions the user gave the old file.
bool KeepMode(int fd, const std::filesystem::path& target)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0)
        return errno == ENOENT;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteAndSync(const std::filesystem::path& target, const std::filesystem::path& temporary, int fd,
                  std::string_view contents)
{
    const bool written = FileBytes::WriteAll(fd, contents) && KeepMode(fd, target) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return written && closed && (!Hook() || Hook()(temporary));
}

// Makes the rename itself survive a power cut; the data is already safe either way.
void SyncFolder(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool AtomicFileWriter::Replace(const std::filesystem::path& target, std::string_view contents)
{
    std::filesystem::path temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;
    bool replaced = false;
    try {
        replaced = WriteAndSync(target, temporary, fd, contents)
            && ::rename(temporary.c_str(), target.c_str()) == 0;
    } catch (...) {
        replaced = false;
    }
    if (!replaced) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target);
    return true;
}

void AtomicFileWriter::SetBeforeRenameHook(BeforeRenameHook hook)
{
    Hook() = std::move(hook);
}
