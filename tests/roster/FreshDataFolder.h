#pragma once

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// Gives each test a data folder nobody else has used: XDG_DATA_HOME points at a new folder named
// after the test while it runs, and back where it was afterwards.
class FreshDataFolder : public testing::Test {
protected:
    void SetUp() override
    {
        if (const char* value = std::getenv("XDG_DATA_HOME"))
            previous = value;
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        dataHome = TestHome() / "data-homes" / name;
        std::filesystem::remove_all(dataHome);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    }

    void TearDown() override
    {
        if (previous)
            setenv("XDG_DATA_HOME", previous->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

    std::filesystem::path Folder() const { return dataHome / "Brindlewick"; }
    std::filesystem::path RostersFile() const { return Folder() / "rosters.xml"; }

    void WriteRostersFile(const std::string& contents) const
    {
        std::filesystem::create_directories(Folder());
        std::ofstream(RostersFile(), std::ios::binary) << contents;
    }

    static std::string Read(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

    // The names in the data folder, sorted.
    std::vector<std::string> FolderContents() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Folder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path dataHome;

private:
    std::optional<std::string> previous;
};
