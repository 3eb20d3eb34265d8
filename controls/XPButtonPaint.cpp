// The paint operation of TXPButton: face, glyph, caption and focus mark, in that order.

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "XPButton.h"

namespace wuziqi {

namespace {

QRect ToQRect(TRect r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Drawn as one line, centred both ways, "&" underlining the next character.
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

}  // namespace

void TXPButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& pal = palette();
    TCanvas canvas{painter, pal};
    const TRect client{0, 0, width(), height()};

    painter.setFont(font());
    const QPoint offset = DrawState() == TButtonDrawState::Down ? QPoint(1, 1) : QPoint(0, 0);
    LayoutGlyphAndCaption(client, offset);

    // What the face leaves unpainted shows the button's colour (nothing for clNone).
    if (const QColor erase = EraseColor(); erase.isValid()) painter.fillRect(rect(), erase);
    PaintFace(canvas, client);
    if (!glyph_.Picture().isNull()) PaintGlyph(painter);
    PaintCaption(canvas);
    if (hasFocus() && isEnabled() && canDrawFocus_) PaintFocus(canvas);
}

void TXPButton::LayoutGlyphAndCaption(TRect client, QPoint offset) {
    const int W = client.Width(), H = client.Height();
    const QImage& glyph = glyph_.Picture();
    const QSize g =
        glyph.isNull() ? QSize(0, 0) : QSize(glyph.width() / numGlyphs_, glyph.height());
    const QSize x = text().isEmpty() ? QSize(0, 0)
                                     : QFontMetrics(font()).size(
                                           Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    int spacing = spacing_;
    int margin = margin_;
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;

    QPoint glyphPos, captionPos;
    if (horizontal) {
        glyphPos.setY((H - g.height() + 1) / 2);
        captionPos.setY((H - x.height() + 1) / 2);
    } else {
        glyphPos.setX((W - g.width() + 1) / 2);
        captionPos.setX((W - x.width() + 1) / 2);
    }
    if (x.width() == 0 || g.width() == 0) spacing = 0;

    // Sizes along the layout axis.
    const int gs = horizontal ? g.width() : g.height();
    const int xs = horizontal ? x.width() : x.height();
    const int cs = horizontal ? W : H;
    if (margin == -1 && spacing == -1) {
        margin = (cs - (gs + xs)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (cs - (gs + spacing + xs) + 1) / 2;
    } else if (spacing == -1) {
        spacing = ((cs - (margin + gs)) - xs) / 2;
    }

    int glyphAlong, captionAlong;
    if (layout_ == blGlyphLeft || layout_ == blGlyphTop) {
        glyphAlong = margin;
        captionAlong = margin + gs + spacing;
    } else {
        glyphAlong = cs - margin - gs;
        captionAlong = glyphAlong - spacing - xs;
    }
    if (horizontal) {
        glyphPos.setX(glyphAlong);
        captionPos.setX(captionAlong);
    } else {
        glyphPos.setY(glyphAlong);
        captionPos.setY(captionAlong);
    }

    const QPoint origin(client.left + offset.x(), client.top + offset.y());
    glyphOrigin_ = glyphPos + origin;
    captionRect_ = TRect{0, 0, x.width(), x.height()}.Moved(captionPos.x() + origin.x(),
                                                            captionPos.y() + origin.y());
}

void TXPButton::PaintFace(TCanvas canvas, TRect client) {
    const TButtonDrawState state = DrawState();
    const bool hot = state == TButtonDrawState::Up && isHot_;

    if (IsXPStyle(buttonStyle_)) {
        ApplyXPRegion();
        const TXPPalette& slot = XPPaletteOf(buttonStyle_);
        DrawXPFace(canvas, client, state, slot);
        if (hot) {
            DrawXPShading(canvas, client, slot[6], slot[7], clNone, slot[8], slot[9]);
        }
        return;
    }

    if (buttonStyle_ == bsStandard) {
        if (const QColor fill = EraseColor(); fill.isValid()) {
            canvas.painter.fillRect(ToQRect(client), fill);
        }
    } else if (state == TButtonDrawState::Down) {
        FillVerticalGradient(canvas, client, gradientEnd_, gradientBegin_);
    } else if (hot) {
        FillVerticalGradient(canvas, client, gradientBegin_, HotEndColor(gradientEnd_));
    } else {
        FillVerticalGradient(canvas, client, gradientBegin_, gradientEnd_);
    }

    if (state == TButtonDrawState::Down) {
        DrawBevelFrame(canvas, client, clBtnShadow, clBtnHighlight, 1);
    } else if (hot) {
        DrawBevelFrame(canvas, client, clBtnHighlight, clBtnShadow, 1);
    } else if (state == TButtonDrawState::Disabled || borderDraw_) {
        DrawBevelFrame(canvas, client, borderColor_, borderColor_, 1);
    }
}

void TXPButton::PaintGlyph(QPainter& painter) {
    // On a high-density screen the glyph is drawn at device pixels, from the largest drawing
    // it needs; a painter turned or sheared gets the plain picture.
    const QTransform toDevice = painter.deviceTransform();
    const qreal ratio =
        toDevice.type() <= QTransform::TxScale && qFuzzyCompare(toDevice.m11(), toDevice.m22())
            ? std::max<qreal>(1.0, toDevice.m11())
            : 1.0;
    const QImage cell = glyph_.Cell(numGlyphs_, DrawState(), ratio, palette());
    if (!cell.isNull()) painter.drawImage(glyphOrigin_, cell);
}

void TXPButton::PaintCaption(TCanvas canvas) {
    const QString caption = text();
    if (caption.isEmpty()) return;
    QPainter& painter = canvas.painter;
    painter.setBrush(Qt::NoBrush);
    const QRect r = ToQRect(captionRect_);
    if (DrawState() == TButtonDrawState::Disabled) {
        // Engraved: the highlight one pixel down and right, the shadow on top.
        painter.setPen(ToQColor(clBtnHighlight, canvas.palette));
        painter.drawText(r.translated(1, 1), kCaptionFlags, caption);
        painter.setPen(ToQColor(clBtnShadow, canvas.palette));
        painter.drawText(r, kCaptionFlags, caption);
    } else {
        painter.setPen(ToQColor(fontColor_, canvas.palette));
        painter.drawText(r, kCaptionFlags, caption);
    }
}

void TXPButton::PaintFocus(TCanvas canvas) {
    if (!TabStop()) return;
    const TRect client{0, 0, width(), height()};
    if (!IsXPStyle(buttonStyle_)) {
        DrawFocusRect(canvas, client.Inset(3));
        return;
    }
    if (!isHot_) {
        const TXPPalette& slot = XPPaletteOf(buttonStyle_);
        DrawXPShading(canvas, client, slot[10], slot[11], clNone, slot[12], slot[13]);
    }
    DrawFocusRect(canvas, client.Inset(2));
}

QColor TXPButton::EraseColor() const {
    if (parentColor_ && parentWidget() != nullptr) {
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    }
    return ToQColor(color_, palette());
}

void TXPButton::ApplyXPRegion() {
    // A 4 x 4 rounded region one pixel larger than the button, as the XP styles use it, cuts
    // exactly the four corner pixels of the client area. Setting an unchanged mask again
    // would only ask for more painting, so it is set when it differs.
    const int w = width(), h = height();
    QRegion region(0, 0, w, h);
    region -= QRegion(0, 0, 1, 1);
    region -= QRegion(w - 1, 0, 1, 1);
    region -= QRegion(0, h - 1, 1, 1);
    region -= QRegion(w - 1, h - 1, 1, 1);
    if (mask() != region) setMask(region);
}

}  // namespace wuziqi
