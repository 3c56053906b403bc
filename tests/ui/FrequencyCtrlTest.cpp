#include "EditorTestSupport.h"
#include "UiTestSupport.h"

#include "ui/AddTaskDlg.h"
#include "ui/CCheckedEdit.h"
#include "ui/ControlIds.h"
#include "ui/FrequencyPanels.h"
#include "ui/WordEllipsisLabel.h"

#include "roster/Task.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// A task dialog open on a task's rule, as the main window opens it.
class FrequencyEditor : public testing::Test {
protected:
    FrequencyEditor() { InstallFrequencyPanels(); }

    Frequency& Rule() { return task.GetFrequency(); }

    void Open(bool editMode = false)
    {
        dialog = std::make_unique<AddTaskDlg>(editMode);
        dialog->SetFrequency(Rule());
        ASSERT_TRUE(ShowActive(*dialog));
    }

    template <class Control>
    Control& Get(int id)
    {
        return Find<Control>(*dialog, id);
    }

    QString Description() { return Get<WordEllipsisLabel>(FrequencyCtrlId::kDescription).text(); }
    QString Text(int labelId) { return Get<QLabel>(labelId).text(); }
    bool Shows(int controlId) { return Get<QWidget>(controlId).isVisibleTo(dialog.get()); }
    void ChooseKind(const char* kind)
    {
        ChooseItem(Get<QComboBox>(FrequencyCtrlId::kKind), QString::fromLatin1(kind));
    }

    Task task;
    std::unique_ptr<AddTaskDlg> dialog;
};
} // namespace

TEST_F(FrequencyEditor, ANewTaskOpensOnEveryDayFromToday)
{
    Open();
    EXPECT_EQ(Get<QComboBox>(FrequencyCtrlId::kKind).currentText(), "Daily");
    EXPECT_EQ(Get<QComboBox>(DailyDetailsId::kInterval).currentText(), "1");
    EXPECT_EQ(Text(DailyDetailsId::kUnitLabel), "day");
    EXPECT_EQ(Get<QDateEdit>(DailyDetailsId::kStartDay).date(), QDate(2010, 3, 10));
    EXPECT_EQ(Get<QDateEdit>(DailyDetailsId::kStartDay).text(), "3/10/2010");
    EXPECT_EQ(Description(), "Every day");
    EXPECT_TRUE(Shows(DailyDetailsId::kInterval));
    for (const int hidden :
         {WeeklyDetailsId::kInterval, MonthlyDetailsId::kInterval, YearlyDetailsId::kEvery})
        EXPECT_FALSE(Shows(hidden)) << hidden;
}

TEST_F(FrequencyEditor, SwitchingToWeeklyShowsMondayOnAndSelectsTheKind)
{
    Open();
    ChooseKind("Weekly");
    EXPECT_EQ(Rule().selected, 1);
    EXPECT_FALSE(Shows(DailyDetailsId::kInterval));
    EXPECT_TRUE(Shows(WeeklyDetailsId::kInterval));
    EXPECT_TRUE(Get<QCheckBox>(WeeklyDetailsId::kMonday).isChecked());
    EXPECT_EQ(Get<CCheckedEdit>(WeeklyDetailsId::kInterval).text(), "1");
    EXPECT_EQ(Text(WeeklyDetailsId::kUnitLabel), "week");
    EXPECT_EQ(Description(), "Weekly on Monday");
}

TEST_F(FrequencyEditor, UncheckingTheLastDayChecksMondayAgain)
{
    Rule().selected = 1;
    Open();
    auto& monday = Get<QCheckBox>(WeeklyDetailsId::kMonday);
    ClickIndicator(monday);
    EXPECT_TRUE(monday.isChecked());
    EXPECT_TRUE(Rule().weekly.active_weekdays[Monday]);

    // With another day on, Monday may go.
    ClickIndicator(Get<QCheckBox>(WeeklyDetailsId::kFriday));
    ClickIndicator(monday);
    EXPECT_FALSE(monday.isChecked());
    EXPECT_FALSE(Rule().weekly.active_weekdays[Monday]);
    EXPECT_EQ(Description(), "Weekly on Friday");

    ClickIndicator(Get<QCheckBox>(WeeklyDetailsId::kFriday));
    EXPECT_TRUE(monday.isChecked());
    EXPECT_EQ(Description(), "Weekly on Monday");
}

TEST_F(FrequencyEditor, WeeklyIntervalReachesTheModelOnlyWithinItsRange)
{
    Rule().selected = 1;
    Open();
    auto& interval = Get<CCheckedEdit>(WeeklyDetailsId::kInterval);
    interval.setFocus();
    interval.selectAll();
    QTest::keyClicks(&interval, "3");
    EXPECT_EQ(Rule().weekly.every_n_weeks, 3);
    EXPECT_EQ(Text(WeeklyDetailsId::kUnitLabel), "weeks");
    EXPECT_EQ(Description(), "Every 3 weeks on Monday");

    // 30 and then 300: the first is taken, the second is refused and leaves 30 in the model.
    QTest::keyClicks(&interval, "00");
    EXPECT_EQ(interval.text(), "300");
    EXPECT_EQ(Rule().weekly.every_n_weeks, 30);
    EXPECT_EQ(Description(), "Every 30 weeks on Monday");
}

TEST_F(FrequencyEditor, DailyIntervalAndStartDayChangeTheRuleAtOnce)
{
    Open();
    ChooseItem(Get<QComboBox>(DailyDetailsId::kInterval), "2");
    EXPECT_EQ(Text(DailyDetailsId::kUnitLabel), "days");
    EXPECT_EQ(Description(), "Every 2 days");
    EXPECT_EQ(Rule().daily.every_n_days, 2);

    // The cursor starts in the month: one step up is a month later.
    auto& startDay = Get<QDateEdit>(DailyDetailsId::kStartDay);
    startDay.setFocus();
    QTest::keyClick(&startDay, Qt::Key_Home);
    QTest::keyClick(&startDay, Qt::Key_Up);
    EXPECT_EQ(Rule().daily.first_day, Date(2010, 4, 10));
    EXPECT_EQ(Rule().daily.every_n_days, 2);
}

// Dates of the rule that a date field cannot show, or that are no dates at all, come up as the
// nearest date it can show.
TEST_F(FrequencyEditor, DailyStartDayBeyondTheFieldShowsTheNearestDate)
{
    const struct {
        Date first;
        QDate shown;
    } cases[] = {
        {Date(1400, 1, 1), QDate(1400, 1, 1)},
        {Date(9999, 12, 31), QDate(9999, 12, 31)},
        {Date(boost::date_time::neg_infin), QDate(1400, 1, 1)},
        {Date(boost::date_time::pos_infin), QDate(9999, 12, 31)},
        {Date(boost::date_time::not_a_date_time), QDate(2010, 3, 10)},
    };
    for (const auto& c : cases) {
        Rule().daily.first_day = c.first;
        Open();
        EXPECT_EQ(Get<QDateEdit>(DailyDetailsId::kStartDay).date(), c.shown)
            << c.shown.toString().toStdString();
        dialog.reset();
    }
}

TEST_F(FrequencyEditor, MonthlyOnTheSwapsTheEnabledListsAndTheDescription)
{
    Rule().selected = 2;
    Open();
    auto& day = Get<QComboBox>(MonthlyDetailsId::kDay);
    auto& ordinal = Get<QComboBox>(MonthlyDetailsId::kOrdinal);
    auto& weekday = Get<QComboBox>(MonthlyDetailsId::kWeekday);
    EXPECT_TRUE(day.isEnabled());
    EXPECT_FALSE(ordinal.isEnabled());
    EXPECT_FALSE(weekday.isEnabled());
    EXPECT_EQ(Description(), "Every month on the 1st day");

    ClickIndicator(Get<QRadioButton>(MonthlyDetailsId::kOnThe));
    EXPECT_FALSE(day.isEnabled());
    EXPECT_TRUE(ordinal.isEnabled());
    EXPECT_TRUE(weekday.isEnabled());
    EXPECT_EQ(Rule().monthly.time_mode, SpecificWeekday);
    EXPECT_EQ(Description(), "Every month on the first Monday");

    ChooseItem(ordinal, "last");
    ChooseItem(weekday, "Friday");
    EXPECT_EQ(Description(), "Every month on the last Friday");
    EXPECT_EQ(Rule().monthly.week_repeat, LastWeek);
    EXPECT_EQ(Rule().monthly.day_of_week, Friday);
}

TEST_F(FrequencyEditor, MonthlyRuleOfThreeMonthsOpensWithThePluralUnit)
{
    Rule().selected = 2;
    Rule().monthly.every_nth_month = 3;
    Rule().monthly.on_day_n = 15;
    Open();
    EXPECT_EQ(Get<QComboBox>(MonthlyDetailsId::kInterval).currentText(), "3");
    EXPECT_EQ(Get<QComboBox>(MonthlyDetailsId::kDay).currentText(), "15");
    EXPECT_EQ(Text(MonthlyDetailsId::kUnitLabel), "months");
    EXPECT_EQ(Description(), "Every 3 months on the 15th day");
}

// Opening and closing the editor never changes a rule: a value its list does not offer (from a file)
// is shown as an extra item at the end of the list.
TEST_F(FrequencyEditor, StoredValuesTheListsDoNotOfferAreShownAndKept)
{
    struct Case {
        int kind;
        int interval;
        int listId;
        QString shown;
        int items;
    } const cases[] = {
        {0, 40, DailyDetailsId::kInterval, "40", 30},
        {0, 29, DailyDetailsId::kInterval, "29", 29},
        {2, 12, MonthlyDetailsId::kInterval, "12", 12},
    };
    for (const Case& c : cases) {
        Rule().selected = c.kind;
        Rule().daily.every_n_days = c.interval;
        Rule().monthly.every_nth_month = c.interval;
        Open(true);
        const auto& list = Get<QComboBox>(c.listId);
        EXPECT_EQ(list.currentText(), c.shown);
        EXPECT_EQ(list.count(), c.items);
        EXPECT_EQ(list.itemText(list.count() - 1), c.shown);
        Get<QPushButton>(CommonId::kOk).click();
        EXPECT_EQ(c.kind == 0 ? Rule().daily.every_n_days : Rule().monthly.every_nth_month, c.interval);
    }
}

// "2.5" is no week count: it is refused like any bad text, and leaving the field brings the last
// good text back, so the field never shows what the rule does not hold.
TEST_F(FrequencyEditor, WeeklyIntervalTakesWholeNumbersOnly)
{
    Rule().selected = 1;
    Rule().weekly.every_n_weeks = 2;
    Open();
    auto& interval = Get<CCheckedEdit>(WeeklyDetailsId::kInterval);
    interval.setFocus();
    interval.selectAll();
    QTest::keyClicks(&interval, "2.5");
    EXPECT_FALSE(interval.IsValid());
    EXPECT_EQ(interval.BalloonText(), "Please enter a number between 1 and 52.");
    EXPECT_EQ(Rule().weekly.every_n_weeks, 2);
    Get<QComboBox>(FrequencyCtrlId::kKind).setFocus();
    EXPECT_EQ(interval.text(), "2");
    EXPECT_EQ(Rule().weekly.every_n_weeks, 2);
}

TEST_F(FrequencyEditor, YearlyModesEnableTheirOwnLists)
{
    Rule().selected = 3;
    Open();
    const int fixedDay[] = {YearlyDetailsId::kFixedMonth, YearlyDetailsId::kFixedDay};
    const int weekdayRule[] = {YearlyDetailsId::kOrdinal, YearlyDetailsId::kWeekday,
                               YearlyDetailsId::kWeekdayMonth, YearlyDetailsId::kOfLabel};
    const auto expectEnabled = [&](bool fixed) {
        for (const int id : fixedDay)
            EXPECT_EQ(Get<QWidget>(id).isEnabled(), fixed) << id;
        for (const int id : weekdayRule)
            EXPECT_EQ(Get<QWidget>(id).isEnabled(), !fixed) << id;
    };
    expectEnabled(true);
    ChooseItem(Get<QComboBox>(YearlyDetailsId::kFixedMonth), "March");
    ChooseItem(Get<QComboBox>(YearlyDetailsId::kFixedDay), "5");
    EXPECT_EQ(Description(), "Yearly on 5th of March");

    ClickIndicator(Get<QRadioButton>(YearlyDetailsId::kOnThe));
    expectEnabled(false);
    ChooseItem(Get<QComboBox>(YearlyDetailsId::kOrdinal), "last");
    ChooseItem(Get<QComboBox>(YearlyDetailsId::kWeekday), "Friday");
    ChooseItem(Get<QComboBox>(YearlyDetailsId::kWeekdayMonth), "November");
    EXPECT_EQ(Description(), "Yearly on the last Friday of November");

    // The fixed day is kept while the other mode is in force.
    ClickIndicator(Get<QRadioButton>(YearlyDetailsId::kEvery));
    expectEnabled(true);
    EXPECT_EQ(Description(), "Yearly on 5th of March");
    EXPECT_EQ(Rule().yearly.month, 10);
}

TEST_F(FrequencyEditor, EscapeInAPanelClosesNothing)
{
    Open();
    auto& interval = Get<QComboBox>(DailyDetailsId::kInterval);
    interval.setFocus();
    QTest::keyClick(&interval, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Shows(DailyDetailsId::kInterval));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    auto& kinds = Get<QComboBox>(FrequencyCtrlId::kKind);
    kinds.setFocus();
    QTest::keyClick(&kinds, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FrequencyEditor, EnterInAPanelPressesTheDialogsOk)
{
    task.SetName(L"Dust");
    Open(true);
    auto& interval = Get<QComboBox>(DailyDetailsId::kInterval);
    interval.setFocus();
    QTest::keyClick(&interval, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// The editor works on the task's own rule while the dialog is open, but Cancel puts back the rule
// as it was when the dialog opened: every kind's values and the selection. A closed editor leaves
// no connection behind, so the next editor starts from what OK left.
TEST_F(FrequencyEditor, CancelRestoresTheRuleAndTheNextEditorShowsWhatOkKept)
{
    const std::size_t listeners = Rule().daily.Changed.num_slots();
    Open(true);
    ChooseItem(Get<QComboBox>(DailyDetailsId::kInterval), "4");
    ChooseKind("Monthly");
    EXPECT_EQ(Rule().daily.every_n_days, 4);
    EXPECT_EQ(Rule().selected, 2);
    QTest::mouseClick(&Get<QWidget>(CommonId::kCancel), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Rule().daily.every_n_days, 1);
    EXPECT_EQ(Rule().selected, 0);
    EXPECT_EQ(Rule().GetDescription(), L"Every day");

    Open(true);
    ChooseItem(Get<QComboBox>(DailyDetailsId::kInterval), "4");
    ChooseKind("Monthly");
    QTest::mouseClick(&Get<QWidget>(CommonId::kOk), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    dialog.reset();
    EXPECT_EQ(Rule().daily.Changed.num_slots(), listeners);

    Open(true);
    EXPECT_EQ(Get<QComboBox>(FrequencyCtrlId::kKind).currentText(), "Monthly");
    ChooseKind("Daily");
    EXPECT_EQ(Get<QComboBox>(DailyDetailsId::kInterval).currentText(), "4");
    EXPECT_EQ(Description(), "Every 4 days");
}
