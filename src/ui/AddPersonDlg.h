#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

// Asks for the name of a person, for adding one or renaming one (editMode). It only collects the
// name: checking it against the roster and storing it is the caller's work.
class AddPersonDlg : public QDialog {
public:
    explicit AddPersonDlg(bool editMode, QWidget* parent = nullptr);

    // The name the field starts with; to be called before the dialog is shown.
    void SetName(const std::wstring& text);
    // The name as it was when OK was accepted.
    std::wstring GetName() const { return name; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::wstring name;
    QLineEdit* nameEdit;
    bool editMode;
    bool opened = false;
};
