#pragma once

#include <cstdint>
#include <filesystem>
#include <system_error>

// The system calls behind ReadRegularFile: POSIX descriptors, or Win32 handles on Windows.
// Plain C++ without Qt, so that either branch can be compiled and tested on its own.
class PlatformReadFile {
  public:
    // Opens without waiting: a pipe with no writer or a device must not block the caller.
    explicit PlatformReadFile(const std::filesystem::path& path);
    ~PlatformReadFile();
    PlatformReadFile(const PlatformReadFile&) = delete;
    PlatformReadFile& operator=(const PlatformReadFile&) = delete;

    // Why the file did not open; empty when it is open.
    std::error_code OpenError() const { return openError_; }
    // Whether the open file is a regular file. It is asked of the open file itself, so that
    // nothing can be swapped in between the check and the reads.
    bool IsRegular(std::error_code& error) const;
    // Reads at most size bytes: how many were read, 0 at the end, -1 with error set.
    std::int64_t Read(char* buffer, std::int64_t size, std::error_code& error);

  private:
#ifdef _WIN32
    void* handle_;
#else
    int fd_;
#endif
    std::error_code openError_;
};
