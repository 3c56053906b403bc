#include "ui/layout/PaneItem.h"

#include <algorithm>

namespace {
// Nothing is ever laid out narrower than this, whatever its own minimum says.
constexpr int kSmallestMinimum = 5;

int SizeFor(unsigned mode, unsigned fixedBit, unsigned percentBit, int size, int available)
{
    if (mode & fixedBit)
        return size;
    if (mode & percentBit)
        return available * size / 100;
    return -1;
}

// Places an extent of `length` inside [start, end) as the alignment bits ask.
void Align(unsigned mode, unsigned startBit, unsigned endBit, int length, int& start, int& end)
{
    const bool toStart = mode & startBit, toEnd = mode & endBit;
    if (toStart && toEnd)
        start += (end - start - length) / 2;
    else if (toEnd)
        start = end - length;
    end = start + length;
}
} // namespace

PaneItem::PaneItem(unsigned mode, int sizeX, int sizeY, int minX, int minY)
    : PaneBase(mode)
    , sizeX(sizeX)
    , sizeY(sizeY)
    , minX(minX)
    , minY(minY)
{
}

PaneItem::PaneItem(std::unique_ptr<LayoutControl> control, unsigned mode, int sizeX, int sizeY, int minX,
                   int minY, bool hideFlag)
    : PaneBase(mode)
    , control(std::move(control))
    , sizeX(sizeX)
    , sizeY(sizeY)
    , minX(minX)
    , minY(minY)
    , hideFlag(hideFlag)
{
    const LayoutSize current = this->control->CurrentSize();
    if (this->sizeX == 0)
        this->sizeX = current.width;
    if (this->sizeY == 0)
        this->sizeY = current.height;
    if (this->minX == -1)
        this->minX = current.width;
    if (this->minY == -1)
        this->minY = current.height;
    isComboBox = this->control->IsDropDownComboBox();
}

bool PaneItem::TakesNoSpace() const
{
    return hideFlag && control && !control->IsVisible();
}

int PaneItem::WidthFor(int available) const
{
    return TakesNoSpace() ? 0 : SizeFor(Mode(), FixedWidth, PercentWidth, sizeX, available);
}

int PaneItem::HeightFor(int available) const
{
    return TakesNoSpace() ? 0 : SizeFor(Mode(), FixedHeight, PercentHeight, sizeY, available);
}

int PaneItem::MinWidth() const
{
    if (TakesNoSpace())
        return 0;
    return (Mode() & FixedWidth) ? sizeX : std::max(minX, kSmallestMinimum);
}

int PaneItem::MaxWidth() const
{
    if (TakesNoSpace())
        return 0;
    return (Mode() & FixedWidth) ? sizeX : -1;
}

int PaneItem::MinHeight() const
{
    if (TakesNoSpace())
        return 0;
    return (Mode() & FixedHeight) ? sizeY : std::max(minY, kSmallestMinimum);
}

int PaneItem::MaxHeight() const
{
    if (TakesNoSpace())
        return 0;
    return (Mode() & FixedHeight) ? sizeY : -1;
}

bool PaneItem::MoveTo(const LayoutRect& cell)
{
    if (!control || TakesNoSpace())
        return true;

    // A fixed size is the control's own current size, kept inside a wider or taller cell.
    const LayoutSize current = control->CurrentSize();
    LayoutRect target = cell;
    const unsigned mode = Mode();
    if ((mode & FixedWidth) && !(mode & FillWidth))
        Align(mode, AlignLeft, AlignRight, current.width, target.left, target.right);
    if ((mode & FixedHeight) && !(mode & FillHeight))
        Align(mode, AlignTop, AlignBottom, current.height, target.top, target.bottom);
    if (isComboBox)
        target.bottom = target.top + current.height;

    control->MoveTo(target);
    return true;
}
