// Seeded random files and mutations of real ones: the decoder never crashes, and it accepts
// a file only when the file is well formed and its moves replay on the board.
#include <gtest/gtest.h>

#include <random>

#include "ReplayCheck.h"
#include "SavedGame.h"

namespace wuziqi {
namespace {

void CheckVerdict(const std::vector<std::uint8_t>& bytes) {
    const DecodedGame decoded = DecodeSavedGame(bytes);
    if (!decoded.ok()) {
        EXPECT_TRUE(decoded.moves.empty());
        return;
    }
    EXPECT_EQ(bytes.size(), 11 + 2 * decoded.moves.size());
    EXPECT_TRUE(testing::Replays(decoded.moves));
    EXPECT_EQ(EncodeSavedGame(decoded.moves), bytes);
}

TEST(SavedGameFuzz, RandomBytesAfterAValidHeader) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::uint8_t> bytes = {6, 'W', 'Z', 'Q', '1', '.', '0'};
        const int extra = length(random);
        for (int i = 0; i < extra; ++i)
            bytes.push_back(static_cast<std::uint8_t>(byte(random)));
        // Make the count plausible half of the time so that the entries get checked too.
        if (round % 2 == 0 && bytes.size() >= 11) {
            const auto entries = static_cast<std::uint8_t>((bytes.size() - 11) / 2);
            bytes[7] = entries;
            bytes[8] = bytes[9] = bytes[10] = 0;
            for (std::size_t i = 11; i < bytes.size(); ++i)
                bytes[i] = static_cast<std::uint8_t>(1 + bytes[i] % 16);
        }
        CheckVerdict(bytes);
    }
}

TEST(SavedGameFuzz, MutatedRealGames) {
    std::mt19937 random(7);
    std::vector<MoveRecord> moves;
    for (int i = 0; i < 40; ++i)
        moves.push_back({static_cast<std::int8_t>(1 + (i * 7) % 15),
                         static_cast<std::int8_t>(1 + (i * 11 + i / 15) % 15)});
    const std::vector<std::uint8_t> original = EncodeSavedGame(moves);
    ASSERT_TRUE(DecodeSavedGame(original).ok());

    std::uniform_int_distribution<int> byte(0, 255), flips(1, 4);
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::uint8_t> bytes = original;
        std::uniform_int_distribution<std::size_t> position(0, bytes.size() - 1);
        for (int f = flips(random); f > 0; --f)
            bytes[position(random)] = static_cast<std::uint8_t>(byte(random));
        if (round % 5 == 0) bytes.resize(position(random));
        CheckVerdict(bytes);
    }
}

}  // namespace
}  // namespace wuziqi
