#include "ui/DialogTemplate.h"
#include "ui/WordEllipsisLabel.h"
#include "ui/layout/ControlLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {
constexpr ControlTemplate kControls[] = {
    {10, ControlKind::Label, "Name:", 4, 8, 20, 8},
    {11, ControlKind::Edit, "", 40, 6, 100, 12},
    {12, ControlKind::DropDownList, "", 40, 24, 60, 80},
};
constexpr DialogTemplate kDialog = {99, "Sample", 150, 60, "MS Shell Dlg", 8, kControls};

int AverageWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    return (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
}
} // namespace

// A dialog twice the font size is twice as large in both directions, whatever the font.
TEST(DialogTemplate, FollowsTheFontOfTheDialog)
{
    for (const int pointSize : {8, 16}) {
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        const DialogUnits units(font);
        const int baseX = AverageWidth(font);
        const int baseY = QFontMetrics(font).height();
        EXPECT_EQ(units.X(4), baseX);
        EXPECT_EQ(units.Y(8), baseY);
        EXPECT_EQ(
            units.Rect(40, 24, 60, 80),
            QRect((40 * baseX + 2) / 4, (24 * baseY + 4) / 8, (60 * baseX + 2) / 4, (80 * baseY + 4) / 8));
    }
}

TEST(DialogTemplate, PlacesEveryControlWithItsId)
{
    QWidget dialog;
    const DialogUnits units = BuildFromTemplate(kDialog, dialog);
    EXPECT_EQ(dialog.font(), QApplication::font());
    EXPECT_EQ(dialog.windowTitle(), "Sample");
    EXPECT_EQ(dialog.size(), units.Size(150, 60));
    EXPECT_EQ(ControlId(&dialog), 99);

    auto* edit = FindControl<QLineEdit>(&dialog, 11);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), units.Rect(40, 6, 100, 12));

    // A drop-down list is as wide as its template and as high as the field itself.
    auto* combo = FindControl<QComboBox>(&dialog, 12);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->geometry(),
              QRect(units.Rect(40, 24, 60, 80).topLeft(), QSize(units.X(60), combo->sizeHint().height())));

    auto* label = FindControl<QLabel>(&dialog, 10);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Name:");
    EXPECT_GE(label->width(), label->sizeHint().width());
}

TEST(DialogTemplate, ACaptionThatOutgrowsItsPlacePushesItsNeighbourRight)
{
    constexpr ControlTemplate controls[] = {
        {20, ControlKind::Label, "A caption far too long for its place", 4, 8, 20, 8},
        {21, ControlKind::Edit, "", 26, 6, 200, 12},
    };
    QWidget dialog;
    const DialogUnits units = BuildFromTemplate({1, nullptr, 240, 30, "MS Shell Dlg", 8, controls}, dialog);
    const QRect caption = FindControl(&dialog, 20)->geometry();
    const QRect edit = FindControl(&dialog, 21)->geometry();
    EXPECT_GE(edit.left(), caption.right() + 1 + units.X(kCaptionGap));
    EXPECT_EQ(edit.right(), units.Rect(26, 6, 200, 12).right());
}

TEST(WordEllipsisLabel, CutsTooLongTextsAtAWord)
{
    WordEllipsisLabel label("Every 2 weeks on Monday, Tuesday and Thursday");
    label.resize(QFontMetrics(label.font()).horizontalAdvance("Every 2 weeks on Monday,..."), 20);
    EXPECT_EQ(label.ShownText(), "Every 2 weeks on Monday,...");
    EXPECT_EQ(label.text(), "Every 2 weeks on Monday, Tuesday and Thursday");

    label.resize(1000, 20);
    EXPECT_EQ(label.ShownText(), label.text());
}
