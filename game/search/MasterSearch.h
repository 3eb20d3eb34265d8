#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

#include "CellState.h"
#include "GameRecord.h"
#include "LinePatterns.h"
#include "Verdict.h"

namespace wuziqi {

class TGameBoard;

// What the master level may spend on one reply. The clock runs from `start` (the moment the
// move was asked for; now when left at its default), so start-up counts against the turn.
struct SearchLimits {
    int turnMs = 1000;                  // the time for this move
    std::int64_t matchMsLeft = 0;       // the time left for the game; 0: no game limit
    std::size_t tableBytes = 64 << 20;  // the transposition table's size
    int maxDepth = 64;                  // plies of the main search
    std::uint64_t maxNodes = 0;         // 0: no node limit
    std::chrono::steady_clock::time_point start{};
};

// A position on any board the master plays: 1 to 20 points a side, five or more to win or
// exactly five. Each stone is Black, White or Border (a dead stone that blocks both colours,
// from a finished line of a continuous game).
struct MasterPosition {
    struct Stone {
        BoardPoint point;
        CellState state;
    };
    int width = BoardSize;
    int height = BoardSize;
    search::FiveRule rule = search::FiveRule::Freestyle;
    std::vector<Stone> stones;
};

// The game's 15 x 15 freestyle board as such a position.
MasterPosition PositionOf(const TGameBoard& board);

// The master's reply: the point (nothing on a full board), a verdict that is always true
// (IWin only for a proven forced win, whose line is given: the master's moves and the
// defender's answers in turn, ending in the five; YouWin only when every move loses to a
// proven forced win), the depth the main search finished, its score and the nodes visited.
struct MasterAnswer {
    std::optional<BoardPoint> point;
    Verdict verdict = Verdict::None;
    std::vector<BoardPoint> line;
    int depth = 0;
    int score = 0;  // the deepest finished search's score for the side to move; 0 when none
    std::uint64_t nodes = 0;
};

// The master level: a game-tree search that keeps its transposition table between replies, so
// that the table is allocated once per game (or once per engine run).
class MasterPlayer {
  public:
    explicit MasterPlayer(std::size_t tableBytes = SearchLimits{}.tableBytes);
    ~MasterPlayer();
    MasterPlayer(const MasterPlayer&) = delete;
    MasterPlayer& operator=(const MasterPlayer&) = delete;

    // The reply for the colour to move (2 black, 3 white as in CellState). A Border point on the
    // board is a dead stone that blocks both colours. A table size other than the one held
    // reallocates the table, within the time of this reply.
    MasterAnswer Reply(const MasterPosition& position, std::uint8_t colour,
                       const SearchLimits& limits, std::stop_token stop = {});
    MasterAnswer Reply(const TGameBoard& board, std::uint8_t colour, const SearchLimits& limits,
                       std::stop_token stop = {});

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// One reply with a table of its own.
MasterAnswer MasterReply(const TGameBoard& board, std::uint8_t colour, const SearchLimits& limits,
                         std::stop_token stop = {});

}  // namespace wuziqi
