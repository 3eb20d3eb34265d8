#include "Openings.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "GameBoard.h"
#include "MasterSearch.h"

namespace wuziqi::bench {

std::vector<Opening> RandomOpenings(int count, int stones, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> near(6, 10);
    std::vector<Opening> openings;
    while (static_cast<int>(openings.size()) < count) {
        Opening opening;
        while (static_cast<int>(opening.stones.size()) < stones) {
            const BoardPoint p{near(random), near(random)};
            if (std::find(opening.stones.begin(), opening.stones.end(), p) == opening.stones.end())
                opening.stones.push_back(p);
        }
        openings.push_back(opening);
    }
    return openings;
}

std::vector<Opening> BalancedOpenings(int count, int stones, std::uint64_t seed,
                                      std::uint64_t nodes) {
    const std::vector<Opening> drawn = RandomOpenings(2 * count, stones, seed);
    std::vector<std::pair<int, std::size_t>> imbalance;  // |score|, index drawn
    MasterPlayer master;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        TGameBoard board;
        CellState colour = Black;
        for (const BoardPoint& p : drawn[i].stones) {
            board.Place(p.x, p.y, colour);
            colour = colour == Black ? White : Black;
        }
        SearchLimits limits;
        limits.turnMs = 600000;  // the node count decides, so that the set is the same anywhere
        limits.maxNodes = nodes;
        const MasterAnswer answer = master.Reply(board, colour, limits);
        // A forced win either way is as uneven as an opening gets; a reply with no search behind
        // it (one move left that does not lose) has no score to read and counts as uneven too.
        const bool scored = answer.verdict == Verdict::None && answer.depth > 0;
        const int score = scored ? std::abs(answer.score) : 1 << 30;
        imbalance.emplace_back(score, i);
    }
    // Ties keep the order drawn, so the set depends on the seed and the search alone.
    std::stable_sort(imbalance.begin(), imbalance.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    imbalance.resize(static_cast<std::size_t>(count));
    std::sort(imbalance.begin(), imbalance.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<Opening> openings;
    for (const auto& [score, i] : imbalance)
        openings.push_back(drawn[i]);
    return openings;
}

}  // namespace wuziqi::bench
