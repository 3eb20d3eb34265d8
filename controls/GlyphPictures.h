#pragma once

#include <QImage>
#include <QList>
#include <QPalette>
#include <vector>

#include "XPButtonClass.h"

namespace wuziqi {

// A button's glyph as it is painted: the picture, the same drawing at two or three times its
// size where there is one, and each of them with its transparent colour (its bottom-left
// pixel) already taken out, so that painting only picks a cell.
class TGlyphPictures {
  public:
    // `larger` holds the same drawing at whole multiples of the picture's size; anything else
    // in it is left out.
    void Set(QImage picture, const QList<QImage>& larger = {});

    // The picture at its own size (null when there is no glyph).
    const QImage& Picture() const { return levels_.front().picture; }

    // The cell that `state` shows, out of `cells` side by side, for a painter that has `ratio`
    // device pixels per pixel: drawn from the smallest drawing that covers the device size,
    // background transparent, device pixel ratio set so that it covers one cell of the picture.
    // At ratio 1 it is the picture's own cell.
    QImage Cell(int cells, TButtonDrawState state, qreal ratio, const QPalette& palette) const;

  private:
    struct Level {
        QImage picture;
        QImage transparent;  // the picture with its background left out
        int scale = 1;
    };
    const Level& LevelFor(qreal ratio) const;

    std::vector<Level> levels_ = std::vector<Level>(1);
};

// The picture with every pixel of the given colour made fully transparent (alpha ignored).
QImage WithoutColour(const QImage& picture, QRgb colour);

}  // namespace wuziqi
