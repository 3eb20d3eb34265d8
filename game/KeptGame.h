#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CellState.h"
#include "GameRecord.h"
#include "MoveRecord.h"

namespace wuziqi {

// The game on the board when the window closed, kept whole for the next start: every recorded
// move and the state beside them, so that the two can never be kept from different games.
struct KeptGame {
    std::vector<MoveRecord> moves;
    int historyCursor = 0;  // how many of the moves stand on the board
    std::uint8_t gameMode = ModeAgainstComputer;
    std::uint8_t currentColour = Black;
    std::int32_t blackClock = 0;  // tenths of a second
    std::int32_t whiteClock = 0;
    bool previousEnabled = false;  // the step commands' states
    bool nextEnabled = false;
    // The window closed while the computer was thinking: its reply is still to come.
    bool computerToMove = false;

    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// The file is text, one field a line, in this order and nothing else:
//
//   Wuziqi kept game 1
//   mode 0                  0 against the computer, 1 two players, 2 review
//   turn 3                  the colour to move, 2 Black or 3 White
//   cursor 3
//   clocks 123 45           Black's, then White's
//   steps 1 0               previous move, next move offered
//   reply 0                 1: the computer still owes its reply
//   moves 8,8 7,7 9,9       column,row from 1, Black first
//
// with a line feed after each line.
inline constexpr std::string_view KeptGameHeader = "Wuziqi kept game 1";
// A full board's file is under 2 KB.
inline constexpr std::size_t LargestKeptGameFile = 4096;

std::string EncodeKeptGame(const KeptGame& game);

// Why a file is not taken as a kept game.
enum class KeptGameError {
    None,
    NotAKeptGame,       // the first line is not the header
    FileTooLarge,       // over LargestKeptGameFile
    BadLine,            // a line missing, out of order, or not of its field's form
    MoveOffBoard,       // a move outside 1..15
    PointTaken,         // a move on a point an earlier move holds
    CursorPastMoves,    // more stones on the board than moves recorded
    ColourContradicts,  // the colour to move is not the one the stones on the board give
    NegativeClock,
    ReplyNotOwed,  // the computer owes a reply only against the computer, to a stone
};

struct DecodedKeptGame {
    KeptGame game;
    KeptGameError error = KeptGameError::None;
    int badLine = 0;   // from 1, for BadLine and NegativeClock
    int badMove = -1;  // from 0, for MoveOffBoard and PointTaken

    bool ok() const { return error == KeptGameError::None; }
};

// Reads and checks a whole file strictly: any doubt refuses it, and a refused file gives no
// game at all.
DecodedKeptGame DecodeKeptGame(std::string_view text);

// Whether the text begins as a kept game does, to tell it from a saved game.
bool LooksLikeKeptGame(std::string_view text);

// The record's game with what 继续上局 needs to go on with it.
KeptGame KeptGameOf(const GameRecord& record, bool computerToMove);

// Puts the record and its board back into the kept game, replaying the moves on the board
// without announcing anything.
void RestoreGame(GameRecord& record, const KeptGame& game);

}  // namespace wuziqi
