#include "storage/UnreadableFile.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
using Names = std::vector<std::string>;
} // namespace

TEST(UnreadableFile, TakesTheNextFreeNameAndReplacesNothing)
{
    const fs::path folder = TestHome() / "unreadable-names";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path file = folder / "rosters.xml";
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 10;
    when.tm_hour = 9;
    when.tm_min = 55;
    when.tm_sec = 1;

    std::vector<std::string> keptNames;
    for (const char* contents : {"first", "second", "third"}) {
        std::ofstream(file) << contents;
        const auto keptAs = UnreadableFile::SetAside(file, when);
        ASSERT_TRUE(keptAs);
        keptNames.push_back(keptAs->filename().string());
        std::ifstream in(*keptAs);
        std::string read;
        in >> read;
        EXPECT_EQ(read, contents);
    }
    EXPECT_EQ(keptNames,
              (Names{"rosters.xml.unreadable-20261210-095501", "rosters.xml.unreadable-20261210-095501-2",
                     "rosters.xml.unreadable-20261210-095501-3"}));
    fs::remove(file);
    EXPECT_FALSE(UnreadableFile::SetAside(file, when));
}
