#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "GameRecord.h"
#include "Verdict.h"

namespace wuziqi {

class TGameBoard;

// How many search levels the computer's reply may use, in the window and in the engine.
inline constexpr int SearchDepth = 16;

// The empty point nearest the centre (8, 8), ties broken in scan order: lowest column, then
// lowest row. Nothing when the board is full.
std::optional<BoardPoint> NearestEmptyToCentre(const TGameBoard& board);

// What the computer answers: the point it plays (nothing when the board is full) and its
// comment on the game; where it was asked for, the line behind a forced win (FindForcedLine).
struct ComputerAnswer {
    std::optional<BoardPoint> point;
    Verdict verdict = Verdict::Unchanged;
    std::vector<BoardPoint> line;
};

// The computer's reply to the stone just played at `last`, as the window and the engine play
// it: ChooseMove at the given depth, or, when the search has no empty point to offer (it gives
// (0, 0) late in a game, when no empty point lies in a window still open for either colour),
// the empty point nearest the centre, so the computer moves whenever a point is free.
ComputerAnswer ComputerReply(TGameBoard& board, std::uint8_t colour, BoardPoint last, int depth,
                             std::stop_token stop = {});

}  // namespace wuziqi
