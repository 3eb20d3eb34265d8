#pragma once

#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "BoardPainter.h"
#include "BoardScene.h"
#include "ComputerReply.h"
#include "ElapsedTenths.h"
#include "GameFileFormat.h"
#include "GamePlayer.h"
#include "GameRecord.h"
#include "GameReporter.h"
#include "KeptGame.h"
#include "ProvedWin.h"
#include "Settings.h"
#include "Verdict.h"

class ComputerPlayer;
class EngineLog;
class EnginePlayer;
class QSettings;
class RecentGames;
class QFileDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QTextBrowser;
class QTimer;
class TForm2;

namespace Ui {
class TForm1;
}

namespace wuziqi {
class TGameBoard;
class TXPButton;
}  // namespace wuziqi

// The main window: the board view, the game controller that runs the game on the game record,
// and the window shell around them (menus, toolbar, status bar, clock, start panel). Its
// behaviour is split by job over BoardView.cpp, GameController.cpp, GameClock.cpp and
// WindowShell.cpp; the model reports to it through GameReporter, the computer answers through
// the GamePlayer interface.
class TForm1 : public QMainWindow, public wuziqi::GameReporter {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // GameReporter: what the model reports becomes message boxes and status panel 4.
    void PlacementRefused(wuziqi::PlaceRefusal reason) override;
    void StoneWins(std::uint8_t colour, int x, int y) override;
    void WrongColour() override;
    void PatternMismatch(int count) override;

    // A modal message box with an OK button, captioned with the application title.
    void ShowMessage(const QString& text);
    // Tests take every message instead of a box.
    using MessageRecorder = std::function<void(const QString&)>;
    void SetMessageRecorder(MessageRecorder recorder) { RecordMessage = std::move(recorder); }
    void SetAboutDialog(TForm2* dialog) { AboutDialog = dialog; }

    wuziqi::GameRecord& Record() { return *GameState; }
    wuziqi::TGameBoard& Board() { return *GameBoard; }
    // The board image as it is painted, at the given device pixel ratio.
    QImage Picture(qreal devicePixelRatio = 1.0) const;
    QString StatusText(int panel) const;

    // Board view.
    void RedrawBoard();
    QRect StoneRect(int column, int row) const;
    bool PixelToPoint(int x, int y, int& column, int& row) const;
    void FormResize();

    // Game controller.
    bool PlayStone(int x, int y, std::uint8_t colour);
    void NewGame();
    // True from the person's stone until the computer's answer is on the board.
    bool ComputerThinking() const;

    // Saved games (SavedGameCommands.cpp): false, after a message box, when nothing was
    // written or loaded. A file is loaded in the format its content shows.
    bool SaveGameFile(const QString& fileName, GameFileFormat format = GameFileFormat::Wzq);
    bool LoadGameFile(const QString& fileName);

    // The opponent (OpponentCommands.cpp): an external engine with its time limit per move,
    // remembered for the next run, or the built-in computer.
    void PlayAgainstEngine(const QString& program, int turnSeconds);
    void PlayAgainstBuiltInComputer();

    // Between runs (RememberedState.cpp): the options as they stand and as the settings give
    // them, and the game kept when the window closed, put back by "继续上局"; false, after
    // the loader's message, when there was none or it was refused.
    RememberedOptions CurrentOptions() const;
    void ApplyOptions(const RememberedOptions& options);
    bool ResumeLastGame();
    const QStringList& RecentFiles() const;

    int CellSize = 0;  // pixels per board point, kept by every full redraw
    wuziqi::BoardPoint HoverPoint{3, 3};
    bool ShowMoveNumbers = false;
    bool ComputerFirst = true;

    static constexpr QRgb PointerMarkerColour = BoardPainter::PointerMarkerColour;
    static constexpr QRgb LastMoveMarkerColour = BoardPainter::LastMoveMarkerColour;
    // How long the computer may think before the window says so.
    static constexpr int ThinkingNoticeDelay = 150;

    // The hint (HintCommand.cpp): the point suggested for the side to move, while it is shown.
    std::optional<wuziqi::BoardPoint> HintPoint;
    // True while the hint is being worked out.
    bool HintThinking() const;

    // The forced line (ForcedLineCommand.cpp): the moves drawn over the board, from the next
    // one on, while they are shown; and whether the line is being worked out.
    std::vector<wuziqi::BoardPoint> ShownLine() const;
    bool LineThinking() const;

  public slots:
    void Image1MouseDown(int x, int y);
    void Image1MouseMove(int x, int y);
    void Action1Execute();
    void XPButton1Click();
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
    void XPButton2Click();
    void Timer1Timer();
    void ActionHintExecute();
    void ResumeActionExecute();
    void ClearRecentActionExecute();
    void OpenRecentGame(const QString& fileName);
    void ChooseLanguage(QAction* action);
    void ActionLineExecute();
    // The program is told to end (a signal, the desktop session's end): the game is kept as a
    // close keeps it, without a message box, and the program quits.
    void EndSession();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Keyboard play (BoardKeyboard.cpp): keys that no focused control uses reach the board.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormDestroy();

    // Window shell set-up (WindowShell.cpp).
    void ConnectCommands();
    void NameToolbarItems();
    void CreateStatusPanels();
    // Fits the status panels to their texts in the interface's language.
    void FitStatusPanels();
    void CreateStartPanel();
    wuziqi::TXPButton* CreateRestartButton();
    wuziqi::TXPButton* CreateStartButton(QWidget* panel);
    void CreateFileDialogs();
    // Made anew in the interface's language, in the same folders (SavedGameCommands.cpp).
    void RemakeFileDialogs();
    // The file the person picks in a file dialog, or an empty name when it is cancelled.
    ChosenGameFile ChooseGameFile(QFileDialog* dialog);
    void FlipBar(QWidget* bar, bool shown);

    // The opponent (OpponentCommands.cpp).
    void SetUpOpponents();
    void ChooseEngine();
    void UseEngine(const QString& program, int turnSeconds);
    void UseBuiltInComputer();
    // Makes the player the opponent; a reply still owed is asked of it instead.
    void SwitchOpponent(GamePlayer* player);
    void StopEngine();
    void OpponentFailed(const QString& reason);
    void ShowOpponentTitle(const QString& title);
    // The players' names for a game file: the opponent's colour is known against the computer.
    wuziqi::SgfPlayers PlayersOfGame() const;
    // Window size and place (WindowPlacement.cpp).
    void SizeAndCentre();
    void KeepUsableMinimum();

    // Saved games (SavedGameCommands.cpp). The bytes of a game file, at most one past the
    // largest any format holds; nothing, after a message, when the file cannot be read or is
    // not a regular file.
    std::optional<QByteArray> ReadGameBytes(const QString& fileName);
    // Reads the file and checks it as a game file of the format its content shows; nothing,
    // after the loader's message, when it is refused.
    std::optional<std::vector<wuziqi::MoveRecord>> ReadGameFile(const QString& fileName);

    // Between runs (RememberedState.cpp, RecentGamesMenu.cpp, LanguageCommands.cpp).
    void ApplyRememberedState();
    // Keeps the options and, when the person changed it, the game; quietly: without saying
    // that the game could not be kept.
    void KeepForNextStart(bool computerToMove, bool quietly);
    // The kept game, or nothing after the loader's message.
    std::optional<wuziqi::KeptGame> ReadKeptGame();
    void RememberGameFile(const QString& fileName);
    void ShowRecentGames();
    // Texts made in code rather than in the layout, in the interface's language.
    void ShowCodeTexts();

    // Board view helpers (BoardView.cpp).
    BoardScene Scene() const;
    void UpdatePoint(wuziqi::BoardPoint point);

    // Mirrors the record's step-command states onto Action4 and Action5.
    void SyncStepCommands();
    // The mode the next play uses: in review, the one Action8's check mark names.
    std::uint8_t PlayMode() const;
    // Asks the computer for its reply to the person's stone at (x, y).
    void ComputerMove(int x, int y);
    void AskOpponent(const MoveRequest& request);
    // What a player is asked for the side to move, the last stone being `last`.
    MoveRequest RequestForSideToMove(wuziqi::BoardPoint last) const;
    void ComputerAnswered(const wuziqi::ComputerAnswer& answer);
    // Drops a pending reply; false when none was pending.
    bool CancelComputerMove();
    void ShowThinking();
    void EndThinking();

    void ShowClocks();
    // A clock panel's text: the colour's time used, given in tenths of a second.
    static QString ClockText(std::uint8_t colour, std::int32_t tenths);
    void ShowVerdict(wuziqi::Verdict verdict);
    // The clock runs while its mark is set and a point is left to play.
    void ClockFollowsGame();
    // After a stone: on a full board the window says it is a draw and the clock stops.
    void AnnounceFullBoard();

    // The hint (HintCommand.cpp).
    void CreateHintCommand();
    // What status panel 0 says of the hint's verdict, told to the side to move.
    static QString HintVerdictText(wuziqi::Verdict verdict);
    void HintAnswered(const wuziqi::ComputerAnswer& answer);
    // Takes the hint off the board and the status bar, or calls off the one being worked out.
    void ClearHint();
    void SyncHintCommand();

    // The forced line (ForcedLineCommand.cpp). The proof on show is the hint's while a hint is
    // shown, otherwise the computer's last reply's, and only while the board still shows its
    // position.
    void CreateLineCommand();
    const ProvedWin* ShownProof() const;
    ProvedWin* ShownProof();
    void KeepReplyProof(const std::optional<MoveRequest>& asked,
                        const wuziqi::ComputerAnswer& answer);
    void KeepHintProof(const wuziqi::ComputerAnswer& answer);
    void LineFound(const wuziqi::ComputerAnswer& answer);
    void HideLine();
    void SyncLineCommand();

    // Keyboard play and the commands' shortcuts (BoardKeyboard.cpp).
    void SetUpKeyboard();
    void MoveCursorTo(wuziqi::BoardPoint point);

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<wuziqi::TGameBoard> GameBoard;
    std::unique_ptr<wuziqi::GameRecord> GameState;
    GamePlayer* Computer = nullptr;  // the opponent: BuiltInComputer or Engine
    ComputerPlayer* BuiltInComputer = nullptr;
    EnginePlayer* Engine = nullptr;
    EngineLog* EngineLogWindow = nullptr;
    std::optional<MoveRequest> PendingRequest;  // what the opponent was asked and owes
    GamePlayer* Hinter = nullptr;
    ComputerPlayer* LineFinder = nullptr;
    std::optional<ProvedWin> ReplyProof;  // the forced win of the computer's last reply
    std::optional<ProvedWin> HintProof;   // the forced win of the hint on show
    QTimer* ThinkingNotice = nullptr;
    bool ThinkingShown = false;
    QTimer* Timer1 = nullptr;
    ElapsedTenths ClockTenths;  // what Timer1's ticks give the side to move
    std::array<QLabel*, 5> StatusPanels{};
    QFrame* Panel3 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    wuziqi::TXPButton* XPButton1 = nullptr;
    wuziqi::TXPButton* XPButton2 = nullptr;
    TForm2* AboutDialog = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    MessageRecorder RecordMessage;
    bool Shown = false;
    // Whether closing replaces the kept game: a person placed a stone in this game, or stepped
    // through one that came from a file (opened, or put back by 继续上局).
    bool GameWorthKeeping = false;
    bool GameFromFile = false;
    bool SessionEnded = false;  // kept already: a close keeps nothing more
    std::unique_ptr<QSettings> AppSettings;
    std::unique_ptr<RecentGames> Recent;
    QString LastGameFolder;
    // What panel 0 says, as values: it is drawn from them alone (ShowStatusLine), never saved
    // as text and put back, so a change of language says it all again. Above all the thinking
    // notice, then a hint on show (its verdict, told to the side that asked; none on a full
    // board), then the latest of the computer's verdict and an engine opponent's title.
    struct StatusLine {
        bool thinking = false;
        std::optional<std::optional<wuziqi::Verdict>> hint;
        std::variant<std::monostate, wuziqi::Verdict, QString> note;
    };
    StatusLine Status;
    void ShowStatusLine();
    std::optional<int> ShownMismatch;
};
