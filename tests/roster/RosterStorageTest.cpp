#include "recurrence/Today.h"
#include "roster/RosterCollection.h"
#include "storage/AtomicFileWriter.h"
#include "storage/DataFolder.h"
#include "roster/SampleRoster.h"

#include "FreshDataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using LoadResult = RosterCollection::StorageReport::LoadResult;
using Names = std::vector<std::string>;
using Events = std::vector<std::wstring>;

const Date kToday(kTestTodayYear, kTestTodayMonth, kTestTodayDay);

// Everything a collection announces, in order.
struct Recorder {
    explicit Recorder(RosterCollection& collection)
    {
        added = collection.RosterAdded.connect(
            [this](const Roster& roster) { events.push_back(roster.GetName()); });
        loaded = collection.RostersLoaded.connect([this] { events.push_back(L"<loaded>"); });
    }
    Events events;
    boost::signals2::scoped_connection added, loaded;
};

// Start-up as the main frame does it: load, and on a first run begin with the sample.
void StartUp(RosterCollection& collection)
{
    collection.Load();
    if (collection.IsFirstRun())
        collection.Add(BuildSampleRoster());
}

const std::string kTwoRosters = "<?xml version='1.0'?><Brindlewick version='1'>"
                                "<roster name='A'><persons><person name='Ann'/></persons><tasks/></roster>"
                                "<roster name='B'/></Brindlewick>";

class RosterStorageTest : public FreshDataFolder {
protected:
    void TearDown() override
    {
        AtomicFileWriter::SetBeforeRenameHook(nullptr);
        FreshDataFolder::TearDown();
    }
};

} // namespace

TEST_F(RosterStorageTest, FileLivesInTheDataFolderWhichIsCreatedWithItsParents)
{
    dataHome /= "not/yet/there";
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    RosterCollection collection;
    EXPECT_EQ(fs::path(collection.RostersFilePath()), dataHome / "Brindlewick" / "rosters.xml");
    EXPECT_TRUE(fs::is_directory(dataHome / "Brindlewick"));
}

TEST_F(RosterStorageTest, DataFolderFallsBackToTheHomeFolder)
{
    const std::string home = std::getenv("HOME");
    const fs::path fallback = fs::path(home) / ".local/share/Brindlewick/";
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        SCOPED_TRACE(value ? value : "unset");
        if (value)
            setenv("XDG_DATA_HOME", value, 1);
        else
            unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(DataFolder::Path(), fallback);
    }
    EXPECT_EQ(DataFolder::Ensure(), fallback);
    EXPECT_TRUE(fs::is_directory(fallback));
}

TEST_F(RosterStorageTest, FirstRunMakesTheSampleRosterAndWritesItAtExit)
{
    RosterCollection first;
    Recorder recorder(first);
    EXPECT_FALSE(first.Load());
    EXPECT_TRUE(first.IsFirstRun());
    EXPECT_EQ(first.LastStorageReport().load, LoadResult::Missing);
    EXPECT_TRUE(fs::is_directory(Folder()));
    EXPECT_TRUE(recorder.events.empty());
    first.Add(BuildSampleRoster());
    ASSERT_TRUE(first.Save());
    EXPECT_TRUE(first.LastStorageReport().saveWritten);
    EXPECT_EQ(FolderContents(), Names{"rosters.xml"});

    RosterCollection second;
    ASSERT_TRUE(second.Load());
    ASSERT_EQ(second.Count(), 1);
    const Roster& sample = second.At(0);
    EXPECT_EQ(sample.GetName(), L"Kitchen tasks (sample)");
    ASSERT_EQ(sample.PersonCount(), 2u);
    EXPECT_EQ(sample.Persons()[0]->GetName(), L"John");
    EXPECT_EQ(sample.Persons()[1]->GetName(), L"Linda");
    ASSERT_EQ(sample.TaskCount(), 4u);
    const auto& tasks = sample.Tasks();
    EXPECT_EQ(tasks[0]->GetName(), L"Clean sink");
    EXPECT_EQ(tasks[1]->GetName(), L"Sweep floors");
    EXPECT_EQ(tasks[2]->GetName(), L"Clean refrigerator");
    EXPECT_EQ(tasks[3]->GetName(), L"Replace range hood filters");

    const Frequency& sink = tasks[0]->GetFrequency();
    EXPECT_EQ(sink.selected, 0);
    EXPECT_EQ(sink.daily.every_n_days, 3);
    EXPECT_EQ(sink.daily.first_day, kToday);
    const Frequency& floors = tasks[1]->GetFrequency();
    EXPECT_EQ(floors.selected, 0);
    EXPECT_EQ(floors.daily.every_n_days, 3);
    EXPECT_EQ(floors.daily.first_day, kToday + boost::gregorian::days(1));
    const Frequency& fridge = tasks[2]->GetFrequency();
    EXPECT_EQ(fridge.selected, 1);
    EXPECT_EQ(fridge.weekly.every_n_weeks, 2);
    for (const auto& [weekday, enabled] : fridge.weekly.active_weekdays)
        EXPECT_EQ(enabled, weekday == Saturday) << "weekday " << weekday;
    const Frequency& filters = tasks[3]->GetFrequency();
    EXPECT_EQ(filters.selected, 2);
    EXPECT_EQ(filters.monthly.every_nth_month, 6);
    EXPECT_EQ(filters.monthly.day_of_week, Saturday);
    EXPECT_EQ(filters.monthly.time_mode, FixedDay);
    EXPECT_EQ(filters.monthly.on_day_n, 1);
    EXPECT_EQ(filters.monthly.week_repeat, FirstWeek);
}

TEST_F(RosterStorageTest, SecondRunReadsTheSampleInsteadOfRebuildingIt)
{
    RosterCollection first;
    StartUp(first);
    first.Save();

    const TodayPin later(Date(2011, 7, 1));
    RosterCollection second;
    Recorder recorder(second);
    StartUp(second);
    EXPECT_FALSE(second.IsFirstRun());
    EXPECT_EQ(second.LastStorageReport().load, LoadResult::Loaded);
    EXPECT_EQ(recorder.events, (Events{L"Kitchen tasks (sample)", L"<loaded>"}));
    ASSERT_EQ(second.Count(), 1);
    EXPECT_EQ(second.At(0).Tasks()[0]->GetFrequency().daily.first_day, kToday);
    EXPECT_EQ(second.At(0).Tasks()[1]->GetFrequency().daily.first_day, kToday + boost::gregorian::days(1));
}

// Any element under the root is a roster, whatever the root and the element are called.
TEST_F(RosterStorageTest, LoadAddsEveryRosterInFileOrderThenAnnouncesTheLoad)
{
    WriteRostersFile("<Rosters><roster name='A'/><roster name='B'/><schedule name='C'/></Rosters>");
    RosterCollection collection;
    Recorder recorder(collection);
    EXPECT_TRUE(collection.Load());
    EXPECT_FALSE(collection.IsFirstRun());
    EXPECT_EQ(recorder.events, (Events{L"A", L"B", L"C", L"<loaded>"}));
    ASSERT_EQ(collection.Count(), 3);
    EXPECT_EQ(collection.At(2).GetName(), L"C");
}

TEST_F(RosterStorageTest, FileWithoutRostersLoadsEmptyWithoutSample)
{
    WriteRostersFile("<Brindlewick version='1'/>");
    RosterCollection collection;
    Recorder recorder(collection);
    StartUp(collection);
    EXPECT_FALSE(collection.IsFirstRun());
    EXPECT_EQ(collection.Count(), 0);
    EXPECT_EQ(recorder.events, Events{L"<loaded>"});
}

TEST_F(RosterStorageTest, EmptyCollectionSavesTheRootWithItsVersionOnly)
{
    RosterCollection collection;
    collection.Save();
    EXPECT_EQ(
        Read(RostersFile()),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Brindlewick version=\"1\" />\n");
}

TEST_F(RosterStorageTest, SavedFileIsIndentedAndSaysVersionOneWhateverWasRead)
{
    WriteRostersFile(
        "<Old version='7'><roster name='A'><persons><person name='Ann'/></persons></roster></Old>");
    RosterCollection collection;
    ASSERT_TRUE(collection.Load());
    collection.Save();
    EXPECT_EQ(Read(RostersFile()),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
              "<Brindlewick version=\"1\">\n"
              "  <roster name=\"A\">\n"
              "    <persons>\n"
              "      <person name=\"Ann\" />\n"
              "    </persons>\n"
              "    <tasks />\n"
              "  </roster>\n"
              "</Brindlewick>\n");
}

TEST_F(RosterStorageTest, NamesComeBackExactlyAsTyped)
{
    const std::wstring names[] = {
        L"Tom & Jerry <\"the pair\"> 'n' co",
        L"  padded name  ",
        L"tab\there, new\nline",
        L"Zo\u00eb",
        L"\u6e05\u6d01",
        L"\U0001F9FD sponge \U0001F9F9",
        std::wstring(5000, L'x') + L"\u00e9",
    };
    RosterCollection out;
    for (const std::wstring& name : names) {
        Roster roster(name);
        roster.AddPerson(std::make_unique<Person>(name));
        roster.AddTask(std::make_unique<Task>(name));
        out.Add(roster);
    }
    out.Save();

    RosterCollection in;
    ASSERT_TRUE(in.Load());
    ASSERT_EQ(in.Count(), static_cast<int>(std::size(names)));
    for (int i = 0; i < in.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(in.At(i).GetName(), names[i]);
        EXPECT_EQ(in.At(i).Persons().at(0)->GetName(), names[i]);
        EXPECT_EQ(in.At(i).Tasks().at(0)->GetName(), names[i]);
    }
}

// A file that cannot be read must never cost the user its contents: it stays in the data folder
// under a name of its own, and a later unreadable file does not take that name.
// A home folder named in another encoding than UTF-8: its bytes must reach the file system as they
// are, on reading and on writing alike.
TEST_F(RosterStorageTest, DataFolderWhosePathIsNotUtf8LoadsSavesAndReloads)
{
    dataHome = dataHome / "Jos\xE9";
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    {
        RosterCollection rosters;
        ASSERT_FALSE(rosters.Load());
        rosters.Add(Roster(L"Kitchen"));
        ASSERT_TRUE(rosters.Save());
        ASSERT_TRUE(rosters.LastStorageReport().saveWritten);
    }
    ASSERT_TRUE(std::filesystem::exists(dataHome / "Brindlewick" / "rosters.xml"));
    RosterCollection reread;
    ASSERT_TRUE(reread.Load());
    ASSERT_EQ(reread.Count(), 1);
    EXPECT_EQ(reread.At(0).GetName(), L"Kitchen");
    reread.At(0).SetName(L"Bathroom");
    ASSERT_TRUE(reread.Save());
    RosterCollection again;
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.At(0).GetName(), L"Bathroom");
}

TEST_F(RosterStorageTest, UnreadableFileIsSetAsideAndNeverOverwritten)
{
    const std::regex setAsideName(R"(rosters\.xml\.unreadable-\d{8}-\d{6}(-\d+)?)");
    const std::string contents[] = {"<Brindlewick><roster name='cut off", ""};
    for (const std::string& unreadable : contents) {
        SCOPED_TRACE(unreadable);
        WriteRostersFile(unreadable);
        RosterCollection collection;
        Recorder recorder(collection);
        StartUp(collection);
        EXPECT_FALSE(collection.IsFirstRun());
        EXPECT_EQ(collection.Count(), 0);
        EXPECT_TRUE(recorder.events.empty());
        EXPECT_EQ(collection.LastStorageReport().load, LoadResult::Unreadable);
        EXPECT_TRUE(collection.LastStorageReport().setAsidePath.empty());

        collection.Add(Roster(L"Made after the failed load"));
        collection.Save();
        const RosterCollection::StorageReport& report = collection.LastStorageReport();
        EXPECT_TRUE(report.saveWritten);
        const fs::path keptAs = report.setAsidePath;
        EXPECT_EQ(keptAs.parent_path(), Folder());
        EXPECT_TRUE(std::regex_match(keptAs.filename().string(), setAsideName)) << keptAs;
        EXPECT_EQ(Read(keptAs), unreadable);

        RosterCollection next;
        ASSERT_TRUE(next.Load());
        ASSERT_EQ(next.Count(), 1);
        EXPECT_EQ(next.At(0).GetName(), L"Made after the failed load");
    }
    const Names kept = FolderContents();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0], "rosters.xml");
    EXPECT_EQ(Read(Folder() / kept[1]), contents[0]);
    EXPECT_EQ(Read(Folder() / kept[2]), contents[1]);
}

// What cannot be kept aside must not be replaced either.
TEST_F(RosterStorageTest, NothingIsWrittenOverAnUnreadableFileThatCannotBeKept)
{
    fs::create_directories(RostersFile() / "something of the user's");
    RosterCollection collection;
    StartUp(collection);
    EXPECT_EQ(collection.LastStorageReport().load, LoadResult::Unreadable);
    collection.Add(Roster(L"New"));
    EXPECT_TRUE(collection.Save());
    EXPECT_FALSE(collection.LastStorageReport().saveWritten);
    EXPECT_TRUE(collection.LastStorageReport().setAsidePath.empty());
    EXPECT_TRUE(fs::is_directory(RostersFile() / "something of the user's"));
    EXPECT_EQ(FolderContents(), Names{"rosters.xml"});
}

TEST_F(RosterStorageTest, ReaderErrorFailsTheWholeLoad)
{
    WriteRostersFile("<Brindlewick><roster name='Fine'/><roster name='Bad'><tasks><task><frequency>"
                     "<daily first_day='garbage'/></frequency></task></tasks></roster></Brindlewick>");
    RosterCollection collection;
    Recorder recorder(collection);
    StartUp(collection);
    EXPECT_FALSE(collection.IsFirstRun());
    EXPECT_EQ(collection.Count(), 0);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(collection.LastStorageReport().load, LoadResult::Unreadable);
}

TEST_F(RosterStorageTest, InterruptedSaveLeavesThePreviousFile)
{
    WriteRostersFile(kTwoRosters);
    RosterCollection collection;
    ASSERT_TRUE(collection.Load());
    collection.Add(Roster(L"New"));
    AtomicFileWriter::SetBeforeRenameHook([](const fs::path&) { return false; });
    EXPECT_TRUE(collection.Save());
    EXPECT_FALSE(collection.LastStorageReport().saveWritten);
    EXPECT_EQ(Read(RostersFile()), kTwoRosters);
    EXPECT_EQ(FolderContents(), Names{"rosters.xml"});

    AtomicFileWriter::SetBeforeRenameHook(nullptr);
    collection.Save();
    EXPECT_TRUE(collection.LastStorageReport().saveWritten);
    RosterCollection next;
    ASSERT_TRUE(next.Load());
    EXPECT_EQ(next.Count(), 3);
}

// The program's collection goes at exit; whatever still asks for it then must be refused, not
// handed a destroyed object.
TEST(RosterCollectionInstance, UseAfterExitIsRefusedAsDeadReference)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // Registered before the collection exists, so it runs after the collection's own
            // exit handler has destroyed it.
            std::atexit([] {
                try {
                    RosterCollection::Instance();
                } catch (const std::logic_error& error) {
                    std::fprintf(stderr, "%s\n", error.what());
                    std::fflush(stderr);
                    std::_Exit(3);
                }
                std::_Exit(0);
            });
            RosterCollection::Instance().Add(Roster(L"alive"));
            std::exit(0);
        },
        testing::ExitedWithCode(3), "Dead Reference Detected");
}
