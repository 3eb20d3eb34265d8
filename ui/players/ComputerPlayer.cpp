#include "ComputerPlayer.h"

#include <QtConcurrent/QtConcurrentRun>
#include <utility>

#include "LiteralSearch.h"

ComputerPlayer::ComputerPlayer(int depth, QObject* parent, ForcedLines lines)
    : GamePlayer(parent), depth(depth), lines(lines) {}

ComputerPlayer::~ComputerPlayer() {
    CancelMove();
    for (auto* watcher : findChildren<QFutureWatcher<wuziqi::ComputerAnswer>*>())
        watcher->waitForFinished();
}

void ComputerPlayer::RequestMove(MoveRequest request) {
    CancelMove();
    stop = std::stop_source();
    pending = true;
    auto* watcher = new QFutureWatcher<wuziqi::ComputerAnswer>(this);
    current = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] { Finished(watcher); });
    // The worker owns its copy of the position: nothing it touches is shared with the window.
    watcher->setFuture(QtConcurrent::run([request = std::move(request), token = stop.get_token(),
                                          depth = depth, lines = lines]() mutable {
        wuziqi::ComputerAnswer answer =
            wuziqi::ComputerReply(request.position, request.colour, request.last, depth, token);
        if (lines == ForcedLines::Found && wuziqi::ProvesForcedWin(answer.verdict))
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
