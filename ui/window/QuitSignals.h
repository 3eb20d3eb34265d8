#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM, SIGHUP, SIGINT) into a Qt signal on
// the event loop, where the game can still be kept: a signal handler may do almost nothing
// itself, so it only writes a byte that the loop then reads. One object a process.
class QuitSignals : public QObject {
    Q_OBJECT

  public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

  signals:
    void QuitRequested();

  private:
    void Drain();

    QSocketNotifier* Notifier = nullptr;
};
