// A demonstration sheet: every style in every state, some predefined kinds with their glyphs,
// and the window's two buttons. Each state must look different from the plain button.
// With WUZIQI_BUTTON_SHEET=<file.png> set, the sheet is also written to that file.

#include <QPainter>
#include <QTest>

#include "ButtonTestSupport.h"

using namespace wuziqi;
using namespace wuziqi::testing;

namespace {

enum class Look { Normal, Hovered, Pressed, Focused, Disabled };
const QList<Look> kLooks = {Look::Normal, Look::Hovered, Look::Pressed, Look::Focused,
                            Look::Disabled};
const QStringList kLookNames = {"normal", "hovered", "pressed", "focused", "disabled"};
const QStringList kStyleNames = {"bsStandard", "bsGradient", "bsXPBlue", "bsXPArgent", "bsXPGreen"};

constexpr int kCellWidth = 160;
constexpr int kLabelWidth = 110;

}  // namespace

class ButtonSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        window_.resize(400, 200);
        window_.setPalette(ClassicPalette());
        window_.show();
        QVERIFY(QTest::qWaitForWindowActive(&window_));
    }

    void everyStyleShowsEveryState() {
        for (int style = bsStandard; style <= bsXPGreen; ++style) {
            TXPButton* button = NewButton(QSize(120, 30));
            button->SetButtonStyle(static_cast<TButtonStyle>(style));
            button->SetCaption(QStringLiteral("重新开局(&R)"));
            QList<QImage> row;
            for (Look look : kLooks)
                row.append(Shoot(button, look));
            for (int i = 1; i < row.size(); ++i) {
                QVERIFY2(row[i] != row[0],
                         qPrintable(kStyleNames[style] + " " + kLookNames[i] + " looks normal"));
            }
            AddRow(kStyleNames[style], row);
            delete button;
        }
    }

    void kindsShowTheirGlyphs() {
        const QList<TButtonKind> kinds = {bkOK, bkCancel, bkOpen, bkSave, bkHelps};
        QList<QImage> normal, disabled;
        for (TButtonKind kind : kinds) {
            TXPButton* button = NewButton(QSize(120, 30));
            button->SetKind(kind);
            normal.append(Shoot(button, Look::Normal));
            disabled.append(Shoot(button, Look::Disabled));
            QVERIFY(normal.last() != disabled.last());
            delete button;
        }
        AddRow(QStringLiteral("kinds"), normal);
        AddRow(QStringLiteral("kinds, disabled"), disabled);

        QList<QImage> layouts;
        for (int layout = blGlyphLeft; layout <= blGlyphBottom; ++layout) {
            TXPButton* button = NewButton(QSize(120, 50));
            button->SetButtonStyle(bsXPBlue);
            button->SetKind(bkYes);
            button->SetLayout(static_cast<TButtonLayout>(layout));
            layouts.append(Shoot(button, Look::Normal));
            delete button;
        }
        AddRow(QStringLiteral("glyph layouts"), layouts);
    }

    void windowButtonsInTheirStates() {
        TXPButton* restart = NewButton(QSize(100, 22));
        restart->SetCaption(QStringLiteral("重新开局游戏"));
        TXPButton* start = NewButton(QSize(145, 41));
        start->SetCaption(QStringLiteral("开始游戏"));
        QFont font(QStringLiteral("宋体"));
        font.setPixelSize(21);
        font.setBold(true);
        start->setFont(font);
        start->SetFontColor(clPurple);
        QList<QImage> restartRow, startRow;
        for (Look look : {Look::Normal, Look::Hovered, Look::Pressed}) {
            restartRow.append(Shoot(restart, look));
            startRow.append(Shoot(start, look));
        }
        AddRow(QStringLiteral("XPButton1"), restartRow);
        AddRow(QStringLiteral("XPButton2"), startRow);
        delete restart;
        delete start;
    }

    void cleanupTestCase() {
        int height = 30;
        for (const auto& row : rows_)
            height += RowHeight(row.second) + 10;
        QImage sheet(kLabelWidth + kCellWidth * kLooks.size(), height, QImage::Format_RGB32);
        sheet.fill(QColor(212, 208, 200));
        QPainter painter(&sheet);
        painter.setPen(Qt::black);
        for (int i = 0; i < kLookNames.size(); ++i) {
            painter.drawText(QRect(kLabelWidth + i * kCellWidth, 4, kCellWidth, 20), Qt::AlignLeft,
                             kLookNames[i]);
        }
        int y = 30;
        for (const auto& [label, images] : rows_) {
            painter.drawText(QRect(6, y, kLabelWidth - 8, RowHeight(images)), Qt::AlignVCenter,
                             label);
            for (int i = 0; i < images.size(); ++i) {
                painter.drawImage(kLabelWidth + i * kCellWidth, y, images[i]);
            }
            y += RowHeight(images) + 10;
        }
        painter.end();
        const QByteArray path = qgetenv("WUZIQI_BUTTON_SHEET");
        if (!path.isEmpty()) QVERIFY(sheet.save(QString::fromLocal8Bit(path)));
    }

  private:
    TXPButton* NewButton(QSize size) {
        auto* button = new TXPButton(&window_);
        button->setPalette(ClassicPalette());
        button->setGeometry(QRect(QPoint(20, 20), size));
        button->show();
        return button;
    }

    // The button as it looks in one state; the state is undone afterwards.
    QImage Shoot(TXPButton* button, Look look) {
        const QPoint centre = button->rect().center();
        QImage image;
        switch (look) {
            case Look::Normal: image = Render(button); break;
            case Look::Hovered:
                PointAt(button, centre);
                image = Render(button);
                PointAt(&window_, QPoint(390, 190));
                QTest::qWait(150);
                break;
            case Look::Pressed:
                QTest::mousePress(button, Qt::LeftButton, {}, centre);
                image = Render(button);
                QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-100, -100));
                window_.setFocus();
                break;
            case Look::Focused:
                button->setFocus();
                image = Render(button);
                window_.setFocus();
                break;
            case Look::Disabled:
                button->setEnabled(false);
                image = Render(button);
                button->setEnabled(true);
                break;
        }
        return image;
    }

    void AddRow(const QString& label, const QList<QImage>& images) {
        rows_.emplace_back(label, images);
    }

    static int RowHeight(const QList<QImage>& images) {
        int h = 0;
        for (const QImage& image : images)
            h = std::max(h, image.height());
        return h;
    }

    QWidget window_;
    std::vector<std::pair<QString, QList<QImage>>> rows_;
};

QTEST_MAIN(ButtonSheetTest)
#include "ButtonSheetTest.moc"
