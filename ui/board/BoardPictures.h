#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// The board view's three pictures, each at every resolution the resources carry (1x, and 2x
// and 3x where present), so that a high-density screen draws from a picture made for its
// density instead of magnifying the small one.
class BoardPictures {
  public:
    // Loads ":/qipan", ":/Blackchess" and ":/whitechess" with their "@2x" and "@3x" variants.
    // The stones' background colour (that of their lower-left pixel) becomes transparent.
    BoardPictures();

    // The pictures for a device pixel ratio: 1x at 1, 2x up to 2, 3x above (or the largest
    // there is).
    const QImage& Background(qreal devicePixelRatio) const {
        return Pick(background, devicePixelRatio);
    }
    const QImage& Stone(std::uint8_t colour, qreal devicePixelRatio) const;

  private:
    using Variants = std::vector<QImage>;  // by rising size
    static Variants Load(const QString& name, bool transparentBackground);
    static const QImage& Pick(const Variants& variants, qreal devicePixelRatio);

    Variants background;
    Variants black;
    Variants white;
};
