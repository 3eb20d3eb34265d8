#pragma once

#include <QString>

// One line a Gomocup engine sends, as the window reads it.
struct EngineLine {
    enum class Kind {
        Blank,    // ignored, as managers do
        Message,  // MESSAGE text: for the person
        Debug,    // DEBUG text: for the engine's author
        Ok,
        Error,    // ERROR reason
        Unknown,  // UNKNOWN reason: the command is not understood
        Suggest,  // SUGGEST x,y: a move the manager may confirm with PLAY
        Point,    // x,y: a move
        Other,    // anything else
    };
    Kind kind = Kind::Blank;
    QString text;  // what follows the keyword; for Point and Other the whole line
    // A Point's or Suggest's coordinates as sent (0-based); -1 for a number too large to be
    // a coordinate, so that it reads as off the board.
    int x = -1;
    int y = -1;
};

EngineLine ReadEngineLine(const QString& line);

// The name and version an engine gives in its answer to ABOUT: name="…", version="…", … .
// An older engine's free text stands as the name.
struct EngineAbout {
    QString name;
    QString version;
};
EngineAbout ReadEngineAbout(const QString& line);
