#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "GameFileFormat.h"
#include "KeptGame.h"
#include "SgfFile.h"

class GameSession;
class QFileDialog;
class QMenu;
class QSettings;
class QWidget;
class RecentGames;

// The game on disk: Save and Open with their dialogs, the 最近打开 list, and the game kept for
// the next start. A file is read in the format its content shows, and checked whole before
// anything of the game on the board changes. What the person must be told leaves as Message.
class GameFiles : public QObject {
    Q_OBJECT

  public:
    // The names written into a game file that keeps them.
    using PlayersOfGame = std::function<wuziqi::SgfPlayers()>;

    GameFiles(GameSession& session, QWidget* window, QMenu* recentMenu, QSettings* settings,
              PlayersOfGame players);
    ~GameFiles() override;

    // Save and Open with the dialogs; false when nothing was written or loaded.
    void SaveChosen();
    void OpenChosen();
    bool Save(const QString& fileName, GameFileFormat format = GameFileFormat::Wzq);
    bool Load(const QString& fileName);
    // An entry of 最近打开; a file that has gone is dropped from the list.
    bool OpenRecent(const QString& fileName);
    void ClearRecent();
    const QStringList& RecentFiles() const;

    // The folder the dialogs open in: the last one a game was saved to or opened from.
    QString Folder() const { return folder; }
    void SetFolder(const QString& folder);
    // Made anew in the interface's language, in the same folders.
    void RemakeDialogs();

    // The kept game, or nothing after the loader's message.
    std::optional<wuziqi::KeptGame> ReadKept();
    // Replaces the kept game; unless quietly, says so when it could not be written.
    void Keep(const wuziqi::KeptGame& game, bool quietly);

  signals:
    void Message(const QString& text);
    // A game of the list was opened: it is the one to look at now.
    void RecentGameOpened();

  private:
    void CreateDialogs();
    ChosenGameFile Choose(QFileDialog* dialog);
    void Remember(const QString& fileName);
    void ShowRecent();
    std::optional<QByteArray> ReadBytes(const QString& fileName);
    std::optional<std::vector<wuziqi::MoveRecord>> ReadGame(const QString& fileName);

    GameSession& session;
    QWidget* window;
    QMenu* recentMenu;
    PlayersOfGame players;
    std::unique_ptr<RecentGames> recent;
    QFileDialog* saveDialog = nullptr;
    QFileDialog* openDialog = nullptr;
    QString folder;
};
