#include "storage/UnreadableFile.h"

#include "storage/FileBytes.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kMaxAttempts = 1000;

enum class CopyResult { Copied, Taken, Failed };

// Creating the copy exclusively is what guarantees that no earlier copy is ever replaced.
CopyResult WriteNewFile(const std::filesystem::path& to, const FileBytes& contents)
{
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, contents.Permissions());
    if (fd < 0)
        return errno == EEXIST ? CopyResult::Taken : CopyResult::Failed;
    const bool written = FileBytes::WriteAll(fd, contents.View()) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(to.c_str());
        return CopyResult::Failed;
    }
    return CopyResult::Copied;
}

} // namespace

std::filesystem::path UnreadableFile::CandidateName(const std::filesystem::path& file,
                                                    const std::tm& localTime, int attempt)
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
    // Only a regular file can be kept this way; anything else (a folder, a pipe) would make the copy
    // hang or fail.
    const std::optional<FileBytes> contents = FileBytes::ReadRegularFile(file);
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
