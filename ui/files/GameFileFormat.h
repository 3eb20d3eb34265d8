#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

#include "MoveRecord.h"
#include "SgfFile.h"

// The three kinds of game file Save and Open offer: the game's own .wzq (the default), the
// Gomocup manager's .psq and SGF. Save writes the format the name's extension names, or else
// the one of the dialog's filter; Open goes by what the file holds.
enum class GameFileFormat { Wzq, Psq, Sgf };

struct ChosenGameFile {
    QString name;  // empty when the dialog was cancelled
    GameFileFormat format = GameFileFormat::Wzq;
};

// The dialogs' filters in the order offered, .wzq first; the format a filter stands for
// (.wzq for one it does not know) and the extension it adds to a bare name.
QStringList GameFileFilters();
GameFileFormat FormatOfFilter(const QString& filter);
QString SuffixOf(GameFileFormat format);
// The format a file's extension (.wzq, .psq or .sgf, in any case) names, if any.
std::optional<GameFileFormat> FormatNamedBy(const QString& fileName);

// The file for the moves; SGF also keeps the players' names.
QByteArray EncodeGameFile(GameFileFormat format, std::span<const wuziqi::MoveRecord> moves,
                          const wuziqi::SgfPlayers& players);

// More bytes than a file of any format holds; readers stop one byte past it.
qint64 LargestGameFile();

// The format whose opening the bytes have: the .wzq identification, a first line
// "Piskvorky", or "(;" after any byte-order mark and white space. The name's extension
// decides only between formats the bytes fit alike. Nothing when they fit none.
std::optional<GameFileFormat> DetectGameFileFormat(const QByteArray& bytes,
                                                   const QString& fileName);

// The moves of a file, or, when it is refused, the message that says why.
struct ReadGameFileResult {
    std::vector<wuziqi::MoveRecord> moves;
    QString refusal;
};
ReadGameFileResult DecodeGameFile(GameFileFormat format, const QByteArray& bytes);
// Decodes the file in the format DetectGameFileFormat finds; a file that fits none is refused
// with why it is none of them.
ReadGameFileResult DecodeAnyGameFile(const QByteArray& bytes, const QString& fileName);
