#pragma once

#include "ui/layout/LayoutControl.h"
#include "ui/layout/PaneBase.h"

#include <memory>
#include <optional>
#include <ostream>

inline void PrintTo(const LayoutRect& r, std::ostream* out)
{
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

// What a fake control looks like and where the layout last put it.
struct FakeControlState {
    LayoutSize size{40, 20};
    bool visible = true;
    bool dropDownComboBox = false;
    std::optional<LayoutRect> placed;
};

class FakeControl : public LayoutControl {
public:
    explicit FakeControl(std::shared_ptr<FakeControlState> state)
        : state(std::move(state))
    {
    }

    LayoutSize CurrentSize() const override { return state->size; }
    bool IsVisible() const override { return state->visible; }
    bool IsDropDownComboBox() const override { return state->dropDownComboBox; }
    void MoveTo(const LayoutRect& rect) override
    {
        state->placed = rect;
        state->size = {rect.Width(), rect.Height()};
    }

private:
    std::shared_ptr<FakeControlState> state;
};

// The sizes a probe answers in one direction.
struct ProbeLimits {
    int size = 0; // fixed size or percentage, as the mode says
    int min = 5;
    int max = -1;
};

// An element with sizes given outright in both directions, recording the cell it was given: the
// pane arithmetic can be checked against it without any control behind it.
class ProbePane : public PaneBase {
public:
    using Limits = ProbeLimits;

    ProbePane(unsigned mode, Limits width, Limits height = {})
        : PaneBase(mode)
        , width(width)
        , height(height)
    {
    }

    int WidthFor(int available) const override { return SizeFor(width, FixedWidth, PercentWidth, available); }
    int HeightFor(int available) const override
    {
        return SizeFor(height, FixedHeight, PercentHeight, available);
    }
    int MinWidth() const override { return width.min; }
    int MaxWidth() const override { return width.max; }
    int MinHeight() const override { return height.min; }
    int MaxHeight() const override { return height.max; }
    bool MoveTo(const LayoutRect& rect) override
    {
        cell = rect;
        return true;
    }

    std::optional<LayoutRect> cell;

private:
    int SizeFor(const Limits& limits, unsigned fixedBit, unsigned percentBit, int available) const
    {
        if (Mode() & fixedBit)
            return limits.size;
        if (Mode() & percentBit)
            return available * limits.size / 100;
        return -1;
    }

    Limits width;
    Limits height;
};
