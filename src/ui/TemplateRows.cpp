#include "ui/TemplateRows.h"

#include "ui/layout/LayoutMgr.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
// Controls in a row keep their size and sit in the middle of the row's height.
constexpr unsigned kCentred = FixedWidth | FixedHeight | AlignTop | AlignBottom;
} // namespace

TemplateRows::TemplateRows(LayoutMgr& layout, const DialogUnits& units,
                           std::span<const ControlTemplate> controls)
    : layout(layout)
    , units(units)
    , controls(controls)
{
}

std::shared_ptr<Pane> TemplateRows::Row(std::initializer_list<Cell> cells) const
{
    auto row = layout.NewPane(Horizontal);
    int right = 0;
    for (const Cell& cell : cells) {
        const int least = right == 0 ? 0 : units.X(kCaptionGap);
        const int gap = std::max(units.X(Find(cell.id).x) - right, least);
        row->Add(layout.NewItem(nullptr, FixedWidth | FixedHeight, gap, 0), FixedWidth, 0);
        int width = 0;
        if (cell.column) {
            row->Add(cell.column, FixedWidth | AlignTop, 0);
            width = cell.column->MinWidth();
        } else {
            auto item = layout.NewItem(cell.id, kCentred);
            width = item->MinWidth();
            row->Add(item, kCentred, 0);
        }
        right += gap + width;
    }
    return row;
}

std::shared_ptr<Pane> TemplateRows::Column(std::initializer_list<int> ids) const
{
    auto column = layout.NewPane(Vertical);
    for (const int id : ids)
        column->Add(layout.NewItem(id, FixedWidth | FixedHeight), FixedWidth | FixedHeight, 0);
    return column;
}

void TemplateRows::Stack(Pane& root, std::initializer_list<std::pair<std::shared_ptr<Pane>, int>> rows) const
{
    int bottom = 0;
    for (const auto& [row, anchorId] : rows) {
        const int gap = std::max(units.Y(Find(anchorId).y) - bottom, 0);
        root.Add(layout.NewItem(nullptr, FixedWidth | FixedHeight, 0, gap), FixedHeight, 0);
        root.Add(row, FixedHeight, 0);
        bottom += gap + row->MinHeight();
    }
}

const ControlTemplate& TemplateRows::Find(int id) const
{
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [id](const ControlTemplate& control) { return control.id == id; });
    if (found == controls.end())
        throw std::invalid_argument("no control " + std::to_string(id) + " in the panel's template");
    return *found;
}
