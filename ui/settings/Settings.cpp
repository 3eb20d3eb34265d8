#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString FrameKey = QStringLiteral("window/frame");
const QString ToolBarKey = QStringLiteral("view/toolBar");
const QString StatusBarKey = QStringLiteral("view/statusBar");
const QString MoveNumbersKey = QStringLiteral("view/moveNumbers");
const QString ClockKey = QStringLiteral("view/clock");
const QString TwoPlayersKey = QStringLiteral("game/twoPlayers");
const QString ComputerFirstKey = QStringLiteral("game/computerFirst");
const QString LevelKey = QStringLiteral("game/level");
const QString MasterSecondsKey = QStringLiteral("game/masterSeconds");
const QString LastFolderKey = QStringLiteral("files/lastFolder");
const QString LanguageKey = QStringLiteral("interface/language");

template <typename T>
void Keep(QSettings& settings, const QString& key, const T& value, const T& fallback) {
    KeepSetting(settings, key, QVariant::fromValue(value), QVariant::fromValue(fallback));
}

}  // namespace

void KeepSetting(QSettings& settings, const QString& key, const QVariant& value,
                 const QVariant& fallback) {
    if (value == fallback) {
        settings.remove(key);
    } else {
        settings.setValue(key, value);
    }
}

std::unique_ptr<QSettings> OpenSettings() {
    if (QCoreApplication::organizationName().isEmpty()) return nullptr;
    return std::make_unique<QSettings>();
}

bool ReadBool(const QSettings& settings, const QString& key, bool fallback) {
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    if (value.typeId() != QMetaType::QString) return fallback;
    const QString text = value.toString();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    return fallback;
}

int ReadInt(const QSettings& settings, const QString& key, int least, int most, int fallback) {
    const QVariant value = settings.value(key);
    bool ok = false;
    int number = 0;
    if (value.typeId() == QMetaType::Int) {
        number = value.toInt(&ok);
    } else if (value.typeId() == QMetaType::QString) {
        number = value.toString().toInt(&ok);
    }
    return ok && number >= least && number <= most ? number : fallback;
}

RememberedOptions ReadOptions(const QSettings& settings) {
    RememberedOptions options;
    const RememberedOptions defaults;
    const QVariant geometry = settings.value(GeometryKey);
    const QVariant frame = settings.value(FrameKey);
    // The one without the other is no use.
    if (geometry.typeId() == QMetaType::QByteArray && frame.typeId() == QMetaType::QRect) {
        options.geometry = geometry.toByteArray();
        options.frame = frame.toRect();
    }
    options.toolBarShown = ReadBool(settings, ToolBarKey, defaults.toolBarShown);
    options.statusBarShown = ReadBool(settings, StatusBarKey, defaults.statusBarShown);
    options.moveNumbers = ReadBool(settings, MoveNumbersKey, defaults.moveNumbers);
    options.clockRunning = ReadBool(settings, ClockKey, defaults.clockRunning);
    options.twoPlayers = ReadBool(settings, TwoPlayersKey, defaults.twoPlayers);
    options.computerFirst = ReadBool(settings, ComputerFirstKey, defaults.computerFirst);
    options.level = wuziqi::ParsePlayLevel(settings.value(LevelKey).toString().toStdString())
                        .value_or(defaults.level);
    options.masterSeconds =
        ReadInt(settings, MasterSecondsKey, 1, LongestMasterSeconds, defaults.masterSeconds);
    // A folder that has gone since is no better than none.
    const QVariant folder = settings.value(LastFolderKey);
    if (folder.typeId() == QMetaType::QString && QFileInfo(folder.toString()).isDir())
        options.lastFolder = folder.toString();
    const QVariant language = settings.value(LanguageKey);
    if (language.typeId() == QMetaType::QString)
        options.language = LanguageFromCode(language.toString()).value_or(defaults.language);
    return options;
}

Language RememberedLanguage() {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    return settings ? ReadOptions(*settings).language : RememberedOptions().language;
}

void WriteOptions(QSettings& settings, const RememberedOptions& options) {
    const RememberedOptions defaults;
    Keep(settings, GeometryKey, options.geometry, defaults.geometry);
    Keep(settings, FrameKey, options.frame, defaults.frame);
    Keep(settings, ToolBarKey, options.toolBarShown, defaults.toolBarShown);
    Keep(settings, StatusBarKey, options.statusBarShown, defaults.statusBarShown);
    Keep(settings, MoveNumbersKey, options.moveNumbers, defaults.moveNumbers);
    Keep(settings, ClockKey, options.clockRunning, defaults.clockRunning);
    Keep(settings, TwoPlayersKey, options.twoPlayers, defaults.twoPlayers);
    Keep(settings, ComputerFirstKey, options.computerFirst, defaults.computerFirst);
    Keep(settings, LevelKey, QString::fromLatin1(wuziqi::PlayLevelName(options.level)),
         QString::fromLatin1(wuziqi::PlayLevelName(defaults.level)));
    Keep(settings, MasterSecondsKey, options.masterSeconds, defaults.masterSeconds);
    Keep(settings, LastFolderKey, options.lastFolder, defaults.lastFolder);
    Keep(settings, LanguageKey, LanguageCode(options.language), LanguageCode(defaults.language));
}
