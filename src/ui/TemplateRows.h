#pragma once

#include "ui/DialogTemplate.h"

#include <initializer_list>
#include <memory>
#include <span>
#include <utility>

class LayoutMgr;
class Pane;

// Builds a panel's layout from its template: rows of controls, each control at its template width
// and at its template distance from its left neighbour, centred on the height of its row.
class TemplateRows {
public:
    // One place in a row: a control, or a column of controls placed by the template position of
    // its control anchorId.
    struct Cell {
        Cell(int id)
            : id(id)
        {
        }
        Cell(std::shared_ptr<Pane> column, int anchorId)
            : id(anchorId)
            , column(std::move(column))
        {
        }
        int id;
        std::shared_ptr<Pane> column;
    };

    TemplateRows(LayoutMgr& layout, const DialogUnits& units, std::span<const ControlTemplate> controls);

    // The cells side by side, from the left edge of the panel.
    std::shared_ptr<Pane> Row(std::initializer_list<Cell> cells) const;
    // A column of controls at their template heights, one below the other.
    std::shared_ptr<Pane> Column(std::initializer_list<int> ids) const;
    // The rows one below the other, each at its template distance from the row above. Every row
    // is given with the id of one of its controls, whose template top is the row's top.
    void Stack(Pane& root, std::initializer_list<std::pair<std::shared_ptr<Pane>, int>> rows) const;

private:
    const ControlTemplate& Find(int id) const;

    LayoutMgr& layout;
    const DialogUnits& units;
    std::span<const ControlTemplate> controls;
};
