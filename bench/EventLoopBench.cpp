// How long the window's event loop stands still while the computer answers: the slowest
// positions of the self-play corpus are played into the real window, a 1 ms timer runs
// throughout, and the longest gap between its ticks is reported.
//
//   QT_QPA_PLATFORM=offscreen event_loop_bench [--positions N] [--slowest K] [--seed S]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "BoardGeometry.h"
#include "BoardImage.h"
#include "GameBoard.h"
#include "GameSession.h"
#include "MainForm.h"
#include "SelfPlayCorpus.h"

namespace {

using namespace wuziqi;

double ReplyMs(const CorpusPosition& position) {
    TGameBoard board;
    for (const Placement& m : position.moves)
        board.Place(m.x, m.y, static_cast<CellState>(m.colour));
    int x = position.moves.back().x, y = position.moves.back().y;
    const auto start = std::chrono::steady_clock::now();
    board.ChooseMove(position.toMove, x, y, 16);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

struct Gaps {
    double reply = 0;    // from the person's click to the computer's stone
    double longest = 0;  // between two turns of the event loop
};

// Lays out every stone of the position but the last, then clicks the last as the person would;
// the computer answers with the colour the corpus has to move.
Gaps Answer(TForm1& form, BoardImage& image, const CorpusPosition& position) {
    form.Action1Execute();
    for (std::size_t i = 0; i + 1 < position.moves.size(); ++i) {
        const Placement& m = position.moves[i];
        form.Board().Place(m.x, m.y, static_cast<CellState>(m.colour));
    }
    const Placement& last = position.moves.back();
    form.Record().CurrentColour = last.colour;
    form.Record().GameMode = ModeAgainstComputer;

    QElapsedTimer clock;
    qint64 lastTick = 0;
    Gaps gaps;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        gaps.longest = std::max(gaps.longest, (now - lastTick) / 1e6);
        lastTick = now;
    });
    ticker.start();
    clock.start();
    emit image.pointClicked({last.x, last.y});
    while (form.Session().OpponentThinking())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    gaps.reply = clock.nsecsElapsed() / 1e6;
    // The gap that the computer's stone itself takes to place.
    QCoreApplication::processEvents();
    const qint64 now = clock.nsecsElapsed();
    gaps.longest = std::max(gaps.longest, (now - lastTick) / 1e6);
    return gaps;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::size_t positions = 2000, slowest = 20;
    std::uint64_t seed = 20240611;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--positions") && i + 1 < argc)
            positions = std::strtoul(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--slowest") && i + 1 < argc)
            slowest = std::strtoul(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else {
            std::fprintf(stderr,
                         "usage: event_loop_bench [--positions N] [--slowest K] [--seed S]\n");
            return 2;
        }
    }

    const std::vector<CorpusPosition> corpus = SelfPlayCorpus(positions, seed);
    std::vector<std::pair<double, std::size_t>> byTime;
    for (std::size_t i = 0; i < corpus.size(); ++i)
        byTime.emplace_back(ReplyMs(corpus[i]), i);
    std::sort(byTime.rbegin(), byTime.rend());
    byTime.resize(std::min(slowest, byTime.size()));

    TForm1 form;
    form.SetMessageRecorder([](const QString&) {});
    form.findChild<QAction*>(QStringLiteral("N16"))->trigger();  // the person plays first
    form.show();
    auto* image = form.findChild<BoardImage*>(QStringLiteral("Image1"));
    // One reply first, so that starting the worker and helper threads is not counted.
    Answer(form, *image, corpus[byTime.back().second]);
    std::printf("%zu slowest of %zu positions (seed %llu)\n", byTime.size(), corpus.size(),
                static_cast<unsigned long long>(seed));
    std::printf("  %10s %10s %12s  %s\n", "reply ms", "in window", "longest gap", "position");
    double longest = 0;
    for (const auto& [ms, i] : byTime) {
        const Gaps gaps = Answer(form, *image, corpus[i]);
        longest = std::max(longest, gaps.longest);
        std::printf("  %10.2f %10.2f %12.2f  %s\n", ms, gaps.reply, gaps.longest,
                    AnalyzeLine(corpus[i]).c_str());
    }
    std::printf("longest gap in the event loop: %.2f ms\n", longest);
    return 0;
}
