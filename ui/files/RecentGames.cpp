#include "RecentGames.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString FilesKey = QStringLiteral("recent/files");

QString Absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

RecentGames::RecentGames(QSettings* settings) : Settings(settings) {
    if (!Settings) return;
    // An INI file gives a list of one back as plain text.
    const QVariant stored = Settings->value(FilesKey);
    QStringList files;
    if (stored.typeId() == QMetaType::QStringList) {
        files = stored.toStringList();
    } else if (stored.typeId() == QMetaType::QString) {
        files << stored.toString();
    }
    for (const QString& file : files) {
        const QString path = Absolute(file);
        if (!file.isEmpty() && !List.contains(path) && List.size() < Capacity) List << path;
    }
}

void RecentGames::Add(const QString& path) {
    const QString absolute = Absolute(path);
    List.removeAll(absolute);
    List.prepend(absolute);
    while (List.size() > Capacity)
        List.removeLast();
    Store();
}

void RecentGames::Remove(const QString& path) {
    List.removeAll(Absolute(path));
    Store();
}

void RecentGames::Clear() {
    List.clear();
    Store();
}

void RecentGames::Store() {
    if (!Settings) return;
    if (List.isEmpty()) {
        Settings->remove(FilesKey);
    } else {
        Settings->setValue(FilesKey, List);
    }
}
