#pragma once

#include "ui/layout/LayoutControl.h"
#include "ui/layout/PaneBase.h"

#include <memory>

// One control in a layout tree, or an empty spacer when it has no control. sizeX and sizeY hold
// the fixed size, or the percentage under a percentage mode.
class PaneItem : public PaneBase {
public:
    // A spacer keeps exactly the sizes it is given.
    PaneItem(unsigned mode, int sizeX, int sizeY, int minX, int minY);
    // For a control, a size of 0 and a minimum of -1 stand for the control's current size.
    PaneItem(std::unique_ptr<LayoutControl> control, unsigned mode, int sizeX, int sizeY, int minX, int minY,
             bool hideFlag);

    int WidthFor(int available) const override;
    int HeightFor(int available) const override;
    int MinWidth() const override;
    int MaxWidth() const override;
    int MinHeight() const override;
    int MaxHeight() const override;
    bool MoveTo(const LayoutRect& rect) override;

private:
    // A hidden control whose item carries the hide flag takes no space at all.
    bool TakesNoSpace() const;

    std::unique_ptr<LayoutControl> control;
    int sizeX;
    int sizeY;
    int minX;
    int minY;
    bool isComboBox = false;
    bool hideFlag = false;
};
