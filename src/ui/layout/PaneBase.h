#pragma once

#include "ui/layout/LayoutGeometry.h"
#include "ui/layout/ResizeMode.h"

#include <memory>

// An element of a layout tree: a row or column of elements, a framed pane, a control or a spacer.
// All sizes are pixels of the window's client area; -1 means "no limit" or "not fixed".
class PaneBase {
public:
    virtual ~PaneBase() = default;

    virtual int WidthFor(int available) const = 0;
    virtual int HeightFor(int available) const = 0;
    virtual int MinWidth() const = 0;
    virtual int MaxWidth() const = 0;
    virtual int MinHeight() const = 0;
    virtual int MaxHeight() const = 0;
    virtual bool MoveTo(const LayoutRect& rect) = 0;

    unsigned Mode() const { return mode; }
    void SetMode(unsigned newMode) { mode = newMode; }

protected:
    explicit PaneBase(unsigned mode)
        : mode(mode)
    {
    }

private:
    unsigned mode;
};

// Panes hold their children, and a window its root, through shared handles; the last one deletes.
using CPaneBase = std::shared_ptr<PaneBase>;
