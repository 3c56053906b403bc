#pragma once

#include "ui/QuillmereDoc.h"
#include "ui/layout/LayoutFormView.h"

#include "print/RosterPrintout.h"
#include "recurrence/Date.h"
#include "recurrence/Trackable.h"

#include <QIcon>
#include <QPrinter>
#include <QSize>
#include <QStringList>

#include <initializer_list>
#include <memory>

class DialogUnits;
class Person;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class Roster;
class RosterCollection;
class Task;

// The main window's form: the rosters as icons on the left; on the right the persons and tasks of
// the roster selected there, the period to print and the Print! button. Every edit goes straight
// into the records of the roster collection; there is nothing to apply or save here.
class QuillmereView : public LayoutFormView, public Trackable {
    Q_OBJECT

public:
    // The view shows and edits these rosters and follows their notifications for its whole life.
    explicit QuillmereView(RosterCollection& rosters, QWidget* parent = nullptr);
    ~QuillmereView() override;

    // Adds a roster called "New roster" and opens its name for editing.
    void NewRoster();
    // True when the current roster may be printed; otherwise tells the user what is missing.
    bool ValidateForPrinting();
    // What keeps the current roster from being printed, one line each; empty when it may be. Shows
    // nothing, for windows that tell the user in their own way.
    QStringList PrintProblems() const;
    // The period to print, both days included. It belongs to the view, not to a roster.
    Date GetFromDate() const;
    Date GetUntilDate() const;
    // The form's size when it was made; the main window is not to be made smaller.
    QSize GetDesignSize() const { return designSize; }
    // The document of the print jobs; its title names them.
    const QuillmereDoc& PrintDocument() const { return printDocument; }
    // The printer and page settings of this session, kept from one print job to the next. Made on
    // first use: asking the print system for its printers would hold up the window's start.
    QPrinter& Printer();

public Q_SLOTS:
    void OnFilePrint();
    void OnFilePrintPreview();
    // The printed pages written to a PDF file that the user names.
    void OnFileExportPdf();
    // The rotation settings of the current roster, in a dialog.
    void OnRotation();
    // The away periods of the selected person, in a dialog.
    void OnAway();

Q_SIGNALS:
    // Another roster is shown, or none.
    void CurrentRosterChanged();
    // The From or the Until date changed.
    void PeriodChanged();
    // A command has changed the rosters (one added, renamed or deleted; a person or task added,
    // edited or deleted). Sent once the command is over, so the records are complete.
    void RostersChanged();
    // The user asked for the rota of the current roster from the roster list's context menu.
    void ShowRotaRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitialUpdate(const DialogUnits& units);
    void BindControls();
    void ConnectControls();
    void SetUpLists();
    void SetUpImages();
    void BuildLayout(const DialogUnits& units);
    CPaneBase NamedListRow(int pictureId, int frameId, int listId, int caption,
                           std::initializer_list<int> buttonIds);
    CPaneBase PeriodRow(int caption);
    CPaneBase ButtonRow(unsigned buttonMode, std::initializer_list<int> buttonIds);
    void SetPeriod();

    void OnRosterAdded();
    void RefillRosterList();
    void ArrangeRosterIcons();
    void OnRosterSelectionChanged();
    void SelectRoster(int index);
    void FillPersonList(const Roster& roster);
    void FillTaskList(const Roster& roster);
    void AppendTaskRow(const std::shared_ptr<Task>& task);
    void ShowTask(QTreeWidgetItem& row, const Task& task);
    void SizeTaskColumns();
    void ClearRosterDetails();
    void EnableRosterControls(bool on);

    void OnDeleteRoster();
    void OnRenameRoster();
    bool OnRosterLabelEdited(int index, const QString& text);
    void OnAddPerson();
    void OnEditPerson();
    void OnDeletePerson();
    void OnPersonSelectionChanged();
    void OnAddTask();
    void OnEditTask();
    void OnDeleteTask();
    void OnTaskSelectionChanged();
    void OnRosterContextMenu(const QPoint& position);
    void OnPersonContextMenu(const QPoint& position);
    void Print(bool preview);

    RosterCollection& rosters;
    QListWidget* rosterList = nullptr;
    QTreeWidget* taskList = nullptr;
    QIcon rosterImage;
    QPushButton* printButton = nullptr;
    QPushButton* newRosterButton = nullptr;
    QPushButton* deleteRosterButton = nullptr;
    QPushButton* renameRosterButton = nullptr;
    QPushButton* addPersonButton = nullptr;
    QPushButton* editPersonButton = nullptr;
    QPushButton* deletePersonButton = nullptr;
    QPushButton* addTaskButton = nullptr;
    QPushButton* editTaskButton = nullptr;
    QPushButton* deleteTaskButton = nullptr;
    QListWidget* personList = nullptr;
    QLabel* peoplePicture = nullptr;
    QLabel* tasksPicture = nullptr;
    QLabel* periodPicture = nullptr;
    QSize designSize;
    QDateEdit* fromDate = nullptr;
    QDateEdit* untilDate = nullptr;
    QuillmereDoc printDocument;
    std::unique_ptr<QPrinter> printer;
    RosterPrintout printout;
};
