// The drawing primitives of the gradient button, drawn into plain images.

#include <QPainter>
#include <QTest>

#include "ButtonTestSupport.h"
#include "XPButtonClass.h"

using namespace wuziqi;
using namespace wuziqi::testing;

namespace {

constexpr QRgb kPaper = 0xFF123456;  // the image's colour before drawing

QImage Paper(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

template <typename Draw>
QImage DrawOn(int w, int h, Draw draw) {
    QImage image = Paper(w, h);
    const QPalette palette = ClassicPalette();
    QPainter painter(&image);
    draw(TCanvas{painter, palette});
    painter.end();
    return image;
}

QRgb Rgb(TColor c) {
    return qRgb(RedByte(c), GreenByte(c), BlueByte(c));
}

}  // namespace

class ButtonPrimitivesTest : public QObject {
    Q_OBJECT

  private slots:
    void gradientRowsMatchTheToolbarExamples_data() {
        QTest::addColumn<quint32>("begin");
        QTest::addColumn<quint32>("end");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("normal") << quint32(clWhite) << quint32(clSilver)
                                << QList<int>{252, 249, 246, 243, 240, 237, 233, 230, 227, 224,
                                              221, 218, 215, 211, 208, 205, 202, 199, 196, 192};
        QTest::newRow("pressed") << quint32(clSilver) << quint32(clWhite)
                                 << QList<int>{195, 198, 201, 204, 207, 210, 214, 217, 220, 223,
                                               226, 229, 232, 236, 239, 242, 245, 248, 251, 255};
        QTest::newRow("hovered") << quint32(clWhite) << quint32(HotEndColor(clSilver))
                                 << QList<int>{253, 251, 249, 247, 245, 243, 240, 238, 236, 234,
                                               232, 230, 228, 225, 223, 221, 219, 217, 215, 212};
    }

    void gradientRowsMatchTheToolbarExamples() {
        QFETCH(quint32, begin);
        QFETCH(quint32, end);
        QFETCH(QList<int>, rows);
        const TRect button{0, 0, 100, 22};
        const QImage image =
            DrawOn(100, 22, [&](TCanvas c) { FillVerticalGradient(c, button, begin, end); });
        for (int k = 0; k < rows.size(); ++k) {
            QCOMPARE(GradientStepColor(button.Inset(1), begin, end, k + 1),
                     RGB(rows[k], rows[k], rows[k]));
            QCOMPARE(image.pixel(1, k + 1), Grey(rows[k]));
            QCOMPARE(image.pixel(98, k + 1), Grey(rows[k]));
        }
        // The outer ring is left to the border.
        QCOMPARE(image.pixel(0, 5), kPaper);
        QCOMPARE(image.pixel(99, 5), kPaper);
        QCOMPARE(image.pixel(50, 0), kPaper);
        QCOMPARE(image.pixel(50, 21), kPaper);
    }

    void gradientTakesRawBytesAndSkipsFlatRectangles() {
        // A system colour is not resolved: clBtnFace counts as RGB(15, 0, 0).
        const TRect r{0, 0, 10, 12};
        QCOMPARE(GradientStepColor(r.Inset(1), clBtnFace, clBtnFace, 3), RGB(15, 0, 0));
        // Channels move independently and truncate toward zero on the way down.
        QCOMPARE(GradientStepColor({0, 0, 4, 3}, RGB(10, 200, 0), RGB(0, 100, 7), 1),
                 RGB(7, 167, 2));
        for (int height : {0, 1, 2}) {
            const QImage image = DrawOn(6, 4, [&](TCanvas c) {
                FillVerticalGradient(c, {0, 0, 6, height}, clWhite, clBlack);
            });
            QCOMPARE(PixelsOf(image, kPaper).size(), size_t(24));
        }
    }

    void hotEndColourStopsAtWhite() {
        QCOMPARE(HotEndColor(clSilver), RGB(212, 212, 212));
        QCOMPARE(HotEndColor(RGB(250, 235, 236)), RGB(255, 255, 255));
        QCOMPARE(HotEndColor(RGB(0, 100, 200)), RGB(20, 120, 220));
    }

    void bevelFrameGivesTheSecondColourItsCorners() {
        const TColor first = RGB(200, 0, 0), second = RGB(0, 0, 200);
        const QImage image = DrawOn(8, 6, [&](TCanvas c) {
            DrawBevelFrame(c, {0, 0, 8, 6}, first, second, 2);
        });
        // Outer ring.
        QCOMPARE(image.pixel(0, 0), Rgb(first));
        QCOMPARE(image.pixel(6, 0), Rgb(first));
        QCOMPARE(image.pixel(0, 4), Rgb(first));
        QCOMPARE(image.pixel(7, 0), Rgb(second));  // top-right corner
        QCOMPARE(image.pixel(0, 5), Rgb(second));  // bottom-left corner
        QCOMPARE(image.pixel(7, 5), Rgb(second));
        QCOMPARE(image.pixel(7, 3), Rgb(second));
        QCOMPARE(image.pixel(4, 5), Rgb(second));
        // Second ring, one pixel in.
        QCOMPARE(image.pixel(1, 1), Rgb(first));
        QCOMPARE(image.pixel(6, 1), Rgb(second));
        QCOMPARE(image.pixel(1, 4), Rgb(second));
        // Inside the two rings nothing is drawn.
        QCOMPARE(image.pixel(2, 2), kPaper);
        QCOMPARE(image.pixel(5, 3), kPaper);
    }

    void bevelFrameResolvesSystemColoursThroughThePalette() {
        const QImage image = DrawOn(5, 5, [](TCanvas c) {
            DrawBevelFrame(c, {0, 0, 5, 5}, clBtnHighlight, clBtnShadow, 1);
        });
        QCOMPARE(image.pixel(0, 2), kHighlight);
        QCOMPARE(image.pixel(4, 2), kShadow);
        QCOMPARE(image.pixel(2, 2), kPaper);
    }

    void edgeStripsAreFourPixelsWideAndTwoShorter() {
        const TRect r{10, 20, 110, 50};
        QCOMPARE(EdgeStripRect(r, 'L'), (TRect{10, 22, 14, 48}));
        QCOMPARE(EdgeStripRect(r, 'R'), (TRect{106, 22, 110, 48}));
    }

    void xpShadingDrawsItsLinesAndStrips() {
        const TColor c1 = RGB(1, 0, 0), c2 = RGB(2, 0, 0), c3 = RGB(3, 0, 0), c4 = RGB(40, 0, 0),
                     c5 = RGB(5, 0, 0);
        const int w = 20, h = 16;
        const QImage image = DrawOn(w, h, [&](TCanvas c) {
            DrawXPShading(c, {0, 0, w, h}, c1, c2, c3, c4, c5);
        });
        QCOMPARE(image.pixel(2, 1), Rgb(c1));
        QCOMPARE(image.pixel(17, 1), Rgb(c1));
        QCOMPARE(image.pixel(1, 1), kPaper);
        QCOMPARE(image.pixel(18, 1), kPaper);
        QCOMPARE(image.pixel(1, 2), Rgb(c2));
        QCOMPARE(image.pixel(18, 2), Rgb(c2));
        QCOMPARE(image.pixel(0, 2), kPaper);
        QCOMPARE(image.pixel(10, h - 4), Rgb(c3));
        QCOMPARE(image.pixel(10, h - 3), Rgb(c4));
        QCOMPARE(image.pixel(2, h - 2), Rgb(c5));
        QCOMPARE(image.pixel(1, h - 2), kPaper);
        // The side strips: two columns from row 3 down to row h - 4, running c2 to c4.
        QCOMPARE(image.pixel(1, 3), Rgb(GradientStepColor({1, 3, 3, 13}, c2, c4, 1)));
        QCOMPARE(image.pixel(2, h - 4), Rgb(c4));
        QCOMPARE(image.pixel(18, h - 4), Rgb(c4));
        QCOMPARE(image.pixel(3, 8), kPaper);
        QCOMPARE(image.pixel(0, 8), kPaper);
        QCOMPARE(image.pixel(19, 8), kPaper);
        QCOMPARE(image.pixel(10, 8), kPaper);

        // Without c3 its row keeps what was there, apart from the strips.
        const QImage noC3 = DrawOn(w, h, [&](TCanvas c) {
            DrawXPShading(c, {0, 0, w, h}, c1, c2, clNone, c4, c5);
        });
        QCOMPARE(noC3.pixel(10, h - 4), kPaper);
    }

    void xpPaletteHoldsTheThreeStyles() {
        QCOMPARE(XPPaletteOf(bsXPBlue)[0], RGB(0, 60, 116));
        QCOMPARE(XPPaletteOf(bsXPBlue)[23], RGB(242, 241, 248));
        QCOMPARE(XPPaletteOf(bsXPArgent)[0], RGB(55, 98, 6));
        QCOMPARE(XPPaletteOf(bsXPArgent)[13], RGB(135, 201, 84));
        QCOMPARE(XPPaletteOf(bsXPGreen)[1], RGB(123, 149, 169));
        QCOMPARE(XPPaletteOf(bsXPGreen)[9], RGB(168, 167, 102));
        // Other styles have no table of their own.
        QCOMPARE(XPPaletteOf(bsGradient)[9], TColor(0));
    }

    void xpFaceDrawsOutlineGradientShadingAndCorners() {
        const TXPPalette& slot = XPPaletteOf(bsXPBlue);
        const int w = 40, h = 20;
        const QImage up = DrawOn(w, h, [&](TCanvas c) {
            DrawXPFace(c, {0, 0, w, h}, TButtonDrawState::Up, slot);
        });
        QCOMPARE(up.pixel(20, 0), Rgb(slot[0]));
        QCOMPARE(up.pixel(20, h - 1), Rgb(slot[0]));
        QCOMPARE(up.pixel(0, 10), Rgb(slot[0]));
        QCOMPARE(up.pixel(1, 0), Rgb(slot[1]));
        QCOMPARE(up.pixel(w - 1, h - 2), Rgb(slot[1]));
        QCOMPARE(up.pixel(20, 1), Rgb(slot[14]));
        QCOMPARE(up.pixel(20, 2), Rgb(slot[15]));
        QCOMPARE(up.pixel(20, 3),
                 Rgb(GradientStepColor({1, 3, w - 1, h - 4}, slot[2], slot[3], 1)));
        QCOMPARE(up.pixel(20, h - 5), Rgb(slot[3]));
        QCOMPARE(up.pixel(20, h - 4), Rgb(slot[16]));
        QCOMPARE(up.pixel(20, h - 3), Rgb(slot[17]));
        QCOMPARE(up.pixel(20, h - 2), Rgb(slot[18]));

        const QImage down = DrawOn(w, h, [&](TCanvas c) {
            DrawXPFace(c, {0, 0, w, h}, TButtonDrawState::Down, slot);
        });
        QCOMPARE(down.pixel(20, 1), Rgb(slot[19]));
        QCOMPARE(down.pixel(20, 3),
                 Rgb(GradientStepColor({1, 3, w - 1, h - 4}, slot[5], slot[4], 1)));
        QCOMPARE(down.pixel(20, h - 5), Rgb(slot[4]));
        QCOMPARE(down.pixel(20, h - 2), Rgb(slot[23]));

        const QImage disabled = DrawOn(w, h, [&](TCanvas c) {
            DrawXPFace(c, {0, 0, w, h}, TButtonDrawState::Disabled, slot);
        });
        QCOMPARE(disabled.pixel(20, 0), kShadow);
        QCOMPARE(disabled.pixel(20, 1), Rgb(slot[14]));
    }

    void disabledGlyphIsAnEmbossedSilhouette() {
        // Black pixels at (1, 1) and (2, 1); white elsewhere; one red pixel that is not outline.
        QImage source(4, 4, QImage::Format_RGB32);
        source.fill(Qt::white);
        source.setPixel(1, 1, qRgb(0, 0, 0));
        source.setPixel(2, 1, qRgb(0, 0, 0));
        source.setPixel(0, 3, qRgb(255, 0, 0));
        const QImage result = MakeDisabledGlyph(source, clBlack, clBtnFace, clBtnHighlight,
                                                clBtnShadow, true, ClassicPalette());
        QCOMPARE(result.size(), source.size());
        QCOMPARE(result.pixel(1, 1), kShadow);
        QCOMPARE(result.pixel(2, 1), kShadow);  // shadow wins over the highlight of (1, 1)
        QCOMPARE(result.pixel(2, 2), kHighlight);
        QCOMPARE(result.pixel(3, 2), kHighlight);
        QCOMPARE(result.pixel(1, 2), kButtonFace);
        QCOMPARE(result.pixel(0, 3), kButtonFace);
        QCOMPARE(result.pixel(3, 3), kButtonFace);

        const QImage flat = MakeDisabledGlyph(source, clBlack, clBtnFace, clBtnHighlight,
                                              clBtnShadow, false, ClassicPalette());
        QCOMPARE(flat.pixel(2, 2), kButtonFace);
        QCOMPARE(flat.pixel(1, 1), kShadow);

        // A one-bit picture: its black pixels are the outline whatever colour is asked for.
        QImage mono(3, 3, QImage::Format_Mono);
        mono.fill(1);
        mono.setColor(0, qRgb(0, 0, 0));
        mono.setColor(1, qRgb(255, 255, 255));
        mono.setPixel(0, 0, 0);
        const QImage fromMono = MakeDisabledGlyph(mono, RGB(9, 9, 9), clBtnFace, clBtnHighlight,
                                                  clBtnShadow, true, ClassicPalette());
        QCOMPARE(fromMono.pixel(0, 0), kShadow);
        QCOMPARE(fromMono.pixel(1, 1), kHighlight);
        QCOMPARE(fromMono.pixel(2, 2), kButtonFace);
    }

    void focusRectInvertsEveryOtherEdgePixel() {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Grey(200));
        const QPalette palette = ClassicPalette();
        {
            QPainter painter(&image);
            DrawFocusRect(TCanvas{painter, palette}, {1, 1, 7, 5});
        }
        QCOMPARE(image.pixel(1, 1), Grey(55));
        QCOMPARE(image.pixel(2, 1), Grey(200));
        QCOMPARE(image.pixel(3, 1), Grey(55));
        QCOMPARE(image.pixel(1, 3), Grey(55));
        QCOMPARE(image.pixel(3, 3), Grey(200));  // inside
        QCOMPARE(image.pixel(0, 0), Grey(200));  // outside
        {
            QPainter painter(&image);
            DrawFocusRect(TCanvas{painter, palette}, {1, 1, 7, 5});
        }
        QCOMPARE(PixelsOf(image, Grey(200)).size(), size_t(48));
    }
};

QTEST_MAIN(ButtonPrimitivesTest)
#include "ButtonPrimitivesTest.moc"
