#include "MainForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QResizeEvent>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>

#include "About.h"
#include "AppInfo.h"
#include "BoardImage.h"
#include "ComputerPlayer.h"
#include "ComputerReply.h"
#include "GameBoard.h"
#include "GameTexts.h"
#include "RecentGames.h"
#include "ui_MainForm.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::FormCreate() {
    ShowMoveNumbers = false;
    ComputerFirst = true;
    GameBoard = std::make_unique<wuziqi::TGameBoard>(this);
    GameState = std::make_unique<wuziqi::GameRecord>(*GameBoard);
    HoverPoint = wuziqi::BoardPoint{3, 3};
    GameState->LastMove = wuziqi::NoLastMove;
    ui->Image1->SetScene([this] { return Scene(); });

    BuiltInComputer = new ComputerPlayer(wuziqi::SearchDepth, this);
    Computer = BuiltInComputer;
    connect(Computer, &GamePlayer::MoveChosen, this, &TForm1::ComputerAnswered);
    Hinter = new ComputerPlayer(wuziqi::SearchDepth, this);
    ThinkingNotice = new QTimer(this);
    ThinkingNotice->setSingleShot(true);
    ThinkingNotice->setInterval(ThinkingNoticeDelay);
    connect(ThinkingNotice, &QTimer::timeout, this, &TForm1::ShowThinking);

    NameToolbarItems();
    CreateStatusPanels();
    CreateStartPanel();
    CreateHintCommand();
    CreateLineCommand();
    ConnectCommands();
    CreateFileDialogs();
    SetUpKeyboard();
    SetUpOpponents();
    SizeAndCentre();
    ShowCodeTexts();
    ApplyRememberedState();
}

void TForm1::FormDestroy() {
    // A search still running is stopped and waited for before the game it answers goes.
    StopEngine();
    delete BuiltInComputer;
    BuiltInComputer = nullptr;
    Computer = nullptr;
    delete Hinter;
    Hinter = nullptr;
    delete LineFinder;
    LineFinder = nullptr;
    if (GameState) GameState->ClearHistory();
    GameState.reset();
    GameBoard.reset();
}

void TForm1::FormShow() {
    NewGame();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || Shown) return;
    Shown = true;
    FormShow();
    FormResize();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A reply still being searched is not wanted any more; the game is kept with the computer
    // to move, and a resumed game asks it again. An engine is told to end.
    if (!SessionEnded) {
        const bool computerToMove = ComputerThinking();
        CancelComputerMove();
        StopEngine();
        KeepForNextStart(computerToMove, false);
    }
    QMainWindow::closeEvent(event);
}

void TForm1::EndSession() {
    if (SessionEnded) return;
    const bool computerToMove = ComputerThinking();
    CancelComputerMove();
    StopEngine();
    KeepForNextStart(computerToMove, true);
    SessionEnded = true;
    // Every event loop ends, a message box's or a dialog's too.
    QCoreApplication::quit();
}

void TForm1::ShowMessage(const QString& text) {
    if (RecordMessage) {
        RecordMessage(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, wuziqi::ApplicationTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

void TForm1::PlacementRefused(wuziqi::PlaceRefusal reason) {
    ShowMessage(GameTexts::Refusal(reason));
}

void TForm1::StoneWins(std::uint8_t colour, int, int) {
    ShowMessage(GameTexts::Win(colour));
}

void TForm1::WrongColour() {
    ShowMessage(GameTexts::WrongColour());
}

void TForm1::PatternMismatch(int count) {
    ShownMismatch = count;
    StatusPanels[4]->setText(GameTexts::PatternMismatch(count));
}

void TForm1::ShowVerdict(wuziqi::Verdict verdict) {
    // A choice that was not made leaves the last comment standing.
    if (verdict == wuziqi::Verdict::Unchanged) return;
    Status.note = verdict;
    ShowStatusLine();
}

void TForm1::ShowStatusLine() {
    QString text;
    if (Status.thinking) {
        text = GameTexts::Thinking();
    } else if (Status.hint) {
        // No point is left on a full board: the hint can only say so.
        text = *Status.hint ? HintVerdictText(**Status.hint) : tr("和棋！");
    } else if (const auto* verdict = std::get_if<wuziqi::Verdict>(&Status.note)) {
        text = GameTexts::Verdict(*verdict);
    } else if (const auto* title = std::get_if<QString>(&Status.note)) {
        text = *title;
    }
    StatusPanels[0]->setText(text);
}

QString TForm1::StatusText(int panel) const {
    return StatusPanels.at(static_cast<std::size_t>(panel))->text();
}
