#pragma once

#include <span>
#include <string>
#include <string_view>

#include "MoveRecord.h"
#include "TextGameFile.h"

namespace wuziqi {

// The Gomocup manager's .psq game file, as text: the first line "Piskvorky 15x15, 0:0, 0"
// (board size, the two players' levels, 0 for a person, and which player began), then one line
// "x,y,time" per move with 1-based points, Black first, the time in milliseconds. Managers
// put the players' names and the result after the moves.

// The moves with the time 0, since the game keeps no time per move.
std::string EncodePsq(std::span<const MoveRecord> moves);

// Reads the first line for the size (15 x 15 only), then the move lines; blank lines are
// skipped, and the first other line that is not a move ends the list (names, results).
TextGameFile DecodePsq(std::string_view text);

// Whether the first line begins with "Piskvorky", as every .psq file does, whatever follows.
bool StartsLikePsq(std::string_view text);

}  // namespace wuziqi
