#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace wuziqi {

// A colour in the Windows convention the button's properties keep: 0x00BBGGRR for an RGB
// colour (red in the low byte), 0xFF0000nn for system colour number nn, clNone for none.
using TColor = quint32;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clFuchsia = 0x00FF00FF;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clBtnHighlight = 0xFF000014;

constexpr TColor RGB(int red, int green, int blue) {
    return static_cast<TColor>(red & 0xFF) | (static_cast<TColor>(green & 0xFF) << 8) |
           (static_cast<TColor>(blue & 0xFF) << 16);
}

constexpr int RedByte(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenByte(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueByte(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr bool IsSystemColor(TColor c) {
    return (c & 0xFF000000u) == 0xFF000000u;
}

// The colour a pixel gets: system colours come from the widget's palette, clNone is an
// invalid QColor (nothing drawn), anything else is taken by its three low bytes.
QColor ToQColor(TColor c, const QPalette& palette);

// The three low bytes as they stand, system colours not resolved: what gradients use.
QColor RawBytesColor(TColor c);

// The other way round, for colours read back from pixels (alpha dropped).
TColor FromQColor(const QColor& c);

}  // namespace wuziqi
