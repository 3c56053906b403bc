// The roster file: how persons, tasks and rosters are written to and read from it, and the roster
// collection's life on disk, read once at start and written once at exit. The records declare these
// members beside their other ones; their definitions are kept together here, so that the file's form
// reads as one piece.
//
// Reading is tolerant by selection: element names below a roster are not checked, so a file edited
// by hand or written by a later version still yields whatever it holds.

#include "roster/Person.h"
#include "roster/Roster.h"
#include "roster/RosterCollection.h"
#include "roster/Task.h"
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
    parent.AppendChildElement(L"person").SetAttribute(L"name", name);
    return true;
}

bool Person::FromXml(const XmlNode& element)
{
    name = element.GetAttribute(L"name");
    return true;
}

bool Task::ToXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(L"task");
    element.SetAttribute(L"name", name);
    // A kind that could not write itself leaves its defaults to the next reading; nothing to undo.
    frequency->SaveXml(element);
    return true;
}

bool Task::FromXml(const XmlNode& element)
{
    name = element.GetAttribute(L"name");
    // A task without a frequency element reads as one with an empty element: the defaults.
    // A missing kind inside it is not an error either, so LoadXml's answer does not matter here.
    frequency->LoadXml(element.FindChildElement(L"frequency", true));
    return true;
}

bool Roster::ToXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(L"roster");
    element.SetAttribute(L"name", name);
    const XmlNode personList = element.AppendChildElement(L"persons");
    for (const auto& person : persons)
        person->ToXml(personList);
    const XmlNode taskList = element.AppendChildElement(L"tasks");
    for (const auto& task : tasks)
        task->ToXml(taskList);
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
    return true;
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
