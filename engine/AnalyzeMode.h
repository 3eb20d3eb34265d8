#pragma once

#include <string>
#include <string_view>

namespace wuziqi::engine {

struct AnalyzeOptions {
    int depth = 16;
    bool levels = false;  // also print the whole threat map after the placements
};

// One analyze line ("colour x,y,c x,y,c ...") in, one JSON line out (without a line
// break): the chosen point and verdict, or {"error":"..."} for a malformed line.
std::string AnalyzePosition(std::string_view line, const AnalyzeOptions& options);

}  // namespace wuziqi::engine
