#include "ui/layout/LayoutMgr.h"

#include "ui/layout/ControlLookup.h"

#include <QComboBox>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
// A widget as the pane arithmetic sees it. It does not own the widget, which the window does.
class WidgetControl : public LayoutControl {
public:
    explicit WidgetControl(QWidget* widget)
        : widget(widget)
    {
    }

    LayoutSize CurrentSize() const override
    {
        return widget ? LayoutSize{widget->width(), widget->height()} : LayoutSize{};
    }

    // Whether the control itself is shown, even while its window has not been shown yet.
    bool IsVisible() const override { return widget && !widget->isHidden(); }

    // Qt's combo boxes always drop their list down: none covers a list of its own below the edit.
    bool IsDropDownComboBox() const override
    {
        return qobject_cast<const QComboBox*>(widget.data()) != nullptr;
    }

    void MoveTo(const LayoutRect& rect) override
    {
        if (!widget)
            return;
        widget->setGeometry(rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
        widget->update();
    }

private:
    QPointer<QWidget> widget;
};

int WithMargins(int size, int margins)
{
    return size == -1 ? QWIDGETSIZE_MAX : size + margins;
}
} // namespace

LayoutMgr::LayoutMgr(QWidget* window)
    : window(window)
{
}

LayoutMgr::~LayoutMgr() = default;

std::shared_ptr<Pane> LayoutMgr::CreateRoot(Orientation orientation, int border, int extraBorder)
{
    auto pane = NewPane(orientation, Greedy, border, extraBorder, 0);
    root = pane;
    return pane;
}

std::shared_ptr<Pane> LayoutMgr::NewPane(Orientation orientation, unsigned mode, int border, int extraBorder,
                                         int sizeSecondary) const
{
    return std::make_shared<Pane>(orientation, mode, border, extraBorder, sizeSecondary);
}

std::shared_ptr<PaneCtrl> LayoutMgr::NewPaneCtrl(int frameId, Orientation orientation, unsigned mode,
                                                 int border, int extraBorder, int headerHeight,
                                                 int sizeSecondary) const
{
    QWidget* frame = FindControl(window, frameId);
    if (!frame)
        throw std::invalid_argument("no frame control " + std::to_string(frameId) + " to lay out");
    // A frame is a sibling of the controls inside it; below them it never takes their clicks.
    frame->lower();
    return std::make_shared<PaneCtrl>(std::make_unique<WidgetControl>(frame), orientation, mode, border,
                                      extraBorder, headerHeight, sizeSecondary);
}

std::shared_ptr<PaneItem> LayoutMgr::NewItem(int controlId, unsigned mode, int sizeX, int sizeY, int minX,
                                             int minY, bool hideFlag) const
{
    QWidget* control = FindControl(window, controlId);
    if (!control)
        throw std::invalid_argument("no control " + std::to_string(controlId) + " to lay out");
    return NewItem(control, mode, sizeX, sizeY, minX, minY, hideFlag);
}

std::shared_ptr<PaneItem> LayoutMgr::NewItem(QWidget* control, unsigned mode, int sizeX, int sizeY, int minX,
                                             int minY, bool hideFlag) const
{
    if (!control)
        return std::make_shared<PaneItem>(mode, sizeX, sizeY, minX, minY);
    return std::make_shared<PaneItem>(std::make_unique<WidgetControl>(control), mode, sizeX, sizeY, minX,
                                      minY, hideFlag);
}

std::shared_ptr<PaneItem> LayoutMgr::NewSpacer() const
{
    return std::make_shared<PaneItem>(FixedWidth | FixedHeight, 10, 0, -1, -1);
}

LayoutRect LayoutMgr::GetLayoutRect() const
{
    const QRect client = window->rect();
    return {client.left(), client.top(), client.left() + client.width(), client.top() + client.height()};
}

void LayoutMgr::SetRoot(const CPaneBase& pane)
{
    root = pane;
    UpdateLayout();
}

void LayoutMgr::UpdateLayout()
{
    if (!root)
        return;
    if (LimitsWindowSize())
        ApplySizeLimits();

    LayoutRect rect = GetLayoutRect();
    rect.left += kMarginX;
    rect.right -= kMarginX;
    rect.top += kMarginY;
    rect.bottom -= kMarginY;
    Layout(rect);
    window->update();
}

void LayoutMgr::Layout(const LayoutRect& rect)
{
    if (root && rect.Width() != 0 && rect.Height() != 0)
        root->MoveTo(rect);
}

void LayoutMgr::OnResize(const QSize& size)
{
    if (!size.isEmpty())
        UpdateLayout();
}

bool LayoutMgr::LimitsWindowSize() const
{
    return window->isWindow();
}

int LayoutMgr::MinimumWidth() const
{
    if (!root)
        return 0;
    return root->MinWidth() + window->width() - GetLayoutRect().Width() + 2 * kMarginX;
}

void LayoutMgr::ApplySizeLimits()
{
    const LayoutRect area = GetLayoutRect();
    if (area.Width() == 0 && area.Height() == 0)
        return;

    // Qt's size limits exclude the window frame, which the window system adds on its own; what
    // remains is the part of the window that the layout does not cover.
    const int extraX = window->width() - area.Width() + 2 * kMarginX;
    const int extraY = window->height() - area.Height() + 2 * kMarginY;
    const QSize minimum(root->MinWidth() + extraX, root->MinHeight() + extraY);
    const QSize maximum(WithMargins(root->MaxWidth(), extraX), WithMargins(root->MaxHeight(), extraY));
    // Setting the limits also pushes the window's current size inside them, keeping its corner.
    window->setMinimumSize(minimum);
    window->setMaximumSize(maximum.expandedTo(minimum));
}
