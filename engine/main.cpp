// pbrain-wuziqi: the computer player outside the window. Without arguments it speaks the
// Gomocup AI protocol on standard input and output; "analyze" answers one position a line;
// --level picks the level of play. Built as pbrain-wuziqi-master, the master level is the
// default, for managers that start a program without arguments.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "AnalyzeMode.h"
#include "GomocupSession.h"
#include "LevelReply.h"
#include "LineReader.h"
#include "NumberParsing.h"

namespace {

using namespace wuziqi::engine;

constexpr std::size_t MaxProtocolLine = 4096;
constexpr std::size_t MaxAnalyzeLine = 1 << 20;
// Beyond the game's 16 the search grows fast; 32 keeps a line within seconds. Below 1 the
// search answers nothing at all and would hand back the last stone's point.
constexpr int MinDepth = 1;
constexpr int MaxDepth = 32;
constexpr int MaxAnalyzeMs = 3600000;

#ifdef PBRAIN_MASTER_BY_DEFAULT
constexpr wuziqi::PlayLevel DefaultLevel = wuziqi::PlayLevel::Master;
#else
constexpr wuziqi::PlayLevel DefaultLevel = wuziqi::PlayLevel::Standard;
#endif

void Print(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int Usage() {
    std::fputs(
        "usage: pbrain-wuziqi [--level L]            Gomocup protocol on stdin/stdout\n"
        "       pbrain-wuziqi analyze [--level L] [--depth N] [--ms T] [--levels] [--reply]\n"
        "                             [--line]\n"
        "       L is standard or master; N from 1 to 32, 16 by default; T, the master's\n"
        "       time a line in milliseconds, 1000 by default\n",
        stderr);
    return 2;
}

// The level named by the argument after --level.
bool ParseLevel(const char* text, wuziqi::PlayLevel& level) {
    const auto parsed = wuziqi::ParsePlayLevel(text);
    if (!parsed) return false;
    level = *parsed;
    return true;
}

int RunProtocol(wuziqi::PlayLevel level) {
    GomocupSession session(level);
    LineReader reader(stdin, MaxProtocolLine);
    std::string line;
    for (;;) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::End) return 0;
        if (result == LineReader::Result::TooLong) {
            Print("ERROR line too long");
            continue;
        }
        for (const std::string& answer : session.Handle(line))
            Print(answer);
        if (session.Finished()) return 0;
    }
}

int RunAnalyze(int argc, char** argv) {
    AnalyzeOptions options;
    options.level = DefaultLevel;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--level" && i + 1 < argc) {
            if (!ParseLevel(argv[++i], options.level)) return Usage();
        } else if (arg == "--ms" && i + 1 < argc) {
            if (!ParseInt(argv[++i], 1, MaxAnalyzeMs, options.masterMs)) return Usage();
        } else if (arg == "--levels") {
            options.levels = true;
        } else if (arg == "--reply") {
            options.reply = true;
        } else if (arg == "--line") {
            options.line = true;
        } else if (arg == "--depth" && i + 1 < argc) {
            if (!ParseInt(argv[++i], MinDepth, MaxDepth, options.depth)) return Usage();
        } else {
            return Usage();
        }
    }
    LineReader reader(stdin, MaxAnalyzeLine);
    std::string line;
    for (;;) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::End) return 0;
        if (result == LineReader::Result::TooLong)
            Print("{\"error\":\"line too long\"}");
        else
            Print(AnalyzePosition(line, options));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1) return RunProtocol(DefaultLevel);
    if (std::strcmp(argv[1], "analyze") == 0) return RunAnalyze(argc, argv);
    wuziqi::PlayLevel level = DefaultLevel;
    if (argc == 3 && std::strcmp(argv[1], "--level") == 0 && ParseLevel(argv[2], level))
        return RunProtocol(level);
    return Usage();
}
