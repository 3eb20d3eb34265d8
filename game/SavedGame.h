#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "MoveRecord.h"

namespace wuziqi {

// The .wzq saved-game format: the byte 6, "WZQ1.0", a signed 32-bit little-endian move
// count N, then N entries of two signed bytes (x, y), nothing after. Colours are not stored:
// moves alternate and the first is Black.

std::vector<std::uint8_t> EncodeSavedGame(std::span<const MoveRecord> moves);

enum class SavedGameError {
    None,
    NotABoardFile,  // the identification is missing or wrong
    MissingCount,   // the file ends inside the move count
    NegativeCount,
    MissingMoves,   // the count announces more entries than the file holds
    TrailingBytes,  // bytes follow the last entry
    MoveOffBoard,   // an entry outside 1..15
    PointTaken,     // an entry on a point an earlier entry already holds
};

struct DecodedGame {
    std::vector<MoveRecord> moves;
    SavedGameError error = SavedGameError::None;
    int badEntry = -1;  // the entry (from 0) that was rejected, for the last two errors

    bool ok() const { return error == SavedGameError::None; }
};

// Decodes and checks a whole file. A file is accepted only when its every move can be
// replayed on an empty board; otherwise no moves are returned. Nothing larger than the file
// itself is ever allocated.
DecodedGame DecodeSavedGame(std::span<const std::uint8_t> bytes);

// The message shown for a rejected file (UTF-8).
std::string DescribeSavedGameError(const DecodedGame& decoded);

}  // namespace wuziqi
