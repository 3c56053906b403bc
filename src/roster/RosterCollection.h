#pragma once

#include "roster/Roster.h"

#include <boost/signals2/signal.hpp>

#include <cstdint>
#include <string>
#include <vector>

// Every roster of the user, in order; the position is a roster's only identity. The program has
// one collection (Instance), read from the roster file at start and written back at exit; tests
// make collections of their own.
class RosterCollection {
public:
    // What the last Load and Save did with the roster file. Both operations stay silent; this is
    // what the main window reads to tell the user.
    struct StorageReport {
        enum class LoadResult { NotLoaded, Missing, Loaded, Unreadable };
        LoadResult load = LoadResult::NotLoaded;
        // Where Save kept the unreadable roster file before writing a new one; empty when it kept none.
        std::wstring setAsidePath;
        // Whether the last Save wrote the roster file; false before the first Save.
        bool saveWritten = false;
    };

    RosterCollection() = default;
    RosterCollection(const RosterCollection&) = delete;
    RosterCollection& operator=(const RosterCollection&) = delete;

    // The program's collection: made on first use, destroyed at exit. A use after that raises
    // std::logic_error("Dead Reference Detected").
    static RosterCollection& Instance();

    // Fires once at the end of a successful Load, after every loaded roster was added.
    boost::signals2::signal<void()> RostersLoaded;
    // Fires for every Add with the roster that was added; valid only during the call.
    boost::signals2::signal<void(const Roster&)> RosterAdded;

    void Add(Roster roster);
    int Count() const { return static_cast<int>(rosters.size()); }
    // index must be below Count().
    Roster& At(int index);
    const Roster& At(int index) const;
    void RemoveAt(int index);

    // -1 for none; not checked against Count().
    void SetCurrentIndex(std::int32_t index) { currentIndex = index; }
    std::int32_t CurrentIndex() const { return currentIndex; }
    // The roster at the current index, or null when there is none.
    Roster* Current();

    // The roster file; defined beside the records' file form in RosterFile.cpp.
    std::wstring RostersFilePath() const;
    bool Load();
    bool Save();
    bool IsFirstRun() const { return firstRun; }
    const StorageReport& LastStorageReport() const { return storageReport; }

private:
    std::vector<Roster> rosters;
    std::int32_t currentIndex = -1;
    bool firstRun = false;
    StorageReport storageReport;
};
