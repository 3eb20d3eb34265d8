#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <memory>

#include "Language.h"
#include "LevelReply.h"

class QSettings;
class QVariant;

// The application's settings file, or none while the application has no organisation name to
// keep it under (main sets one; a window made without it remembers nothing).
std::unique_ptr<QSettings> OpenSettings();

// The window's options as the person left them. What is written is only what differs from
// the first start's defaults; anything missing, unreadable, of the wrong type or out of range
// reads back as that default.
//
// Keys: "window/geometry", "window/frame", "view/toolBar", "view/statusBar", "view/moveNumbers",
// "view/clock", "game/twoPlayers", "game/computerFirst", "game/level", "game/masterSeconds",
// "files/lastFolder",
// "interface/language". Others keep their own keys: "recent/" (RecentGames) and "opponent/"
// (OpponentSettings). The kept game has a file of its own (KeptGameFile).
struct RememberedOptions {
    QByteArray geometry;  // QWidget::saveGeometry; empty: sized and centred as on a first start
    QRect frame;          // where that geometry puts the window, title bar and all
    bool toolBarShown = true;
    bool statusBarShown = true;
    bool moveNumbers = false;
    bool clockRunning = false;
    bool twoPlayers = false;
    bool computerFirst = true;
    wuziqi::PlayLevel level = wuziqi::PlayLevel::Standard;
    int masterSeconds = 1;  // the master's time for a move
    QString lastFolder;     // of Save and Open; empty: the dialogs' own starting folder
    Language language = Language::Chinese;

    friend bool operator==(const RememberedOptions&, const RememberedOptions&) = default;
};

RememberedOptions ReadOptions(const QSettings& settings);
// The language the settings hold, for the start: Chinese without settings.
Language RememberedLanguage();
void WriteOptions(QSettings& settings, const RememberedOptions& options);

// Writes the value, or removes the key when the value is the default, so that a first
// start's behaviour is never written down as a choice.
void KeepSetting(QSettings& settings, const QString& key, const QVariant& value,
                 const QVariant& fallback);

// Typed reads that fall back to the default for a missing key, a value of another type, or
// text that is not one of the type's spellings (an INI file gives back text).
bool ReadBool(const QSettings& settings, const QString& key, bool fallback);
int ReadInt(const QSettings& settings, const QString& key, int least, int most, int fallback);

// The master's time for a move may be set from 1 to this many seconds.
inline constexpr int LongestMasterSeconds = 60;
