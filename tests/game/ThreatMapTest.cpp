// The threat map: levels along a line after placements, pattern matching, and a randomized
// check that every level 11 is exactly a point where a stone completes five.
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <set>
#include <sstream>

#include "GameBoard.h"
#include "RecordingReporter.h"

namespace wuziqi {
namespace {

using testing::RecordingReporter;
using Row = std::array<int, 15>;

struct Stone {
    int x, y;
    CellState colour;
};

// The levels of a colour in direction 0 along row 8, x = 1..15.
Row RowLevels(const TGameBoard& board, int colour, int y = 8) {
    Row row{};
    for (int x = 1; x <= 15; ++x)
        row[x - 1] = board.Levels.At(colour, x, y, 0);
    return row;
}

std::string Show(const Row& row) {
    std::ostringstream out;
    for (int v : row)
        out << v << ' ';
    return out.str();
}

struct RowCase {
    const char* name;
    std::vector<Stone> stones;
    Row black;
    Row white;
};

class RowLevelsTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowLevelsTest, LevelsAlongRowEight) {
    const RowCase& c = GetParam();
    TGameBoard board;
    for (const Stone& s : c.stones)
        ASSERT_TRUE(board.Place(s.x, s.y, s.colour));
    EXPECT_EQ(Show(RowLevels(board, Black)), Show(c.black));
    EXPECT_EQ(Show(RowLevels(board, White)), Show(c.white));
}

constexpr Row Zeros{};

INSTANTIATE_TEST_SUITE_P(
    Placements, RowLevelsTest,
    ::testing::Values(
        RowCase{"LoneCentreStone",
                {{8, 8, Black}},
                {0, 0, 0, 2, 2, 3, 4, 4, 4, 3, 2, 2, 0, 0, 0},
                Zeros},
        RowCase{"StoneAgainstTheFrame",
                {{1, 8, Black}},
                {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                Zeros},
        RowCase{"StoneNearTheFrame",
                {{3, 8, Black}},
                {1, 4, 4, 4, 3, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0},
                Zeros},
        RowCase{"OpenThree",
                {{7, 8, Black}, {8, 8, Black}, {9, 8, Black}},
                {0, 0, 2, 6, 9, 10, 10, 10, 10, 10, 9, 6, 2, 0, 0},
                Zeros},
        RowCase{"ThreeBlockedOnTheRight",
                {{7, 8, Black}, {8, 8, Black}, {9, 8, Black}, {10, 8, White}},
                {0, 0, 2, 6, 9, 9, 9, 9, 9, 0, 0, 0, 0, 0, 0},
                {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0}},
        RowCase{"OpenFour",
                {{6, 8, Black}, {7, 8, Black}, {8, 8, Black}, {9, 8, Black}},
                {0, 2, 6, 9, 11, 11, 11, 11, 11, 11, 9, 6, 2, 0, 0},
                Zeros},
        RowCase{"FourBlockedOnTheLeft",
                {{6, 8, Black}, {7, 8, Black}, {8, 8, Black}, {9, 8, Black}, {5, 8, White}},
                {0, 0, 0, 0, 0, 11, 11, 11, 11, 11, 9, 6, 2, 0, 0},
                {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        RowCase{"OpenTwo",
                {{7, 8, Black}, {8, 8, Black}},
                {0, 0, 2, 6, 7, 8, 8, 8, 8, 7, 6, 2, 0, 0, 0},
                Zeros},
        RowCase{"TwoBehindAWhiteStone",
                {{6, 8, White}, {7, 8, Black}, {8, 8, Black}},
                {0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 2, 0, 0, 0},
                // (2, 8) lies beyond the reach that the black stones cleared, so it keeps the
                // level that the lone white stone gave it.
                {0, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // Only the window of 6..10 (-X-X-) is live: the two beside it are dead (a white stone
        // just outside each), so x = 6 and x = 10 show its outer level 7 over their 5.
        RowCase{"SplitTwoBetweenWhiteStones",
                {{7, 8, Black}, {9, 8, Black}, {4, 8, White}, {12, 8, White}},
                {0, 0, 0, 0, 5, 7, 8, 8, 8, 7, 5, 0, 0, 0, 0},
                {1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
        // The window of 1..5 (-XXX-) has the frame before it and an empty cell two after it:
        // dead, so x = 1, which lies in no other window, gets 9 and not 10.
        RowCase{"ThreeAgainstTheFrame",
                {{2, 8, Black}, {3, 8, Black}, {4, 8, Black}},
                {9, 10, 10, 10, 10, 9, 6, 2, 0, 0, 0, 0, 0, 0, 0},
                Zeros},
        RowCase{"StoneTakenOffAgain", {{8, 8, Black}, {8, 8, Empty}}, Zeros, Zeros}),
    [](const ::testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST(ThreatMap, LoneStoneGivesTheSameLevelsAlongEveryDirection) {
    TGameBoard board;
    ASSERT_TRUE(board.Place(8, 8, Black));
    const Row expected = {0, 0, 0, 2, 2, 3, 4, 4, 4, 3, 2, 2, 0, 0, 0};
    for (int d = 1; d < 4; ++d) {
        int dx = 0, dy = 0;
        DirectionStep(d, dx, dy);
        for (int k = -7; k <= 7; ++k)
            EXPECT_EQ(board.Levels.At(Black, 8 + k * dx, 8 + k * dy, d), expected[k + 7])
                << "direction " << d << " step " << k;
    }
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            EXPECT_EQ(board.Levels.Group(White, x, y), 0u);
}

TEST(ThreatMap, WinTestReadsLevelElevenAndKeepsScoreOtherwise) {
    TGameBoard board;
    for (int x = 6; x <= 9; ++x)
        ASSERT_TRUE(board.Place(x, 8, Black));
    ASSERT_TRUE(board.Place(5, 8, White));
    double score = -1.0;
    EXPECT_TRUE(board.WinTest(10, 8, score, Black));
    EXPECT_EQ(score, 1900000.0);
    score = -1.0;
    EXPECT_FALSE(board.WinTest(11, 8, score, Black));
    EXPECT_FALSE(board.WinTest(10, 8, score, White));
    EXPECT_EQ(score, -1.0);
}

TEST(MatchPattern, LiveAndDeadWindowsAndMismatches) {
    RecordingReporter reporter;
    TGameBoard board(&reporter);
    Level levels[5] = {};
    auto levelsAre = [&](std::array<int, 5> want) {
        for (int i = 0; i < 5; ++i)
            if (levels[i] != want[i]) return false;
        return true;
    };

    board.MatchPattern(0x16, 3, false, levels);
    EXPECT_TRUE(levelsAre({10, 10, 10, 10, 9}));
    board.MatchPattern(0x16, 3, true, levels);
    EXPECT_TRUE(levelsAre({9, 9, 9, 9, 9}));
    board.MatchPattern(0x0C, 2, false, levels);
    EXPECT_TRUE(levelsAre({8, 8, 8, 8, 7}));
    board.MatchPattern(0x1B, 4, false, levels);
    EXPECT_TRUE(levelsAre({11, 11, 11, 11, 11}));
    board.MatchPattern(0x10, 1, true, levels);
    EXPECT_TRUE(levelsAre({1, 1, 1, 1, 1}));
    EXPECT_TRUE(reporter.Quiet());

    board.MatchPattern(0x03, 1, false, levels);  // two bits for a count of one: no row
    EXPECT_TRUE(levelsAre({1, 1, 1, 1, 1}));
    EXPECT_EQ(reporter.mismatches, std::vector{1});

    board.MatchPattern(0, 0, true, levels);
    EXPECT_TRUE(levelsAre({0, 0, 0, 0, 0}));
    board.MatchPattern(0x1F, 5, false, levels);
    board.MatchPattern(0, 0, false, levels);
    EXPECT_EQ(reporter.mismatches, (std::vector{1, 5, 0}));
    EXPECT_TRUE(levelsAre({0, 0, 0, 0, 0}));
}

TEST(PatternTables, EveryMaskOfACountIsListedOnce) {
    for (int count = 1; count <= 4; ++count) {
        const PatternTable& table = PatternTables[count - 1];
        std::set<int> masks;
        for (int r = 0; r < table.count; ++r) {
            EXPECT_EQ(std::popcount(table.rows[r].mask), count);
            masks.insert(table.rows[r].mask);
        }
        int expected = 0;
        for (int m = 0; m < 32; ++m)
            expected += std::popcount(static_cast<unsigned>(m)) == count;
        EXPECT_EQ(static_cast<int>(masks.size()), expected);
        EXPECT_EQ(table.count, expected);
    }
}

// Counts the run of `colour` through (x, y) along d, as if (x, y) held that colour.
int RunThrough(const TGameBoard& board, int x, int y, int d, int colour) {
    int dx = 0, dy = 0;
    DirectionStep(d, dx, dy);
    int run = 1;
    for (int sign : {1, -1})
        for (int k = 1; board.Grid[x + sign * k * dx][y + sign * k * dy] == colour; ++k)
            ++run;
    return run;
}

// After any sequence of placements and removals every level lies in 0..11, and level 11 for a
// colour at an empty point in a direction means exactly that a stone there makes five or more.
TEST(ThreatMapProperty, LevelElevenIsExactlyAFiveAfterRandomPlay) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        TGameBoard board;
        std::uniform_int_distribution<int> coordinate(1, 15), action(0, 9);
        // Crowd the stones into a smaller region on some seeds so long lines form.
        const int span = seed % 3 == 0 ? 6 : 15;
        std::uniform_int_distribution<int> near(1, span);
        for (int step = 0; step < 400; ++step) {
            const int x = span == 15 ? coordinate(random) : near(random) + 4;
            const int y = span == 15 ? coordinate(random) : near(random) + 4;
            const int a = action(random);
            const CellState code = a < 2 ? Empty : (a < 6 ? Black : White);
            if (code != Empty && board.Grid[x][y] != Empty) continue;
            ASSERT_TRUE(board.Place(x, y, code));

            for (int c : {Black, White})
                for (int px = 1; px <= 15; ++px)
                    for (int py = 1; py <= 15; ++py)
                        for (int d = 0; d < 4; ++d) {
                            const int level = board.Levels.At(c, px, py, d);
                            ASSERT_TRUE(InRange(level, 0, 11)) << "seed " << seed;
                            if (board.Grid[px][py] != Empty) continue;
                            const bool five = RunThrough(board, px, py, d, c) >= 5;
                            ASSERT_EQ(level == 11, five)
                                << "seed " << seed << " step " << step << " colour " << c << " at "
                                << px << "," << py << " direction " << d;
                        }
        }
    }
}

}  // namespace
}  // namespace wuziqi
