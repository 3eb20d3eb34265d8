#include "KeptGame.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>

#include "GameBoard.h"

namespace wuziqi {

namespace {

constexpr int FullBoard = BoardSize * BoardSize;

// The lines after the header, in the order written.
enum Line { ModeLine = 2, TurnLine, CursorLine, ClocksLine, StepsLine, ReplyLine, MovesLine };

std::string Flag(bool value) {
    return value ? "1" : "0";
}

// Reads the text line by line, each ended by a line feed.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : Rest(text) {}

    std::optional<std::string_view> Next() {
        const std::size_t end = Rest.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = Rest.substr(0, end);
        Rest.remove_prefix(end + 1);
        return line;
    }
    bool AtEnd() const { return Rest.empty(); }

  private:
    std::string_view Rest;
};

// The words of a line after its field name, split at single spaces; nothing when the name
// differs or the spacing is not the one written.
std::optional<std::vector<std::string_view>> Fields(std::string_view line, std::string_view name) {
    if (line.substr(0, name.size()) != name) return std::nullopt;
    line.remove_prefix(name.size());
    std::vector<std::string_view> words;
    while (!line.empty()) {
        if (line.front() != ' ' || line.size() == 1) return std::nullopt;
        line.remove_prefix(1);
        const std::size_t end = line.find(' ');
        words.push_back(line.substr(0, end));
        if (words.back().empty()) return std::nullopt;
        line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    }
    return words;
}

// A decimal number of plain digits, no sign and no leading zero, within [0, most].
std::optional<std::int64_t> Number(std::string_view word, std::int64_t most) {
    if (word.empty() || word.size() > 10 || (word.size() > 1 && word.front() == '0'))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || word.front() == '-' ||
        value > most)
        return std::nullopt;
    return value;
}

DecodedKeptGame Refused(KeptGameError error, int line = 0, int move = -1) {
    DecodedKeptGame refused;
    refused.error = error;
    refused.badLine = line;
    refused.badMove = move;
    return refused;
}

// A state that the moves cannot have been played into.
KeptGameError CheckState(const KeptGame& game) {
    if (game.historyCursor > static_cast<int>(game.moves.size()))
        return KeptGameError::CursorPastMoves;
    // Colours alternate from Black. Only on a full board may the turn have passed without a
    // stone, when the computer found nowhere to play.
    const std::uint8_t toMove = game.historyCursor % 2 == 0 ? Black : White;
    if (game.currentColour != toMove && game.historyCursor < FullBoard)
        return KeptGameError::ColourContradicts;
    if (game.computerToMove && (game.gameMode != ModeAgainstComputer || game.historyCursor == 0))
        return KeptGameError::ReplyNotOwed;
    return KeptGameError::None;
}

}  // namespace

std::string EncodeKeptGame(const KeptGame& game) {
    std::string text(KeptGameHeader);
    text += "\nmode " + std::to_string(game.gameMode);
    text += "\nturn " + std::to_string(game.currentColour);
    text += "\ncursor " + std::to_string(game.historyCursor);
    text += "\nclocks " + std::to_string(game.blackClock) + ' ' + std::to_string(game.whiteClock);
    text += "\nsteps " + Flag(game.previousEnabled) + ' ' + Flag(game.nextEnabled);
    text += "\nreply " + Flag(game.computerToMove);
    text += "\nmoves";
    for (const MoveRecord& move : game.moves)
        text += ' ' + std::to_string(move.x) + ',' + std::to_string(move.y);
    text += '\n';
    return text;
}

bool LooksLikeKeptGame(std::string_view text) {
    return text.substr(0, KeptGameHeader.size() + 1) == std::string(KeptGameHeader) + '\n';
}

DecodedKeptGame DecodeKeptGame(std::string_view text) {
    if (text.size() > LargestKeptGameFile) return Refused(KeptGameError::FileTooLarge);
    if (!LooksLikeKeptGame(text)) return Refused(KeptGameError::NotAKeptGame);
    LineCursor lines(text);
    lines.Next();

    // Each field's words as numbers, each within its own range.
    struct Field {
        std::string_view name;
        std::array<std::int64_t, 2> most;
        std::size_t count;
    };
    constexpr std::int64_t MostTicks = std::numeric_limits<std::int32_t>::max();
    const Field fields[] = {
        {"mode", {ModeReview, 0}, 1},  {"turn", {White, 0}, 1},
        {"cursor", {FullBoard, 0}, 1}, {"clocks", {MostTicks, MostTicks}, 2},
        {"steps", {1, 1}, 2},          {"reply", {1, 0}, 1},
    };
    std::array<std::array<std::int64_t, 2>, std::size(fields)> values{};
    int lineNumber = ModeLine;
    for (std::size_t f = 0; f < std::size(fields); ++f, ++lineNumber) {
        const std::optional<std::string_view> line = lines.Next();
        const auto words = line ? Fields(*line, fields[f].name) : std::nullopt;
        if (!words || words->size() != fields[f].count)
            return Refused(KeptGameError::BadLine, lineNumber);
        for (std::size_t w = 0; w < words->size(); ++w) {
            if (lineNumber == ClocksLine && (*words)[w].front() == '-')
                return Refused(KeptGameError::NegativeClock, lineNumber);
            const std::optional<std::int64_t> number = Number((*words)[w], fields[f].most[w]);
            if (!number) return Refused(KeptGameError::BadLine, lineNumber);
            values[f][w] = *number;
        }
    }
    // A colour, not an empty point or the board's frame.
    if (values[TurnLine - ModeLine][0] < Black) return Refused(KeptGameError::BadLine, TurnLine);

    const std::optional<std::string_view> movesLine = lines.Next();
    const auto words = movesLine ? Fields(*movesLine, "moves") : std::nullopt;
    if (!words || words->size() > static_cast<std::size_t>(FullBoard) || !lines.AtEnd())
        return Refused(KeptGameError::BadLine, MovesLine);
    KeptGame game;
    bool taken[BoardSize + 1][BoardSize + 1] = {};
    for (std::size_t i = 0; i < words->size(); ++i) {
        const std::string_view word = (*words)[i];
        const std::size_t comma = word.find(',');
        const auto x =
            comma == std::string_view::npos ? std::nullopt : Number(word.substr(0, comma), 99);
        const auto y = x ? Number(word.substr(comma + 1), 99) : std::nullopt;
        const int move = static_cast<int>(i);
        if (!y) return Refused(KeptGameError::BadLine, MovesLine);
        if (!InRange(static_cast<int>(*x), 1, BoardSize) ||
            !InRange(static_cast<int>(*y), 1, BoardSize))
            return Refused(KeptGameError::MoveOffBoard, MovesLine, move);
        if (taken[*x][*y]) return Refused(KeptGameError::PointTaken, MovesLine, move);
        taken[*x][*y] = true;
        game.moves.push_back({static_cast<std::int8_t>(*x), static_cast<std::int8_t>(*y)});
    }

    const auto value = [&values](Line line, std::size_t word = 0) {
        return values[static_cast<std::size_t>(line - ModeLine)][word];
    };
    game.gameMode = static_cast<std::uint8_t>(value(ModeLine));
    game.currentColour = static_cast<std::uint8_t>(value(TurnLine));
    game.historyCursor = static_cast<int>(value(CursorLine));
    game.blackClock = static_cast<std::int32_t>(value(ClocksLine, 0));
    game.whiteClock = static_cast<std::int32_t>(value(ClocksLine, 1));
    game.previousEnabled = value(StepsLine, 0) == 1;
    game.nextEnabled = value(StepsLine, 1) == 1;
    game.computerToMove = value(ReplyLine) == 1;
    if (const KeptGameError error = CheckState(game); error != KeptGameError::None)
        return Refused(error);
    DecodedKeptGame decoded;
    decoded.game = std::move(game);
    return decoded;
}

KeptGame KeptGameOf(const GameRecord& record, bool computerToMove) {
    KeptGame game;
    game.moves = record.MoveHistory;
    game.historyCursor = record.HistoryCursor;
    game.gameMode = record.GameMode;
    game.currentColour = record.CurrentColour;
    game.blackClock = record.BlackClock;
    game.whiteClock = record.WhiteClock;
    game.previousEnabled = record.Action4Enabled;
    game.nextEnabled = record.Action5Enabled;
    // Only a game against the computer, with a stone on the board, waits for its reply.
    game.computerToMove =
        computerToMove && record.GameMode == ModeAgainstComputer && record.HistoryCursor > 0;
    return game;
}

void RestoreGame(GameRecord& record, const KeptGame& game) {
    TGameBoard& board = record.GetBoard();
    GameReporter* reporter = board.GetReporter();
    board.SetReporter(nullptr);
    record.MoveHistory = game.moves;
    record.HistoryCursor = 0;
    board.Reset();
    record.CurrentColour = Black;
    record.GameMode = game.gameMode;
    record.StepForward(game.historyCursor);
    if (game.historyCursor == 0) record.LastMove = NoLastMove;
    board.SetReporter(reporter);

    record.CurrentColour = game.currentColour;
    record.BlackClock = game.blackClock;
    record.WhiteClock = game.whiteClock;
    record.Action4Enabled = game.previousEnabled;
    record.Action5Enabled = game.nextEnabled;
}

}  // namespace wuziqi
