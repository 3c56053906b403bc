#include "app/QuillmereApp.h"

#include "app/CMainFrame.h"
#include "app/InstanceLock.h"
#include "app/ProductInfo.h"
#include "app/ReadyAnnouncer.h"
#include "app/TerminationSignals.h"

#include "ui/ControlIds.h"
#include "ui/MessageBox.h"
#include "ui/resources/UiResources.h"

#include "roster/RosterCollection.h"
#include "storage/DataFolder.h"

#include <QSessionManager>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Holds back what Qt says while the application object is made. When Qt cannot reach a display it
// ends the process with a screenful of advice; the user gets one clear line instead.
class StartupMessages {
public:
    StartupMessages() { previous = qInstallMessageHandler(&StartupMessages::Hold); }
    ~StartupMessages() { Release(); }

    // From here on messages go their usual way, the held ones first.
    void Release()
    {
        if (released)
            return;
        released = true;
        qInstallMessageHandler(previous);
        for (const Held& message : held())
            qt_message_output(message.type, QMessageLogContext(), message.text);
        held().clear();
    }

private:
    struct Held {
        QtMsgType type;
        QString text;
    };
    static std::vector<Held>& held()
    {
        static std::vector<Held> messages;
        return messages;
    }
    static void Hold(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtFatalMsg) {
            std::fputs("Brindlewick cannot start: no graphical display could be opened "
                       "(is DISPLAY or WAYLAND_DISPLAY set?).\n",
                       stderr);
            std::_Exit(EXIT_FAILURE);
        }
        held().push_back({type, text});
    }

    QtMessageHandler previous = nullptr;
    bool released = false;
};

} // namespace

QuillmereApp::QuillmereApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

// The window goes while the roster collection still lives.
QuillmereApp::~QuillmereApp()
{
    mainFrame.reset();
}

int QuillmereApp::Run(int& argc, char** argv)
{
    std::unique_ptr<QuillmereApp> app;
    {
        StartupMessages messages;
        app = std::make_unique<QuillmereApp>(argc, argv);
    }
    if (!app->InitInstance())
        return app->ExitCode();
    return app->exec();
}

// Windows needed common controls, COM, control hosting and a document template registered first;
// Qt has its widgets, the XML engine needs no set-up and the frame makes its form and document
// itself, so the steps left are those below. Qt takes its own command-line options when the
// application object is made; the program has none of its own.
bool QuillmereApp::InitInstance()
{
    NameSettings();
    setWindowIcon(ResourceIcon(AppResourceId::kMainFrame));
    if (!TakeInstanceLock())
        return false;
    mainFrame = std::make_unique<CMainFrame>(RosterCollection::Instance());
    FollowEndRequests();
    ReadyAnnouncer::Watch(*mainFrame);
    mainFrame->show();
    return true;
}

// Settings live in ~/.config/Brindlewick/Brindlewick.conf; the desktop finds the window's entry and
// icon by the desktop name.
void QuillmereApp::NameSettings()
{
    setOrganizationName(QString::fromLatin1(ProductInfo::kName));
    setApplicationName(QString::fromLatin1(ProductInfo::kName));
    setApplicationVersion(QString::fromLatin1(ProductInfo::kVersionText));
    setDesktopFileName(QString::fromLatin1(ProductInfo::kDesktopId));
}

bool QuillmereApp::TakeInstanceLock()
{
    instanceLock = std::make_unique<InstanceLock>(DataFolder::Ensure());
    if (instanceLock->Acquire() != InstanceLock::Result::HeldByOther)
        return true;
    // Said on the terminal too, for a start from a script or a launcher that hides the box.
    const QString text = QStringLiteral("Brindlewick is already running.");
    std::fprintf(stderr, "%s\n", qPrintable(text));
    MessageBox::Error(nullptr, text);
    exitCode = EXIT_FAILURE;
    return false;
}

void QuillmereApp::FollowEndRequests()
{
    auto* signals = new TerminationSignals(this);
    connect(signals, &TerminationSignals::Received, this, &QuillmereApp::EndSession);
    connect(this, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { EndSession(); });
}

// Ends the program as Exit does, with its one last save, even while a dialog or message box is
// open: exit() leaves their event loops too, and the command they belong to comes back to a
// window that has already saved.
void QuillmereApp::EndSession()
{
    mainFrame->close();
    exit(0);
}
