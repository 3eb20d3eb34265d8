#pragma once

#include <QString>

namespace wuziqi {

// The window caption.
inline QString ProductTitle() {
    return QStringLiteral("五子棋");
}

// The project's home page: opened by the web-site command, and also the application title that
// captions every message box.
inline constexpr const char* HomePageAddress = "https://wuziqi.example.org/";

inline QString ApplicationTitle() {
    return QString::fromLatin1(HomePageAddress);
}

}  // namespace wuziqi
