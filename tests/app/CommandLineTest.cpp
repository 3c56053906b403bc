#include "TestEnvironment.h"

#include "roster/RosterCollection.h"
#include "roster/SampleRoster.h"
#include "roster/Schedule.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <filesystem>

namespace {
struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// A data folder holding a roster file of two rosters, and the driver run on it with today pinned
// to 2010-03-10.
class CommandLine : public testing::Test {
protected:
    CommandLine()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        home = TestHome() / "command-line" / test->name();
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home / "data");
    }

    void SaveRosters()
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home / "data").string()));
        RosterCollection rosters;
        rosters.Add(BuildSampleRoster());
        Roster flat(L"Flat, upstairs");
        flat.AddPerson(std::make_unique<Person>(L"Zo\u00eb"));
        flat.AddTask(std::make_unique<Task>(L"Dust"));
        rosters.Add(flat);
        Roster empty(L"Empty");
        rosters.Add(empty);
        rosters.Save();
        rosterFile = QString::fromStdWString(rosters.RostersFilePath());
        rosterBytes = Bytes(rosterFile);
    }

    Outcome RunDriver(const QStringList& arguments)
    {
        QProcess driver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", QString::fromStdString((home / "data").string()));
        environment.insert("BRINDLEWICK_TEST_TODAY", "2010-03-10");
        // No display: the command line must not need one.
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        driver.setProcessEnvironment(environment);
        driver.start(QStringLiteral(BRINDLEWICK_EXPORT_DRIVER), arguments);
        EXPECT_TRUE(driver.waitForFinished(60000));
        return {driver.exitStatus() == QProcess::NormalExit ? driver.exitCode() : -1,
                QString::fromUtf8(driver.readAllStandardOutput()),
                QString::fromUtf8(driver.readAllStandardError())};
    }

    QString File(const char* name) const { return QString::fromStdString((home / name).string()); }

    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString Tool(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    std::size_t Planned(const Date& from, const Date& until, int rosterIndex = 0)
    {
        RosterCollection rosters;
        rosters.Load();
        Schedule schedule;
        schedule.Generate(rosters.At(rosterIndex), from, until);
        return schedule.Entries().size();
    }

    std::filesystem::path home;
    QString rosterFile;
    QByteArray rosterBytes;
};
} // namespace

TEST_F(CommandLine, ExportsThePrintedRosterToPdf)
{
    SaveRosters();
    const QString pdf = File("rota.pdf");
    const Outcome outcome = RunDriver({"--export-pdf", pdf, "--from", "2010-03-10", "--until", "2010-06-29"});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.isEmpty());
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+[2-9]\\n")));
    const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
    EXPECT_EQ(text.count("Cleaning roster"), 1);
    EXPECT_EQ(static_cast<std::size_t>(text.count(QRegularExpression("day, \\w{3} \\d+ "))),
              Planned(Date(2010, 3, 10), Date(2010, 6, 29)));
    EXPECT_TRUE(text.contains(QRegularExpression("Wednesday, Mar 10 +John +Clean sink")));
    EXPECT_EQ(Bytes(rosterFile), rosterBytes);
}

TEST_F(CommandLine, ExportsACalendarForEveryoneOrOnePerson)
{
    SaveRosters();
    const struct {
        QStringList arguments;
        std::size_t events;
    } cases[] = {
        // The form's period: today to a month later.
        {{"--export-ics", File("home.ics")}, Planned(Date(2010, 3, 10), Date(2010, 4, 10))},
        // Dust is due every day from the day the roster was made, 2010-03-10.
        {{"--export-ics", File("flat.ics"), "--roster", "Flat, upstairs", "--from", "2010-03-01", "--until",
          "2010-04-09"},
         31},
        {{"--export-ics", File("zoe.ics"), "--roster", "Flat, upstairs", "--person", "Zo\u00eb", "--from",
          "2010-03-10", "--until", "2010-03-19"},
         10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = RunDriver(c.arguments);
        ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
        const QString text = QString::fromUtf8(Bytes(c.arguments.at(1)));
        EXPECT_EQ(static_cast<std::size_t>(text.count("BEGIN:VEVENT")), c.events);
        EXPECT_TRUE(text.contains("PRODID:-//Brindlewick//Brindlewick 1.1.0-beta1//EN"));
        EXPECT_EQ(Bytes(rosterFile), rosterBytes);
    }
    EXPECT_TRUE(QString::fromUtf8(Bytes(File("zoe.ics"))).contains("SUMMARY:Dust \u2014 Zo\u00eb"));
}

TEST_F(CommandLine, HelpAndVersion)
{
    const Outcome help = RunDriver({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--export-pdf <FILE>", "--export-ics <FILE>", "--roster <NAME>",
                               "--from <DATE>", "--until <DATE>", "--person <NAME>", "--version"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const Outcome version = RunDriver({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "brindlewick 1.1.0-beta1\n");
    EXPECT_EQ(RunDriver({}).status, 3) << "no option: the window, as before";
}

TEST_F(CommandLine, EveryRefusalIsOneLineAndStatusTwoAndWritesNothing)
{
    SaveRosters();
    const QString ics = File("out.ics");
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--export-ics", ics, "--roster", "Cottage"}, "no roster named \"Cottage\""},
        {{"--export-ics", ics, "--person", "Nobody"}, "has no person named \"Nobody\""},
        {{"--export-pdf", File("x.pdf"), "--person", "John"}, "--person applies to --export-ics only"},
        {{"--export-ics", ics, "--from", "2010-02-30"},
         "--from wants a date as YYYY-MM-DD, not \"2010-02-30\""},
        {{"--export-ics", ics, "--until", "10/03/2010"}, "--until wants a date as YYYY-MM-DD"},
        {{"--export-ics", ics, "--from", "1399-12-31"}, "--from wants a date"},
        {{"--export-ics", ics, "--from", "2010-05-01", "--until", "2010-04-30"},
         "the 'from' date 2010-05-01 is after the 'until' date 2010-04-30"},
        {{"--export-ics", ics, "--roster", "Empty"}, "roster \"Empty\" has no persons"},
        {{"--export-ics", File("no-such-folder/out.ics")}, "cannot write"},
        {{"--export-pdf", File("no-such-folder/out.pdf")}, "cannot write"},
        {{"--export-pdf"}, "Missing value after '--export-pdf'."},
        {{"--bogus", "--export-ics", ics}, "Unknown option 'bogus'."},
        {{"--roster", "Flat, upstairs"}, "nothing to do"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = RunDriver(c.arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.err.startsWith("brindlewick: ")) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_EQ(outcome.err.count('\n'), 1) << outcome.err.toStdString();
        EXPECT_FALSE(QFile::exists(ics));
        EXPECT_EQ(Bytes(rosterFile), rosterBytes);
    }
}

TEST_F(CommandLine, MissingOrUnreadableRosterFileIsRefused)
{
    const Outcome missing = RunDriver({"--export-ics", File("out.ics")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.startsWith("brindlewick: no roster file at ")) << missing.err.toStdString();

    SaveRosters();
    QFile file(rosterFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<Brindlewick version=\"1\"><roster");
    file.close();
    const QByteArray broken = Bytes(rosterFile);
    const Outcome unreadable = RunDriver({"--export-pdf", File("out.pdf")});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_TRUE(unreadable.err.contains("cannot be read")) << unreadable.err.toStdString();
    EXPECT_EQ(Bytes(rosterFile), broken);
    EXPECT_FALSE(QFile::exists(File("out.pdf")));
}
