#pragma once

#include <QApplication>

#include <memory>

class CMainFrame;
class InstanceLock;

// The application: starts the program, makes its one main window and ends it when the user, the
// desktop session or a termination signal asks.
class QuillmereApp : public QApplication {
    Q_OBJECT

public:
    QuillmereApp(int& argc, char** argv);
    ~QuillmereApp() override;

    // The whole program, from the command line to its exit code. A machine without a display gets
    // one line saying so and a non-zero exit code, not Qt's abort.
    static int Run(int& argc, char** argv);

    // The start-up steps. False ends the process with ExitCode() instead of running the event loop.
    bool InitInstance();
    int ExitCode() const { return exitCode; }

private:
    void NameSettings();
    bool TakeInstanceLock();
    void FollowEndRequests();
    void EndSession();

    std::unique_ptr<InstanceLock> instanceLock;
    std::unique_ptr<CMainFrame> mainFrame;
    int exitCode = 0;
};
