#include "TestEnvironment.h"

#include "recurrence/Today.h"

#include <clocale>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace {
std::filesystem::path& Home()
{
    static std::filesystem::path home;
    return home;
}
} // namespace

void SetUpTestEnvironment()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "brindlewick-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create the test home folder");
    Home() = pattern;
    const auto data = Home() / "data", config = Home() / "config", runtime = Home() / "runtime";
    std::filesystem::create_directories(data);
    std::filesystem::create_directories(config);
    // The runtime folder must be private to the user, or Qt refuses it.
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("HOME", Home().c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("LC_ALL", "C", 1);
    std::setlocale(LC_ALL, "C");

    // Lives for the whole run: every Frequency made by a test starts on this day.
    static auto pin = std::make_unique<TodayPin>(Date(kTestTodayYear, kTestTodayMonth, kTestTodayDay));
}

std::filesystem::path TestHome()
{
    return Home();
}
