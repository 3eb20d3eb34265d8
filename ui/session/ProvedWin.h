#pragma once

#include <optional>
#include <vector>

#include "GamePlayer.h"

// A forced win that status panel 0 announces: the position the player was asked about and the
// point it played there (none for a hint, which plays nothing). Its line, once worked out, is
// offered while the board still shows exactly that position with that point played.
struct ProvedWin {
    MoveRequest asked;
    std::optional<wuziqi::BoardPoint> played;
    std::optional<std::vector<wuziqi::BoardPoint>> line;  // from the search's chosen point on
    bool lineShown = false;

    bool StillOn(const wuziqi::TGameBoard& board) const;

    // The moves of the line that are not on the board yet, and the colour of the first of
    // them: the sides take turns from the colour that was asked.
    struct Ahead {
        std::vector<wuziqi::BoardPoint> moves;
        std::uint8_t colour = 0;
    };
    Ahead LineAhead() const;
};
