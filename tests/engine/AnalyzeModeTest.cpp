// pbrain-wuziqi analyze: one position a line in, one JSON line out.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "EngineProcess.h"
#include "GameBoard.h"
#include "LateGame.h"

namespace wuziqi {
namespace {

using testing::EngineProcess;

std::string Analyze(EngineProcess& engine, const std::string& line) {
    engine.Send(line);
    return engine.ReadLine();
}

TEST(AnalyzeMode, AnswersPointAndVerdictForEachLine) {
    EngineProcess engine({"analyze"});
    ASSERT_TRUE(engine.Started());
    EXPECT_EQ(Analyze(engine, "3 8,8,2"), R"({"x":7,"y":7,"verdict":" "})");
    EXPECT_EQ(Analyze(engine, "2"), R"({"x":0,"y":0,"verdict":" "})") << "an empty board";
    EXPECT_EQ(Analyze(engine, "2 5,8,2 6,8,2 7,8,2 8,8,2 5,9,3 6,9,3 7,9,3"),
              R"({"x":9,"y":8,"verdict":"我赢了! "})");
    EXPECT_EQ(Analyze(engine, "3 7,8,2 8,8,2 9,8,2 1,1,3"),
              R"({"x":10,"y":8,"verdict":"你有可能赢哦! "})");
    EXPECT_EQ(Analyze(engine, "3 3,3,2 4,3,2 5,3,2 10,12,2 11,12,2 12,12,2"),
              R"({"x":13,"y":12,"verdict":"你赢了! "})");
    // A stone taken off again (c = 1) leaves an empty board.
    EXPECT_EQ(Analyze(engine, "3 8,8,2 8,8,1"), R"({"x":0,"y":0,"verdict":" "})");
    // Refused placements (occupied, off the board) are the model's business and stay quiet.
    EXPECT_EQ(Analyze(engine, "3 8,8,2 8,8,3 0,5,2 99,99,3"), R"({"x":7,"y":7,"verdict":" "})");
    engine.CloseInput();
    EXPECT_EQ(engine.Wait(), 0);
}

TEST(AnalyzeMode, MalformedLinesGetAnErrorAndTheRunGoesOn) {
    EngineProcess engine({"analyze"});
    ASSERT_TRUE(engine.Started());
    for (const char* bad :
         {"", "1 8,8,2", "4", "x", "3  8,8,2", "3 8,8,2 ", "3 8,8", "3 8,8,4", "3 8,8,0", "3 a,b,c",
          "3 8;8;2", "3 99999999999999999,1,2", "2 8,8,2,2"}) {
        const std::string answer = Analyze(engine, bad);
        EXPECT_EQ(answer.rfind("{\"error\":\"", 0), 0u) << "'" << bad << "' gave " << answer;
    }
    engine.WriteAll("3 " + std::string(2000000, '1') + "\n");
    EXPECT_EQ(engine.ReadLine(), R"({"error":"line too long"})");
    EXPECT_EQ(Analyze(engine, "3 8,8,2"), R"({"x":7,"y":7,"verdict":" "})");
    engine.CloseInput();
    EXPECT_EQ(engine.Wait(), 0);
}

TEST(AnalyzeMode, DepthAndLevelsOptions) {
    const std::string doubleFour = "3 4,8,3 5,8,2 6,8,2 7,8,2 8,4,3 8,5,2 8,6,2 8,7,2";
    {
        EngineProcess engine({"analyze", "--depth", "1"});
        EXPECT_EQ(Analyze(engine, doubleFour), R"({"x":8,"y":8,"verdict":" "})");
    }
    {
        EngineProcess engine({"analyze", "--levels"});
        const std::string answer = Analyze(engine, doubleFour);
        const std::string head = R"({"x":9,"y":8,"verdict":"你赢了! ","levels":[)";
        ASSERT_EQ(answer.rfind(head, 0), 0u) << answer;
        ASSERT_EQ(answer.substr(answer.size() - 2), "]}");

        TGameBoard board;
        std::istringstream tokens(doubleFour.substr(2));
        for (std::string t; tokens >> t;) {
            int x = 0, y = 0, c = 0;
            ASSERT_EQ(std::sscanf(t.c_str(), "%d,%d,%d", &x, &y, &c), 3);
            board.Place(x, y, static_cast<CellState>(c));
        }
        std::string expected;
        for (int c = Black; c <= White; ++c)
            for (int x = 1; x <= 15; ++x)
                for (int y = 1; y <= 15; ++y)
                    for (int d = 0; d < 4; ++d)
                        expected += (expected.empty() ? "" : ",") +
                                    std::to_string(board.Levels.At(c, x, y, d));
        EXPECT_EQ(answer.substr(head.size(), answer.size() - head.size() - 2), expected);
    }
    for (const std::vector<std::string>& args : {std::vector<std::string>{"analyze", "--depth"},
                                                 {"analyze", "--depth", "x"},
                                                 {"analyze", "--depth", "33"},
                                                 {"analyze", "--depth", "0"},
                                                 {"analyze", "--depth", "-1"},
                                                 {"analyze", "--fast"},
                                                 {"play"}}) {
        // Below depth 1 the search answers nothing and the last stone's point would come back.
        EngineProcess engine(args);
        engine.CloseInput();
        EXPECT_EQ(engine.Wait(), 2) << args.back();
    }
}

// --line adds the line behind a forced win to the same answer, [] where there is none.
TEST(AnalyzeMode, LineOptionAddsTheForcedLine) {
    EngineProcess engine({"analyze", "--line"});
    EXPECT_EQ(Analyze(engine, "2 5,8,2 6,8,2 7,8,2 8,8,2 5,9,3 6,9,3 7,9,3"),
              R"({"x":9,"y":8,"verdict":"我赢了! ","line":[[9,8]]})");
    EXPECT_EQ(Analyze(engine, "3 8,8,2"), R"({"x":7,"y":7,"verdict":" ","line":[]})");
    const std::string youWin = Analyze(engine, "3 3,3,2 4,3,2 5,3,2 10,12,2 11,12,2 12,12,2");
    const std::string head = R"({"x":13,"y":12,"verdict":"你赢了! ","line":[[13,12],[)";
    EXPECT_EQ(youWin.rfind(head, 0), 0u) << youWin;
    EXPECT_EQ(youWin.substr(youWin.size() - 3), "]]}") << youWin;
    EngineProcess both({"analyze", "--line", "--levels", "--depth", "1"});
    const std::string answer = Analyze(both, "2 6,8,2 7,8,2 8,8,2 1,1,3");
    EXPECT_EQ(answer.rfind(R"({"x":9,"y":8,"verdict":"我赢了! ","line":[[9,8],[)", 0), 0u)
        << answer;
    EXPECT_NE(answer.find(R"(]],"levels":[)"), std::string::npos) << answer;
}

// Where the search has no point, the default answer is its own (0, 0); --reply answers as the
// game does, with a free point.
TEST(AnalyzeMode, ReplyOptionAnswersWhereTheSearchHasNoPoint) {
    std::string line = "3";
    int colour = Black;
    for (const MoveRecord& move : testing::LateGameMoves) {
        line += " " + std::to_string(move.x) + "," + std::to_string(move.y) + "," +
                std::to_string(colour);
        colour = colour == Black ? White : Black;
    }
    EngineProcess raw({"analyze"});
    EXPECT_EQ(Analyze(raw, line), R"({"x":0,"y":0,"verdict":" "})");
    EngineProcess reply({"analyze", "--reply"});
    EXPECT_EQ(Analyze(reply, line), R"({"x":9,"y":8,"verdict":" "})");
    EXPECT_EQ(Analyze(reply, "2 8,8,3"), R"({"x":7,"y":7,"verdict":" "})")
        << "elsewhere the search's own point";
}

}  // namespace
}  // namespace wuziqi
