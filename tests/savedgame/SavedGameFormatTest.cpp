// The .wzq format byte for byte, and every way a file is refused.
#include <gtest/gtest.h>

#include "SavedGame.h"

namespace wuziqi {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes ThreeMoves = {0x06, 0x57, 0x5A, 0x51, 0x31, 0x2E, 0x30, 0x03, 0x00,
                          0x00, 0x00, 0x08, 0x08, 0x09, 0x09, 0x07, 0x09};
const Bytes NoMoves = {0x06, 0x57, 0x5A, 0x51, 0x31, 0x2E, 0x30, 0x00, 0x00, 0x00, 0x00};

Bytes Header(std::uint32_t count) {
    Bytes bytes = {6, 'W', 'Z', 'Q', '1', '.', '0'};
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(count >> shift));
    return bytes;
}

TEST(SavedGameFormat, KnownFilesEncodeAndDecodeByteForByte) {
    const std::vector<MoveRecord> moves = {{8, 8}, {9, 9}, {7, 9}};
    EXPECT_EQ(EncodeSavedGame(moves), ThreeMoves);
    EXPECT_EQ(EncodeSavedGame({}), NoMoves);

    const DecodedGame three = DecodeSavedGame(ThreeMoves);
    ASSERT_TRUE(three.ok());
    EXPECT_EQ(three.moves, moves);

    const DecodedGame none = DecodeSavedGame(NoMoves);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.moves.empty());
}

TEST(SavedGameFormat, LongGameRoundTrips) {
    std::vector<MoveRecord> moves;
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            moves.push_back({static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)});
    const Bytes bytes = EncodeSavedGame(moves);
    ASSERT_EQ(bytes.size(), 11u + 2 * 225);
    EXPECT_EQ(bytes[7], 225);
    EXPECT_EQ(bytes[8], 0);
    const DecodedGame decoded = DecodeSavedGame(bytes);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.moves, moves);
}

TEST(SavedGameFormat, WrongIdentificationIsNotABoardFile) {
    Bytes startsWithFive = ThreeMoves;
    startsWithFive[0] = 5;
    Bytes lowerCase = ThreeMoves;
    lowerCase[1] = 'w';
    lowerCase[2] = 'z';
    lowerCase[3] = 'q';
    for (const Bytes& bytes : {startsWithFive, lowerCase, Bytes{}, Bytes{6, 'W', 'Z', 'Q'}}) {
        const DecodedGame decoded = DecodeSavedGame(bytes);
        EXPECT_EQ(decoded.error, SavedGameError::NotABoardFile);
        EXPECT_TRUE(decoded.moves.empty());
    }
}

TEST(SavedGameFormat, CountThatDoesNotMatchTheFileIsRefused) {
    for (std::size_t size = 7; size <= 10; ++size)
        EXPECT_EQ(DecodeSavedGame(std::span(NoMoves).first(size)).error,
                  SavedGameError::MissingCount);

    EXPECT_EQ(DecodeSavedGame(Header(0xFFFFFFFF)).error, SavedGameError::NegativeCount);
    EXPECT_EQ(DecodeSavedGame(Header(0x80000000)).error, SavedGameError::NegativeCount);

    // Far more moves announced than present: refused without allocating for the count.
    EXPECT_EQ(DecodeSavedGame(Header(0x7FFFFFFF)).error, SavedGameError::MissingMoves);
    Bytes oneShort = ThreeMoves;
    oneShort.pop_back();
    EXPECT_EQ(DecodeSavedGame(oneShort).error, SavedGameError::MissingMoves);

    Bytes extra = ThreeMoves;
    extra.push_back(0);
    EXPECT_EQ(DecodeSavedGame(extra).error, SavedGameError::TrailingBytes);
    Bytes extraEntry = NoMoves;
    extraEntry.insert(extraEntry.end(), {8, 8});
    EXPECT_EQ(DecodeSavedGame(extraEntry).error, SavedGameError::TrailingBytes);
}

TEST(SavedGameFormat, MovesThatCannotBeReplayedAreRefused) {
    struct Case {
        std::vector<std::uint8_t> entries;
        SavedGameError error;
        int badEntry;
    };
    const Case cases[] = {
        {{8, 8, 0, 5}, SavedGameError::MoveOffBoard, 1},
        {{16, 1}, SavedGameError::MoveOffBoard, 0},
        {{1, 0xFF}, SavedGameError::MoveOffBoard, 0},  // -1 as a signed byte
        {{8, 8, 9, 9, 8, 8}, SavedGameError::PointTaken, 2},
        {{15, 15, 1, 1, 15, 15}, SavedGameError::PointTaken, 2},
    };
    for (const Case& c : cases) {
        Bytes bytes = Header(static_cast<std::uint32_t>(c.entries.size() / 2));
        bytes.insert(bytes.end(), c.entries.begin(), c.entries.end());
        const DecodedGame decoded = DecodeSavedGame(bytes);
        EXPECT_EQ(decoded.error, c.error);
        EXPECT_EQ(decoded.badEntry, c.badEntry);
        EXPECT_TRUE(decoded.moves.empty());
    }
}

}  // namespace
}  // namespace wuziqi
