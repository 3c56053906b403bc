#include "ui/layout/Pane.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Nothing counts as narrower than this in the minimum of a pane.
constexpr int kSmallestMinimum = 5;
// Below this much, redistribution stops being proportional and one child takes it all.
constexpr int kProportionalThreshold = 5;
} // namespace

// One direction of the window: the questions and mode bits that belong to it.
struct Pane::Axis {
    bool horizontal;
    unsigned fixedBit;
    unsigned percentBit;
    unsigned fillBit;

    static Axis Of(Orientation orientation)
    {
        if (orientation == Horizontal)
            return {true, FixedWidth, PercentWidth, FillWidth};
        return {false, FixedHeight, PercentHeight, FillHeight};
    }

    Axis Across() const { return Of(horizontal ? Vertical : Horizontal); }

    int SizeFor(const PaneBase& e, int available) const
    {
        return horizontal ? e.WidthFor(available) : e.HeightFor(available);
    }
    int Min(const PaneBase& e) const { return horizontal ? e.MinWidth() : e.MinHeight(); }
    int Max(const PaneBase& e) const { return horizontal ? e.MaxWidth() : e.MaxHeight(); }
};

// The running account of one MoveTo along the primary direction.
struct Pane::Sharing {
    explicit Sharing(std::size_t n)
        : size(n, 0)
        , min(n, 0)
        , max(n, 0)
    {
    }

    // Gives child i its want, held within its limits. A pinned child makes diff grow by what it
    // took beyond its want (or shrink by what it left); returns true when the child stays free.
    bool Offer(std::size_t i, int want)
    {
        if (want < min[i])
            return Pin(i, min[i], want);
        if (max[i] != -1 && want > max[i])
            return Pin(i, max[i], want);
        size[i] = want;
        return true;
    }

    std::vector<int> size;
    std::vector<int> min;
    std::vector<int> max;
    std::vector<bool> greedy;
    int rest = 0;
    // Space handed out beyond the wants, to be taken back from the free children (negative: space
    // left over for them).
    int diff = 0;

private:
    bool Pin(std::size_t i, int pinned, int want)
    {
        size[i] = pinned;
        diff += pinned - want;
        return false;
    }
};

Pane::Pane(Orientation orientation, unsigned mode, int border, int extraBorder, int sizeSecondary)
    : PaneBase(mode)
    , orientation(orientation)
    , sizeSecondary(sizeSecondary)
    , border(border)
    , extraBorder(extraBorder)
{
}

Pane& Pane::Add(const CPaneBase& child, unsigned mode, int childSizeSecondary)
{
    auto* pane = dynamic_cast<Pane*>(child.get());
    if (pane && pane->orientation == orientation) {
        auto wrapper
            = std::make_shared<Pane>(orientation == Horizontal ? Vertical : Horizontal, Greedy, 0, 0, 0);
        wrapper->Add(child);
        return Add(wrapper, mode, childSizeSecondary);
    }

    child->SetMode(mode);
    if (pane) {
        const Axis axis = Axis::Of(orientation);
        if (mode & axis.fixedBit)
            pane->sizeSecondary = childSizeSecondary != 0 ? childSizeSecondary : axis.Min(*pane);
        else if (mode & axis.percentBit)
            pane->sizeSecondary = childSizeSecondary;
    }
    children.push_back(child);
    return *this;
}

Pane& Pane::Add(const CPaneBase& child)
{
    const auto* pane = dynamic_cast<const Pane*>(child.get());
    return Add(child, child->Mode(), pane ? pane->sizeSecondary : 0);
}

int Pane::SizeFor(unsigned fixedBit, unsigned percentBit, int available) const
{
    if (Mode() & percentBit)
        return available * sizeSecondary / 100;
    if (Mode() & fixedBit)
        return sizeSecondary;
    return 0;
}

int Pane::WidthFor(int available) const
{
    return SizeFor(FixedWidth, PercentWidth, available);
}

int Pane::HeightFor(int available) const
{
    return SizeFor(FixedHeight, PercentHeight, available);
}

int Pane::MinWidth() const
{
    const Axis axis = Axis::Of(Horizontal);
    return orientation == Horizontal ? PrimaryMin(axis) : SecondaryMin(axis);
}

int Pane::MaxWidth() const
{
    const Axis axis = Axis::Of(Horizontal);
    return orientation == Horizontal ? PrimaryMax(axis) : SecondaryMax(axis);
}

int Pane::MinHeight() const
{
    const Axis axis = Axis::Of(Vertical);
    return orientation == Vertical ? PrimaryMin(axis) : SecondaryMin(axis);
}

int Pane::MaxHeight() const
{
    const Axis axis = Axis::Of(Vertical);
    return orientation == Vertical ? PrimaryMax(axis) : SecondaryMax(axis);
}

int Pane::BordersBetween() const
{
    // An empty pane has no gaps; counting -1 of them would make it claim less than nothing.
    return children.empty() ? 0 : static_cast<int>(children.size() - 1) * border;
}

int Pane::PrimaryMin(const Axis& axis) const
{
    int sum = 0;
    for (const CPaneBase& child : children)
        sum += std::max(axis.Min(*child), kSmallestMinimum);
    return sum + BordersBetween() + 2 * extraBorder;
}

int Pane::PrimaryMax(const Axis& axis) const
{
    if (children.empty())
        return -1;
    int sum = 0;
    for (const CPaneBase& child : children) {
        const int max = axis.Max(*child);
        if (max == -1)
            return -1;
        sum += max;
    }
    return sum + BordersBetween() + 2 * extraBorder;
}

int Pane::SecondaryMin(const Axis& axis) const
{
    if ((Mode() & axis.fixedBit) && sizeSecondary != 0)
        return sizeSecondary;
    int largest = 0;
    for (const CPaneBase& child : children)
        largest = std::max(largest, axis.Min(*child));
    return largest + 2 * extraBorder;
}

int Pane::SecondaryMax(const Axis& axis) const
{
    if ((Mode() & axis.fixedBit) && sizeSecondary != 0)
        return sizeSecondary;
    if (children.empty())
        return -1;
    int largest = 0;
    for (const CPaneBase& child : children) {
        const int max = axis.Max(*child);
        if (max == -1)
            return -1;
        largest = std::max(largest, max);
    }
    return largest + 2 * extraBorder;
}

bool Pane::MoveTo(const LayoutRect& rect)
{
    const Axis axis = Axis::Of(orientation);
    Sharing sharing(children.size());
    const int length = axis.horizontal ? rect.Width() : rect.Height();
    sharing.rest = length - 2 * extraBorder - BordersBetween();

    ShareFixed(axis, sharing);
    SharePercentages(axis, sharing);
    ShareGreedy(sharing);
    ShareFill(axis, sharing);
    Place(axis, rect, sharing);
    return true;
}

void Pane::ShareFixed(const Axis& axis, Sharing& sharing) const
{
    sharing.greedy.assign(children.size(), false);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const PaneBase& child = *children[i];
        const unsigned mode = child.Mode();
        if (mode & axis.fixedBit) {
            sharing.size[i] = axis.SizeFor(child, 0);
            sharing.rest -= sharing.size[i];
        }
        sharing.greedy[i] = !(mode & (axis.fixedBit | axis.percentBit));
        sharing.min[i] = axis.Min(child);
        sharing.max[i] = axis.Max(child);
    }
    sharing.rest = std::max(sharing.rest, 0);
}

void Pane::SharePercentages(const Axis& axis, Sharing& sharing) const
{
    const int base = sharing.rest;
    std::vector<std::size_t> free;
    int slack = 0; // how far the free children could shrink before reaching their minimum
    int total = 0; // the sum of the free children's sizes
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!(children[i]->Mode() & axis.percentBit))
            continue;
        const int want = axis.SizeFor(*children[i], base);
        sharing.rest -= want;
        if (sharing.Offer(i, want)) {
            free.push_back(i);
            slack += want - sharing.min[i];
            total += want;
        }
    }

    // What the free children cannot give up is paid from the space no percentage claimed.
    if (slack < sharing.diff && sharing.rest >= sharing.diff - slack) {
        sharing.rest -= sharing.diff - slack;
        sharing.diff = slack;
    }

    while (sharing.diff != 0 && total >= 0) {
        const int diff = sharing.diff;
        int absorbed = 0;
        for (auto it = free.begin(); it != free.end();) {
            int& size = sharing.size[*it];
            const int min = sharing.min[*it];
            // Nothing left to share by proportion: one child takes the whole difference.
            const bool whole = std::abs(diff) <= kProportionalThreshold || total == 0;
            const int share = whole ? diff : diff * size / total;
            if (size - share < min) {
                absorbed += size - min;
                total -= size;
                size = min;
                it = free.erase(it);
                continue;
            }
            size -= share;
            total -= share;
            absorbed += share;
            if (whole)
                break;
            ++it;
        }
        if (absorbed == 0)
            break;
        sharing.diff -= absorbed;
    }
}

void Pane::ShareGreedy(Sharing& sharing) const
{
    int waiting = static_cast<int>(std::count(sharing.greedy.begin(), sharing.greedy.end(), true));
    std::vector<std::size_t> free, pinnedAtMin;
    int total = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!sharing.greedy[i])
            continue;
        const int want = sharing.rest / waiting--;
        sharing.rest -= want;
        if (sharing.Offer(i, want)) {
            free.push_back(i);
            total += want;
        } else if (want < sharing.min[i]) {
            pinnedAtMin.push_back(i);
        }
    }

    bool changed = true;
    while (sharing.diff != 0 && total >= 1 && changed) {
        const int diff = sharing.diff;
        int absorbed = 0;
        changed = false;
        for (std::size_t i : free) {
            int& size = sharing.size[i];
            const int min = sharing.min[i];
            int share = total > 0 ? diff * size / total : 0;
            const bool whole = std::abs(diff) <= kProportionalThreshold || share == 0;
            if (whole)
                share = diff;
            // A child that cannot give its share gives what it can and stays free.
            const int taken = size - share >= min ? share : size - min;
            size -= taken;
            total -= taken;
            absorbed += taken;
            changed = changed || taken != 0;
            if (whole && taken == share)
                break;
        }
        sharing.diff -= absorbed;
    }

    // Space that children held at their maximum left over goes to those held at their minimum.
    for (std::size_t i : pinnedAtMin) {
        if (sharing.diff >= 0)
            break;
        const int room
            = sharing.max[i] == -1 ? -sharing.diff : std::min(sharing.max[i] - sharing.min[i], -sharing.diff);
        sharing.size[i] += room;
        sharing.diff += room;
    }
}

void Pane::ShareFill(const Axis& axis, Sharing& sharing) const
{
    if (sharing.rest <= 0)
        return;
    const auto fills = [&](const CPaneBase& child) {
        const unsigned mode = child->Mode();
        return (mode & axis.fixedBit) && (mode & axis.fillBit);
    };
    int waiting = static_cast<int>(std::count_if(children.begin(), children.end(), fills));
    for (std::size_t i = 0; i < children.size() && waiting > 0; ++i) {
        if (!fills(children[i]))
            continue;
        const int gain = sharing.rest / waiting--;
        sharing.size[i] += gain;
        sharing.rest -= gain;
    }
}

void Pane::Place(const Axis& axis, const LayoutRect& rect, const Sharing& sharing) const
{
    LayoutRect cell = rect;
    int position;
    if (axis.horizontal) {
        cell.top += extraBorder;
        cell.bottom -= extraBorder;
        position = rect.left + extraBorder;
    } else {
        cell.left += extraBorder;
        cell.right -= extraBorder;
        position = rect.top + extraBorder;
    }

    for (std::size_t i = 0; i < children.size(); ++i) {
        if (axis.horizontal) {
            cell.left = position;
            cell.right = position + sharing.size[i];
        } else {
            cell.top = position;
            cell.bottom = position + sharing.size[i];
        }
        children[i]->MoveTo(cell);
        position += sharing.size[i] + border;
    }
}
