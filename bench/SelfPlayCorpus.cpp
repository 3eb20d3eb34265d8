#include "SelfPlayCorpus.h"

#include "GameBoard.h"
#include "SplitMix.h"

namespace wuziqi {

namespace {

constexpr int MaxMovesPerGame = 80;

// An empty point within two points of some stone, or false when there is none.
bool RandomPointNearStones(const TGameBoard& board, SplitMix& random, int& x, int& y) {
    int candidates[BoardSize * BoardSize][2];
    int count = 0;
    for (int px = 1; px <= BoardSize; ++px) {
        for (int py = 1; py <= BoardSize; ++py) {
            if (board.Grid[px][py] != Empty) continue;
            bool near = false;
            for (int dx = -2; dx <= 2 && !near; ++dx)
                for (int dy = -2; dy <= 2 && !near; ++dy)
                    near = board.GetCell(px + dx, py + dy) >= Black;
            if (near) {
                candidates[count][0] = px;
                candidates[count][1] = py;
                ++count;
            }
        }
    }
    if (count == 0) return false;
    const int pick = random.Below(count);
    x = candidates[pick][0];
    y = candidates[pick][1];
    return true;
}

}  // namespace

std::vector<CorpusPosition> SelfPlayCorpus(std::size_t minPositions, std::uint64_t seed) {
    std::vector<CorpusPosition> corpus;
    SplitMix random(seed);
    for (int game = 0; corpus.size() < minPositions; ++game) {
        TGameBoard board;
        std::vector<Placement> moves;
        // Each game mixes in its own share of random stones, from a tenth to a half.
        const int randomPercent = 10 + random.Below(41);
        std::uint8_t colour = Black;
        // Openings vary around the centre.
        int x = 8 + random.Below(5) - 2, y = 8 + random.Below(5) - 2;
        for (int move = 0; move < MaxMovesPerGame && corpus.size() < minPositions; ++move) {
            if (move > 0) {
                corpus.push_back({moves, colour, game});
                const bool playRandom = random.Below(100) < randomPercent;
                bool chosen = false;
                if (!playRandom) {
                    board.ChooseMove(colour, x, y, 16);
                    chosen = InRange(x, 1, BoardSize) && InRange(y, 1, BoardSize) &&
                             board.Grid[x][y] == Empty;
                }
                if (!chosen && !RandomPointNearStones(board, random, x, y)) break;
            }
            double score = 0.0;
            const bool wins = board.WinTest(x, y, score, colour);
            board.Place(x, y, static_cast<CellState>(colour));
            moves.push_back({x, y, colour});
            if (wins) break;
            colour = Opponent(colour);
        }
    }
    return corpus;
}

std::string AnalyzeLine(const CorpusPosition& position) {
    std::string line = std::to_string(position.toMove);
    for (const Placement& m : position.moves)
        line +=
            ' ' + std::to_string(m.x) + ',' + std::to_string(m.y) + ',' + std::to_string(m.colour);
    return line;
}

}  // namespace wuziqi
