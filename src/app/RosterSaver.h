#pragma once

#include <QString>

class QWidget;
class RosterCollection;

// Writes the rosters to their file and makes sure the user hears of every save that failed: the
// collection's own Save stays silent, so this is where its outcome is looked at.
class RosterSaver {
public:
    RosterSaver(RosterCollection& rosters, QWidget* window);

    // After a command changed the rosters. A failure is told once; the next failures stay quiet
    // until a save has succeeded again, so that a broken folder does not stop every click.
    void SaveAfterChange();
    // When the program ends: as long as the save fails, asks whether to try again (Yes) or to end
    // without saving (No).
    void SaveAtExit();

private:
    bool Save();
    QString FailureText() const;

    RosterCollection& rosters;
    QWidget* window;
    bool failureShown = false;
};
