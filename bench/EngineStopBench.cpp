// How long the window's thread stands still when it drops an engine that ignores END: once when
// the opponent is switched to the built-in computer, once when the window closes with it. A
// 1 ms timer runs throughout and the longest gap between its ticks is reported, past the
// engine's grace period so that its killing is counted too; the close is timed on its own,
// and so is the window's destructor, the one place that may wait for an engine. At the end it
// counts the engines' helper processes still running, and ends them.
//
//   QT_QPA_PLATFORM=offscreen engine_stop_bench [--runs N]
//
// Its engine is a shell script, and the helpers are looked for in /proc: Linux only.
#include <signal.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "EnginePlayer.h"
#include "MainForm.h"

namespace {

// An engine that answers START and ABOUT, ignores END, and keeps a helper process running,
// whose id it writes beside itself.
constexpr char DeafEngine[] = R"(#!/bin/sh
sleep 600 </dev/null >/dev/null 2>&1 &
echo $! >>"${0%/*}/helpers"
while IFS= read -r line; do
    case $line in
        START*) echo OK ;;
        ABOUT*) echo 'name="deaf", version="1"' ;;
    esac
done
)";

// The longest time between two turns of the event loop, measured by a 1 ms timer.
class GapMeter {
  public:
    GapMeter() {
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [this] { Tick(); });
        clock.start();
        ticker.start();
    }
    void Tick() {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    }
    // Turns the event loop for the given time.
    void Run(int milliseconds) {
        QElapsedTimer spent;
        spent.start();
        while (spent.elapsed() < milliseconds)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        Tick();
    }
    double LongestMs() const { return longest / 1e6; }

  private:
    QTimer ticker;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
};

double Ms(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

// Running, and not a zombie that only waits to be collected.
bool Runs(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

std::unique_ptr<TForm1> WindowAgainst(const QString& engine) {
    // No engine remembered, so that the window starts none of its own.
    QSettings().clear();
    auto form = std::make_unique<TForm1>();
    form->SetMessageRecorder([](const QString&) {});
    form->show();
    form->PlayAgainstEngine(engine, 5);
    // Set up once it has answered ABOUT.
    QElapsedTimer waited;
    waited.start();
    while (form->StatusText(0).isEmpty() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (form->StatusText(0).isEmpty()) {
        std::fprintf(stderr, "the engine did not start\n");
        std::exit(1);
    }
    return form;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: engine_stop_bench [--runs N]\n");
            return 2;
        }
    }
    // The person's settings and kept game are never touched.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("wuziqi-bench"));
    QApplication::setApplicationName(QStringLiteral("wuziqi-bench"));

    const QString engine = QDir(home.path()).filePath(QStringLiteral("pbrain-deaf"));
    QFile script(engine);
    if (!script.open(QIODevice::WriteOnly) || script.write(DeafEngine) < 0) return 1;
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const int afterGrace = EnginePlayer::GraceMilliseconds + 500;
    std::printf("an engine that ignores END (grace %d ms), %d runs; times in ms\n",
                EnginePlayer::GraceMilliseconds, runs);
    std::printf("  %10s %10s   %10s %10s %12s\n", "switch", "gap", "close", "gap", "destructor");
    for (int run = 0; run < runs; ++run) {
        std::unique_ptr<TForm1> form = WindowAgainst(engine);
        QElapsedTimer call;
        double switching = 0, switchGap = 0;
        {
            GapMeter meter;
            call.start();
            form->PlayAgainstBuiltInComputer();
            switching = Ms(call);
            meter.Run(afterGrace);
            switchGap = meter.LongestMs();
        }
        form.reset();

        form = WindowAgainst(engine);
        double closing = 0, closeGap = 0, destroying = 0;
        {
            GapMeter meter;
            call.start();
            form->close();
            closing = Ms(call);
            meter.Run(100);
            closeGap = meter.LongestMs();
        }
        call.start();
        form.reset();
        destroying = Ms(call);
        std::printf("  %10.1f %10.1f   %10.1f %10.1f %12.1f\n", switching, switchGap, closing,
                    closeGap, destroying);
    }

    // Whatever is still running after its engine was dropped has outlived it; given a moment to
    // be killed, then ended here.
    QFile helperList(QDir(home.path()).filePath(QStringLiteral("helpers")));
    QList<qint64> helpers;
    if (helperList.open(QIODevice::ReadOnly))
        for (const QByteArray& line : helperList.readAll().split('\n'))
            if (!line.isEmpty()) helpers << line.toLongLong();
    QElapsedTimer settle;
    settle.start();
    int running = 0;
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        running = static_cast<int>(std::count_if(helpers.begin(), helpers.end(), Runs));
    } while (running > 0 && settle.elapsed() < 2000);
    std::printf("helpers still running after their engine: %d of %lld\n", running,
                static_cast<long long>(helpers.size()));
    for (const qint64 helper : helpers)
        if (Runs(helper)) ::kill(static_cast<pid_t>(helper), SIGKILL);
    return 0;
}
