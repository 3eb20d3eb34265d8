#include "XPButtonClass.h"

#include <algorithm>

namespace wuziqi {

namespace {

constexpr TXPPalette kNoXPPalette{};

// Slot values of the three XP styles, as (red, green, blue).
constexpr TXPPalette kXPBlue = {
    RGB(0, 60, 116),    RGB(123, 149, 169), RGB(252, 252, 251), RGB(236, 236, 230),
    RGB(229, 228, 221), RGB(226, 226, 218), RGB(255, 240, 207), RGB(253, 216, 137),
    RGB(248, 179, 48),  RGB(229, 151, 0),   RGB(206, 231, 255), RGB(155, 212, 246),
    RGB(137, 173, 228), RGB(105, 130, 238), RGB(255, 255, 255), RGB(254, 254, 254),
    RGB(236, 236, 230), RGB(226, 223, 214), RGB(214, 208, 197), RGB(209, 184, 193),
    RGB(220, 216, 207), RGB(226, 226, 218), RGB(234, 233, 227), RGB(242, 241, 248)};

constexpr TXPPalette kXPArgent = {
    RGB(55, 98, 6),     RGB(117, 137, 91),  RGB(253, 253, 253), RGB(205, 204, 223),
    RGB(253, 253, 253), RGB(205, 204, 223), RGB(255, 240, 207), RGB(253, 216, 137),
    RGB(248, 179, 48),  RGB(229, 151, 0),   RGB(194, 209, 143), RGB(177, 208, 128),
    RGB(144, 193, 84),  RGB(135, 201, 84),  RGB(255, 255, 255), RGB(254, 254, 254),
    RGB(205, 204, 223), RGB(198, 197, 215), RGB(197, 196, 214), RGB(197, 196, 214),
    RGB(198, 197, 215), RGB(253, 253, 253), RGB(254, 254, 254), RGB(255, 255, 255)};

constexpr TXPPalette kXPGreen = {
    RGB(55, 98, 6),     RGB(123, 149, 169), RGB(254, 255, 242), RGB(243, 238, 209),
    RGB(238, 230, 210), RGB(236, 228, 206), RGB(194, 227, 143), RGB(177, 223, 128),
    RGB(144, 193, 84),  RGB(168, 167, 102), RGB(206, 231, 255), RGB(155, 212, 246),
    RGB(137, 173, 228), RGB(105, 130, 238), RGB(255, 255, 246), RGB(254, 254, 245),
    RGB(243, 238, 209), RGB(236, 225, 191), RGB(227, 209, 174), RGB(223, 185, 180),
    RGB(231, 217, 195), RGB(236, 228, 206), RGB(242, 236, 216), RGB(248, 254, 228)};

void SetPixel(TCanvas canvas, int x, int y, TColor color) {
    FillRect(canvas, {x, y, x + 1, y + 1}, color);
}

// A one-pixel horizontal line from column x1 up to, not including, column x2.
void HorizontalLine(TCanvas canvas, int y, int x1, int x2, TColor color) {
    FillRect(canvas, {x1, y, x2, y + 1}, color);
}

// A one-pixel vertical line from row y1 up to, not including, row y2.
void VerticalLine(TCanvas canvas, int x, int y1, int y2, TColor color) {
    FillRect(canvas, {x, y1, x + 1, y2}, color);
}

int StepChannel(int a, int b, int step, int n) {
    return a + ((b - a) * step) / n;
}

bool IsMaskPixel(const QImage& source, int x, int y, QRgb outline) {
    const QRgb pixel = source.pixel(x, y);
    if (source.depth() == 1) return qGray(pixel) == 0;
    return qAlpha(pixel) != 0 && (pixel & 0x00FFFFFF) == (outline & 0x00FFFFFF);
}

}  // namespace

const TXPPalette& XPPaletteOf(TButtonStyle style) {
    switch (style) {
        case bsXPBlue: return kXPBlue;
        case bsXPArgent: return kXPArgent;
        case bsXPGreen: return kXPGreen;
        default: return kNoXPPalette;
    }
}

void FillRect(TCanvas canvas, TRect r, TColor color) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    const QColor c = ToQColor(color, canvas.palette);
    if (!c.isValid()) return;
    canvas.painter.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), c);
}

TColor GradientStepColor(TRect r, TColor a, TColor b, int step) {
    const int n = r.Height();
    if (n <= 0) return RGB(RedByte(a), GreenByte(a), BlueByte(a));
    return RGB(StepChannel(RedByte(a), RedByte(b), step, n),
               StepChannel(GreenByte(a), GreenByte(b), step, n),
               StepChannel(BlueByte(a), BlueByte(b), step, n));
}

void FillVerticalGradient(TCanvas canvas, TRect r, TColor a, TColor b) {
    const TRect inner = r.Inset(1);
    const int n = inner.Height();
    for (int i = 1; i <= n; ++i) {
        // The step colour is plain RGB, so the palette never comes into it.
        const TColor color = GradientStepColor(inner, a, b, i);
        if (i == 1) {
            FillRect(canvas, inner, color);
        } else {
            HorizontalLine(canvas, inner.top + i - 1, inner.left, inner.right, color);
        }
    }
}

void DrawBevelFrame(TCanvas canvas, TRect r, TColor first, TColor second, int rings) {
    // Work on the last pixel column and row instead of the exclusive edges; the second colour
    // wins at the top-right and bottom-left corners.
    TRect ring{r.left, r.top, r.right - 1, r.bottom - 1};
    for (int i = 0; i < rings; ++i) {
        if (ring.right < ring.left || ring.bottom < ring.top) return;
        VerticalLine(canvas, ring.left, ring.top, ring.bottom + 1, first);
        HorizontalLine(canvas, ring.top, ring.left, ring.right, first);
        VerticalLine(canvas, ring.right, ring.top, ring.bottom, second);
        HorizontalLine(canvas, ring.bottom, ring.left, ring.right + 1, second);
        ring = ring.Inset(1);
    }
}

TRect EdgeStripRect(TRect r, char side) {
    if (side == 'L') return {r.left, r.top + 2, r.left + 4, r.bottom - 2};
    return {r.right - 4, r.top + 2, r.right, r.bottom - 2};
}

void DrawXPShading(TCanvas canvas, TRect r, TColor c1, TColor c2, TColor c3, TColor c4, TColor c5) {
    HorizontalLine(canvas, r.top + 1, r.left + 2, r.right - 2, c1);
    HorizontalLine(canvas, r.top + 2, r.left + 1, r.right - 1, c2);
    if (c3 != clNone) HorizontalLine(canvas, r.bottom - 4, r.left + 1, r.right - 1, c3);
    HorizontalLine(canvas, r.bottom - 3, r.left + 1, r.right - 1, c4);
    HorizontalLine(canvas, r.bottom - 2, r.left + 2, r.right - 2, c5);
    FillVerticalGradient(canvas, EdgeStripRect(r, 'L'), c2, c4);
    FillVerticalGradient(canvas, EdgeStripRect(r, 'R'), c2, c4);
}

void DrawXPFace(TCanvas canvas, TRect r, TButtonDrawState state, const TXPPalette& slot) {
    const int l = r.left, t = r.top, rt = r.right, b = r.bottom;

    // The outline of a rectangle with 6 x 6 rounded corners, one pixel cut diagonally at each
    // corner; the corner pixels of slot 1 below soften it.
    const TColor outline = state == TButtonDrawState::Disabled ? clBtnShadow : slot[0];
    HorizontalLine(canvas, t, l + 2, rt - 2, outline);
    HorizontalLine(canvas, b - 1, l + 2, rt - 2, outline);
    VerticalLine(canvas, l, t + 2, b - 2, outline);
    VerticalLine(canvas, rt - 1, t + 2, b - 2, outline);
    SetPixel(canvas, l + 1, t + 1, outline);
    SetPixel(canvas, rt - 2, t + 1, outline);
    SetPixel(canvas, l + 1, b - 2, outline);
    SetPixel(canvas, rt - 2, b - 2, outline);

    const TRect face{l, t + 2, rt, b - 3};
    if (state == TButtonDrawState::Down) {
        FillVerticalGradient(canvas, face, slot[5], slot[4]);
        DrawXPShading(canvas, r, slot[19], slot[20], slot[21], slot[22], slot[23]);
    } else {
        FillVerticalGradient(canvas, face, slot[2], slot[3]);
        DrawXPShading(canvas, r, slot[14], slot[15], slot[16], slot[17], slot[18]);
    }

    SetPixel(canvas, l + 1, t, slot[1]);
    SetPixel(canvas, l, t + 1, slot[1]);
    SetPixel(canvas, rt - 2, t, slot[1]);
    SetPixel(canvas, rt - 1, t + 1, slot[1]);
    SetPixel(canvas, l, b - 2, slot[1]);
    SetPixel(canvas, l + 1, b - 1, slot[1]);
    SetPixel(canvas, rt - 2, b - 1, slot[1]);
    SetPixel(canvas, rt - 1, b - 2, slot[1]);
}

QImage MakeDisabledGlyph(const QImage& source, TColor outline, TColor back, TColor highlight,
                         TColor shadow, bool drawHighlight, const QPalette& palette, int step) {
    QImage result(source.size(), QImage::Format_RGB32);
    if (result.isNull()) return result;
    result.fill(ToQColor(back, palette));
    const QRgb outlineRgb = ToQColor(outline, palette).rgb();
    const QRgb highlightRgb = ToQColor(highlight, palette).rgb();
    const QRgb shadowRgb = ToQColor(shadow, palette).rgb();
    const int w = source.width(), h = source.height();
    if (drawHighlight) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (x + step < w && y + step < h && IsMaskPixel(source, x, y, outlineRgb)) {
                    result.setPixel(x + step, y + step, highlightRgb);
                }
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (IsMaskPixel(source, x, y, outlineRgb)) result.setPixel(x, y, shadowRgb);
        }
    }
    return result;
}

void DrawFocusRect(TCanvas canvas, TRect r) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    QPainter& painter = canvas.painter;
    painter.save();
    const bool canXor =
        painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (canXor) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // Without exclusive-or (a printer, say) the dots are plain black.
    const QColor dot = canXor ? QColor(Qt::white) : QColor(Qt::black);
    auto dotAt = [&](int x, int y) {
        if ((x + y) % 2 == 0) painter.fillRect(QRect(x, y, 1, 1), dot);
    };
    for (int x = r.left; x < r.right; ++x) {
        dotAt(x, r.top);
        if (r.bottom - 1 > r.top) dotAt(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dotAt(r.left, y);
        if (r.right - 1 > r.left) dotAt(r.right - 1, y);
    }
    painter.restore();
}

TColor HotEndColor(TColor endColor) {
    // Channels above 235 would wrap round to dark values; they stop at white instead.
    auto hot = [](int channel) { return std::min(channel + 20, 255); };
    return RGB(hot(RedByte(endColor)), hot(GreenByte(endColor)), hot(BlueByte(endColor)));
}

}  // namespace wuziqi
