#include "storage/FileBytes.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const char* name)
{
    const fs::path folder = TestHome() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

int allocations = 0;

void* CountingAllocate(std::size_t size)
{
    ++allocations;
    return std::malloc(size);
}

} // namespace

TEST(FileBytes, ReadsARegularFileWholeWithItsPermissionsIntoTheNamedAllocator)
{
    const fs::path file = FreshFolder("file-bytes") / "contents";
    const std::string written = std::string(100000, 'x') + '\0' + "end";
    std::ofstream(file, std::ios::binary) << written;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    allocations = 0;
    std::optional<FileBytes> read = FileBytes::ReadRegularFile(file, CountingAllocate, std::free);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->View(), written);
    EXPECT_EQ(read->Permissions(), 0640u);
    EXPECT_EQ(allocations, 1);
    // Released, the block is the caller's and outlives the reader.
    const std::size_t size = read->Size();
    char* block = read->Release();
    read.reset();
    EXPECT_EQ(std::string(block, size), written);
    std::free(block);
}

// A folder or a pipe must neither pass for a file nor block the reader waiting for a writer.
TEST(FileBytes, ReadsNothingButRegularFiles)
{
    const fs::path folder = FreshFolder("file-bytes-kinds");
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const fs::path& path : {folder, pipe, folder / "missing"}) {
        SCOPED_TRACE(path.string());
        EXPECT_FALSE(FileBytes::ReadRegularFile(path));
    }
}
