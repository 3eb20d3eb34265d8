#pragma once

#include <QString>

#include "TextGameFile.h"

// The message for a refused .psq or .sgf file: "不是棋盘文件！", as for a .wzq file, and the
// reason, naming the move (counted from 1) and the file's own spelling where there is one.
QString DescribeRefusal(const wuziqi::TextGameFile& file);
