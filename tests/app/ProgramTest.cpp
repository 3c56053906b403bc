#include "FreshDataFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

const QByteArray kReady = "Brindlewick is ready\n";
// A bound for a start that has gone wrong, not a measure: a start takes well under a second.
constexpr int kPatienceMs = 60000;

// Runs the program as the user does, on a data folder of the test's own, on the offscreen screen,
// and hears from it when its window has been painted.
class Program : public FreshDataFolder {
protected:
    std::unique_ptr<QProcess> Start() { return Start(Environment()); }

    std::unique_ptr<QProcess> Start(const QProcessEnvironment& environment, const QStringList& arguments = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(BRINDLEWICK_PROGRAM), arguments);
        EXPECT_TRUE(process->waitForStarted(kPatienceMs));
        return process;
    }

    std::unique_ptr<QProcess> StartReady()
    {
        auto process = Start();
        while (process->state() == QProcess::Running && !process->canReadLine())
            process->waitForReadyRead(kPatienceMs);
        EXPECT_EQ(process->readLine(), kReady);
        return process;
    }

    // Sends the signal and waits for the end; true when the program ended by itself with code 0.
    static bool EndsCleanlyOn(QProcess& process, int signal)
    {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        process.waitForFinished(kPatienceMs);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dataHome.string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("BRINDLEWICK_WHEN_READY"), QStringLiteral("print"));
        return environment;
    }

    static void Replace(std::string& text, const std::string& from, const std::string& to)
    {
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }
};

TEST_F(Program, AFirstRunSavesTheSampleAndTheNextRunReadsTheFile)
{
    auto first = StartReady();
    EXPECT_TRUE(EndsCleanlyOn(*first, SIGTERM));
    std::string saved = Read(RostersFile());
    Replace(saved, "Kitchen tasks (sample)", "Our kitchen");
    WriteRostersFile(saved);

    auto second = StartReady();
    EXPECT_TRUE(EndsCleanlyOn(*second, SIGTERM));
    const std::string again = Read(RostersFile());
    EXPECT_NE(again.find("Our kitchen"), std::string::npos);
    EXPECT_EQ(again.find("(sample)"), std::string::npos) << "no second sample";
}

TEST_F(Program, EveryTerminationSignalEndsItCleanlyWithASave)
{
    // The file a run leaves is the one every later run writes once it has read it back.
    for (int run = 0; run < 2; ++run) {
        auto process = StartReady();
        ASSERT_TRUE(EndsCleanlyOn(*process, SIGTERM));
    }
    const std::string canonical = Read(RostersFile());
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        // A save writes the file anew, without the note.
        WriteRostersFile(canonical + "<!-- gone after the next save -->\n");
        auto process = StartReady();
        EXPECT_TRUE(EndsCleanlyOn(*process, signal)) << signal;
        EXPECT_EQ(Read(RostersFile()), canonical) << signal;
    }
}

TEST_F(Program, AKilledFirstRunHasSavedItsSampleAlready)
{
    auto process = StartReady();
    EXPECT_FALSE(EndsCleanlyOn(*process, SIGKILL));
    EXPECT_NE(Read(RostersFile()).find("Kitchen tasks (sample)"), std::string::npos);
}

TEST_F(Program, AnUnreadableFileIsKeptAsideAndReplacedOnlyOnSaving)
{
    WriteRostersFile("<Brindlewick version=\"1\"><roster");
    auto process = StartReady();
    EXPECT_EQ(Read(RostersFile()), "<Brindlewick version=\"1\"><roster") << "nothing saved before a change";
    // The report box is open; the end request closes it with the window.
    EXPECT_TRUE(EndsCleanlyOn(*process, SIGTERM));
    const std::vector<std::string> files = FolderContents();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(Read(Folder() / files[1]), "<Brindlewick version=\"1\"><roster");
    EXPECT_NE(Read(RostersFile()).find("<Brindlewick version=\"1\""), std::string::npos);
}

TEST_F(Program, ASecondStartIsRefusedWhileOneRunsAndAllowedAfterACrash)
{
    auto first = StartReady();
    auto second = Start();
    second->setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains('\n') && second->waitForReadyRead(kPatienceMs))
        said += second->readAllStandardError();
    EXPECT_EQ(said, "Brindlewick is already running.\n");
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty()) << "no second window";
    second->kill();
    second->waitForFinished(kPatienceMs);

    EXPECT_FALSE(EndsCleanlyOn(*first, SIGKILL));
    auto third = StartReady();
    EXPECT_TRUE(EndsCleanlyOn(*third, SIGTERM));
}

TEST_F(Program, WithoutADisplayItSaysSoInOneLine)
{
    QProcessEnvironment environment = Environment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    auto process = Start(environment);
    process->waitForFinished(kPatienceMs);
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_NE(process->exitCode(), 0);
    EXPECT_EQ(process->readAllStandardError(),
              "Brindlewick cannot start: no graphical display could be opened "
              "(is DISPLAY or WAYLAND_DISPLAY set?).\n");
}

// The exports need no display: the program hands such a command line to them before it looks for
// one, and never writes the roster file.
TEST_F(Program, ExportsRunWithoutADisplay)
{
    QProcessEnvironment environment = Environment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    auto version = Start(environment, {QStringLiteral("--version")});
    version->waitForFinished(kPatienceMs);
    EXPECT_EQ(version->exitCode(), 0);
    EXPECT_NE(version->readAllStandardOutput().indexOf("1.1.0-beta1"), -1);

    WriteRostersFile(
        "<?xml version=\"1.0\"?><Brindlewick version=\"1\"><roster name=\"Home\"/></Brindlewick>");
    const std::string before = Read(RostersFile());
    const QString pdf = QString::fromStdString((dataHome / "rota.pdf").string());
    auto unknown
        = Start(environment,
                {QStringLiteral("--export-pdf"), pdf, QStringLiteral("--roster"), QStringLiteral("Nowhere")});
    unknown->waitForFinished(kPatienceMs);
    EXPECT_EQ(unknown->exitCode(), 2);
    EXPECT_EQ(unknown->readAllStandardError().count('\n'), 1);
    EXPECT_EQ(Read(RostersFile()), before);
}
} // namespace
