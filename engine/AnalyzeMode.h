#pragma once

#include <string>
#include <string_view>

#include "ComputerReply.h"
#include "LevelReply.h"

namespace wuziqi::engine {

struct AnalyzeOptions {
    PlayLevel level = PlayLevel::Standard;
    int masterMs = 1000;      // the master's time for each line
    int depth = SearchDepth;  // the standard search's depth; the master's deepest iteration
    bool levels = false;      // also print the whole threat map after the placements
    bool reply = false;  // answer as the game does: a free point even where the search has none
    bool line = false;   // also print the line behind a forced win ([] where there is none)
};

// One analyze line ("colour x,y,c x,y,c ...") in, one JSON line out (without a line
// break): the chosen point and verdict, or {"error":"..."} for a malformed line. Without
// `reply` the point is the search's own answer, (0, 0) where it has none. The master level
// also gives the depth it reached and the nodes it visited, and always has a point on a board
// with a free point.
std::string AnalyzePosition(std::string_view line, const AnalyzeOptions& options);

}  // namespace wuziqi::engine
