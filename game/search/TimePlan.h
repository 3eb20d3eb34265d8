#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace wuziqi::search {

// How long one reply may think, from the turn limit and the time left in the game. A margin
// is kept for the answer to travel and for the stop to be noticed (the clock is read every
// 256 nodes); with no turn limit (0: "as fast as possible") a short fixed time is used.
struct TimePlan {
    std::chrono::milliseconds hard;  // never thought past
    std::chrono::milliseconds soft;  // no new iteration begins after this
};

inline TimePlan PlanTime(int turnMs, std::int64_t matchMsLeft) {
    std::int64_t budget = 20;
    if (turnMs > 0) budget = turnMs - std::clamp<std::int64_t>(turnMs / 8, 30, 300);
    // A game's time is shared out as if some twenty moves were still to come, and some of it is
    // always kept back.
    if (matchMsLeft > 0) budget = std::min(budget, matchMsLeft / 20 - 20);
    budget = std::max<std::int64_t>(budget, 5);
    // An iteration begun late still searches the best move first, so three quarters of the
    // budget may pass before the next one has to be expected to finish.
    return {std::chrono::milliseconds(budget), std::chrono::milliseconds(budget * 3 / 4)};
}

// Whether iterative deepening may begin another iteration, `elapsed` into the reply, after
// iterations that took `last` and `before` that. Before the soft limit it always may (an
// unfinished iteration still searches the best move first); after it only while the next
// iteration, growing as the last one grew (two to six times), would end before the hard limit.
inline bool BeginNextIteration(const TimePlan& plan, std::chrono::microseconds elapsed,
                               std::chrono::microseconds last, std::chrono::microseconds before) {
    if (elapsed <= plan.soft) return true;
    const std::int64_t growth =
        before.count() > 0 ? std::clamp<std::int64_t>(last.count() / before.count(), 2, 6) : 6;
    return elapsed + last * growth <= plan.hard;
}

}  // namespace wuziqi::search
