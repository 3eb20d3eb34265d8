// The button's properties: construction values, setter rules, the glyph cell count, the
// predefined kinds and the image an action brings.

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include "ButtonKindTable.h"
#include "ButtonTestSupport.h"

using namespace wuziqi;
using namespace wuziqi::testing;

namespace {

QImage Picture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool GlyphResourcesPresent() {
    return !QImage(QStringLiteral(":/XPBOK")).isNull();
}

}  // namespace

class ButtonPropertiesTest : public QObject {
    Q_OBJECT

  private slots:
    void freshButtonHasItsConstructionValues() {
        TXPButton button;
        QCOMPARE(button.size(), QSize(75, 30));
        QVERIFY(button.isEnabled());
        QVERIFY(button.TabStop());
        QCOMPARE(button.focusPolicy(), Qt::StrongFocus);
        QCOMPARE(button.ButtonStyle(), bsGradient);
        QVERIFY(button.BorderDraw());
        QCOMPARE(button.BorderColor(), TColor(0x008396A0));
        QCOMPARE(button.BorderColor(), RGB(160, 150, 131));
        QCOMPARE(button.GradientBeginColor(), TColor(16777215));
        QCOMPARE(button.GradientEndColor(), TColor(12632256));
        QVERIFY(button.Caption().isEmpty());
        QVERIFY(button.Glyph().isNull());
        QCOMPARE(button.Kind(), bkCustom);
        QCOMPARE(button.Layout(), blGlyphLeft);
        QCOMPARE(button.Margin(), -1);
        QCOMPARE(button.Spacing(), 4);
        QCOMPARE(button.NumGlyphs(), 1);
        QCOMPARE(button.ModalResult(), 0);
        QVERIFY(button.CanDrawFocus());
        QVERIFY(!button.Default());
        QVERIFY(!button.Cancel());
        QCOMPARE(button.Color(), clBtnFace);
        QVERIFY(!button.ParentColor());
        QCOMPARE(button.FontColor(), clWindowText);
        QCOMPARE(button.font().family(), QStringLiteral("宋体"));
        QCOMPARE(button.font().pixelSize(), 12);
        QCOMPARE(button.DrawState(), TButtonDrawState::Up);
        QVERIFY(!button.IsHot());
        QVERIFY(!button.IsTracking());
    }

    void propertiesAreReachableByName() {
        TXPButton button;
        QVERIFY(button.setProperty("ButtonStyle", QVariant::fromValue(bsXPGreen)));
        QCOMPARE(button.ButtonStyle(), bsXPGreen);
        QVERIFY(button.setProperty("Layout", QVariant::fromValue(blGlyphTop)));
        QCOMPARE(button.Layout(), blGlyphTop);
        QVERIFY(button.setProperty("GradientEndColor", quint32(clPurple)));
        QCOMPARE(button.GradientEndColor(), clPurple);
        QVERIFY(button.setProperty("Caption", QStringLiteral("开始游戏")));
        QCOMPARE(button.property("Caption").toString(), QStringLiteral("开始游戏"));
        QCOMPARE(button.property("Kind").value<TButtonKind>(), bkCustom);
    }

    void marginAndGlyphCountIgnoreValuesOutOfRange() {
        TXPButton button;
        button.SetMargin(3);
        button.SetMargin(-2);
        QCOMPARE(button.Margin(), 3);
        button.SetMargin(-1);
        QCOMPARE(button.Margin(), -1);
        button.SetNumGlyphs(3);
        button.SetNumGlyphs(0);
        button.SetNumGlyphs(5);
        QCOMPARE(button.NumGlyphs(), 3);
        button.SetSpacing(-1);
        QCOMPARE(button.Spacing(), -1);
    }

    void xpStyleSwitchesTheBorderOffForGood() {
        TXPButton button;
        button.SetButtonStyle(bsXPArgent);
        QVERIFY(!button.BorderDraw());
        QCOMPARE(XPPaletteOf(button.ButtonStyle())[0], RGB(55, 98, 6));
        QCOMPARE(XPPaletteOf(button.ButtonStyle())[1], RGB(117, 137, 91));
        button.SetButtonStyle(bsGradient);
        QVERIFY(!button.BorderDraw());
        button.SetBorderDraw(true);
        button.SetButtonStyle(bsStandard);
        QVERIFY(button.BorderDraw());
    }

    void glyphWidthTellsTheCellCount_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("cells");
        QTest::newRow("four cells") << 72 << 18 << 4;
        QTest::newRow("two cells") << 36 << 18 << 2;
        QTest::newRow("one square") << 16 << 16 << 1;
        QTest::newRow("five cells count as one") << 90 << 18 << 1;
        QTest::newRow("not a multiple keeps the count") << 40 << 18 << 3;
        QTest::newRow("XPBALL keeps the count") << 36 << 19 << 3;
    }

    void glyphWidthTellsTheCellCount() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, cells);
        TXPButton button;
        button.SetNumGlyphs(3);
        button.SetGlyph(Picture(width, height));
        QCOMPARE(button.NumGlyphs(), cells);
        QCOMPARE(button.Glyph().size(), QSize(width, height));
    }

    void settingTheOwnGlyphAgainChangesNothing() {
        TXPButton button;
        button.SetGlyph(Picture(36, 18));
        button.SetNumGlyphs(4);
        button.SetGlyph(button.Glyph());
        QCOMPARE(button.NumGlyphs(), 4);
    }

    void kindTableCoversAllKinds() {
        QCOMPARE(kButtonKindCount, 51);
        QCOMPARE(ButtonKindResourcePath(bkOK), QStringLiteral(":/XPBOK"));
        QCOMPARE(ButtonKindResourcePath(bkPassWord), QStringLiteral(":/XPPASSWORD"));
        QCOMPARE(ButtonKindResourcePath(bkLoad), QStringLiteral(":/XPLOAD"));
        QCOMPARE(ButtonKindGlyphCount(bkAll), 2);
        QCOMPARE(ButtonKindGlyphCount(bkOpen), 1);
        QCOMPARE(ButtonKindEntry(bkYes).modalResult, 6);
        QCOMPARE(ButtonKindEntry(bkAll).modalResult, 8);
        QCOMPARE(ButtonKindEntry(bkClose).modalResult, 0);
        QCOMPARE(QString::fromUtf8(ButtonKindEntry(bkSaveto).caption), QStringLiteral("另存为"));
    }

    void everyKindFindsAPictureOfItsSize() {
        if (!GlyphResourcesPresent()) QSKIP("the glyph pictures are not linked in");
        for (int k = bkOK; k <= bkLoad; ++k) {
            const auto kind = static_cast<TButtonKind>(k);
            const QImage picture(ButtonKindResourcePath(kind));
            QVERIFY2(!picture.isNull(), qPrintable(ButtonKindResourcePath(kind)));
            const QSize expected =
                kind == bkAll ? QSize(36, 19) : (k <= bkAll ? QSize(36, 18) : QSize(16, 16));
            QCOMPARE(picture.size(), expected);

            TXPButton button;
            button.SetKind(kind);
            QCOMPARE(button.Kind(), kind);
            QCOMPARE(button.NumGlyphs(), ButtonKindGlyphCount(kind));
            QCOMPARE(button.ModalResult(), ButtonKindEntry(kind).modalResult);
            QCOMPARE(button.Caption(), QString::fromUtf8(ButtonKindEntry(kind).caption));
            QCOMPARE(button.Glyph().size(), expected);
        }
    }

    void kindOKBringsCaptionResultAndTwoCellsThatStay() {
        if (!GlyphResourcesPresent()) QSKIP("the glyph pictures are not linked in");
        TXPButton button;
        button.SetKind(bkOK);
        QCOMPARE(button.Caption(), QStringLiteral("确定"));
        QCOMPARE(button.ModalResult(), 1);
        QCOMPARE(button.NumGlyphs(), 2);
        QCOMPARE(button.Glyph().size(), QSize(36, 18));
        button.SetKind(bkCustom);
        QCOMPARE(button.Kind(), bkCustom);
        QCOMPARE(button.Caption(), QStringLiteral("确定"));
        QCOMPARE(button.ModalResult(), 1);
        QCOMPARE(button.NumGlyphs(), 2);
        QVERIFY(!button.Glyph().isNull());
    }

    void actionBringsItsTextStateAndImage() {
        QPixmap icon(16, 16);
        icon.fill(QColor(0, 128, 0));
        QAction action(QIcon(icon), QStringLiteral("新游戏"));
        action.setEnabled(false);
        TXPButton button;
        button.SetNumGlyphs(3);
        button.SetAction(&action);
        QCOMPARE(button.Caption(), QStringLiteral("新游戏"));
        QVERIFY(!button.isEnabled());
        QCOMPARE(button.Glyph().size(), QSize(16, 16));
        QCOMPARE(button.Glyph().pixel(8, 8), qRgb(0, 128, 0));
        QCOMPARE(button.NumGlyphs(), 3);

        // An image is only copied into an empty glyph.
        button.SetGlyph(Picture(18, 18));
        action.setText(QStringLiteral("再来"));
        action.setEnabled(true);
        QCOMPARE(button.Caption(), QStringLiteral("再来"));
        QVERIFY(button.isEnabled());
        QCOMPARE(button.Glyph().pixel(8, 8), qRgb(255, 255, 255));

        // The click goes to the action instead of the click handler.
        QSignalSpy triggered(&action, &QAction::triggered);
        QSignalSpy clicked(&button, &TXPButton::OnClick);
        button.Click();
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(clicked.count(), 0);
    }

    void actionWithTransparentIconLeavesMagentaBehind() {
        QPixmap icon(16, 16);
        icon.fill(Qt::transparent);
        QAction action(QIcon(icon), QStringLiteral("x"));
        TXPButton button;
        button.SetAction(&action);
        QCOMPARE(button.Glyph().pixel(0, 15), qRgb(255, 0, 255));
    }
};

QTEST_MAIN(ButtonPropertiesTest)
#include "ButtonPropertiesTest.moc"
