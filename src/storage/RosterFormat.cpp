// How persons, tasks and rosters are written to and read from the roster file. The records live in
// roster/, but their file form belongs to storage, beside the XML wrapper it is written through.
//
// Reading is tolerant by selection: element names below a roster are not checked, so a file edited
// by hand or written by a later version still yields whatever it holds.

#include "roster/Person.h"
#include "roster/Roster.h"
#include "roster/Task.h"
#include "storage/XmlNode.h"

#include <memory>
#include <optional>
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
