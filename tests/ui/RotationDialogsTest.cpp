#include "EditorTestSupport.h"
#include "UiTestSupport.h"

#include "ui/AwayDlg.h"
#include "ui/MessageBox.h"
#include "ui/RotationDlg.h"

#include "roster/Roster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
void Press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QPushButton* button = dialog.findChild<QDialogButtonBox*>()->button(which);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

QComboBox& TurnLengthOf(RotationDlg& dialog, int row)
{
    return *qobject_cast<QComboBox*>(dialog.TaskTable().cellWidget(row, RotationDlg::TurnLengthColumn));
}

QSpinBox& EffortOf(RotationDlg& dialog, int row)
{
    return *qobject_cast<QSpinBox*>(dialog.TaskTable().cellWidget(row, RotationDlg::EffortColumn));
}

void TypeEffort(QSpinBox& spin, const QString& minutes)
{
    spin.setFocus();
    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&spin, minutes);
}

// Sweep a week at a time for 15 minutes, Dust each due date without effort, counted from 1 March
// with the tasks staggered.
class RotationDlgTest : public testing::Test {
protected:
    RotationDlgTest()
    {
        auto sweep = std::make_unique<Task>(L"Sweep");
        sweep->SetTurnLength(TurnLength::Week);
        sweep->SetEffort(15);
        roster.AddTask(std::move(sweep));
        roster.AddTask(std::make_unique<Task>(L"Dust"));
        roster.SetRotationFrom(Date(2010, 3, 1));
        roster.SetStaggered(true);
    }

    Roster roster{L"Home"};
    MessageBoxScript boxes;
};
} // namespace

TEST_F(RotationDlgTest, ShowsTheRostersSettings)
{
    RotationDlg dialog(roster);
    EXPECT_EQ(dialog.windowTitle(), "Rotation");
    EXPECT_TRUE(dialog.CountFrom().isChecked());
    EXPECT_EQ(dialog.FromField().date(), QDate(2010, 3, 1));
    EXPECT_TRUE(dialog.FromField().calendarPopup());
    EXPECT_TRUE(dialog.Staggered().isChecked());
    EXPECT_TRUE(dialog.InTurn().isChecked());
    ASSERT_EQ(dialog.TaskTable().rowCount(), 2);
    EXPECT_EQ(dialog.TaskTable().item(0, RotationDlg::NameColumn)->text(), "Sweep");
    EXPECT_EQ(TurnLengthOf(dialog, 0).currentText(), "One person per week");
    EXPECT_EQ(EffortOf(dialog, 0).text(), "15");
    EXPECT_EQ(dialog.TaskTable().item(1, RotationDlg::NameColumn)->text(), "Dust");
    EXPECT_EQ(TurnLengthOf(dialog, 1).currentText(), "Each due date");
    EXPECT_EQ(EffortOf(dialog, 1).text(), "none");
}

TEST_F(RotationDlgTest, OkWritesTheChoicesAndCancelLeavesTheRosterAsItWas)
{
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        RotationDlg dialog(roster);
        ASSERT_TRUE(ShowActive(dialog));
        ClickIndicator(dialog.CountFrom());
        ClickIndicator(dialog.Staggered());
        ClickIndicator(dialog.Balanced());
        ChooseItem(TurnLengthOf(dialog, 1), QStringLiteral("One person per month"));
        TypeEffort(EffortOf(dialog, 1), QStringLiteral("20"));
        Press(dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);

        EXPECT_EQ(roster.GetRotationFrom().is_not_a_date(), ok);
        EXPECT_EQ(roster.IsStaggered(), !ok);
        EXPECT_EQ(roster.GetAssignment(), ok ? Assignment::Balanced : Assignment::InTurn);
        EXPECT_EQ(roster.Tasks()[1]->GetTurnLength(), ok ? TurnLength::Month : TurnLength::DueDate);
        EXPECT_EQ(roster.Tasks()[1]->GetEffort(), ok ? 20 : 0);
        EXPECT_EQ(roster.Tasks()[0]->GetEffort(), 15);
    }
}

TEST_F(RotationDlgTest, BalancedDisablesTheOptionsItIgnoresAndInTurnBringsThemBack)
{
    RotationDlg dialog(roster);
    ASSERT_TRUE(ShowActive(dialog));
    ClickIndicator(dialog.Balanced());
    EXPECT_FALSE(dialog.CountFrom().isEnabled());
    EXPECT_FALSE(dialog.FromField().isEnabled());
    EXPECT_FALSE(dialog.Staggered().isEnabled());

    ClickIndicator(dialog.InTurn());
    EXPECT_TRUE(dialog.Staggered().isEnabled());
    EXPECT_TRUE(dialog.FromField().isEnabled());
    ClickIndicator(dialog.CountFrom());
    EXPECT_FALSE(dialog.FromField().isEnabled());
    EXPECT_TRUE(dialog.CountFrom().isEnabled());
}

namespace {
class AwayDlgTest : public testing::Test {
protected:
    AwayDlgTest() { ann.SetAway({{Date(2010, 3, 12), Date(2010, 3, 14)}}); }

    void EnterPeriod(AwayDlg& dialog, QDate from, QDate until)
    {
        dialog.FromField().setDate(from);
        dialog.UntilField().setDate(until);
    }

    void ClickPeriod(AwayDlg& dialog, int row)
    {
        QListWidget& list = dialog.PeriodList();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }

    Person ann{L"Ann"};
    MessageBoxScript boxes;
};
} // namespace

TEST_F(AwayDlgTest, AddChangeAndRemoveEditTheListThatOkWritesIntoThePerson)
{
    AwayDlg dialog(ann);
    ASSERT_TRUE(ShowActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "Away");
    ASSERT_EQ(dialog.PeriodList().count(), 1);
    EXPECT_EQ(dialog.PeriodList().item(0)->text(), QStringLiteral("3/12/2010 \u2013 3/14/2010"));
    EXPECT_FALSE(dialog.ChangeButton().isEnabled());

    EnterPeriod(dialog, QDate(2010, 4, 1), QDate(2010, 4, 3));
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    EnterPeriod(dialog, QDate(2010, 5, 1), QDate(2010, 5, 1));
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    ClickPeriod(dialog, 0);
    EXPECT_EQ(dialog.FromField().date(), QDate(2010, 3, 12));
    dialog.UntilField().setDate(QDate(2010, 3, 20));
    QTest::mouseClick(&dialog.ChangeButton(), Qt::LeftButton);
    ClickPeriod(dialog, 1);
    QTest::mouseClick(&dialog.RemoveButton(), Qt::LeftButton);
    EXPECT_EQ(ann.GetAway().size(), 1u);

    Press(dialog, QDialogButtonBox::Ok);
    const Person::AwayList expected
        = {{Date(2010, 3, 12), Date(2010, 3, 20)}, {Date(2010, 5, 1), Date(2010, 5, 1)}};
    EXPECT_EQ(ann.GetAway(), expected);
    EXPECT_TRUE(boxes.Shown().isEmpty());
}

TEST_F(AwayDlgTest, CancelLeavesThePersonAsItWas)
{
    const Person::AwayList before = ann.GetAway();
    AwayDlg dialog(ann);
    ASSERT_TRUE(ShowActive(dialog));
    ClickPeriod(dialog, 0);
    QTest::mouseClick(&dialog.RemoveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.PeriodList().count(), 0);
    Press(dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(ann.GetAway(), before);
}

TEST_F(AwayDlgTest, RefusesAPeriodThatEndsBeforeItStarts)
{
    AwayDlg dialog(ann);
    ASSERT_TRUE(ShowActive(dialog));
    const struct {
        const char* button;
        QPushButton& press;
    } attempts[] = {{"Add", dialog.AddButton()}, {"Change", dialog.ChangeButton()}};
    for (const auto& attempt : attempts) {
        SCOPED_TRACE(attempt.button);
        ClickPeriod(dialog, 0);
        EnterPeriod(dialog, QDate(2010, 4, 2), QDate(2010, 4, 1));
        QTest::mouseClick(&attempt.press, Qt::LeftButton);
        EXPECT_EQ(boxes.Last(), "The first day away must not be after the last day away.");
        ASSERT_EQ(dialog.PeriodList().count(), 1);
        EXPECT_EQ(dialog.PeriodList().item(0)->text(), QStringLiteral("3/12/2010 \u2013 3/14/2010"));
    }
    EXPECT_EQ(boxes.Shown().size(), 2);
}

TEST(RotationDialogPictures, RotationAndAway)
{
    Roster roster(L"Home");
    for (const wchar_t* name : {L"Sweep the kitchen floor", L"Clean the bathroom", L"Take out the bins"})
        roster.AddTask(std::make_unique<Task>(name));
    roster.Tasks()[1]->SetTurnLength(TurnLength::Week);
    roster.Tasks()[1]->SetEffort(45);
    RotationDlg rotation(roster);
    ASSERT_TRUE(ShowActive(rotation));
    EXPECT_GT(QFileInfo(SavePicture(rotation, "rotation-dialog")).size(), 0);
    ClickIndicator(rotation.Balanced());
    EXPECT_GT(QFileInfo(SavePicture(rotation, "rotation-dialog-balanced")).size(), 0);

    Person ann(L"Ann");
    ann.SetAway({{Date(2010, 3, 12), Date(2010, 3, 14)}, {Date(2010, 8, 1), Date(2010, 8, 21)}});
    AwayDlg away(ann);
    ASSERT_TRUE(ShowActive(away));
    EXPECT_GT(QFileInfo(SavePicture(away, "away-dialog")).size(), 0);
}
