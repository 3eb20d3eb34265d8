#include "BoardPictures.h"

#include <algorithm>
#include <cmath>

#include "CellState.h"
#include "GlyphPictures.h"

namespace {

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
        // A stone's background colour (that of its lower-left pixel) becomes transparent.
        variants.push_back(transparentBackground
                               ? wuziqi::WithoutColour(image, image.pixel(0, image.height() - 1))
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
