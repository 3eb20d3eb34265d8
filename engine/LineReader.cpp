#include "LineReader.h"

namespace wuziqi::engine {

LineReader::Result LineReader::Next(std::string& line) {
    line.clear();
    bool tooLong = false;
    int c = std::getc(in_);
    if (c == EOF) return Result::End;
    for (; c != EOF && c != '\n'; c = std::getc(in_)) {
        if (line.size() < maxLength_)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
    }
    if (tooLong) {
        line.clear();
        return Result::TooLong;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return Result::Line;
}

}  // namespace wuziqi::engine
