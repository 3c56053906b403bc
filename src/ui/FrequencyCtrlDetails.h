#pragma once

#include "ui/DialogTemplate.h"
#include "ui/layout/ControlLookup.h"

#include <QPointer>
#include <QWidget>

class DetailsPanelParent;

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
