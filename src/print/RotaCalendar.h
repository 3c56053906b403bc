#pragma once

#include "roster/Schedule.h"

#include <ctime>
#include <filesystem>
#include <string>

// The rota as an iCalendar file (RFC 5545) that calendar programs import: one all-day event per
// schedule entry, "<task> — <person>", with the person as its category. The calendar library does
// the escaping, the line folding and the UTF-8.
class RotaCalendar {
public:
    // The events are stamped with `stamp`, the moment the calendar is made.
    RotaCalendar(std::wstring rosterName, std::time_t stamp);

    std::string Text(const Schedule::EntryList& entries) const;
    // Replaces the file whole; false, and the file untouched, when it cannot be written.
    bool Write(const std::filesystem::path& path, const Schedule::EntryList& entries) const;

    // The same for the same roster, task and date, whoever does the task, so that a calendar that
    // imports a changed rota again updates its events instead of adding them twice.
    static std::string EventUid(const std::wstring& rosterName, const std::wstring& task, const Date& date);

private:
    std::wstring rosterName;
    std::time_t stamp;
};
