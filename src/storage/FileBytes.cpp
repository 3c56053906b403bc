#include "storage/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    const int fd;
};

char* AllocateOrThrow(FileBytes::Allocate allocate, std::size_t capacity)
{
    void* memory = allocate(capacity);
    if (!memory)
        throw std::bad_alloc();
    return static_cast<char*>(memory);
}

} // namespace

std::optional<FileBytes> FileBytes::ReadRegularFile(const std::filesystem::path& file, Allocate allocate,
                                                    Deallocate deallocate)
{
    const FileDescriptor opened(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status { };
    if (opened.fd < 0 || ::fstat(opened.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // The byte beyond the size is where the read that finds the end of the file lands; a file that
    // grows meanwhile is still read whole.
    FileBytes contents(static_cast<std::size_t>(status.st_size) + 1, allocate, deallocate);
    contents.permissions = status.st_mode & 0777;
    for (;;) {
        if (contents.Spare() == 0)
            contents.Enlarge();
        const ssize_t got = ::read(opened.fd, contents.End(), contents.Spare());
        if (got == 0)
            return contents;
        if (got < 0 && errno != EINTR)
            return std::nullopt;
        if (got > 0)
            contents.size += static_cast<std::size_t>(got);
    }
}

FileBytes::FileBytes(std::size_t capacity, Allocate allocate, Deallocate deallocate)
    : allocate(allocate)
    , deallocate(deallocate)
    , bytes(AllocateOrThrow(allocate, capacity))
    , capacity(capacity)
{
}

FileBytes::~FileBytes()
{
    if (bytes)
        deallocate(bytes);
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : allocate(other.allocate)
    , deallocate(other.deallocate)
    , bytes(std::exchange(other.bytes, nullptr))
    , capacity(other.capacity)
    , size(other.size)
    , permissions(other.permissions)
{
}

char* FileBytes::Release()
{
    return std::exchange(bytes, nullptr);
}

void FileBytes::Enlarge()
{
    FileBytes larger(capacity * 2, allocate, deallocate);
    std::memcpy(larger.bytes, bytes, size);
    larger.size = size;
    std::swap(bytes, larger.bytes);
    capacity = larger.capacity;
}

bool FileBytes::WriteAll(int fd, std::string_view bytes)
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
