#pragma once

#include "roster/Person.h"

#include <QDialog>

class QDateEdit;
class QListWidget;
class QPushButton;

// The days a person is away, as periods from a first to a last day. The periods are edited in the
// two date fields below the list; the person changes only when the user presses OK.
class AwayDlg : public QDialog {
    Q_OBJECT

public:
    AwayDlg(Person& person, QWidget* parent = nullptr);

    QListWidget& PeriodList() { return *periodList; }
    QDateEdit& FromField() { return *fromField; }
    QDateEdit& UntilField() { return *untilField; }
    QPushButton& AddButton() { return *addButton; }
    QPushButton& ChangeButton() { return *changeButton; }
    QPushButton& RemoveButton() { return *removeButton; }

    void accept() override;

private:
    QWidget* FieldRow();
    QWidget* ButtonColumn();
    void FillList();
    bool EnteredPeriod(AwayPeriod& period);
    void OnAdd();
    void OnChange();
    void OnRemove();
    void OnSelectionChanged();

    Person& person;
    Person::AwayList periods;
    QListWidget* periodList = nullptr;
    QDateEdit* fromField = nullptr;
    QDateEdit* untilField = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* removeButton = nullptr;
};
