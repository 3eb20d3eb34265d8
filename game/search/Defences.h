#pragma once

#include "MoveList.h"
#include "SearchBoard.h"

namespace wuziqi::search {

// A point once, keyed by what it is worth to both colours.
inline void AddDefence(const SearchBoard& board, int point, MoveList& moves) {
    if (!moves.Contains(point))
        moves.Add(point, board.ScoreAt(1, point) + board.ScoreAt(2, point));
}

// Every four the colour can make, which its opponent must answer before going on.
inline void AddFours(const SearchBoard& board, int colour, MoveList& moves) {
    for (const std::int16_t* p = board.ThreatBegin(colour); p != board.ThreatEnd(colour); ++p)
        if (IsFour(board.ShapeAt(colour, *p))) AddDefence(board, *p, moves);
}

// The defender's moves against the attacker's open-four points (an open three, or a point
// that makes two fours), every one that could stop them: each such point, and along each of
// its lines that would hold a four, every point where the attacker would make a four in that
// line (the five-points of the four to come lie among them); then every four of the
// defender's own, which the attacker must answer first. Keys: both colours' scores.
inline void AddDefences(const SearchBoard& board, int attacker, MoveList& moves) {
    const auto add = [&](int p) { AddDefence(board, p, moves); };
    for (const std::int16_t* f = board.ThreatBegin(attacker); f != board.ThreatEnd(attacker); ++f) {
        if (board.ShapeAt(attacker, *f) != ShapeFlex4) continue;
        add(*f);
        for (int d = 0; d < 4; ++d) {
            if (board.PatternAt(attacker, *f, d) < PatBlock4) continue;
            for (int k = -4; k <= 4; ++k) {
                const int q = *f + k * SearchBoard::Step[d];
                if (k != 0 && board.IsEmpty(q) && board.PatternAt(attacker, q, d) >= PatBlock4)
                    add(q);
            }
        }
    }
    AddFours(board, 3 - attacker, moves);
}

}  // namespace wuziqi::search
