#include "SavedGame.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "CellState.h"

namespace wuziqi {

namespace {

constexpr std::array<std::uint8_t, 7> Identification = {6, 'W', 'Z', 'Q', '1', '.', '0'};
constexpr std::size_t HeaderSize = Identification.size() + 4;
constexpr std::size_t EntrySize = 2;

DecodedGame Rejected(SavedGameError error, int badEntry = -1) {
    DecodedGame decoded;
    decoded.error = error;
    decoded.badEntry = badEntry;
    return decoded;
}

}  // namespace

std::vector<std::uint8_t> EncodeSavedGame(std::span<const MoveRecord> moves) {
    std::vector<std::uint8_t> bytes(Identification.begin(), Identification.end());
    const auto count = static_cast<std::uint32_t>(moves.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(count >> shift));
    for (const MoveRecord& move : moves) {
        bytes.push_back(static_cast<std::uint8_t>(move.x));
        bytes.push_back(static_cast<std::uint8_t>(move.y));
    }
    return bytes;
}

DecodedGame DecodeSavedGame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < Identification.size() ||
        !std::equal(Identification.begin(), Identification.end(), bytes.begin()))
        return Rejected(SavedGameError::NotABoardFile);
    if (bytes.size() > LargestSavedGameFile) return Rejected(SavedGameError::FileTooLarge);
    if (bytes.size() < HeaderSize) return Rejected(SavedGameError::MissingCount);

    std::uint32_t raw = 0;
    for (int i = 3; i >= 0; --i)
        raw = raw << 8 | bytes[Identification.size() + i];
    const auto count = static_cast<std::int32_t>(raw);
    if (count < 0) return Rejected(SavedGameError::NegativeCount);

    // Compare in 64 bits before allocating anything: the count alone is never trusted.
    const std::uint64_t announced = static_cast<std::uint64_t>(count) * EntrySize;
    const std::uint64_t present = bytes.size() - HeaderSize;
    if (announced > present) return Rejected(SavedGameError::MissingMoves);
    if (announced < present) return Rejected(SavedGameError::TrailingBytes);

    DecodedGame decoded;
    decoded.moves.reserve(static_cast<std::size_t>(count));
    bool taken[BoardSize + 1][BoardSize + 1] = {};
    for (std::int32_t i = 0; i < count; ++i) {
        const auto x = static_cast<std::int8_t>(bytes[HeaderSize + EntrySize * i]);
        const auto y = static_cast<std::int8_t>(bytes[HeaderSize + EntrySize * i + 1]);
        if (!InRange(x, 1, BoardSize) || !InRange(y, 1, BoardSize))
            return Rejected(SavedGameError::MoveOffBoard, i);
        if (taken[x][y]) return Rejected(SavedGameError::PointTaken, i);
        taken[x][y] = true;
        decoded.moves.push_back({x, y});
    }
    return decoded;
}

std::string DescribeSavedGameError(SavedGameError error, int badEntry) {
    const std::string title = "不是棋盘文件！";
    const std::string notABoardFile = title + "\n";
    const std::string entry = std::to_string(badEntry + 1);
    switch (error) {
        case SavedGameError::None: return {};
        case SavedGameError::NotARegularFile:
            return notABoardFile + "这不是普通文件，而是文件夹、管道或设备，没有读取。";
        case SavedGameError::NotABoardFile: return notABoardFile + "文件开头没有棋盘文件的标识。";
        case SavedGameError::FileTooLarge:
            return notABoardFile + "文件超过了棋盘文件的大小上限（" +
                   std::to_string(LargestSavedGameFile / 1024) + " KB）。";
        case SavedGameError::MissingCount: return notABoardFile + "文件在步数之前就结束了。";
        case SavedGameError::NegativeCount: return notABoardFile + "文件中的步数是负数。";
        case SavedGameError::MissingMoves:
            return notABoardFile + "文件中的棋步比记录的步数少，文件不完整。";
        case SavedGameError::TrailingBytes: return notABoardFile + "最后一步之后还有多余的数据。";
        case SavedGameError::MoveOffBoard: return notABoardFile + "第 " + entry + " 步不在棋盘上。";
        case SavedGameError::PointTaken:
            return notABoardFile + "第 " + entry + " 步落在已有棋子的位置上。";
    }
    return title;
}

}  // namespace wuziqi
