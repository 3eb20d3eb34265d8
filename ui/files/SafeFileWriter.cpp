#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QString> WriteFileSafely(const QString& path, QByteArrayView bytes) {
    // Renaming over a pipe or a device would replace the special file itself.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return QCoreApplication::translate("WriteFileSafely", "不是普通文件");

    QSaveFile file(path);
    // Unbuffered, so that a full disk or a file size limit fails a write() here. Buffered
    // bytes would only meet the disk inside commit(), which then still renames the short
    // temporary file over the old one.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // A write that stops short is repeated, so that the next one reports the system's reason.
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        written = n > 0;
        if (written) done += n;
    }
    if (written && file.commit()) return std::nullopt;
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}
