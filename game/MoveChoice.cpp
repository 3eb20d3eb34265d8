// The computer's move: the same decisions, in the same order, as LiteralChooseMove, on a
// compact search state. Only work whose outcome cannot change the answer is left out.
#include "MoveChoice.h"

#include <stop_token>
#include <utility>
#include <vector>

#include "FastState.h"
#include "FirstPassing.h"
#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int Slots = CandidateList::Size;

class SearchWorkersPool;

class FastSearch {
  public:
    FastSearch(TGameBoard& board, SearchCounts* counts, std::stop_token cancel,
               std::stop_token stop = {})
        : board_(board), counts_(counts), cancel_(std::move(cancel)), stop_(std::move(stop)) {}

    // x, y: the trial point on entry (0 for none); on the attacker's turn the candidate
    // being tried is written back, so after true they hold the first move of the line.
    // Only the caller that asks for that point (`wantsPoint`) gets its threats tried in
    // slot order; everywhere else the answer alone counts, and the order is free.
    // With a pool, the moves of this step (not of the steps below) are tried on all its
    // threads; only a search that starts without a stone of its own is given one, since the
    // pool's copies of the board do not have that stone.
    bool SearchWin(std::uint8_t a, std::uint8_t mover, int& x, int& y, int depth, SearchState s,
                   std::uint8_t minLevel, bool wantsPoint = false,
                   SearchWorkersPool* pool = nullptr) {
        if (counts_) ++counts_->searchWin;
        if (depth <= 0) return false;
        // An answer nobody waits for any more: give up before placing anything.
        if (stop_.stop_requested() || cancel_.stop_requested()) return false;
        const int stoneX = x, stoneY = y;
        if (stoneX > 0) {
            const std::uint8_t placer = mover == Black ? White : Black;
            board_.Grid[stoneX][stoneY] = static_cast<CellState>(placer);
            ClearCandidates(s.List(placer));
            RemoveCandidate(s.List(mover), stoneX, stoneY);
            FastUpdateAfterStone(s, board_, stoneX, stoneY);
        }
        const bool answer = mover == a
                                ? AttackerMoves(a, x, y, depth, s, minLevel, wantsPoint, pool)
                                : DefenderMoves(a, depth, s, minLevel);
        if (stoneX > 0) board_.Grid[stoneX][stoneY] = Empty;
        return answer;
    }

    // TryOwnMove in two parts, so that the threats of several quiet moves can be shared
    // out: the state after a quiet stone of colour c at (x, y), and then whether c still
    // forces a win when the opponent takes one of the threat points of that state. The quiet
    // move passes when any of its threats of level `minLevel` and more does.
    SearchState AfterQuietStone(std::uint8_t c, int x, int y, SearchState s) {
        if (counts_) ++counts_->tryOwnMove;
        board_.Grid[x][y] = static_cast<CellState>(c);
        FastUpdateAfterStone(s, board_, x, y);
        board_.Grid[x][y] = Empty;
        return s;
    }
    bool WinsPastBlock(std::uint8_t c, int x, int y, const SearchState& after, std::uint16_t threat,
                       int depth, std::uint8_t minLevel) {
        board_.Grid[x][y] = static_cast<CellState>(c);
        const bool answer = Deeper(c, c, threat, depth, after, minLevel);
        board_.Grid[x][y] = Empty;
        return answer;
    }

  private:
    // The slots of level `minLevel` and more at the head of the list, in the order to try
    // them: slot order when the first success is wanted, otherwise threats that reach
    // further along their lines (higher levelSum) first, which tends to find a win sooner.
    static int TryOrder(const CandidateList& list, int minLevel, bool slotOrder, int order[Slots]) {
        int n = 0;
        while (n < Slots && list.level[n] >= minLevel) {
            int j = n;
            if (!slotOrder)
                for (; j > 0 && list.levelSum[order[j - 1]] < list.levelSum[n]; --j)
                    order[j] = order[j - 1];
            order[j] = n;
            ++n;
        }
        return n;
    }

    bool Deeper(std::uint8_t a, std::uint8_t mover, std::uint16_t key, int depth,
                const SearchState& s, std::uint8_t minLevel) {
        // Both are answered false whatever the stone does, so neither the copy of the state
        // nor the update is needed. The defender's step with one level left can only answer
        // false: each of its ways on goes one level deeper, where the answer is false.
        if (depth <= 0 || (depth == 1 && mover != a)) {
            if (counts_) ++counts_->searchWin;
            return false;
        }
        int px = CandidateList::KeyX(key), py = CandidateList::KeyY(key);
        return SearchWin(a, mover, px, py, depth, s, minLevel);
    }

    // The first i in [0, n) for which Deeper(a, mover, keyAt(i), ...) is true, or n; the
    // tries are shared out between the pool's threads when there is a pool.
    template <typename KeyAt>
    int FirstDeeper(int n, KeyAt keyAt, std::uint8_t a, std::uint8_t mover, int depth,
                    const SearchState& s, std::uint8_t minLevel, SearchWorkersPool* pool);

    bool AttackerMoves(std::uint8_t a, int& x, int& y, int depth, const SearchState& s,
                       std::uint8_t minLevel, bool wantsPoint, SearchWorkersPool* pool) {
        const std::uint8_t d = a == Black ? White : Black;
        const CandidateList& la = s.List(a);
        const CandidateList& ld = s.List(d);
        auto take = [&](std::uint16_t key) {
            x = CandidateList::KeyX(key);
            y = CandidateList::KeyY(key);
        };

        if (la.level[0] == FiveLevel) {
            take(la.key[0]);
            return true;
        }
        if (ld.level[0] == FiveLevel) {
            take(ld.key[0]);
            return Deeper(a, d, ld.key[0], depth - 1, s, minLevel);
        }
        if (la.level[0] == OpenFourLevel) {
            take(la.key[0]);
            return true;
        }
        int order[Slots];
        auto ownInOrder = [&](int i) { return la.key[order[i]]; };
        auto theirs = [&](int k) { return ld.key[k]; };
        if (la.level[0] == FourLevel) {
            // Fours of ours, in trying order: the first that wins.
            const int n = TryOrder(la, FourLevel, wantsPoint, order);
            const int i = FirstDeeper(n, ownInOrder, a, d, depth - 1, s, FourLevel, pool);
            if (i < n) {
                take(la.key[order[i]]);
                return true;
            }
        }
        if (minLevel >= FourLevel) return false;
        if (ld.level[0] == OpenFourLevel) {
            // Their point for an open four: play one of their points of level 9 and more;
            // when none of those wins and their list goes on below 9, there is no win.
            int n = 0;
            while (n < Slots && ld.level[n] >= FourLevel)
                ++n;
            const int k = FirstDeeper(n, theirs, a, d, depth - 1, s, minLevel, pool);
            if (k < n) {
                take(ld.key[k]);
                return true;
            }
            if (n < Slots) return false;
        }
        if (ld.level[0] == FourLevel) {
            // Their fours: when one of them wins for them, there is no win here.
            int n = 0;
            while (n < Slots && ld.level[n] == FourLevel)
                ++n;
            if (FirstDeeper(n, theirs, d, a, depth - 1, s, FourLevel, pool) < n) return false;
        }
        if (la.level[0] >= LiveThreeLevel) {
            const int n = TryOrder(la, LiveThreeLevel, wantsPoint, order);
            const int i = FirstDeeper(n, ownInOrder, a, d, depth - 1, s, LiveThreeLevel, pool);
            if (i < n) {
                take(la.key[order[i]]);
                return true;
            }
        }
        return false;
    }

    bool DefenderMoves(std::uint8_t a, int depth, const SearchState& s, std::uint8_t minLevel) {
        const std::uint8_t d = a == Black ? White : Black;
        const CandidateList& la = s.List(a);
        const CandidateList& ld = s.List(d);

        if (ld.level[0] == FiveLevel) return false;
        if (la.level[0] == FiveLevel) return Deeper(a, a, la.key[0], depth - 1, s, minLevel);
        if (ld.level[0] == OpenFourLevel) return false;
        if (la.level[0] == OpenFourLevel) {
            for (int k = 0; k < Slots; ++k) {
                if (la.level[k] < FourLevel) return true;
                if (!Deeper(a, a, la.key[k], depth - 1, s, minLevel)) return false;
            }
            return false;
        }
        return false;
    }

    TGameBoard& board_;
    SearchCounts* counts_;
    std::stop_token cancel_;  // the caller no longer wants the move at all
    std::stop_token stop_;    // another thread's answer has made this one unnecessary
};

// What each thread of a shared-out step works on: the calling thread uses the board itself,
// the others a copy of it, since trial stones are written into the Grid; each keeps its own
// counts, added up at the end.
class SearchWorkersPool {
  public:
    SearchWorkersPool(TGameBoard& board, SearchCounts* counts, std::stop_token cancel)
        : board_(board), counts_(counts), cancel_(std::move(cancel)), size_(SearchWorkers()) {
        copies_.reserve(size_ - 1);
        for (int w = 1; w < size_; ++w) {
            copies_.push_back(board);
            // The copies report nothing: only the calling thread may talk to the caller.
            copies_.back().SetReporter(nullptr);
        }
        workerCounts_.resize(size_);
    }
    ~SearchWorkersPool() {
        if (!counts_) return;
        for (const SearchCounts& c : workerCounts_) {
            counts_->searchWin += c.searchWin;
            counts_->tryOwnMove += c.tryOwnMove;
        }
    }

    int Size() const { return size_; }

    FastSearch Search(int worker, std::stop_token stop) {
        TGameBoard& board = worker == 0 ? board_ : copies_[worker - 1];
        return FastSearch(board, counts_ ? &workerCounts_[worker] : nullptr, cancel_,
                          std::move(stop));
    }

  private:
    TGameBoard& board_;
    SearchCounts* counts_;
    std::stop_token cancel_;
    int size_;
    std::vector<TGameBoard> copies_;
    std::vector<SearchCounts> workerCounts_;
};

template <typename KeyAt>
int FastSearch::FirstDeeper(int n, KeyAt keyAt, std::uint8_t a, std::uint8_t mover, int depth,
                            const SearchState& s, std::uint8_t minLevel, SearchWorkersPool* pool) {
    if (!pool) {
        for (int i = 0; i < n; ++i)
            if (Deeper(a, mover, keyAt(i), depth, s, minLevel)) return i;
        return n;
    }
    return FirstPassing(n, pool->Size(), [&](int w, int i, std::stop_token stop) {
        return pool->Search(w, std::move(stop)).Deeper(a, mover, keyAt(i), depth, s, minLevel);
    });
}

}  // namespace

Verdict ChooseMoveCounted(TGameBoard& board, std::uint8_t own, int& x, int& y, int depth,
                          SearchCounts* counts, std::stop_token cancel) {
    const std::optional<SearchStart> start = StartSearch(board, own, depth);
    if (!start) return Verdict::Unchanged;
    const RootCandidates& root = start->root;
    const SearchState& s0 = start->state;
    const std::uint8_t opp = start->opp;
    FastSearch search(board, counts, cancel);
    const CandidateList& ownList = root.lists[own - Black];
    const CandidateList& oppList = root.lists[opp - Black];

    SearchWorkersPool pool(board, counts, cancel);
    x = 0;
    if (search.SearchWin(own, own, x, y, depth, s0, LiveThreeLevel, true, &pool))
        return Verdict::IWin;
    if (oppList.Slot(1).level == FiveLevel) {
        x = oppList.Slot(1).x;
        y = oppList.Slot(1).y;
        return Verdict::None;
    }
    x = 0;
    if (search.SearchWin(opp, opp, x, y, depth, s0, LiveThreeLevel, false, &pool)) {
        // The first candidate, in slot order, where a stone of ours leaves the person no
        // forced win.
        int blocks = 0;
        while (blocks < Slots && oppList.Slot(blocks + 1).level > 0)
            ++blocks;
        const int block =
            FirstPassing(blocks, pool.Size(), [&](int w, int i, std::stop_token stop) {
                int px = oppList.Slot(i + 1).x, py = oppList.Slot(i + 1).y;
                return !pool.Search(w, std::move(stop))
                            .SearchWin(opp, opp, px, py, depth, s0, LiveThreeLevel);
            });
        if (block < blocks) {
            x = oppList.Slot(block + 1).x;
            y = oppList.Slot(block + 1).y;
            return Verdict::YouMightWin;
        }
        x = oppList.Slot(1).x;
        y = oppList.Slot(1).y;
        return Verdict::YouWin;
    }

    // The quiet move played is the passing candidate of highest score, the later slot on
    // ties, and only when that score is above 0; so candidates are tried in that order and
    // the first that passes is the move.
    struct Quiet {
        double score;
        int slot;
    };
    Quiet quiet[Slots];
    int quietCount = 0;
    for (int k = 1; k <= Slots; ++k) {
        const Level level = ownList.Slot(k).level;
        if (level >= LiveThreeLevel) continue;
        if (level < QuietMoveLevel) break;
        quiet[quietCount++] = {PointScore(board, ownList.Slot(k).x, ownList.Slot(k).y), k};
    }
    // Insertion sort: at most twelve entries.
    for (int i = 1; i < quietCount; ++i) {
        const Quiet q = quiet[i];
        int j = i;
        for (; j > 0 && (quiet[j - 1].score < q.score ||
                         (quiet[j - 1].score == q.score && quiet[j - 1].slot < q.slot));
             --j)
            quiet[j] = quiet[j - 1];
        quiet[j] = q;
    }
    // Only a score above 0 may be played; the scores are in falling order.
    while (quietCount > 0 && !(quiet[quietCount - 1].score > 0.0))
        --quietCount;
    // Every threat of every quiet move is one test, grouped by quiet move in trial order.
    struct Threat {
        int quiet;
        std::uint16_t key;
    };
    std::vector<SearchState> after(static_cast<std::size_t>(quietCount));
    std::vector<Threat> threats;
    for (int i = 0; i < quietCount; ++i) {
        const CandidateEntry e = ownList.Slot(quiet[i].slot);
        after[i] = search.AfterQuietStone(own, e.x, e.y, s0);
        const CandidateList& list = after[i].List(own);
        for (int k = 0; k < Slots && list.level[k] >= LiveThreeLevel; ++k)
            threats.push_back({i, list.key[k]});
    }
    const int played = FirstPassingGroup(
        static_cast<int>(threats.size()), quietCount, pool.Size(),
        [&](int t) { return threats[t].quiet; },
        [&](int w, int t, std::stop_token stop) {
            const Threat& threat = threats[t];
            const CandidateEntry e = ownList.Slot(quiet[threat.quiet].slot);
            return pool.Search(w, std::move(stop))
                .WinsPastBlock(own, e.x, e.y, after[threat.quiet], threat.key, depth,
                               LiveThreeLevel);
        });
    if (played < quietCount) {
        const CandidateEntry e = ownList.Slot(quiet[played].slot);
        x = e.x;
        y = e.y;
        return Verdict::IMightWin;
    }
    x = root.bestX;
    y = root.bestY;
    return Verdict::None;
}

Verdict TGameBoard::ChooseMove(std::uint8_t colour, int& x, int& y, int depth,
                               std::stop_token stop) {
    return ChooseMoveCounted(*this, colour, x, y, depth, nullptr, std::move(stop));
}

}  // namespace wuziqi
