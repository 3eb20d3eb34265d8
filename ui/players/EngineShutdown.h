#pragma once

#include <QDeadlineTimer>
#include <QObject>

class QProcess;

// An engine on its way out, taken over from its player so that the player can go at once:
// nothing here waits for the engine on the window's thread. An engine told END has the grace
// period to end by itself; one still running then, or one given up on, is killed with its
// whole process group. Once it has finished, whatever it left running in its group is killed
// too, and this object goes. Destroyed before that (the window closing), it waits for the rest
// of the grace period at most, then kills.
class EngineShutdown : public QObject {
    Q_OBJECT

  public:
    // Takes the process over; `leader` is its process id, kept from when it ran, as a process
    // that has finished no longer gives it. A grace of 0 kills at once.
    EngineShutdown(QProcess* process, qint64 leader, int graceMilliseconds, QObject* parent);
    ~EngineShutdown() override;

    // How long the destructor may still wait, after the grace period, for a killed engine to be
    // reaped: killing is immediate, but the system has to say so.
    static constexpr int ReapMilliseconds = 200;

  private:
    void Kill();
    void Finished();

    QProcess* process;
    qint64 leader;
    QDeadlineTimer deadline;
};
