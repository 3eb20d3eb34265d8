#include "ThreatSearch.h"

#include "Defences.h"
#include "MoveList.h"

namespace wuziqi::search {

namespace {

int Other(int colour) {
    return 3 - colour;
}

constexpr std::size_t KnownEntries = std::size_t{1} << 16;
constexpr std::uint64_t WhiteAttacks = 0x6A09E667F3BCC909ULL;
constexpr std::uint64_t ByThrees = 0xBB67AE8584CAA73BULL;

}  // namespace

ThreatSearch::ThreatSearch(SearchBoard& board, SearchControl& control)
    : board_(board), control_(control), known_(KnownEntries) {}

std::uint64_t ThreatSearch::KnownKey(int attacker, bool vct) const {
    return board_.Hash() ^ (attacker == 2 ? WhiteAttacks : 0) ^ (vct ? ByThrees : 0);
}

int ThreatSearch::Recall(std::uint64_t key, int depth) const {
    const Known& known = known_[key & (KnownEntries - 1)];
    if (known.depth < 0 || known.check != static_cast<std::uint32_t>(key >> 32)) return -1;
    if (known.win && depth >= known.depth && !wantLine_) return 1;
    if (!known.win && depth <= known.depth) return 0;
    return -1;
}

void ThreatSearch::Remember(std::uint64_t key, int depth, bool win) {
    if (gaveUp_) return;
    Known& known = known_[key & (KnownEntries - 1)];
    known = {static_cast<std::uint32_t>(key >> 32), static_cast<std::int8_t>(depth), win};
}

void ThreatSearch::Begin() {
    gaveUp_ = false;
    limit_ = budget_ ? control_.Nodes() + budget_ : 0;
}

bool ThreatSearch::Tick() {
    if (control_.Tick() || (limit_ && control_.Nodes() >= limit_)) gaveUp_ = true;
    return gaveUp_;
}

bool ThreatSearch::FindVcf(int attacker, int maxAttackerMoves, std::vector<int>* line) {
    Begin();
    wantLine_ = line != nullptr;
    std::vector<int> found;
    const bool win = Vcf(attacker, maxAttackerMoves, found);
    if (win && line) *line = found;
    return win;
}

bool ThreatSearch::FindVct(int attacker, int maxAttackerMoves, std::vector<int>* line) {
    Begin();
    wantLine_ = line != nullptr;
    // Deeper step by step: short wins are found first, and each failure is remembered for the
    // next, deeper try.
    for (int depth = 1; depth <= maxAttackerMoves && !gaveUp_; ++depth) {
        std::vector<int> found;
        if (VctAttack(attacker, depth, found)) {
            if (line) *line = found;
            return true;
        }
    }
    return false;
}

void ThreatSearch::FinishFlex4(int attacker, int point, std::vector<int>& line) {
    line.push_back(point);
    board_.Make(point, attacker);
    const int block = board_.FindShape(attacker, ShapeFive);
    board_.Make(block, Other(attacker));
    line.push_back(block);
    line.push_back(board_.FindShape(attacker, ShapeFive));
    board_.Unmake();
    board_.Unmake();
}

bool ThreatSearch::Vcf(int attacker, int depth, std::vector<int>& line) {
    return Attack(attacker, depth, false, line);
}

// A five on the board, the depth, and positions already decided, alike for both searches.
bool ThreatSearch::Attack(int attacker, int depth, bool byThrees, std::vector<int>& line) {
    const int defender = Other(attacker);
    if (board_.ShapeCount(attacker, ShapeFive)) {
        line.push_back(board_.FindShape(attacker, ShapeFive));
        return true;
    }
    if (depth <= 0 || gaveUp_) return false;
    const std::uint64_t key = KnownKey(attacker, byThrees);
    const int known = Recall(key, depth);
    if (known >= 0) return known == 1;
    const bool win = byThrees ? VctMoves(attacker, defender, depth, line)
                              : VcfMoves(attacker, defender, depth, line);
    Remember(key, depth, win);
    return win;
}

bool ThreatSearch::VcfMoves(int attacker, int defender, int depth, std::vector<int>& line) {
    MoveList moves;
    const int defenderFives = board_.ShapeCount(defender, ShapeFive);
    if (defenderFives >= 2) return false;
    if (defenderFives == 1) {
        // The defender's four must be blocked, and the block must go on with a four.
        const int block = board_.FindShape(defender, ShapeFive);
        if (!IsFour(board_.ShapeAt(attacker, block))) return false;
        moves.Add(block, 0);
    } else {
        if (board_.ShapeCount(attacker, ShapeFlex4)) {
            FinishFlex4(attacker, board_.FindShape(attacker, ShapeFlex4), line);
            return true;
        }
        if (board_.ShapeCount(attacker, ShapeBlock4) + board_.ShapeCount(attacker, ShapeFour3) == 0)
            return false;
        moves.AddThreats(
            board_, attacker, [&](int p) { return IsFour(board_.ShapeAt(attacker, p)); },
            [&](int p) { return board_.ScoreAt(attacker, p); });
        moves.SortByKey();
    }
    for (const auto& [move, key] : moves) {
        if (Tick()) return false;
        board_.Make(move, attacker);
        // A four leaves one five-point, which the defender must take.
        const int block = board_.FindShape(attacker, ShapeFive);
        bool win = false;
        std::vector<int> rest;
        if (board_.ShapeCount(attacker, ShapeFive) >= 2) {
            rest = {block, -1};
            win = true;
            board_.Make(block, defender);
            rest[1] = board_.FindShape(attacker, ShapeFive);
            board_.Unmake();
        } else if (block >= 0) {
            board_.Make(block, defender);
            rest.push_back(block);
            win = Vcf(attacker, depth - 1, rest);
            board_.Unmake();
        }
        board_.Unmake();
        if (win) {
            line.push_back(move);
            line.insert(line.end(), rest.begin(), rest.end());
            return true;
        }
        if (gaveUp_) return false;
    }
    return false;
}

bool ThreatSearch::VctAttack(int attacker, int depth, std::vector<int>& line) {
    return Attack(attacker, depth, true, line);
}

bool ThreatSearch::VctMoves(int attacker, int defender, int depth, std::vector<int>& line) {
    MoveList moves;
    const int defenderFives = board_.ShapeCount(defender, ShapeFive);
    if (defenderFives >= 2) return false;
    if (defenderFives == 1) {
        moves.Add(board_.FindShape(defender, ShapeFive), 0);
    } else {
        if (board_.ShapeCount(attacker, ShapeFlex4)) {
            FinishFlex4(attacker, board_.FindShape(attacker, ShapeFlex4), line);
            return true;
        }
        // Fours first: they are cheap to answer and often win outright.
        moves.AddThreats(
            board_, attacker, [](int) { return true; },
            [&](int p) {
                return board_.ScoreAt(attacker, p) +
                       (IsFour(board_.ShapeAt(attacker, p)) ? 100000 : 0) +
                       board_.ScoreAt(defender, p) / 4;
            });
        moves.SortByKey();
    }
    for (const auto& [move, key] : moves) {
        if (Tick()) return false;
        board_.Make(move, attacker);
        std::vector<int> rest;
        const bool win = VctDefend(attacker, depth - 1, rest);
        board_.Unmake();
        if (win) {
            line.push_back(move);
            line.insert(line.end(), rest.begin(), rest.end());
            return true;
        }
        if (gaveUp_) return false;
    }
    return false;
}

bool ThreatSearch::VctDefend(int attacker, int depth, std::vector<int>& line) {
    const int defender = Other(attacker);
    MoveList answers;
    const int fives = board_.ShapeCount(attacker, ShapeFive);
    if (fives >= 2) {
        const int block = board_.FindShape(attacker, ShapeFive);
        line.push_back(block);
        board_.Make(block, defender);
        line.push_back(board_.FindShape(attacker, ShapeFive));
        board_.Unmake();
        return true;
    }
    if (fives == 1) {
        answers.Add(board_.FindShape(attacker, ShapeFive), 0);
    } else if (board_.ShapeCount(attacker, ShapeFlex4)) {
        AddDefences(board_, attacker, answers);
        answers.SortByKey();
    } else {
        return false;  // no threat: the defender is free
    }
    std::vector<int> longest;
    int longestAnswer = -1;
    for (const auto& [answer, key] : answers) {
        if (Tick()) return false;
        board_.Make(answer, defender);
        std::vector<int> rest;
        const bool win = VctAttack(attacker, depth, rest);
        board_.Unmake();
        if (!win) return false;
        if (longestAnswer < 0 || rest.size() > longest.size()) {
            longest = std::move(rest);
            longestAnswer = answer;
        }
    }
    line.push_back(longestAnswer);
    line.insert(line.end(), longest.begin(), longest.end());
    return true;
}

}  // namespace wuziqi::search
