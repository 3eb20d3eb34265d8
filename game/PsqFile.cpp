#include "PsqFile.h"

#include <cctype>
#include <optional>
#include <vector>

namespace wuziqi {

namespace {

constexpr std::string_view Title = "Piskvorky";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// More digits than this make a number no board coordinate can be, and never overflow.
constexpr std::size_t LongestNumber = 9;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Lines end with LF, CR LF or CR alone.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// A whole number with an optional sign; 0, which is off the board, when it has too many
// digits to be a coordinate. Nothing when the text is not a number.
std::optional<int> Number(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!AllDigits(text)) return std::nullopt;
    if (text.size() > LongestNumber) return 0;
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return negative ? -value : value;
}

struct PsqMove {
    int x, y;
    std::string_view spelling;  // "x,y" as the file writes it
};

// "x,y" or "x,y,time", or nothing when the line is not a move.
std::optional<PsqMove> MoveLine(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos;
         start = comma + 1)
        fields.push_back(line.substr(start, comma - start));
    fields.push_back(line.substr(start));
    if (fields.size() != 2 && fields.size() != 3) return std::nullopt;
    std::optional<int> values[3];
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!(values[i] = Number(fields[i]))) return std::nullopt;
    const std::size_t pointLength = fields[0].size() + 1 + fields[1].size();
    return PsqMove{*values[0], *values[1], Trim(line.substr(0, pointLength))};
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    return text;
}

// The header's size "WxH", or nothing when the first line is not a .psq header.
std::optional<std::string_view> SizeOfBoard(std::string_view header) {
    header = WithoutByteOrderMark(header);
    if (header.substr(0, Title.size()) != Title) return std::nullopt;
    header.remove_prefix(Title.size());
    if (header.empty() || header.front() != ' ') return std::nullopt;
    const std::string_view size = Trim(header.substr(0, header.find(',')));
    const std::size_t times = size.find('x');
    if (times == std::string_view::npos || !AllDigits(size.substr(0, times)) ||
        !AllDigits(size.substr(times + 1)))
        return std::nullopt;
    return size;
}

bool FifteenByFifteen(std::string_view size) {
    const std::size_t times = size.find('x');
    return Number(size.substr(0, times)) == 15 && Number(size.substr(times + 1)) == 15;
}

}  // namespace

bool StartsLikePsq(std::string_view text) {
    return WithoutByteOrderMark(text).substr(0, Title.size()) == Title;
}

std::string EncodePsq(std::span<const MoveRecord> moves) {
    std::string text = "Piskvorky 15x15, 0:0, 0\n";
    for (const MoveRecord& move : moves)
        text += std::to_string(move.x) + "," + std::to_string(move.y) + ",0\n";
    return text;
}

TextGameFile DecodePsq(std::string_view text) {
    MoveCollector collector;
    if (text.size() > LargestTextGameFile) {
        collector.Refuse(GameFileProblem::TooLarge, {}, false);
        return collector.Finish();
    }
    const std::vector<std::string_view> lines = Lines(text);
    const std::optional<std::string_view> size =
        lines.empty() ? std::nullopt : SizeOfBoard(lines.front());
    if (!size) {
        collector.Refuse(GameFileProblem::NotPsq, {}, false);
    } else if (!FifteenByFifteen(*size)) {
        collector.Refuse(GameFileProblem::WrongSize, std::string(*size), false);
    }
    for (std::size_t i = 1; i < lines.size() && !collector.Refused(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty()) continue;
        const std::optional<PsqMove> move = MoveLine(line);
        if (!move) break;  // the names and the result that follow the moves
        collector.Add(move->x, move->y, move->spelling);
    }
    return collector.Finish();
}

}  // namespace wuziqi
