#pragma once

#include <ctime>
#include <filesystem>
#include <optional>

// A roster file the program could not read is the user's data all the same: before a new file takes
// its place, it is kept within its folder under a name that says what it is and when.
class UnreadableFile {
public:
    // Copies file to <name>.unreadable-YYYYMMDD-HHMMSS, the stamp taken from localTime, adding -2,
    // -3 ... when that name is taken; never replaces an existing file. The original stays until the
    // caller writes the new file in its place, so there is never a moment without a roster file.
    // The path of the copy, complete and on disk, or nothing when it could not be made.
    static std::optional<std::filesystem::path> SetAside(const std::filesystem::path& file,
                                                         const std::tm& localTime);

    // The name of the attempt-th candidate (1 for the plain one).
    static std::filesystem::path CandidateName(const std::filesystem::path& file, const std::tm& localTime,
                                               int attempt);
};
