#pragma once

#include <cstdint>
#include <vector>

#include "LiteralSearch.h"

namespace wuziqi {

class TGameBoard;

// How a forced line plays out when its moves are placed through Place on a copy of the board
// it was found for, the sides in turn from `firstColour`.
struct LineReplay {
    int placed = 0;           // moves that Place accepted, from the first on, until one was refused
    int fiveAt = -1;          // the index of the move that made five, or -1
    std::uint8_t winner = 0;  // the colour that made it
    // Each move made by a side facing a single five point of the other side, with none of its
    // own, took that point: the answer was forced.
    bool answersForced = true;

    bool Legal(const ForcedLine& line) const { return placed == static_cast<int>(line.size()); }
    // The whole line went on the board and its last move, and no earlier one, made five.
    bool EndsInFive(const ForcedLine& line) const {
        return Legal(line) && fiveAt == static_cast<int>(line.size()) - 1;
    }
};

// The empty points where a stone of the colour would make five, read from the threat map.
std::vector<BoardPoint> FivePoints(const TGameBoard& board, std::uint8_t colour);

LineReplay ReplayLine(const TGameBoard& board, std::uint8_t firstColour, const ForcedLine& line);

// Whether the line a move choice recorded fits its answer: empty unless the verdict proves a
// forced win; otherwise it starts with the chosen point and goes on the board move by move,
// every forced answer taken, to the winner's five. A four that the pattern table counts as
// open may have a single five point: its line ends with the block, and no five at all.
// `endsInFive` tells which of the two it was.
bool LinePlaysOut(const TGameBoard& board, std::uint8_t toMove, Verdict verdict, BoardPoint chosen,
                  const ForcedLine& line, bool* endsInFive = nullptr);

}  // namespace wuziqi
