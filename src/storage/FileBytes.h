#pragma once

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

// The whole of a file in one block of memory. The block comes from the allocator the reader names,
// so that a consumer that works on the bytes where they lie (the XML engine) can take it over
// instead of copying it once more.
class FileBytes {
public:
    using Allocate = void* (*)(std::size_t);
    using Deallocate = void (*)(void*);

    // The whole of a regular file, or nothing when it cannot be opened or read. Checking the kind
    // first keeps a directory or a pipe from being mistaken for a file or blocking the caller. A
    // failed allocation raises std::bad_alloc.
    static std::optional<FileBytes> ReadRegularFile(const std::filesystem::path& file,
                                                    Allocate allocate = std::malloc,
                                                    Deallocate deallocate = std::free);

    // The other way: every byte to the open file, carrying on after interrupted and partial writes;
    // false when the system refuses.
    static bool WriteAll(int fd, std::string_view bytes);

    ~FileBytes();
    FileBytes(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    std::string_view View() const { return {bytes, size}; }
    std::size_t Size() const { return size; }
    // The file's permission bits when it was read.
    unsigned Permissions() const { return permissions; }
    // The block, now the caller's to free with the deallocation function it was read with.
    char* Release();

private:
    FileBytes(std::size_t capacity, Allocate allocate, Deallocate deallocate);

    char* End() const { return bytes + size; }
    std::size_t Spare() const { return capacity - size; }
    void Enlarge();

    Allocate allocate;
    Deallocate deallocate;
    char* bytes;
    std::size_t capacity;
    std::size_t size = 0;
    unsigned permissions = 0;
};
