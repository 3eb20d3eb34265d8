#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace wuziqi::engine {

// Reads lines of bounded length, so that no input can make the engine hold an unbounded
// amount of memory. A longer line is read to its end and reported as too long.
class LineReader {
  public:
    enum class Result { Line, TooLong, End };

    LineReader(std::FILE* in, std::size_t maxLength) : in_(in), maxLength_(maxLength) {}

    // The next line without its line break (a trailing carriage return is dropped too).
    Result Next(std::string& line);

  private:
    std::FILE* in_;
    std::size_t maxLength_;
};

}  // namespace wuziqi::engine
