// Boards up to 20 x 20 and the exact-five rule: what an overline is worth, and the master's
// answers at the far edges of a large board.
#include <gtest/gtest.h>

#include <initializer_list>

#include "MasterSearch.h"
#include "SearchBoard.h"
#include "SearchTestSupport.h"

namespace wuziqi {
namespace {

using search::FiveRule;
using search::SearchBoard;
using testing::PlaceAll;

constexpr int B = 1, W = 2;

int At(int x, int y) {
    return SearchBoard::Index(x, y);
}

MasterPosition Position(int width, int height, FiveRule rule,
                        std::initializer_list<testing::Stone> stones) {
    MasterPosition position;
    position.width = width;
    position.height = height;
    position.rule = rule;
    for (const auto& s : stones)
        position.stones.push_back({{s.x, s.y}, s.colour == B ? Black : White});
    return position;
}

SearchLimits Nodes(std::uint64_t nodes) {
    SearchLimits limits;
    limits.turnMs = 60000;  // the node limit decides
    limits.maxNodes = nodes;
    limits.tableBytes = 1 << 20;
    return limits;
}

MasterAnswer Reply(const MasterPosition& position, CellState colour) {
    MasterPlayer player(1 << 20);
    return player.Reply(position, colour, Nodes(20000));
}

TEST(ExactFive, AnOverlineNeitherWinsNorCountsAsAFour) {
    // Row 8: black at 3..6 and 8. Playing 7 makes six in a row; playing 2 makes exactly five.
    for (const FiveRule rule : {FiveRule::Freestyle, FiveRule::Exact}) {
        SearchBoard board(15, 15, rule);
        PlaceAll(board, {{3, 8, B}, {4, 8, B}, {5, 8, B}, {6, 8, B}, {8, 8, B}});
        const bool exact = rule == FiveRule::Exact;
        EXPECT_EQ(board.ShapeAt(B, At(7, 8)), exact ? search::ShapeNone : search::ShapeFive);
        EXPECT_EQ(board.ShapeAt(B, At(2, 8)), search::ShapeFive);
        EXPECT_EQ(board.ShapeCount(B, search::ShapeFive), exact ? 1 : 2);
        // A stone at 9 would only lengthen the line: no four there under the exact rule.
        EXPECT_EQ(board.PatternAt(B, At(9, 8), 0) >= search::PatBlock4, !exact);
    }
    // A line of four whose one end would make six: a four with one five-point, not an open four.
    SearchBoard board(15, 15, FiveRule::Exact);
    PlaceAll(board, {{4, 3, B}, {5, 3, B}, {7, 3, B}, {9, 3, B}});
    EXPECT_EQ(board.ShapeAt(B, At(6, 3)), search::ShapeBlock4);
    EXPECT_EQ(board.PatternAt(B, At(6, 3), 0), search::PatBlock4);
}

TEST(ExactFive, TheMasterPlaysTheRuleForBothSides) {
    // Black's only five under the exact rule is at 2; at 7 it would be six.
    const auto own = {testing::Stone{3, 8, B},
                      {4, 8, B},
                      {5, 8, B},
                      {6, 8, B},
                      {8, 8, B},
                      {10, 12, W},
                      {11, 12, W}};
    MasterAnswer answer = Reply(Position(15, 15, FiveRule::Exact, own), Black);
    ASSERT_TRUE(answer.point);
    EXPECT_EQ(*answer.point, (BoardPoint{2, 8}));
    EXPECT_EQ(answer.verdict, Verdict::IWin);

    // With 2 taken, black has no win at all, and the master does not claim one.
    auto blocked = Position(15, 15, FiveRule::Exact, own);
    blocked.stones.push_back({{2, 8}, White});
    answer = Reply(blocked, Black);
    EXPECT_NE(answer.verdict, Verdict::IWin);
    EXPECT_NE(answer.point, (BoardPoint{7, 8}));

    // The same stones seen by White to move: freestyle, two fives to stop, a lost game; exactly
    // five, one block at 2 and the game goes on.
    auto theirs = Position(15, 15, FiveRule::Freestyle, own);
    EXPECT_EQ(Reply(theirs, White).verdict, Verdict::YouWin);
    theirs.rule = FiveRule::Exact;
    answer = Reply(theirs, White);
    ASSERT_TRUE(answer.point);
    EXPECT_EQ(*answer.point, (BoardPoint{2, 8}));
    EXPECT_NE(answer.verdict, Verdict::YouWin);
}

TEST(LargeBoards, TheFarEdgesAndCornersArePlayedLikeAnyOther) {
    // A column of four at the far edge of 20 x 20, its near end blocked: the five is the corner.
    auto corner = Position(20, 20, FiveRule::Freestyle,
                           {{20, 16, B},
                            {20, 17, B},
                            {20, 18, B},
                            {20, 19, B},
                            {20, 15, W},
                            {10, 10, W},
                            {11, 11, W}});
    MasterAnswer answer = Reply(corner, Black);
    ASSERT_TRUE(answer.point);
    EXPECT_EQ(*answer.point, (BoardPoint{20, 20}));
    EXPECT_EQ(answer.verdict, Verdict::IWin);

    // An open three along the bottom row of 20 x 20 is a win by threats for black to move.
    answer = Reply(Position(20, 20, FiveRule::Freestyle,
                            {{9, 20, B}, {10, 20, B}, {11, 20, B}, {3, 3, W}, {4, 4, W}}),
                   Black);
    EXPECT_EQ(answer.verdict, Verdict::IWin);
    ASSERT_FALSE(answer.line.empty());
    EXPECT_EQ(answer.line.back().y, 20);

    // On a board 17 wide the column past 17 is off the board: a row of four at its right
    // edge has one five-point, and a lone stone there has no room to the right.
    SearchBoard narrow(17, 15, FiveRule::Freestyle);
    EXPECT_EQ(narrow.Points().size(), 17u * 15u);
    PlaceAll(narrow, {{14, 1, B}, {15, 1, B}, {16, 1, B}, {17, 1, B}});
    EXPECT_EQ(narrow.ShapeCount(B, search::ShapeFive), 1);
    EXPECT_EQ(narrow.ShapeAt(B, At(13, 1)), search::ShapeFive);
    EXPECT_EQ(narrow.Stone(At(18, 1)), SearchBoard::OffBoard);
}

}  // namespace
}  // namespace wuziqi
