#include "GomocupSession.h"

#include <algorithm>
#include <cctype>

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

}  // namespace

GomocupSession::GomocupSession() = default;

std::vector<std::string> GomocupSession::Handle(std::string_view line) {
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
    if (!ParseInt(Trim(parts[0]), 0, BoardSize - 1, wx) ||
        !ParseInt(Trim(parts[1]), 0, BoardSize - 1, wy))
        return false;
    x = wx + 1;
    y = wy + 1;
    return true;
}

std::vector<std::string> GomocupSession::Command(std::string_view command, std::string_view rest) {
    if (command == "START") {
        int size = 0;
        if (!ParseInt(rest, 1, 1000, size)) return {"ERROR START needs a board size"};
        if (size != BoardSize) return {"ERROR only the 15x15 board is supported"};
        board_.Reset();
        started_ = true;
        return {"OK"};
    }
    if (command == "ABOUT")
        return {std::string("name=\"pbrain-wuziqi\", version=\"") + ProgramVersion +
                "\", author=\"Wuziqi developers\", country=\"CN\""};
    if (command == "END") {
        finished_ = true;
        return {};
    }
    if (command == "INFO") {
        // Time limits and the like are ignored: the search is bounded by depth.
        const std::size_t space = rest.find(' ');
        int rule = 0;
        if (space != std::string_view::npos && Upper(rest.substr(0, space)) == "RULE" &&
            ParseInt(Trim(rest.substr(space + 1)), 0, 1 << 30, rule))
            rule_ = rule;
        return {};
    }
    if (command == "RESTART") {
        board_.Reset();
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
        refusal = "no game: send START 15 first";
    else if (command != "TAKEBACK")
        refusal = RuleRefusal();
    if (!refusal.empty()) {
        if (command != "BOARD") return {"ERROR " + refusal};
        skippingBlock_ = true;
        skippedAnswer_ = "ERROR " + refusal;
        return {};
    }

    if (command == "BEGIN") {
        if (!BoardEmpty()) return {"ERROR BEGIN opens an empty board: send RESTART first"};
        return {Reply(0, 0)};
    }
    if (command == "BOARD") {
        board_.Reset();
        readingBoard_ = true;
        boardLastX_ = boardLastY_ = 0;
        return {};
    }
    int x = 0, y = 0;
    if (!ParsePoint(rest, x, y)) return {"ERROR expected x,y with 0 <= x, y < 15"};
    if (command == "TURN") {
        if (board_.Grid[x][y] != Empty) return {"ERROR that point is taken"};
        board_.Place(x, y, Theirs);
        return {Reply(x, y)};
    }
    // TAKEBACK
    if (board_.Grid[x][y] == Empty) return {"ERROR no stone to take back there"};
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
    if (parts.size() != 3 || !ParseInt(Trim(parts[0]), 0, BoardSize - 1, x) ||
        !ParseInt(Trim(parts[1]), 0, BoardSize - 1, y) || !ParseInt(Trim(parts[2]), 1, 3, field))
        return {
            "ERROR expected x,y,field with field 1 (own), 2 (opponent) or 3 (winning line), or "
            "DONE"};
    ++x;
    ++y;
    if (board_.Grid[x][y] != Empty) return {"ERROR that point is taken"};
    if (field == 3) {
        PlaceDeadStone(x, y);
        return {};
    }
    board_.Place(x, y, field == 1 ? Own : Theirs);
    if (field == 2) {
        boardLastX_ = x;
        boardLastY_ = y;
    }
    return {};
}

std::string GomocupSession::RuleRefusal() const {
    std::string asked;
    for (const auto& [bit, name] :
         {std::pair{ExactFive, "exactly five"}, {Renju, "renju"}, {Caro, "caro"}}) {
        if (!(rule_ & bit)) continue;
        if (!asked.empty()) asked += ", ";
        asked += name;
    }
    if (asked.empty()) return {};
    return "rule " + std::to_string(rule_) + " (" + asked +
           ") is not supported: this engine plays freestyle, five or more in a row wins";
}

bool GomocupSession::BoardEmpty() const {
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (board_.Grid[x][y] != Empty) return false;
    return true;
}

void GomocupSession::PlaceDeadStone(int x, int y) {
    board_.Grid[x][y] = Border;
    // Every line is marked again, so that no window through the dead stone stays open.
    board_.Levels.Clear();
    for (int px = 1; px <= BoardSize; ++px)
        for (int py = 1; py <= BoardSize; ++py)
            if (board_.Grid[px][py] != Border) board_.UpdateLines(px, py);
}

std::string GomocupSession::Reply(int lastX, int lastY) {
    // The game's own reply, fallback included; the verdict is not part of the protocol.
    const ComputerAnswer answer = ComputerReply(board_, Own, {lastX, lastY}, SearchDepth);
    if (!answer.point) return "ERROR the board is full";
    board_.Place(answer.point->x, answer.point->y, Own);
    return Wire(answer.point->x, answer.point->y);
}

}  // namespace wuziqi::engine
