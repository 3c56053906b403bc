#include "EditorTestSupport.h"
#include "MainFormSupport.h"

#include "ui/FrequencyPanels.h"

#include "roster/SampleRoster.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Pictures taken on a scaled screen carry the scale in their names.
QString PictureName(const char* name)
{
    const int percent = qRound(qApp->devicePixelRatio() * 100);
    return QStringLiteral("main-form-%1%2")
        .arg(QLatin1String(name), percent == 100 ? QString() : QStringLiteral("-%1").arg(percent));
}

bool Saved(QWidget& window, const char* name)
{
    QTest::qWait(0);
    return QFileInfo(SavePicture(window, PictureName(name))).size() > 0;
}
} // namespace

// Pictures of the main form as a user sees it, to be looked at after a change of its looks.
TEST(MainFormPictures, SampleEmptyAndLarge)
{
    InstallFrequencyPanels();
    RosterCollection rosters;
    rosters.Add(BuildSampleRoster());
    rosters.Add(MakeRoster(L"Bathroom", {L"Sam"}));
    MainFormWindow sample(rosters);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sample.Window()));
    EXPECT_TRUE(Saved(sample.Window(), "sample"));

    sample.Window().resize(sample.Window().size() + QSize(360, 260));
    EXPECT_TRUE(Saved(sample.Window(), "large"));

    RosterCollection none;
    MainFormWindow empty(none);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&empty.Window()));
    EXPECT_TRUE(Saved(empty.Window(), "empty"));
}
