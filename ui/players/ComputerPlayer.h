#pragma once

#include <QFutureWatcher>
#include <memory>
#include <stop_token>

#include "GamePlayer.h"
#include "LevelReply.h"

namespace wuziqi {
class MasterPlayer;
}

// The built-in computer: the game's own reply at its level of play, searched on a worker thread
// over the request's copy of the board, so the window stays responsive while it thinks.
// Cancelling asks the search to stop; it gives up within one step, and its late answer is
// dropped.
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

    // The level it plays from the next request on, and the master's time for a move.
    void SetLevel(wuziqi::PlayLevel level, int masterMilliseconds);

    void RequestMove(MoveRequest request) override;
    void CancelMove() override;
    bool Thinking() const override { return pending; }

  private:
    void Finished(QFutureWatcher<wuziqi::ComputerAnswer>* watcher);

    int depth;
    ForcedLines lines;
    wuziqi::PlayLevel level = wuziqi::PlayLevel::Standard;
    int masterMilliseconds = 1000;
    // The master's search and its table, kept from move to move; a worker still running holds
    // it, and the next request then gets one of its own.
    std::shared_ptr<wuziqi::MasterPlayer> master;
    bool pending = false;
    std::stop_source stop;
    QFutureWatcher<wuziqi::ComputerAnswer>* current = nullptr;
};
