// The file of pinned corpus answers: what is written reads back the same, a damaged file is
// refused with its line, and a position's hash is fixed, since the committed file holds it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "CellState.h"
#include "PinnedAnswers.h"

namespace wuziqi {
namespace {

std::string TempPath(const char* name) {
    return testing::TempDir() + name;
}

TEST(PinnedAnswers, WrittenAnswersReadBackAndDamageIsRefused) {
    const std::string path = TempPath("pinned-answers.txt");
    const PinnedAnswers written{42,
                                {{0x0123456789ABCDEFull, 1, 7, 8, Verdict::None, 0},
                                 {0xFEDCBA9876543210ull, 9, 15, 1, Verdict::IWin, 7}}};
    ASSERT_TRUE(WritePinnedAnswers(path, written));
    std::string error;
    const auto read = ReadPinnedAnswers(path, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->seed, 42u);
    EXPECT_EQ(read->answers, written.answers);

    // A line with a verdict the file does not know.
    {
        std::ofstream out(path, std::ios::app);
        out << "2 0000000000000001 3 4,5 Sure 0\n";
    }
    EXPECT_FALSE(ReadPinnedAnswers(path, error));
    EXPECT_NE(error.find(":8:"), std::string::npos) << error;
    std::remove(path.c_str());
    EXPECT_FALSE(ReadPinnedAnswers(path, error));
}

TEST(PinnedAnswers, PositionHashIsFnv1aOfTheAnalyzeLine) {
    const CorpusPosition position{{{8, 8, Black}, {9, 9, White}}, Black, 0};
    ASSERT_EQ(AnalyzeLine(position), "2 8,8,2 9,9,3");
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : std::string("2 8,8,2 9,9,3"))
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    EXPECT_EQ(PositionHash(position), hash);
    EXPECT_EQ(AnswerOf(position, 3, 4, Verdict::YouWin, 5),
              (PinnedAnswer{hash, 2, 3, 4, Verdict::YouWin, 5}));
}

}  // namespace
}  // namespace wuziqi
