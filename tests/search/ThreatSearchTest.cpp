// The searches for forced wins: wins found with a line that holds, and false claims refuted
// by the defence that stops them.
#include <gtest/gtest.h>

#include <vector>

#include "GameBoard.h"
#include "SearchTestSupport.h"
#include "ThreatSearch.h"

namespace wuziqi::search {
namespace {

using testing::PlaceAll;
using testing::Stone;

constexpr int B = 1, W = 2;

// Plays the line on the game's board from the position, each side in turn from the attacker,
// and says whether every move is legal and the last one makes five.
bool LineEndsInFive(std::initializer_list<Stone> position, const std::vector<int>& line,
                    int attacker) {
    TGameBoard game;
    PlaceAll(game, position);
    int colour = attacker;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const int x = SearchBoard::X(line[i]), y = SearchBoard::Y(line[i]);
        if (game.GetCell(x, y) != Empty) return false;
        const CellState cell = colour == 1 ? Black : White;
        double score = 0;
        const bool five = game.WinTest(x, y, score, cell);
        if (five) return i + 1 == line.size() && colour == attacker;
        game.Place(x, y, cell);
        colour = 3 - colour;
    }
    return false;
}

// A closed black three in row 5, a black two in column 7 and a closed black three in row 6:
// (7, 5) and (7, 6) start a win by fours.
const std::initializer_list<Stone> FourThenDoubleFour = {
    {4, 5, B}, {5, 5, B}, {6, 5, B},  {3, 5, W},  {7, 7, B},  {7, 8, B}, {7, 9, W},
    {8, 6, B}, {9, 6, B}, {10, 6, B}, {11, 6, W}, {1, 15, W}, {15, 1, W}};

TEST(Vcf, FindsAWinByFoursWhoseLineEndsInFive) {
    SearchBoard board;
    SearchControl control;
    PlaceAll(board, FourThenDoubleFour);
    ThreatSearch threats(board, control);
    std::vector<int> line;
    ASSERT_TRUE(threats.FindVcf(B, 10, &line));
    EXPECT_TRUE(LineEndsInFive(FourThenDoubleFour, line, B));
    // The search leaves the board as it found it.
    EXPECT_EQ(board.StoneCount(), 13);
    // White has no fours at all here.
    EXPECT_FALSE(threats.FindVcf(W, 10));
}

TEST(Vcf, AStoneOnTheCrossingPointRefutesIt) {
    SearchBoard board;
    SearchControl control;
    PlaceAll(board, FourThenDoubleFour);
    board.Make(SearchBoard::Index(7, 6), W);
    ThreatSearch threats(board, control);
    EXPECT_FALSE(threats.FindVcf(B, 20));
    EXPECT_FALSE(threats.GaveUp());
}

TEST(Vcf, TheAttackerMustAnswerTheDefendersFourWithAFour) {
    SearchBoard board;
    SearchControl control;
    PlaceAll(board, FourThenDoubleFour);
    // A white four whose five-point (13, 13) is no four for black: black's fours come too late.
    PlaceAll(board, {{13, 9, W}, {13, 10, W}, {13, 11, W}, {13, 12, W}, {13, 8, B}});
    ThreatSearch threats(board, control);
    EXPECT_FALSE(threats.FindVcf(B, 20));
}

// Two black twos whose crossing point makes two open threes; white stones far away.
const std::initializer_list<Stone> ThreeThree = {{7, 8, B},  {8, 8, B},  {9, 6, B},  {9, 7, B},
                                                 {1, 15, W}, {15, 1, W}, {13, 1, W}, {15, 15, W}};

TEST(Vct, FindsAWinByThreesThatNoBlockStops) {
    SearchBoard board;
    SearchControl control;
    PlaceAll(board, ThreeThree);
    ThreatSearch threats(board, control);
    EXPECT_FALSE(threats.FindVcf(B, 10));
    std::vector<int> line;
    ASSERT_TRUE(threats.FindVct(B, 4, &line));
    EXPECT_TRUE(LineEndsInFive(ThreeThree, line, B));
    EXPECT_EQ(board.StoneCount(), 8);
}

TEST(Vct, TheDefendersCounterFourRefutesIt) {
    SearchBoard board;
    SearchControl control;
    PlaceAll(board, ThreeThree);
    // White can make two fours at once at (5, 2): every black three is answered by it.
    PlaceAll(board, {{2, 2, W}, {3, 2, W}, {4, 2, W}, {5, 3, W}, {5, 4, W}, {5, 5, W}});
    ThreatSearch threats(board, control);
    EXPECT_FALSE(threats.FindVct(B, 4));
    EXPECT_FALSE(threats.GaveUp());
    // Once black has blocked (5, 2), the threes win again.
    board.Make(SearchBoard::Index(5, 2), B);
    EXPECT_TRUE(threats.FindVct(B, 4));
}

TEST(ThreatSearch, ANodeBudgetEndsTheSearch) {
    SearchBoard board;
    SearchControl control;
    PlaceAll(board, ThreeThree);
    ThreatSearch threats(board, control);
    threats.SetBudget(1);
    EXPECT_FALSE(threats.FindVct(B, 4));
    EXPECT_TRUE(threats.GaveUp());
}

}  // namespace
}  // namespace wuziqi::search
