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

bool StartsLikeSavedGame(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= Identification.size() &&
           std::equal(Identification.begin(), Identification.end(), bytes.begin());
}

DecodedGame DecodeSavedGame(std::span<const std::uint8_t> bytes) {
    if (!StartsLikeSavedGame(bytes)) return Rejected(SavedGameError::NotABoardFile);
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

}  // namespace wuziqi
