#pragma once

#include <QString>

#include "TextGameFile.h"

// The message for a refused .psq or .sgf file: "不是棋盘文件！", as for a .wzq file, and the
// reason, naming the move (counted from 1) and the file's own spelling where there is one.
QString DescribeRefusal(const wuziqi::TextGameFile& file);

// The message for a file that opens like none of the three formats: that title and, for each
// format, why the file is not one.
QString DescribeUnknownGameFile();
