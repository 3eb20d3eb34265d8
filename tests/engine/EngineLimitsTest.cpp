// The limits the engine derives from a manager's INFO lines: the master's time for a move and
// its table, which must keep the whole engine under a tournament's 350 MB.
#include <gtest/gtest.h>

#include <string>

#include "GomocupSession.h"
#include "TimePlan.h"

namespace wuziqi::engine {
namespace {

SearchLimits LimitsAfter(std::initializer_list<const char*> lines) {
    GomocupSession session(PlayLevel::Master);
    for (const char* line : lines)
        session.Handle(line);
    return session.MasterLimits();
}

TEST(EngineLimits, TheTableFitsTheMemoryGivenAndNeverPassesTheTournamentCap) {
    constexpr std::size_t MB = std::size_t{1} << 20;
    EXPECT_EQ(LimitsAfter({}).tableBytes, 64 * MB) << "not told: a modest table";
    const std::size_t modest = LimitsAfter({"INFO max_memory 100000000"}).tableBytes;
    EXPECT_GE(modest, 30 * MB);
    EXPECT_LE(modest, 50 * MB) << "under half of what is allowed, with room for the rest";
    EXPECT_EQ(LimitsAfter({"INFO max_memory 1000"}).tableBytes, 1 * MB);
    // Told of more memory than a tournament allows (or than an int holds), the table stays
    // small enough for the engine to keep under 350 MB.
    for (const char* lots : {"INFO max_memory 350000000", "INFO max_memory 4000000000",
                             "INFO max_memory 99999999999999"})
        EXPECT_LE(LimitsAfter({lots}).tableBytes, 256 * MB) << lots;
}

TEST(EngineLimits, TheMoveTimeKeepsAMarginAndSharesOutTheGame) {
    using std::chrono::milliseconds;
    const SearchLimits turn = LimitsAfter({"INFO timeout_turn 5000"});
    EXPECT_EQ(turn.turnMs, 5000);
    EXPECT_EQ(turn.matchMsLeft, 0) << "no game limit without timeout_match";
    const search::TimePlan plan = search::PlanTime(turn.turnMs, turn.matchMsLeft);
    EXPECT_LT(plan.hard, milliseconds(5000));
    EXPECT_GT(plan.hard, milliseconds(4000));

    // Little left of the game: a small share of it, however long a turn may be.
    const SearchLimits late =
        LimitsAfter({"INFO timeout_turn 5000", "INFO timeout_match 180000", "INFO time_left 2000"});
    EXPECT_EQ(late.matchMsLeft, 2000);
    EXPECT_LE(search::PlanTime(late.turnMs, late.matchMsLeft).hard, milliseconds(100));
    // Not told at all: a second a move.
    EXPECT_EQ(LimitsAfter({}).turnMs, 1000);
}

}  // namespace
}  // namespace wuziqi::engine
