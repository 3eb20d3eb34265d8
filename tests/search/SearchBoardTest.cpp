// The search board: line patterns and shapes, and make/unmake restoring every table.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SearchBoard.h"
#include "SearchTestSupport.h"

namespace wuziqi::search {
namespace {

using testing::PlaceAll;

constexpr int B = 1, W = 2;

int At(int x, int y) {
    return SearchBoard::Index(x, y);
}

TEST(LinePatterns, ReadTheLineThroughAPointForEachColour) {
    SearchBoard board;
    // Row 8: an open black three at 6..8, a white stone at 12.
    PlaceAll(board, {{6, 8, B}, {7, 8, B}, {8, 8, B}, {12, 8, W}});
    EXPECT_EQ(board.PatternAt(B, At(5, 8), 0), PatFlex4);
    EXPECT_EQ(board.PatternAt(B, At(9, 8), 0), PatFlex4);
    EXPECT_EQ(board.PatternAt(B, At(4, 8), 0), PatBlock4);  // X.XXX: one point to five
    EXPECT_EQ(board.PatternAt(B, At(10, 8), 0), PatBlock4);
    EXPECT_EQ(board.PatternAt(B, At(3, 8), 0), PatBlock3);
    EXPECT_EQ(board.ShapeAt(B, At(5, 8)), ShapeFlex4);
    EXPECT_EQ(board.ShapeCount(B, ShapeFlex4), 2);

    // Closed on one side, the three is only a closed three: fours, no open four.
    board.Make(At(5, 8), W);
    EXPECT_EQ(board.PatternAt(B, At(9, 8), 0), PatBlock4);
    EXPECT_EQ(board.ShapeCount(B, ShapeFlex4), 0);
    board.Make(At(9, 8), B);
    EXPECT_EQ(board.ShapeAt(B, At(10, 8)), ShapeFive);
    EXPECT_EQ(board.FivePointAfter(At(9, 8), B), At(10, 8));
}

TEST(LinePatterns, TheEdgeAndADeadStoneBlockAsTheOpponentDoes) {
    SearchBoard board;
    PlaceAll(board, {{1, 1, B}, {2, 2, B}, {3, 3, B}});
    EXPECT_EQ(board.PatternAt(B, At(4, 4), 1), PatBlock4);
    board.PlaceDead(At(5, 5));
    EXPECT_EQ(board.PatternAt(B, At(4, 4), 1), PatNone);
}

TEST(LinePatterns, CombinationsDecideTheShape) {
    SearchBoard board;
    // A column two and a row two meet at (8, 8): three-three for black.
    PlaceAll(board, {{8, 6, B}, {8, 7, B}, {6, 8, B}, {7, 8, B}});
    EXPECT_EQ(board.ShapeAt(B, At(8, 8)), ShapeThree3);
    EXPECT_EQ(board.ShapeAt(W, At(8, 8)), ShapeNone);
    // A closed column of three: (8, 8) is a four and an open three.
    PlaceAll(board, {{8, 5, B}, {8, 4, W}});
    EXPECT_EQ(board.ShapeAt(B, At(8, 8)), ShapeFour3);
    // The row a closed three as well: two fours, as good as an open four.
    PlaceAll(board, {{5, 8, B}, {4, 8, W}});
    EXPECT_EQ(board.ShapeAt(B, At(8, 8)), ShapeFlex4);
}

// Everything the board keeps, for every point.
struct Snapshot {
    std::vector<int> values;
    explicit Snapshot(const SearchBoard& board) {
        for (const int p : board.Points()) {
            values.push_back(board.Stone(p));
            values.push_back(board.IsNear(p));
            for (int d = 0; d < 4; ++d)
                values.push_back(static_cast<int>(board.KeyAt(p, d) & KeyMask(board.Rule())));
            if (!board.IsEmpty(p)) continue;
            for (int c = 1; c <= 2; ++c) {
                values.push_back(board.ShapeAt(c, p));
                values.push_back(board.ScoreAt(c, p));
                for (int d = 0; d < 4; ++d)
                    values.push_back(board.PatternAt(c, p, d));
            }
        }
        for (int c = 1; c <= 2; ++c) {
            values.push_back(board.ScoreTotal(c));
            for (int s = ShapeNone; s <= ShapeFive; ++s)
                values.push_back(board.ShapeCount(c, static_cast<Shape>(s)));
        }
        values.push_back(static_cast<int>(board.Hash() & 0x7FFFFFFF));
        values.push_back(static_cast<int>(board.Hash() >> 33));
    }
};

struct Geometry {
    int width, height;
    FiveRule rule;
};

class SearchBoardOfEverySize : public ::testing::TestWithParam<Geometry> {};

TEST_P(SearchBoardOfEverySize, UnmakeRestoresEveryTableAfterRandomSequences) {
    const auto [width, height, rule] = GetParam();
    std::mt19937 random(20261208);
    const SearchBoard fresh(width, height, rule);
    const Snapshot empty(fresh);
    for (int round = 0; round < 20; ++round) {
        SearchBoard board(width, height, rule);
        std::vector<int> placed;
        // Stones along every edge too, so that the frame is crossed.
        std::uniform_int_distribution<int> column(1, width), row(1, height);
        for (int step = 0; step < 120; ++step) {
            if (!placed.empty() && random() % 3 == 0) {
                board.Unmake();
                placed.pop_back();
                continue;
            }
            const int p = At(column(random), row(random));
            if (!board.IsEmpty(p)) continue;
            board.Make(p, static_cast<int>(placed.size() % 2) + 1);
            placed.push_back(p);
        }
        // The same stones placed afresh give the same tables.
        SearchBoard rebuilt(width, height, rule);
        for (std::size_t i = 0; i < placed.size(); ++i)
            rebuilt.Make(placed[i], board.Stone(placed[i]));
        EXPECT_EQ(Snapshot(board).values, Snapshot(rebuilt).values) << "round " << round;
        while (!placed.empty()) {
            board.Unmake();
            placed.pop_back();
        }
        EXPECT_EQ(Snapshot(board).values, empty.values) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, SearchBoardOfEverySize,
                         ::testing::Values(Geometry{15, 15, FiveRule::Freestyle},
                                           Geometry{20, 20, FiveRule::Exact},
                                           Geometry{18, 15, FiveRule::Freestyle}));

}  // namespace
}  // namespace wuziqi::search
