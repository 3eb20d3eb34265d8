#include "OpponentSettings.h"

#include <QSettings>

namespace {

const QString KindKey = QStringLiteral("opponent/kind");
const QString EngineKey = QStringLiteral("opponent/engine");
const QString TurnSecondsKey = QStringLiteral("opponent/turnSeconds");
const QString EngineKind = QStringLiteral("engine");
const QString BuiltInKind = QStringLiteral("builtin");

}  // namespace

OpponentSettings OpponentSettings::Load() {
    const QSettings settings;
    OpponentSettings loaded;
    loaded.enginePath = settings.value(EngineKey).toString();
    loaded.useEngine =
        settings.value(KindKey).toString() == EngineKind && !loaded.enginePath.isEmpty();
    bool ok = false;
    const int seconds = settings.value(TurnSecondsKey).toInt(&ok);
    if (ok && seconds >= 1 && seconds <= LongestTurnSeconds) loaded.turnSeconds = seconds;
    return loaded;
}

void OpponentSettings::Save() const {
    QSettings settings;
    settings.setValue(KindKey, useEngine ? EngineKind : BuiltInKind);
    settings.setValue(EngineKey, enginePath);
    settings.setValue(TurnSecondsKey, turnSeconds);
}
