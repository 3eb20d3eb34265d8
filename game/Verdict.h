#pragma once

#include <cstdint>

namespace wuziqi {

// The computer's comment on the game after choosing its move.
enum class Verdict : std::uint8_t {
    Unchanged,    // no choice was made (depth below 1, or not a colour): the last comment stands
    None,         // a plain block or the best-scoring point: nothing to say
    IWin,         // the computer has a forced win and plays its first move
    YouWin,       // the person has a forced win that no single stone stops
    YouMightWin,  // the person had a forced win; the computer plays the point that stops it
    IMightWin,    // a quiet move after which a wrong answer lets the computer force a win
};

// Whether the verdict rests on a forced win that the search proved, so that it has a line.
constexpr bool ProvesForcedWin(Verdict verdict) {
    return verdict == Verdict::IWin || verdict == Verdict::YouWin;
}

}  // namespace wuziqi
