#pragma once

#include "MoveList.h"
#include "SearchBoard.h"

namespace wuziqi::search {

// The defender's moves against the attacker's open-four points (an open three, or a point
// that makes two fours), every one that could stop them: each such point, and along each of
// its lines that would hold a four, every point where the attacker would make a four in that
// line (the five-points of the four to come lie among them); then every four of the
// defender's own, which the attacker must answer first. Keys: both colours' scores.
inline void AddDefences(const SearchBoard& board, int attacker, MoveList& moves) {
    const int defender = 3 - attacker;
    const auto add = [&](int p) {
        if (!moves.Contains(p))
            moves.Add(p, board.ScoreAt(attacker, p) + board.ScoreAt(defender, p));
    };
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
    for (const std::int16_t* p = board.ThreatBegin(defender); p != board.ThreatEnd(defender); ++p)
        if (IsFour(board.ShapeAt(defender, *p))) add(*p);
}

}  // namespace wuziqi::search
