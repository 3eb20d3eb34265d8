// Grabs the real main window, headless, for the README: a game in progress against the
// computer, in Chinese and in English, the window as it starts with its start panel, the About
// dialog, and the marked five with a hint and its forced line; given an engine's program too, a
// game against that engine. Run by hand:
//   QT_QPA_PLATFORM=offscreen take_screenshot docs [build-tests/bin/pbrain-wuziqi]
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "About.h"
#include "AppInfo.h"
#include "BoardImage.h"
#include "GameSession.h"
#include "Language.h"
#include "MainForm.h"
#include "OpponentSettings.h"
#include "XPButton.h"

namespace {

void ClickPoint(TForm1& form, BoardImage* image, int column, int row) {
    QTest::mouseClick(image, Qt::LeftButton, {},
                      QPoint(column * image->Geometry().cell, row * image->Geometry().cell));
}

void MovePointer(TForm1& form, BoardImage* image, int column, int row) {
    const QPoint pixel(column * image->Geometry().cell, row * image->Geometry().cell);
    QMouseEvent move(QEvent::MouseMove, pixel, image->mapToGlobal(pixel), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image, &move);
}

void WaitForOpponent(TForm1& form) {
    while (form.Session().OpponentThinking())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The window against the engine, which opens the game; move numbers on, and the engine's
// name and version in the status bar.
bool GrabEngineGame(const QDir& folder, const QString& engine) {
    TForm1 form;
    form.SetMessageRecorder([](const QString&) {});
    form.PlayAgainstEngine(engine, OpponentSettings::DefaultTurnSeconds);
    form.show();
    auto* image = form.findChild<BoardImage*>(QStringLiteral("Image1"));
    form.findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton2"))->Click();
    form.findChild<QAction*>(QStringLiteral("N8"))->trigger();
    form.findChild<QAction*>(QStringLiteral("Action1"))->trigger();
    WaitForOpponent(form);
    for (const auto& [column, row] : {std::pair{9, 9}, {7, 9}, {9, 7}}) {
        ClickPoint(form, image, column, row);
        WaitForOpponent(form);
    }
    QCoreApplication::processEvents();
    return form.grab().save(folder.filePath(QStringLiteral("engine-game.png")));
}

// Two players: Black makes five down the left edge, then White, to move, asks for a hint and
// for the forced line behind it.
bool GrabPlayAids(const QDir& folder) {
    TForm1 form;
    form.SetMessageRecorder([](const QString&) {});
    form.show();
    auto* image = form.findChild<BoardImage*>(QStringLiteral("Image1"));
    form.findChild<wuziqi::TXPButton*>(QStringLiteral("XPButton2"))->Click();
    form.findChild<QAction*>(QStringLiteral("Action8"))->trigger();
    const int moves[][2] = {{1, 6}, {1, 1},  {10, 9}, {1, 2},   {11, 9},
                            {1, 3}, {9, 11}, {1, 4},  {11, 11}, {1, 5}};
    for (const auto& move : moves)
        ClickPoint(form, image, move[0], move[1]);
    form.findChild<QAction*>(QStringLiteral("ActionHint"))->trigger();
    while (form.Session().HintThinking())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    form.findChild<QAction*>(QStringLiteral("ActionLine"))->trigger();
    while (form.Session().LineThinking())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    MovePointer(form, image, 14, 3);
    QCoreApplication::processEvents();
    return form.grab().save(folder.filePath(QStringLiteral("play-aids.png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The window as on a first start, whatever this machine remembers.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
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
        WaitForOpponent(form);  // the answer comes from a worker thread
    }
    // The clocks as a person's game shows them, 3.7 seconds a move for White and the computer's
    // replies too quick to count, not the real time of this run: the clock is stopped, and a
    // change of language shows the panels again with these values.
    form.Timer1Timer();
    form.findChild<QAction*>(QStringLiteral("Action9"))->trigger();
    form.Record().BlackClock = 0;
    form.Record().WhiteClock = 4 * 37;
    UseLanguage(Language::Chinese);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    MovePointer(form, image, 10, 10);
    QCoreApplication::processEvents();
    if (!form.grab().save(folder.filePath(QStringLiteral("screenshot.png")))) return 1;

    UseLanguage(Language::English);
    QCoreApplication::processEvents();
    if (!form.grab().save(folder.filePath(QStringLiteral("screenshot-en.png")))) return 1;
    UseLanguage(Language::Chinese);
    if (!GrabPlayAids(folder)) return 1;
    if (argc > 2 && !GrabEngineGame(folder, QString::fromLocal8Bit(argv[2]))) return 1;
    return 0;
}
