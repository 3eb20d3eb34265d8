#include "BeginnerPlayer.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "Evaluation.h"
#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr BoardPoint Centre{8, 8};
// A newcomer looks at the points around the stones, not across the board.
constexpr int NearDistance = 2;

// splitmix64 step: the same sequence on every platform.
std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

// The seed mixed with every point of the board, so that each position of a game draws anew.
std::uint64_t PositionDraw(const TGameBoard& board, std::uint64_t seed) {
    std::uint64_t draw = Mix(seed);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            draw = Mix(draw ^ (static_cast<std::uint64_t>(board.Grid[x][y]) << 16 |
                               static_cast<std::uint64_t>(x * 16 + y)));
    return draw;
}

struct ScoredPoint {
    BoardPoint point;
    double score;
    int distanceToLast;
};

bool NearAStone(const TGameBoard& board, int x, int y) {
    for (int dx = -NearDistance; dx <= NearDistance; ++dx)
        for (int dy = -NearDistance; dy <= NearDistance; ++dy)
            if (board.GetCell(x + dx, y + dy) >= Black) return true;
    return false;
}

// What a stone here makes for itself and spoils for the opponent, line by line, weighted as
// the threat map's levels are.
double OnePlyScore(const TGameBoard& board, std::uint8_t colour, int x, int y) {
    double score = 0.0;
    for (int d = 0; d < DirectionCount; ++d)
        score += LevelWeight[board.Levels.At(colour, x, y, d)] +
                 LevelWeight[board.Levels.At(Opponent(colour), x, y, d)];
    return score;
}

// The empty points near the stones (every empty point where none is near), best first; among
// equal scores the point nearer the last stone, then the first in scan order.
std::vector<ScoredPoint> RankedPoints(const TGameBoard& board, std::uint8_t colour,
                                      BoardPoint last) {
    std::vector<ScoredPoint> near, far;
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            if (board.Grid[x][y] != Empty) continue;
            const ScoredPoint p{{x, y},
                                OnePlyScore(board, colour, x, y),
                                std::max(std::abs(x - last.x), std::abs(y - last.y))};
            (NearAStone(board, x, y) ? near : far).push_back(p);
        }
    }
    std::vector<ScoredPoint>& ranked = near.empty() ? far : near;
    std::stable_sort(ranked.begin(), ranked.end(), [](const ScoredPoint& a, const ScoredPoint& b) {
        return a.score != b.score ? a.score > b.score : a.distanceToLast < b.distanceToLast;
    });
    return std::move(ranked);
}

// The best-ranked point where a stone of the colour completes five.
const BoardPoint* FivePointOf(const TGameBoard& board, std::uint8_t colour,
                              const std::vector<ScoredPoint>& ranked) {
    for (const ScoredPoint& p : ranked) {
        double score = 0.0;
        if (board.WinTest(p.point.x, p.point.y, score, colour)) return &p.point;
    }
    return nullptr;
}

}  // namespace

BeginnerChoice ChooseBeginnerMove(const TGameBoard& board, std::uint8_t colour, BoardPoint last,
                                  std::uint64_t seed, int secondBestPercent) {
    BeginnerChoice choice;
    bool anyStone = false, anyEmpty = false;
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            anyStone = anyStone || board.Grid[x][y] >= Black;
            anyEmpty = anyEmpty || board.Grid[x][y] == Empty;
        }
    }
    if (!anyEmpty) return choice;
    if (!anyStone) {
        choice.answer = {Centre, Verdict::None, {}};
        choice.reason = BeginnerReason::Centre;
        return choice;
    }
    choice.answer.verdict = Verdict::None;
    // Every five point lies next to a stone of its window, so the near points hold them all.
    const std::vector<ScoredPoint> ranked = RankedPoints(board, colour, last);
    if (const BoardPoint* five = FivePointOf(board, colour, ranked)) {
        choice.answer = {*five, Verdict::IWin, {}};
        choice.reason = BeginnerReason::OwnFive;
        return choice;
    }
    // Where the opponent has several five points the game is lost; the best-scoring is blocked.
    if (const BoardPoint* block = FivePointOf(board, Opponent(colour), ranked)) {
        choice.answer.point = *block;
        choice.reason = BeginnerReason::BlockFive;
        return choice;
    }
    choice.answer.point = ranked.front().point;
    choice.reason = BeginnerReason::Best;
    const auto worse = std::find_if(ranked.begin(), ranked.end(), [&](const ScoredPoint& p) {
        return p.score < ranked.front().score;
    });
    const bool slip = PositionDraw(board, seed) % 100 <
                      static_cast<std::uint64_t>(std::clamp(secondBestPercent, 0, 100));
    if (slip && worse != ranked.end()) {
        choice.answer.point = worse->point;
        choice.reason = BeginnerReason::SecondBest;
    }
    return choice;
}

ComputerAnswer BeginnerReply(TGameBoard& board, std::uint8_t colour, BoardPoint last,
                             std::uint64_t seed) {
    return ChooseBeginnerMove(board, colour, last, seed).answer;
}

}  // namespace wuziqi
