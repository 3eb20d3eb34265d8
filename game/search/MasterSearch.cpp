#include "MasterSearch.h"

#include <algorithm>

#include "GameBoard.h"
#include "LinePatterns.h"
#include "MoveList.h"
#include "PvSearch.h"
#include "SearchBoard.h"
#include "SearchControl.h"
#include "ThreatSearch.h"
#include "TimePlan.h"
#include "TranspositionTable.h"

namespace wuziqi {

using namespace search;

namespace {

// The root's searches for forced wins, in attacker moves and nodes.
constexpr int RootVcfMoves = 30;
constexpr std::uint64_t RootVcfNodes = 200000;
constexpr int RootVctMoves = 12;
// Each root move is checked for a forced win it allows the opponent.
constexpr int RefuteVcfMoves = 20;
constexpr std::uint64_t RefuteVcfNodes = 20000;
// Rough nodes per millisecond, to turn a share of the time into a node budget.
constexpr std::uint64_t NodesPerMs = 400;
// How many chosen moves the time left over may check for a forced win they allow.
constexpr int VerifyTries = 2;
// The root searches at most this many moves, best first.
constexpr int RootWidth = 40;

int Other(int colour) {
    return 3 - colour;
}

BoardPoint Point(int index) {
    return {SearchBoard::X(index), SearchBoard::Y(index)};
}

std::vector<BoardPoint> Points(const std::vector<int>& line) {
    std::vector<BoardPoint> points;
    for (const int p : line)
        points.push_back(Point(p));
    return points;
}

// Where a move goes when no search has one: the free point nearest the centre, the first in
// column order among equals, as the standard level chooses it.
std::optional<int> NearestFreeToCentre(const SearchBoard& board) {
    const int cx = (board.Width() + 1) / 2, cy = (board.Height() + 1) / 2;
    std::optional<int> nearest;
    int nearestDistance = 0;
    for (const int p : board.Points()) {
        if (!board.IsEmpty(p)) continue;
        const int dx = SearchBoard::X(p) - cx, dy = SearchBoard::Y(p) - cy;
        if (!nearest || dx * dx + dy * dy < nearestDistance) {
            nearest = p;
            nearestDistance = dx * dx + dy * dy;
        }
    }
    return nearest;
}

}  // namespace

struct MasterPlayer::Impl {
    explicit Impl(std::size_t bytes)
        : table(std::make_unique<TranspositionTable>(bytes)), bytes(bytes) {}
    std::unique_ptr<TranspositionTable> table;
    std::size_t bytes;
};

MasterPosition PositionOf(const TGameBoard& game) {
    MasterPosition position;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const CellState cell = game.GetCell(x, y);
            if (cell == Black || cell == White || cell == Border)
                position.stones.push_back({{x, y}, cell});
        }
    return position;
}

MasterPlayer::MasterPlayer(std::size_t tableBytes) : impl_(std::make_unique<Impl>(tableBytes)) {
    // The freestyle tables are built now; the exact rule's on its first reply.
    Lines(FiveRule::Freestyle);
    Shapes();
}

MasterPlayer::~MasterPlayer() = default;

MasterAnswer MasterPlayer::Reply(const TGameBoard& game, std::uint8_t colour,
                                 const SearchLimits& limits, std::stop_token stop) {
    return Reply(PositionOf(game), colour, limits, std::move(stop));
}

MasterAnswer MasterPlayer::Reply(const MasterPosition& position, std::uint8_t colour,
                                 const SearchLimits& limits, std::stop_token stop) {
    using Clock = SearchControl::Clock;
    const Clock::time_point start =
        limits.start == Clock::time_point{} ? Clock::now() : limits.start;
    const TimePlan plan = PlanTime(limits.turnMs, limits.matchMsLeft);
    SearchControl control(start + plan.hard, std::move(stop));
    if (limits.maxNodes) control.SetNodeLimit(limits.maxNodes);
    // The nodes this reply can afford, shared out between its searches.
    std::uint64_t nodeBudget = NodesPerMs * static_cast<std::uint64_t>(plan.hard.count());
    if (limits.maxNodes) nodeBudget = std::min(nodeBudget, limits.maxNodes);

    if (impl_->bytes != limits.tableBytes) {
        impl_->table.reset();
        impl_->table = std::make_unique<TranspositionTable>(limits.tableBytes);
        impl_->bytes = limits.tableBytes;
    }
    TranspositionTable& table = *impl_->table;
    table.NewSearch();

    MasterAnswer answer;
    const int side = colour == Black ? 1 : 2;
    const int opponent = Other(side);
    SearchBoard board(position.width, position.height, position.rule);
    for (const auto& [point, state] : position.stones) {
        if (point.x < 1 || point.x > board.Width() || point.y < 1 || point.y > board.Height())
            continue;
        const int index = SearchBoard::Index(point.x, point.y);
        if (!board.IsEmpty(index)) continue;
        if (state == Black) board.Make(index, 1);
        if (state == White) board.Make(index, 2);
        if (state == Border) board.PlaceDead(index);
    }
    auto finish = [&](int index) {
        answer.point = Point(index);
        answer.nodes = control.Nodes();
        return answer;
    };

    // A five to make, two fives to stop, or a forced win by threats: no search needed.
    if (board.ShapeCount(side, ShapeFive)) {
        const int five = board.FindShape(side, ShapeFive);
        answer.verdict = Verdict::IWin;
        answer.line = {Point(five)};
        return finish(five);
    }
    if (board.ShapeCount(opponent, ShapeFive) >= 2) {
        answer.verdict = Verdict::YouWin;
        return finish(board.FindShape(opponent, ShapeFive));
    }
    ThreatSearch threats(board, control);
    std::vector<int> line;
    threats.SetBudget(RootVcfNodes);
    bool win = threats.FindVcf(side, RootVcfMoves, &line);
    if (!win) {
        threats.SetBudget(std::max<std::uint64_t>(2000, nodeBudget / 5));
        win = threats.FindVct(side, RootVctMoves, &line);
    }
    if (win) {
        answer.verdict = Verdict::IWin;
        answer.line = Points(line);
        return finish(line.front());
    }

    // The moves worth searching; against a four or an open three the list is every move that
    // does not lose at once, so a loss found for each of them is a loss whatever is played.
    PvSearch search(board, table, control);
    MoveList candidates;
    bool complete = true;
    if (board.ShapeCount(opponent, ShapeFive)) {
        candidates.Add(board.FindShape(opponent, ShapeFive), 0);
    } else if (board.ShapeCount(opponent, ShapeFlex4)) {
        search.DefenceMoves(side, candidates);
    } else {
        search.QuietMoves(side, candidates);
        complete = false;
    }
    candidates.SortByKey();
    if (candidates.size == 0) {
        const std::optional<int> centre = NearestFreeToCentre(board);
        if (centre) return finish(*centre);
        answer.nodes = control.Nodes();
        return answer;
    }
    if (candidates.size > RootWidth && !complete)
        candidates.size = RootWidth;
    else if (candidates.size > RootWidth)
        complete = false;

    // Every move that lets the opponent force a win is dropped. A stone of ours never helps the
    // opponent: when it has no forced win even if we passed, no move gives it one.
    std::vector<int> moves;
    std::vector<int> threat;
    threats.SetBudget(RefuteVcfNodes);
    bool threatened = threats.FindVcf(opponent, RefuteVcfMoves, &threat);
    bool unsure = threats.GaveUp();
    if (!threatened && !control.Stopped()) {
        threats.SetBudget(nodeBudget / 6);
        threatened = threats.FindVct(opponent, RootVctMoves, &threat);
        unsure = unsure || threats.GaveUp();
    }
    if (!threatened && !unsure) {
        for (const auto& [move, key] : candidates)
            moves.push_back(move);
    } else {
        // Each move is checked for a forced win it allows; when the opponent has one now, the
        // likeliest answers come first with a larger share each: the points of its line and
        // the threes and fours of both sides. The rest are checked only if none of them holds.
        const auto refute = [&](const MoveList& list, std::uint64_t share) {
            const std::uint64_t vctNodes =
                std::max<std::uint64_t>(300, share / static_cast<std::uint64_t>(list.size));
            for (const auto& [move, key] : list) {
                board.Make(move, side);
                threats.SetBudget(RefuteVcfNodes);
                bool loses = threats.FindVcf(opponent, RefuteVcfMoves);
                if (!loses && !control.Stopped()) {
                    threats.SetBudget(vctNodes);
                    loses = threats.FindVct(opponent, RootVctMoves);
                }
                board.Unmake();
                if (control.Stopped()) {
                    complete = false;
                    moves.push_back(move);  // not disproved
                } else if (!loses) {
                    moves.push_back(move);
                }
            }
        };
        MoveList likely, others;
        for (const auto& entry : candidates) {
            const bool onLine =
                std::find(threat.begin(), threat.end(), entry.point) != threat.end();
            if (threatened && !onLine && !IsThreeOrFour(board.ShapeAt(side, entry.point)) &&
                !IsThreeOrFour(board.ShapeAt(opponent, entry.point)))
                others.Add(entry.point, entry.key);
            else
                likely.Add(entry.point, entry.key + (onLine ? 1 << 24 : 0));
        }
        likely.SortByKey();
        if (likely.size) refute(likely, nodeBudget / 3);
        if (moves.empty() && others.size) refute(others, nodeBudget / 6);
    }
    if (moves.empty()) {
        // Every move loses; the one that looked best still makes the opponent find the win.
        answer.verdict = complete ? Verdict::YouWin : Verdict::None;
        return finish(candidates.entries[0].point);
    }
    if (moves.size() == 1) return finish(moves.front());

    // Iterative deepening over the moves left, best first from each iteration to the next.
    int bestMove = moves.front();
    std::chrono::microseconds last{0}, before{0};
    for (int depth = 2; depth <= limits.maxDepth; ++depth) {
        const Clock::time_point begun = Clock::now();
        const int score = search.SearchRoot(side, depth, moves);
        if (search.RootHasResult()) bestMove = moves.front();
        if (control.Stopped()) break;
        answer.depth = depth;
        answer.score = score;
        const Clock::time_point now = Clock::now();
        before = last;
        last = std::chrono::duration_cast<std::chrono::microseconds>(now - begun);
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - start);
        if (!BeginNextIteration(plan, elapsed, last, before)) break;
    }

    // The time the deepening left over checks the chosen move for a deep forced win it allows,
    // when the opponent has threats to play with: such wins take tens of thousands of nodes
    // to find, more than each root move could be given above. A move shown to lose gives way
    // to the next in the search's order.
    if ((threatened || unsure) && !control.Stopped()) {
        std::erase(moves, bestMove);
        moves.insert(moves.begin(), bestMove);
        for (int tries = 0; tries < VerifyTries && moves.size() > 1 && !control.Stopped();
             ++tries) {
            board.Make(moves.front(), side);
            threats.SetBudget(0);
            const bool loses = threats.FindVct(opponent, RootVctMoves);
            board.Unmake();
            if (!loses) break;
            moves.erase(moves.begin());
        }
        bestMove = moves.front();
    }
    return finish(bestMove);
}

MasterAnswer MasterReply(const TGameBoard& board, std::uint8_t colour, const SearchLimits& limits,
                         std::stop_token stop) {
    MasterPlayer player(limits.tableBytes);
    return player.Reply(board, colour, limits, std::move(stop));
}

}  // namespace wuziqi
