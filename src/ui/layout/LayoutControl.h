#pragma once

#include "ui/layout/LayoutGeometry.h"

// What the pane arithmetic needs to know about a control and do with it. The windowing toolkit
// supplies the implementation; tests supply fakes.
class LayoutControl {
public:
    virtual ~LayoutControl() = default;

    virtual LayoutSize CurrentSize() const = 0;
    virtual bool IsVisible() const = 0;
    // A drop-down combo box covers only its edit part, so the layout must not stretch its height.
    virtual bool IsDropDownComboBox() const = 0;
    // Places the control and repaints it.
    virtual void MoveTo(const LayoutRect& rect) = 0;
};
