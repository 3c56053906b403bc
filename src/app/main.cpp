#include "app/CommandLine.h"
#include "app/QuillmereApp.h"

int main(int argc, char** argv)
{
    // The exports run without a window, and so before any application object is made.
    if (IsCommandLineRequest(argc, argv))
        return RunCommandLine(argc, argv);
    return QuillmereApp::Run(argc, argv);
}
