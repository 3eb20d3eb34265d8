#pragma once

#include <cstdint>
#include <vector>

#include "GameRecord.h"

namespace wuziqi::bench {

struct Opening {
    std::vector<BoardPoint> stones;  // Black first, alternating
};

// Seeded openings of a few stones within two points of the centre, no two on one point.
std::vector<Opening> RandomOpenings(int count, int stones, std::uint64_t seed);

// Random openings are often far from even: two black stones side by side in the centre with
// the white one away from them are worth much more to Black. Of twice as many seeded random
// openings, the half that the master's search (a fixed number of nodes, the next side to
// move) scores nearest to even, in the order they were drawn.
std::vector<Opening> BalancedOpenings(int count, int stones, std::uint64_t seed,
                                      std::uint64_t nodes);

}  // namespace wuziqi::bench
