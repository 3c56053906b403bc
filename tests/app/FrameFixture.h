#pragma once

#include "FreshDataFolder.h"

#include "app/CMainFrame.h"
#include "ui/MessageBox.h"

#include "roster/RosterCollection.h"

#include <QSettings>

#include <memory>

// A main frame on a data folder and settings of the test's own, as a start of the program makes it:
// each Open is a new run with a new roster collection read from the folder.
class FrameFixture : public FreshDataFolder {
protected:
    FrameFixture();
    void SetUp() override;
    void TearDown() override;

    // Makes the frame and shows it as the active window.
    CMainFrame& Open();
    // Closes the frame as the user does, then lets it go.
    void Close();

    // The program's settings.
    static QSettings Settings();
    std::string Saved() const { return Read(RostersFile()); }
    // Every roster name in the collection, in order.
    std::vector<std::wstring> RosterNames() const;

    std::unique_ptr<RosterCollection> rosters;
    std::unique_ptr<CMainFrame> frame;
    MessageBoxScript messages;
};
