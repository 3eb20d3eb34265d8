#include "AnalyzeMode.h"

#include <vector>

#include "BeginnerPlayer.h"
#include "ComputerReply.h"
#include "GameBoard.h"
#include "LiteralSearch.h"
#include "MasterSearch.h"
#include "NumberParsing.h"
#include "VerdictText.h"

namespace wuziqi::engine {

namespace {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char Hex[] = "0123456789abcdef";
            out += "\\u00";
            out += Hex[(c >> 4) & 0xF];
            out += Hex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Error(std::string_view reason) {
    return "{\"error\":" + JsonString(reason) + "}";
}

// Coordinates may lie off the board (the board refuses them), but stay in a sane range.
constexpr int CoordinateLimit = 1000000;

std::string PointList(const std::vector<BoardPoint>& points) {
    std::string out = "[";
    for (std::size_t i = 0; i < points.size(); ++i)
        out += (i ? ",[" : "[") + std::to_string(points[i].x) + "," + std::to_string(points[i].y) +
               "]";
    return out + "]";
}

std::string Levels(const TGameBoard& board) {
    std::string out = ",\"levels\":[";
    bool first = true;
    for (int c = Black; c <= White; ++c)
        for (int px = 1; px <= BoardSize; ++px)
            for (int py = 1; py <= BoardSize; ++py)
                for (int d = 0; d < DirectionCount; ++d) {
                    if (!first) out += ',';
                    first = false;
                    out += std::to_string(board.Levels.At(c, px, py, d));
                }
    return out + "]";
}

// The master's answer: its point ((0, 0) on a full board), verdict, depth and nodes, and the
// proven line behind "我赢了! " when asked.
std::string MasterAnalysis(const TGameBoard& board, int colour, const AnalyzeOptions& options) {
    SearchLimits limits;
    limits.turnMs = options.masterMs;
    limits.maxDepth = options.depth;
    limits.tableBytes = std::size_t{16} << 20;
    const MasterAnswer answer = MasterReply(board, static_cast<std::uint8_t>(colour), limits);
    const int x = answer.point ? answer.point->x : 0;
    const int y = answer.point ? answer.point->y : 0;
    std::string out = "{\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) +
                      ",\"verdict\":" + JsonString(VerdictText(answer.verdict)) +
                      ",\"depth\":" + std::to_string(answer.depth) +
                      ",\"nodes\":" + std::to_string(answer.nodes) +
                      ",\"score\":" + std::to_string(answer.score);
    if (options.line) out += ",\"line\":" + PointList(answer.line);
    if (options.levels) out += Levels(board);
    return out + "}";
}

}  // namespace

std::string AnalyzePosition(std::string_view line, const AnalyzeOptions& options) {
    if (line.empty()) return Error("empty line: expected the colour to move (2 or 3)");
    const std::vector<std::string_view> fields = Split(line, ' ');
    int colour = 0;
    if (!ParseInt(fields[0], Black, White, colour))
        return Error("the colour to move must be 2 or 3");

    struct Token {
        int x, y, code;
    };
    std::vector<Token> tokens;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::vector<std::string_view> parts = Split(fields[i], ',');
        Token t{};
        if (fields[i].empty()) return Error("tokens must be separated by single spaces");
        if (parts.size() != 3 || !ParseInt(parts[0], -CoordinateLimit, CoordinateLimit, t.x) ||
            !ParseInt(parts[1], -CoordinateLimit, CoordinateLimit, t.y) ||
            !ParseInt(parts[2], Empty, White, t.code))
            return Error("token " + std::to_string(i) + " is not x,y,c with c 1, 2 or 3");
        tokens.push_back(t);
    }

    TGameBoard board;
    for (const Token& t : tokens)
        board.Place(t.x, t.y, static_cast<CellState>(t.code));
    int x = tokens.empty() ? 0 : tokens.back().x;
    int y = tokens.empty() ? 0 : tokens.back().y;
    if (options.level == PlayLevel::Master) return MasterAnalysis(board, colour, options);
    if (options.level == PlayLevel::Beginner) {
        const ComputerAnswer answer =
            BeginnerReply(board, static_cast<std::uint8_t>(colour), {x, y}, BeginnerSeed);
        return "{\"x\":" + std::to_string(answer.point ? answer.point->x : 0) +
               ",\"y\":" + std::to_string(answer.point ? answer.point->y : 0) +
               ",\"verdict\":" + JsonString(VerdictText(answer.verdict)) + "}";
    }
    Verdict verdict;
    if (options.reply) {
        const ComputerAnswer answer =
            ComputerReply(board, static_cast<std::uint8_t>(colour), {x, y}, options.depth);
        verdict = answer.verdict;
        x = answer.point ? answer.point->x : 0;
        y = answer.point ? answer.point->y : 0;
    } else {
        verdict = board.ChooseMove(static_cast<std::uint8_t>(colour), x, y, options.depth);
    }

    std::string out = "{\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) +
                      ",\"verdict\":" + JsonString(VerdictText(verdict));
    if (options.line) {
        ForcedLine line;
        if (ProvesForcedWin(verdict))
            line = FindForcedLine(board, static_cast<std::uint8_t>(colour), options.depth);
        out += ",\"line\":" + PointList(line);
    }
    if (options.levels) out += Levels(board);
    return out + "}";
}

}  // namespace wuziqi::engine
