#pragma once

#include <QFutureWatcher>
#include <stop_token>

#include "GamePlayer.h"

// The built-in computer: the game's own reply, searched on a worker thread over the request's
// copy of the board, so the window stays responsive while it thinks. Cancelling asks the
// search to stop; it gives up within one step, and its late answer is dropped.
class ComputerPlayer : public GamePlayer {
    Q_OBJECT

  public:
    // Whether an answer that announces a forced win also carries the line behind it, worked
    // out on the same worker thread after the reply.
    enum class ForcedLines { Skipped, Found };

    explicit ComputerPlayer(int depth, QObject* parent = nullptr,
                            ForcedLines lines = ForcedLines::Skipped);
    // Stops a search still running and waits for it: no thread outlives the player.
    ~ComputerPlayer() override;

    void RequestMove(MoveRequest request) override;
    void CancelMove() override;
    bool Thinking() const override { return pending; }

  private:
    void Finished(QFutureWatcher<wuziqi::ComputerAnswer>* watcher);

    int depth;
    ForcedLines lines;
    bool pending = false;
    std::stop_source stop;
    QFutureWatcher<wuziqi::ComputerAnswer>* current = nullptr;
};
