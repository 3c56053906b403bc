#pragma once

#include "ui/layout/Pane.h"
#include "ui/layout/PaneCtrl.h"
#include "ui/layout/PaneItem.h"

#include <memory>

class QSize;
class QWidget;

// Lays out the controls of one window from a tree of panes. The window describes its layout once,
// with the builder operations, and from then on every size change lays it out again. A top-level
// window also cannot be sized beyond what the tree allows.
class LayoutMgr {
public:
    explicit LayoutMgr(QWidget* window);
    virtual ~LayoutMgr();
    LayoutMgr(const LayoutMgr&) = delete;
    LayoutMgr& operator=(const LayoutMgr&) = delete;

    // A new pane that becomes the root, replacing any earlier one.
    std::shared_ptr<Pane> CreateRoot(Orientation orientation, int border = 0, int extraBorder = 0);
    std::shared_ptr<Pane> NewPane(Orientation orientation, unsigned mode = Greedy, int border = 0,
                                  int extraBorder = 0, int sizeSecondary = 0) const;
    // A pane framed by the control frameId (a group box); it is kept behind the controls it frames.
    std::shared_ptr<PaneCtrl> NewPaneCtrl(int frameId, Orientation orientation, unsigned mode = Greedy,
                                          int border = 0, int extraBorder = 0, int headerHeight = 0,
                                          int sizeSecondary = 0) const;
    // An item for a control of the window. A size of 0 and a minimum of -1 take the control's
    // current size. An unknown identifier is a fault in the window's code and throws.
    std::shared_ptr<PaneItem> NewItem(int controlId, unsigned mode = Greedy, int sizeX = 0, int sizeY = 0,
                                      int minX = -1, int minY = -1, bool hideFlag = false) const;
    // The same for a control given directly; without one (nullptr) it is a spacer that keeps the
    // values as given.
    std::shared_ptr<PaneItem> NewItem(QWidget* control, unsigned mode = Greedy, int sizeX = 0, int sizeY = 0,
                                      int minX = -1, int minY = -1, bool hideFlag = false) const;
    // A fixed gap of 10 pixels.
    std::shared_ptr<PaneItem> NewSpacer() const;

    // The narrowest the window can be without the tree cutting into a control; 0 without a tree.
    int MinimumWidth() const;

    // The area to lay out: the window's client area.
    virtual LayoutRect GetLayoutRect() const;
    // Replaces the root and lays out again.
    virtual void SetRoot(const CPaneBase& pane);
    virtual void UpdateLayout();
    virtual void Layout(const LayoutRect& rect);

    // Pixels between the window's edges and the root pane.
    static constexpr int kMarginX = 5;
    static constexpr int kMarginY = 5;

protected:
    // To be called by the window whenever it has been resized.
    void OnResize(const QSize& size);
    // Whether the tree sets the window's minimum and maximum size; by default only a top-level
    // window's, as a panel inside another window is placed by that window.
    virtual bool LimitsWindowSize() const;

private:
    void ApplySizeLimits();

    QWidget* window;
    CPaneBase root;
};
