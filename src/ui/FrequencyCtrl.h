#pragma once

#include "ui/layout/LayoutDialog.h"

#include "recurrence/DetailsPanel.h"
#include "recurrence/Frequency.h"
#include "recurrence/Trackable.h"

class DialogUnits;
class QComboBox;
class WordEllipsisLabel;

// The frequency editor: a kind selector, the description of the rule in force and the details
// panel of the selected kind. It edits the caller's Frequency in place: every change reaches the
// model at once, and nothing is undone when the host dialog is cancelled. Its connections to the
// kinds end with it, so a Frequency outlives any number of editors.
class FrequencyCtrl : public LayoutDialog, public DetailsPanelParent, public Trackable {
    Q_OBJECT

public:
    FrequencyCtrl();

    // The rule to edit; to be set before Create.
    void SetFrequency(Frequency& edited);
    // Makes the editor a panel inside host, from its template, with a window for each kind's
    // details panel.
    void Create(QWidget& host);

    void OnKindSelChange();
    void OnFrequencyChanged(FrequencyBase* kind);
    void UpdateDescription();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void BuildLayout(const DialogUnits& units);
    QWidget* PanelWindow(const Frequency::Kind& entry) const;

    Frequency* frequency = nullptr;
    QComboBox* kindCombo = nullptr;
    WordEllipsisLabel* description = nullptr;
};
