#include "EngineLine.h"

#include <QRegularExpression>

namespace {

// A free-text name longer than this is cut: it stands in the status bar.
constexpr int LongestName = 60;

int Coordinate(const QString& digits) {
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : -1;
}

}  // namespace

EngineLine ReadEngineLine(const QString& raw) {
    const QString line = raw.trimmed();
    if (line.isEmpty()) return {};
    static const QRegularExpression point(QStringLiteral(R"(^(-?\d+)\s*,\s*(-?\d+)$)"));
    const QString keyword = line.section(QLatin1Char(' '), 0, 0).toUpper();
    const QString rest = line.section(QLatin1Char(' '), 1).trimmed();
    static const std::pair<const char*, EngineLine::Kind> keywords[] = {
        {"MESSAGE", EngineLine::Kind::Message}, {"DEBUG", EngineLine::Kind::Debug},
        {"OK", EngineLine::Kind::Ok},           {"ERROR", EngineLine::Kind::Error},
        {"UNKNOWN", EngineLine::Kind::Unknown}, {"SUGGEST", EngineLine::Kind::Suggest}};
    for (const auto& [word, kind] : keywords) {
        if (keyword != QLatin1String(word)) continue;
        EngineLine read{kind, rest};
        if (kind != EngineLine::Kind::Suggest) return read;
        const QRegularExpressionMatch match = point.match(rest);
        if (!match.hasMatch()) return {EngineLine::Kind::Other, line};
        read.x = Coordinate(match.captured(1));
        read.y = Coordinate(match.captured(2));
        return read;
    }
    const QRegularExpressionMatch match = point.match(line);
    if (!match.hasMatch()) return {EngineLine::Kind::Other, line};
    return {EngineLine::Kind::Point, line, Coordinate(match.captured(1)),
            Coordinate(match.captured(2))};
}

EngineAbout ReadEngineAbout(const QString& line) {
    static const QRegularExpression field(QStringLiteral(R"re((\w+)\s*=\s*"([^"]*)")re"));
    EngineAbout about;
    bool keyed = false;
    for (const QRegularExpressionMatch& match : field.globalMatch(line)) {
        keyed = true;
        const QString key = match.captured(1).toLower();
        if (key == QLatin1String("name")) about.name = match.captured(2).trimmed();
        if (key == QLatin1String("version")) about.version = match.captured(2).trimmed();
    }
    if (!keyed) about.name = line.trimmed().left(LongestName);
    return about;
}
