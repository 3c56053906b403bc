#include "FrameFixture.h"
#include "MainFormSupport.h"

#include "ui/ControlIds.h"
#include "ui/QuillmereView.h"
#include "ui/RotaWindow.h"

#include "print/PrintJob.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
using namespace MenuCommandId;

const std::wstring kSample = L"Kitchen tasks (sample)";

class MainFrame : public FrameFixture { };

// The labels of a menu from top to bottom, a separator as "-".
QStringList Labels(const QMenu& menu)
{
    QStringList labels;
    for (const QAction* action : menu.actions())
        labels << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return labels;
}

TEST_F(MainFrame, AFirstRunShowsTheSampleRosterAndASecondRunReadsItBack)
{
    Open();
    EXPECT_EQ(RosterNames(), std::vector<std::wstring>{kSample});
    ASSERT_EQ(frame->View().findChild<QListWidget*>()->count(), 1);
    EXPECT_NE(Saved().find("Kitchen tasks (sample)"), std::string::npos) << "saved as soon as it was made";
    EXPECT_EQ(Settings().value(QStringLiteral("ApplicationLook")).toInt(), 230);
    Close();

    Open();
    EXPECT_EQ(RosterNames(), std::vector<std::wstring>{kSample});
    EXPECT_FALSE(rosters->IsFirstRun());
    EXPECT_TRUE(messages.Shown().isEmpty());
}

TEST_F(MainFrame, TheMenuHoldsTheCommandsInTheirOrderWithWorkingShortcuts)
{
    Open();
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(
        Labels(*menus[0]->menu()),
        QStringList({"&New roster...\tCtrl+N", "Show &Rota...\tCtrl+R", "Rotation...", "-", "Print Pre&view",
                     "&Print...\tCtrl+P", "P&rint Setup...", "E&xport PDF...", "-", "E&xit"}));
    EXPECT_EQ(menus[1]->text(), "&Help");
    EXPECT_EQ(Labels(*menus[1]->menu()), QStringList({"&About Brindlewick..."}));
    EXPECT_EQ(frame->Command(kNewRoster)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(frame->Command(kPrint)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    // A shortcut the menu shows must do what the menu does.
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(RosterNames(), (std::vector<std::wstring>{kSample, L"New roster"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    PrintDialogScript printing;
    QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printing.PrintDialogsAsked(), 1);
    QTest::keyClick(frame.get(), Qt::Key_R, Qt::ControlModifier);
    const auto* rota = frame->findChild<RotaWindow*>();
    ASSERT_NE(rota, nullptr);
    EXPECT_TRUE(rota->isVisible());
}

TEST_F(MainFrame, PrintCommandsWorkOnTheSessionsPrinter)
{
    Open();
    PrintDialogScript printing;
    frame->Command(kPrintPreview)->trigger();
    EXPECT_EQ(printing.PreviewPages().size(), 1);

    QPrinter* setUp = nullptr;
    WhenDialogOpens([&setUp](QDialog& dialog) {
        if (auto* pageSetup = qobject_cast<QPageSetupDialog*>(&dialog))
            setUp = pageSetup->printer();
    });
    frame->Command(kPrintSetup)->trigger();
    EXPECT_EQ(setUp, &frame->View().Printer());
}

TEST_F(MainFrame, ExitClosesTheWindowAndSaves)
{
    Open();
    rosters->At(0).SetName(L"Renamed behind the form's back");
    frame->Command(kExit)->trigger();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_NE(Saved().find("Renamed behind the form"), std::string::npos);
}

TEST_F(MainFrame, TheWindowCannotBeMadeSmallerThanTheForm)
{
    Open();
    const QSize design = frame->View().GetDesignSize();
    ASSERT_GT(design.width(), 0);
    frame->resize(1, 1);
    QCoreApplication::processEvents();
    EXPECT_GE(frame->View().width(), design.width());
    EXPECT_GE(frame->View().height(), design.height());
    EXPECT_EQ(frame->minimumSize(), design + QSize(0, frame->menuBar()->height()));
}

TEST_F(MainFrame, TheWindowComesBackWhereItWasAndAlwaysOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Open();
    ASSERT_TRUE(screen.contains(frame->frameGeometry().adjusted(-100, -100, 100, 100)))
        << "a screen larger than the window, as ctest gives this test";
    const QRect placed = frame->geometry().translated(13, 17).adjusted(0, 0, 21, 9);
    frame->setGeometry(placed);
    Close();
    Open();
    EXPECT_EQ(frame->geometry(), placed);

    frame->move(5000, -4000);
    Close();
    Open();
    EXPECT_TRUE(screen.contains(frame->frameGeometry()))
        << frame->frameGeometry().x() << "," << frame->frameGeometry().y();
}

TEST_F(MainFrame, AnUnreadableFileIsReportedOverTheWindowAndKeptBeforeTheFirstSave)
{
    WriteRostersFile("this is not XML");
    Open();
    EXPECT_TRUE(rosters->Count() == 0) << "no sample roster over an unreadable file";
    QTest::qWait(0);
    ASSERT_EQ(messages.Shown().size(), 1);
    const QString report = messages.Last();
    EXPECT_TRUE(report.contains(QString::fromStdString(RostersFile().string()))) << report.toStdString();
    EXPECT_TRUE(report.contains("could not be read, so Brindlewick started without your rosters"));
    EXPECT_TRUE(report.contains("before anything is saved, it is kept"));
    EXPECT_EQ(Saved(), "this is not XML");

    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    const std::vector<std::string> files = FolderContents();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0], "rosters.xml");
    EXPECT_EQ(files[1].rfind("rosters.xml.unreadable-", 0), 0u) << files[1];
    EXPECT_EQ(Read(Folder() / files[1]), "this is not XML");
    EXPECT_NE(Saved().find("New roster"), std::string::npos);
}
} // namespace
