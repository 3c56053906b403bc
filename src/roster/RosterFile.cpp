// The roster file: how persons, tasks and rosters are written to and read from it, and the roster
// collection's life on disk, read once at start and written once at exit. The records declare these
// members beside their other ones; their definitions are kept together here, so that the file's form
// reads as one piece.
//
// Reading is tolerant by selection: element names below a roster are not checked, so a file edited
// by hand or written by a later version still yields whatever it holds.
//
// The rotation settings (rotation date, staggered start, assignment, turn length, effort, away periods
// and swaps) are written only where they differ from their defaults, so that a roster that uses none of
// them is written exactly as it was before they existed. A missing or unreadable one reads as off.

#include "roster/Person.h"
#include "roster/Roster.h"
#include "roster/RosterCollection.h"
#include "roster/Task.h"
#include "recurrence/Calendar.h"
#include "storage/DataFolder.h"
#include "storage/UnreadableFile.h"
#include "storage/Utf8.h"
#include "storage/XmlDocument.h"
#include "storage/XmlNode.h"

#include <ctime>
#include <exception>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

namespace {

template <class Record>
using Records = std::vector<std::unique_ptr<Record>>;

// Every element the selection yields, each read into a fresh record; nothing when one of them fails.
template <class Record>
std::optional<Records<Record>> ReadAll(const XmlNode& parent, const wchar_t* selection)
{
    Records<Record> records;
    const XmlNodeList elements = parent.SelectNodes(selection);
    const int count = elements.Count();
    records.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<Record>();
        if (!record->FromXml(elements.Item(i)))
            return std::nullopt;
        records.push_back(std::move(record));
    }
    return records;
}

using LoadResult = RosterCollection::StorageReport::LoadResult;

// A date the calendar cannot read is a setting that is off, not a broken file.
std::optional<Date> ReadDate(const XmlNode& element, std::wstring_view attribute)
{
    try {
        const Date day = ParseDateText(element.GetAttribute(attribute));
        if (!day.is_special())
            return day;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

bool ReadFlag(const XmlNode& element, std::wstring_view attribute)
{
    return element.GetAttribute(attribute) == L"true";
}

struct TurnLengthName {
    TurnLength length;
    const wchar_t* name;
};
constexpr TurnLengthName kTurnLengthNames[] = {{TurnLength::Week, L"week"}, {TurnLength::Month, L"month"}};

TurnLength ReadTurnLength(const XmlNode& element)
{
    const std::wstring text = element.GetAttribute(L"turn_length");
    for (const TurnLengthName& entry : kTurnLengthNames) {
        if (text == entry.name)
            return entry.length;
    }
    return TurnLength::DueDate;
}

void WriteTurnLength(const XmlNode& element, TurnLength length)
{
    for (const TurnLengthName& entry : kTurnLengthNames) {
        if (length == entry.length)
            element.SetAttribute(L"turn_length", entry.name);
    }
}

void WriteSwaps(const XmlNode& rosterElement, const Roster::SwapList& swaps)
{
    if (swaps.empty())
        return;
    const XmlNode list = rosterElement.AppendChildElement(L"swaps");
    for (const Swap& swap : swaps) {
        const XmlNode element = list.AppendChildElement(L"swap");
        element.SetAttribute(L"task", swap.task.lock()->GetName());
        element.SetAttribute(L"date", DateText(swap.date));
        element.SetAttribute(L"person", swap.person.lock()->GetName());
    }
}

constexpr const char* kRostersFileName = "rosters.xml";

// Every roster under the root, or nothing when one of them could not be read. An error raised by a
// reader (a date the calendar cannot parse) counts the same: the file is taken whole or not at all.
std::optional<std::vector<Roster>> ReadRosters(const XmlNode& root)
{
    std::vector<Roster> rosters;
    try {
        const XmlNodeList elements = root.ChildElements();
        for (int i = 0; i < elements.Count(); ++i) {
            Roster roster;
            if (!roster.FromXml(elements.Item(i)))
                return std::nullopt;
            rosters.push_back(std::move(roster));
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return rosters;
}

bool Exists(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::status(file, error).type() != std::filesystem::file_type::not_found;
}

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

// An unreadable file found by Load is kept under a name of its own before anything is written in its
// place; when that cannot be done, nothing may be written. False means: do not write.
bool KeepUnreadableFile(RosterCollection::StorageReport& report, const std::filesystem::path& file)
{
    if (report.load != LoadResult::Unreadable || !report.setAsidePath.empty() || !Exists(file))
        return true;
    const std::optional<std::filesystem::path> keptAs = UnreadableFile::SetAside(file, LocalTimeNow());
    if (!keptAs)
        return false;
    report.setAsidePath = FromUtf8(keptAs->string());
    return true;
}

} // namespace

bool Person::ToXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(L"person");
    element.SetAttribute(L"name", name);
    for (const AwayPeriod& period : away) {
        const XmlNode written = element.AppendChildElement(L"away");
        written.SetAttribute(L"from", DateText(period.from));
        written.SetAttribute(L"until", DateText(period.until));
    }
    return true;
}

bool Person::FromXml(const XmlNode& element)
{
    name = element.GetAttribute(L"name");
    // A period without both ends, or ending before it begins, keeps nobody away.
    const XmlNodeList periods = element.SelectNodes(L"away");
    AwayList read;
    for (int i = 0; i < periods.Count(); ++i) {
        const std::optional<Date> from = ReadDate(periods.Item(i), L"from");
        const std::optional<Date> until = ReadDate(periods.Item(i), L"until");
        if (from && until && *from <= *until)
            read.push_back(AwayPeriod{*from, *until});
    }
    SetAway(std::move(read));
    return true;
}

bool Task::ToXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(L"task");
    element.SetAttribute(L"name", name);
    WriteTurnLength(element, turnLength);
    if (effortMinutes > 0)
        element.SetIntAttribute(L"effort_minutes", effortMinutes);
    // A kind that could not write itself leaves its defaults to the next reading; nothing to undo.
    frequency->SaveXml(element);
    return true;
}

bool Task::FromXml(const XmlNode& element)
{
    name = element.GetAttribute(L"name");
    turnLength = ReadTurnLength(element);
    SetEffort(element.GetIntAttribute(L"effort_minutes"));
    // A task without a frequency element reads as one with an empty element: the defaults.
    // A missing kind inside it is not an error either, so LoadXml's answer does not matter here.
    frequency->LoadXml(element.FindChildElement(L"frequency", true));
    return true;
}

bool Roster::ToXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(L"roster");
    element.SetAttribute(L"name", name);
    if (!rotationFrom.is_special())
        element.SetAttribute(L"rotation_from", DateText(rotationFrom));
    if (staggered)
        element.SetAttribute(L"staggered_start", L"true");
    if (assignment == Assignment::Balanced)
        element.SetAttribute(L"assignment", L"balanced");
    const XmlNode personList = element.AppendChildElement(L"persons");
    for (const auto& person : persons)
        person->ToXml(personList);
    const XmlNode taskList = element.AppendChildElement(L"tasks");
    for (const auto& task : tasks)
        task->ToXml(taskList);
    WriteSwaps(element, Swaps());
    return true;
}

bool Roster::FromXml(const XmlNode& element)
{
    // Both lists are read in full before either is touched, so a failure leaves the roster as it was.
    auto readPersons = ReadAll<Person>(element, L"persons/*");
    auto readTasks = ReadAll<Task>(element, L"tasks/*");
    if (!readPersons || !readTasks)
        return false;
    name = element.GetAttribute(L"name");
    for (auto& person : *readPersons)
        AddPerson(std::move(person));
    for (auto& task : *readTasks)
        AddTask(std::move(task));
    rotationFrom = ReadDate(element, L"rotation_from").value_or(Date());
    staggered = ReadFlag(element, L"staggered_start");
    assignment
        = element.GetAttribute(L"assignment") == L"balanced" ? Assignment::Balanced : Assignment::InTurn;
    SwapsFromXml(element);
    return true;
}

// A swap names its task and person; one that names neither a task nor a person of the roster, or a
// date that cannot be read, is dropped.
void Roster::SwapsFromXml(const XmlNode& element)
{
    const XmlNodeList elements = element.SelectNodes(L"swaps/*");
    for (int i = 0; i < elements.Count(); ++i) {
        const XmlNode swap = elements.Item(i);
        if (const std::optional<Date> date = ReadDate(swap, L"date"))
            GiveTurn(swap.GetAttribute(L"task"), *date, swap.GetAttribute(L"person"));
    }
}

std::wstring RosterCollection::RostersFilePath() const
{
    return FromUtf8((DataFolder::Ensure() / kRostersFileName).string());
}

bool RosterCollection::Load()
{
    const std::wstring path = RostersFilePath();
    firstRun = !Exists(ToUtf8(path));
    storageReport.setAsidePath.clear();

    std::optional<std::vector<Roster>> read;
    XmlDocument document;
    if (document.Load(path) && !document.Root().IsNull())
        read = ReadRosters(document.Root());
    if (!read) {
        storageReport.load = firstRun ? LoadResult::Missing : LoadResult::Unreadable;
        return false;
    }
    for (Roster& roster : *read)
        Add(std::move(roster));
    document.Close();
    storageReport.load = LoadResult::Loaded;
    RostersLoaded();
    return true;
}

bool RosterCollection::Save()
{
    storageReport.saveWritten = false;
    XmlDocument document;
    if (!document.New(L"Brindlewick", L"UTF-8", L"", L""))
        return true;
    const XmlNode root = document.Root();
    root.SetIntAttribute(L"version", 1);
    for (const Roster& roster : rosters)
        roster.ToXml(root);
    // An unindented document is as readable as an indented one.
    document.Indent();

    const std::wstring path = RostersFilePath();
    if (KeepUnreadableFile(storageReport, ToUtf8(path)))
        storageReport.saveWritten = document.Save(path);
    return true;
}
