#include "print/RotaCalendar.h"

#include "storage/AtomicFileWriter.h"
#include "storage/Utf8.h"

#include <libical/ical.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
constexpr const char* kProductId = "-//Brindlewick//Brindlewick 1.1.0-beta1//EN";

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// FNV-1a: a hash that every build and every run computes alike, unlike std::hash.
std::uint64_t StableHash(const std::string& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

icaltimetype AllDay(const Date& day)
{
    icaltimetype time = icaltime_null_date();
    time.year = day.year();
    time.month = day.month();
    time.day = day.day();
    return time;
}

icalcomponent* NewEvent(const std::wstring& rosterName, const ScheduleEntry& entry, const icaltimetype& stamp)
{
    icalcomponent* event = icalcomponent_new_vevent();
    const std::string uid = RotaCalendar::EventUid(rosterName, entry.task, entry.date);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(AllDay(entry.date)));
    // An all-day event ends before the day after its last day.
    icalcomponent_add_property(event, icalproperty_new_dtend(AllDay(entry.date + boost::gregorian::days(1))));
    const std::string summary = ToUtf8(entry.task + L" \u2014 " + EntryPersonText(entry));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    // The library writes categories as a comma list: a name with a comma reads back as several
    // categories, which a calendar joins again; the summary keeps the name whole.
    if (!entry.person.empty())
        icalcomponent_add_property(event, icalproperty_new_categories(ToUtf8(entry.person).c_str()));
    // A chore takes part of a day: the person is not shown as busy all day long.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}
} // namespace

RotaCalendar::RotaCalendar(std::wstring rosterName, std::time_t stamp)
    : rosterName(std::move(rosterName))
    , stamp(stamp)
{
}

std::string RotaCalendar::Text(const Schedule::EntryList& entries) const
{
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    const icaltimetype stampTime = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
    for (const ScheduleEntry& entry : entries)
        icalcomponent_add_component(calendar.get(), NewEvent(rosterName, entry, stampTime));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string result(text ? text : "");
    std::free(text);
    return result;
}

bool RotaCalendar::Write(const std::filesystem::path& path, const Schedule::EntryList& entries) const
{
    return AtomicFileWriter::Replace(path, Text(entries));
}

std::string RotaCalendar::EventUid(const std::wstring& rosterName, const std::wstring& task, const Date& date)
{
    char uid[64];
    const auto hash = static_cast<unsigned long long>(StableHash(ToUtf8(rosterName) + '\0' + ToUtf8(task)));
    std::snprintf(uid, sizeof uid, "%04d%02d%02d-%016llx@brindlewick", static_cast<int>(date.year()),
                  static_cast<int>(date.month()), static_cast<int>(date.day()), hash);
    return uid;
}
