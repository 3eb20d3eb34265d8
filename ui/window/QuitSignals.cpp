#include "QuitSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace {

// [0] is written by the handler, [1] read by the event loop.
int SignalPipe[2] = {-1, -1};
const int Handled[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void OnQuitSignal(int) {
    const char byte = 1;
    // Nothing else is safe here; a full socket already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, SignalPipe) != 0)
        return;
    Notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &QuitSignals::Drain);
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    if (!Notifier) return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : Handled)
        ::sigaction(signal, &action, nullptr);
    delete Notifier;
    Notifier = nullptr;
    ::close(SignalPipe[0]);
    ::close(SignalPipe[1]);
    SignalPipe[0] = SignalPipe[1] = -1;
}

void QuitSignals::Drain() {
    char bytes[16];
    while (::read(SignalPipe[1], bytes, sizeof bytes) > 0) {
    }
    emit QuitRequested();
}

#else  // No such signals: the desktop session's end still reaches the window through Qt.

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {}
QuitSignals::~QuitSignals() = default;
void QuitSignals::Drain() {}

#endif
