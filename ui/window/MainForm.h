#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "GameFileFormat.h"
#include "GameRecord.h"
#include "Settings.h"

class GameFiles;
class LanguageMenu;
class QAction;
class GameSession;
class OpponentChoice;
class QFrame;
class QSettings;
class QTextBrowser;
class StatusPanels;
class TForm2;

namespace Ui {
class TForm1;
}

namespace wuziqi {
class TGameBoard;
class TXPButton;
}  // namespace wuziqi

// The main window. It builds the game session, the board widget, the commands, the bars, the
// start panel and the dialogs, wires them together and shows what the session reports; the game
// itself is the session's (GameSession), the files the GameFiles', the opponent the
// OpponentChoice's, the language the LanguageMenu's. Its handlers hand each command on in a line or
// two.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    GameSession& Session() { return *session; }
    wuziqi::GameRecord& Record();
    wuziqi::TGameBoard& Board();
    // The board image as it is painted, at the given device pixel ratio.
    QImage Picture(qreal devicePixelRatio = 1.0) const;
    QString StatusText(int panel) const;

    // A modal message box with an OK button, captioned with the application title. Tests take
    // every message instead of a box.
    void ShowMessage(const QString& text);
    using MessageRecorder = std::function<void(const QString&)>;
    void SetMessageRecorder(MessageRecorder recorder) { RecordMessage = std::move(recorder); }
    void SetAboutDialog(TForm2* dialog) { AboutDialog = dialog; }

    // Saved games: false, after a message box, when nothing was written or loaded.
    bool SaveGameFile(const QString& fileName, GameFileFormat format = GameFileFormat::Wzq);
    bool LoadGameFile(const QString& fileName);
    const QStringList& RecentFiles() const;
    // The opponent, remembered for the next run.
    void PlayAgainstEngine(const QString& program, int turnSeconds);
    void PlayAgainstBuiltInComputer();
    // Between runs: the options as they stand and as the settings give them, and the game kept
    // when the window closed, put back by "继续上局"; false, after the loader's message, when
    // there was none or it was refused.
    RememberedOptions CurrentOptions() const;
    void ApplyOptions(const RememberedOptions& options);
    bool ResumeLastGame();

  public slots:
    void Image1MouseDown(wuziqi::BoardPoint point);
    void Image1MouseMove(wuziqi::BoardPoint point);
    void Action1Execute();
    void Action2Execute();
    void Action3Execute();
    void Action4Execute();
    void Action5Execute();
    void Action6Execute();
    void Action7Execute();
    void Action8Execute();
    void Action9Execute();
    void N5Click();
    void N8Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N14Click();
    void N16Click();
    void XPButton1Click();
    void XPButton2Click();
    void Timer1Timer();
    void ActionHintExecute();
    void ActionLineExecute();
    void ResumeActionExecute();
    // The program is told to end (a signal, the desktop session's end): the game is kept as a
    // close keeps it, without a message box, and the program quits.
    void EndSession();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Keyboard play: keys that no focused control uses reach the board.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The window's parts (WindowShell.cpp).
    void BuildShell();
    void CreateStartPanel();
    void SetUpKeyboard();
    void SizeAndCentre();
    void KeepUsableMinimum();
    void FlipBar(QWidget* bar, bool shown);
    // Texts made in code rather than in the layout, in the interface's language.
    void ShowCodeTexts();

    // What the session reports, shown (MainForm.cpp).
    void ConnectSession();
    void ConnectCommands();
    void ShowScene();
    void SyncCommands();
    void ShowClocks();
    // Keeps the options and, when the person changed it, the game; quietly: without saying
    // that the game could not be kept.
    void KeepForNextStart(bool quietly);
    // The level of play (WindowCommands.cpp): chosen in 难度, with the master's time for a move.
    void ChooseLevel(QAction* entry);
    void ChooseMasterTime();
    void ShowLevel();

    std::unique_ptr<Ui::TForm1> ui;
    GameSession* session = nullptr;
    StatusPanels* Panels = nullptr;
    GameFiles* Files = nullptr;
    OpponentChoice* Opponents = nullptr;
    LanguageMenu* Languages = nullptr;
    QFrame* Panel3 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    wuziqi::TXPButton* XPButton1 = nullptr;
    wuziqi::TXPButton* XPButton2 = nullptr;
    TForm2* AboutDialog = nullptr;
    MessageRecorder RecordMessage;
    std::unique_ptr<QSettings> AppSettings;
    bool Shown = false;
    bool SessionEnded = false;  // kept already: a close keeps nothing more
};
