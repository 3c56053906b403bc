#include "storage/UnreadableFile.h"

#include <cerrno>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxAttempts = 1000;

struct FileContents {
    std::string bytes;
    mode_t mode = 0600;
};

// The whole of a regular file. Only a regular file can be kept this way; anything else (a folder,
// a pipe) would make the copy hang or fail.
std::optional<FileContents> ReadRegularFile(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    FileContents contents;
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    contents.mode = status.st_mode & 0777;
    char buffer[65536];
    while (ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got > 0)
            contents.bytes.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            ok = false;
    }
    ::close(fd);
    return ok ? std::optional(std::move(contents)) : std::nullopt;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

enum class CopyResult { Copied, Taken, Failed };

// Creating the copy exclusively is what guarantees that no earlier copy is ever replaced.
CopyResult WriteNewFile(const std::filesystem::path& to, const FileContents& contents)
{
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, contents.mode);
    if (fd < 0)
        return errno == EEXIST ? CopyResult::Taken : CopyResult::Failed;
    const bool written = WriteAll(fd, contents.bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(to.c_str());
        return CopyResult::Failed;
    }
    return CopyResult::Copied;
}

} // namespace

std::filesystem::path UnreadableFile::CandidateName(const std::filesystem::path& file, const std::tm& localTime,
                                                    int attempt)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &localTime);
    std::filesystem::path name = file;
    name += std::string(".unreadable-") + stamp;
    if (attempt > 1) {
        name += "-";
        name += std::to_string(attempt);
    }
    return name;
}

std::optional<std::filesystem::path> UnreadableFile::SetAside(const std::filesystem::path& file,
                                                              const std::tm& localTime)
{
    const std::optional<FileContents> contents = ReadRegularFile(file);
    if (!contents)
        return std::nullopt;
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const std::filesystem::path candidate = CandidateName(file, localTime, attempt);
        switch (WriteNewFile(candidate, *contents)) {
        case CopyResult::Copied:
            return candidate;
        case CopyResult::Failed:
            return std::nullopt;
        case CopyResult::Taken:
            break;
        }
    }
    return std::nullopt;
}
