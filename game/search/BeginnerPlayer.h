#pragma once

#include <cstdint>

#include "ComputerReply.h"

namespace wuziqi {

class TGameBoard;

// How often, in percent, the beginner passes over its best point for a plainly worse one.
// Chosen with beginner_match so that the standard level wins at least four games in five.
inline constexpr int BeginnerSecondBestPercent = 20;

// Why the beginner played where it did.
enum class BeginnerReason {
    NoPoint,     // the board is full
    Centre,      // the board is empty
    OwnFive,     // its stone completes five
    BlockFive,   // the opponent would complete five there
    Best,        // the best one-ply score
    SecondBest,  // the best score below the best, drawn by the seeded generator
};

struct BeginnerChoice {
    ComputerAnswer answer;
    BeginnerReason reason = BeginnerReason::NoPoint;
};

// The beginner's move for `colour` (2 Black, 3 White) after the opponent's stone at `last`:
// it completes its own five and stops the opponent's, and otherwise plays a one-ply score of
// the points near the stones, taking the second-best point `secondBestPercent` times in a
// hundred. The same seed and position always give the same move. The board is not changed.
BeginnerChoice ChooseBeginnerMove(const TGameBoard& board, std::uint8_t colour, BoardPoint last,
                                  std::uint64_t seed,
                                  int secondBestPercent = BeginnerSecondBestPercent);

// The beginner's reply as the game asks for it: the point (nothing on a full board) and the
// verdict, IWin when the stone completes five and None otherwise.
ComputerAnswer BeginnerReply(TGameBoard& board, std::uint8_t colour, BoardPoint last,
                             std::uint64_t seed);

}  // namespace wuziqi
