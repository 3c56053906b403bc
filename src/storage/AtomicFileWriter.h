#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

// Replaces a file's contents so that the file is at every moment either the old one or the new one:
// the new contents go to a temporary file beside the target, reach the disk, and then take the
// target's place in one rename. A crash, a kill or a full disk never leaves a half-written file.
// A target that is a symbolic link stays one: the file it leads to is replaced. Temporary files
// left beside the target by a process that died while saving are removed.
class AtomicFileWriter {
public:
    // False when anything failed; the target is then untouched and no temporary file is left.
    static bool Replace(const std::filesystem::path& target, std::string_view contents);

    // Test seam: while set, called with the temporary file (complete and synced) just before it is
    // renamed over the target. Returning false makes Replace fail right there, as an interrupted save
    // would. Pass nullptr to remove it.
    using BeforeRenameHook = std::function<bool(const std::filesystem::path& temporary)>;
    static void SetBeforeRenameHook(BeforeRenameHook hook);
};
