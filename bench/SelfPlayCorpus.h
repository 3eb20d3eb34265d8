#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wuziqi {

// One placement on the way to a position (1-based point, colour 2 or 3).
struct Placement {
    int x;
    int y;
    std::uint8_t colour;
};

// A position to reply to: the stones in the order they were played and the colour to move.
struct CorpusPosition {
    std::vector<Placement> moves;
    std::uint8_t toMove;
    int game;  // which self-play game it comes from
};

// The positions of seeded self-play games: the computer's own replies mixed with random
// stones near the others, so that every kind of threat turns up, from the opening on.
// The same seed and count always give the same positions.
std::vector<CorpusPosition> SelfPlayCorpus(std::size_t minPositions, std::uint64_t seed = 20240611);

// The position as an analyze line of pbrain-wuziqi: colour, then x,y,c tokens.
std::string AnalyzeLine(const CorpusPosition& position);

}  // namespace wuziqi
