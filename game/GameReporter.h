#pragma once

#include <cstdint>

namespace wuziqi {

// Why Place refused to set a point.
enum class PlaceRefusal : std::uint8_t {
    OffBoard,    // the point lies outside 1..15
    PointTaken,  // a stone was to go on a point that holds one
    NotACell,    // the code is none of Empty, Black and White
};

// How the game model tells whoever shows it what happened. Everything arrives as a value; the
// window turns the values into message boxes and status texts, the engine and the benchmarks
// ignore them, the tests record them. Every method does nothing unless overridden.
class GameReporter {
  public:
    virtual ~GameReporter() = default;

    // A placement was refused; nothing changed.
    virtual void PlacementRefused(PlaceRefusal /*reason*/) {}

    // A stone of the colour at (x, y) completes five or more in a row. Reported before the
    // stone is set, so the announcement comes before the stone is seen.
    virtual void StoneWins(std::uint8_t /*colour*/, int /*x*/, int /*y*/) {}

    // The other colour was asked of a value that is not a colour (Border or Empty).
    virtual void WrongColour() {}

    // A window's mask has no row in the pattern table of its stone count.
    virtual void PatternMismatch(int /*count*/) {}
};

}  // namespace wuziqi
