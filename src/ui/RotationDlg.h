#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;
class QRadioButton;
class QTableWidget;
class Roster;

// How the roster hands out its due dates: where its rotation is counted from, whether the tasks
// start with different persons, in turn or balanced, and each task's turn length and effort. The
// roster changes only when the user presses OK.
class RotationDlg : public QDialog {
    Q_OBJECT

public:
    enum TaskColumn { NameColumn, TurnLengthColumn, EffortColumn };

    RotationDlg(Roster& roster, QWidget* parent = nullptr);

    QCheckBox& CountFrom() { return *countFrom; }
    QDateEdit& FromField() { return *fromField; }
    QCheckBox& Staggered() { return *staggered; }
    QRadioButton& InTurn() { return *inTurn; }
    QRadioButton& Balanced() { return *balanced; }
    QTableWidget& TaskTable() { return *taskTable; }

    void accept() override;

private:
    QWidget* OrderBox();
    QWidget* TaskBox();
    void ShowRoster();
    void ShowTaskRow(int row);
    void EnableInTurnOptions();
    void WriteTasks();

    Roster& roster;
    QCheckBox* countFrom = nullptr;
    QDateEdit* fromField = nullptr;
    QCheckBox* staggered = nullptr;
    QRadioButton* inTurn = nullptr;
    QRadioButton* balanced = nullptr;
    QTableWidget* taskTable = nullptr;
};
