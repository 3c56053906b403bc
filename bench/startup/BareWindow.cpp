// The baseline of the start-up benchmark: a bare QMainWindow program that starts, shows its window
// and ends as soon as the window has been painted, as Brindlewick does under BRINDLEWICK_WHEN_READY=exit.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>

namespace {
class EndAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(EXIT_SUCCESS); });
        return false;
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    EndAfterFirstPaint watcher;
    window.installEventFilter(&watcher);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
