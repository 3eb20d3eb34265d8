#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "MoveRecord.h"
#include "SgfFile.h"

// The three kinds of game file Save and Open offer, each chosen by its file-dialog filter:
// the game's own .wzq (the default), the Gomocup manager's .psq and SGF.
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
// The format a file's extension names; .wzq for any other.
GameFileFormat FormatOfFile(const QString& fileName);

// The file for the moves; SGF also keeps the players' names.
QByteArray EncodeGameFile(GameFileFormat format, std::span<const wuziqi::MoveRecord> moves,
                          const wuziqi::SgfPlayers& players);

// More bytes than any file of the format holds; readers stop one byte past it.
qint64 LargestGameFile(GameFileFormat format);

// The moves of a file, or, when it is refused, the message that says why.
struct ReadGameFileResult {
    std::vector<wuziqi::MoveRecord> moves;
    QString refusal;
};
ReadGameFileResult DecodeGameFile(GameFileFormat format, const QByteArray& bytes);
