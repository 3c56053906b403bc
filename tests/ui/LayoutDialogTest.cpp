#include "UiTestSupport.h"

#include "ui/ControlIds.h"
#include "ui/layout/ControlLookup.h"
#include "ui/layout/LayoutDialog.h"
#include "ui/layout/LayoutFormView.h"

#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
constexpr int kListId = 1000;

// A list that takes all the room above a row of OK and Cancel, which keep their size at the
// right.
class ListDialog : public LayoutDialog {
public:
    ListDialog()
    {
        auto* list = new QListWidget(this);
        SetControlId(list, kListId);
        list->resize(160, 90);
        for (const int id : {CommonId::kOk, CommonId::kCancel}) {
            auto* button = new QPushButton(id == CommonId::kOk ? "OK" : "Cancel", this);
            SetControlId(button, id);
            button->resize(75, 23);
        }

        root = CreateRoot(Vertical, 7, 0);
        auto buttons = NewPane(Horizontal, FixedHeight, 7, 0, 0);
        buttons->Add(NewItem(nullptr, Greedy, 0, 0, 0, 0));
        buttons->Add(NewItem(CommonId::kOk, FixedWidth | FixedHeight));
        buttons->Add(NewItem(CommonId::kCancel, FixedWidth | FixedHeight));
        root->Add(NewItem(kListId, Greedy)).Add(buttons);
        UpdateLayout();
    }

    QRect Geometry(int id) const { return FindControl(this, id)->geometry(); }

    std::shared_ptr<Pane> root;
};

TEST(LayoutDialog, ControlsFollowTheWindowSize)
{
    ListDialog dialog;
    dialog.resize(400, 300);
    ASSERT_TRUE(ShowActive(dialog));

    EXPECT_EQ(dialog.Geometry(kListId), QRect(5, 5, 390, 300 - 5 - 5 - 7 - 23));
    EXPECT_EQ(dialog.Geometry(CommonId::kCancel), QRect(400 - 5 - 75, 300 - 5 - 23, 75, 23));
    EXPECT_EQ(dialog.Geometry(CommonId::kOk), QRect(400 - 5 - 75 - 7 - 75, 300 - 5 - 23, 75, 23));

    dialog.resize(500, 360);
    QTest::qWait(0);
    EXPECT_EQ(dialog.Geometry(kListId).size(), QSize(490, 360 - 5 - 5 - 7 - 23));
    EXPECT_EQ(dialog.Geometry(CommonId::kCancel).topLeft(), QPoint(500 - 5 - 75, 360 - 5 - 23));
}

TEST(LayoutDialog, CannotBeMadeSmallerThanItsTreeAllows)
{
    ListDialog dialog;
    dialog.resize(400, 300);
    ASSERT_TRUE(ShowActive(dialog));

    // The buttons' row is wider than the list's first size: its spacer counts with 5, then two gaps
    // and two buttons. In height the list keeps its first size above the row.
    const QSize minimum(5 + 7 + 75 + 7 + 75 + 2 * LayoutMgr::kMarginX, 90 + 7 + 23 + 2 * LayoutMgr::kMarginY);
    EXPECT_EQ(dialog.minimumSize(), minimum);
    EXPECT_EQ(dialog.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    dialog.resize(50, 40);
    QTest::qWait(0);
    EXPECT_EQ(dialog.size(), minimum);
    EXPECT_EQ(dialog.Geometry(CommonId::kCancel).right(), minimum.width() - 5 - 1);
}

TEST(LayoutDialog, FixedTreeLimitsTheMaximumToo)
{
    LayoutDialog dialog;
    auto* button = new QPushButton("OK", &dialog);
    SetControlId(button, CommonId::kOk);
    button->resize(75, 23);
    dialog.CreateRoot(Horizontal)->Add(dialog.NewItem(CommonId::kOk, FixedWidth | FixedHeight));
    dialog.UpdateLayout();

    EXPECT_EQ(dialog.minimumSize(), QSize(85, 33));
    EXPECT_EQ(dialog.maximumSize(), QSize(85, 33));
}

TEST(LayoutDialog, TopLevelDialogIsResizableAndShowsTheApplicationIcon)
{
    ListDialog dialog;
    EXPECT_FALSE(dialog.windowIcon().isNull());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
}

TEST(LayoutDialog, UnknownControlIdIsRefused)
{
    LayoutDialog dialog;
    EXPECT_THROW(dialog.NewItem(4711), std::invalid_argument);
    EXPECT_THROW(dialog.NewPaneCtrl(4711, Vertical), std::invalid_argument);
}

TEST(LayoutFormView, KeepsItsFrameFromShrinkingBelowTheForm)
{
    QMainWindow frame;
    auto* view = new LayoutFormView(MainFormId::kTemplate);
    auto* button = new QPushButton("Print!", view);
    SetControlId(button, MainFormId::kPrint);
    button->resize(140, 60);
    view->CreateRoot(Horizontal)->Add(view->NewItem(MainFormId::kPrint, Greedy));
    frame.setCentralWidget(view);
    view->UpdateLayout();
    ASSERT_TRUE(ShowActive(frame));

    frame.resize(20, 20);
    QTest::qWait(0);
    EXPECT_EQ(ControlId(view), MainFormId::kTemplate);
    EXPECT_GE(view->width(), 150);
    EXPECT_GE(view->height(), 70);
    EXPECT_EQ(button->geometry(), QRect(5, 5, view->width() - 10, view->height() - 10));
}
} // namespace
