#pragma once

#include "ui/layout/LayoutControl.h"
#include "ui/layout/Pane.h"

#include <memory>

// A pane framed by a control, typically a group box, whose caption takes headerHeight pixels at
// the top.
class PaneCtrl : public Pane {
public:
    PaneCtrl(std::unique_ptr<LayoutControl> frame, Orientation orientation, unsigned mode, int border,
             int extraBorder, int headerHeight, int sizeSecondary);

    int MinHeight() const override;
    int MaxHeight() const override;
    bool MoveTo(const LayoutRect& rect) override;

private:
    std::unique_ptr<LayoutControl> frame;
    int headerHeight;
};
