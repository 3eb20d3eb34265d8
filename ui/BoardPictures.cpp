#include "BoardPictures.h"

#include <algorithm>
#include <cmath>

#include "CellState.h"

namespace {

// A copy in which every pixel of the background colour (the colour of the lower-left pixel)
// is transparent, so a stone is drawn without its square.
QImage WithTransparentBackground(const QImage& bitmap) {
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == background) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

const QImage& NoPicture() {
    static const QImage none;
    return none;
}

}  // namespace

BoardPictures::BoardPictures()
    : background(Load(QStringLiteral("qipan"), false)),
      black(Load(QStringLiteral("Blackchess"), true)),
      white(Load(QStringLiteral("whitechess"), true)) {}

BoardPictures::Variants BoardPictures::Load(const QString& name, bool transparentBackground) {
    Variants variants;
    for (const QString& suffix : {QString(), QStringLiteral("@2x"), QStringLiteral("@3x")}) {
        QImage image(QStringLiteral(":/") + name + suffix);
        if (image.isNull()) continue;
        variants.push_back(transparentBackground ? WithTransparentBackground(image)
                                                 : image.convertToFormat(QImage::Format_RGB32));
    }
    return variants;
}

const QImage& BoardPictures::Stone(std::uint8_t colour, qreal devicePixelRatio) const {
    return Pick(colour == wuziqi::Black ? black : white, devicePixelRatio);
}

const QImage& BoardPictures::Pick(const Variants& variants, qreal devicePixelRatio) {
    if (variants.empty()) return NoPicture();
    const auto wanted = static_cast<std::size_t>(std::max(1.0, std::ceil(devicePixelRatio - 0.01)));
    return variants[std::min(wanted, variants.size()) - 1];
}
