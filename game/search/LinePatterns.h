#pragma once

#include <cstdint>

namespace wuziqi::search {

// What one line through an empty point becomes for a colour that plays there, read from the
// four points on each side. Ordered from weakest to strongest.
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

// The eight neighbours of a point along one line, two bits each (0 empty, 1 black, 2 white,
// 3 off the board or dead), nearest bits for the far side first: offsets -4..-1 in bits 0..7,
// +1..+4 in bits 8..15.
using LineKey = std::uint16_t;

constexpr int KeyShift(int offset) {
    return 2 * (offset < 0 ? offset + 4 : offset + 3);
}

// The four patterns of a point packed in a nibble each, direction d in bits 4d..4d+3.
using PatternWord = std::uint16_t;

struct ShapeInfo {
    Shape shape;
    std::int16_t score;  // how much the point is worth to the colour: ordering and evaluation
};

// Every line key read for both colours, and every pattern word read as a shape. Built once, on
// first use (a few milliseconds), then shared read-only by every search.
struct PatternTables {
    Pattern line[2][1 << 16];    // [colour - 1][key]
    std::uint8_t both[1 << 16];  // black's pattern in the low nibble, white's in the high one
    ShapeInfo shape[1 << 16];    // [word]
};

const PatternTables& Patterns();

}  // namespace wuziqi::search
