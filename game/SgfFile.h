#pragma once

#include <span>
#include <string>
#include <string_view>

#include "MoveRecord.h"
#include "TextGameFile.h"

namespace wuziqi {

// SGF game records of five-in-a-row (GM[4]) on the 15 x 15 board: a root node with the game
// information, then one node per move, B[..] and W[..] alternating from Black, the point as
// two letters a..o, column then row from the top left.

// The names of the players, UTF-8; an empty name is left out.
struct SgfPlayers {
    std::string black;
    std::string white;
};

std::string EncodeSgf(std::span<const MoveRecord> moves, const SgfPlayers& players = {});

// Reads the main line of the first game (the first variation wherever the game branches);
// properties the game does not use are skipped. Refused: a broken structure, a game type
// other than 4 (a missing GM means Go), a size other than 15, set-up stones (AB, AW, AE),
// passes, moves out of turn, off the board or on a taken point. The players' names of the
// game's root node (PB, PW), escapes undone, go to `players` when it is given.
TextGameFile DecodeSgf(std::string_view text, SgfPlayers* players = nullptr);

// Whether the text opens a game tree, "(;", after any byte-order mark and white space, as
// every SGF file does, whatever follows.
bool StartsLikeSgf(std::string_view text);

}  // namespace wuziqi
