// The system calls behind the window's file reading, checked without Qt or GoogleTest so that
// the same program also checks the Windows branch, cross-compiled and run under Wine. (On Linux
// the window's own tests cover them too.)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "SafeFileReaderPlatform.h"

namespace {

namespace fs = std::filesystem;

int failures = 0;

void Check(bool ok, const std::string& what) {
    if (ok) return;
    std::printf("FAIL %s\n", what.c_str());
    ++failures;
}

// What is not a regular file opens without waiting and is refused without an error.
void RefusesOtherKinds(const fs::path& path, const std::string& kind) {
    PlatformReadFile file(path);
    std::error_code error;
    Check(!file.OpenError() && !file.IsRegular(error) && !error, kind + " is refused");
}

}  // namespace

int main() {
    // A folder of this run's own: other builds may run the same check at the same time.
    const fs::path folder = fs::temp_directory_path() /
                            ("wuziqi-read-file-check-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);

    // A file of 1000 known bytes is read whole in short reads, up to its end.
    std::string written;
    for (int i = 0; i < 1000; ++i)
        written.push_back(static_cast<char>(i * 7));
    std::ofstream(folder / "game.wzq", std::ios::binary) << written;
    {
        PlatformReadFile file(folder / "game.wzq");
        std::error_code error;
        Check(!file.OpenError() && file.IsRegular(error), "a regular file opens as one");
        std::string read;
        char buffer[300];
        for (std::int64_t n; (n = file.Read(buffer, sizeof buffer, error)) > 0;)
            read.append(buffer, static_cast<std::size_t>(n));
        Check(!error && read == written, "the bytes read are the bytes written");
    }
    Check(static_cast<bool>(PlatformReadFile(folder / "missing.wzq").OpenError()),
          "a missing file does not open");
    RefusesOtherKinds(folder, "a folder");
#ifdef _WIN32
    RefusesOtherKinds("NUL", "the NUL device");
#else
    RefusesOtherKinds("/dev/null", "/dev/null");
    // A pipe with no writer: a blocking open would never return.
    const fs::path pipe = folder / "pipe.wzq";
    Check(::mkfifo(pipe.c_str(), 0600) == 0, "a named pipe is made");
    RefusesOtherKinds(pipe, "a named pipe with no writer");
#endif

    fs::remove_all(folder);
    std::printf("%s\n", failures == 0 ? "all passed" : "some failed");
    return failures == 0 ? 0 : 1;
}
