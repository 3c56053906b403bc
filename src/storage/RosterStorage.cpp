// The roster collection's life on disk: read once at start, written once at exit.

#include "roster/RosterCollection.h"
#include "storage/DataFolder.h"
#include "storage/UnreadableFile.h"
#include "storage/Utf8.h"
#include "storage/XmlDocument.h"

#include <ctime>
#include <exception>
#include <optional>
#include <system_error>
#include <vector>

namespace {

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
