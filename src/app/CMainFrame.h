#pragma once

#include "app/RosterSaver.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QuillmereView;
class RotaWindow;
class RosterCollection;

// The main window: the menu bar over the main form. It reads the rosters when it is made, writes
// them after every command that changed them and once more when it closes, and cannot be made
// smaller than the form was designed.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(RosterCollection& rosters, QWidget* parent = nullptr);
    // A frame that goes without being closed still saves, once.
    ~CMainFrame() override;

    QuillmereView& View() { return *view; }
    // The menu command of this identifier (see MenuCommandId), or null.
    QAction* Command(int commandId) const;

public Q_SLOTS:
    void OnFilePrintSetup();
    void OnAppAbout();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RecordLook();
    void LoadRosters();
    void CreateMenuBar();
    QAction* AddCommand(QMenu& menu, const QString& label, int commandId, void (CMainFrame::*handler)());
    void OnNewRoster();
    void OnShowRota();
    void OnRotation();
    void OnFileExportPdf();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnAppExit();
    void OnRostersChanged();
    void KeepFormWhole();
    void RestorePlacement();
    void FitOnScreen(bool centre);
    void ReportUnreadableFile();
    void SaveAtExitOnce();

    RosterCollection& rosters;
    RosterSaver saver;
    QuillmereView* view = nullptr;
    RotaWindow* rota = nullptr;
    bool shownBefore = false;
    bool exiting = false;
};
