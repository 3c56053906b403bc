// Roster files as they turn up in the wild: damaged, hostile or hand-edited. Each must either load
// with sound values or fail to load as a whole, and whatever loads must then plan a year without a
// hang or a crash.

#include "recurrence/Today.h"
#include "roster/RosterCollection.h"
#include "roster/Schedule.h"

#include "FreshDataFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace {

using LoadResult = RosterCollection::StorageReport::LoadResult;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

// A file of one roster, two persons and one task whose frequency element is given.
std::string OneTask(const std::string& frequency)
{
    return kDeclaration + "<Brindlewick version=\"1\"><roster name=\"R\"><persons><person name=\"Ann\"/>"
        + "<person name=\"Bob\"/></persons><tasks><task name=\"T\">" + frequency + "</task></tasks></roster>"
        + "</Brindlewick>";
}

std::string NamedRoster(const std::string& doctype, const std::string& name)
{
    return kDeclaration + doctype + "<Brindlewick version=\"1\"><roster name=\"" + name
        + "\"/></Brindlewick>";
}

const std::string kBillionLaughs
    = "<!DOCTYPE Brindlewick [<!ENTITY lol \"lol\">"
      "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
      "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">"
      "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">"
      "<!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">"
      "<!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">"
      "<!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">"
      "<!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">"
      "<!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">"
      "<!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">"
      "]>";

const Frequency& OnlyFrequency(const RosterCollection& rosters)
{
    return rosters.At(0).Tasks().at(0)->GetFrequency();
}

// The calendar's year-range error is the one error allowed; any other escapes and fails the test.
std::size_t Plan(const Roster& roster, const Date& from, const Date& until)
{
    Schedule schedule;
    try {
        schedule.Generate(roster, from, until);
    } catch (const std::out_of_range&) {
    }
    return schedule.Entries().size();
}

// Plans every roster for the year from today, and for the calendar's last year, where rules run
// into the end of the calendar. The entries of the year from today.
std::size_t PlanAYear(const RosterCollection& rosters)
{
    std::size_t entries = 0;
    for (int i = 0; i < rosters.Count(); ++i) {
        entries += Plan(rosters.At(i), Today(), Today() + boost::gregorian::days(365));
        Plan(rosters.At(i), Date(9999, 1, 1), Date(9999, 12, 31));
    }
    return entries;
}

struct BadFile {
    const char* what;
    std::string contents;
    bool loads;
    std::function<void(const RosterCollection&)> check;
};

class BadRosterFileTest : public FreshDataFolder { };

} // namespace

TEST_F(BadRosterFileTest, EachLoadsRepairedOrNotAtAllAndThenPlansAYear)
{
    const std::string valid
        = OneTask("<frequency selected=\"0\"><daily every_n_days=\"2\" first_day=\"2010-Jan-01\"/>"
                  "</frequency>");
    const std::string hundredThousand(100000, 'n');
    const BadFile files[] = {
        {"empty", "", false, nullptr},
        {"truncated", valid.substr(0, valid.size() / 2), false, nullptr},
        // Not well-formed, or not to be read without loss: each would be saved back altered.
        {"not UTF-8", NamedRoster("", "Zo\xEB \xFF\xFE"), false, nullptr},
        {"external entity",
         NamedRoster("<!DOCTYPE Brindlewick [<!ENTITY ext SYSTEM \"file:///etc/passwd\">]>", "&ext;"), false,
         nullptr},
        {"nested entities", NamedRoster(kBillionLaughs, "&lol9;"), false, nullptr},
        {"undefined entity", NamedRoster("", "Ren&eacute;e"), false, nullptr},
        {"raw < in a value", NamedRoster("", "a<b"), false, nullptr},
        {"doubled attribute",
         kDeclaration + "<Brindlewick version=\"1\"><roster name=\"a\" name=\"b\"/></Brindlewick>", false,
         nullptr},
        {"control character reference", NamedRoster("", "a&#1;b"), false, nullptr},
        {"every_n_days 0",
         OneTask("<frequency><daily every_n_days=\"0\" first_day=\"2010-Jan-01\"/></frequency>"), true,
         [](const RosterCollection& rosters) { EXPECT_EQ(OnlyFrequency(rosters).daily.every_n_days, 1); }},
        {"every_nth_month 0",
         OneTask("<frequency selected=\"2\"><monthly every_nth_month=\"0\"/></frequency>"), true,
         [](const RosterCollection& rosters) {
             EXPECT_EQ(OnlyFrequency(rosters).monthly.every_nth_month, 1);
         }},
        {"selected 7", OneTask("<frequency selected=\"7\"/>"), true,
         [](const RosterCollection& rosters) { EXPECT_EQ(OnlyFrequency(rosters).selected, 0); }},
        {"on_day_n 45",
         OneTask("<frequency selected=\"2\"><monthly every_nth_month=\"1\" time_mode=\"fixed_day\" "
                 "on_day_n=\"45\"/></frequency>"),
         true,
         [](const RosterCollection& rosters) {
             // Every month's last day, whatever its length.
             EXPECT_EQ(OnlyFrequency(rosters).NextAfter(Date(2010, 2, 1)), Date(2010, 2, 28));
             EXPECT_EQ(OnlyFrequency(rosters).NextAfter(Date(2010, 4, 1)), Date(2010, 4, 30));
         }},
        {"first_day garbage", OneTask("<frequency><daily first_day=\"garbage\"/></frequency>"), false,
         nullptr},
        // Five digits after a stray character once made the calendar library's number reader overflow.
        {"first_day #12345-Jan-01", OneTask("<frequency><daily first_day=\"#12345-Jan-01\"/></frequency>"),
         false, nullptr},
        {"first_day 2010-Jan-$31400",
         OneTask("<frequency><daily first_day=\"2010-Jan-$31400\"/></frequency>"), false, nullptr},
        {"first_day 9999-Dec-31", OneTask("<frequency><daily first_day=\"9999-Dec-31\"/></frequency>"), true,
         [](const RosterCollection& rosters) {
             EXPECT_EQ(OnlyFrequency(rosters).daily.first_day, Date(9999, 12, 31));
         }},
        {"100,000-character name", NamedRoster("", hundredThousand), true,
         [&](const RosterCollection& rosters) {
             EXPECT_EQ(rosters.At(0).GetName(), std::wstring(hundredThousand.begin(), hundredThousand.end()));
         }},
    };

    for (const BadFile& file : files) {
        SCOPED_TRACE(file.what);
        WriteRostersFile(file.contents);
        RosterCollection rosters;
        EXPECT_EQ(rosters.Load(), file.loads);
        EXPECT_FALSE(rosters.IsFirstRun());
        if (!file.loads) {
            EXPECT_EQ(rosters.Count(), 0);
            EXPECT_EQ(rosters.LastStorageReport().load, LoadResult::Unreadable);
            continue;
        }
        ASSERT_EQ(rosters.Count(), 1);
        file.check(rosters);
        PlanAYear(rosters);

        // Whatever was read is written back as a file that reads again.
        rosters.Save();
        RosterCollection again;
        EXPECT_TRUE(again.Load());
        EXPECT_EQ(again.Count(), 1);
    }
}

TEST_F(BadRosterFileTest, RepairedRulesPlanTheirYear)
{
    struct Case {
        const char* what;
        std::string frequency;
        std::size_t entries; // in the year from today, 2010-03-10
        std::size_t lastYearEntries; // in 9999, the calendar's last year
    };
    const Case cases[] = {
        {"every_n_days 0 falls due daily",
         "<frequency><daily every_n_days=\"0\" first_day=\"2010-Jan-01\"/></frequency>", 366, 365},
        {"every_nth_month 0 falls due monthly, from the first month on",
         "<frequency selected=\"2\"><monthly every_nth_month=\"0\" on_day_n=\"15\"/></frequency>", 12, 12},
        {"selected 7 falls back to daily",
         "<frequency selected=\"7\"><daily every_n_days=\"7\" first_day=\"2010-Mar-10\"/></frequency>", 53,
         52},
        // The day after the last one raises the calendar's error; the entry before it stays.
        {"a first day at the calendar's end", "<frequency><daily first_day=\"9999-Dec-31\"/></frequency>", 0,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteRostersFile(OneTask(c.frequency));
        RosterCollection rosters;
        ASSERT_TRUE(rosters.Load());
        const Roster& roster = rosters.At(0);
        EXPECT_EQ(Plan(roster, Today(), Today() + boost::gregorian::days(365)), c.entries);
        EXPECT_EQ(Plan(roster, Date(9999, 1, 1), Date(9999, 12, 31)), c.lastYearEntries);
    }
}
