// Settings the window never wrote: each key it reads holding text, numbers and types it does not
// expect, and saved places no screen can show. The window must open whole on the screen, usable.
#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "SavedGeometry.h"
#include "SettingsTestMain.h"
#include "WindowFixture.h"

namespace {

// A record in QWidget::saveGeometry's layout, for a window that was not maximized.
QByteArray GeometryRecord(const QRect& frame, const QRect& placed, quint16 version = 3) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << version << quint16(0) << frame << placed << qint32(0)
           << quint8(0) << quint8(0);
    if (version > 1) stream << qint32(QGuiApplication::primaryScreen()->geometry().width());
    if (version > 2) stream << placed;
    return bytes;
}

QRect Screen() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

class DamagedSettingsTest : public QObject {
    Q_OBJECT

    // What a window that fits the screen, away from the first start's place, left: for the rows
    // that spoil only one of the two, and for those that spoil neither to find again.
    QByteArray fittingGeometry;
    QRect fittingFrame;

  private slots:
    void initTestCase() {
        ShownWindow w;
        w.form->resize(w.form->minimumSize());
        w.form->move(Screen().topLeft() + QPoint(20, 40));
        fittingGeometry = w.form->saveGeometry();
        fittingFrame = w.form->frameGeometry();
    }

    void savedPlaceIsKeptOnlyWhereItFits() {
        const QSize least(300, 200);
        const QRect frame(10, 10, 400, 300);
        const QList<QRect> areas{Screen(), Screen().translated(Screen().width(), 0)};
        const auto fits = [&](const QByteArray& record) {
            const std::optional<SavedGeometry> saved = ReadSavedGeometry(record);
            return saved && FitsOneArea(*saved, frame, areas, least);
        };
        QVERIFY(fits(GeometryRecord(frame, frame)));
        QVERIFY(fits(GeometryRecord(frame, frame, 1)));
        QVERIFY(!fits(GeometryRecord(frame, frame, 4)));
        QVERIFY(!fits(GeometryRecord(frame, frame).chopped(1)));
        QVERIFY(!fits(GeometryRecord(frame, QRect(10, 10, 44722, 44722), 2)));
        QVERIFY(!fits(GeometryRecord(frame, QRect(10, 10, 299, 300))));
        QVERIFY(!fits(GeometryRecord(QRect(10, 10, -400, 300), frame)));
        // Across the edge between two screens is on neither.
        const QRect straddling = frame.translated(Screen().width() - 200, 0);
        QVERIFY(!fits(GeometryRecord(straddling, straddling)));
        QVERIFY(!FitsOneArea(*ReadSavedGeometry(GeometryRecord(frame, frame)), straddling, areas,
                             least));
    }

    void windowOpensUsableWhateverASettingHolds_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        const QList<std::pair<const char*, QVariant>> anyKey{
            {"text", QStringLiteral("garbage \u00ff\u4e94 \"[x]=")},
            {"huge", QVariant(qlonglong(1) << 62)},
            {"int-sized", 2000000000},
            {"negative", -2147483647 - 1},
            {"list", QStringList{QStringLiteral("a"), QString()}},
            {"mixed list", QVariantList{1, QRect(1, 2, 3, 4), QByteArray("\0", 1)}},
            {"bytes", QByteArray("\0\xff garbage", 10)},
            {"rect", QRect(-1000000000, -1000000000, 2000000000, 2000000000)},
        };
        const char* keys[] = {
            "window/geometry",      "window/frame",       "view/toolBar",    "view/statusBar",
            "view/moveNumbers",     "view/clock",         "game/twoPlayers", "game/computerFirst",
            "files/lastFolder",     "interface/language", "opponent/kind",   "opponent/engine",
            "opponent/turnSeconds", "recent/files",
        };
        for (const char* key : keys)
            for (const auto& [name, value] : anyKey)
                QTest::addRow("%s %s", key, name) << QString::fromLatin1(key) << value;

        // Places restoreGeometry would take as they are.
        const QRect home = fittingFrame;
        const std::pair<const char*, QByteArray> geometries[] = {
            {"two thousand million pixels", GeometryRecord(home, QRect(0, 0, 44722, 44722))},
            {"as large as Qt allows", GeometryRecord(home, QRect(0, 0, 16777215, 16777215), 2)},
            {"larger than the screen", GeometryRecord(home, Screen().adjusted(0, 0, 1, 0))},
            {"negative size", GeometryRecord(home, QRect(10, 10, -500, -500))},
            {"too small", GeometryRecord(home, QRect(10, 10, 20, 20))},
            {"off every screen", GeometryRecord(home, home.translated(Screen().bottomRight()))},
            {"cut short", GeometryRecord(home, home).left(30)},
        };
        for (const auto& [name, record] : geometries)
            QTest::addRow("window/geometry %s", name)
                << QStringLiteral("window/geometry") << QVariant(record);
        QTest::addRow("window/frame off every screen")
            << QStringLiteral("window/frame") << QVariant(home.translated(-home.right() - 1, 0));
    }

    void windowOpensUsableWhateverASettingHolds() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        FirstStartSettings clean(true);
        {
            QSettings settings;
            settings.setValue(QStringLiteral("window/geometry"), fittingGeometry);
            settings.setValue(QStringLiteral("window/frame"), fittingFrame);
            settings.setValue(key, value);
        }
        TForm1 form;
        form.SetMessageRecorder([](const QString&) {});
        // Checked before the window is shown: one larger than the screen cannot be painted.
        QVERIFY(Screen().contains(form.frameGeometry()));
        QVERIFY(form.width() >= form.minimumWidth() && form.height() >= form.minimumHeight());
        form.show();
        QVERIFY(form.isVisible());
        QVERIFY(Screen().contains(form.frameGeometry()));
        if (!key.startsWith(QLatin1String("window/"))) QCOMPARE(form.frameGeometry(), fittingFrame);

        // Two players: the click's stone stays on the board without waiting for a reply.
        form.findChild<QAction*>(QStringLiteral("N12"))->trigger();
        auto* image = form.findChild<BoardImage*>(QStringLiteral("Image1"));
        QTest::mouseClick(image, Qt::LeftButton, {}, image->Geometry().Crossing(3, 4));
        QVERIFY(form.Board().GetCell(3, 4) != wuziqi::Empty);
    }
};

WUZIQI_SETTINGS_TEST_MAIN(DamagedSettingsTest)
#include "DamagedSettingsTest.moc"
