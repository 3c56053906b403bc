#include "EditorTestSupport.h"
#include "UiTestSupport.h"

#include "ui/AddTaskDlg.h"
#include "ui/CCheckedEdit.h"
#include "ui/ControlIds.h"
#include "ui/FrequencyPanels.h"

#include "roster/Task.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The room a drop-down list leaves for its text, beside its arrow and frame.
int TextRoom(const QComboBox& list)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.rect = list.rect();
    option.frame = true;
    return list.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
        .width();
}

// Every caption and list of the open panels shows its whole text. Unit labels are checked with the
// text they show, so the test runs once with each interval.
void ExpectNothingClipped(const QWidget& dialog, const QString& when)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&dialog) && !label->text().isEmpty() && label->wordWrap() == false
            && label->pixmap().isNull())
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << when.toStdString() << ": label " << label->text().toStdString();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&dialog)
            && (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)))
            EXPECT_GE(button->width(), button->sizeHint().width())
                << when.toStdString() << ": " << button->text().toStdString();
    }
    for (const QComboBox* list : dialog.findChildren<QComboBox*>()) {
        if (!list->isVisibleTo(&dialog))
            continue;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_GE(TextRoom(*list), list->fontMetrics().horizontalAdvance(list->itemText(i)))
                << when.toStdString() << ": item " << list->itemText(i).toStdString();
    }
}

class PanelTexts : public testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        InstallFrequencyPanels();
        QFont font = defaultFont;
        font.setPointSizeF(font.pointSizeF() * GetParam());
        QApplication::setFont(font);
    }
    void TearDown() override { QApplication::setFont(defaultFont); }

    const QFont defaultFont = QApplication::font();
};

TEST_P(PanelTexts, NoCaptionOrListIsNarrowerThanItsText)
{
    Task task(L"Hoover");
    Frequency& rule = task.GetFrequency();
    rule.weekly.active_weekdays[Wednesday] = true;
    rule.yearly.every_month = 8;
    rule.yearly.month = 10;
    rule.yearly.weekday = Wednesday;
    for (int interval : {1, 2}) {
        rule.daily.every_n_days = interval;
        rule.weekly.every_n_weeks = interval;
        rule.monthly.every_nth_month = interval;
        for (int kind = 0; kind < 4; ++kind) {
            rule.selected = kind;
            AddTaskDlg dialog(true);
            dialog.SetFrequency(rule);
            ASSERT_TRUE(ShowActive(dialog));
            ExpectNothingClipped(
                dialog,
                QStringLiteral("kind %1, interval %2, font x%3").arg(kind).arg(interval).arg(GetParam()));
            if (kind == 3 && interval == 1 && GetParam() > 1)
                SavePicture(dialog, QStringLiteral("task-dialog-yearly-large-font"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FontSizes, PanelTexts, testing::Values(1.0, 1.5));

} // namespace
