#include "EngineProcessGroup.h"

#include <QProcess>

#ifdef Q_OS_UNIX
#include <sys/types.h>
#include <unistd.h>

#include <csignal>

void RunInOwnProcessGroup(QProcess& process) {
    // Runs in the child between fork and exec, where only async-signal-safe calls belong.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

void KillProcessGroup(qint64 leader) {
    // 0 and 1 would name the caller's own group and every process there is.
    if (leader <= 1) return;
    ::kill(-static_cast<pid_t>(leader), SIGKILL);
}

#else

void RunInOwnProcessGroup(QProcess&) {}

void KillProcessGroup(qint64) {}

#endif
