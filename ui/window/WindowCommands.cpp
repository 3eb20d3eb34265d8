// The window's commands: each hands on to the game session or to the object that does its job.
#include <QAction>
#include <QDesktopServices>
#include <QFrame>
#include <QInputDialog>
#include <QUrl>

#include "About.h"
#include "AppInfo.h"
#include "BoardImage.h"
#include "GameFiles.h"
#include "GameSession.h"
#include "KeptGameFile.h"
#include "MainForm.h"
#include "OpponentChoice.h"
#include "StatusPanels.h"
#include "ui_MainForm.h"

void TForm1::Image1MouseDown(wuziqi::BoardPoint point) {
    session->PointChosen(point);
}

void TForm1::Image1MouseMove(wuziqi::BoardPoint point) {
    Panels->ShowPointer(point);
}

void TForm1::Action1Execute() {
    session->NewGame();
}

void TForm1::XPButton1Click() {
    session->NewGame();
}

void TForm1::XPButton2Click() {
    Panel3->hide();
}

void TForm1::Action2Execute() {
    close();
}

void TForm1::Action3Execute() {
    if (AboutDialog) AboutDialog->exec();
}

void TForm1::Action4Execute() {
    session->StepBack();
}

void TForm1::Action5Execute() {
    session->StepForward();
}

void TForm1::Action6Execute() {
    Files->SaveChosen();
}

void TForm1::Action7Execute() {
    Files->OpenChosen();
}

void TForm1::Action8Execute() {
    // The action has flipped its own check mark; ToolButton9 shows it pressed while checked.
    const bool againstComputer = ui->Action8->isChecked();
    session->SetAgainstComputer(againstComputer);
    ui->N16->setEnabled(againstComputer);
}

void TForm1::N11Click() {
    // In review the pending mode is the one Action8 names, not the review mode itself.
    if (session->PlayMode() == wuziqi::ModeTwoPlayers) ui->Action8->trigger();
    ui->N11->setChecked(true);
}

void TForm1::N12Click() {
    if (session->PlayMode() == wuziqi::ModeAgainstComputer) ui->Action8->trigger();
    ui->N12->setChecked(true);
}

void TForm1::N16Click() {
    session->SetComputerFirst(ui->N16->isChecked());
}

void TForm1::Action9Execute() {
    // The action has flipped its own check mark; the counters carry on where they stood.
    session->SetClockWanted(ui->Action9->isChecked());
    session->ClockFollowsGame();
}

void TForm1::Timer1Timer() {
    session->TickClock();
}

void TForm1::N8Click() {
    ShowScene();  // the item has flipped its own check mark
}

void TForm1::N13Click() {
    FlipBar(ui->StatusBar1, ui->N13->isChecked());
}

void TForm1::N14Click() {
    FlipBar(ui->ToolBar1, ui->N14->isChecked());
}

void TForm1::N5Click() {
    // Without a browser (or a desktop that knows one) nothing would open; the address is then
    // given to be opened by hand.
    const QString address = QString::fromLatin1(wuziqi::HomePageAddress);
    if (!QDesktopServices::openUrl(QUrl(address)))
        ShowMessage(tr("无法打开网页浏览器。请在浏览器中打开这个地址：\n%1").arg(address));
}

void TForm1::ActionHintExecute() {
    session->AskHint();
}

void TForm1::ActionLineExecute() {
    session->FlipLine();
}

void TForm1::ResumeActionExecute() {
    // The game comes back in sight, and so does the computer's answer to it.
    if (ResumeLastGame()) XPButton2Click();
}

bool TForm1::ResumeLastGame() {
    // Offered once a run: the game it brings back is then on the board.
    ui->ResumeAction->setEnabled(false);
    if (!AppSettings) return false;
    const std::optional<wuziqi::KeptGame> game = Files->ReadKept();
    if (!game) return false;
    session->CallOffReply();
    // The play mode first, as its commands set it, while the record still has its own.
    const bool twoPlayers = game->gameMode == wuziqi::ModeTwoPlayers;
    if (game->gameMode != wuziqi::ModeReview &&
        twoPlayers != (session->PlayMode() == wuziqi::ModeTwoPlayers))
        (twoPlayers ? ui->N12 : ui->N11)->trigger();
    session->Restore(*game);
    return true;
}

void TForm1::ChooseLevel(QAction* entry) {
    const wuziqi::PlayLevel level = entry == ui->BeginnerLevel ? wuziqi::PlayLevel::Beginner
                                    : entry == ui->MasterLevel ? wuziqi::PlayLevel::Master
                                                               : wuziqi::PlayLevel::Standard;
    session->SetLevel(level, session->MasterMilliseconds());
    ShowLevel();
}

void TForm1::ChooseMasterTime() {
    bool ok = false;
    const int seconds =
        QInputDialog::getInt(this, wuziqi::ApplicationTitle(), tr("大师每步思考的时间（秒）："),
                             session->MasterMilliseconds() / 1000, 1, LongestMasterSeconds, 1, &ok);
    if (ok) session->SetLevel(session->Level(), seconds * 1000);
}

void TForm1::ShowLevel() {
    const wuziqi::PlayLevel level = session->Level();
    (level == wuziqi::PlayLevel::Beginner ? ui->BeginnerLevel
     : level == wuziqi::PlayLevel::Master ? ui->MasterLevel
                                          : ui->StandardLevel)
        ->setChecked(true);
    // The standard level proves its wins against a defender who only blocks; the master's
    // hold against every defence.
    const QString shown =
        tr("显示电脑证明的必胜棋路：进攻方的每一步和防守方被迫的应手，以编号的半透明棋子画在棋盘"
           "上，再用一次即收起。");
    ui->ActionLine->setToolTip(
        level == wuziqi::PlayLevel::Standard
            ? shown + QLatin1Char('\n') +
                  tr("这只是“防守方只堵不攻”时的必胜：搜索从不让防守方用自己的冲四或活三反击，强"
                     "手可以借反击化解。\n棋路经过活三时，所示的防守应手是搜索最先尝试的那一手，"
                     "而非唯一的应法。")
            : shown + QLatin1Char('\n') +
                  tr("大师的棋路对防守方的每一种应法都成立，包括用冲四或活三反击。"));
}

bool TForm1::SaveGameFile(const QString& fileName, GameFileFormat format) {
    return Files->Save(fileName, format);
}

bool TForm1::LoadGameFile(const QString& fileName) {
    return Files->Load(fileName);
}

const QStringList& TForm1::RecentFiles() const {
    return Files->RecentFiles();
}

void TForm1::PlayAgainstEngine(const QString& program, int turnSeconds) {
    Opponents->PlayAgainstEngine(program, turnSeconds);
}

void TForm1::PlayAgainstBuiltInComputer() {
    Opponents->PlayAgainstBuiltInComputer();
}

RememberedOptions TForm1::CurrentOptions() const {
    RememberedOptions options;
    options.geometry = saveGeometry();
    options.frame = frameGeometry();
    // The check marks, not the bars: a window that is not shown shows no bar.
    options.toolBarShown = ui->N14->isChecked();
    options.statusBarShown = ui->N13->isChecked();
    options.moveNumbers = ui->N8->isChecked();
    options.clockRunning = ui->Action9->isChecked();
    options.twoPlayers = session->PlayMode() == wuziqi::ModeTwoPlayers;
    options.computerFirst = session->ComputerFirst();
    options.level = session->Level();
    options.masterSeconds = session->MasterMilliseconds() / 1000;
    options.lastFolder = Files->Folder();
    options.language = CurrentLanguage();
    return options;
}
