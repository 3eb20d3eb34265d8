#include "ComputerPlayer.h"

#include <QtConcurrent/QtConcurrentRun>
#include <utility>

#include "BeginnerPlayer.h"
#include "GameBoard.h"
#include "LiteralSearch.h"
#include "MasterSearch.h"

namespace {

// The window's master keeps a smaller table than the engine's: up to three of them (the
// opponent, the hint, the forced line) may be held at once.
constexpr std::size_t MasterTableBytes = std::size_t{32} << 20;

// The master's answer, with the proven line behind its verdict: its own winning line comes
// with "我赢了! "; for "你赢了! " the line is the other side's forced win after the master's
// point, searched for when lines are wanted.
wuziqi::ComputerAnswer MasterAnswer(wuziqi::MasterPlayer& master, const MoveRequest& request,
                                    int milliseconds, bool withLines, std::stop_token stop) {
    wuziqi::SearchLimits limits;
    limits.turnMs = milliseconds;
    limits.tableBytes = MasterTableBytes;
    limits.start = std::chrono::steady_clock::now();
    wuziqi::MasterAnswer reply = master.Reply(request.position, request.colour, limits, stop);
    wuziqi::ComputerAnswer answer{reply.point, reply.verdict, std::move(reply.line)};
    if (withLines && answer.point && answer.verdict == wuziqi::Verdict::YouWin) {
        wuziqi::TGameBoard after = request.position;
        after.Grid[answer.point->x][answer.point->y] =
            static_cast<wuziqi::CellState>(request.colour);
        const std::uint8_t other = wuziqi::Opponent(request.colour);
        wuziqi::MasterAnswer proof = master.Reply(after, other, limits, stop);
        if (proof.verdict == wuziqi::Verdict::IWin) {
            answer.line = {*answer.point};
            answer.line.insert(answer.line.end(), proof.line.begin(), proof.line.end());
        }
    }
    return answer;
}

}  // namespace

ComputerPlayer::ComputerPlayer(int depth, QObject* parent, ForcedLines lines)
    : GamePlayer(parent), depth(depth), lines(lines) {}

ComputerPlayer::~ComputerPlayer() {
    CancelMove();
    for (auto* watcher : findChildren<QFutureWatcher<wuziqi::ComputerAnswer>*>())
        watcher->waitForFinished();
}

void ComputerPlayer::SetLevel(wuziqi::PlayLevel playLevel, int milliseconds) {
    level = playLevel;
    masterMilliseconds = milliseconds;
}

void ComputerPlayer::RequestMove(MoveRequest request) {
    CancelMove();
    stop = std::stop_source();
    pending = true;
    auto* watcher = new QFutureWatcher<wuziqi::ComputerAnswer>(this);
    current = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] { Finished(watcher); });
    // The worker owns its copy of the position: nothing it touches is shared with the window.
    if (level == wuziqi::PlayLevel::Master && (!master || master.use_count() > 1))
        master = std::make_shared<wuziqi::MasterPlayer>(MasterTableBytes);
    std::shared_ptr<wuziqi::MasterPlayer> search =
        level == wuziqi::PlayLevel::Master ? master : nullptr;
    watcher->setFuture(QtConcurrent::run([request = std::move(request), token = stop.get_token(),
                                          depth = depth, lines = lines, level = level,
                                          milliseconds = masterMilliseconds, search]() mutable {
        const bool withLines = lines == ForcedLines::Found;
        if (level == wuziqi::PlayLevel::Master)
            return MasterAnswer(*search, request, milliseconds, withLines, token);
        if (level == wuziqi::PlayLevel::Beginner)
            return wuziqi::BeginnerReply(request.position, request.colour, request.last,
                                         wuziqi::BeginnerSeed);
        wuziqi::ComputerAnswer answer =
            wuziqi::ComputerReply(request.position, request.colour, request.last, depth, token);
        if (withLines && wuziqi::ProvesForcedWin(answer.verdict))
            answer.line = wuziqi::FindForcedLine(request.position, request.colour, depth, token);
        return answer;
    }));
}

void ComputerPlayer::CancelMove() {
    stop.request_stop();
    current = nullptr;
    pending = false;
}

void ComputerPlayer::Finished(QFutureWatcher<wuziqi::ComputerAnswer>* watcher) {
    watcher->deleteLater();
    if (watcher != current) return;  // cancelled: the answer is no longer wanted
    current = nullptr;
    pending = false;
    emit MoveChosen(watcher->result());
}
