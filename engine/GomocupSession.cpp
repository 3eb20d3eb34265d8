#include "GomocupSession.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "BeginnerPlayer.h"
#include "ComputerReply.h"
#include "NumberParsing.h"
#include "Version.h"

namespace wuziqi::engine {

namespace {

constexpr CellState Own = Black;
constexpr CellState Theirs = White;

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string Wire(int x, int y) {
    return std::to_string(x - 1) + "," + std::to_string(y - 1);
}

// Commands of other managers that come with lines up to DONE, none of which is played here.
bool IsUnsupportedBlock(std::string_view command) {
    return command == "SWAP2BOARD" || command == "YXBOARD";
}

// The INFO rule bits that ask for something other than five or more in a row.
constexpr int ExactFive = 1;
constexpr int Renju = 4;
constexpr int Caro = 8;

const char* const StartRefusal = "ERROR only boards from 15x15 to 20x20 are supported";

}  // namespace

// The master's clock and table when the manager does not say: a second a move, and a table that
// fits comfortably in any machine that runs a manager.
constexpr int DefaultTurnMs = 1000;
constexpr std::size_t DefaultTableBytes = std::size_t{64} << 20;
// What the engine needs beside its table, and the smallest table worth having.
constexpr std::int64_t MemoryHeadroom = std::int64_t{24} << 20;
constexpr std::int64_t MinTableBytes = std::int64_t{1} << 20;
// The largest table, whatever the manager allows: with the headroom the engine stays well
// under the 350 MB of a tournament.
constexpr std::int64_t MaxTableBytes = std::int64_t{256} << 20;

GomocupSession::GomocupSession(PlayLevel level) : level_(level) {
    if (level_ == PlayLevel::Master) master_ = std::make_unique<MasterPlayer>(DefaultTableBytes);
}

PlayLevel GomocupSession::PlayedLevel() const {
    if (board_.IsGameSize() && PlayedRule() == search::FiveRule::Freestyle) return level_;
    return PlayLevel::Master;
}

search::FiveRule GomocupSession::PlayedRule() const {
    return rule_ & ExactFive ? search::FiveRule::Exact : search::FiveRule::Freestyle;
}

GomocupSession::~GomocupSession() = default;

std::vector<std::string> GomocupSession::Handle(std::string_view line) {
    commandTime_ = std::chrono::steady_clock::now();
    line = Trim(line);
    // END is obeyed wherever it comes, inside a block of lines too.
    const bool end = Upper(line) == "END";
    if (skippingBlock_ && !end) return SkippedLine(line);
    if (readingBoard_ && !end) return BoardLine(line);
    if (line.empty()) return {};
    const std::size_t space = line.find(' ');
    const std::string command = Upper(line.substr(0, space));
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space + 1));
    return Command(command, rest);
}

bool GomocupSession::ParsePoint(std::string_view text, int& x, int& y) const {
    const auto parts = Split(text, ',');
    if (parts.size() != 2) return false;
    int wx = 0, wy = 0;
    if (!ParseInt(Trim(parts[0]), 0, board_.Width() - 1, wx) ||
        !ParseInt(Trim(parts[1]), 0, board_.Height() - 1, wy))
        return false;
    x = wx + 1;
    y = wy + 1;
    return true;
}

std::string GomocupSession::PointRefusal() const {
    const std::string width = std::to_string(board_.Width());
    if (board_.Width() == board_.Height()) return "ERROR expected x,y with 0 <= x, y < " + width;
    return "ERROR expected x,y with 0 <= x < " + width + " and 0 <= y < " +
           std::to_string(board_.Height());
}

std::vector<std::string> GomocupSession::Start(int width, int height) {
    if (!board_.Reset(width, height)) return {StartRefusal};
    started_ = true;
    return {"OK"};
}

std::vector<std::string> GomocupSession::Command(std::string_view command, std::string_view rest) {
    if (command == "START") {
        int size = 0;
        if (!ParseInt(rest, 1, 1000, size)) return {"ERROR START needs a board size"};
        return Start(size, size);
    }
    if (command == "RECTSTART") {
        const auto parts = Split(rest, ',');
        int width = 0, height = 0;
        if (parts.size() != 2 || !ParseInt(Trim(parts[0]), 1, 1000, width) ||
            !ParseInt(Trim(parts[1]), 1, 1000, height))
            return {"ERROR RECTSTART needs a width and a height: RECTSTART w,h"};
        return Start(width, height);
    }
    if (command == "ABOUT") {
        std::string about = std::string("name=\"pbrain-wuziqi\", version=\"") + ProgramVersion +
                            "\", author=\"Wuziqi developers\", country=\"CN\", www=\"" +
                            ProgramHomePage + "\"";
        // Whatever the standard level cannot play is played by the master: say which plays.
        if (PlayedLevel() != PlayLevel::Standard)
            about += std::string(", level=\"") + PlayLevelName(PlayedLevel()) + "\"";
        return {about};
    }
    if (command == "END") {
        finished_ = true;
        return {};
    }
    if (command == "INFO") {
        // The standard level is bounded by its depth and ignores the limits; the master obeys
        // them.
        const std::size_t space = rest.find(' ');
        if (space != std::string_view::npos)
            Info(Upper(rest.substr(0, space)), Trim(rest.substr(space + 1)));
        return {};
    }
    if (command == "RESTART") {
        board_.Clear();
        started_ = true;
        return {"OK"};
    }
    if (IsUnsupportedBlock(command)) {
        // Read up to DONE, so that its lines do not each get an answer of their own.
        skippingBlock_ = true;
        skippedAnswer_ = "UNKNOWN " + std::string(command) + " is not supported";
        return {};
    }
    if (command != "BEGIN" && command != "TURN" && command != "BOARD" && command != "TAKEBACK")
        return {"UNKNOWN command not understood"};

    std::string refusal;
    if (!started_)
        refusal = "no game: send START first";
    else if (command != "TAKEBACK")
        refusal = RuleRefusal();
    if (!refusal.empty()) {
        if (command != "BOARD") return {"ERROR " + refusal};
        skippingBlock_ = true;
        skippedAnswer_ = "ERROR " + refusal;
        return {};
    }

    if (command == "BEGIN") {
        if (!board_.IsEmpty()) return {"ERROR BEGIN opens an empty board: send RESTART first"};
        return {Reply(0, 0)};
    }
    if (command == "BOARD") {
        board_.Clear();
        readingBoard_ = true;
        boardLastX_ = boardLastY_ = 0;
        return {};
    }
    int x = 0, y = 0;
    if (!ParsePoint(rest, x, y)) return {PointRefusal()};
    if (command == "TURN") {
        if (board_.Get(x, y) != Empty) return {"ERROR that point is taken"};
        board_.Place(x, y, Theirs);
        return {Reply(x, y)};
    }
    // TAKEBACK
    if (board_.Get(x, y) == Empty) return {"ERROR no stone to take back there"};
    board_.Place(x, y, Empty);
    return {"OK"};
}

std::vector<std::string> GomocupSession::SkippedLine(std::string_view line) {
    if (Upper(line) != "DONE") return {};
    skippingBlock_ = false;
    return {skippedAnswer_};
}

std::vector<std::string> GomocupSession::BoardLine(std::string_view line) {
    if (Upper(line) == "DONE") {
        readingBoard_ = false;
        return {Reply(boardLastX_, boardLastY_)};
    }
    const auto parts = Split(line, ',');
    int x = 0, y = 0, field = 0;
    if (parts.size() != 3 || !ParseInt(Trim(parts[0]), 0, board_.Width() - 1, x) ||
        !ParseInt(Trim(parts[1]), 0, board_.Height() - 1, y) ||
        !ParseInt(Trim(parts[2]), 1, 3, field))
        return {
            "ERROR expected x,y,field with field 1 (own), 2 (opponent) or 3 (winning line), or "
            "DONE"};
    ++x;
    ++y;
    if (board_.Get(x, y) != Empty) return {"ERROR that point is taken"};
    if (field == 3) {
        board_.PlaceDead(x, y);
        return {};
    }
    board_.Place(x, y, field == 1 ? Own : Theirs);
    if (field == 2) {
        boardLastX_ = x;
        boardLastY_ = y;
    }
    return {};
}

void GomocupSession::Info(std::string_view key, std::string_view value) {
    int number = 0;
    // Milliseconds and bytes beyond int are read in thousands, which is precise enough.
    const bool small = ParseInt(value, 0, 1 << 30, number);
    std::int64_t big = number;
    if (!small) {
        if (value.size() <= 3 || !ParseInt(value.substr(0, value.size() - 3), 0, 1 << 30, number))
            return;
        big = std::int64_t{number} * 1000;
    }
    if (key == "RULE" && small) {
        rule_ = number;
        // The exact rule's tables are built now rather than in the time of a move.
        if (rule_ & ExactFive) search::Lines(search::FiveRule::Exact);
    }
    if (key == "TIMEOUT_TURN") turnMs_ = static_cast<int>(std::min<std::int64_t>(big, 1 << 30));
    if (key == "TIMEOUT_MATCH") matchMs_ = big;
    if (key == "TIME_LEFT") timeLeftMs_ = big;
    if (key == "MAX_MEMORY") memoryBytes_ = big;
}

SearchLimits GomocupSession::MasterLimits() const {
    SearchLimits limits;
    limits.start = commandTime_;
    limits.turnMs = turnMs_ > 0 ? turnMs_ : DefaultTurnMs;
    // time_left counts only when the game has a limit at all.
    limits.matchMsLeft = matchMs_ > 0 ? std::max<std::int64_t>(timeLeftMs_, 1) : 0;
    limits.tableBytes = DefaultTableBytes;
    if (memoryBytes_ > 0)
        limits.tableBytes = static_cast<std::size_t>(std::clamp<std::int64_t>(
            (memoryBytes_ - MemoryHeadroom) / 2, MinTableBytes, MaxTableBytes));
    return limits;
}

std::string GomocupSession::RuleRefusal() const {
    std::string asked;
    for (const auto& [bit, name] : {std::pair{Renju, "renju"}, {Caro, "caro"}}) {
        if (!(rule_ & bit)) continue;
        if (!asked.empty()) asked += ", ";
        asked += name;
    }
    if (asked.empty()) return {};
    return "rule " + std::to_string(rule_) + " (" + asked +
           ") is not supported: this engine plays freestyle (five or more in a row wins) and "
           "exactly five";
}

std::string GomocupSession::Reply(int lastX, int lastY) {
    // The level's reply, fallback included; the verdict is not part of the protocol.
    std::optional<BoardPoint> point;
    const PlayLevel level = PlayedLevel();
    if (level == PlayLevel::Master) {
        if (!master_) master_ = std::make_unique<MasterPlayer>(MasterLimits().tableBytes);
        point = master_->Reply(board_.Position(PlayedRule()), Own, MasterLimits()).point;
    } else if (level == PlayLevel::Beginner) {
        point = BeginnerReply(board_.Game(), Own, {lastX, lastY}, BeginnerSeed).point;
    } else {
        point = ComputerReply(board_.Game(), Own, {lastX, lastY}, SearchDepth).point;
    }
    if (!point) return "ERROR the board is full";
    const BoardPoint chosen = *point;
    board_.Place(chosen.x, chosen.y, Own);
    return Wire(chosen.x, chosen.y);
}

}  // namespace wuziqi::engine
