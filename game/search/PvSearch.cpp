#include "PvSearch.h"

#include <algorithm>

#include "Defences.h"

namespace wuziqi::search {

namespace {

// The quiet moves searched at an inner node: the best by attack and defence.
constexpr int QuietWidth = 12;
// The search by fours at each leaf: a few fours deep, a few hundred nodes at most.
constexpr int LeafVcfMoves = 6;
constexpr std::uint64_t LeafVcfNodes = 200;
constexpr std::uint64_t WhiteToMove = 0x9D39247E33776D41ULL;

// Quiet moves after the first few, where neither side makes a threat, are searched a ply
// shallower first, and again at full depth only when they beat the best so far.
constexpr int ReduceFromMove = 4;
constexpr int ReduceFromDepth = 3;
// How many open threes past the depth are answered before the static view is trusted.
constexpr int LeafBlocks = 1;

int Other(int colour) {
    return 3 - colour;
}

std::uint64_t PositionKey(const SearchBoard& board, int side) {
    return board.Hash() ^ (side == 2 ? WhiteToMove : 0);
}

}  // namespace

int ToTable(int score, int ply) {
    if (score >= WinBound) return score + ply;
    if (score <= -WinBound) return score - ply;
    return score;
}

int FromTable(int score, int ply) {
    if (score >= WinBound) return score - ply;
    if (score <= -WinBound) return score + ply;
    return score;
}

PvSearch::PvSearch(SearchBoard& board, TranspositionTable& table, SearchControl& control)
    : board_(board), table_(table), control_(control), threats_(board, control) {}

int PvSearch::Evaluate(int side) const {
    const int own = board_.ScoreTotal(side);
    const int theirs = board_.ScoreTotal(Other(side));
    // The side to move plays first: its threats are worth more than the same threats waiting.
    const int score = own + own / 4 - theirs;
    return std::clamp(score / 4, -EvalLimit, EvalLimit);
}

void PvSearch::QuietMoves(int side, MoveList& moves) const {
    const int opponent = Other(side);
    for (const int p : board_.Points()) {
        if (!board_.IsNear(p)) continue;
        const int attack = board_.ScoreAt(side, p);
        const int defence = board_.ScoreAt(opponent, p);
        moves.Add(p, attack + attack / 4 + defence);
    }
}

void PvSearch::DefenceMoves(int side, MoveList& moves) const {
    AddDefences(board_, Other(side), moves);
}

void PvSearch::Order(int side, MoveList& moves, int ttMove, int ply) const {
    for (int i = 0; i < moves.size; ++i) {
        auto& entry = moves.entries[i];
        if (entry.point == ttMove)
            entry.key = 1 << 30;
        else if (entry.point == killers_[ply][0] || entry.point == killers_[ply][1])
            entry.key = (1 << 29) - (entry.point == killers_[ply][1]);
        else
            entry.key = entry.key * 16 + static_cast<int>(std::min<std::uint32_t>(
                                             history_[side - 1][entry.point], 15));
    }
    moves.SortByKey();
}

int PvSearch::Leaf(int side, int alpha, int beta, int ply) {
    // A win by fours the static view cannot see; the opponent has no four here.
    threats_.SetBudget(LeafVcfNodes);
    if (threats_.FindVcf(side, LeafVcfMoves)) return WinBound + 100;
    const int opponent = Other(side);
    if (leafBlocks_ >= LeafBlocks || !board_.ShapeCount(opponent, ShapeFlex4))
        return Evaluate(side);
    // An open three of the opponent's is worth what is left of it after the best answer: the
    // static view alone would count it as a four to come and reward making one at the horizon.
    MoveList moves;
    DefenceMoves(side, moves);
    moves.SortByKey();
    ++leafBlocks_;
    int best = -Win;
    for (const auto& [move, key] : moves) {
        board_.Make(move, side);
        const int score = -Search(opponent, 0, -beta, -alpha, ply + 1);
        board_.Unmake();
        if (control_.Stopped()) break;
        best = std::max(best, score);
        alpha = std::max(alpha, score);
        if (alpha >= beta) break;
    }
    --leafBlocks_;
    return best;
}

bool PvSearch::VcfDefenceMoves(int side, MoveList& moves) {
    const int opponent = Other(side);
    std::vector<int>& line = vcfLine_;
    line.clear();
    threats_.SetBudget(LeafVcfNodes);
    if (!threats_.FindVcf(opponent, LeafVcfMoves, &line)) return false;
    // A stone on the line stops that win, a four of the side's own puts it off; other moves
    // nearly always lose to it (one that turns a forced answer into a four is the exception),
    // so the node's width goes to these.
    for (const int p : line)
        if (board_.IsEmpty(p)) AddDefence(board_, p, moves);
    AddFours(board_, side, moves);
    return true;
}

int PvSearch::Search(int side, int depth, int alpha, int beta, int ply) {
    const int opponent = Other(side);
    if (control_.Tick()) return 0;
    if (board_.ShapeCount(side, ShapeFive)) return Win - ply - 1;
    const int opponentFives = board_.ShapeCount(opponent, ShapeFive);
    if (opponentFives >= 2) return -(Win - ply - 2);
    if (opponentFives == 0 && board_.ShapeCount(side, ShapeFlex4)) return Win - ply - 3;
    if (ply >= MaxPly || board_.IsFull()) return 0;

    const std::uint64_t key = PositionKey(board_, side);
    int ttMove = -1;
    const bool pvNode = beta - alpha > 1;
    if (const TableEntry* entry = table_.Probe(key)) {
        ttMove = entry->move;
        const int score = FromTable(entry->score, ply);
        if (!pvNode && entry->depth >= depth) {
            if (entry->bound == Bound::Exact) return score;
            if (entry->bound == Bound::Lower && score >= beta) return score;
            if (entry->bound == Bound::Upper && score <= alpha) return score;
        }
    }

    MoveList moves;
    if (opponentFives == 1) {
        moves.Add(board_.FindShape(opponent, ShapeFive), 0);
    } else {
        if (depth <= 0) return Leaf(side, alpha, beta, ply);
        bool narrowed = board_.ShapeCount(opponent, ShapeFlex4) != 0;
        if (narrowed)
            DefenceMoves(side, moves);
        else if (VcfDefenceMoves(side, moves))  // a win by fours waiting: only its stops
            narrowed = true;
        else
            QuietMoves(side, moves);
        Order(side, moves, ttMove, ply);
        if (moves.size > QuietWidth && !narrowed)
            moves.size = QuietWidth;
    }
    if (moves.size == 0) return Evaluate(side);
    // A forced block costs no depth.
    const int childDepth = moves.size == 1 ? depth : depth - 1;

    const bool quietNode =
        moves.size > 1 && opponentFives == 0 && !board_.ShapeCount(opponent, ShapeFlex4);
    const int alphaIn = alpha;
    int best = -Win;
    int bestMove = -1;
    for (int i = 0; i < moves.size; ++i) {
        const int move = moves.entries[i].point;
        const bool reducible = quietNode && i >= ReduceFromMove && depth >= ReduceFromDepth &&
                               board_.ShapeAt(side, move) == ShapeNone &&
                               board_.ShapeAt(opponent, move) == ShapeNone;
        board_.Make(move, side);
        int score;
        if (i == 0) {
            score = -Search(opponent, childDepth, -beta, -alpha, ply + 1);
        } else {
            const int reduced = reducible ? childDepth - 1 : childDepth;
            score = -Search(opponent, reduced, -alpha - 1, -alpha, ply + 1);
            if (reduced < childDepth && score > alpha)
                score = -Search(opponent, childDepth, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && score < beta)
                score = -Search(opponent, childDepth, -beta, -alpha, ply + 1);
        }
        board_.Unmake();
        if (control_.Stopped()) return 0;
        if (score > best) {
            best = score;
            bestMove = move;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta) {
                    history_[side - 1][move] += static_cast<std::uint32_t>(depth * depth);
                    if (killers_[ply][0] != move) {
                        killers_[ply][1] = killers_[ply][0];
                        killers_[ply][0] = move;
                    }
                    break;
                }
            }
        }
    }
    const Bound bound = best >= beta ? Bound::Lower : best > alphaIn ? Bound::Exact : Bound::Upper;
    table_.Store(key, ToTable(best, ply), bestMove, depth, bound);
    return best;
}

int PvSearch::SearchRoot(int side, int depth, std::vector<int>& moves) {
    rootHasResult_ = false;
    const int opponent = Other(side);
    int alpha = -Win - 1;
    const int beta = Win + 1;
    int best = -Win - 1;
    std::size_t bestIndex = 0;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        board_.Make(moves[i], side);
        int score;
        if (i == 0) {
            score = -Search(opponent, depth - 1, -beta, -alpha, 1);
        } else {
            score = -Search(opponent, depth - 1, -alpha - 1, -alpha, 1);
            if (score > alpha && !control_.Stopped())
                score = -Search(opponent, depth - 1, -beta, -alpha, 1);
        }
        board_.Unmake();
        if (control_.Stopped()) break;
        rootHasResult_ = true;
        if (score > best) {
            best = score;
            bestIndex = i;
            alpha = std::max(alpha, score);
        }
    }
    std::rotate(moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(bestIndex),
                moves.begin() + static_cast<std::ptrdiff_t>(bestIndex) + 1);
    if (rootHasResult_)
        table_.Store(PositionKey(board_, side), best, moves.front(), depth, Bound::Exact);
    return best;
}

}  // namespace wuziqi::search
