// Grabs the real main window, headless, for the README: a game in progress against the
// computer, the window as it starts with its start panel, and the About dialog. Run by hand:
//   QT_QPA_PLATFORM=offscreen take_screenshot docs
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

#include "About.h"
#include "AppInfo.h"
#include "BoardImage.h"
#include "MainForm.h"
#include "XPButton.h"

namespace {

void ClickPoint(TForm1& form, BoardImage* image, int column, int row) {
    QTest::mouseClick(image, Qt::LeftButton, {},
                      QPoint(column * form.CellSize, row * form.CellSize));
}

void MovePointer(TForm1& form, BoardImage* image, int column, int row) {
    const QPoint pixel(column * form.CellSize, row * form.CellSize);
    QMouseEvent move(QEvent::MouseMove, pixel, image->mapToGlobal(pixel), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image, &move);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    wuziqi::UseSongStyleFallbacks();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const auto noBoxes = [](const QString&) {};

    TForm1 start;
    start.SetMessageRecorder(noBoxes);
    start.show();
    QCoreApplication::processEvents();
    if (!start.grab().save(folder.filePath(QStringLiteral("start-panel.png")))) return 1;

    TForm2 about;
    about.show();
    if (!about.grab().save(folder.filePath(QStringLiteral("about.png")))) return 1;
    about.hide();

    TForm1 form;
    form.SetMessageRecorder(noBoxes);
    form.show();
    auto* image = form.findChild<BoardImage*>(QStringLiteral("Image1"));
    form.findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton2"))->Click();
    form.findChild<QAction*>(QStringLiteral("Action9"))->trigger();
    form.findChild<QAction*>(QStringLiteral("N8"))->trigger();
    const int moves[][2] = {{7, 7}, {9, 7}, {7, 9}, {6, 8}};
    for (const auto& move : moves) {
        ClickPoint(form, image, move[0], move[1]);
        for (int tick = 0; tick < 37; ++tick)
            form.Timer1Timer();
    }
    MovePointer(form, image, 10, 10);
    QCoreApplication::processEvents();
    return form.grab().save(folder.filePath(QStringLiteral("screenshot.png"))) ? 0 : 1;
}
