#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace wuziqi::testing {

// pbrain-wuziqi run as a child process, talked to through two pipes line by line, the way
// a Gomocup manager does. Every read has a deadline, so a hanging engine fails the test
// instead of stalling it.
class EngineProcess {
  public:
    explicit EngineProcess(std::vector<std::string> args = {},
                           std::string path = PBRAIN_WUZIQI_PATH) {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toChild[0], STDIN_FILENO);
            dup2(fromChild[1], STDOUT_FILENO);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDERR_FILENO);
            close(toChild[1]);
            close(fromChild[0]);
            std::vector<char*> argv;
            argv.push_back(path.data());
            for (std::string& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(path.c_str(), argv.data());
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        in_ = toChild[1];
        out_ = fromChild[0];
        signal(SIGPIPE, SIG_IGN);
    }

    ~EngineProcess() {
        CloseInput();
        if (out_ >= 0) close(out_);
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool Started() const { return pid_ > 0 && in_ >= 0 && out_ >= 0; }

    // Writes text followed by a line break.
    bool Send(const std::string& text) { return WriteAll(text + "\n"); }

    // Writes raw bytes as they are.
    bool WriteAll(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(in_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    void CloseInput() {
        if (in_ >= 0) close(in_);
        in_ = -1;
    }

    // The next output line, or "<timeout>" / "<eof>".
    std::string ReadLine(int timeoutMs = 60000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const std::size_t newline = buffer_.find('\n');
            if (newline != std::string::npos) {
                std::string line = buffer_.substr(0, newline);
                buffer_.erase(0, newline + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return "<timeout>";
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            char chunk[4096];
            const ssize_t n = read(out_, chunk, sizeof chunk);
            if (n <= 0) return "<eof>";
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

    // Waits for the process to end and gives its exit status (-1 on timeout or signal).
    int Wait(int timeoutMs = 30000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(10000);
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    bool exited_ = false;
    std::string buffer_;
};

}  // namespace wuziqi::testing
