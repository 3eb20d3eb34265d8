#pragma once

#include <QElapsedTimer>

// Whole tenths of a second as they pass on the monotonic clock, each handed out once: a caller
// that comes late (a timer tick delayed by a busy event loop) gets every tenth that passed
// since it last asked, so no time is lost.
class ElapsedTenths {
  public:
    void Restart() {
        clock.start();
        handedOut = 0;
    }
    // The tenths that passed since the last call or the restart; the first call ever starts.
    int Take() {
        if (!clock.isValid()) Restart();
        const qint64 passed = clock.elapsed() / 100;
        const qint64 fresh = passed - handedOut;
        handedOut = passed;
        return static_cast<int>(fresh);
    }

  private:
    QElapsedTimer clock;
    qint64 handedOut = 0;
};
