#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "MoveRecord.h"

namespace wuziqi {

// The .wzq saved-game format: the byte 6, "WZQ1.0", a signed 32-bit little-endian move
// count N, then N entries of two signed bytes (x, y), nothing after. Colours are not stored:
// moves alternate and the first is Black.

std::vector<std::uint8_t> EncodeSavedGame(std::span<const MoveRecord> moves);

// Whether the bytes open with the identification, as every saved game does, whatever follows.
bool StartsLikeSavedGame(std::span<const std::uint8_t> bytes);

// No saved game comes near this size (a full board is 461 bytes). Readers stop one byte past
// it, so that a huge file picked by mistake is refused without being loaded into memory.
constexpr std::size_t LargestSavedGameFile = 64 * 1024;

// Why a file is not taken as a saved game. The first one is found by the reader of the
// file, the others by DecodeSavedGame.
enum class SavedGameError {
    None,
    NotARegularFile,  // a folder, a pipe, a device: nothing was read from it
    NotABoardFile,    // the identification is missing or wrong
    FileTooLarge,     // over LargestSavedGameFile, whatever its count says
    MissingCount,     // the file ends inside the move count
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

}  // namespace wuziqi
