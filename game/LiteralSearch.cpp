// The move choice as plainly as it can be written: every search step copies its state,
// places its trial stone, runs its rules in order and takes the stone off again.
#include "LiteralSearch.h"

#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int Slots = CandidateList::Size;

class LiteralSearch {
  public:
    LiteralSearch(TGameBoard& board, SearchCounts* counts) : board_(board), counts_(counts) {}

    bool SearchWin(std::uint8_t a, std::uint8_t mover, int& x, int& y, int depth, SearchState s,
                   std::uint8_t minLevel) {
        if (counts_) ++counts_->searchWin;
        if (depth <= 0) return false;
        const int stoneX = x, stoneY = y;
        if (stoneX > 0) {
            const std::uint8_t placer = Opponent(mover);
            board_.Grid[stoneX][stoneY] = static_cast<CellState>(placer);
            ClearCandidates(s.List(placer));
            RemoveCandidate(s.List(mover), stoneX, stoneY);
            UpdateAfterStone(s, board_, stoneX, stoneY);
        }
        const bool answer = mover == a ? AttackerMoves(a, x, y, depth, s, minLevel)
                                       : DefenderMoves(a, depth, s, minLevel);
        if (stoneX > 0) board_.Grid[stoneX][stoneY] = Empty;
        return answer;
    }

    bool TryOwnMove(std::uint8_t c, int& x, int& y, int depth, SearchState s,
                    std::uint8_t minLevel) {
        if (counts_) ++counts_->tryOwnMove;
        board_.Grid[x][y] = static_cast<CellState>(c);
        UpdateAfterStone(s, board_, x, y);
        bool answer = false;
        const CandidateList& own = s.List(c);
        for (int k = 1; k <= Slots && own.Slot(k).level >= minLevel; ++k) {
            int px = own.Slot(k).x, py = own.Slot(k).y;
            if (SearchWin(c, c, px, py, depth, s, minLevel)) {
                answer = true;
                break;
            }
        }
        board_.Grid[x][y] = Empty;
        return answer;
    }

  private:
    // One recursive step on a candidate's point, handed over as fresh variables.
    bool Deeper(std::uint8_t a, std::uint8_t mover, const CandidateEntry& e, int depth,
                const SearchState& s, std::uint8_t minLevel) {
        int px = e.x, py = e.y;
        return SearchWin(a, mover, px, py, depth, s, minLevel);
    }

    bool AttackerMoves(std::uint8_t a, int& x, int& y, int depth, const SearchState& s,
                       std::uint8_t minLevel) {
        const std::uint8_t d = Opponent(a);
        const CandidateList& la = s.List(a);
        const CandidateList& ld = s.List(d);
        auto take = [&](const CandidateEntry& e) {
            x = e.x;
            y = e.y;
        };

        if (la.Slot(1).level == FiveLevel) {
            take(la.Slot(1));
            return true;
        }
        if (ld.Slot(1).level == FiveLevel) {
            take(ld.Slot(1));
            return Deeper(a, d, ld.Slot(1), depth - 1, s, minLevel);
        }
        if (la.Slot(1).level == OpenFourLevel) {
            take(la.Slot(1));
            return true;
        }
        if (la.Slot(1).level == FourLevel) {
            for (int k = 1; k <= Slots && la.Slot(k).level >= FourLevel; ++k) {
                take(la.Slot(k));
                if (Deeper(a, d, la.Slot(k), depth - 1, s, FourLevel)) return true;
            }
        }
        if (minLevel >= FourLevel) return false;
        if (ld.Slot(1).level == OpenFourLevel) {
            for (int k = 1; k <= Slots; ++k) {
                if (ld.Slot(k).level < FourLevel) return false;
                take(ld.Slot(k));
                if (Deeper(a, d, ld.Slot(k), depth - 1, s, minLevel)) return true;
            }
        }
        if (ld.Slot(1).level == FourLevel) {
            for (int k = 1; k <= Slots && ld.Slot(k).level == FourLevel; ++k) {
                take(ld.Slot(k));
                if (Deeper(d, a, ld.Slot(k), depth - 1, s, FourLevel)) return false;
            }
        }
        if (la.Slot(1).level >= LiveThreeLevel) {
            for (int k = 1; k <= Slots && la.Slot(k).level >= LiveThreeLevel; ++k) {
                take(la.Slot(k));
                if (Deeper(a, d, la.Slot(k), depth - 1, s, LiveThreeLevel)) return true;
            }
        }
        return false;
    }

    bool DefenderMoves(std::uint8_t a, int depth, const SearchState& s, std::uint8_t minLevel) {
        const std::uint8_t d = Opponent(a);
        const CandidateList& la = s.List(a);
        const CandidateList& ld = s.List(d);

        if (ld.Slot(1).level == FiveLevel) return false;
        if (la.Slot(1).level == FiveLevel) return Deeper(a, a, la.Slot(1), depth - 1, s, minLevel);
        if (ld.Slot(1).level == OpenFourLevel) return false;
        if (la.Slot(1).level == OpenFourLevel) {
            for (int k = 1; k <= Slots; ++k) {
                if (la.Slot(k).level < FourLevel) return true;
                if (!Deeper(a, a, la.Slot(k), depth - 1, s, minLevel)) return false;
            }
            // Twelve refuted blocks still do not make a win.
            return false;
        }
        return false;
    }

    TGameBoard& board_;
    SearchCounts* counts_;
};

}  // namespace

bool LiteralSearchWin(TGameBoard& board, std::uint8_t attacker, std::uint8_t mover, int& x, int& y,
                      int depth, SearchState state, std::uint8_t minLevel, SearchCounts* counts) {
    return LiteralSearch(board, counts).SearchWin(attacker, mover, x, y, depth, state, minLevel);
}

bool LiteralTryOwnMove(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth,
                       SearchState state, std::uint8_t minLevel, SearchCounts* counts) {
    return LiteralSearch(board, counts).TryOwnMove(colour, x, y, depth, state, minLevel);
}

std::optional<SearchStart> StartSearch(TGameBoard& board, std::uint8_t own, int depth) {
    if (depth < 1) return std::nullopt;
    const std::uint8_t opp = Opponent(own, board.GetReporter());
    // A colour other than Black or White has no candidate list to search: the wrong call
    // has been reported, and the point is left as the caller gave it.
    if (own != Black && own != White) return std::nullopt;
    SearchStart start{BuildCandidates(board), {}, opp};
    start.state.levels = board.Levels;
    start.state.lists = start.root.lists;
    return start;
}

Verdict LiteralChooseMove(TGameBoard& board, std::uint8_t own, int& x, int& y, int depth,
                          SearchCounts* counts) {
    const std::optional<SearchStart> start = StartSearch(board, own, depth);
    if (!start) return Verdict::Unchanged;
    const RootCandidates& root = start->root;
    const SearchState& s0 = start->state;
    const std::uint8_t opp = start->opp;
    LiteralSearch search(board, counts);
    const CandidateList& ownList = s0.List(own);
    const CandidateList& oppList = s0.List(opp);

    x = 0;
    if (search.SearchWin(own, own, x, y, depth, s0, LiveThreeLevel)) return Verdict::IWin;
    if (oppList.Slot(1).level == FiveLevel) {
        x = oppList.Slot(1).x;
        y = oppList.Slot(1).y;
        return Verdict::None;
    }
    x = 0;
    if (search.SearchWin(opp, opp, x, y, depth, s0, LiveThreeLevel)) {
        for (int k = 1; k <= Slots && oppList.Slot(k).level > 0; ++k) {
            int px = oppList.Slot(k).x, py = oppList.Slot(k).y;
            if (!search.SearchWin(opp, opp, px, py, depth, s0, LiveThreeLevel)) {
                // A stone here leaves the person no forced win.
                x = oppList.Slot(k).x;
                y = oppList.Slot(k).y;
                return Verdict::YouMightWin;
            }
        }
        x = oppList.Slot(1).x;
        y = oppList.Slot(1).y;
        return Verdict::YouWin;
    }

    double best = 0.0;
    for (int k = 1; k <= Slots; ++k) {
        const Level level = ownList.Slot(k).level;
        if (level >= LiveThreeLevel) continue;
        if (level < QuietMoveLevel) break;
        int px = ownList.Slot(k).x, py = ownList.Slot(k).y;
        const double score = PointScore(board, px, py);
        if (search.TryOwnMove(own, px, py, depth, s0, LiveThreeLevel) && score >= best) {
            best = score;
            x = ownList.Slot(k).x;
            y = ownList.Slot(k).y;
        }
    }
    if (best > 0) return Verdict::IMightWin;
    x = root.bestX;
    y = root.bestY;
    return Verdict::None;
}

}  // namespace wuziqi
