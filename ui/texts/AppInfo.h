#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <QStringList>

namespace wuziqi {

// The product's name, in the interface's language.
inline QString ProductTitle() {
    return QCoreApplication::translate("AppInfo", "五子棋");
}

// The project's home page: opened by the web-site command, and also the application title that
// captions every message box.
inline constexpr const char* HomePageAddress = "https://wuziqi.example.org/";

inline QString ApplicationTitle() {
    return QString::fromLatin1(HomePageAddress);
}

// Where 宋体 is named, a Song-style CJK face stands in on systems without it (fontconfig
// falls back further on its own).
inline void UseSongStyleFallbacks() {
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("AR PL UMing CN")});
}

}  // namespace wuziqi
