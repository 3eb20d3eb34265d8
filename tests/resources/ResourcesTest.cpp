// Every picture the program loads by name must be bundled with the size the drawing code
// expects; the stones and glyphs must also keep their transparent colour where it belongs.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QtTest>

namespace {

// The predefined button kinds, in their order; the first ten carry two cells.
const QStringList kGlyphNames = {
    "XPBOK",    "XPBCANCEL",  "XPBHELP",     "XPBYES",    "XPBNO",         "XPBCLOSE",
    "XPBABORT", "XPBRETRY",   "XPBIGNORE",   "XPBALL",    "XPOPEN",        "XPNEW",
    "XPCOPY",   "XPCUT",      "XPEDIT",      "XPDELETE",  "XPPASTE",       "XPFIND",
    "XPUNDO",   "XPREDO",     "XPSAVE",      "XPCHECK",   "XPPRINTER",     "XPEXIT",
    "XPHELP",   "XPABOUT",    "XPCALCULATE", "XPSEARCH",  "XPINFORMATION", "XPPASSWORD",
    "XPSTART",  "XPPREVIOUS", "XPNEXT",      "XPEND",     "XPQUESTION",    "XPSAVETO",
    "XPCHART",  "XPDESIGN",   "XPPREVIEW",   "XPREFRESH", "XPPROPERTIY",   "XPADDNEW",
    "XPACDUIT", "XPLINK",     "XPACCOUNT",   "XPHOME",    "XPTOOLS",       "XPERROR",
    "XPBUILD",  "XPLOAD",
};

constexpr QRgb kBlack = 0xFF000000;

QImage Load(const QString& path) {
    QImage image(path);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The same drawing at `scale` times the size: ":/qipan@2x", ":/icons/new@3x.png".
QString Larger(const QString& path, int scale) {
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? path + suffix : path.left(dot) + suffix + path.mid(dot);
}

constexpr int kScales[] = {2, 3};
const char* const kToolbarNames[] = {"new", "open", "save", "exit", "previous", "next", "mode"};

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

  private slots:
    void picturesHaveTheirSizes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("board") << ":/qipan" << QSize(200, 199);
        QTest::newRow("white stone") << ":/whitechess" << QSize(41, 41);
        QTest::newRow("black stone") << ":/Blackchess" << QSize(41, 41);
        for (const char* name : kToolbarNames) {
            QTest::newRow(name) << QString(":/icons/%1.png").arg(name) << QSize(16, 16);
        }
        for (int side : {32, 64, 128, 256}) {
            QTest::addRow("icon %d", side)
                << QString(":/icons/wuziqi-%1.png").arg(side) << QSize(side, side);
        }
        for (int kind = 0; kind < kGlyphNames.size(); ++kind) {
            const QString& name = kGlyphNames[kind];
            QSize size = kind < 10 ? QSize(36, 18) : QSize(16, 16);
            if (name == "XPBALL") size = QSize(36, 19);
            QTest::newRow(qPrintable(name)) << ":/" + name << size;
        }
        // High-density screens get every picture but the program icon at 2x and 3x as well.
        const QList<std::pair<QString, QSize>> rows = {
            {":/qipan", QSize(200, 199)},    {":/whitechess", QSize(41, 41)},
            {":/Blackchess", QSize(41, 41)}, {":/icons/new.png", QSize(16, 16)},
            {":/XPBOK", QSize(36, 18)},      {":/XPBALL", QSize(36, 19)},
            {":/XPLOAD", QSize(16, 16)}};
        for (int scale : kScales) {
            for (const auto& [path, size] : rows) {
                QTest::newRow(qPrintable(Larger(path, scale)))
                    << Larger(path, scale) << size * scale;
            }
        }
    }

    void picturesHaveTheirSizes() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path + " does not load"));
        QCOMPARE(image.size(), size);
    }

    void stonesStandOnPureBlack_data() {
        QTest::addColumn<QString>("path");
        for (const QString path : {":/whitechess", ":/Blackchess"}) {
            QTest::newRow(qPrintable(path)) << path;
            for (int scale : kScales)
                QTest::newRow(qPrintable(Larger(path, scale))) << Larger(path, scale);
        }
    }

    // Black is the transparent colour of the stone pictures: the background must be exactly
    // black, and no pixel of the stone itself may be, or holes would show the board through it.
    void stonesStandOnPureBlack() {
        QFETCH(QString, path);
        const QImage image = Load(path);
        const int last = image.width() - 1;
        for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            QCOMPARE(image.pixel(corner), kBlack);
        }
        const QPointF centre(last / 2.0, last / 2.0);
        const double scale = image.width() / 41.0;  // the larger drawings of the stones
        const double radius = 17.0 * scale;
        int stonePixels = 0;
        for (int y = 0; y <= last; ++y) {
            for (int x = 0; x <= last; ++x) {
                const QPointF d = QPointF(x, y) - centre;
                if (QPointF::dotProduct(d, d) <= radius * radius) {
                    QVERIFY2(
                        image.pixel(x, y) != kBlack,
                        qPrintable(QString("pure black inside the stone at %1,%2").arg(x).arg(y)));
                    ++stonePixels;
                }
            }
        }
        QVERIFY(stonePixels > 800 * scale * scale);
    }

    void glyphsAreOpaqueWithAFreeBackground_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : kGlyphNames) {
            QTest::newRow(qPrintable(name)) << name;
            for (int scale : kScales)
                QTest::newRow(qPrintable(Larger(name, scale))) << Larger(name, scale);
        }
    }

    // The button draws every pixel of the bottom-left colour transparent, and a disabled
    // one-cell glyph as the silhouette of its black pixels.
    void glyphsAreOpaqueWithAFreeBackground() {
        QFETCH(QString, name);
        const QImage image = Load(":/" + name);
        QVERIFY(!image.isNull());
        const QRgb background = image.pixel(0, image.height() - 1);
        QVERIFY(background != kBlack);
        int blackPixels = 0;
        int picturePixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QCOMPARE(qAlpha(pixel), 255);
                if (pixel == kBlack) ++blackPixels;
                if (pixel != background) ++picturePixels;
            }
        }
        QVERIFY2(blackPixels >= 8, "no black outline for the disabled silhouette");
        QVERIFY2(picturePixels >= image.width() * image.height() / 6, "nearly empty glyph");
    }

    void toolbarImagesHaveATransparentBackground() {
        for (const char* name : {"new", "open", "save", "exit", "previous", "next", "mode"}) {
            const QImage image = Load(QString(":/icons/%1.png").arg(name));
            QVERIFY2(image.hasAlphaChannel(), name);
            int clear = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    clear += qAlpha(image.pixel(x, y)) == 0;
            }
            QVERIFY2(clear > 0 && clear <= 16 * 16 - 48, name);
        }
    }

    // At a device pixel ratio of 2 or 3 (QT_SCALE_FACTOR), QIcon shows the toolbar images from
    // their larger drawings, found beside them by name.
    void toolbarIconsUseTheirLargerDrawings() {
        const int ratio = qRound(qApp->devicePixelRatio());
        if (ratio < 2) QSKIP("runs at QT_SCALE_FACTOR 2 or 3");
        for (const char* name : kToolbarNames) {
            const QString path = QString(":/icons/%1.png").arg(name);
            const QImage shown = QIcon(path).pixmap(QSize(16, 16), ratio).toImage();
            const QImage larger(Larger(path, ratio));
            QCOMPARE(shown.size(), QSize(16, 16) * ratio);
            constexpr auto premultiplied = QImage::Format_ARGB32_Premultiplied;
            QCOMPARE(shown.convertToFormat(premultiplied), larger.convertToFormat(premultiplied));
        }
    }

    // The start panel shows this page without a network: its pictures must come from the
    // resources and its links must lead to the home page.
    void startPageLoadsFromTheResources() {
        QFile file(":/start/index.html");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QTextDocument document;
        document.setHtml(html);
        const QString text = document.toPlainText();
        QVERIFY(text.contains(QStringLiteral("黑先")));
        QVERIFY(text.contains(QStringLiteral("连成五子者胜")));

        int images = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat()) {
                    QString source = format.toImageFormat().name();
                    QVERIFY2(source.startsWith("qrc:/"), qPrintable(source));
                    QVERIFY2(!QImage(source.mid(3)).isNull(), qPrintable(source));
                    ++images;
                }
                if (format.isAnchor()) {
                    const QString href = format.anchorHref();
                    QVERIFY2(href.startsWith("https://wuziqi.example.org/"), qPrintable(href));
                }
            }
        }
        QVERIFY(images >= 1);
        QVERIFY2(!html.contains("<script", Qt::CaseInsensitive), "the panel runs no scripts");
    }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
