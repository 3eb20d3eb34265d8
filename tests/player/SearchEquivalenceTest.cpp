// The fast move choice must give the plain one's point and verdict on every position, and
// leave the board as it found it; the plain one records the line behind each forced win as it
// goes, and that line must play out on the board. A slice of the self-play corpus runs here; the
// whole corpus is checked by the reply-time benchmark.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "GameBoard.h"
#include "LineReplay.h"
#include "LiteralSearch.h"
#include "MoveChoice.h"
#include "SelfPlayCorpus.h"

namespace wuziqi {
namespace {

// Enough positions for every verdict to turn up, few enough for a sanitizer build.
constexpr std::size_t SlicePositions = 160;
// Positions whose plain search is long are left to the benchmark.
constexpr std::uint64_t SliceCallLimit = 3000;

struct Outcome {
    int x, y;
    Verdict verdict;
    SearchCounts counts;
    ForcedLine line;  // the plain search records it
};

Outcome Replay(const CorpusPosition& position, bool fast, int depth = 16) {
    TGameBoard board;
    for (const Placement& m : position.moves)
        board.Place(m.x, m.y, static_cast<CellState>(m.colour));
    CellState grid[17][17];
    std::copy(&board.Grid[0][0], &board.Grid[0][0] + 17 * 17, &grid[0][0]);
    const LevelMap levels = board.Levels;

    Outcome out{position.moves.back().x, position.moves.back().y, Verdict::Unchanged, {}, {}};
    if (fast)
        out.verdict = ChooseMoveCounted(board, position.toMove, out.x, out.y, depth, &out.counts);
    else
        out.verdict =
            LiteralChooseMove(board, position.toMove, out.x, out.y, depth, &out.counts, &out.line);

    EXPECT_TRUE(std::equal(&grid[0][0], &grid[0][0] + 17 * 17, &board.Grid[0][0]));
    EXPECT_EQ(board.Levels, levels);
    return out;
}

TEST(SearchEquivalence, FastAndPlainAgreeOnASliceOfTheSelfPlayCorpus) {
    const std::vector<CorpusPosition> corpus = SelfPlayCorpus(SlicePositions, 7);
    std::map<Verdict, int> verdicts;
    int compared = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const Outcome fast = Replay(corpus[i], true);
        if (fast.counts.searchWin > SliceCallLimit) continue;
        const Outcome plain = Replay(corpus[i], false);
        EXPECT_EQ(fast.x, plain.x) << "position " << i << ": " << AnalyzeLine(corpus[i]);
        EXPECT_EQ(fast.y, plain.y) << "position " << i << ": " << AnalyzeLine(corpus[i]);
        EXPECT_EQ(fast.verdict, plain.verdict)
            << "position " << i << ": " << AnalyzeLine(corpus[i]);
        TGameBoard board;
        for (const Placement& m : corpus[i].moves)
            board.Place(m.x, m.y, static_cast<CellState>(m.colour));
        EXPECT_TRUE(
            LinePlaysOut(board, corpus[i].toMove, plain.verdict, {plain.x, plain.y}, plain.line))
            << "position " << i << ": " << AnalyzeLine(corpus[i]);
        ++verdicts[plain.verdict];
        ++compared;
    }
    EXPECT_GE(compared, static_cast<int>(SlicePositions) / 2);
    // The slice must exercise the quiet-move step and the person's forced wins.
    EXPECT_GT(verdicts[Verdict::IMightWin], 0);
    EXPECT_GT(verdicts[Verdict::YouMightWin] + verdicts[Verdict::YouWin], 0);
    EXPECT_GT(verdicts[Verdict::IWin], 0);
}

// Near the end of the depth the fast search answers some steps without playing them out;
// odd and even depths end on different sides.
TEST(SearchEquivalence, FastAndPlainAgreeAtShallowDepths) {
    const std::vector<CorpusPosition> corpus = SelfPlayCorpus(60, 11);
    for (int depth = 1; depth <= 6; ++depth) {
        for (std::size_t i = 0; i < corpus.size(); ++i) {
            const Outcome fast = Replay(corpus[i], true, depth);
            const Outcome plain = Replay(corpus[i], false, depth);
            const std::string where =
                "depth " + std::to_string(depth) + ": " + AnalyzeLine(corpus[i]);
            EXPECT_EQ(fast.x, plain.x) << where;
            EXPECT_EQ(fast.y, plain.y) << where;
            EXPECT_EQ(fast.verdict, plain.verdict) << where;
        }
    }
}

}  // namespace
}  // namespace wuziqi
