#include "GlyphPictures.h"

#include <cmath>

namespace wuziqi {

namespace {

// Cell 0 is the normal picture, cell 1 the disabled one, cell 2 the pressed one; a fourth cell
// is never shown.
int CellShown(int cells, TButtonDrawState state) {
    if (state == TButtonDrawState::Disabled && cells >= 2) return 1;
    if (state == TButtonDrawState::Down && cells >= 3) return 2;
    return 0;
}

QImage TransparentBackground(const QImage& picture) {
    if (picture.isNull()) return {};
    return WithoutColour(picture, picture.pixel(0, picture.height() - 1));
}

}  // namespace

QImage WithoutColour(const QImage& picture, QRgb colour) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (colour & 0x00FFFFFF)) line[x] = 0;
        }
    }
    return result;
}

void TGlyphPictures::Set(QImage picture, const QList<QImage>& larger) {
    levels_.assign(1, Level{picture, TransparentBackground(picture), 1});
    if (picture.isNull()) return;
    for (const QImage& drawing : larger) {
        const int scale = drawing.width() / picture.width();
        const bool wholeMultiple =
            scale > levels_.back().scale && drawing.size() == picture.size() * scale;
        if (wholeMultiple) levels_.push_back(Level{drawing, TransparentBackground(drawing), scale});
    }
}

const TGlyphPictures::Level& TGlyphPictures::LevelFor(qreal ratio) const {
    for (const Level& level : levels_) {
        if (level.scale >= ratio - 0.01) return level;
    }
    return levels_.back();
}

QImage TGlyphPictures::Cell(int cells, TButtonDrawState state, qreal ratio,
                            const QPalette& palette) const {
    const QImage& picture = Picture();
    const int w = picture.width() / cells, h = picture.height();
    if (w <= 0 || h <= 0) return {};
    const Level& level = LevelFor(ratio);
    const int lw = level.picture.width() / cells, lh = level.picture.height();

    // The last cell takes whatever is left of the width, squeezed into one cell.
    const int first = CellShown(cells, state);
    const bool lastCell = cells == 1 || first == cells - 1;
    const QRect source(first * lw, 0, lastCell ? level.picture.width() - first * lw : lw, lh);
    QImage cell;
    if (cells == 1 && state == TButtonDrawState::Disabled) {
        const QImage disabled =
            MakeDisabledGlyph(level.picture.copy(source), clBlack, clBtnFace, clBtnHighlight,
                              clBtnShadow, true, palette, level.scale);
        cell = WithoutColour(disabled, disabled.pixel(0, lh - 1));
    } else {
        cell = level.transparent.copy(source);
        if (cell.width() != lw) cell = cell.scaled(lw, lh);
    }

    const QSize device(static_cast<int>(std::lround(w * ratio)),
                       static_cast<int>(std::lround(h * ratio)));
    if (cell.size() != device) {
        // Whole multiples keep the pixel art's hard edges; anything else is filtered.
        const bool whole =
            device.width() % cell.width() == 0 && device.height() % cell.height() == 0;
        cell = cell.scaled(device, Qt::IgnoreAspectRatio,
                           whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    if (ratio != 1.0) cell.setDevicePixelRatio(ratio);
    return cell;
}

}  // namespace wuziqi
