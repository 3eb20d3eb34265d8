// The move choice as plainly as it can be written: every search step copies its state,
// places its trial stone, runs its rules in order and takes the stone off again.
#include "LiteralSearch.h"

#include <utility>

#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int Slots = CandidateList::Size;

class LiteralSearch {
  public:
    LiteralSearch(TGameBoard& board, SearchCounts* counts, std::stop_token stop = {})
        : board_(board), counts_(counts), stop_(std::move(stop)) {}

    // With a `line`, a true answer also leaves there the moves that prove it, from the move
    // after the trial stone on; after a false answer it holds nothing of use.
    bool SearchWin(std::uint8_t a, std::uint8_t mover, int& x, int& y, int depth, SearchState s,
                   std::uint8_t minLevel, ForcedLine* line = nullptr) {
        if (counts_) ++counts_->searchWin;
        if (depth <= 0) return false;
        if (stop_.stop_requested()) return false;
        const int stoneX = x, stoneY = y;
        if (stoneX > 0) PlaceTrialStone(Opponent(mover), stoneX, stoneY, s);
        const bool answer = mover == a ? AttackerMoves(a, x, y, depth, s, minLevel, line)
                                       : DefenderMoves(a, depth, s, minLevel, line);
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
    // A step's trial stone: on the board, the placer's list started afresh, the point out of
    // the other colour's list, the state brought up to date along its four lines.
    void PlaceTrialStone(std::uint8_t placer, int x, int y, SearchState& s) {
        board_.Grid[x][y] = static_cast<CellState>(placer);
        ClearCandidates(s.List(placer));
        RemoveCandidate(s.List(Opponent(placer)), x, y);
        UpdateAfterStone(s, board_, x, y);
    }

    // One recursive step on a candidate's point, handed over as fresh variables. When it
    // proves a win and a line is wanted, the line is that point and then the step's own.
    bool Deeper(std::uint8_t a, std::uint8_t mover, const CandidateEntry& e, int depth,
                const SearchState& s, std::uint8_t minLevel, ForcedLine* line = nullptr) {
        int px = e.x, py = e.y;
        if (!line) return SearchWin(a, mover, px, py, depth, s, minLevel);
        ForcedLine below;
        if (!SearchWin(a, mover, px, py, depth, s, minLevel, &below)) return false;
        line->assign(1, BoardPoint{e.x, e.y});
        line->insert(line->end(), below.begin(), below.end());
        return true;
    }

    // The attacker's five ends a line.
    static bool Five(const CandidateEntry& e, ForcedLine* line) {
        if (line) line->assign(1, BoardPoint{e.x, e.y});
        return true;
    }

    // The search counts an open four as won without playing it. A line plays it out as the
    // steps would: the defender blocks the attacker's first five point and the attacker makes
    // five on the next one. A four the pattern table calls open may have a single five point;
    // its line then ends with the block.
    bool OpenFour(std::uint8_t a, const CandidateEntry& four, const SearchState& state,
                  ForcedLine* line) {
        if (!line) return true;
        SearchState s = state;
        line->assign(1, BoardPoint{four.x, four.y});
        PlaceTrialStone(a, four.x, four.y, s);
        const CandidateEntry block = s.List(a).Slot(1);
        if (block.level == FiveLevel) {
            line->push_back({block.x, block.y});
            PlaceTrialStone(Opponent(a), block.x, block.y, s);
            const CandidateEntry five = s.List(a).Slot(1);
            if (five.level == FiveLevel) line->push_back({five.x, five.y});
            board_.Grid[block.x][block.y] = Empty;
        }
        board_.Grid[four.x][four.y] = Empty;
        return true;
    }

    bool AttackerMoves(std::uint8_t a, int& x, int& y, int depth, const SearchState& s,
                       std::uint8_t minLevel, ForcedLine* line) {
        const std::uint8_t d = Opponent(a);
        const CandidateList& la = s.List(a);
        const CandidateList& ld = s.List(d);
        auto take = [&](const CandidateEntry& e) {
            x = e.x;
            y = e.y;
        };

        if (la.Slot(1).level == FiveLevel) {
            take(la.Slot(1));
            return Five(la.Slot(1), line);
        }
        if (ld.Slot(1).level == FiveLevel) {
            take(ld.Slot(1));
            return Deeper(a, d, ld.Slot(1), depth - 1, s, minLevel, line);
        }
        if (la.Slot(1).level == OpenFourLevel) {
            take(la.Slot(1));
            return OpenFour(a, la.Slot(1), s, line);
        }
        if (la.Slot(1).level == FourLevel) {
            for (int k = 1; k <= Slots && la.Slot(k).level >= FourLevel; ++k) {
                take(la.Slot(k));
                if (Deeper(a, d, la.Slot(k), depth - 1, s, FourLevel, line)) return true;
            }
        }
        if (minLevel >= FourLevel) return false;
        if (ld.Slot(1).level == OpenFourLevel) {
            for (int k = 1; k <= Slots; ++k) {
                if (ld.Slot(k).level < FourLevel) return false;
                take(ld.Slot(k));
                if (Deeper(a, d, ld.Slot(k), depth - 1, s, minLevel, line)) return true;
            }
        }
        if (ld.Slot(1).level == FourLevel) {
            // The defender's own win, searched for an answer only: no line.
            for (int k = 1; k <= Slots && ld.Slot(k).level == FourLevel; ++k) {
                take(ld.Slot(k));
                if (Deeper(d, a, ld.Slot(k), depth - 1, s, FourLevel)) return false;
            }
        }
        if (la.Slot(1).level >= LiveThreeLevel) {
            for (int k = 1; k <= Slots && la.Slot(k).level >= LiveThreeLevel; ++k) {
                take(la.Slot(k));
                if (Deeper(a, d, la.Slot(k), depth - 1, s, LiveThreeLevel, line)) return true;
            }
        }
        return false;
    }

    bool DefenderMoves(std::uint8_t a, int depth, const SearchState& s, std::uint8_t minLevel,
                       ForcedLine* line) {
        const std::uint8_t d = Opponent(a);
        const CandidateList& la = s.List(a);
        const CandidateList& ld = s.List(d);

        if (ld.Slot(1).level == FiveLevel) return false;
        if (la.Slot(1).level == FiveLevel)
            return Deeper(a, a, la.Slot(1), depth - 1, s, minLevel, line);
        if (ld.Slot(1).level == OpenFourLevel) return false;
        if (la.Slot(1).level == OpenFourLevel) {
            // Every block must fail; the line follows the first one tried.
            for (int k = 1; k <= Slots; ++k) {
                if (la.Slot(k).level < FourLevel) return true;
                if (!Deeper(a, a, la.Slot(k), depth - 1, s, minLevel, k == 1 ? line : nullptr))
                    return false;
            }
            // Twelve refuted blocks still do not make a win.
            return false;
        }
        return false;
    }

    TGameBoard& board_;
    SearchCounts* counts_;
    std::stop_token stop_;
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
                          SearchCounts* counts, ForcedLine* line, std::stop_token stop) {
    if (line) line->clear();
    const std::optional<SearchStart> start = StartSearch(board, own, depth);
    if (!start) return Verdict::Unchanged;
    const RootCandidates& root = start->root;
    const SearchState& s0 = start->state;
    const std::uint8_t opp = start->opp;
    LiteralSearch search(board, counts, std::move(stop));
    const CandidateList& ownList = s0.List(own);
    const CandidateList& oppList = s0.List(opp);
    // Only the searches behind IWin and YouWin record, into `proof`, kept when they prove it.
    ForcedLine proof;
    ForcedLine* const record = line ? &proof : nullptr;

    x = 0;
    if (search.SearchWin(own, own, x, y, depth, s0, LiveThreeLevel, record)) {
        if (line) *line = std::move(proof);
        return Verdict::IWin;
    }
    if (oppList.Slot(1).level == FiveLevel) {
        x = oppList.Slot(1).x;
        y = oppList.Slot(1).y;
        return Verdict::None;
    }
    x = 0;
    if (search.SearchWin(opp, opp, x, y, depth, s0, LiveThreeLevel)) {
        for (int k = 1; k <= Slots && oppList.Slot(k).level > 0; ++k) {
            int px = oppList.Slot(k).x, py = oppList.Slot(k).y;
            if (!search.SearchWin(opp, opp, px, py, depth, s0, LiveThreeLevel,
                                  k == 1 ? record : nullptr)) {
                // A stone here leaves the person no forced win.
                x = oppList.Slot(k).x;
                y = oppList.Slot(k).y;
                return Verdict::YouMightWin;
            }
        }
        // The block played is slot 1, and the person's win past it is the line.
        x = oppList.Slot(1).x;
        y = oppList.Slot(1).y;
        if (line) {
            *line = {BoardPoint{x, y}};
            line->insert(line->end(), proof.begin(), proof.end());
        }
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

ForcedLine FindForcedLine(TGameBoard& board, std::uint8_t colour, int depth, std::stop_token stop) {
    int x = 0, y = 0;
    ForcedLine line;
    LiteralChooseMove(board, colour, x, y, depth, nullptr, &line, std::move(stop));
    return line;
}

}  // namespace wuziqi
