#pragma once

class QWidget;

// Lets the program's tests and its start-up benchmark see when the main window is first painted,
// without waiting for a guess. With BRINDLEWICK_WHEN_READY=print the program writes the line
// "Brindlewick is ready" to its standard output then; with BRINDLEWICK_WHEN_READY=exit it ends
// there at once, saving nothing. Unset, nothing is watched.
class ReadyAnnouncer {
public:
    static void Watch(QWidget& window);
};
