#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The game files most recently saved or opened, newest first, at most Capacity of them, as
// absolute paths of any format. Every change is written to the settings at once (key
// "recent/files"), when there are settings to write to.
class RecentGames {
  public:
    static constexpr int Capacity = 8;

    // Reads the list the settings hold; entries that are not text are dropped.
    explicit RecentGames(QSettings* settings);

    const QStringList& Files() const { return List; }
    // Puts the file first, once.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();

  private:
    void Store();

    QSettings* Settings;
    QStringList List;
};
