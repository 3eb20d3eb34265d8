#pragma once

#include <cstdint>
#include <optional>

#include "GameRecord.h"

namespace wuziqi {

class TGameBoard;

// The empty point nearest the centre (8, 8), ties broken in scan order: lowest column, then
// lowest row. Nothing when the board is full.
std::optional<BoardPoint> NearestEmptyToCentre(const TGameBoard& board);

// The computer's reply to the stone just played at `last`: ChooseMove at the given depth, or,
// when the search has no point to offer (it gives (0, 0) late in a game), the empty point
// nearest the centre, so the computer still moves instead of "playing" off the board. Nothing
// when the board is full.
std::optional<BoardPoint> ComputerReply(TGameBoard& board, std::uint8_t colour, BoardPoint last,
                                        int depth);

}  // namespace wuziqi
