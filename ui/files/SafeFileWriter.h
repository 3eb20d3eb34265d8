#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Replaces the file at path with bytes, whole or not at all: the bytes go to a temporary file
// beside it, which takes the old file's place only once every byte has been written. Returns
// nothing on success, or the system's reason; after a failure the old file is as it was and
// no temporary file is left behind. Refuses to replace anything but a regular file.
std::optional<QString> WriteFileSafely(const QString& path, QByteArrayView bytes);
