// Seeded random texts and mutations of real .psq and .sgf files: the readers never crash, a
// refusal keeps no moves, and a file is taken only when its moves replay on the board and
// come back unchanged through the writer.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "PsqFile.h"
#include "ReplayCheck.h"
#include "SgfFile.h"

namespace wuziqi {
namespace {

using Reader = std::function<TextGameFile(std::string_view)>;
using Writer = std::function<std::string(const std::vector<MoveRecord>&)>;

void CheckVerdict(const std::string& text, const Reader& read, const Writer& write) {
    const TextGameFile file = read(text);
    if (!file.ok()) {
        EXPECT_TRUE(file.moves.empty());
        return;
    }
    EXPECT_TRUE(testing::Replays(file.moves));
    EXPECT_EQ(read(write(file.moves)).moves, file.moves);
}

std::vector<MoveRecord> SomeGame() {
    std::vector<MoveRecord> moves;
    for (int i = 0; i < 30; ++i)
        moves.push_back({static_cast<std::int8_t>(1 + (i * 7) % 15),
                         static_cast<std::int8_t>(1 + (i * 11 + i / 15) % 15)});
    return moves;
}

// Random texts made of the pieces the format is built from, and real files with a few of
// their characters replaced by such pieces, cut short now and then.
void Fuzz(unsigned seed, const std::vector<std::string>& pieces, const std::string& real,
          const Reader& read, const Writer& write) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 60), edits(1, 4);
    ASSERT_TRUE(read(real).ok());
    for (int round = 0; round < 10000; ++round) {
        std::string text = round % 2 == 0 ? pieces.front() : "";
        for (int n = length(random); n > 0; --n)
            text += pieces[piece(random)];
        CheckVerdict(text, read, write);

        std::string mutated = real;
        std::uniform_int_distribution<std::size_t> at(0, mutated.size() - 1);
        for (int n = edits(random); n > 0; --n)
            mutated.replace(at(random), 1, pieces[piece(random)]);
        if (round % 5 == 0) mutated.resize(at(random));
        CheckVerdict(mutated, read, write);
    }
}

TEST(TextGameFileFuzz, PsqFiles) {
    const std::vector<std::string> pieces = {"Piskvorky 15x15, 0:0, 0\n",
                                             "\n",
                                             "\r\n",
                                             "\r",
                                             ",",
                                             " ",
                                             "0",
                                             "1",
                                             "7",
                                             "8",
                                             "9",
                                             "15",
                                             "16",
                                             "-",
                                             "x",
                                             "Piskvorky ",
                                             "20",
                                             "pbrain\n",
                                             "99999999999",
                                             "1,1,0\n",
                                             "8,8,0\n"};
    const std::vector<MoveRecord> game = SomeGame();
    Fuzz(20261208, pieces, EncodePsq(game), DecodePsq,
         [](const std::vector<MoveRecord>& moves) { return EncodePsq(moves); });
}

TEST(TextGameFileFuzz, SgfFiles) {
    const std::vector<std::string> pieces = {"(;GM[4]SZ[15]",
                                             "(",
                                             ")",
                                             ";",
                                             "[",
                                             "]",
                                             "\\",
                                             "B",
                                             "W",
                                             "AB",
                                             "GM",
                                             "SZ",
                                             "C",
                                             "a",
                                             "h",
                                             "o",
                                             "p",
                                             "t",
                                             "A",
                                             " ",
                                             "\n",
                                             ";B[hh]",
                                             ";W[ii]",
                                             "[4]",
                                             "[15]",
                                             "(;B[aa])"};
    Fuzz(
        7, pieces, EncodeSgf(SomeGame(), {"black", "white"}),
        [](std::string_view text) { return DecodeSgf(text); },
        [](const std::vector<MoveRecord>& moves) { return EncodeSgf(moves); });
}

}  // namespace
}  // namespace wuziqi
