#include "ComputerPlayer.h"

#include <QtConcurrent/QtConcurrentRun>
#include <utility>

ComputerPlayer::ComputerPlayer(int depth, QObject* parent) : GamePlayer(parent), depth(depth) {}

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
                                          depth = depth]() mutable {
        return wuziqi::ComputerReply(request.position, request.colour, request.last, depth, token);
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
