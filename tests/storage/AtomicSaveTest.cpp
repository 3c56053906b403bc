#include "storage/AtomicFileWriter.h"
#include "storage/XmlDocument.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class AtomicSaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = TestHome() / "save" / testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directories(folder);
    }

    void TearDown() override { AtomicFileWriter::SetBeforeRenameHook(nullptr); }

    static std::string Read(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

    std::vector<std::string> FolderContents() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    // A fresh document whose root carries name, as the roster file would carry its rosters.
    static void Make(XmlDocument& document, const wchar_t* name)
    {
        ASSERT_TRUE(document.New(L"Brindlewick", L"UTF-8", L"", L""));
        ASSERT_TRUE(document.Root().SetAttribute(L"name", name));
    }

    fs::path folder;
};

using Names = std::vector<std::string>;

TEST_F(AtomicSaveTest, SaveReplacesTheFileKeepingItsPermissions)
{
    const fs::path file = folder / "rosters.xml";
    std::ofstream(file) << "old contents, longer than the new document will be ........................";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    XmlDocument document;
    Make(document, L"new");
    ASSERT_TRUE(document.Save(file.wstring()));
    EXPECT_EQ(Read(file), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Brindlewick name=\"new\"/>");
    EXPECT_EQ(FolderContents(), Names{"rosters.xml"});
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicSaveTest, InterruptedSaveLeavesTheOldFileAndNoTemporary)
{
    const fs::path file = folder / "rosters.xml";
    XmlDocument document;
    Make(document, L"old");
    ASSERT_TRUE(document.Save(file.wstring()));
    const std::string old = Read(file);

    std::string seenBeforeRename;
    AtomicFileWriter::SetBeforeRenameHook([&](const fs::path& temporary) {
        EXPECT_EQ(temporary.parent_path(), folder);
        seenBeforeRename = Read(temporary);
        return false;
    });
    Make(document, L"new");
    EXPECT_FALSE(document.Save(file.wstring()));
    EXPECT_EQ(seenBeforeRename, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Brindlewick name=\"new\"/>");
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(FolderContents(), Names{"rosters.xml"});

    AtomicFileWriter::SetBeforeRenameHook(nullptr);
    ASSERT_TRUE(document.Save(file.wstring()));
    EXPECT_EQ(Read(file), seenBeforeRename);
}

TEST_F(AtomicSaveTest, SaveWritesToTheRememberedPathAndRemembersOnlySuccess)
{
    const fs::path first = folder / "first.xml", second = folder / "second.xml";
    XmlDocument document;
    Make(document, L"one");
    EXPECT_FALSE(document.Save(std::nullopt)) << "a new document has no file yet";

    ASSERT_TRUE(document.Save(first.wstring()));
    EXPECT_EQ(document.Path(), first.wstring());
    document.Root().SetAttribute(L"name", L"two");
    ASSERT_TRUE(document.Save(std::nullopt));
    EXPECT_NE(Read(first).find("two"), std::string::npos);

    EXPECT_FALSE(document.Save((folder / "missing" / "x.xml").wstring()));
    AtomicFileWriter::SetBeforeRenameHook([](const fs::path&) { return false; });
    EXPECT_FALSE(document.Save(second.wstring()));
    AtomicFileWriter::SetBeforeRenameHook(nullptr);
    EXPECT_EQ(document.Path(), first.wstring());
    EXPECT_EQ(FolderContents(), Names{"first.xml"});

    ASSERT_TRUE(document.Save(second.wstring()));
    XmlDocument loaded;
    ASSERT_TRUE(loaded.Load(second.wstring()));
    loaded.Root().SetAttribute(L"name", L"three");
    ASSERT_TRUE(loaded.Save(std::nullopt));
    EXPECT_NE(Read(second).find("three"), std::string::npos);
}

TEST_F(AtomicSaveTest, ReplaceRefusesADirectoryAndCleansUp)
{
    fs::create_directory(folder / "rosters.xml");
    fs::create_directory(folder / "rosters.xml" / "inside");
    EXPECT_FALSE(AtomicFileWriter::Replace(folder / "rosters.xml", "data"));
    EXPECT_EQ(FolderContents(), Names{"rosters.xml"});
    EXPECT_TRUE(fs::is_directory(folder / "rosters.xml" / "inside"));
}

} // namespace

// People link the roster file into a synced folder: a save must go to the file the link leads to
// and leave the link, or the synced copy silently stops changing.
TEST_F(AtomicSaveTest, ReplaceWritesThroughSymbolicLinksAndKeepsThem)
{
    fs::create_directories(folder / "synced");
    std::ofstream(folder / "synced" / "rosters.xml") << "old";
    fs::create_symlink("synced/rosters.xml", folder / "relative.xml");
    fs::create_symlink(folder / "relative.xml", folder / "chained.xml");
    fs::create_symlink(folder / "synced" / "new.xml", folder / "dangling.xml");

    ASSERT_TRUE(AtomicFileWriter::Replace(folder / "chained.xml", "through two links"));
    EXPECT_TRUE(fs::is_symlink(folder / "chained.xml"));
    EXPECT_TRUE(fs::is_symlink(folder / "relative.xml"));
    EXPECT_EQ(Read(folder / "synced" / "rosters.xml"), "through two links");

    ASSERT_TRUE(AtomicFileWriter::Replace(folder / "dangling.xml", "created"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.xml"));
    EXPECT_EQ(Read(folder / "synced" / "new.xml"), "created");
    EXPECT_EQ(FolderContents().size(), 4u) << "no temporary file left beside the links";
}

// A process killed between writing its temporary file and renaming it leaves the file behind;
// the next save removes it, and only it.
TEST_F(AtomicSaveTest, ReplaceRemovesTemporaryFilesOfProcessesThatAreGone)
{
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = "rosters.xml.saving-" + std::to_string(gone) + "-0";
    const std::string alive = "rosters.xml.saving-" + std::to_string(::getppid()) + "-3";
    for (const std::string& name : {dead, alive, std::string("rosters.xml.saving-x-1"),
                                    std::string("other.xml.saving-" + std::to_string(gone) + "-0")})
        std::ofstream(folder / name) << "left over";

    ASSERT_TRUE(AtomicFileWriter::Replace(folder / "rosters.xml", "new"));
    Names names = FolderContents();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (Names{"other.xml.saving-" + std::to_string(gone) + "-0", "rosters.xml", alive,
                     "rosters.xml.saving-x-1"}));
}
