#pragma once

// The gradient button's enumerations, its XP colour table and the drawing primitives it paints
// with. Rectangles are Windows-style: right and bottom are one past the last pixel.

#include <QImage>
#include <QObject>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <array>

#include "ColorValue.h"

namespace wuziqi {
Q_NAMESPACE

enum TButtonStyle { bsStandard, bsGradient, bsXPBlue, bsXPArgent, bsXPGreen };
Q_ENUM_NS(TButtonStyle)

// Where the glyph stands relative to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

// The predefined kinds: glyph, caption and modal result come from the kind table.
enum TButtonKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll,
    bkOpen,
    bkNew,
    bkCopy,
    bkCut,
    bkEdit,
    bkDelete,
    bkPaste,
    bkFind,
    bkUndo,
    bkRedo,
    bkSave,
    bkCheck,
    bkPrinter,
    bkExit,
    bkHelps,
    bkAbout,
    bkCalculate,
    bkSearch,
    bkInformation,
    bkPassWord,
    bkStart,
    bkPrevious,
    bkNext,
    bkEnd,
    bkQuestion,
    bkSaveto,
    bkChart,
    bkDesign,
    bkPreview,
    bkRefresh,
    bkPropertiy,
    bkAddNew,
    bkAcduit,
    bkLink,
    bkAccount,
    bkHome,
    bkTools,
    bkError,
    bkBuild,
    bkLoad
};
Q_ENUM_NS(TButtonKind)

inline constexpr int kButtonKindCount = bkLoad + 1;

// What the button shows: its normal, disabled or pressed look.
enum class TButtonDrawState { Up, Disabled, Down };

constexpr bool IsXPStyle(TButtonStyle style) {
    return style == bsXPBlue || style == bsXPArgent || style == bsXPGreen;
}

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    TRect Inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    TRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The surface the primitives draw on: the painter and the palette that system colours
// resolve through.
struct TCanvas {
    QPainter& painter;
    const QPalette& palette;
};

// The 24 colours an XP style draws with.
using TXPPalette = std::array<TColor, 24>;

// The colours of bsXPBlue, bsXPArgent or bsXPGreen; all zero for the other styles.
const TXPPalette& XPPaletteOf(TButtonStyle style);

// Fills rectangle r (exclusive right and bottom) with a colour; clNone draws nothing.
void FillRect(TCanvas canvas, TRect r, TColor color);

TColor GradientStepColor(TRect r, TColor a, TColor b, int step);
void FillVerticalGradient(TCanvas canvas, TRect r, TColor a, TColor b);
void DrawBevelFrame(TCanvas canvas, TRect r, TColor first, TColor second, int rings);
TRect EdgeStripRect(TRect r, char side);
void DrawXPShading(TCanvas canvas, TRect r, TColor c1, TColor c2, TColor c3, TColor c4, TColor c5);
void DrawXPFace(TCanvas canvas, TRect r, TButtonDrawState state, const TXPPalette& slot);

// The embossed silhouette of the source's pixels in outline colour: highlight one pixel down
// and right (when asked for), shadow on top, everything else the back colour. A picture drawn
// at `step` times the size moves its highlight by `step` pixels, one pixel of the drawing.
QImage MakeDisabledGlyph(const QImage& source, TColor outline, TColor back, TColor highlight,
                         TColor shadow, bool drawHighlight, const QPalette& palette, int step = 1);

// The dotted focus outline of r: every other pixel of its edge inverted, so that drawing it
// twice removes it again.
void DrawFocusRect(TCanvas canvas, TRect r);

// Each channel of the end colour plus 20, kept at 255.
TColor HotEndColor(TColor endColor);

}  // namespace wuziqi
