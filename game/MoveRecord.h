#pragma once

#include <cstdint>

namespace wuziqi {

// One recorded move: the column and row of the stone, 1..15. No colour is stored: moves
// alternate and the first is Black, so entry i is Black's when i is even.
struct MoveRecord {
    std::int8_t x;
    std::int8_t y;

    friend bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

static_assert(sizeof(MoveRecord) == 2);

}  // namespace wuziqi
