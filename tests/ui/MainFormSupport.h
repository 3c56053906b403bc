#pragma once

#include "ui/QuillmereView.h"

#include "roster/RosterCollection.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>

class QDialog;
class QListWidget;
class QTreeWidget;

// A roster of these persons and tasks; the tasks keep their default rule (every day).
Roster MakeRoster(const wchar_t* name, std::initializer_list<const wchar_t*> persons = {},
                  std::initializer_list<const wchar_t*> tasks = {});

// Runs the action on the next modal dialog as soon as it is open, and closes the dialog if the
// action left it open, so that a test never waits for a person.
void WhenDialogOpens(std::function<void(QDialog&)> action);
// A person or task dialog answered with this name (typed into the emptied field) and OK.
std::function<void(QDialog&)> TypeNameAndOk(const QString& name);

// The main form in a plain main window, on a collection of the test's own.
class MainFormWindow {
public:
    explicit MainFormWindow(RosterCollection& rosters);

    QuillmereView& View() { return *view; }
    QMainWindow& Window() { return window; }
    QListWidget& RosterList();
    QListWidget& PersonList();
    QTreeWidget& TaskList();

    void Click(int controlId);
    bool Enabled(int controlId);
    void ClickRoster(int row);
    void ClickPerson(int row);
    void ClickTask(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    QStringList RosterNames();
    QStringList PersonNames();
    // Each task row as "name | frequency".
    QStringList TaskRows();

private:
    QMainWindow window;
    QuillmereView* view;
};
