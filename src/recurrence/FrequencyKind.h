#pragma once

#include "recurrence/DetailsPanel.h"
#include "recurrence/FrequencyBase.h"

#include <memory>

// What the four kinds share: each owns the object of its editor panel. The object is made the first
// time an editor asks for it, because the user interface installs its makers only after the program
// has started; from then on the panel's changes reach the kind's OnPanelChanged.
template <class Kind>
class FrequencyKind : public FrequencyBase {
public:
    DetailsPanelBase* GetDetailsPanel() override { return panel.get(); }

    void CreateDetailsPanel(DetailsPanelParent& parent) override
    {
        if (!panel) {
            Kind& kind = static_cast<Kind&>(*this);
            panel = DetailsPanel<Kind>::Make(kind);
            if (panel)
                panel->Changed.connect(
                    [&kind](DetailsPanel<Kind>* changed) { kind.OnPanelChanged(changed); });
        }
        if (panel)
            panel->Create(parent);
    }

protected:
    ~FrequencyKind() = default;

private:
    std::unique_ptr<DetailsPanel<Kind>> panel;
};
