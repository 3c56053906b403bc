#pragma once

// The program's exports without a window: `brindlewick --export-pdf FILE` and
// `brindlewick --export-ics FILE`, with --roster, --from, --until, --person, --help and --version.

// True when the arguments ask for something of the command line rather than for the main window.
bool IsCommandLineRequest(int argc, char** argv);

// Carries out the request on the offscreen platform, without a display, and returns the process's
// exit status: 0 when done, 2 after a one-line message on standard error. Reads the roster file and
// never writes it.
int RunCommandLine(int argc, char** argv);
