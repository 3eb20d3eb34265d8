#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "EngineBoard.h"
#include "LevelReply.h"
#include "MasterSearch.h"

namespace wuziqi::engine {

// One conversation with a Gomocup manager: each command line goes in, the lines to answer
// come out. The engine's own stones are Black on the model's board and the manager's are
// White; the model plays the same whichever colour it is given. The standard level is the
// game's own reply, bounded by its depth; the master level thinks within the INFO limits.
// The standard and beginner levels play only 15 x 15 with five or more to win; a larger
// board, a rectangle or the exact-five rule is played by the master, whatever the level.
class GomocupSession {
  public:
    explicit GomocupSession(PlayLevel level = PlayLevel::Standard);
    ~GomocupSession();

    // The answer lines for one command line (often one, sometimes none).
    std::vector<std::string> Handle(std::string_view line);

    // True once END was received.
    bool Finished() const { return finished_; }

    // The master's limits from the INFO values, its clock started when the command came.
    SearchLimits MasterLimits() const;
    // The level that answers the next move.
    PlayLevel PlayedLevel() const;

  private:
    std::vector<std::string> Command(std::string_view command, std::string_view rest);
    std::vector<std::string> BoardLine(std::string_view line);
    std::vector<std::string> SkippedLine(std::string_view line);
    std::vector<std::string> Start(int width, int height);
    std::string Reply(int lastX, int lastY);
    void Info(std::string_view key, std::string_view value);
    bool ParsePoint(std::string_view text, int& x, int& y) const;
    std::string PointRefusal() const;
    // Why the rule the manager asked for cannot be played; empty for freestyle and exact five.
    std::string RuleRefusal() const;
    search::FiveRule PlayedRule() const;

    EngineBoard board_;
    PlayLevel level_;
    std::unique_ptr<MasterPlayer> master_;  // made when the master first plays
    std::chrono::steady_clock::time_point commandTime_{};
    int turnMs_ = 0;                // INFO timeout_turn; 0 until told
    std::int64_t matchMs_ = 0;      // INFO timeout_match; 0: no limit for the game
    std::int64_t timeLeftMs_ = 0;   // INFO time_left
    std::int64_t memoryBytes_ = 0;  // INFO max_memory; 0: no limit
    bool started_ = false;
    bool readingBoard_ = false;
    bool finished_ = false;
    int boardLastX_ = 0, boardLastY_ = 0;
    int rule_ = 0;  // the INFO rule bits
    // A block of lines up to DONE that is read but not played; its one answer comes at DONE.
    bool skippingBlock_ = false;
    std::string skippedAnswer_;
};

}  // namespace wuziqi::engine
