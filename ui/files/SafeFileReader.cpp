#include "SafeFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <system_error>

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    const int fd;
};

FileContents Failed(FileContents::Outcome outcome) {
    return {outcome, {}, QString::fromStdString(std::generic_category().message(errno))};
}

}  // namespace

FileContents ReadRegularFile(const QString& path, qint64 maxBytes) {
    // Non-blocking, so that opening a pipe returns at once; the type is then checked on the
    // descriptor itself, so that nothing can be swapped in between the check and the read.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) return Failed(FileContents::Outcome::CannotOpen);
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) return Failed(FileContents::Outcome::CannotOpen);
    if (!S_ISREG(status.st_mode)) return {FileContents::Outcome::NotRegularFile, {}, {}};

    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qint64 done = 0;
    while (done < maxBytes) {
        const ssize_t n =
            ::read(file.fd, bytes.data() + done, static_cast<std::size_t>(maxBytes - done));
        if (n == 0) break;
        if (n > 0)
            done += n;
        else if (errno != EINTR)
            return Failed(FileContents::Outcome::CannotRead);
    }
    bytes.truncate(done);
    return {FileContents::Outcome::Read, bytes, {}};
}
