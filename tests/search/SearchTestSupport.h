#pragma once

#include <initializer_list>

#include "GameBoard.h"
#include "SearchBoard.h"

namespace wuziqi::testing {

struct Stone {
    int x, y, colour;  // colour 1 black, 2 white
};

// The stones on a search board, in the order given.
inline void PlaceAll(search::SearchBoard& board, std::initializer_list<Stone> stones) {
    for (const Stone& s : stones)
        board.Make(search::SearchBoard::Index(s.x, s.y), s.colour);
}

// The same stones on the game's board.
inline void PlaceAll(TGameBoard& board, std::initializer_list<Stone> stones) {
    for (const Stone& s : stones)
        board.Place(s.x, s.y, s.colour == 1 ? Black : White);
}

}  // namespace wuziqi::testing
