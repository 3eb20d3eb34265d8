#include "SafeFileReader.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "SafeFileReaderPlatform.h"

namespace {

// The path as the system spells it: in QFile's encoding of names on POSIX systems (which also
// carries names that are not valid in the locale's encoding), in UTF-16 on Windows.
std::filesystem::path NativePath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

FileContents Failed(FileContents::Outcome outcome, const std::error_code& error) {
    return {outcome, {}, QString::fromStdString(error.message())};
}

}  // namespace

FileContents ReadRegularFile(const QString& path, qint64 maxBytes) {
    PlatformReadFile file(NativePath(path));
    if (file.OpenError()) return Failed(FileContents::Outcome::CannotOpen, file.OpenError());
    std::error_code error;
    const bool regular = file.IsRegular(error);
    if (error) return Failed(FileContents::Outcome::CannotOpen, error);
    if (!regular) return {FileContents::Outcome::NotRegularFile, {}, {}};

    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qint64 done = 0;
    while (done < maxBytes) {
        const std::int64_t n = file.Read(bytes.data() + done, maxBytes - done, error);
        if (n < 0) return Failed(FileContents::Outcome::CannotRead, error);
        if (n == 0) break;
        done += n;
    }
    bytes.truncate(done);
    return {FileContents::Outcome::Read, bytes, {}};
}
