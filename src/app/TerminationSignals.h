#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that the
// program ends the way Exit ends it, saving the rosters, instead of dying in the middle of its work.
// A signal handler may do almost nothing, so it only writes the number into a pipe that the event
// loop watches.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void Received(int signalNumber);

private:
    void OnReadable();

    QSocketNotifier* notifier = nullptr;
};
