// The computer's move and verdict, for the fast move choice and the plain one alike.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Evaluation.h"
#include "GameBoard.h"
#include "LiteralSearch.h"
#include "RecordingReporter.h"
#include "Verdict.h"

namespace wuziqi {
namespace {

using Chooser = Verdict (*)(TGameBoard&, std::uint8_t, int&, int&, int);

Verdict Fast(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth) {
    return board.ChooseMove(colour, x, y, depth);
}
Verdict Literal(TGameBoard& board, std::uint8_t colour, int& x, int& y, int depth) {
    return LiteralChooseMove(board, colour, x, y, depth);
}

struct Stone {
    int x, y;
    CellState colour;
};

class MoveChoiceTest : public ::testing::TestWithParam<Chooser> {
  protected:
    MoveChoiceTest() : board(&reporter) {}

    // Places the stones, then asks for the colour's move as the controller does.
    std::pair<int, int> Choose(const std::vector<Stone>& stones, std::uint8_t colour,
                               int depth = 16) {
        for (const Stone& s : stones)
            board.Place(s.x, s.y, s.colour);
        int x = stones.empty() ? 0 : stones.back().x;
        int y = stones.empty() ? 0 : stones.back().y;
        reporter.Clear();
        verdict = GetParam()(board, colour, x, y, depth);
        return {x, y};
    }

    testing::RecordingReporter reporter;
    Verdict verdict = Verdict::Unchanged;
    TGameBoard board;
};

using Point = std::pair<int, int>;

TEST_P(MoveChoiceTest, FivesAndFoursComeFirst) {
    // The computer (Black) has four in a row: it completes five, at the later-scanned end.
    EXPECT_EQ(Choose({{5, 8, Black},
                      {6, 8, Black},
                      {7, 8, Black},
                      {8, 8, Black},
                      {5, 9, White},
                      {6, 9, White},
                      {7, 9, White}},
                     Black),
              Point(9, 8));
    EXPECT_EQ(verdict, Verdict::IWin);
}

TEST_P(MoveChoiceTest, APersonsFivePointIsBlockedWithoutComment) {
    EXPECT_EQ(
        Choose({{4, 8, White}, {5, 8, Black}, {6, 8, Black}, {7, 8, Black}, {8, 8, Black}}, White),
        Point(9, 8));
    EXPECT_EQ(verdict, Verdict::None);
}

TEST_P(MoveChoiceTest, AnOpenFourIsBlockedAtSlotOneBeforeThePersonsSearch) {
    EXPECT_EQ(Choose({{5, 8, Black}, {6, 8, Black}, {7, 8, Black}, {8, 8, Black}}, White),
              Point(9, 8));
    EXPECT_EQ(verdict, Verdict::None);
}

TEST_P(MoveChoiceTest, AnOpenThreeIsStoppedAtTheEndInSlotOne) {
    EXPECT_EQ(Choose({{7, 8, Black}, {8, 8, Black}, {9, 8, Black}, {1, 1, White}}, White),
              Point(10, 8));
    EXPECT_EQ(verdict, Verdict::YouMightWin);
}

TEST_P(MoveChoiceTest, TwoSeparateOpenThreesCannotBeStopped) {
    EXPECT_EQ(Choose({{3, 3, Black},
                      {4, 3, Black},
                      {5, 3, Black},
                      {10, 12, Black},
                      {11, 12, Black},
                      {12, 12, Black}},
                     White),
              Point(13, 12));
    EXPECT_EQ(verdict, Verdict::YouWin);
}

TEST_P(MoveChoiceTest, AQuietMoveThatCanTurnIntoAWinIsAnnounced) {
    // Two black stones each side of an empty (8, 8): a stone there leaves threats that
    // some wrong answer turns into a forced win.
    const Point move = Choose({{8, 8, Black}, {7, 7, White}, {9, 8, Black}, {8, 9, White}}, Black);
    EXPECT_EQ(verdict, Verdict::IMightWin);
    EXPECT_EQ(board.Grid[move.first][move.second], Empty);
}

TEST_P(MoveChoiceTest, ALoneStoneInTheCentreIsAnsweredAtItsFirstNeighbour) {
    EXPECT_EQ(Choose({{8, 8, Black}}, White), Point(7, 7));
    EXPECT_EQ(verdict, Verdict::None);
}

TEST_P(MoveChoiceTest, TwoCrossingLiveTwosOfLevelSixMakeTheBestScoringPoint) {
    // Black X---X along row 8 and along column 5 cross at (5, 8): level 6 in both lines
    // there and nothing in the diagonals, so it scores 2 x 170. No other point has two
    // levels of 6, Black has no level of 7 and more to search, and White no candidate.
    const Point move = Choose({{4, 8, Black}, {8, 8, Black}, {5, 6, Black}, {5, 10, Black}}, White);
    EXPECT_EQ(board.Levels.At(Black, 5, 8, 0), 6);
    EXPECT_EQ(board.Levels.At(Black, 5, 8, 2), 6);
    EXPECT_EQ(PointScore(board, 5, 8), 340.0);
    EXPECT_EQ(move, Point(5, 8));
    EXPECT_EQ(verdict, Verdict::None);
}

TEST_P(MoveChoiceTest, AnEmptyBoardGivesNoPoint) {
    EXPECT_EQ(Choose({}, Black), Point(0, 0));
    EXPECT_EQ(verdict, Verdict::None);
}

TEST_P(MoveChoiceTest, DepthBelowOneLeavesPointAndPanelAlone) {
    EXPECT_EQ(Choose({{8, 8, Black}}, White, 0), Point(8, 8));
    EXPECT_EQ(verdict, Verdict::Unchanged);
}

TEST_P(MoveChoiceTest, AColourThatIsNoColourIsReportedAndNothingElseHappens) {
    EXPECT_EQ(Choose({{8, 8, Black}}, Empty), Point(8, 8));
    EXPECT_EQ(reporter.wrongColours, 1);
    EXPECT_EQ(verdict, Verdict::Unchanged);
}

TEST_P(MoveChoiceTest, DepthOneStillSeesAFiveOrOpenFourOnTopButNothingDeeper) {
    EXPECT_EQ(Choose({{5, 8, White}, {6, 8, White}, {7, 8, White}, {4, 4, Black}}, White, 1),
              Point(8, 8));
    EXPECT_EQ(verdict, Verdict::IWin) << "an open-four point at the top of the list";

    // Two dead threes of Black crossing at (8, 8): a double four there wins in three
    // steps, which depth 16 finds and depth 1 cannot.
    const std::vector<Stone> doubleFour = {{4, 8, White}, {5, 8, Black}, {6, 8, Black},
                                           {7, 8, Black}, {8, 4, White}, {8, 5, Black},
                                           {8, 6, Black}, {8, 7, Black}};
    board.Reset();
    Choose(doubleFour, White, 16);
    EXPECT_EQ(verdict, Verdict::YouWin);
    board.Reset();
    EXPECT_EQ(Choose(doubleFour, White, 1), Point(8, 8)) << "the best-score point";
    EXPECT_EQ(verdict, Verdict::None);
}

TEST_P(MoveChoiceTest, TheBoardIsTheSameAfterTheCall) {
    for (const Stone& s : std::vector<Stone>{{8, 8, Black},
                                             {9, 9, White},
                                             {7, 8, Black},
                                             {9, 8, White},
                                             {6, 8, Black},
                                             {9, 7, White}})
        board.Place(s.x, s.y, s.colour);
    CellState grid[17][17];
    std::copy(&board.Grid[0][0], &board.Grid[0][0] + 17 * 17, &grid[0][0]);
    const LevelMap levels = board.Levels;
    int x = 9, y = 7;
    GetParam()(board, Black, x, y, 16);
    EXPECT_TRUE(std::equal(&grid[0][0], &grid[0][0] + 17 * 17, &board.Grid[0][0]));
    EXPECT_EQ(board.Levels, levels);
}

INSTANTIATE_TEST_SUITE_P(Player, MoveChoiceTest, ::testing::Values(&Fast, &Literal),
                         [](const ::testing::TestParamInfo<Chooser>& info) {
                             return info.index == 0 ? std::string("Fast") : std::string("Literal");
                         });

}  // namespace
}  // namespace wuziqi
