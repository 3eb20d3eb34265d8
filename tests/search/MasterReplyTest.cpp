// The master's reply: true verdicts with their lines, the moves a game can ask for, and the
// limits of time, nodes and a stop request.
#include <gtest/gtest.h>

#include <stop_token>

#include "BeginnerPlayer.h"
#include "GameBoard.h"
#include "LevelReply.h"
#include "MasterSearch.h"
#include "SearchTestSupport.h"
#include "ThreatSearch.h"

namespace wuziqi {
namespace {

using testing::PlaceAll;

constexpr int B = 1, W = 2;

SearchLimits Nodes(std::uint64_t nodes) {
    SearchLimits limits;
    limits.turnMs = 60000;  // the node limit decides, so that the answer is the same everywhere
    limits.maxNodes = nodes;
    limits.tableBytes = 1 << 20;
    return limits;
}

bool Legal(const TGameBoard& board, const MasterAnswer& answer) {
    return answer.point && board.GetCell(answer.point->x, answer.point->y) == Empty;
}

TEST(MasterReply, OpensInTheCentreAndHasNoPointOnAFullBoard) {
    TGameBoard board;
    const MasterAnswer first = MasterReply(board, Black, Nodes(1000));
    ASSERT_TRUE(first.point);
    EXPECT_EQ(*first.point, (BoardPoint{8, 8}));
    EXPECT_EQ(first.verdict, Verdict::None);

    // A full board without five: columns in pairs of colours, shifted every row.
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            board.Grid[x][y] = ((x + 2 * y) / 2) % 2 ? Black : White;
    EXPECT_FALSE(MasterReply(board, White, Nodes(1000)).point);
}

TEST(MasterReply, ProvenWinsComeWithTheirLine) {
    TGameBoard board;
    // Black has two twos meeting at (9, 8): a win by threes.
    PlaceAll(board, {{7, 8, B},
                     {8, 8, B},
                     {9, 6, B},
                     {9, 7, B},
                     {1, 15, W},
                     {15, 1, W},
                     {13, 1, W},
                     {15, 15, W}});
    const MasterAnswer answer = MasterReply(board, Black, Nodes(200000));
    ASSERT_EQ(answer.verdict, Verdict::IWin);
    ASSERT_TRUE(Legal(board, answer));
    ASSERT_GE(answer.line.size(), 5u);
    EXPECT_EQ(answer.line.front(), *answer.point);
    // Played out, the line ends in Black's five.
    std::uint8_t colour = Black;
    for (std::size_t i = 0; i < answer.line.size(); ++i) {
        const BoardPoint p = answer.line[i];
        ASSERT_EQ(board.GetCell(p.x, p.y), Empty);
        double score = 0;
        EXPECT_EQ(board.WinTest(p.x, p.y, score, colour), i + 1 == answer.line.size());
        board.Place(p.x, p.y, static_cast<CellState>(colour));
        colour = Opponent(colour);
    }
}

TEST(MasterReply, BlocksAFourAndSaysWhenEveryMoveLoses) {
    TGameBoard board;
    // A white four: the only move is its five-point.
    PlaceAll(board, {{5, 5, W}, {6, 5, W}, {7, 5, W}, {8, 5, W}, {4, 5, B}, {8, 8, B}, {9, 9, B}});
    MasterAnswer answer = MasterReply(board, Black, Nodes(100000));
    ASSERT_TRUE(answer.point);
    EXPECT_EQ(*answer.point, (BoardPoint{9, 5}));
    EXPECT_NE(answer.verdict, Verdict::IWin);

    // Two open white threes and no black four: whatever black plays, white wins.
    TGameBoard lost;
    PlaceAll(lost, {{5, 5, W},
                    {6, 5, W},
                    {7, 5, W},
                    {10, 8, W},
                    {10, 9, W},
                    {10, 10, W},
                    {1, 1, B},
                    {1, 15, B},
                    {15, 1, B},
                    {15, 15, B},
                    {3, 13, B}});
    answer = MasterReply(lost, Black, Nodes(200000));
    EXPECT_TRUE(Legal(lost, answer));
    EXPECT_EQ(answer.verdict, Verdict::YouWin);
    // With a black four to play first, nothing is proven lost any more.
    PlaceAll(lost, {{12, 2, B}, {12, 3, B}, {12, 4, B}});
    answer = MasterReply(lost, Black, Nodes(200000));
    EXPECT_NE(answer.verdict, Verdict::YouWin);
}

TEST(MasterReply, AHundredMillisecondTurnStillGivesALegalMove) {
    TGameBoard board;
    PlaceAll(board, {{8, 8, B},
                     {9, 9, W},
                     {8, 9, B},
                     {8, 10, W},
                     {9, 8, B},
                     {10, 8, W},
                     {7, 10, B},
                     {10, 7, W},
                     {6, 11, B}});
    SearchLimits limits;
    limits.turnMs = 100;
    limits.tableBytes = 4 << 20;
    const MasterAnswer answer = MasterReply(board, White, limits);
    EXPECT_TRUE(Legal(board, answer));
    EXPECT_GT(answer.nodes, 0u);
}

TEST(MasterReply, AStopRequestEndsTheSearchWithAMoveAllTheSame) {
    TGameBoard board;
    PlaceAll(board, {{8, 8, B}, {9, 9, W}, {8, 9, B}, {10, 10, W}});
    std::stop_source stop;
    stop.request_stop();
    SearchLimits limits;
    limits.turnMs = 1000000;
    const MasterAnswer answer = MasterReply(board, Black, limits, stop.get_token());
    EXPECT_TRUE(Legal(board, answer));
    EXPECT_LT(answer.nodes, 1000u);
}

TEST(MasterReply, AKeptPlayerAnswersMoveAfterMoveAndTheDepthGrowsWithNodes) {
    TGameBoard board;
    PlaceAll(board, {{8, 8, B}, {9, 9, W}, {8, 9, B}});
    MasterPlayer player(1 << 20);
    const MasterAnswer few = player.Reply(board, White, Nodes(2000));
    const MasterAnswer many = player.Reply(board, White, Nodes(50000));
    EXPECT_TRUE(Legal(board, few) && Legal(board, many));
    EXPECT_GT(many.depth, few.depth);
    EXPECT_LT(few.nodes, 2000u + 256);  // the limit is read every 256 nodes
}

TEST(MasterReply, TheScoreIsTheSideToMovesView) {
    // Black's two stones side by side in the centre, White's one far off: Black is ahead, so
    // the score is below zero for White to move and above it for Black to move.
    TGameBoard board;
    PlaceAll(board, {{8, 8, B}, {3, 3, W}, {8, 9, B}});
    EXPECT_LT(MasterReply(board, White, Nodes(50000)).score, 0);
    board.Place(13, 13, White);
    EXPECT_GT(MasterReply(board, Black, Nodes(50000)).score, 0);
}

TEST(MasterReply, StaysOutOfADeepWinByThreesAsWhite) {
    // From a game the master lost: (10, 9) let Black win by threes in eight moves, a win that
    // takes some 150,000 nodes to find; (4, 11) and (5, 10), among others, stop it. The
    // search to five plies prefers (10, 9); the nodes it leaves over must show that it loses.
    const std::initializer_list<testing::Stone> game = {
        {10, 10, B}, {7, 10, W}, {9, 10, B}, {12, 10, W}, {8, 9, B}, {7, 8, W},
        {7, 9, B},   {6, 9, W},  {8, 11, B}, {8, 7, W},   {9, 6, B}};
    TGameBoard board;
    PlaceAll(board, game);
    SearchLimits limits = Nodes(1000000);
    limits.maxDepth = 5;
    const MasterAnswer answer = MasterReply(board, White, limits);
    ASSERT_TRUE(Legal(board, answer));
    EXPECT_NE(answer.verdict, Verdict::YouWin);

    // Black, to move after the answer, has no win by threes that a long search can find.
    search::SearchBoard after;
    PlaceAll(after, game);
    after.Make(search::SearchBoard::Index(answer.point->x, answer.point->y), W);
    search::SearchControl control;
    search::ThreatSearch threats(after, control);
    threats.SetBudget(1000000);
    EXPECT_FALSE(threats.FindVct(B, 16));
    EXPECT_FALSE(threats.GaveUp());
}

TEST(LevelReply, EachLevelAnswersAsItsOwnPlayer) {
    EXPECT_EQ(ParsePlayLevel("master"), PlayLevel::Master);
    EXPECT_EQ(ParsePlayLevel("standard"), PlayLevel::Standard);
    EXPECT_EQ(ParsePlayLevel("beginner"), PlayLevel::Beginner);
    EXPECT_FALSE(ParsePlayLevel("Master"));
    EXPECT_FALSE(ParsePlayLevel(""));

    TGameBoard a, b;
    PlaceAll(a, {{8, 8, B}, {9, 9, W}, {8, 9, B}});
    PlaceAll(b, {{8, 8, B}, {9, 9, W}, {8, 9, B}});
    MasterPlayer master(1 << 20);
    const MasterAnswer level =
        LevelReply(PlayLevel::Standard, a, White, {8, 9}, master, Nodes(1000));
    const ComputerAnswer own = ComputerReply(b, White, {8, 9}, SearchDepth);
    EXPECT_EQ(level.point, own.point);
    EXPECT_EQ(level.verdict, own.verdict);
    const MasterAnswer beginner =
        LevelReply(PlayLevel::Beginner, a, White, {8, 9}, master, Nodes(1000));
    EXPECT_EQ(beginner.point, BeginnerReply(b, White, {8, 9}, BeginnerSeed).point);
}

}  // namespace
}  // namespace wuziqi
