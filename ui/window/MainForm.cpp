// The main window's making and wiring: the parts are built, the session's reports become what
// the window shows, and the commands reach their handlers.
#include "MainForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMessageBox>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>

#include "AppInfo.h"
#include "BoardImage.h"
#include "GameFiles.h"
#include "GameSession.h"
#include "GameTexts.h"
#include "KeptGameFile.h"
#include "LanguageMenu.h"
#include "OpponentChoice.h"
#include "SessionScene.h"
#include "StatusPanels.h"
#include "ui_MainForm.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    session = new GameSession(this);
    BuildShell();
    Panels = new StatusPanels(ui->StatusBar1);
    ConnectSession();
    ConnectCommands();

    AppSettings = OpenSettings();
    Files = new GameFiles(*session, this, ui->RecentMenu, AppSettings.get(),
                          [this] { return Opponents->PlayersOfGame(); });
    connect(Files, &GameFiles::Message, this, &TForm1::ShowMessage);
    connect(Files, &GameFiles::RecentGameOpened, this, &TForm1::XPButton2Click);
    Opponents = new OpponentChoice(*session, this,
                                   {ui->BuiltInOpponent, ui->EngineOpponent, ui->EngineLogCommand});
    connect(Opponents, &OpponentChoice::Message, this, &TForm1::ShowMessage);
    connect(Opponents, &OpponentChoice::TitleChanged, this, [this](const QString& title) {
        session->SetOpponentTitle(title);
        Panels->ShowTitleTip(title);
    });
    Opponents->UseRemembered();

    SetUpKeyboard();
    SizeAndCentre();
    ShowCodeTexts();
    if (AppSettings) MoveOldKeptGame(*AppSettings);
    ui->ResumeAction->setEnabled(AppSettings && KeptGameExists());
    if (AppSettings) ApplyOptions(ReadOptions(*AppSettings));
    ShowScene();
}

TForm1::~TForm1() {
    // An engine is told to end, and every search still running is stopped and waited for,
    // before the window it reports to goes.
    Opponents->StopEngine();
    disconnect(session, nullptr, this, nullptr);
    delete session;
}

wuziqi::GameRecord& TForm1::Record() {
    return session->Record();
}

wuziqi::TGameBoard& TForm1::Board() {
    return session->Board();
}

QImage TForm1::Picture(qreal devicePixelRatio) const {
    return ui->Image1->Render(devicePixelRatio);
}

QString TForm1::StatusText(int panel) const {
    return Panels->Text(panel);
}

void TForm1::ShowMessage(const QString& text) {
    if (RecordMessage) {
        RecordMessage(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, wuziqi::ApplicationTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

void TForm1::ConnectSession() {
    GameSession* game = session;
    // A winning stone is announced before the scene shows it.
    connect(game, &GameSession::StoneWins, this,
            [this](std::uint8_t colour) { ShowMessage(GameTexts::Win(colour)); });
    connect(game, &GameSession::PlacementRefused, this,
            [this](wuziqi::PlaceRefusal reason) { ShowMessage(GameTexts::Refusal(reason)); });
    connect(game, &GameSession::WrongColour, this,
            [this] { ShowMessage(GameTexts::WrongColour()); });
    connect(game, &GameSession::PatternMismatch, Panels, &StatusPanels::ShowMismatch);
    connect(game, &GameSession::BoardFull, this, [this] { ShowMessage(GameTexts::Draw()); });
    connect(game, &GameSession::SceneChanged, this, &TForm1::ShowScene);
    connect(game, &GameSession::CommandsChanged, this, &TForm1::SyncCommands);
    connect(game, &GameSession::StatusChanged, this,
            [this] { Panels->ShowStatusLine(session->Status()); });
    connect(game, &GameSession::ClockChanged, this, &TForm1::ShowClocks);
    connect(game, &GameSession::BusyChanged, this, [this](bool busy) {
        if (busy)
            setCursor(Qt::BusyCursor);
        else
            unsetCursor();
    });
    connect(ui->Image1, &BoardImage::pointClicked, this, &TForm1::Image1MouseDown);
    connect(ui->Image1, &BoardImage::pointerMoved, this, &TForm1::Image1MouseMove);
}

void TForm1::ConnectCommands() {
    // Any command but the hint's and the forced line's takes the hint away; connected before
    // the commands' own handlers.
    const QList<QAction*> commands = findChildren<QAction*>();
    for (QAction* command : commands) {
        if (command != ui->ActionHint && command != ui->ActionLine && !command->isSeparator() &&
            !command->menu())
            connect(command, &QAction::triggered, session, &GameSession::ClearHint);
    }
    const std::pair<QAction*, void (TForm1::*)()> handlers[] = {
        {ui->Action1, &TForm1::Action1Execute},
        {ui->Action2, &TForm1::Action2Execute},
        {ui->Action3, &TForm1::Action3Execute},
        {ui->Action4, &TForm1::Action4Execute},
        {ui->Action5, &TForm1::Action5Execute},
        {ui->Action6, &TForm1::Action6Execute},
        {ui->Action7, &TForm1::Action7Execute},
        {ui->Action8, &TForm1::Action8Execute},
        {ui->Action9, &TForm1::Action9Execute},
        {ui->N5, &TForm1::N5Click},
        {ui->N8, &TForm1::N8Click},
        {ui->N11, &TForm1::N11Click},
        {ui->N12, &TForm1::N12Click},
        {ui->N13, &TForm1::N13Click},
        {ui->N14, &TForm1::N14Click},
        {ui->N16, &TForm1::N16Click},
        {ui->ActionHint, &TForm1::ActionHintExecute},
        {ui->ActionLine, &TForm1::ActionLineExecute},
        {ui->ResumeAction, &TForm1::ResumeActionExecute}};
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    connect(ui->LevelGroup, &QActionGroup::triggered, this, &TForm1::ChooseLevel);
    connect(ui->MasterTimeCommand, &QAction::triggered, this, &TForm1::ChooseMasterTime);
    connect(ui->ClearRecentAction, &QAction::triggered, this, [this] { Files->ClearRecent(); });
    Languages = new LanguageMenu(ui->LanguageGroup);
}

void TForm1::ShowScene() {
    ui->Image1->SetScene(SceneOf(*session, ui->N8->isChecked()));
}

void TForm1::SyncCommands() {
    const wuziqi::GameRecord& record = session->Record();
    ui->Action4->setEnabled(record.Action4Enabled);
    ui->Action5->setEnabled(record.Action5Enabled);
    ui->ActionHint->setEnabled(session->HintOffered());
    ui->ActionLine->setEnabled(session->LineOffered());
}

void TForm1::ShowClocks() {
    Panels->ShowClocks(session->Record().BlackClock, session->Record().WhiteClock);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || Shown) return;
    Shown = true;
    session->NewGame();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!SessionEnded) KeepForNextStart(false);
    QMainWindow::closeEvent(event);
}

void TForm1::EndSession() {
    if (SessionEnded) return;
    KeepForNextStart(true);
    SessionEnded = true;
    // Every event loop ends, a message box's or a dialog's too.
    QCoreApplication::quit();
}

void TForm1::KeepForNextStart(bool quietly) {
    // A reply still being worked out is not wanted any more; the game is kept with the opponent
    // to move, and a resumed game asks it again. An engine is told to end.
    const wuziqi::KeptGame kept = session->Kept();
    session->CallOffReply();
    Opponents->StopEngine();
    if (!AppSettings) return;
    WriteOptions(*AppSettings, CurrentOptions());
    AppSettings->sync();
    // A game the person has not touched (the computer's opening stone, a file opened and only
    // looked at) leaves the game kept before as it was.
    if (session->WorthKeeping()) Files->Keep(kept, quietly);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (Files) {
            ShowCodeTexts();
            Files->RemakeDialogs();
        }
    }
    QMainWindow::changeEvent(event);
}
