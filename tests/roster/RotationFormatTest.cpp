// The rotation settings in the roster file: written only where they are used, read back as written,
// and read as off wherever they are missing or cannot be read.

#include "roster/RosterCollection.h"
#include "roster/Schedule.h"

#include "FreshDataFolder.h"
#include "XmlFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

Date D(int year, int month, int day)
{
    return Date(year, month, day);
}

Roster ReadRoster(const std::string& rosterXml)
{
    Roster roster;
    EXPECT_TRUE(roster.FromXml(ParseXml(rosterXml)));
    return roster;
}

// The frequency element as the program writes a weekly rule on Mondays.
const std::string kWeeklyFrequency
    = "        <frequency selected=\"1\">\n"
      "          <daily every_n_days=\"1\" first_day=\"2010-Mar-10\" />\n"
      "          <weekly every_n_weeks=\"1\">\n"
      "            <active_weekdays>\n"
      "              <day name=\"mon\" enabled=\"true\" />\n"
      "              <day name=\"tue\" enabled=\"false\" />\n"
      "              <day name=\"wed\" enabled=\"false\" />\n"
      "              <day name=\"thu\" enabled=\"false\" />\n"
      "              <day name=\"fri\" enabled=\"false\" />\n"
      "              <day name=\"sat\" enabled=\"false\" />\n"
      "              <day name=\"sun\" enabled=\"false\" />\n"
      "            </active_weekdays>\n"
      "          </weekly>\n"
      "          <monthly every_nth_month=\"1\" time_mode=\"fixed_day\" on_day_n=\"1\" "
      "day_of_week=\"mon\" week_repeat=\"first\" />\n"
      "          <yearly timing_mode=\"fixed_day\" every_month=\"jan\" weekday=\"mon\" "
      "week_repeater=\"first\" month=\"jan\" every_month_day=\"1\" />\n"
      "        </frequency>\n";

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                                 "<Brindlewick version=\"1\">\n";

// A file as the program wrote it before rosters had rotation settings.
const std::string kFileWithoutSettings = kDeclaration
    + "  <roster name=\"Hall\">\n"
      "    <persons>\n"
      "      <person name=\"Ann\" />\n"
      "      <person name=\"Ben\" />\n"
      "    </persons>\n"
      "    <tasks>\n"
      "      <task name=\"Mop &amp; sweep\">\n"
    + kWeeklyFrequency
    + "      </task>\n"
      "    </tasks>\n"
      "  </roster>\n"
      "</Brindlewick>\n";

const std::string kFileWithEverySetting = kDeclaration
    + "  <roster name=\"Hall\" rotation_from=\"2024-Jan-01\" staggered_start=\"true\" "
      "assignment=\"balanced\">\n"
      "    <persons>\n"
      "      <person name=\"Ann\">\n"
      "        <away from=\"2024-Jul-01\" until=\"2024-Jul-14\" />\n"
      "        <away from=\"2024-Dec-24\" until=\"2024-Dec-26\" />\n"
      "      </person>\n"
      "      <person name=\"Ben\" />\n"
      "    </persons>\n"
      "    <tasks>\n"
      "      <task name=\"Mop &amp; sweep\" turn_length=\"week\" effort_minutes=\"25\">\n"
    + kWeeklyFrequency
    + "      </task>\n"
      "      <task name=\"Bins\" turn_length=\"month\">\n"
    + kWeeklyFrequency
    + "      </task>\n"
      "    </tasks>\n"
      "    <swaps>\n"
      "      <swap task=\"Bins\" date=\"2024-Mar-07\" person=\"Ann\" />\n"
      "    </swaps>\n"
      "  </roster>\n"
      "</Brindlewick>\n";

class RotationFormatTest : public FreshDataFolder {
protected:
    // Loads the text as the roster file and saves it again; the text of the file saved.
    std::string LoadAndSave(const std::string& contents)
    {
        WriteRostersFile(contents);
        RosterCollection collection;
        EXPECT_TRUE(collection.Load());
        collection.Save();
        return Read(RostersFile());
    }
};

} // namespace

// An older file must come back exactly as it was, so that using this version changes nobody's file
// until a setting is used.
TEST_F(RotationFormatTest, AFileWithoutSettingsIsWrittenBackByteForByte)
{
    EXPECT_EQ(LoadAndSave(kFileWithoutSettings), kFileWithoutSettings);
    EXPECT_EQ(LoadAndSave(kFileWithEverySetting), kFileWithEverySetting);
}

TEST_F(RotationFormatTest, EverySettingReadsBackAsWritten)
{
    WriteRostersFile(kFileWithEverySetting);
    RosterCollection collection;
    ASSERT_TRUE(collection.Load());
    const Roster& roster = collection.At(0);
    EXPECT_EQ(roster.GetRotationFrom(), D(2024, 1, 1));
    EXPECT_TRUE(roster.IsStaggered());
    EXPECT_EQ(roster.GetAssignment(), Assignment::Balanced);
    EXPECT_EQ(roster.Persons()[0]->GetAway(),
              (Person::AwayList{{D(2024, 7, 1), D(2024, 7, 14)}, {D(2024, 12, 24), D(2024, 12, 26)}}));
    EXPECT_TRUE(roster.Persons()[1]->GetAway().empty());
    EXPECT_EQ(roster.Tasks()[0]->GetTurnLength(), TurnLength::Week);
    EXPECT_EQ(roster.Tasks()[0]->GetEffort(), 25);
    EXPECT_EQ(roster.Tasks()[1]->GetTurnLength(), TurnLength::Month);
    EXPECT_EQ(roster.Tasks()[1]->GetEffort(), 0);
    const Roster::SwapList swaps = roster.Swaps();
    ASSERT_EQ(swaps.size(), 1u);
    EXPECT_EQ(swaps[0].task.lock(), roster.Tasks()[1]);
    EXPECT_EQ(swaps[0].date, D(2024, 3, 7));
    EXPECT_EQ(swaps[0].person.lock(), roster.Persons()[0]);
}

TEST_F(RotationFormatTest, AnOldFileReadsWithEverySettingOff)
{
    const Roster roster = ReadRoster("<roster name='Old'><persons><person name='Ann'/></persons>"
                                     "<tasks><task name='Dust'/></tasks></roster>");
    EXPECT_TRUE(roster.GetRotationFrom().is_special());
    EXPECT_FALSE(roster.IsStaggered());
    EXPECT_EQ(roster.GetAssignment(), Assignment::InTurn);
    EXPECT_TRUE(roster.Persons()[0]->GetAway().empty());
    EXPECT_EQ(roster.Tasks()[0]->GetTurnLength(), TurnLength::DueDate);
    EXPECT_EQ(roster.Tasks()[0]->GetEffort(), 0);
    EXPECT_TRUE(roster.Swaps().empty());
}

// A setting that cannot be read is off; it never costs the user the rest of the file.
TEST(RotationFormat, UnreadableSettingsReadAsOff)
{
    struct Case {
        const char* what;
        std::string rosterAttributes, personElement, taskAttributes, swap;
    };
    const Case cases[] = {
        {"garbage everywhere", " rotation_from='soon' staggered_start='yes' assignment='fair'",
         "<person name='Ann'><away from='x' until='2024-Jan-02'/></person>",
         " turn_length='fortnight' effort_minutes='lots'", "<swap task='T' date='someday' person='Ann'/>"},
        {"empty values", " rotation_from='' staggered_start='' assignment=''",
         "<person name='Ann'><away from='' until=''/></person>", " turn_length='' effort_minutes=''",
         "<swap task='' date='2024-Jan-01' person=''/>"},
        {"out of range", " rotation_from='2024-Feb-30' staggered_start='TRUE' assignment='Balanced'",
         "<person name='Ann'><away from='2024-Jan-05' until='2024-Jan-04'/><away "
         "until='2024-Jan-04'/></person>",
         " turn_length='WEEK' effort_minutes='-5'", "<swap task='Gone' date='2024-Jan-01' person='Ann'/>"},
        {"names that are not in the roster", "", "<person name='Ann'/>", "",
         "<swap task='T' date='2024-Jan-01' person='Zed'/>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Roster roster = ReadRoster("<roster" + c.rosterAttributes + "><persons>" + c.personElement
                                         + "</persons><tasks><task name='T'" + c.taskAttributes
                                         + "/></tasks><swaps>" + c.swap + "</swaps></roster>");
        EXPECT_TRUE(roster.GetRotationFrom().is_special());
        EXPECT_FALSE(roster.IsStaggered());
        EXPECT_EQ(roster.GetAssignment(), Assignment::InTurn);
        ASSERT_EQ(roster.PersonCount(), 1u);
        EXPECT_TRUE(roster.Persons()[0]->GetAway().empty());
        ASSERT_EQ(roster.TaskCount(), 1u);
        EXPECT_EQ(roster.Tasks()[0]->GetTurnLength(), TurnLength::DueDate);
        EXPECT_EQ(roster.Tasks()[0]->GetEffort(), 0);
        EXPECT_TRUE(roster.Swaps().empty());
    }
}

// The swap names the task it belongs to when written, so a rename made before saving is what counts.
TEST(RotationFormat, ASwapIsWrittenWithTheNamesOfTheDay)
{
    Roster roster(L"R");
    roster.AddPerson(std::make_unique<Person>(L"Ann"));
    roster.AddPerson(std::make_unique<Person>(L"Ben"));
    roster.AddTask(std::make_unique<Task>(L"Dust"));
    roster.AddTask(std::make_unique<Task>(L"Mop"));
    roster.GiveTurn(L"Mop", D(2024, 5, 1), L"Ben");
    roster.Tasks()[1]->SetName(L"Mop floors");
    roster.Persons()[1]->SetName(L"Benjamin");
    roster.Tasks()[0]->SetName(L"Mop");

    const XmlNode root = NewXmlRoot(L"Brindlewick");
    roster.ToXml(root);
    Roster copy;
    ASSERT_TRUE(copy.FromXml(root.ChildElements().Item(0)));
    const Roster::SwapList swaps = copy.Swaps();
    ASSERT_EQ(swaps.size(), 1u);
    EXPECT_EQ(swaps[0].task.lock()->GetName(), L"Mop floors");
    EXPECT_EQ(swaps[0].person.lock()->GetName(), L"Benjamin");
}
