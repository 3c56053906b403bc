#include "UiTestSupport.h"

#include "ui/CBalloonMsgWnd.h"
#include "ui/CCheckedEdit.h"
#include "ui/ControlIds.h"
#include "ui/layout/ControlLookup.h"
#include "ui/layout/LayoutDialog.h"
#include "ui/resources/UiResources.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
// Two fields in a window; a balloon that belongs to nobody points at a label, so that only the
// balloon's own watching can end it.
class BalloonWatch : public testing::Test {
protected:
    void SetUp() override
    {
        first = new QLineEdit(&window);
        second = new QLineEdit(&window);
        label = new QLabel("Every", &window);
        first->setGeometry(10, 10, 80, 22);
        second->setGeometry(10, 40, 80, 22);
        label->setGeometry(100, 10, 60, 22);
        window.resize(200, 80);
        ASSERT_TRUE(ShowActive(window));
        first->setFocus();
        balloon = ShowBalloon(label, nullptr, "Invalid value", "Body",
                              ResourceIcon(BalloonResourceId::kInvalidValueIcon));
        balloon->Tick(); // the first beat takes note of what the user is doing
    }

    void TearDown() override { delete balloon.data(); }

    bool Open() const { return balloon && balloon->isVisible(); }

    QWidget window;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QLabel* label = nullptr;
    QPointer<CBalloonMsgWnd> balloon;
};

TEST_F(BalloonWatch, StaysWhileNothingChanges)
{
    for (int i = 0; i < 10; ++i)
        balloon->Tick();
    EXPECT_TRUE(Open());
    EXPECT_EQ(balloon->TipPosition(), label->mapToGlobal(QPoint(30, 11)));
    EXPECT_EQ(QApplication::activeWindow(), &window) << "showing the balloon activates nothing";
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(BalloonWatch, EndsWhenTheFocusMoves)
{
    second->setFocus();
    balloon->Tick();
    EXPECT_FALSE(Open());
}

TEST_F(BalloonWatch, EndsWhenAnotherWindowBecomesActive)
{
    QWidget another;
    another.resize(100, 50);
    ASSERT_TRUE(ShowActive(another));
    // Waiting for the other window lets the balloon's own timer beat, which may end it first.
    if (balloon)
        balloon->Tick();
    EXPECT_FALSE(Open());
}

TEST_F(BalloonWatch, EndsWhenTheMouseIsGrabbed)
{
    second->grabMouse();
    balloon->Tick();
    second->releaseMouse();
    EXPECT_FALSE(Open());
}

TEST_F(BalloonWatch, EndsWhenAMenuOpens)
{
    QMenu menu;
    menu.addAction("Cut");
    menu.popup(QPoint(20, 20));
    balloon->Tick();
    menu.close();
    EXPECT_FALSE(Open());
}

TEST(Balloon, LongTextWrapsAtTheBalloonsWidth)
{
    const QString longText = QString("Please enter a number between 1.0 and 52.0. ").repeated(4);
    QPointer<CBalloonMsgWnd> balloon = ShowBalloon(nullptr, nullptr, "Invalid value", longText, QIcon());
    const QFontMetrics metrics(balloon->font());
    EXPECT_GT(metrics.horizontalAdvance(longText), 3 * CBalloonMsgWnd::kMaxTextWidth);
    EXPECT_LT(balloon->width(), CBalloonMsgWnd::kMaxTextWidth + 40);
    EXPECT_GT(balloon->height(), 4 * metrics.height());
    delete balloon.data();
}

TEST(Balloon, NearTheScreensCornerStillPointsAtItsAnchorFromInside)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint anchor(screen.right() - 40, screen.bottom() - 5);
    CBalloonMsgWnd balloon(nullptr, "Invalid value", "Please enter a number between 1.0 and 52.0.", QIcon(),
                           anchor);
    EXPECT_EQ(balloon.TipPosition(), anchor);
    EXPECT_TRUE(screen.contains(balloon.geometry())) << "above the anchor, moved to the left";
}

// The picture of a weekly interval field holding "60", with its balloon: a rounded bubble whose
// tail points at the field, a warning icon, the bold title and the range.
TEST(BalloonLook, PictureOfACheckedEditWithItsBalloon)
{
    LayoutDialog dialog;
    dialog.setWindowTitle("Weekly");
    auto* every = new QLabel("Every", &dialog);
    auto* field = new CCheckedEdit(&dialog);
    auto* unit = new QLabel("weeks", &dialog);
    SetControlId(every, WeeklyDetailsId::kEveryLabel);
    SetControlId(field, WeeklyDetailsId::kInterval);
    SetControlId(unit, WeeklyDetailsId::kUnitLabel);
    every->resize(every->sizeHint());
    field->resize(40, field->sizeHint().height());
    field->setAlignment(Qt::AlignRight);
    unit->resize(unit->sizeHint());
    field->SetMinimum(1.0);
    field->SetMaximum(52.0);
    field->setText("1");

    auto row = dialog.NewPane(Horizontal, FixedHeight, 5, 0, 0);
    row->Add(dialog.NewItem(WeeklyDetailsId::kEveryLabel, FixedWidth | FixedHeight | AlignTop | AlignBottom))
        .Add(dialog.NewItem(WeeklyDetailsId::kInterval, FixedWidth | FixedHeight))
        .Add(dialog.NewItem(WeeklyDetailsId::kUnitLabel, FixedWidth | FixedHeight | AlignTop | AlignBottom));
    dialog.CreateRoot(Vertical, 5, 5)->Add(row).Add(dialog.NewItem(nullptr, Greedy, 0, 0, 0, 0));
    dialog.UpdateLayout();
    dialog.move(40, 40);
    dialog.resize(260, 120);
    ASSERT_TRUE(ShowActive(dialog));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "60");
    const auto balloons = VisibleBalloons();
    ASSERT_EQ(balloons.size(), 1u);
    CBalloonMsgWnd* balloon = balloons[0];
    EXPECT_EQ(balloon->TipPosition(), field->mapToGlobal(QPoint(field->width() / 2, field->height() / 2)));

    // Both windows as they lie on a plain desktop.
    const QRect dialogArea(dialog.pos(), dialog.size());
    const QRect area = dialogArea.united(balloon->geometry()).adjusted(-20, -20, 20, 20);
    QImage picture(area.size(), QImage::Format_ARGB32);
    picture.fill(QColor("#5a7a99"));
    QPainter painter(&picture);
    painter.drawPixmap(dialogArea.topLeft() - area.topLeft(), dialog.grab());
    painter.drawPixmap(balloon->pos() - area.topLeft(), balloon->grab());
    painter.end();
    const std::string file = std::string(BRINDLEWICK_PICTURE_DIR) + "/checked-edit-balloon.png";
    EXPECT_TRUE(picture.save(QString::fromStdString(file)));
}
} // namespace
