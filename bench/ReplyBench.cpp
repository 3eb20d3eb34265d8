// The computer's reply time over the self-play corpus, and the whole-corpus check that the
// fast move choice answers exactly as the plain one.
//
//   reply_bench [--positions N] [--seed S] [--repeat R] [--no-check]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "GameBoard.h"
#include "LiteralSearch.h"
#include "MoveChoice.h"
#include "SelfPlayCorpus.h"
#include "VerdictText.h"

namespace {

using namespace wuziqi;
using Clock = std::chrono::steady_clock;

struct Reply {
    int x = 0, y = 0;
    Verdict verdict = Verdict::Unchanged;
    SearchCounts counts;
    double ms = 0;
};

Reply Run(const CorpusPosition& position, bool fast) {
    TGameBoard board;
    for (const Placement& m : position.moves)
        board.Place(m.x, m.y, static_cast<CellState>(m.colour));
    Reply r;
    r.x = position.moves.back().x;
    r.y = position.moves.back().y;
    const auto start = Clock::now();
    if (fast)
        r.verdict = ChooseMoveCounted(board, position.toMove, r.x, r.y, 16, &r.counts);
    else
        r.verdict = LiteralChooseMove(board, position.toMove, r.x, r.y, 16, &r.counts);
    r.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return r;
}

template <typename T>
T Quantile(std::vector<T> values, double q) {
    std::sort(values.begin(), values.end());
    const std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(q * values.size()));
    return values[at];
}

std::string Quoted(Verdict verdict) {
    return "\"" + std::string(engine::VerdictText(verdict)) + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t positions = 2000;
    std::uint64_t seed = 20240611;
    int repeat = 3;
    bool check = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--positions") && i + 1 < argc)
            positions = std::strtoul(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--repeat") && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--no-check"))
            check = false;
        else {
            std::fprintf(
                stderr,
                "usage: reply_bench [--positions N] [--seed S] [--repeat R] [--no-check]\n");
            return 2;
        }
    }

    const auto built = Clock::now();
    const std::vector<CorpusPosition> corpus = SelfPlayCorpus(positions, seed);
    std::printf("corpus: %zu positions from %d self-play games (seed %llu), built in %.1f s\n",
                corpus.size(), corpus.back().game + 1, static_cast<unsigned long long>(seed),
                std::chrono::duration<double>(Clock::now() - built).count());

    // Each position is timed `repeat` times; the fastest run counts, to keep other load on
    // the machine out of the figures.
    std::vector<Reply> fast(corpus.size());
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        fast[i] = Run(corpus[i], true);
        for (int r = 1; r < repeat; ++r)
            fast[i].ms = std::min(fast[i].ms, Run(corpus[i], true).ms);
    }

    std::vector<double> ms;
    std::vector<std::uint64_t> calls;
    std::map<Verdict, int> verdicts;
    for (const Reply& r : fast) {
        ms.push_back(r.ms);
        calls.push_back(r.counts.searchWin);
        ++verdicts[r.verdict];
    }
    double totalCalls = 0;
    for (const std::uint64_t c : calls)
        totalCalls += static_cast<double>(c);
    const int under10 =
        static_cast<int>(std::count_if(ms.begin(), ms.end(), [](double t) { return t < 10.0; }));

    std::printf("\nreply time (ms)      median %8.3f   p90 %8.3f   p99 %8.3f   max %8.3f\n",
                Quantile(ms, 0.5), Quantile(ms, 0.9), Quantile(ms, 0.99),
                *std::max_element(ms.begin(), ms.end()));
    std::printf(
        "SearchWin calls      median %8llu   p90 %8llu   p99 %8llu   max %8llu   mean %.0f\n",
        static_cast<unsigned long long>(Quantile(calls, 0.5)),
        static_cast<unsigned long long>(Quantile(calls, 0.9)),
        static_cast<unsigned long long>(Quantile(calls, 0.99)),
        static_cast<unsigned long long>(*std::max_element(calls.begin(), calls.end())),
        totalCalls / static_cast<double>(calls.size()));
    std::printf("replies under 10 ms  %d of %zu\n", under10, corpus.size());
    std::printf("verdicts:");
    for (const auto& [verdict, count] : verdicts)
        std::printf("  %s %d", Quoted(verdict).c_str(), count);
    std::printf("\n\nslowest positions (replay with: pbrain-wuziqi analyze):\n");
    std::printf("  %9s %10s %7s  %-8s %s\n", "ms", "SearchWin", "stones", "reply", "position");
    std::vector<std::size_t> order(corpus.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return fast[a].ms > fast[b].ms; });
    for (std::size_t k = 0; k < std::min<std::size_t>(10, order.size()); ++k) {
        const std::size_t i = order[k];
        std::printf("  %9.3f %10llu %7zu  %2d,%-2d %s  %s\n", fast[i].ms,
                    static_cast<unsigned long long>(fast[i].counts.searchWin),
                    corpus[i].moves.size(), fast[i].x, fast[i].y, Quoted(fast[i].verdict).c_str(),
                    AnalyzeLine(corpus[i]).c_str());
    }

    if (!check) return 0;
    std::printf("\nchecking every position against the plain search...\n");
    int mismatches = 0;
    std::vector<double> plainMs;
    std::vector<std::uint64_t> plainCalls;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const Reply plain = Run(corpus[i], false);
        plainMs.push_back(plain.ms);
        plainCalls.push_back(plain.counts.searchWin);
        if (plain.x != fast[i].x || plain.y != fast[i].y || plain.verdict != fast[i].verdict) {
            ++mismatches;
            std::printf("  MISMATCH at %zu: fast %d,%d %s, plain %d,%d %s\n    %s\n", i, fast[i].x,
                        fast[i].y, Quoted(fast[i].verdict).c_str(), plain.x, plain.y,
                        Quoted(plain.verdict).c_str(), AnalyzeLine(corpus[i]).c_str());
        }
    }
    std::printf(
        "plain search: median %.3f ms, p99 %.3f ms, max %.3f ms; SearchWin calls median %llu, max "
        "%llu\n",
        Quantile(plainMs, 0.5), Quantile(plainMs, 0.99),
        *std::max_element(plainMs.begin(), plainMs.end()),
        static_cast<unsigned long long>(Quantile(plainCalls, 0.5)),
        static_cast<unsigned long long>(*std::max_element(plainCalls.begin(), plainCalls.end())));
    std::printf("same point and verdict: %zu of %zu positions\n", corpus.size() - mismatches,
                corpus.size());
    return mismatches == 0 ? 0 : 1;
}
