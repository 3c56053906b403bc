#pragma once

#include "ui/DialogTemplate.h"
#include "ui/layout/ControlLookup.h"

#include "recurrence/Vocabulary.h"

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <memory>
#include <span>

class DetailsPanelParent;
class LayoutMgr;
class Pane;
class QComboBox;

// The user-interface side that the four details panels share: each panel object (owned by its
// recurrence kind) has at most one window, made by Create and destroyed with the editor that hosts
// it. The editor finds the window through this interface.
class FrequencyCtrlDetails {
public:
    virtual ~FrequencyCtrlDetails() = default;

    // The panel's window, or null while no editor is open.
    QWidget* Window() const { return window; }

protected:
    // A new window for the panel as a child of the editor; it replaces any earlier one.
    template <class PanelWindow>
    PanelWindow* NewWindow(DetailsPanelParent& parent);

    template <class Control>
    Control* Get(int id) const
    {
        return FindControl<Control>(window, id);
    }

private:
    static QWidget& EditorWidget(DetailsPanelParent& parent);

    QPointer<QWidget> window;
};

template <class PanelWindow>
PanelWindow* FrequencyCtrlDetails::NewWindow(DetailsPanelParent& parent)
{
    auto* created = new PanelWindow(&EditorWidget(parent));
    // A dialog class serves as a panel inside the editor, not as a window of its own.
    created->setWindowFlags(Qt::Widget);
    window = created;
    return created;
}

// Combo boxes that list numbers from 1 ("1", "2", ...): the item index is the number minus one.
void FillNumbers(QComboBox& combo, int last);
// Selects the number, or nothing when the list does not hold it.
void SelectNumber(QComboBox& combo, int number);
// The selected number; value is left alone when nothing is selected.
void ReadNumber(const QComboBox& combo, std::int32_t& value);

// Vocabulary combo boxes hold the display texts of a table in table order, each item carrying its
// row's value. Selecting fills an empty box from its table first.
void SelectValue(QComboBox& combo, VocabularyTable table, std::int32_t value);
// The value of the selected item when it is one of the table's; value is left alone otherwise.
void ReadValue(const QComboBox& combo, VocabularyTable table, std::int32_t& value);

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
