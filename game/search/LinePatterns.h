#pragma once

#include <cstdint>
#include <vector>

namespace wuziqi::search {

// Which lines win: five or more in a row (freestyle), or exactly five, where a longer line
// neither wins nor counts as a four or a five.
enum class FiveRule : std::uint8_t { Freestyle, Exact };

// What one line through an empty point becomes for a colour that plays there, read from the
// four points on each side (five under the exact rule, which must see what lies past a five).
// Ordered from weakest to strongest.
enum Pattern : std::uint8_t {
    PatNone,
    PatBlock1,
    PatFlex1,
    PatBlock2,
    PatFlex2,
    PatBlock3,  // one more stone makes a four with one five-point
    PatFlex3,   // one more stone makes an open four: an open three
    PatBlock4,  // a four: one point left to five
    PatFlex4,   // two or more points left to five: cannot be stopped
    PatFive,
    PatternCount
};

// The four lines through an empty point read together: the deciding combinations.
enum Shape : std::uint8_t {
    ShapeNone,
    ShapeFlex3,   // an open three
    ShapeThree3,  // two open threes
    ShapeBlock4,  // a four
    ShapeFour3,   // a four and an open three
    ShapeFlex4,   // an open four, or two fours: wins unless answered by a five
    ShapeFive,
};

constexpr bool IsFour(Shape shape) {
    return shape >= ShapeBlock4;
}
constexpr bool IsThreeOrFour(Shape shape) {
    return shape != ShapeNone;
}

// The ten neighbours of a point along one line, two bits each (0 empty, 1 black, 2 white,
// 3 off the board or dead): offsets -4..-1 in bits 0..7, +1..+4 in bits 8..15, and -5 and +5
// in bits 16..19, so that the freestyle tables read the low 16 bits alone.
using LineKey = std::uint32_t;
inline constexpr LineKey FreestyleKeyMask = 0xFFFF;
inline constexpr LineKey ExactKeyMask = 0xFFFFF;

constexpr int KeyShift(int offset) {
    if (offset == -5) return 16;
    if (offset == 5) return 18;
    return 2 * (offset < 0 ? offset + 4 : offset + 3);
}

// The four patterns of a point packed in a nibble each, direction d in bits 4d..4d+3.
using PatternWord = std::uint16_t;

struct ShapeInfo {
    Shape shape;
    std::int16_t score;  // how much the point is worth to the colour: ordering and evaluation
};

// Every line key of a rule read for both colours. Built once per rule, on first use (a few
// milliseconds for freestyle, under a tenth of a second for the exact rule's million keys), then
// shared read-only by every search.
struct LineTables {
    explicit LineTables(int keyBits)
        : line{std::vector<Pattern>(std::size_t{1} << keyBits),
               std::vector<Pattern>(std::size_t{1} << keyBits)},
          both(std::size_t{1} << keyBits) {}
    std::vector<Pattern> line[2];    // [colour - 1][key]
    std::vector<std::uint8_t> both;  // black's pattern in the low nibble, white's in the high one
};

// The lines of the rule; keys are masked with the rule's mask before they are read.
const LineTables& Lines(FiveRule rule);
constexpr LineKey KeyMask(FiveRule rule) {
    return rule == FiveRule::Exact ? ExactKeyMask : FreestyleKeyMask;
}

// Every pattern word read as a shape, the same under both rules.
const std::vector<ShapeInfo>& Shapes();

}  // namespace wuziqi::search
