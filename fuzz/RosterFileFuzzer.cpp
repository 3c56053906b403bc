// Feeds arbitrary bytes through the program's whole start and exit: the bytes become rosters.xml in
// a data folder of the fuzzer's own, then the collection loads it, plans a year of every roster and
// saves. Besides the sanitizers' findings, a save that does not read back is a failure too: the
// program must never write a file it cannot read again, and what it read (names, the selected kind,
// every kind's rule, the rotation settings, away periods and swaps) must survive the save exactly.

#include "recurrence/Calendar.h"
#include "recurrence/Today.h"
#include "roster/RosterCollection.h"
#include "roster/Schedule.h"
#include "storage/DataFolder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What a load yields, in a form that compares: names, and every kind's rule of every task.
std::wstring Rules(const Frequency& frequency)
{
    std::wstring rules
        = std::to_wstring(frequency.selected) + L" from " + DateText(frequency.daily.first_day);
    for (const auto& entry : frequency.kinds)
        rules += L"; " + entry.kind->GetDescription();
    return rules;
}

std::wstring Rotation(const Roster& roster)
{
    const Date from = roster.GetRotationFrom();
    return L" from " + (from.is_special() ? std::wstring(L"-") : DateText(from)) + L", staggered "
        + std::to_wstring(roster.IsStaggered()) + L", assignment "
        + std::to_wstring(static_cast<int>(roster.GetAssignment()));
}

std::wstring Turns(const Task& task)
{
    return L" turn " + std::to_wstring(static_cast<int>(task.GetTurnLength())) + L", effort "
        + std::to_wstring(task.GetEffort());
}

std::wstring Away(const Person& person)
{
    std::wstring away;
    for (const AwayPeriod& period : person.GetAway())
        away += L" away " + DateText(period.from) + L".." + DateText(period.until);
    return away;
}

std::vector<std::wstring> Contents(const RosterCollection& rosters)
{
    std::vector<std::wstring> contents;
    for (int i = 0; i < rosters.Count(); ++i) {
        const Roster& roster = rosters.At(i);
        contents.push_back(L"roster " + roster.GetName() + Rotation(roster));
        for (const auto& person : roster.Persons())
            contents.push_back(L"person " + person->GetName() + Away(*person));
        for (const auto& task : roster.Tasks())
            contents.push_back(L"task " + task->GetName() + L": " + Rules(task->GetFrequency())
                               + Turns(*task));
        for (const Swap& swap : roster.Swaps())
            contents.push_back(L"swap " + swap.task.lock()->GetName() + L" " + DateText(swap.date) + L" "
                               + swap.person.lock()->GetName());
    }
    return contents;
}

// Planning may run into the calendar's end; that error is the only one the program expects.
void PlanAYear(const RosterCollection& rosters)
{
    const Date today = Today();
    for (int i = 0; i < rosters.Count(); ++i) {
        Schedule schedule;
        try {
            schedule.Generate(rosters.At(i), today, today + boost::gregorian::days(365));
        } catch (const std::out_of_range&) {
        }
    }
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "roster file fuzzer: %s\n", what);
    std::abort();
}

void FailWhenDifferent(const std::vector<std::wstring>& written, const std::vector<std::wstring>& read)
{
    if (written == read)
        return;
    for (std::size_t i = 0; i < std::max(written.size(), read.size()); ++i) {
        const std::wstring before = i < written.size() ? written[i] : L"(nothing)";
        const std::wstring after = i < read.size() ? read[i] : L"(nothing)";
        if (before != after) {
            std::fprintf(stderr, "written: %ls\nread:    %ls\n", before.c_str(), after.c_str());
            break;
        }
    }
    Fail("the saved roster file reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed where possible: every input is written, synced and renamed.
    const std::filesystem::path base
        = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string home = (base / "brindlewick-fuzz-XXXXXX").string();
    if (!::mkdtemp(home.data()))
        Fail("cannot create the data folder");
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    static const std::filesystem::path folder = home;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    static TodayPin today(Date(2010, 3, 10));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::filesystem::remove_all(DataFolder::Path());
    const std::filesystem::path folder = DataFolder::Ensure();
    std::ofstream(folder / "rosters.xml", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    RosterCollection rosters;
    rosters.Load();
    PlanAYear(rosters);
    rosters.Save();
    if (!rosters.LastStorageReport().saveWritten)
        Fail("the roster file was not written");

    RosterCollection again;
    if (!again.Load())
        Fail("the saved roster file does not load");
    FailWhenDifferent(Contents(rosters), Contents(again));
    return 0;
}
