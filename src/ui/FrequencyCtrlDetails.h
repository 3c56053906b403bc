#pragma once

#include "ui/layout/ControlLookup.h"
#include "ui/layout/LayoutDialog.h"

#include "recurrence/DetailsPanel.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <initializer_list>

class TemplateRows;
struct DialogTemplate;

// The user-interface side that the four details panels share: each panel object (owned by its
// recurrence kind) has at most one window, made by Create and destroyed with the editor that hosts
// it. The editor finds the window through this interface.
class FrequencyCtrlDetails {
public:
    virtual ~FrequencyCtrlDetails() = default;

    // The panel's window, or null while no editor is open.
    QWidget* Window() const { return window; }

protected:
    // What every panel's Create does: a new window for the panel as a child of the editor (it
    // replaces any earlier one), its controls built from the template and filled from the kind
    // (OnInitDialog), then laid out (BuildLayout).
    void CreateFromTemplate(DetailsPanelParent& parent, const DialogTemplate& dialog);

    template <class Control>
    Control* Get(int id) const
    {
        return FindControl<Control>(window, id);
    }

    // The label after an interval: its unit in the singular or the plural, as the interval asks.
    void ShowUnit(int labelId, std::int32_t interval, const wchar_t* singular, const wchar_t* plural) const;

private:
    virtual void OnInitDialog() = 0;
    // The rows are those of the panel's template; a panel without a root pane keeps its controls
    // where the template puts them.
    virtual void BuildLayout(LayoutDialog& window, const TemplateRows& rows) = 0;

    QPointer<LayoutDialog> window;
};

// The panel of one kind. Every change the user makes goes the same way: the controls are read into
// the panel's values, the controls that follow them are brought up to date, and the kind hears of it.
template <class Kind>
class FrequencyCtrlKindDetails : public DetailsPanel<Kind>, public FrequencyCtrlDetails {
public:
    void Create(DetailsPanelParent& parent) override { CreateFromTemplate(parent, dialog); }

protected:
    FrequencyCtrlKindDetails(Kind& owner, const DialogTemplate& dialog)
        : owner(&owner)
        , dialog(dialog)
    {
    }

    // A change without telling the kind, for a panel just filled from it.
    void Refresh()
    {
        ReadControls();
        UpdateControls();
    }

    void OnControlChanged()
    {
        Refresh();
        this->Changed(this);
    }

    // Every emission of the signal by each of these controls is a change.
    template <class Control, class Signal, class Ids = std::initializer_list<int>>
    void ConnectChanges(const Ids& ids, Signal signal)
    {
        for (const int id : ids)
            QObject::connect(Get<Control>(id), signal, Window(), [this] { OnControlChanged(); });
    }

    Kind* const owner;

private:
    virtual void ReadControls() = 0;
    // The unit label, the controls a mode enables and whatever else follows the values just read.
    virtual void UpdateControls() = 0;

    const DialogTemplate& dialog;
};
