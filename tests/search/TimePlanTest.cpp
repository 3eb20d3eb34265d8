// The reply's time: when iterative deepening may begin another iteration.
#include <gtest/gtest.h>

#include "TimePlan.h"

namespace wuziqi::search {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

TEST(TimePlan, AnotherIterationBeginsOnlyWhenItIsLikelyToFinish) {
    const TimePlan plan{milliseconds(875), milliseconds(437)};
    // Before the soft limit, always.
    EXPECT_TRUE(BeginNextIteration(plan, milliseconds(400), milliseconds(300), milliseconds(10)));
    // After it, while the next iteration, grown as the last one grew, ends in time.
    EXPECT_TRUE(BeginNextIteration(plan, milliseconds(500), milliseconds(100), milliseconds(50)));
    EXPECT_FALSE(BeginNextIteration(plan, milliseconds(500), milliseconds(100), milliseconds(20)));
    // The growth counts at least twice and at most six times the last iteration.
    EXPECT_FALSE(BeginNextIteration(plan, milliseconds(500), milliseconds(200), milliseconds(190)));
    EXPECT_TRUE(BeginNextIteration(plan, milliseconds(500), milliseconds(60), microseconds(1)));
}

}  // namespace
}  // namespace wuziqi::search
