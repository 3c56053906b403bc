#include "ui/layout/PaneCtrl.h"

PaneCtrl::PaneCtrl(std::unique_ptr<LayoutControl> frame, Orientation orientation, unsigned mode, int border,
                   int extraBorder, int headerHeight, int sizeSecondary)
    : Pane(orientation, mode, border, extraBorder, sizeSecondary)
    , frame(std::move(frame))
    , headerHeight(headerHeight)
{
}

int PaneCtrl::MinHeight() const
{
    return Pane::MinHeight() + headerHeight;
}

int PaneCtrl::MaxHeight() const
{
    const int max = Pane::MaxHeight();
    return max == -1 ? -1 : max + headerHeight;
}

bool PaneCtrl::MoveTo(const LayoutRect& rect)
{
    frame->MoveTo(rect);
    LayoutRect inside = rect;
    inside.top += headerHeight;
    return Pane::MoveTo(inside);
}
