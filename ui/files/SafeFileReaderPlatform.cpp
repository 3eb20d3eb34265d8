#include "SafeFileReaderPlatform.h"

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

namespace {

std::error_code LastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

}  // namespace

PlatformReadFile::PlatformReadFile(const std::filesystem::path& path)
    // Backup semantics let a folder open too, so that it is refused as not a regular file
    // rather than as a file that cannot be opened, as on POSIX systems.
    : handle_(::CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) openError_ = LastError();
}

PlatformReadFile::~PlatformReadFile() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
}

bool PlatformReadFile::IsRegular(std::error_code& error) const {
    error.clear();
    // Pipes and character devices (NUL, CON, COM1) are not disk files.
    ::SetLastError(NO_ERROR);
    const DWORD type = ::GetFileType(handle_);
    if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) {
        error = LastError();
        return false;
    }
    if (type != FILE_TYPE_DISK) return false;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(handle_, &information)) {
        error = LastError();
        return false;
    }
    return (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::int64_t PlatformReadFile::Read(char* buffer, std::int64_t size, std::error_code& error) {
    error.clear();
    const DWORD wanted = static_cast<DWORD>(std::min<std::int64_t>(size, 1 << 30));
    DWORD done = 0;
    if (!::ReadFile(handle_, buffer, wanted, &done, nullptr)) {
        if (::GetLastError() == ERROR_HANDLE_EOF) return 0;
        error = LastError();
        return -1;
    }
    return done;
}

#else  // POSIX

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

}  // namespace

PlatformReadFile::PlatformReadFile(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
    if (fd_ < 0) openError_ = LastError();
}

PlatformReadFile::~PlatformReadFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool PlatformReadFile::IsRegular(std::error_code& error) const {
    error.clear();
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        error = LastError();
        return false;
    }
    return S_ISREG(status.st_mode);
}

std::int64_t PlatformReadFile::Read(char* buffer, std::int64_t size, std::error_code& error) {
    error.clear();
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, static_cast<std::size_t>(size));
        if (n >= 0) return n;
        if (errno != EINTR) {
            error = LastError();
            return -1;
        }
    }
}

#endif
