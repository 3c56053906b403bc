#pragma once

#include "ui/layout/PaneBase.h"

#include <vector>

// A row (Horizontal) or column (Vertical) of elements. Along its orientation, the primary
// direction, the children share the space by the rules of their modes; across it, the secondary
// direction, every child gets the pane's full extent.
class Pane : public PaneBase {
public:
    // sizeSecondary is the pane's own fixed or percentage size in its parent's primary direction
    // (0 when not set); border lies between neighbours, extraBorder around all of them.
    Pane(Orientation orientation, unsigned mode, int border, int extraBorder, int sizeSecondary);

    // Appends a child with the given mode. A child pane of this pane's own orientation would add
    // nothing of its own, so it is wrapped in a pane of the other orientation first.
    Pane& Add(const CPaneBase& child, unsigned mode, int sizeSecondary);
    // The same with the mode and secondary size the child already has.
    Pane& Add(const CPaneBase& child);

    Orientation GetOrientation() const { return orientation; }
    const std::vector<CPaneBase>& Children() const { return children; }

    int WidthFor(int available) const override;
    int HeightFor(int available) const override;
    int MinWidth() const override;
    int MaxWidth() const override;
    int MinHeight() const override;
    int MaxHeight() const override;
    bool MoveTo(const LayoutRect& rect) override;

private:
    struct Axis;
    struct Sharing;

    int SizeFor(unsigned fixedBit, unsigned percentBit, int available) const;
    int BordersBetween() const;
    int PrimaryMin(const Axis& axis) const;
    int PrimaryMax(const Axis& axis) const;
    int SecondaryMin(const Axis& axis) const;
    int SecondaryMax(const Axis& axis) const;

    void ShareFixed(const Axis& axis, Sharing& sharing) const;
    void SharePercentages(const Axis& axis, Sharing& sharing) const;
    void ShareGreedy(Sharing& sharing) const;
    void ShareFill(const Axis& axis, Sharing& sharing) const;
    void Place(const Axis& axis, const LayoutRect& rect, const Sharing& sharing) const;

    Orientation orientation;
    std::vector<CPaneBase> children;
    int sizeSecondary;
    int border;
    int extraBorder;
};
