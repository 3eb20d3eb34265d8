#pragma once

#include <QByteArray>
#include <QString>

// What ReadRegularFile found at a path.
struct FileContents {
    enum class Outcome {
        Read,            // bytes holds the file's beginning, at most the bytes asked for
        NotRegularFile,  // a folder, a pipe, a device: refused before anything was read
        CannotOpen,      // reason holds the system's reason
        CannotRead,      // reason holds the system's reason
    };
    Outcome outcome = Outcome::Read;
    QByteArray bytes;
    QString reason;
};

// Reads at most maxBytes from the start of a regular file. Anything else is refused without
// reading or waiting: a pipe with no writer would otherwise block the caller for good.
FileContents ReadRegularFile(const QString& path, qint64 maxBytes);
