<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AppInfo</name>
    <message>
        <source>五子棋</source>
        <translation>Wuziqi</translation>
    </message>
</context>
<context>
    <name>EngineDialog</name>
    <message>
        <source>外部引擎</source>
        <translation>External Engine</translation>
    </message>
    <message>
        <source>引擎程序（Gomocup 协议的 pbrain-… 程序）：</source>
        <translation>Engine program (a Gomocup pbrain-… program):</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>每步时限：</source>
        <translation>Time per move:</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>选择引擎程序</source>
        <translation>Choose the Engine Program</translation>
    </message>
    <message>
        <source>请选择引擎程序。</source>
        <translation>Choose an engine program.</translation>
    </message>
    <message>
        <source>没有这个文件。</source>
        <translation>There is no such file.</translation>
    </message>
    <message>
        <source>这个文件不能运行。</source>
        <translation>This file cannot be run.</translation>
    </message>
</context>
<context>
    <name>EngineLog</name>
    <message>
        <source>引擎日志</source>
        <translation>Engine Log</translation>
    </message>
</context>
<context>
    <name>EnginePlayer</name>
    <message>
        <source>无法启动：%1</source>
        <translation>could not be started: %1</translation>
    </message>
    <message>
        <source>无法向它发送命令：%1</source>
        <translation>could not be sent a command: %1</translation>
    </message>
    <message>
        <source>崩溃了</source>
        <translation>crashed</translation>
    </message>
    <message>
        <source>自己退出了（退出码 %1）</source>
        <translation>exited by itself (exit code %1)</translation>
    </message>
    <message>
        <source>已结束</source>
        <translation>ended</translation>
    </message>
    <message>
        <source>（没有问它时的回答）%1</source>
        <translation>(said unasked) %1</translation>
    </message>
    <message>
        <source>对 %1 的回答不是 OK，而是“%2”</source>
        <translation>answered %1 with “%2” instead of OK</translation>
    </message>
    <message>
        <source>已启动：%1</source>
        <translation>started: %1</translation>
    </message>
    <message>
        <source>报告错误：%1</source>
        <translation>reported an error: %1</translation>
    </message>
    <message>
        <source>不认识 %1 命令</source>
        <translation>does not know the %1 command</translation>
    </message>
    <message>
        <source>回答的不是一个点：“%1”</source>
        <translation>answered with something that is not a point: “%1”</translation>
    </message>
    <message>
        <source>下在了棋盘外：“%1”</source>
        <translation>played off the board: “%1”</translation>
    </message>
    <message>
        <source>下在了已有棋子的点上：“%1”</source>
        <translation>played on a point that already holds a stone: “%1”</translation>
    </message>
    <message>
        <source>出错：%1</source>
        <translation>failed: %1</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>超过每步时限 %1 仍没有落子</source>
        <translation>did not move within its time limit of %1</translation>
    </message>
    <message>
        <source>%1 内没有回答 %2</source>
        <translation>did not answer %2 within %1</translation>
    </message>
</context>
<context>
    <name>GameFileFormat</name>
    <message>
        <source>Gomocup 棋谱 (*.psq)</source>
        <translation>Gomocup games (*.psq)</translation>
    </message>
    <message>
        <source>SGF 棋谱 (*.sgf)</source>
        <translation>SGF games (*.sgf)</translation>
    </message>
</context>
<context>
    <name>GameFileRefusal</name>
    <message>
        <source>文件超过了棋谱文件的大小上限（%1 KB）。</source>
        <translation>The file is larger than any game record can be (%1 KB).</translation>
    </message>
    <message>
        <source>第一行不是 .psq 棋谱的开头“Piskvorky 15x15, …”。</source>
        <translation>The first line is not the start of a .psq game, “Piskvorky 15x15, …”.</translation>
    </message>
    <message>
        <source>文件不是以 SGF 棋谱的“(;”开头。</source>
        <translation>The file does not start with “(;” as an SGF game does.</translation>
    </message>
    <message>
        <source>SGF 棋谱的格式在第 %1 个字节处有误。</source>
        <translation>The SGF game is malformed at byte %1.</translation>
    </message>
    <message>
        <source>棋盘大小是 %1，这里只能下 15×15 的棋盘。</source>
        <translation>The board is %1; only a 15×15 board can be played here.</translation>
    </message>
    <message>
        <source>SGF 棋谱没有写明 GM[4]（五子棋）；没有 GM 的 SGF 是围棋棋谱。</source>
        <translation>The SGF game does not say GM[4] (Gomoku); an SGF game without GM is a game of Go.</translation>
    </message>
    <message>
        <source>SGF 棋谱的游戏类型是 GM[%1]，不是五子棋 GM[4]。</source>
        <translation>The SGF game is of type GM[%1], not Gomoku, GM[4].</translation>
    </message>
    <message>
        <source>SGF 棋谱用 %1 摆放了棋子；这里的棋局只能从空棋盘一步步下出来。</source>
        <translation>The SGF game sets up stones with %1; a game here can only be played move by move from an empty board.</translation>
    </message>
    <message>
        <source>第 %1 步（%2）不在棋盘上。</source>
        <translation>Move %1 (%2) is off the board.</translation>
    </message>
    <message>
        <source>第 %1 步（%2）落在已有棋子的位置上。</source>
        <translation>Move %1 (%2) is on a point that already holds a stone.</translation>
    </message>
    <message>
        <source>第 %1 步应由%2走，文件中却是%3。</source>
        <translation>Move %1 is %2&apos;s to play, but the file gives it to %3.</translation>
    </message>
    <message>
        <source>黑方</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白方</source>
        <translation>White</translation>
    </message>
    <message>
        <source>第 %1 步是停一手（弃权），五子棋没有这样的一步。</source>
        <translation>Move %1 is a pass, and Gomoku has no such move.</translation>
    </message>
    <message>
        <source>不是 %1：%2</source>
        <translation>Not %1: %2</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>保存完毕！ 总步数：%1</source>
        <translation>Game saved. Total moves: %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Cannot read file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>成功读入! 总步数：%1</source>
        <translation>Game loaded. Total moves: %1</translation>
    </message>
    <message>
        <source>找不到文件“%1”，已从最近打开的列表中删除。</source>
        <translation>“%1” no longer exists, so it has been removed from the list of recent games.</translation>
    </message>
    <message>
        <source>这局棋没能保存，下次不能继续：无法写入文件 &quot;%1&quot;。%2</source>
        <translation>This game could not be kept for the next start: cannot write the file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>我赢了! </source>
        <translation>I win! </translation>
    </message>
    <message>
        <source>你赢了! </source>
        <translation>You win! </translation>
    </message>
    <message>
        <source>你有可能赢哦! </source>
        <translation>You might win! </translation>
    </message>
    <message>
        <source>我有可能赢哦! </source>
        <translation>I might win! </translation>
    </message>
    <message>
        <source> Set Wrong!</source>
        <translation>A stone cannot be placed there.</translation>
    </message>
    <message>
        <source>Black Win!</source>
        <translation>Black wins!</translation>
    </message>
    <message>
        <source>White Win!</source>
        <translation>White wins!</translation>
    </message>
    <message>
        <source> Type Error! </source>
        <translation>Type error: not a stone colour.</translation>
    </message>
    <message>
        <source>思考中…</source>
        <translation>Thinking…</translation>
    </message>
    <message>
        <source>Mach error!%1</source>
        <translation>Match error!%1</translation>
    </message>
    <message>
        <source>不是棋盘文件！</source>
        <translation>This is not a saved game.</translation>
    </message>
    <message>
        <source>这不是普通文件，而是文件夹、管道或设备，没有读取。</source>
        <translation>It is a folder, a pipe or a device rather than a regular file, and was not read.</translation>
    </message>
    <message>
        <source>文件开头没有棋盘文件的标识。</source>
        <translation>The file does not start with the saved-game signature.</translation>
    </message>
    <message>
        <source>文件超过了棋盘文件的大小上限（%1 KB）。</source>
        <translation>The file is larger than any saved game can be (%1 KB).</translation>
    </message>
    <message>
        <source>文件在步数之前就结束了。</source>
        <translation>The file ends before its move count.</translation>
    </message>
    <message>
        <source>文件中的步数是负数。</source>
        <translation>The move count in the file is negative.</translation>
    </message>
    <message>
        <source>文件中的棋步比记录的步数少，文件不完整。</source>
        <translation>The file holds fewer moves than its count says: it is incomplete.</translation>
    </message>
    <message>
        <source>最后一步之后还有多余的数据。</source>
        <translation>There is more data after the last move.</translation>
    </message>
    <message>
        <source>第 %1 步不在棋盘上。</source>
        <translation>Move %1 is off the board.</translation>
    </message>
    <message>
        <source>第 %1 步落在已有棋子的位置上。</source>
        <translation>Move %1 is on a point that already holds a stone.</translation>
    </message>
    <message>
        <source>文件开头没有上局记录的标识。</source>
        <translation>The file does not begin with the mark of a kept game.</translation>
    </message>
    <message>
        <source>文件超过了上局记录的大小上限（%1 KB）。</source>
        <translation>The file is larger than a kept game can be (%1 KB).</translation>
    </message>
    <message>
        <source>第 %1 行的格式不对。</source>
        <translation>Line %1 is not in the right form.</translation>
    </message>
    <message>
        <source>棋盘上的步数超过了记录的棋步。</source>
        <translation>More stones are on the board than moves are recorded.</translation>
    </message>
    <message>
        <source>轮到走棋的一方与棋盘上的棋子不符。</source>
        <translation>The side to move does not fit the stones on the board.</translation>
    </message>
    <message>
        <source>计时是负数。</source>
        <translation>A clock is negative.</translation>
    </message>
    <message>
        <source>记录中电脑要走的棋与对局不符。</source>
        <translation>The computer cannot owe a reply in this game.</translation>
    </message>
    <message>
        <source>对方赢了! </source>
        <translation>They win! </translation>
    </message>
    <message>
        <source>对方有可能赢哦! </source>
        <translation>They might win! </translation>
    </message>
    <message>
        <source>和棋！</source>
        <translation>It&apos;s a draw!</translation>
    </message>
</context>
<context>
    <name>KeptGameFile</name>
    <message>
        <source>无法创建文件夹 &quot;%1&quot;。</source>
        <translation>Cannot create the folder &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>OpponentChoice</name>
    <message>
        <source>外部引擎 %1 出错：%2。
棋局保持原样，对手换回了内置电脑。</source>
        <translation>The external engine %1 failed: %2.
The game is as it was, and the built-in computer is your opponent again.</translation>
    </message>
    <message>
        <source>内置电脑</source>
        <translation>Built-in Computer</translation>
    </message>
    <message>
        <source>玩家</source>
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>黑方所用时间: %1 秒</source>
        <translation>Time used by Black: %1 s</translation>
    </message>
    <message>
        <source>白方所用时间: %1 秒</source>
        <translation>Time used by White: %1 s</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>五子棋</source>
        <translation>Wuziqi</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>最近打开</source>
        <translation>Open Recent</translation>
    </message>
    <message>
        <source>游戏参数设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>游戏模式</source>
        <translation>Game Mode</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>语言 / Language</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>新建游戏</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>打开棋局</source>
        <translation>Open a saved game</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>保存棋局</source>
        <translation>Save this game</translation>
    </message>
    <message>
        <source>退出游戏</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>向前一步</source>
        <translation>Previous Move</translation>
    </message>
    <message>
        <source>前一步</source>
        <translation>Previous move</translation>
    </message>
    <message>
        <source>向后一步</source>
        <translation>Next Move</translation>
    </message>
    <message>
        <source>后一步</source>
        <translation>Next move</translation>
    </message>
    <message>
        <source>切换模式</source>
        <translation>Switch Mode</translation>
    </message>
    <message>
        <source>启动计时</source>
        <translation>Run Clock</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About Wuziqi</translation>
    </message>
    <message>
        <source>显示步数</source>
        <translation>Show Move Numbers</translation>
    </message>
    <message>
        <source>电脑先走</source>
        <translation>Computer Moves First</translation>
    </message>
    <message>
        <source>显示状态栏</source>
        <translation>Show Status Bar</translation>
    </message>
    <message>
        <source>显示工具栏</source>
        <translation>Show Toolbar</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>继续上局</source>
        <translation>Resume Last Game</translation>
    </message>
    <message>
        <source>清除列表</source>
        <translation>Clear List</translation>
    </message>
    <message>
        <source>人机对战</source>
        <translation>Against the Computer</translation>
    </message>
    <message>
        <source>双人对战</source>
        <translation>Two Players</translation>
    </message>
    <message>
        <source>重新开局游戏</source>
        <translation>Restart Game</translation>
    </message>
    <message>
        <source>开始游戏</source>
        <translation>Start Game</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>对手</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>内置电脑</source>
        <translation>Built-in Computer</translation>
    </message>
    <message>
        <source>外部引擎…</source>
        <translation>External Engine…</translation>
    </message>
    <message>
        <source>引擎日志</source>
        <translation>Engine Log</translation>
    </message>
    <message>
        <source>显示必胜棋路</source>
        <translation>Show Forced Line</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>无法打开网页浏览器。请在浏览器中打开这个地址：
%1</source>
        <translation>No web browser could be opened. Open this address in your browser:
%1</translation>
    </message>
    <message>
        <source>难度</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>入门</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>大师</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>大师每步用时…</source>
        <translation>Master&apos;s time per move…</translation>
    </message>
    <message>
        <source>大师每步思考的时间（秒）：</source>
        <translation>The master&apos;s time for each move (seconds):</translation>
    </message>
    <message>
        <source>显示电脑证明的必胜棋路：进攻方的每一步和防守方被迫的应手，以编号的半透明棋子画在棋盘上，再用一次即收起。</source>
        <translation>Shows the forced win the computer proved: each attacking move and the defender&apos;s forced answers, drawn as numbered half-transparent stones; use it again to hide them.</translation>
    </message>
    <message>
        <source>这只是“防守方只堵不攻”时的必胜：搜索从不让防守方用自己的冲四或活三反击，强手可以借反击化解。
棋路经过活三时，所示的防守应手是搜索最先尝试的那一手，而非唯一的应法。</source>
        <translation>It is a forced win only if the defender only blocks: the search never lets the defender answer with a four or a three of its own, so a strong player can refute it.
Where the line goes through a three, the defender&apos;s answer shown is the first one the search tried, not the only one.</translation>
    </message>
    <message>
        <source>大师的棋路对防守方的每一种应法都成立，包括用冲四或活三反击。</source>
        <translation>The master&apos;s line holds against every defence, counter-attacks with a four or a three included.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>关于</source>
        <translation>About Wuziqi</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>版本 %1

%2</source>
        <translation>Version %1

%2</translation>
    </message>
</context>
<context>
    <name>WriteFileSafely</name>
    <message>
        <source>不是普通文件</source>
        <translation>Not a regular file</translation>
    </message>
</context>
</TS>
