#include "app/ReadyAnnouncer.h"

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {
const char* const kVariable = "BRINDLEWICK_WHEN_READY";

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, bool exitThen)
        : QObject(&window)
        , exitThen(exitThen)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint has reached the screen.
            QTimer::singleShot(0, [exit = exitThen] { Announce(exit); });
        }
        return false;
    }

private:
    static void Announce(bool exitThen)
    {
        if (exitThen)
            std::_Exit(EXIT_SUCCESS);
        std::puts("Brindlewick is ready");
        std::fflush(stdout);
    }

    bool exitThen;
};
} // namespace

void ReadyAnnouncer::Watch(QWidget& window)
{
    const QByteArray mode = qgetenv(kVariable);
    if (mode == "print" || mode == "exit")
        new FirstPaint(window, mode == "exit");
}
