#include "OpponentSettings.h"

#include <QSettings>

#include "Settings.h"

namespace {

const QString KindKey = QStringLiteral("opponent/kind");
const QString EngineKey = QStringLiteral("opponent/engine");
const QString TurnSecondsKey = QStringLiteral("opponent/turnSeconds");
const QString EngineKind = QStringLiteral("engine");
const QString BuiltInKind = QStringLiteral("builtin");

}  // namespace

OpponentSettings OpponentSettings::Load() {
    OpponentSettings loaded;
    const std::unique_ptr<QSettings> settings = OpenSettings();
    if (!settings) return loaded;
    const QVariant engine = settings->value(EngineKey);
    if (engine.typeId() == QMetaType::QString) loaded.enginePath = engine.toString();
    loaded.useEngine =
        settings->value(KindKey).toString() == EngineKind && !loaded.enginePath.isEmpty();
    loaded.turnSeconds =
        ReadInt(*settings, TurnSecondsKey, 1, LongestTurnSeconds, DefaultTurnSeconds);
    return loaded;
}

void OpponentSettings::Save() const {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    if (!settings) return;
    const OpponentSettings defaults;
    KeepSetting(*settings, KindKey, useEngine ? EngineKind : BuiltInKind, BuiltInKind);
    KeepSetting(*settings, EngineKey, enginePath, defaults.enginePath);
    KeepSetting(*settings, TurnSecondsKey, turnSeconds, defaults.turnSeconds);
}
