#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "CellState.h"
#include "FiveLines.h"
#include "GameRecord.h"

// Everything the board widget draws but the pointer marker, which is its own: a picture of the
// game handed to the widget whenever the game changes, never read back from the game.
struct BoardScene {
    // The stones, stones[column - 1][row - 1].
    std::array<std::array<wuziqi::CellState, wuziqi::BoardSize>, wuziqi::BoardSize> stones{};
    wuziqi::BoardPoint lastMove = wuziqi::NoLastMove;  // the last-move marker
    // The stones on the board in the order they were played, numbered from 1 when the move
    // numbers are shown.
    std::vector<wuziqi::BoardPoint> played;
    bool showMoveNumbers = false;
    // Drawn over the stones, and only when present: the lines of five or more on the board,
    // the point a hint suggests, and the moves of a forced line still to come, the sides in
    // turn from `lineColour`.
    std::vector<wuziqi::FiveLine> fives;
    std::optional<wuziqi::BoardPoint> hint;
    std::vector<wuziqi::BoardPoint> line;
    std::uint8_t lineColour = 0;

    wuziqi::CellState At(int column, int row) const {
        return stones[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - 1)];
    }
};
