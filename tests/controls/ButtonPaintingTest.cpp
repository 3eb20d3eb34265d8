// What the button paints, compared pixel by pixel: the toolbar button's gradient in its three
// states, borders and bevels, caption placement, disabled looks, glyph cells, the XP styles.

#include <QTest>

#include "ButtonTestSupport.h"

using namespace wuziqi;
using namespace wuziqi::testing;

namespace {

const QList<int> kNormalRows = {252, 249, 246, 243, 240, 237, 233, 230, 227, 224,
                                221, 218, 215, 211, 208, 205, 202, 199, 196, 192};
const QList<int> kPressedRows = {195, 198, 201, 204, 207, 210, 214, 217, 220, 223,
                                 226, 229, 232, 236, 239, 242, 245, 248, 251, 255};
const QList<int> kHoveredRows = {253, 251, 249, 247, 245, 243, 240, 238, 236, 234,
                                 232, 230, 228, 225, 223, 221, 219, 217, 215, 212};
const QRgb kBorder = qRgb(160, 150, 131);

// Column 2 lies inside the border and outside both the caption and the focus mark.
void ExpectRows(const QImage& image, const QList<int>& rows) {
    for (int k = 0; k < rows.size(); ++k) {
        QCOMPARE(image.pixel(2, k + 1), Grey(rows[k]));
        QCOMPARE(image.pixel(image.width() - 3, k + 1), Grey(rows[k]));
    }
}

// The outer one-pixel ring of the image, clockwise from the top-left corner.
std::vector<QPoint> Ring(QSize size) {
    std::vector<QPoint> ring;
    const int w = size.width(), h = size.height();
    for (int x = 0; x < w; ++x)
        ring.emplace_back(x, 0);
    for (int y = 1; y < h; ++y)
        ring.emplace_back(w - 1, y);
    for (int x = w - 2; x >= 0; --x)
        ring.emplace_back(x, h - 1);
    for (int y = h - 2; y > 0; --y)
        ring.emplace_back(0, y);
    return ring;
}

// Two cells of 18 x 18 on a magenta background: a red square, then a blue one.
QImage TwoCellGlyph() {
    QImage glyph(36, 18, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 0, 255));
    for (int y = 4; y < 14; ++y) {
        for (int x = 4; x < 14; ++x) {
            glyph.setPixel(x, y, qRgb(255, 0, 0));
            glyph.setPixel(x + 18, y, qRgb(0, 0, 255));
        }
    }
    return glyph;
}

// A window with a button in it, shown and active, so that hover and focus work.
struct ShownButton {
    QWidget window;
    TXPButton* button;

    explicit ShownButton(TXPButton* b) : button(b) {
        window.resize(200, 80);
        window.setPalette(ClassicPalette());
        button->setParent(&window);
        button->move(20, 20);
        window.show();
    }
};

// Counts its paints, to see that painting comes to rest.
class CountingButton : public TXPButton {
  public:
    using TXPButton::TXPButton;
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TXPButton::paintEvent(event);
    }
};

}  // namespace

class ButtonPaintingTest : public QObject {
    Q_OBJECT

  private slots:
    void toolbarButtonShowsGradientInsideBorder() {
        std::unique_ptr<TXPButton> button(MakeToolbarButton());
        const QImage image = Render(button.get());
        ExpectRows(image, kNormalRows);
        for (const QPoint& p : Ring(image.size()))
            QCOMPARE(image.pixel(p), kBorder);
    }

    void toolbarCaptionIsCentredAndMovesWhenPressed() {
        ShownButton shown(MakeToolbarButton());
        TXPButton* button = shown.button;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        const QSize text = QFontMetrics(button->font())
                               .size(Qt::TextSingleLine | Qt::TextShowMnemonic, button->Caption());
        const QImage normal = Render(button);
        const TRect expected{(100 - text.width() + 1) / 2, (22 - text.height() + 1) / 2,
                             (100 - text.width() + 1) / 2 + text.width(),
                             (22 - text.height() + 1) / 2 + text.height()};
        QCOMPARE(button->CaptionRect(), expected);
        if (text == QSize(72, 12)) QCOMPARE(button->CaptionRect(), (TRect{14, 5, 86, 17}));

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 11));
        QCOMPARE(button->DrawState(), TButtonDrawState::Down);
        const QImage pressed = Render(button);
        QCOMPARE(button->CaptionRect(), expected.Moved(1, 1));
        ExpectRows(pressed, kPressedRows);
        // Sunken bevel: shadow on the top and left, highlight on the bottom and right.
        QCOMPARE(pressed.pixel(0, 10), kShadow);
        QCOMPARE(pressed.pixel(50, 0), kShadow);
        QCOMPARE(pressed.pixel(99, 0), kHighlight);
        QCOMPARE(pressed.pixel(99, 10), kHighlight);
        QCOMPARE(pressed.pixel(0, 21), kHighlight);

        const QRect textBounds = BoundsOf(PixelsOf(normal, kText));
        QVERIFY(!textBounds.isEmpty());
        QVERIFY(QRect(14, 5, 72, 12).contains(textBounds) || text != QSize(72, 12));
        QCOMPARE(BoundsOf(PixelsOf(pressed, kText)), textBounds.translated(1, 1));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 11));
    }

    void hoveredToolbarButtonEndsBrighterWithRaisedBevel() {
        ShownButton shown(MakeToolbarButton());
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        PointAt(shown.button, QPoint(50, 11));
        QTRY_VERIFY(shown.button->IsHot());
        const QImage image = Render(shown.button);
        ExpectRows(image, kHoveredRows);
        QCOMPARE(image.pixel(0, 0), kHighlight);
        QCOMPARE(image.pixel(0, 10), kHighlight);
        QCOMPARE(image.pixel(50, 0), kHighlight);
        QCOMPARE(image.pixel(99, 0), kShadow);
        QCOMPARE(image.pixel(99, 10), kShadow);
        QCOMPARE(image.pixel(0, 21), kShadow);
        PointAt(&shown.window, QPoint(190, 70));
    }

    void withoutBorderTheOuterRingShowsTheColour() {
        std::unique_ptr<TXPButton> button(MakeToolbarButton());
        button->SetBorderDraw(false);
        QImage image = Render(button.get());
        for (const QPoint& p : Ring(image.size()))
            QCOMPARE(image.pixel(p), kButtonFace);
        ExpectRows(image, kNormalRows);

        button->SetColor(RGB(10, 20, 30));
        image = Render(button.get());
        for (const QPoint& p : Ring(image.size()))
            QCOMPARE(image.pixel(p), qRgb(10, 20, 30));
    }

    void disabledButtonDrawsItsCaptionEngraved() {
        std::unique_ptr<TXPButton> button(MakeToolbarButton());
        button->SetBorderDraw(false);
        const std::vector<QPoint> text = PixelsOf(Render(button.get()), kText);
        QVERIFY(!text.empty());

        button->setEnabled(false);
        const QImage disabled = Render(button.get());
        QCOMPARE(button->DrawState(), TButtonDrawState::Disabled);
        // The shadow copy lies exactly where the text was; the highlight copy shows one pixel
        // down and right wherever the shadow does not cover it.
        QCOMPARE(PixelsOf(disabled, kShadow), text);
        std::vector<QPoint> expectedHighlight;
        QList<QPoint> textSet(text.begin(), text.end());
        for (const QPoint& p : text) {
            const QPoint moved = p + QPoint(1, 1);
            if (!textSet.contains(moved)) expectedHighlight.push_back(moved);
        }
        std::sort(expectedHighlight.begin(), expectedHighlight.end(), [](QPoint a, QPoint b) {
            return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
        });
        QCOMPARE(PixelsOf(disabled, kHighlight), expectedHighlight);
        // The face stays the plain gradient, and the border is drawn although switched off.
        ExpectRows(disabled, kNormalRows);
        QCOMPARE(disabled.pixel(0, 0), kBorder);

        button->setEnabled(true);
        Render(button.get());
        QCOMPARE(button->DrawState(), TButtonDrawState::Up);
    }

    void twoCellGlyphShowsItsCellByState() {
        ShownButton shown(new TXPButton);
        TXPButton* button = shown.button;
        button->setPalette(ClassicPalette());
        button->SetGlyph(TwoCellGlyph());
        QCOMPARE(button->NumGlyphs(), 2);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));

        QImage image = Render(button);
        QCOMPARE(button->GlyphOrigin(), QPoint(29, 6));
        QCOMPARE(image.pixel(29 + 8, 6 + 8), qRgb(255, 0, 0));
        // The magenta background is left out: the face shows through.
        QCOMPARE(image.pixel(29 + 1, 6 + 1), Grey(GreyRowOf(6 + 1, 30)));

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        image = Render(button);
        QCOMPARE(button->GlyphOrigin(), QPoint(30, 7));
        QCOMPARE(image.pixel(30 + 8, 7 + 8), qRgb(255, 0, 0));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-50, 5));

        button->setEnabled(false);
        image = Render(button);
        QCOMPARE(image.pixel(29 + 8, 6 + 8), qRgb(0, 0, 255));
        QVERIFY(PixelsOf(image, qRgb(255, 0, 0)).empty());
        QVERIFY(PixelsOf(image, qRgb(255, 0, 255)).empty());
    }

    void disabledOneCellGlyphIsEmbossed() {
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(Qt::white);
        glyph.setPixel(5, 5, qRgb(0, 0, 0));
        glyph.setPixel(6, 5, qRgb(0, 0, 0));
        glyph.setPixel(9, 9, qRgb(0, 200, 0));
        std::unique_ptr<TXPButton> button(new TXPButton);
        button->setPalette(ClassicPalette());
        button->SetGlyph(glyph);

        QImage image = Render(button.get());
        const QPoint o = button->GlyphOrigin();
        QCOMPARE(o, QPoint(30, 7));
        QCOMPARE(image.pixel(o + QPoint(5, 5)), kText);
        QCOMPARE(image.pixel(o + QPoint(9, 9)), qRgb(0, 200, 0));
        QCOMPARE(image.pixel(o + QPoint(1, 1)), Grey(GreyRowOf(o.y() + 1, 30)));

        button->setEnabled(false);
        image = Render(button.get());
        QCOMPARE(image.pixel(o + QPoint(5, 5)), kShadow);
        QCOMPARE(image.pixel(o + QPoint(6, 5)), kShadow);
        QCOMPARE(image.pixel(o + QPoint(6, 6)), kHighlight);
        QCOMPARE(image.pixel(o + QPoint(7, 6)), kHighlight);
        // Only the black pixels make the silhouette; the rest lets the face through.
        QCOMPARE(image.pixel(o + QPoint(9, 9)), Grey(GreyRowOf(o.y() + 9, 30)));
    }

    void marginAndSpacingMinusOneShareTheSpaceEqually() {
        std::unique_ptr<TXPButton> button(MakeToolbarButton());
        button->resize(160, 30);
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(Qt::white);
        button->SetGlyph(glyph);
        button->SetSpacing(-1);
        Render(button.get());
        const int left = button->GlyphOrigin().x();
        const int between = button->CaptionRect().left - (left + 16);
        const int right = 160 - button->CaptionRect().right;
        QVERIFY(left > 0);
        QCOMPARE(between, left);
        QVERIFY(qAbs(right - left) <= 2);

        // Glyph on the right: the same gaps, mirrored.
        button->SetLayout(blGlyphRight);
        Render(button.get());
        QCOMPARE(button->GlyphOrigin().x(), 160 - left - 16);
        QCOMPARE(button->GlyphOrigin().x() - button->CaptionRect().right, left);
    }

    void glyphAboveCaptionStacksThemVertically() {
        std::unique_ptr<TXPButton> button(MakeToolbarButton());
        button->resize(80, 60);
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(Qt::white);
        button->SetGlyph(glyph);
        button->SetLayout(blGlyphTop);
        button->SetMargin(5);
        Render(button.get());
        QCOMPARE(button->GlyphOrigin(), QPoint((80 - 16 + 1) / 2, 5));
        QCOMPARE(button->CaptionRect().top, 5 + 16 + 4);

        button->SetLayout(blGlyphBottom);
        Render(button.get());
        QCOMPARE(button->GlyphOrigin().y(), 60 - 5 - 16);
        QCOMPARE(button->CaptionRect().bottom, 60 - 5 - 16 - 4);
    }

    void focusedButtonShowsDottedMarkInsetByThree() {
        ShownButton shown(MakeToolbarButton());
        TXPButton* button = shown.button;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QImage image = Render(button);
        // Row 3 of the gradient is grey 246; the mark inverts every other pixel.
        QCOMPARE(image.pixel(3, 3), Grey(255 - 246));
        QCOMPARE(image.pixel(4, 3), Grey(246));
        QCOMPARE(image.pixel(5, 3), Grey(255 - 246));
        QCOMPARE(image.pixel(2, 3), Grey(246));

        button->SetCanDrawFocus(false);
        image = Render(button);
        QCOMPARE(image.pixel(3, 3), Grey(246));
        button->SetCanDrawFocus(true);
        button->SetTabStop(false);
        image = Render(button);
        QCOMPARE(image.pixel(3, 3), Grey(246));
    }

    void standardStyleFillsWithColourAndBevels() {
        ShownButton shown(MakeToolbarButton());
        TXPButton* button = shown.button;
        button->SetButtonStyle(bsStandard);
        button->SetCanDrawFocus(false);
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        QImage image = Render(button);
        QCOMPARE(image.pixel(2, 10), kButtonFace);
        QCOMPARE(image.pixel(0, 10), kBorder);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 11));
        image = Render(button);
        QCOMPARE(image.pixel(2, 10), kButtonFace);
        QCOMPARE(image.pixel(0, 10), kShadow);
        QCOMPARE(image.pixel(99, 10), kHighlight);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 11));

        PointAt(button, QPoint(50, 11));
        QTRY_VERIFY(button->IsHot());
        image = Render(button);
        QCOMPARE(image.pixel(0, 10), kHighlight);
        QCOMPARE(image.pixel(99, 10), kShadow);
        PointAt(&shown.window, QPoint(190, 70));
    }

    void xpStyleFaceAndCornersOutsideTheRegion() {
        QWidget host;
        host.resize(120, 60);
        QPalette hostPalette = ClassicPalette();
        hostPalette.setColor(QPalette::Window, QColor(255, 0, 255));
        host.setPalette(hostPalette);
        host.setAutoFillBackground(true);
        auto* button = new TXPButton(&host);
        button->setPalette(ClassicPalette());
        button->SetCanDrawFocus(false);
        button->setGeometry(10, 10, 75, 30);
        button->SetButtonStyle(bsXPBlue);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        QVERIFY(!button->mask().contains(QPoint(0, 0)));
        QVERIFY(!button->mask().contains(QPoint(74, 29)));
        QVERIFY(button->mask().contains(QPoint(1, 0)));
        const QImage image = Render(&host);
        const QRgb magenta = qRgb(255, 0, 255);
        QCOMPARE(image.pixel(10, 10), magenta);
        QCOMPARE(image.pixel(84, 10), magenta);
        QCOMPARE(image.pixel(10, 39), magenta);
        QCOMPARE(image.pixel(84, 39), magenta);
        QCOMPARE(image.pixel(11, 10), qRgb(123, 149, 169));  // slot 1
        QCOMPARE(image.pixel(40, 10), qRgb(0, 60, 116));     // slot 0, the outline
        QCOMPARE(image.pixel(40, 11), qRgb(255, 255, 255));  // slot 14
        QCOMPARE(image.pixel(40, 37), qRgb(226, 223, 214));  // slot 17, row H - 3

        // Each XP paint loads its own colours, so styles can sit side by side.
        auto* green = new TXPButton(&host);
        green->SetButtonStyle(bsXPGreen);
        green->setGeometry(90, 10, 30, 30);
        green->show();
        const QImage both = Render(&host);
        QCOMPARE(both.pixel(40, 10), qRgb(0, 60, 116));
        QCOMPARE(both.pixel(100, 10), qRgb(55, 98, 6));
    }

    void xpRegionIsAppliedWithoutEndlessRepainting() {
        QWidget host;
        host.resize(120, 60);
        auto* button = new CountingButton(&host);
        button->setGeometry(10, 10, 75, 30);
        button->SetButtonStyle(bsXPGreen);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_VERIFY(button->paints > 0);
        QTest::qWait(100);
        const int settled = button->paints;
        QTest::qWait(300);
        QCOMPARE(button->paints, settled);

        // A new size needs a new region, still without a paint loop.
        button->resize(90, 40);
        QTRY_VERIFY(!button->mask().contains(QPoint(89, 39)));
        QVERIFY(button->mask().contains(QPoint(74, 29)));
        QTest::qWait(100);
        const int resized = button->paints;
        QTest::qWait(300);
        QCOMPARE(button->paints, resized);
    }

    void glyphAtRatioTwoComesFromTheLargerDrawing() {
        const QImage large(QStringLiteral(":/XPBOK@2x"));
        if (large.isNull()) QSKIP("the glyph pictures are not linked in");
        // The larger drawing is not the small one magnified, or this would prove nothing.
        const QImage cell = large.copy(0, 0, 36, 36).convertToFormat(QImage::Format_RGB32);
        QVERIFY(cell != QImage(QStringLiteral(":/XPBOK"))
                            .copy(0, 0, 18, 18)
                            .scaled(36, 36)
                            .convertToFormat(QImage::Format_RGB32));

        std::unique_ptr<TXPButton> button(new TXPButton);
        button->setPalette(ClassicPalette());
        button->SetKind(bkOK);
        QImage grab(button->size() * 2, QImage::Format_RGB32);
        grab.setDevicePixelRatio(2);
        button->render(&grab);
        const QPoint origin = button->GlyphOrigin() * 2;
        const QRgb background = cell.pixel(0, 35);
        int drawn = 0;
        for (int y = 0; y < 36; ++y) {
            for (int x = 0; x < 36; ++x) {
                if (cell.pixel(x, y) == background) continue;
                QCOMPARE(grab.pixel(origin + QPoint(x, y)), cell.pixel(x, y));
                ++drawn;
            }
        }
        QVERIFY(drawn > 200);
        QVERIFY(PixelsOf(grab, background).empty());
    }

  private:
    // The grey of the normal white-to-silver gradient at row y of a button h pixels high.
    static int GreyRowOf(int y, int h) { return 255 + ((192 - 255) * y) / (h - 2); }
};

QTEST_MAIN(ButtonPaintingTest)
#include "ButtonPaintingTest.moc"
