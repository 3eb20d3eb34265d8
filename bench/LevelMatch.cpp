// level_match: two levels of the computer play each other in-process from seeded openings,
// each opening with both colours, and the score is given with its Elo difference:
//   level_match [--a master] [--b standard] [--games 200] [--ms 1000] [--seed 1]
//               [--stones 3] [--nodes N] [--random-openings] [--print-openings] [--quiet]
//               [--moves]
// --ms is the master's time per move, --nodes an optional node limit per master move. The
// openings are the balanced half of twice as many seeded random ones, or with
// --random-openings all of the random ones; --print-openings prints them (as offsets from the
// centre, one opening a line, the form tournament managers read) and plays nothing.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ComputerReply.h"
#include "GameBoard.h"
#include "LevelReply.h"
#include "MasterSearch.h"
#include "Openings.h"

namespace {

using namespace wuziqi;
using Clock = std::chrono::steady_clock;

struct Options {
    PlayLevel a = PlayLevel::Master;
    PlayLevel b = PlayLevel::Standard;
    int games = 200;
    int ms = 1000;
    std::uint64_t seed = 1;
    int stones = 3;
    std::uint64_t nodes = 0;
    bool randomOpenings = false;
    bool printOpenings = false;
    bool quiet = false;
    bool moves = false;  // print every game's moves, with the verdicts that claim a forced win
};

using bench::Opening;

// The master's nodes for judging how even an opening is: about a third of a second.
constexpr std::uint64_t BalanceNodes = 300000;
constexpr int Centre = (BoardSize + 1) / 2;

struct Player {
    PlayLevel level;
    std::unique_ptr<MasterPlayer> master = std::make_unique<MasterPlayer>();
};

struct MasterFigures {
    std::uint64_t nodes = 0;
    double seconds = 0;
    long long depthSum = 0;
    int moves = 0;
    double longestMs = 0;
};

enum class Outcome { BlackWins, WhiteWins, Draw };

// One game from the opening; `black` plays Black. Returns who won.
Outcome PlayGame(const Opening& opening, Player& black, Player& white, const Options& options,
                 MasterFigures& figures) {
    TGameBoard board;
    std::uint8_t colour = Black;
    BoardPoint last{0, 0};
    int stones = 0;
    if (options.moves) std::printf("opening");
    for (const BoardPoint& p : opening.stones) {
        if (options.moves) std::printf(" %d,%d,%d", p.x, p.y, colour);
        board.Place(p.x, p.y, static_cast<CellState>(colour));
        last = p;
        colour = Opponent(colour);
        ++stones;
    }
    SearchLimits limits;
    limits.turnMs = options.ms;
    limits.maxNodes = options.nodes;
    while (stones < BoardSize * BoardSize) {
        Player& player = colour == Black ? black : white;
        limits.start = Clock::now();
        const MasterAnswer answer =
            LevelReply(player.level, board, colour, last, *player.master, limits);
        const double ms =
            std::chrono::duration<double, std::milli>(Clock::now() - limits.start).count();
        if (player.level == PlayLevel::Master) {
            figures.nodes += answer.nodes;
            figures.seconds += ms / 1000;
            figures.depthSum += answer.depth;
            ++figures.moves;
            figures.longestMs = std::max(figures.longestMs, ms);
        }
        if (options.moves && answer.point)
            std::printf(" %d,%d,%d%s", answer.point->x, answer.point->y, colour,
                        answer.verdict == Verdict::IWin     ? "(IWin)"
                        : answer.verdict == Verdict::YouWin ? "(YouWin)"
                                                            : "");
        if (!answer.point || board.GetCell(answer.point->x, answer.point->y) != Empty) {
            std::fprintf(stderr, "no legal move from the %s player\n",
                         colour == Black ? "black" : "white");
            return colour == Black ? Outcome::WhiteWins : Outcome::BlackWins;
        }
        double score = 0;
        const BoardPoint p = *answer.point;
        if (board.WinTest(p.x, p.y, score, colour)) {
            if (options.moves) std::printf("\n");
            return colour == Black ? Outcome::BlackWins : Outcome::WhiteWins;
        }
        board.Place(p.x, p.y, static_cast<CellState>(colour));
        last = p;
        colour = Opponent(colour);
        ++stones;
    }
    return Outcome::Draw;
}

const char* Name(PlayLevel level) {
    switch (level) {
        case PlayLevel::Beginner: return "beginner";
        case PlayLevel::Standard: return "standard";
        case PlayLevel::Master: return "master";
    }
    return "?";
}

double Elo(double score) {
    score = std::clamp(score, 1e-6, 1 - 1e-6);
    return -400 * std::log10(1 / score - 1);
}

int Usage() {
    std::fputs(
        "usage: level_match [--a LEVEL] [--b LEVEL] [--games N] [--ms MS] [--seed S]\n"
        "                   [--stones K] [--nodes N] [--random-openings] [--print-openings]\n"
        "                   [--quiet] [--moves]\n"
        "       LEVEL is standard or master\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--random-openings") {
            options.randomOpenings = true;
        } else if (arg == "--print-openings") {
            options.printOpenings = true;
        } else if (arg == "--moves") {
            options.moves = true;
        } else if (!hasValue) {
            return Usage();
        } else if (arg == "--a" || arg == "--b") {
            const auto level = ParsePlayLevel(argv[++i]);
            if (!level || *level == PlayLevel::Beginner) return Usage();
            (arg == "--a" ? options.a : options.b) = *level;
        } else if (arg == "--games") {
            options.games = std::max(2, std::atoi(argv[++i]));
        } else if (arg == "--ms") {
            options.ms = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--seed") {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--stones") {
            options.stones = std::clamp(std::atoi(argv[++i]), 1, 8);
        } else if (arg == "--nodes") {
            options.nodes = std::strtoull(argv[++i], nullptr, 10);
        } else {
            return Usage();
        }
    }

    Player a{options.a}, b{options.b};
    const int pairs = (options.games + 1) / 2;
    const std::vector<Opening> openings =
        options.randomOpenings
            ? bench::RandomOpenings(pairs, options.stones, options.seed)
            : bench::BalancedOpenings(pairs, options.stones, options.seed, BalanceNodes);
    if (options.printOpenings) {
        for (const Opening& opening : openings) {
            const char* separator = "";
            for (const BoardPoint& p : opening.stones) {
                std::printf("%s%d,%d", separator, p.x - Centre, p.y - Centre);
                separator = ", ";
            }
            std::printf("\n");
        }
        return 0;
    }
    int wins = 0, losses = 0, draws = 0;
    MasterFigures figures;
    for (int game = 0; game < options.games; ++game) {
        const Opening& opening = openings[static_cast<std::size_t>(game / 2)];
        const bool aBlack = game % 2 == 0;
        const Outcome outcome = aBlack ? PlayGame(opening, a, b, options, figures)
                                       : PlayGame(opening, b, a, options, figures);
        const bool aWon = (outcome == Outcome::BlackWins) == aBlack && outcome != Outcome::Draw;
        if (outcome == Outcome::Draw)
            ++draws;
        else if (aWon)
            ++wins;
        else
            ++losses;
        if (!options.quiet)
            std::printf("game %d (%s black): %s   running %d-%d-%d\n", game + 1,
                        Name(aBlack ? options.a : options.b),
                        outcome == Outcome::Draw ? "draw"
                        : aWon                   ? "A wins"
                                                 : "B wins",
                        wins, losses, draws);
        std::fflush(stdout);
    }

    const int n = wins + losses + draws;
    const double score = (wins + 0.5 * draws) / n;
    // The 95 % interval of the mean score per game, turned into Elo.
    const double variance = (wins * std::pow(1 - score, 2) + losses * std::pow(score, 2) +
                             draws * std::pow(0.5 - score, 2)) /
                            n;
    const double margin = 1.96 * std::sqrt(variance / n);
    std::printf("%s vs %s: %d games at %d ms a move, %s openings of %d stones, seed %llu\n",
                Name(options.a), Name(options.b), n, options.ms,
                options.randomOpenings ? "random" : "balanced", options.stones,
                static_cast<unsigned long long>(options.seed));
    std::printf("A wins %d, loses %d, draws %d: score %.1f %%\n", wins, losses, draws, 100 * score);
    std::printf("Elo difference %+.0f (95 %%: %+.0f to %+.0f)\n", Elo(score), Elo(score - margin),
                Elo(score + margin));
    if (figures.moves)
        std::printf(
            "master: %d moves, %.0f nodes/s, average depth %.1f, average move %.0f ms, longest "
            "move %.0f ms\n",
            figures.moves, figures.nodes / std::max(figures.seconds, 1e-9),
            static_cast<double>(figures.depthSum) / figures.moves,
            1000 * figures.seconds / figures.moves, figures.longestMs);
    return 0;
}
