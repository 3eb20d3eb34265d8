// Google Benchmark timings of the pieces that a reply is made of, on positions of the
// self-play corpus: placing a stone (with its threat-map upkeep), building the root
// candidate lists, one trial-stone update of the search, and a whole reply.
//
//   step_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <vector>

#include "Evaluation.h"
#include "FastState.h"
#include "FirstPassing.h"
#include "GameBoard.h"
#include "SelfPlayCorpus.h"

namespace {

using namespace wuziqi;

// A fixed slice of the corpus, built once.
const std::vector<CorpusPosition>& Positions() {
    static const std::vector<CorpusPosition> positions = SelfPlayCorpus(200);
    return positions;
}

void SetUp(TGameBoard& board, const CorpusPosition& position) {
    board.Reset();
    for (const Placement& m : position.moves)
        board.Place(m.x, m.y, static_cast<CellState>(m.colour));
}

// Every position of the slice on a board of its own.
std::vector<TGameBoard> SetUpAll() {
    std::vector<TGameBoard> boards(Positions().size());
    for (std::size_t i = 0; i < boards.size(); ++i)
        SetUp(boards[i], Positions()[i]);
    return boards;
}

// The first empty point next to the last stone, for a trial stone.
bool TrialPoint(const TGameBoard& board, const CorpusPosition& position, int& x, int& y) {
    const Placement& last = position.moves.back();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (board.Grid[last.x + dx][last.y + dy] == Empty) {
                x = last.x + dx;
                y = last.y + dy;
                return true;
            }
    return false;
}

void BM_PlaceWholeGame(benchmark::State& state) {
    TGameBoard board;
    const auto& positions = Positions();
    std::size_t i = 0;
    for (auto _ : state) {
        SetUp(board, positions[i++ % positions.size()]);
        benchmark::DoNotOptimize(board.Levels);
    }
}
BENCHMARK(BM_PlaceWholeGame);

void BM_BuildCandidates(benchmark::State& state) {
    const std::vector<TGameBoard> boards = SetUpAll();
    std::size_t i = 0;
    for (auto _ : state) {
        RootCandidates root = BuildCandidates(boards[i++ % boards.size()]);
        benchmark::DoNotOptimize(root);
    }
}
BENCHMARK(BM_BuildCandidates);

void BM_TrialStoneUpdate(benchmark::State& state) {
    struct Trial {
        TGameBoard board;
        SearchState start;
        int x, y;
        std::uint8_t colour;
    };
    std::vector<Trial> trials;
    for (const CorpusPosition& position : Positions()) {
        Trial t;
        SetUp(t.board, position);
        if (!TrialPoint(t.board, position, t.x, t.y)) continue;
        const RootCandidates root = BuildCandidates(t.board);
        t.start.levels = t.board.Levels;
        t.start.lists = root.lists;
        t.colour = position.toMove;
        trials.push_back(t);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        Trial& t = trials[i++ % trials.size()];
        SearchState s = t.start;  // the copy each search step makes
        t.board.Grid[t.x][t.y] = static_cast<CellState>(t.colour);
        FastUpdateAfterStone(s, t.board, t.x, t.y);
        t.board.Grid[t.x][t.y] = Empty;
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_TrialStoneUpdate);

// What sharing one step out between the threads costs beyond its tests: eight tests that
// return at once, every one of them run.
void BM_ShareOutEmptyStep(benchmark::State& state) {
    const int workers = SearchWorkers();
    for (auto _ : state) {
        const int answer = FirstPassing(8, workers, [](int, int, auto) { return false; });
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_ShareOutEmptyStep)->Unit(benchmark::kMicrosecond);

void BM_WholeReply(benchmark::State& state) {
    std::vector<TGameBoard> boards = SetUpAll();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t at = i++ % boards.size();
        const Placement& last = Positions()[at].moves.back();
        int x = last.x, y = last.y;
        boards[at].ChooseMove(Positions()[at].toMove, x, y, 16);
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_WholeReply)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
