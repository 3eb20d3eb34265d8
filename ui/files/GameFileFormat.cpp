#include "GameFileFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "GameFileRefusal.h"
#include "GameTexts.h"
#include "PsqFile.h"
#include "SavedGame.h"
#include "SgfFile.h"

namespace {

// The texts' context in the translations.
struct Translated {
    Q_DECLARE_TR_FUNCTIONS(GameFileFormat)
};

constexpr GameFileFormat AllFormats[] = {GameFileFormat::Wzq, GameFileFormat::Psq,
                                         GameFileFormat::Sgf};

bool StartsLike(GameFileFormat format, const QByteArray& bytes) {
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    switch (format) {
        case GameFileFormat::Wzq: break;
        case GameFileFormat::Psq: return wuziqi::StartsLikePsq(text);
        case GameFileFormat::Sgf: return wuziqi::StartsLikeSgf(text);
    }
    return wuziqi::StartsLikeSavedGame(
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace

QStringList GameFileFilters() {
    // The .wzq filter reads as it always has; the others say what they are.
    return {QStringLiteral("*.wzq"), Translated::tr("Gomocup 棋谱 (*.psq)"),
            Translated::tr("SGF 棋谱 (*.sgf)")};
}

GameFileFormat FormatOfFilter(const QString& filter) {
    switch (GameFileFilters().indexOf(filter)) {
        case 1: return GameFileFormat::Psq;
        case 2: return GameFileFormat::Sgf;
        default: return GameFileFormat::Wzq;
    }
}

QString SuffixOf(GameFileFormat format) {
    switch (format) {
        case GameFileFormat::Wzq: break;
        case GameFileFormat::Psq: return QStringLiteral("psq");
        case GameFileFormat::Sgf: return QStringLiteral("sgf");
    }
    return QStringLiteral("wzq");
}

std::optional<GameFileFormat> FormatNamedBy(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (GameFileFormat format : AllFormats)
        if (suffix == SuffixOf(format)) return format;
    return std::nullopt;
}

QByteArray EncodeGameFile(GameFileFormat format, std::span<const wuziqi::MoveRecord> moves,
                          const wuziqi::SgfPlayers& players) {
    switch (format) {
        case GameFileFormat::Wzq: break;
        case GameFileFormat::Psq: return QByteArray::fromStdString(wuziqi::EncodePsq(moves));
        case GameFileFormat::Sgf:
            return QByteArray::fromStdString(wuziqi::EncodeSgf(moves, players));
    }
    const std::vector<std::uint8_t> bytes = wuziqi::EncodeSavedGame(moves);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

qint64 LargestGameFile() {
    return static_cast<qint64>(std::max(wuziqi::LargestSavedGameFile, wuziqi::LargestTextGameFile));
}

std::optional<GameFileFormat> DetectGameFileFormat(const QByteArray& bytes,
                                                   const QString& fileName) {
    // The format the name gives is tried first, so it wins wherever the bytes fit several
    // (the three openings exclude each other as they stand).
    const std::optional<GameFileFormat> named = FormatNamedBy(fileName);
    if (named && StartsLike(*named, bytes)) return named;
    for (GameFileFormat format : AllFormats)
        if (StartsLike(format, bytes)) return format;
    return std::nullopt;
}

ReadGameFileResult DecodeGameFile(GameFileFormat format, const QByteArray& bytes) {
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (format == GameFileFormat::Wzq) {
        const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        wuziqi::DecodedGame decoded =
            wuziqi::DecodeSavedGame({first, static_cast<std::size_t>(bytes.size())});
        if (decoded.ok()) return {std::move(decoded.moves), {}};
        return {{}, GameTexts::SavedGameRefusal(decoded.error, decoded.badEntry)};
    }
    wuziqi::TextGameFile read =
        format == GameFileFormat::Psq ? wuziqi::DecodePsq(text) : wuziqi::DecodeSgf(text);
    if (read.ok()) return {std::move(read.moves), {}};
    return {{}, DescribeRefusal(read)};
}

ReadGameFileResult DecodeAnyGameFile(const QByteArray& bytes, const QString& fileName) {
    const std::optional<GameFileFormat> format = DetectGameFileFormat(bytes, fileName);
    if (!format) return {{}, DescribeUnknownGameFile()};
    return DecodeGameFile(*format, bytes);
}
