// The .psq and .sgf game files of other programs: what is read, what is refused and why, and
// round trips across all three formats.
#include <gtest/gtest.h>

#include "LateGame.h"
#include "PsqFile.h"
#include "SavedGame.h"
#include "SgfFile.h"

namespace wuziqi {
namespace {

using Moves = std::vector<MoveRecord>;
const Moves ThreeMoves = {{8, 8}, {9, 9}, {7, 9}};

// The problem, the move and the spelling a refusal names, or the moves read.
void ExpectRefused(const TextGameFile& read, GameFileProblem problem, int move = -1,
                   const std::string& value = {}) {
    EXPECT_EQ(read.problem, problem);
    EXPECT_EQ(read.move, move);
    EXPECT_EQ(read.value, value);
    EXPECT_TRUE(read.moves.empty());
}

TEST(PsqFile, ReadsAManagersFileUpToItsNamesAndResult) {
    EXPECT_EQ(EncodePsq(ThreeMoves), "Piskvorky 15x15, 0:0, 0\n8,8,0\n9,9,0\n7,9,0\n");
    const TextGameFile piskvork = DecodePsq(
        "Piskvorky 15x15, 11:11, 1\r\n8,8,1200\r\n9,9,31\r\n\r\n7,9\r\npbrain-a.exe\r\n"
        "1,1,0\r\n-1\r\n");
    ASSERT_TRUE(piskvork.ok());
    EXPECT_EQ(piskvork.moves, ThreeMoves) << "a name ends the moves; what follows is ignored";
    EXPECT_EQ(DecodePsq("\xEF\xBB\xBFPiskvorky 15x15\r8, 8, 0\r9,9,0").moves,
              (Moves{{8, 8}, {9, 9}}));
    EXPECT_TRUE(DecodePsq("Piskvorky 15x15, 0:0, 0").ok()) << "no moves";
}

TEST(PsqFile, RefusesOtherSizesAndMovesThatCannotBePlayed) {
    ExpectRefused(DecodePsq(""), GameFileProblem::NotPsq);
    ExpectRefused(DecodePsq("8,8,0\n9,9,0\n"), GameFileProblem::NotPsq);
    ExpectRefused(DecodePsq("Piskvorky15x15, 0:0, 0\n"), GameFileProblem::NotPsq);
    ExpectRefused(DecodePsq("Piskvorky 20x20, 0:0, 0\n8,8,0\n"), GameFileProblem::WrongSize, -1,
                  "20x20");
    ExpectRefused(DecodePsq("Piskvorky 15x19, 0:0, 0\n"), GameFileProblem::WrongSize, -1, "15x19");
    ExpectRefused(DecodePsq("Piskvorky 15x15, 0:0, 0\n8,8,0\n16,2,0\n"),
                  GameFileProblem::MoveOffBoard, 1, "16,2");
    ExpectRefused(DecodePsq("Piskvorky 15x15, 0:0, 0\n0,5,0\n"), GameFileProblem::MoveOffBoard, 0,
                  "0,5");
    ExpectRefused(DecodePsq("Piskvorky 15x15, 0:0, 0\n99999999999,1,0\n"),
                  GameFileProblem::MoveOffBoard, 0, "99999999999,1");
    ExpectRefused(DecodePsq("Piskvorky 15x15, 0:0, 0\n8,8,0\n9,9,0\n8,8,0\n"),
                  GameFileProblem::PointTaken, 2, "8,8");
    ExpectRefused(DecodePsq(std::string(LargestTextGameFile + 1, '\n')), GameFileProblem::TooLarge);
}

TEST(SgfFile, ReadsTheMainLineAndSkipsWhatTheGameDoesNotUse) {
    EXPECT_EQ(EncodeSgf(ThreeMoves, {"玩家", "引擎 [x]"}),
              "(;FF[4]GM[4]SZ[15]CA[UTF-8]PB[玩家]PW[引擎 [x\\]]\n;B[hh];W[ii];B[gi])\n");
    EXPECT_EQ(EncodeSgf({}), "(;FF[4]GM[4]SZ[15]CA[UTF-8]\n)\n");

    const TextGameFile game = DecodeSgf(
        "\xEF\xBB\xBF (;GM[4]FF[4]SZ[15:15]PB[a]PW[b]C[a comment with \\] and (;B[aa\\])]\n"
        "  ;B[hh]C[first] ; W [ii]\n"
        "  (;B[gi];W[aa](;B[oo])(;B[ab]))\n"
        "  (;B[ab]AB[cc])\n"
        ")\n(;GM[1];B[aa])");
    ASSERT_TRUE(game.ok()) << static_cast<int>(game.problem) << " at " << game.offset;
    EXPECT_EQ(game.moves, (Moves{{8, 8}, {9, 9}, {7, 9}, {1, 1}, {15, 15}}));
    // Older files mix lower-case letters into property names.
    EXPECT_EQ(DecodeSgf("(;GaMe[4]SiZe[15];B[hh])").moves, (Moves{{8, 8}}));
    EXPECT_TRUE(DecodeSgf("(;GM[4])").ok());
}

TEST(SgfFile, RefusesOtherGamesSetUpStonesAndMovesThatCannotBePlayed) {
    ExpectRefused(DecodeSgf(""), GameFileProblem::NotSgf);
    ExpectRefused(DecodeSgf("Piskvorky 15x15, 0:0, 0\n"), GameFileProblem::NotSgf);
    ExpectRefused(DecodeSgf("(;FF[4]SZ[15];B[hh])"), GameFileProblem::NotGomoku);
    ExpectRefused(DecodeSgf("(;GM[1]SZ[15];B[hh])"), GameFileProblem::NotGomoku, -1, "1");
    ExpectRefused(DecodeSgf("(;GM[4]SZ[19];B[hh])"), GameFileProblem::WrongSize, -1, "19");
    ExpectRefused(DecodeSgf("(;GM[4]SZ[15]AB[hh][ii];W[jj])"), GameFileProblem::SetupStones, -1,
                  "AB");
    ExpectRefused(DecodeSgf("(;GM[4];B[hh];AW[ii])"), GameFileProblem::SetupStones, -1, "AW");
    ExpectRefused(DecodeSgf("(;GM[4];W[hh])"), GameFileProblem::WrongColour, 0, "W");
    ExpectRefused(DecodeSgf("(;GM[4];B[hh];B[ii])"), GameFileProblem::WrongColour, 1, "B");
    ExpectRefused(DecodeSgf("(;GM[4];B[hh];W[])"), GameFileProblem::Pass, 1);
    ExpectRefused(DecodeSgf("(;GM[4];B[tt])"), GameFileProblem::Pass, 0, "tt");
    ExpectRefused(DecodeSgf("(;GM[4];B[hp])"), GameFileProblem::MoveOffBoard, 0, "hp");
    ExpectRefused(DecodeSgf("(;GM[4];B[hA])"), GameFileProblem::MoveOffBoard, 0, "hA");
    ExpectRefused(DecodeSgf("(;GM[4];B[h8])"), GameFileProblem::MoveOffBoard, 0, "h8");
    ExpectRefused(DecodeSgf("(;GM[4];B[hh];W[ii];B[hh])"), GameFileProblem::PointTaken, 2, "hh");

    // A broken structure is refused at the byte where it goes wrong.
    for (const auto& [text, offset] : {std::pair<std::string, std::size_t>{"(;GM[4];B[hh]", 13},
                                       {"(;GM[4];B[hh", 9},
                                       {"(;GM[4]B)", 8},
                                       {"(;GM[4](;B[hh]);W[ii])", 15},
                                       {"(;GM[4];B[hh][ii])", 8},
                                       {"(;GM[4];B[hh]W[ii])", 13},
                                       {"((;GM[4]))", 1},
                                       {"(;GM[4])x", 8},
                                       {"(;GM[4];b[hh])", 8},
                                       {"()", 1}}) {
        const TextGameFile read = DecodeSgf(text);
        EXPECT_EQ(read.problem, GameFileProblem::BrokenSgf) << text;
        EXPECT_EQ(read.offset, offset) << text;
    }
    ExpectRefused(DecodeSgf(std::string(LargestTextGameFile + 1, ' ')), GameFileProblem::TooLarge);
}

TEST(SgfFile, PlayersNamesComeBackWhateverTheyHold) {
    // An engine names itself in its ABOUT: backslashes and brackets must survive the escapes.
    for (const SgfPlayers& written : {SgfPlayers{"C:\\engines\\", "a]b[c"},
                                      SgfPlayers{"\\]", "引擎 \\n]"}, SgfPlayers{"玩家", ""}}) {
        SgfPlayers read{"left", "over"};
        const TextGameFile game = DecodeSgf(EncodeSgf(ThreeMoves, written), &read);
        ASSERT_TRUE(game.ok()) << written.black << " " << written.white;
        EXPECT_EQ(game.moves, ThreeMoves);
        EXPECT_EQ(read.black, written.black);
        EXPECT_EQ(read.white, written.white.empty() ? "over" : written.white);
    }
}

TEST(GameFiles, EachFormatIsKnownByItsOpening) {
    const std::vector<std::uint8_t> wzq = EncodeSavedGame(ThreeMoves);
    EXPECT_TRUE(StartsLikeSavedGame(wzq));
    EXPECT_FALSE(StartsLikeSavedGame(std::span(wzq).first(6)));
    EXPECT_TRUE(StartsLikePsq("\xEF\xBB\xBFPiskvorky 20x20"));
    EXPECT_FALSE(StartsLikePsq(" Piskvorky 15x15"));
    EXPECT_TRUE(StartsLikeSgf("\xEF\xBB\xBF \r\n( \n;GM[4]"));
    for (const char* notSgf : {"", "(", "((;GM[4]))", "x(;", "Piskvorky 15x15"})
        EXPECT_FALSE(StartsLikeSgf(notSgf)) << notSgf;
}

TEST(TextGameFile, RoundTripsAcrossTheThreeFormatsKeepEveryMove) {
    const Moves game(testing::LateGameMoves.begin(), testing::LateGameMoves.end());
    const TextGameFile fromPsq = DecodePsq(EncodePsq(game));
    ASSERT_TRUE(fromPsq.ok());
    const TextGameFile fromSgf = DecodeSgf(EncodeSgf(fromPsq.moves, {"B", "W"}));
    ASSERT_TRUE(fromSgf.ok());
    const DecodedGame fromWzq = DecodeSavedGame(EncodeSavedGame(fromSgf.moves));
    ASSERT_TRUE(fromWzq.ok());
    EXPECT_EQ(fromWzq.moves, game);
}

}  // namespace
}  // namespace wuziqi
