#pragma once

#include <filesystem>

// Where the program keeps the user's data: $XDG_DATA_HOME/Brindlewick/, or
// ~/.local/share/Brindlewick/ when XDG_DATA_HOME is unset, empty or not an absolute path.
class DataFolder {
public:
    // The folder's path; does not touch the disk.
    static std::filesystem::path Path();
    // The folder's path after creating it and every missing folder above it. A failure is left to
    // the file operation that follows, which then fails in its turn.
    static std::filesystem::path Ensure();
};
