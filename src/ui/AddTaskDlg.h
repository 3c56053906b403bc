#pragma once

#include "ui/FrequencyCtrl.h"

#include "storage/XmlDocument.h"

#include <QDialog>

#include <string>

class QLineEdit;

// Asks for the name of a task and lets the user edit its recurrence in the frequency editor, for
// adding a task or editing one (editMode). The editor changes the caller's Frequency as the user
// works; Cancel puts the rule back as it was when the dialog opened. The name waits for OK.
class AddTaskDlg : public QDialog {
public:
    explicit AddTaskDlg(bool editMode, QWidget* parent = nullptr);

    // The name the field starts with; to be called before the dialog is shown.
    void SetName(const std::wstring& text);
    // The name as it was when OK was accepted.
    std::wstring GetName() const { return name; }
    // The rule the editor shows and changes in place; to be set before the dialog is shown.
    void SetFrequency(Frequency& edited);

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void WidenBy(int pixels);
    void RestoreFrequency();

    std::wstring name;
    bool editMode;
    Frequency* frequency = nullptr;
    // The rule as it was when the dialog opened, in its saved form: all four kinds and the selection.
    XmlDocument snapshot;
    FrequencyCtrl frequencyCtrl;
    QLineEdit* nameEdit;
    bool opened = false;
};
