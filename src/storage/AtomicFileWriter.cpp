#include "storage/AtomicFileWriter.h"

#include "storage/FileBytes.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

AtomicFileWriter::BeforeRenameHook& Hook()
{
    static AtomicFileWriter::BeforeRenameHook hook;
    return hook;
}

constexpr std::string_view kTemporaryMark = ".saving-";

// The file a symbolic link leads to, however many links lie on the way; the path itself when it is
// no link. A dangling link leads to the path it names, so a save creates that file.
std::filesystem::path FinalTarget(const std::filesystem::path& target)
{
    std::filesystem::path file = target;
    std::error_code error;
    // As many links as the system follows before it gives up on a loop.
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(file, error); ++hop) {
        const std::filesystem::path next = std::filesystem::read_symlink(file, error);
        if (error)
            break;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

// Opens a new, empty file beside target under a name no other writer uses; -1 when that fails.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary
            += std::string(kTemporaryMark) + std::to_string(::getpid()) + '-' + std::to_string(counter++);
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
    struct stat old { };
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

// The process id in a temporary file's name "<target>.saving-<pid>-<n>", or 0 when the name is not
// one of target's temporary files.
pid_t TemporaryOwner(const std::filesystem::path& target, const std::string& name)
{
    const std::string prefix = target.filename().string() + std::string(kTemporaryMark);
    if (name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    std::size_t digits = prefix.size();
    pid_t pid = 0;
    for (; digits < name.size() && name[digits] >= '0' && name[digits] <= '9' && pid < 1000000000; ++digits)
        pid = pid * 10 + (name[digits] - '0');
    const bool numbered = digits > prefix.size() && digits + 1 < name.size() && name[digits] == '-'
        && name.find_first_not_of("0123456789", digits + 1) == std::string::npos;
    return numbered ? pid : 0;
}

bool IsRunning(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// A process that died between writing its temporary file and renaming it left the file behind;
// nobody else will ever remove it.
void RemoveLeftovers(const std::filesystem::path& target)
{
    std::error_code error;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const pid_t owner = TemporaryOwner(target, entry.path().filename().string());
        if (owner > 0 && owner != ::getpid() && !IsRunning(owner))
            std::filesystem::remove(entry.path(), error);
    }
}

} // namespace

bool AtomicFileWriter::Replace(const std::filesystem::path& requested, std::string_view contents)
{
    // A link (into a synced folder, say) stays a link: its file is the one replaced.
    const std::filesystem::path target = FinalTarget(requested);
    RemoveLeftovers(target);
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
