#include "app/CMainFrame.h"

#include "app/AboutDlg.h"
#include "app/ProductInfo.h"
#include "app/UserGuide.h"

#include "ui/ControlIds.h"
#include "ui/MessageBox.h"
#include "ui/QuillmereView.h"
#include "ui/RotaWindow.h"
#include "ui/resources/UiResources.h"

#include "roster/RosterCollection.h"
#include "roster/SampleRoster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace {
using LoadResult = RosterCollection::StorageReport::LoadResult;

const QString kLookKey = QStringLiteral("ApplicationLook");
const QString kGeometryKey = QStringLiteral("MainFrame/Geometry");

QSettings Settings()
{
    return QSettings(QString::fromLatin1(ProductInfo::kName), QString::fromLatin1(ProductInfo::kName));
}

// The start of a span of this length inside [low, low + room), as near to start as it can be.
int Inside(int start, int length, int low, int room)
{
    return std::clamp(start, low, std::max(low, low + room - length));
}
} // namespace

CMainFrame::CMainFrame(RosterCollection& rosters, QWidget* parent)
    : QMainWindow(parent)
    , rosters(rosters)
    , saver(rosters, this)
{
    setWindowTitle(QString::fromLatin1(ProductInfo::kName));
    setWindowIcon(ResourceIcon(AppResourceId::kMainFrame));
    RecordLook();
    // The form fills its lists from the collection when it is made, once, instead of again for
    // every roster the file brings.
    LoadRosters();
    view = new QuillmereView(rosters, this);
    setCentralWidget(view);
    CreateMenuBar();
    connect(view, &QuillmereView::RostersChanged, this, &CMainFrame::OnRostersChanged);
    rota = new RotaWindow(*view, rosters, this);
    connect(view, &QuillmereView::ShowRotaRequested, rota, &RotaWindow::ShowAndRaise);
    KeepFormWhole();
    RestorePlacement();
}

CMainFrame::~CMainFrame()
{
    SaveAtExitOnce();
    // The form's children go after this part of the frame; a name editor they close must not reach it.
    view->disconnect(this);
}

// The look is the desktop's own Qt style and palette, light or dark; what is recorded only keeps
// the settings as the earlier versions left them.
void CMainFrame::RecordLook()
{
    Settings().setValue(kLookKey, AppResourceId::kApplicationLook);
}

// The sample roster is a change like any other: saved at once, a first run that is killed does not
// have to start over.
void CMainFrame::LoadRosters()
{
    rosters.Load();
    if (!rosters.IsFirstRun())
        return;
    rosters.Add(BuildSampleRoster());
    saver.SaveAfterChange();
}

void CMainFrame::CreateMenuBar()
{
    using namespace MenuCommandId;
    QMenu& file = *menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(file, QStringLiteral("&New roster...\tCtrl+N"), kNewRoster, &CMainFrame::OnNewRoster)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(file, QStringLiteral("Show &Rota...\tCtrl+R"), kShowRota, &CMainFrame::OnShowRota)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    AddCommand(file, QStringLiteral("Rotation..."), kRotation, &CMainFrame::OnRotation);
    file.addSeparator();
    AddCommand(file, QStringLiteral("Print Pre&view"), kPrintPreview, &CMainFrame::OnFilePrintPreview);
    AddCommand(file, QStringLiteral("&Print...\tCtrl+P"), kPrint, &CMainFrame::OnFilePrint)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AddCommand(file, QStringLiteral("P&rint Setup..."), kPrintSetup, &CMainFrame::OnFilePrintSetup);
    AddCommand(file, QStringLiteral("E&xport PDF..."), kExportPdf, &CMainFrame::OnFileExportPdf);
    file.addSeparator();
    AddCommand(file, QStringLiteral("E&xit"), kExit, &CMainFrame::OnAppExit);

    QMenu& help = *menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, QStringLiteral("&About Brindlewick..."), kAbout, &CMainFrame::OnAppAbout);
}

QAction* CMainFrame::AddCommand(QMenu& menu, const QString& label, int commandId,
                                void (CMainFrame::*handler)())
{
    QAction* action = menu.addAction(label);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QAction* CMainFrame::Command(int commandId) const
{
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->data().toInt() == commandId)
                return action;
        }
    }
    return nullptr;
}

void CMainFrame::OnNewRoster()
{
    view->NewRoster();
}

void CMainFrame::OnShowRota()
{
    rota->ShowAndRaise();
}

void CMainFrame::OnRotation()
{
    view->OnRotation();
}

void CMainFrame::OnFileExportPdf()
{
    view->OnFileExportPdf();
}

void CMainFrame::OnFilePrint()
{
    view->OnFilePrint();
}

void CMainFrame::OnFilePrintPreview()
{
    view->OnFilePrintPreview();
}

// The page set up here is the one the next print job and preview start from.
void CMainFrame::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&view->Printer(), this);
    dialog.exec();
}

// Through close(), so that Exit saves and remembers the window exactly as the close button does.
void CMainFrame::OnAppExit()
{
    close();
}

void CMainFrame::OnAppAbout()
{
    AboutDlg about(this);
    about.SetProductName(QString::fromLatin1(ProductInfo::kName));
    about.SetWebPage(UserGuideAddress());
    about.SetVersion(QString::fromLatin1(ProductInfo::kVersionText));
    about.exec();
}

// From the exit on, changes wait for the exit save, which takes them all at once; one that a
// command still finishes after it goes nowhere, as the exit save is the last one.
void CMainFrame::OnRostersChanged()
{
    if (!exiting)
        saver.SaveAfterChange();
}

// Qt keeps the window frame out of a window's size limits, so the extra beyond the form is the
// menu bar's height.
void CMainFrame::KeepFormWhole()
{
    const QSize design = view->GetDesignSize();
    if (design.width() == 0)
        return;
    setMinimumSize(design + QSize(0, menuBar()->sizeHint().height()));
}

// A window placed where no screen is now (a monitor unplugged since) comes back in sight.
void CMainFrame::RestorePlacement()
{
    const bool restored = restoreGeometry(Settings().value(kGeometryKey).toByteArray());
    if (!restored)
        resize(minimumSize());
    FitOnScreen(!restored);
}

// Before the window is shown the window system has not told the size of its frame yet, so the
// window is fitted again once it is on the screen.
void CMainFrame::FitOnScreen(bool centre)
{
    QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
        centre = true;
    }
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - size();
    resize(size().boundedTo(area.size() - frameExtra).expandedTo(minimumSize()));
    QRect outer = frameGeometry();
    if (centre)
        outer.moveCenter(area.center());
    const QPoint inside(Inside(outer.left(), outer.width(), area.left(), area.width()),
                        Inside(outer.top(), outer.height(), area.top(), area.height()));
    // Moving a window that is in place would shift it by its frame before it is shown.
    if (inside != frameGeometry().topLeft())
        move(inside);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownBefore)
        return;
    shownBefore = true;
    FitOnScreen(false);
    // Over the window, once it is there, so that the user sees what started without its rosters.
    if (rosters.LastStorageReport().load == LoadResult::Unreadable)
        QTimer::singleShot(0, this, &CMainFrame::ReportUnreadableFile);
}

void CMainFrame::ReportUnreadableFile()
{
    const QString file = QString::fromStdWString(rosters.RostersFilePath());
    MessageBox::Error(this,
                      QStringLiteral("The roster file\n%1\ncould not be read, so Brindlewick started "
                                     "without your rosters.\n\nThe file is left as it is: before "
                                     "anything is saved, it is kept beside the new one under a name "
                                     "ending in \".unreadable-\" and the date and time.")
                          .arg(file));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!exiting)
        Settings().setValue(kGeometryKey, saveGeometry());
    SaveAtExitOnce();
    QMainWindow::closeEvent(event);
}

// A roster name still being typed is part of the user's work: it is taken before the save, as a
// click elsewhere would take it.
void CMainFrame::SaveAtExitOnce()
{
    if (exiting)
        return;
    exiting = true;
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        focus->clearFocus();
    saver.SaveAtExit();
}
