// The standard level against the beginner: games from seeded, balanced three-stone openings
// near the centre, each opening played with both colours, and the standard level's score with
// its Elo difference.
//
//   beginner_match [--games N] [--seed S] [--second-best P] [--depth D]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "BeginnerPlayer.h"
#include "ComputerReply.h"
#include "GameBoard.h"
#include "SplitMix.h"

namespace {

using namespace wuziqi;

using Opening = std::vector<BoardPoint>;  // Black, White, Black

TGameBoard BoardOf(const Opening& opening) {
    TGameBoard board;
    CellState colour = Black;
    for (const BoardPoint& p : opening) {
        board.Place(p.x, p.y, colour);
        colour = colour == Black ? White : Black;
    }
    return board;
}

// Three stones on distinct points of the 5 x 5 square round the centre, no two openings alike,
// and none in which the standard level, moving for White, finds a forced win for either side.
std::vector<Opening> BalancedOpenings(std::size_t count, std::uint64_t seed, int depth) {
    SplitMix random(seed);
    std::vector<Opening> openings;
    while (openings.size() < count) {
        Opening opening;
        while (opening.size() < 3) {
            const BoardPoint p{6 + random.Below(5), 6 + random.Below(5)};
            if (std::find(opening.begin(), opening.end(), p) == opening.end()) opening.push_back(p);
        }
        if (std::find(openings.begin(), openings.end(), opening) != openings.end()) continue;
        TGameBoard board = BoardOf(opening);
        int x = opening.back().x, y = opening.back().y;
        if (ProvesForcedWin(board.ChooseMove(White, x, y, depth))) continue;
        openings.push_back(opening);
    }
    return openings;
}

enum class Result { StandardWins, BeginnerWins, Draw };

struct Tally {
    int wins = 0, losses = 0, draws = 0;
    int standardMoves = 0;
    std::map<BeginnerReason, int> beginnerMoves;
    int illegal = 0;
};

Result Play(const Opening& opening, std::uint8_t standardColour, std::uint64_t beginnerSeed,
            int secondBestPercent, int depth, Tally& tally) {
    TGameBoard board = BoardOf(opening);
    BoardPoint last = opening.back();
    for (std::uint8_t colour = White;; colour = Opponent(colour)) {
        ComputerAnswer answer;
        if (colour == standardColour) {
            answer = ComputerReply(board, colour, last, depth);
            ++tally.standardMoves;
        } else {
            const BeginnerChoice choice =
                ChooseBeginnerMove(board, colour, last, beginnerSeed, secondBestPercent);
            answer = choice.answer;
            ++tally.beginnerMoves[choice.reason];
        }
        if (!answer.point) return Result::Draw;  // the board is full
        const BoardPoint p = *answer.point;
        if (!InRange(p.x, 1, BoardSize) || !InRange(p.y, 1, BoardSize) ||
            board.Grid[p.x][p.y] != Empty) {
            // A move on a taken point loses the game; it is counted and reported.
            ++tally.illegal;
            return colour == standardColour ? Result::BeginnerWins : Result::StandardWins;
        }
        double score = 0.0;
        const bool five = board.WinTest(p.x, p.y, score, colour);
        board.Place(p.x, p.y, static_cast<CellState>(colour));
        if (five) return colour == standardColour ? Result::StandardWins : Result::BeginnerWins;
        last = p;
    }
}

double Elo(double score) {
    return -400.0 * std::log10(1.0 / score - 1.0);
}

}  // namespace

int main(int argc, char** argv) {
    int games = 100;
    std::uint64_t seed = 20261208;
    int secondBestPercent = BeginnerSecondBestPercent;
    int depth = SearchDepth;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--games") && i + 1 < argc)
            games = std::max(2, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--second-best") && i + 1 < argc)
            secondBestPercent = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--depth") && i + 1 < argc)
            depth = std::clamp(std::atoi(argv[++i]), 1, 32);
        else {
            std::fprintf(stderr,
                         "usage: beginner_match [--games N] [--seed S] [--second-best P] "
                         "[--depth D]\n");
            return 2;
        }
    }

    const std::vector<Opening> openings =
        BalancedOpenings(static_cast<std::size_t>((games + 1) / 2), seed, depth);
    Tally tally;
    int played = 0;
    for (std::size_t k = 0; k < openings.size() && played < games; ++k) {
        for (const std::uint8_t standardColour : {Black, White}) {
            if (played == games) break;
            const std::uint64_t beginnerSeed = seed + 2 * k + (standardColour == White);
            switch (
                Play(openings[k], standardColour, beginnerSeed, secondBestPercent, depth, tally)) {
                case Result::StandardWins: ++tally.wins; break;
                case Result::BeginnerWins: ++tally.losses; break;
                case Result::Draw: ++tally.draws; break;
            }
            ++played;
        }
    }

    // The score with a Wilson interval, which stays inside 0..1 even when every game is won.
    const double n = played;
    const double score = (tally.wins + 0.5 * tally.draws) / n;
    const double z = 1.96;
    const double centre = (score + z * z / (2 * n)) / (1 + z * z / n);
    const double half =
        z / (1 + z * z / n) * std::sqrt(score * (1 - score) / n + z * z / (4 * n * n));
    const auto eloText = [](double s) {
        static char text[4][32];
        static int next = 0;
        char* out = text[next++ % 4];
        if (s >= 1.0)
            std::snprintf(out, 32, "+inf");
        else if (s <= 0.0)
            std::snprintf(out, 32, "-inf");
        else
            std::snprintf(out, 32, "%+.0f", Elo(s));
        return out;
    };
    std::printf(
        "standard level (depth %d) against the beginner (second-best %d %%), %d games "
        "from %zu openings (seed %llu)\n",
        depth, secondBestPercent, played, openings.size(), static_cast<unsigned long long>(seed));
    std::printf("standard level: %d wins, %d losses, %d draws; score %.1f %%\n", tally.wins,
                tally.losses, tally.draws, 100.0 * score);
    std::printf("Elo difference %s (95 %%: %s to %s)\n", eloText(score), eloText(centre - half),
                eloText(centre + half));
    int beginnerTotal = 0;
    for (const auto& [reason, count] : tally.beginnerMoves)
        beginnerTotal += count;
    const auto share = [&](BeginnerReason reason) {
        const auto found = tally.beginnerMoves.find(reason);
        return found == tally.beginnerMoves.end() ? 0 : found->second;
    };
    std::printf(
        "beginner's moves: %d; best %d, second-best %d (%.1f %%), own five %d, "
        "blocked five %d\n",
        beginnerTotal, share(BeginnerReason::Best), share(BeginnerReason::SecondBest),
        100.0 * share(BeginnerReason::SecondBest) / std::max(1, beginnerTotal),
        share(BeginnerReason::OwnFive), share(BeginnerReason::BlockFive));
    std::printf("standard level's moves: %d; moves on a taken point: %d\n", tally.standardMoves,
                tally.illegal);
    return tally.illegal == 0 ? 0 : 1;
}
