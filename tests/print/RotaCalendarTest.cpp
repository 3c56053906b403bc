#include "TestEnvironment.h"

#include "print/ExportFileName.h"
#include "print/RotaCalendar.h"
#include "roster/Schedule.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// What a reader found in one event, in the file's order.
struct Event {
    std::string uid, summary, category, start, end;
    bool stamped = false;
    bool operator==(const Event&) const = default;
};

void PrintTo(const Event& e, std::ostream* out)
{
    *out << "{" << e.uid << " | " << e.summary << " | " << e.category << " | " << e.start << " | " << e.end
         << " | " << e.stamped << "}";
}

std::string Iso(const Date& day)
{
    return boost::gregorian::to_iso_extended_string(day);
}

std::string IsoDate(const icaltimetype& time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return time.is_date ? text : "not a date";
}

// libical writes CATEGORIES as the comma list it is, without escaping a comma inside a name, so a
// reader sees a name with commas as several categories; joined, they give the name back.
std::string Categories(icalcomponent* event)
{
    std::string joined;
    for (icalproperty* category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); category;
         category = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY))
        joined += (joined.empty() ? "" : ",") + std::string(icalproperty_get_categories(category));
    return joined;
}

std::vector<Event> ReadWithLibical(const std::string& text)
{
    std::vector<Event> events;
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    EXPECT_NE(calendar, nullptr);
    if (!calendar)
        return events;
    EXPECT_STREQ(icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY) ? icalproperty_get_prodid(
                     icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY))
                                                                                  : "",
                 "-//Brindlewick//Brindlewick 1.1.0-beta1//EN");
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        events.push_back({icalcomponent_get_uid(event), icalcomponent_get_summary(event), Categories(event),
                          IsoDate(icalcomponent_get_dtstart(event)), IsoDate(icalcomponent_get_dtend(event)),
                          !icaltime_is_null_time(icalcomponent_get_dtstamp(event))});
    }
    icalcomponent_free(calendar);
    return events;
}

// python3-icalendar, a reader written without libical, as a calendar program would read the file.
std::vector<Event> ReadWithPython(const QString& path)
{
    const QString script = QStringLiteral(R"(
import json, sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
events = []
for event in calendar.walk('VEVENT'):
    categories = event.get('categories')
    events.append({'uid': str(event['uid']), 'summary': str(event['summary']),
                   'category': ','.join(str(c) for c in categories.cats) if categories else '',
                   'start': event.decoded('dtstart').isoformat(), 'end': event.decoded('dtend').isoformat(),
                   'stamped': 'dtstamp' in event})
print(json.dumps(events))
)");
    QProcess python;
    // Debian's own Python, which python3-icalendar is installed for.
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path});
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    std::vector<Event> events;
    for (const QJsonValue value : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        const QJsonObject o = value.toObject();
        const auto text
            = [&o](const char* key) { return o.value(QLatin1String(key)).toString().toStdString(); };
        const QString category = o.value(QLatin1String("category")).toString();
        events.push_back({text("uid"), text("summary"),
                          QString(category).replace(QRegularExpression(",\\s*"), ",").toStdString(),
                          text("start"), text("end"), o.value(QLatin1String("stamped")).toBool()});
    }
    return events;
}

std::vector<Event> Expected(const std::wstring& rosterName, const Schedule::EntryList& entries)
{
    std::vector<Event> events;
    for (const ScheduleEntry& entry : entries) {
        const QString name = QString::fromStdWString(entry.person);
        const std::string person = name.toStdString();
        // Readers split the category list at its commas and trim the parts: only the blanks after a
        // comma are lost there, while the summary keeps the name whole.
        const std::string category = QString(name).replace(QRegularExpression(",\\s*"), ",").toStdString();
        events.push_back({RotaCalendar::EventUid(rosterName, entry.task, entry.date),
                          QString::fromStdWString(entry.task).toStdString() + " \u2014 " + person, category,
                          Iso(entry.date), Iso(entry.date + boost::gregorian::days(1)), true});
    }
    return events;
}

Roster Awkward()
{
    Roster roster(L"Home, sweet; home");
    for (const std::wstring& name :
         {std::wstring(L"Smith, Anna; \"Jr\""), std::wstring(L"Line\nbreak \\ back"),
          std::wstring(L"Zo\u00eb \U0001F9F9\U0001F600"), std::wstring(200, L'\u00e9')})
        roster.AddPerson(std::make_unique<Person>(name));
    for (const std::wstring& name :
         {std::wstring(L"Clean; rinse, repeat"), std::wstring(L"Mop\nthe \U0001F6BD"),
          std::wstring(199, L'x') + L"\u4e2d"})
        roster.AddTask(std::make_unique<Task>(name));
    return roster;
}
} // namespace

TEST(RotaCalendar, EveryEventReadsBackAsPlannedWithBothReaders)
{
    const Roster roster = Awkward();
    Schedule schedule;
    schedule.Generate(roster, Date(2010, 3, 10), Date(2010, 3, 20));
    const Schedule::EntryList entries = schedule.Entries();
    ASSERT_EQ(entries.size(), 33u);
    const RotaCalendar calendar(roster.GetName(), 1268179200);
    const QString path = QString::fromStdString((TestHome() / "awkward.ics").string());
    ASSERT_TRUE(calendar.Write(path.toStdString(), entries));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string text = file.readAll().toStdString();

    const std::vector<Event> expected = Expected(roster.GetName(), entries);
    for (const auto& [reader, events] : {std::pair{"libical", ReadWithLibical(text)},
                                         std::pair{"python3-icalendar", ReadWithPython(path)}}) {
        SCOPED_TRACE(reader);
        ASSERT_EQ(events.size(), expected.size());
        for (std::size_t i = 0; i < events.size(); ++i)
            EXPECT_EQ(events[i], expected[i]) << "event " << i;
    }
    EXPECT_NE(text.find("DTSTAMP:20100310T000000Z"), std::string::npos);
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        EXPECT_LE(end - start, 75u) << "lines are folded";
}

TEST(RotaCalendar, UidIsStableForRosterTaskAndDateOnly)
{
    const std::string uid = RotaCalendar::EventUid(L"Home", L"Sweep", Date(2010, 3, 10));
    EXPECT_EQ(uid, RotaCalendar::EventUid(L"Home", L"Sweep", Date(2010, 3, 10)));
    EXPECT_EQ(uid.substr(0, 9), "20100310-");
    EXPECT_EQ(uid.substr(uid.size() - 12), "@brindlewick");
    const struct {
        const wchar_t* roster;
        const wchar_t* task;
        Date date;
    } others[] = {{L"Flat", L"Sweep", Date(2010, 3, 10)},
                  {L"Home", L"Dust", Date(2010, 3, 10)},
                  {L"Home", L"Sweep", Date(2010, 3, 11)},
                  {L"HomeS", L"weep", Date(2010, 3, 10)}};
    for (const auto& other : others)
        EXPECT_NE(RotaCalendar::EventUid(other.roster, other.task, other.date), uid);

    // Another person, another stamp: the very same events for a calendar that imports them again.
    ScheduleEntry entry{L"Ann", L"Sweep", Date(2010, 3, 10)};
    const std::string before = RotaCalendar(L"Home", 1).Text({entry});
    entry.person = L"Bob";
    const std::string after = RotaCalendar(L"Home", 2).Text({entry});
    EXPECT_EQ(ReadWithLibical(before).at(0).uid, ReadWithLibical(after).at(0).uid);
}

TEST(RotaCalendar, UnwritableFileIsRefused)
{
    EXPECT_FALSE(RotaCalendar(L"Home", 0).Write(TestHome() / "no-such-folder" / "rota.ics", {}));
}

TEST(ExportFileName, NamesRosterAndPeriodWithCharactersEveryFileSystemHolds)
{
    const Date from(2010, 3, 10), until(2010, 4, 10);
    const struct {
        std::wstring roster;
        std::wstring expected;
    } cases[] = {
        {L"Home", L"Home 2010-03-10 to 2010-04-10.pdf"},
        {L"a/b\\c:d*e?f\"g<h>i|j", L"a_b_c_d_e_f_g_h_i_j 2010-03-10 to 2010-04-10.pdf"},
        {L"two\nlines\t", L"two_lines_ 2010-03-10 to 2010-04-10.pdf"},
        {L"Zo\u00eb \U0001F9F9", L"Zo\u00eb \U0001F9F9 2010-03-10 to 2010-04-10.pdf"},
        {L".hidden", L"Rota.hidden 2010-03-10 to 2010-04-10.pdf"},
        {L"  ", L"Rota   2010-03-10 to 2010-04-10.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExportFileName(c.roster, from, until, L".pdf"), c.expected);

    const std::wstring longName = ExportFileName(std::wstring(300, L'\U0001F9F9'), from, until, L".pdf");
    EXPECT_LE(QString::fromStdWString(longName).toUtf8().size(), 255);
    EXPECT_EQ(longName.substr(longName.size() - 29), L" 2010-03-10 to 2010-04-10.pdf");
}
