#include "ColorValue.h"

namespace wuziqi {

namespace {

// Windows system colour numbers and the palette entry that plays their part on Qt.
QColor SystemColor(int number, const QPalette& palette) {
    switch (number) {
        case 0:   // scroll bar
        case 15:  // button face
        case 4:   // menu
        case 30:  // menu bar
            return palette.color(QPalette::Active, QPalette::Button);
        case 1:   // desktop
        case 12:  // application workspace
            return palette.color(QPalette::Active, QPalette::Dark);
        case 2:   // active caption
        case 13:  // highlight
        case 26:  // hot-tracked item
        case 27:  // active caption gradient
        case 29:  // menu highlight
            return palette.color(QPalette::Active, QPalette::Highlight);
        case 3:   // inactive caption
        case 28:  // inactive caption gradient
            return palette.color(QPalette::Inactive, QPalette::Highlight);
        case 5:  // window background
            return palette.color(QPalette::Active, QPalette::Base);
        case 6:   // window frame
        case 21:  // 3-D dark shadow
            return palette.color(QPalette::Active, QPalette::Shadow);
        case 7:  // menu text
        case 8:  // window text
            return palette.color(QPalette::Active, QPalette::WindowText);
        case 9:   // caption text
        case 14:  // highlighted text
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        case 10:  // active border
        case 11:  // inactive border
        case 22:  // 3-D light
            return palette.color(QPalette::Active, QPalette::Midlight);
        case 16:  // button shadow
            return palette.color(QPalette::Active, QPalette::Dark);
        case 17:  // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 18:  // button text
            return palette.color(QPalette::Active, QPalette::ButtonText);
        case 19:  // inactive caption text
            return palette.color(QPalette::Inactive, QPalette::HighlightedText);
        case 20:  // button highlight
            return palette.color(QPalette::Active, QPalette::Light);
        case 23:  // tooltip text
            return palette.color(QPalette::Active, QPalette::ToolTipText);
        case 24:  // tooltip background
            return palette.color(QPalette::Active, QPalette::ToolTipBase);
        default: return palette.color(QPalette::Active, QPalette::Button);
    }
}

}  // namespace

QColor ToQColor(TColor c, const QPalette& palette) {
    if (c == clNone) return QColor();
    if (IsSystemColor(c)) return SystemColor(static_cast<int>(c & 0xFF), palette);
    return RawBytesColor(c);
}

QColor RawBytesColor(TColor c) {
    return QColor(RedByte(c), GreenByte(c), BlueByte(c));
}

TColor FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

}  // namespace wuziqi
