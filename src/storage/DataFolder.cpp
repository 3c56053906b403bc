#include "storage/DataFolder.h"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace {

// An absolute path from the environment, or nothing. A relative one would move the user's data
// with the working folder, so it counts as unset.
std::filesystem::path AbsoluteFromEnvironment(const char* variable)
{
    const char* value = std::getenv(variable);
    if (!value || !*value || value[0] != '/')
        return {};
    return value;
}

std::filesystem::path HomeFolder()
{
    if (auto home = AbsoluteFromEnvironment("HOME"); !home.empty())
        return home;
    // A session started without HOME still has an account with a home folder.
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
        return account->pw_dir;
    return "/";
}

} // namespace

std::filesystem::path DataFolder::Path()
{
    std::filesystem::path base = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (base.empty())
        base = HomeFolder() / ".local" / "share";
    // The trailing separator marks the path as a folder, as the file name is appended to it.
    return base / "Brindlewick" / "";
}

std::filesystem::path DataFolder::Ensure()
{
    const std::filesystem::path folder = Path();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}
