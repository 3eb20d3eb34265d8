// The computer's reply time over the self-play corpus, and the whole-corpus check that the
// fast move choice answers exactly as the plain one, which records the line behind each forced
// win as it goes, and that every such line plays out on the board. With --line each reply is
// also timed with its forced line asked for, as `pbrain-wuziqi analyze --line` asks.
// --write-answers writes the plain search's answers to a file; --expect checks both searches
// against such a file, so that a change which both share still shows.
//
//   reply_bench [--positions N] [--seed S] [--repeat R] [--no-check] [--line]
//               [--write-answers FILE] [--expect FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "GameBoard.h"
#include "LineReplay.h"
#include "LiteralSearch.h"
#include "MoveChoice.h"
#include "PinnedAnswers.h"
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
    ForcedLine line;
};

TGameBoard BoardOf(const CorpusPosition& position) {
    TGameBoard board;
    for (const Placement& m : position.moves)
        board.Place(m.x, m.y, static_cast<CellState>(m.colour));
    return board;
}

// The fast reply; the same with the forced line behind it asked for, as analyze --line asks;
// the plain reply, which always records its line.
enum class Search { Fast, FastWithLine, Plain };

Reply Run(const CorpusPosition& position, Search search) {
    TGameBoard board = BoardOf(position);
    Reply r;
    r.x = position.moves.back().x;
    r.y = position.moves.back().y;
    const auto start = Clock::now();
    if (search == Search::Plain) {
        r.verdict = LiteralChooseMove(board, position.toMove, r.x, r.y, 16, &r.counts, &r.line);
    } else {
        r.verdict = ChooseMoveCounted(board, position.toMove, r.x, r.y, 16, &r.counts);
        if (search == Search::FastWithLine && ProvesForcedWin(r.verdict))
            r.line = FindForcedLine(board, position.toMove, 16);
    }
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

void PrintTimes(const char* what, const std::vector<double>& ms) {
    std::printf("%-20s median %8.3f   p90 %8.3f   p99 %8.3f   max %8.3f\n", what, Quantile(ms, 0.5),
                Quantile(ms, 0.9), Quantile(ms, 0.99), *std::max_element(ms.begin(), ms.end()));
}

// Prints a line that does not play out on the board it was found for.
bool LineHolds(const CorpusPosition& position, const Reply& plain, std::size_t index,
               int& endsInFive) {
    bool five = false;
    if (LinePlaysOut(BoardOf(position), position.toMove, plain.verdict, {plain.x, plain.y},
                     plain.line, &five)) {
        if (five) ++endsInFive;
        return true;
    }
    std::printf("  LINE at %zu does not play out:", index);
    for (const BoardPoint& p : plain.line)
        std::printf(" %d,%d", p.x, p.y);
    std::printf("\n    %s\n", AnalyzeLine(position).c_str());
    return false;
}

// Prints the first few positions whose answers differ from the pinned ones; a corpus that
// changed differs from there on, and the rest would only repeat it.
class PinnedCheck {
  public:
    explicit PinnedCheck(const std::vector<PinnedAnswer>& expected) : expected_(expected) {}

    void Check(const CorpusPosition& position, std::size_t index, const Reply& fast,
               const Reply& plain) {
        const PinnedAnswer& expected = expected_[index];
        const PinnedAnswer plainAnswer = AnswerOf(position, plain.x, plain.y, plain.verdict,
                                                  static_cast<int>(plain.line.size()));
        const bool fastAsPinned =
            fast.x == expected.x && fast.y == expected.y && fast.verdict == expected.verdict;
        if (plainAnswer == expected && fastAsPinned) return;
        if (++differing_ > PrintedAtMost) return;
        std::printf(
            "  PINNED ANSWER differs at %zu%s:\n    expected %s\n    plain    %s\n"
            "    fast     %d,%d %s\n    %s\n",
            index,
            plainAnswer.positionHash == expected.positionHash
                ? ""
                : " (another position: the corpus changed)",
            AnswerText(expected).c_str(), AnswerText(plainAnswer).c_str(), fast.x, fast.y,
            VerdictName(fast.verdict), AnalyzeLine(position).c_str());
    }

    int Differing() const { return differing_; }
    void PrintSummary() const {
        if (differing_ > PrintedAtMost)
            std::printf("  ... and %d more positions that differ\n", differing_ - PrintedAtMost);
        std::printf("as pinned: %zu of %zu positions\n", expected_.size() - differing_,
                    expected_.size());
    }

  private:
    static constexpr int PrintedAtMost = 20;
    const std::vector<PinnedAnswer>& expected_;
    int differing_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::size_t positions = 2000;
    std::uint64_t seed = 20240611;
    int repeat = 3;
    bool check = true;
    bool withLine = false;
    const char* writeAnswers = nullptr;
    const char* expectAnswers = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--positions") && i + 1 < argc)
            positions = std::strtoul(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--repeat") && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--no-check"))
            check = false;
        else if (!std::strcmp(argv[i], "--line"))
            withLine = true;
        else if (!std::strcmp(argv[i], "--write-answers") && i + 1 < argc)
            writeAnswers = argv[++i];
        else if (!std::strcmp(argv[i], "--expect") && i + 1 < argc)
            expectAnswers = argv[++i];
        else {
            std::fprintf(stderr,
                         "usage: reply_bench [--positions N] [--seed S] [--repeat R] [--no-check] "
                         "[--line] [--write-answers FILE] [--expect FILE]\n");
            return 2;
        }
    }
    if (!check && (writeAnswers || expectAnswers)) {
        std::fprintf(stderr, "reply_bench: the answers come from the check; drop --no-check\n");
        return 2;
    }
    // Read before the corpus is built, so that a wrong file or corpus fails at once.
    PinnedAnswers pinned;
    if (expectAnswers) {
        std::string error;
        std::optional<PinnedAnswers> read = ReadPinnedAnswers(expectAnswers, error);
        if (!read) {
            std::fprintf(stderr, "reply_bench: %s\n", error.c_str());
            return 2;
        }
        if (read->seed != seed || read->answers.size() != positions) {
            std::fprintf(stderr,
                         "reply_bench: %s pins the corpus of seed %llu and %zu positions; run "
                         "with --seed %llu --positions %zu\n",
                         expectAnswers, static_cast<unsigned long long>(read->seed),
                         read->answers.size(), static_cast<unsigned long long>(read->seed),
                         read->answers.size());
            return 2;
        }
        pinned = std::move(*read);
    }

    const auto built = Clock::now();
    const std::vector<CorpusPosition> corpus = SelfPlayCorpus(positions, seed);
    std::printf("corpus: %zu positions from %d self-play games (seed %llu), built in %.1f s\n",
                corpus.size(), corpus.back().game + 1, static_cast<unsigned long long>(seed),
                std::chrono::duration<double>(Clock::now() - built).count());

    // Each position is timed `repeat` times; the fastest run counts, to keep other load on
    // the machine out of the figures. With the line asked for as well, the two runs of a
    // position alternate, so that both meet the same load.
    std::vector<Reply> fast(corpus.size());
    std::vector<double> lineMs;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        fast[i] = Run(corpus[i], Search::Fast);
        double withLineMs = withLine ? Run(corpus[i], Search::FastWithLine).ms : 0.0;
        for (int r = 1; r < repeat; ++r) {
            fast[i].ms = std::min(fast[i].ms, Run(corpus[i], Search::Fast).ms);
            if (withLine)
                withLineMs = std::min(withLineMs, Run(corpus[i], Search::FastWithLine).ms);
        }
        if (withLine) lineMs.push_back(withLineMs);
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

    std::printf("\n");
    PrintTimes("reply time (ms)", ms);
    if (withLine) PrintTimes("  with the line", lineMs);
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
    std::printf("\nchecking every position against the plain search and its lines...\n");
    int mismatches = 0;
    int lines = 0, endsInFive = 0, badLines = 0;
    std::vector<double> plainMs;
    std::vector<std::uint64_t> plainCalls;
    PinnedCheck pinnedCheck(pinned.answers);
    PinnedAnswers written{seed, {}};
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const Reply plain = Run(corpus[i], Search::Plain);
        if (expectAnswers) pinnedCheck.Check(corpus[i], i, fast[i], plain);
        if (writeAnswers)
            written.answers.push_back(AnswerOf(corpus[i], plain.x, plain.y, plain.verdict,
                                               static_cast<int>(plain.line.size())));
        if (ProvesForcedWin(plain.verdict)) ++lines;
        if (!LineHolds(corpus[i], plain, i, endsInFive)) ++badLines;
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
    std::printf("forced lines: %d, of which %d end in five and %d do not play out\n", lines,
                endsInFive, badLines);
    if (expectAnswers) pinnedCheck.PrintSummary();
    if (writeAnswers) {
        if (!WritePinnedAnswers(writeAnswers, written)) {
            std::fprintf(stderr, "reply_bench: cannot write %s\n", writeAnswers);
            return 2;
        }
        std::printf("the plain search's answers written to %s\n", writeAnswers);
    }
    return mismatches == 0 && badLines == 0 && pinnedCheck.Differing() == 0 ? 0 : 1;
}
