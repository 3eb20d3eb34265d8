// The engine's levels: --level for both modes, and pbrain-wuziqi-master, which plays the master
// level without options.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "EngineProcess.h"
#include "GameBoard.h"

namespace wuziqi {
namespace {

using testing::EngineProcess;

// The wire point "x,y" as a board point, or nothing when it is not one.
bool ParseWire(const std::string& text, int& x, int& y) {
    return std::sscanf(text.c_str(), "%d,%d", &x, &y) == 2 && InRange(x, 0, 14) &&
           InRange(y, 0, 14) && text == std::to_string(x) + "," + std::to_string(y);
}

TEST(LevelOption, TheMasterPlaysTheStandardLevelWithLegalMovesWithinItsLimits) {
    EngineProcess master({"--level", "master"});
    EngineProcess standard({"--level", "standard"});
    ASSERT_TRUE(master.Started() && standard.Started());
    for (EngineProcess* e : {&master, &standard}) {
        e->Send("START 15");
        ASSERT_EQ(e->ReadLine(), "OK");
    }
    for (const char* info : {"INFO timeout_turn 100", "INFO timeout_match 100000",
                             "INFO time_left 100000", "INFO max_memory 40000000"})
        master.Send(info);
    TGameBoard referee;
    master.Send("BEGIN");
    std::string move = master.ReadLine();
    EXPECT_EQ(move, "7,7") << "the master opens in the centre";
    CellState colour = Black;
    EngineProcess* next = &standard;
    // Twenty moves are enough to meet threats on both sides.
    for (int moves = 1; moves <= 20; ++moves) {
        int x = 0, y = 0;
        ASSERT_TRUE(ParseWire(move, x, y)) << "move " << moves << ": " << move;
        ASSERT_EQ(referee.GetCell(x + 1, y + 1), Empty) << move;
        double score = 0;
        if (referee.WinTest(x + 1, y + 1, score, colour)) break;
        referee.Place(x + 1, y + 1, colour);
        next->Send("TURN " + move);
        move = next->ReadLine();
        next = next == &standard ? &master : &standard;
        colour = colour == Black ? White : Black;
    }
    for (EngineProcess* e : {&master, &standard}) {
        e->Send("END");
        EXPECT_EQ(e->Wait(), 0);
    }
}

TEST(LevelOption, PbrainWuziqiMasterPlaysTheMasterWithoutOptions) {
    EngineProcess engine({}, PBRAIN_WUZIQI_MASTER_PATH);
    ASSERT_TRUE(engine.Started());
    engine.Send("START 15");
    ASSERT_EQ(engine.ReadLine(), "OK");
    engine.Send("INFO timeout_turn 200");
    // A white four to block at once, then a black four of its own to complete.
    engine.Send("BOARD");
    for (const char* stone : {"4,4,2", "5,4,2", "6,4,2", "7,4,2", "3,4,1", "9,9,1"})
        engine.Send(stone);
    engine.Send("DONE");
    EXPECT_EQ(engine.ReadLine(), "8,4");
    engine.Send("BOARD");
    for (const char* stone : {"4,4,1", "5,4,1", "6,4,1", "7,4,1", "3,4,2", "9,9,2", "10,10,2"})
        engine.Send(stone);
    engine.Send("DONE");
    EXPECT_EQ(engine.ReadLine(), "8,4");
    engine.Send("END");
    EXPECT_EQ(engine.Wait(), 0);
}

TEST(LevelOption, AnalyzeAtTheMasterLevelGivesDepthNodesAndScore) {
    EngineProcess engine({"analyze", "--level", "master", "--ms", "100", "--line"});
    ASSERT_TRUE(engine.Started());
    engine.Send("2 1,1,2 1,2,2 1,3,2 1,4,2");
    EXPECT_EQ(engine.ReadLine(),
              R"({"x":1,"y":5,"verdict":"我赢了! ","depth":0,"nodes":0,"score":0,"line":[[1,5]]})");
    engine.Send("3 8,8,2 9,9,3 8,9,2");
    const std::string quiet = engine.ReadLine();
    EXPECT_NE(quiet.find(R"("verdict":" ","depth":)"), std::string::npos) << quiet;
    EXPECT_NE(quiet.find(R"(,"nodes":)"), std::string::npos) << quiet;
    EXPECT_NE(quiet.find(R"("line":[]})"), std::string::npos) << quiet;
    engine.CloseInput();
    EXPECT_EQ(engine.Wait(), 0);
}

TEST(LevelOption, TheBeginnerPlaysItsFivesInBothModes) {
    EngineProcess analyze({"analyze", "--level", "beginner"});
    ASSERT_TRUE(analyze.Started());
    analyze.Send("2 1,1,2 1,2,2 1,3,2 1,4,2");
    EXPECT_EQ(analyze.ReadLine(), R"({"x":1,"y":5,"verdict":"我赢了! "})");
    analyze.CloseInput();
    EXPECT_EQ(analyze.Wait(), 0);

    EngineProcess protocol({"--level", "beginner"});
    ASSERT_TRUE(protocol.Started());
    protocol.Send("START 15");
    EXPECT_EQ(protocol.ReadLine(), "OK");
    protocol.Send("BEGIN");
    EXPECT_EQ(protocol.ReadLine(), "7,7");
    // Its own four on the top row, 0-based: it completes the five rather than block.
    protocol.Send("BOARD");
    for (const char* stone :
         {"0,0,1", "1,0,1", "2,0,1", "3,0,1", "0,5,2", "1,5,2", "2,5,2", "3,5,2"})
        protocol.Send(stone);
    protocol.Send("DONE");
    EXPECT_EQ(protocol.ReadLine(), "4,0");
    protocol.Send("END");
    EXPECT_EQ(protocol.Wait(), 0);
}

TEST(LevelOption, AnUnknownLevelGetsTheUsage) {
    for (const auto& args :
         {std::vector<std::string>{"--level", "grandmaster"}, std::vector<std::string>{"--level"},
          std::vector<std::string>{"analyze", "--level", "Master"},
          std::vector<std::string>{"analyze", "--level", "master", "--ms", "0"}}) {
        EngineProcess engine(args);
        ASSERT_TRUE(engine.Started());
        EXPECT_EQ(engine.Wait(), 2) << args.back();
    }
}

}  // namespace
}  // namespace wuziqi
