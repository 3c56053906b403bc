#include "FrameFixture.h"

#include "storage/AtomicFileWriter.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

class Saving : public FrameFixture {
protected:
    // Every save from here on gets as far as the rename and then fails, as on a full disk.
    void FailSaves()
    {
        AtomicFileWriter::SetBeforeRenameHook([this](const std::filesystem::path&) {
            ++attempts;
            return false;
        });
    }
    void CountSaves()
    {
        AtomicFileWriter::SetBeforeRenameHook([this](const std::filesystem::path&) {
            ++attempts;
            return true;
        });
    }
    void NewRoster()
    {
        QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    int Occurrences(const std::string& text) const
    {
        const std::string saved = Saved();
        int count = 0;
        for (auto at = saved.find(text); at != std::string::npos; at = saved.find(text, at + 1))
            ++count;
        return count;
    }

    int attempts = 0;
};

TEST_F(Saving, AFailedSaveIsToldOnceUntilASaveSucceedsAndKeepsTheOldFile)
{
    Open();
    const std::string before = Saved();
    FailSaves();
    NewRoster();
    ASSERT_EQ(messages.Shown().size(), 1);
    const QString told = messages.Last();
    EXPECT_TRUE(told.contains(QString::fromStdString(RostersFile().string()))) << told.toStdString();
    EXPECT_TRUE(told.contains("The file could not be written in full.")) << told.toStdString();
    NewRoster();
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(messages.Shown().size(), 1) << "not again while it keeps failing";
    EXPECT_EQ(Saved(), before);

    CountSaves();
    NewRoster();
    EXPECT_EQ(Occurrences("New roster"), 3) << "the next save takes every change made meanwhile";
    FailSaves();
    NewRoster();
    EXPECT_EQ(messages.Shown().size(), 2) << "told again after a save had succeeded";
}

TEST_F(Saving, TheBoxSaysWhyTheFolderCouldNotBeWritten)
{
    std::filesystem::create_directories(dataHome);
    std::ofstream(Folder()) << "a file where the data folder belongs";
    Open();
    ASSERT_EQ(messages.Shown().size(), 1) << "the first run's sample could not be saved";
    EXPECT_TRUE(messages.Last().contains(QString::fromStdString(Folder().string()) + " could not be made."))
        << messages.Last().toStdString();
}

TEST_F(Saving, ClosingSavesExactlyOnce)
{
    Open();
    CountSaves();
    Close();
    EXPECT_EQ(attempts, 1);
    EXPECT_TRUE(messages.Shown().isEmpty());
}

TEST_F(Saving, ANameStillBeingTypedIsSavedWithTheExit)
{
    Open();
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    CountSaves();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Attic"));
    Close();
    EXPECT_EQ(attempts, 1);
    EXPECT_NE(Saved().find("\"Attic\""), std::string::npos);
}

TEST_F(Saving, AFailedSaveAtExitAsksToTryAgainUntilTheUserClosesWithoutSaving)
{
    Open();
    const std::string before = Saved();
    rosters->At(0).SetName(L"Lost on purpose");
    FailSaves();
    messages.AnswerNext(true);
    messages.AnswerNext(false);
    Close();
    EXPECT_EQ(attempts, 2);
    ASSERT_EQ(messages.Shown().size(), 2);
    for (const QString& question : messages.Shown()) {
        EXPECT_TRUE(question.contains(QString::fromStdString(RostersFile().string())));
        EXPECT_TRUE(question.contains("Try again? If you choose No, Brindlewick closes without saving"));
    }
    EXPECT_EQ(Saved(), before);
}

// The program is killed right after an edit: the next run must have the edit. The killing happens
// in a child run of this test program, which works on this test's data folder.
TEST_F(Saving, AnEditSurvivesTheProcessBeingKilled)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The child runs this test from its start too, with a folder of its own: the parent's one counts.
    setenv("BRINDLEWICK_TEST_KILLED_DATA_HOME", dataHome.c_str(), 0);
    EXPECT_EXIT(
        {
            setenv("XDG_DATA_HOME", std::getenv("BRINDLEWICK_TEST_KILLED_DATA_HOME"), 1);
            Open();
            NewRoster();
            std::raise(SIGKILL);
        },
        testing::KilledBySignal(SIGKILL), "");
    unsetenv("BRINDLEWICK_TEST_KILLED_DATA_HOME");
    Open();
    EXPECT_EQ(RosterNames(), (std::vector<std::wstring>{L"Kitchen tasks (sample)", L"New roster"}));
}
} // namespace
