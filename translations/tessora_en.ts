<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Analysis</name>
    <message>
        <source>終わった対局の局面は解析できません</source>
        <translation>A position of a finished game cannot be analysed</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Analyse</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>ヒント：</source>
        <translation>Hint:</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
</context>
<context>
    <name>EngineView</name>
    <message>
        <source>評価値：下側の勝ち（詰み）</source>
        <translation>Evaluation: the lower side wins (mate)</translation>
    </message>
    <message>
        <source>評価値：上側の勝ち（詰み）</source>
        <translation>Evaluation: the upper side wins (mate)</translation>
    </message>
    <message>
        <source>評価値：%1（下側の勝率 %2%）</source>
        <translation>Evaluation: %1 (lower side wins %2%)</translation>
    </message>
    <message>
        <source>読み筋：%1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <source>解析中（深さ %1）</source>
        <translation>Analysing (depth %1)</translation>
    </message>
    <message>
        <source>解析中です</source>
        <translation>Analysing</translation>
    </message>
    <message>
        <source>LEVEL4の読み（深さ %1）</source>
        <translation>LEVEL4 thinks (depth %1)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Gote:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>Sente:</translation>
    </message>
    <message>
        <source>対 局 名：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞが見つかりません</source>
        <translation>Folder not found</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>ｱｸｾｽが許可されていません</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>同じ名前のﾌｫﾙﾀﾞがあります</source>
        <translation>A folder of that name exists</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙではありません</source>
        <translation>Not a file</translation>
    </message>
    <message>
        <source>通常のﾌｧｲﾙではありません</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸに空きがありません</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>書き込みできない場所です</source>
        <translation>This place cannot be written to</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が長すぎます</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が正しくありません</source>
        <translation>The file name is not valid</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>%1行目：前の局面から一手で指した局面ではありません</source>
        <translation>Line %1: not one move on from the position before</translation>
    </message>
    <message>
        <source>%1行目：下側が二手続けて指しています</source>
        <translation>Line %1: the lower side moves twice in a row</translation>
    </message>
    <message>
        <source>%1行目：上側が二手続けて指しています</source>
        <translation>Line %1: the upper side moves twice in a row</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>Pawns</translation>
    </message>
    <message>
        <source>香</source>
        <translation>Lances</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>Knights</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>Silvers</translation>
    </message>
    <message>
        <source>金</source>
        <translation>Golds</translation>
    </message>
    <message>
        <source>角</source>
        <translation>Bishops</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>Rooks</translation>
    </message>
    <message>
        <source>%1桁目の王が回転盤に乗っています</source>
        <translation>Column %1: a king is on the ring</translation>
    </message>
    <message>
        <source>上側の王が2枚あります</source>
        <translation>The upper side has two kings</translation>
    </message>
    <message>
        <source>下側の王が2枚あります</source>
        <translation>The lower side has two kings</translation>
    </message>
    <message>
        <source>%1桁目に駒ではない値 %2 があります</source>
        <translation>Column %1 holds %2, which is no piece</translation>
    </message>
    <message>
        <source>%1が合わせて%2枚あります（%3では%4枚のはずです）</source>
        <translation>%1: %2 in all (%4 with %3)</translation>
    </message>
    <message>
        <source>%1が合わせて%2枚あります（%3枚のはずです）</source>
        <translation>%1: %2 in all (%3 in a full set)</translation>
    </message>
    <message>
        <source>下側の王がありません</source>
        <translation>The lower side has no king</translation>
    </message>
    <message>
        <source>上側の王がありません</source>
        <translation>The upper side has no king</translation>
    </message>
    <message>
        <source>%1行目：空の行です</source>
        <translation>Line %1: an empty line</translation>
    </message>
    <message>
        <source>%1行目：記録の行が%2桁で切れています（%3桁のはずです）</source>
        <translation>Line %1: the record line ends after %2 characters (%3 expected)</translation>
    </message>
    <message>
        <source>%1行目：記録の行が長すぎます</source>
        <translation>Line %1: the record line is too long</translation>
    </message>
    <message>
        <source>%1行目：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1行目が長すぎます</source>
        <translation>Line %1 is too long</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>棋譜が一杯です（%1手まで）。引き分けで終わります</source>
        <translation>The record is full (%1 moves). The game ends in a draw.</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win!</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Gote to move</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (computer)</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Sente wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Gote wins</translation>
    </message>
    <message>
        <source>まだコンベアにネタ（駒）が乗っていません</source>
        <translation>There is no piece on the conveyor yet</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>よし！!</source>
        <translation>Got it!!</translation>
    </message>
    <message>
        <source>詰め ?</source>
        <translation>Mate?</translation>
    </message>
    <message>
        <source>   ** 王手 **</source>
        <translation>   ** Check **</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>The end</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible now</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>対局を書き込めませんでした
%1
%2</source>
        <translation>The game could not be kept
%1
%2</translation>
    </message>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with Forward</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>新規に対局してください</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>終局</source>
        <translation>Game over</translation>
    </message>
</context>
<context>
    <name>Handicap</name>
    <message>
        <source>

局面→最初にして下さい</source>
        <translation>

Choose Position → Start over first</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません

局面→最初にして下さい</source>
        <translation>Not possible while a record is shown

Choose Position → Start over first</translation>
    </message>
    <message>
        <source>対局途中ではできません

局面→最初にして下さい</source>
        <translation>Not possible during a game

Choose Position → Start over first</translation>
    </message>
    <message>
        <source>反転後ではできません

局面→最初にして下さい</source>
        <translation>Not possible after the board was flipped

Choose Position → Start over first</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <translation>Handicap: Meijin</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12 kyu</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>解説ページ「%1」が見つかりません。</source>
        <translation>The help page &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ブラウザを起動できないため、解説ページを開けませんでした。
ブラウザで次のファイルを開いてください。
%1</source>
        <translation>No browser could be started to open the help page.
Open this file in a browser:
%1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Move first (Sente)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Move second (Gote)</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>LEVEL4の考慮時間</source>
        <translation>LEVEL4 thinking time</translation>
    </message>
    <message>
        <source>1秒</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>3秒</source>
        <translation>3 seconds</translation>
    </message>
    <message>
        <source>10秒</source>
        <translation>10 seconds</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip board</translation>
    </message>
    <message>
        <source>最初の局面</source>
        <translation>First position</translation>
    </message>
    <message>
        <source>最後の局面</source>
        <translation>Last position</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>△</source>
        <translation>△</translation>
    </message>
    <message>
        <source>▽</source>
        <translation>▽</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>評価グラフを保存</source>
        <translation>Save evaluation graph</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>網</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>最終手を表示</source>
        <translation>Show last moves</translation>
    </message>
    <message>
        <source>座標を表示</source>
        <translation>Show coordinates</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Tessora</translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>画面に合わせる</source>
        <translation>Fit to screen</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>持ち時間...</source>
        <translation>Time control...</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>盤面を回転</source>
        <translation>Rotate board view</translation>
    </message>
    <message>
        <source>テキストで保存</source>
        <translation>Save as text</translation>
    </message>
    <message>
        <source>テキストをコピー</source>
        <translation>Copy as text</translation>
    </message>
    <message>
        <source>評価値を表示</source>
        <translation>Show evaluation</translation>
    </message>
    <message>
        <source>お知らせを盤の横に表示</source>
        <translation>Show notices beside the board</translation>
    </message>
    <message>
        <source>LEVEL4の強さ</source>
        <translation>LEVEL4 strength</translation>
    </message>
    <message>
        <source>強さ1（いちばん弱い）</source>
        <translation>Strength 1 (weakest)</translation>
    </message>
    <message>
        <source>強さ2</source>
        <translation>Strength 2</translation>
    </message>
    <message>
        <source>強さ3</source>
        <translation>Strength 3</translation>
    </message>
    <message>
        <source>強さ4</source>
        <translation>Strength 4</translation>
    </message>
    <message>
        <source>強さ5（全力）</source>
        <translation>Strength 5 (full)</translation>
    </message>
</context>
<context>
    <name>Moves</name>
    <message>
        <source>開始局面</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>？</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>設定ファイル「%1」に書き込めません。
オプションの変更は保存されません。</source>
        <translation>The settings file &quot;%1&quot; cannot be written.
Changes to the options are not kept.</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>A game on a flipped board cannot be saved</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>A game with a handicap cannot be saved</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name was entered</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを書き込めませんでした
%1
%2</source>
        <translation>The record file could not be written
%1
%2</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The record was saved</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読み込めませんでした
%1
%2</source>
        <translation>The record file could not be read
%1
%2</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation>The record was read</translation>
    </message>
    <message>
        <source>棋譜が%1手を超えているので、最初の%1手だけ読み込みました</source>
        <translation>The record has more than %1 moves; only the first %1 were read</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with Forward</translation>
    </message>
    <message>
        <source>前回の対局を続けますか？</source>
        <translation>Continue the last game?</translation>
    </message>
    <message>
        <source>前回の対局</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not possible while a record is shown</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip board</translation>
    </message>
</context>
<context>
    <name>Resign</name>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>投了しますか？</source>
        <translation>Do you resign?</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>時間切れです。
%1</source>
        <translation>Time is up.
%1</translation>
    </message>
    <message>
        <source>上手</source>
        <translation>Uwate</translation>
    </message>
    <message>
        <source>下手</source>
        <translation>Shitate</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote</translation>
    </message>
    <message>
        <source>まで%1手で%2の勝ち</source>
        <translation>%2 wins after %1 moves</translation>
    </message>
    <message>
        <source>まで%1手で時間切れにより%2の勝ち</source>
        <translation>%2 wins on time after %1 moves</translation>
    </message>
    <message>
        <source>まで%1手で玉を取って%2の勝ち</source>
        <translation>%2 wins by taking the king after %1 moves</translation>
    </message>
    <message>
        <source>まで%1手で詰みにより%2の勝ち</source>
        <translation>%2 wins by mate after %1 moves</translation>
    </message>
    <message>
        <source>まで%1手で引き分け</source>
        <translation>Draw after %1 moves</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>検討 %1/%2</source>
        <translation>Review %1/%2</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>評価グラフを保存</source>
        <translation>Save evaluation graph</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>評価：下側の勝ち（詰み）</source>
        <translation>Evaluation: the lower side wins (mate)</translation>
    </message>
    <message>
        <source>評価：上側の勝ち（詰み）</source>
        <translation>Evaluation: the upper side wins (mate)</translation>
    </message>
    <message>
        <source>評価：%1（下側から見て）</source>
        <translation>Evaluation: %1 (for the lower side)</translation>
    </message>
    <message>
        <source>
最善：%1</source>
        <translation>
Best: %1</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>検討中です</source>
        <translation>A review is running</translation>
    </message>
    <message>
        <source>検討する棋譜がありません</source>
        <translation>There is no record to review</translation>
    </message>
    <message>
        <source>評価グラフ</source>
        <translation>Evaluation graph</translation>
    </message>
    <message>
        <source>検討した対局がありません</source>
        <translation>No game has been reviewed</translation>
    </message>
    <message>
        <source>評価グラフを保存できませんでした
%1</source>
        <translation>The evaluation graph could not be saved
%1</translation>
    </message>
    <message>
        <source>評価グラフを保存しました
%1</source>
        <translation>The evaluation graph was saved
%1</translation>
    </message>
    <message>
        <source>疑問手</source>
        <translation>Dubious</translation>
    </message>
    <message>
        <source>悪手</source>
        <translation>Mistake</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>サウンドデバイスを開けませんでした。音なしで対局できます。</source>
        <translation>The sound device could not be opened. You can play without sound.</translation>
    </message>
    <message>
        <source>効果音ファイル「%1」を読み込めません。（%2）</source>
        <translation>The sound file &quot;%1&quot; cannot be read (%2).</translation>
    </message>
    <message>
        <source>効果音ファイル「%1」は完全なウェーブファイルではありません。</source>
        <translation>The sound file &quot;%1&quot; is not a whole wave file.</translation>
    </message>
    <message>
        <source>効果音ファイル「%1」をサウンドライブラリが受け付けませんでした。</source>
        <translation>The sound library did not accept the sound file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TextRecord</name>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>A game on a flipped board cannot be saved</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>棋譜の手を読み取れないので、テキストにできません</source>
        <translation>The record&apos;s moves cannot be read, so it cannot be written as text</translation>
    </message>
    <message>
        <source>テキストで保存</source>
        <translation>Save as text</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name was entered</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを書き込めませんでした
%1
%2</source>
        <translation>The record file could not be written
%1
%2</translation>
    </message>
    <message>
        <source>棋譜をテキストで書き込みました</source>
        <translation>The record was saved as text</translation>
    </message>
    <message>
        <source>テキストをコピー</source>
        <translation>Copy as text</translation>
    </message>
    <message>
        <source>棋譜をテキストでコピーしました</source>
        <translation>The record was copied as text</translation>
    </message>
    <message>
        <source>%1行目：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>読めない行です</source>
        <translation>a line that cannot be read</translation>
    </message>
    <message>
        <source>手合割の「%1」はこのゲームの棋譜ではありません</source>
        <translation>the game type &quot;%1&quot; is not this game&apos;s</translation>
    </message>
    <message>
        <source>ハンディキャップの「%1」が読めません</source>
        <translation>the handicap &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>手合割の行がないので、このゲームの棋譜と分かりません</source>
        <translation>there is no game type line, so it is not known to be a record of this game</translation>
    </message>
    <message>
        <source>行が途中で切れています</source>
        <translation>the line is cut short</translation>
    </message>
    <message>
        <source>%1手目の行がありません</source>
        <translation>the line of move %1 is missing</translation>
    </message>
    <message>
        <source>消費時間が読めません</source>
        <translation>the time taken cannot be read</translation>
    </message>
    <message>
        <source>対局が終わった後に指し手があります</source>
        <translation>a move follows the end of the game</translation>
    </message>
    <message>
        <source>「%1」の駒の名前が分かりません</source>
        <translation>the piece in &quot;%1&quot; is not known</translation>
    </message>
    <message>
        <source>「%1」はこの局面で指せない手です</source>
        <translation>&quot;%1&quot; cannot be played in this position</translation>
    </message>
    <message>
        <source>棋譜のテキストとしては大きすぎます</source>
        <translation>too large for a text record</translation>
    </message>
</context>
<context>
    <name>TimeControl</name>
    <message>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>持ち時間%1、秒読み%2</source>
        <translation>%1 main time, byoyomi %2</translation>
    </message>
    <message>
        <source>秒読み%1</source>
        <translation>byoyomi %1</translation>
    </message>
    <message>
        <source>持ち時間%1、1手ごとに%2加算</source>
        <translation>%1 main time, %2 added per move</translation>
    </message>
    <message>
        <source>持ち時間%1</source>
        <translation>%1 main time</translation>
    </message>
    <message>
        <source>持ち時間</source>
        <translation>Time control</translation>
    </message>
    <message>
        <source>なし（経過時間を数える）</source>
        <translation>None (count the elapsed time)</translation>
    </message>
    <message>
        <source>持ち時間と秒読み</source>
        <translation>Main time and byoyomi</translation>
    </message>
    <message>
        <source>持ち時間と1手ごとの加算</source>
        <translation>Main time and an increment per move</translation>
    </message>
    <message>
        <source>持ち時間（分）</source>
        <translation>Main time (minutes)</translation>
    </message>
    <message>
        <source>秒読み・加算（秒）</source>
        <translation>Byoyomi or increment (seconds)</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Tessora</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>翻訳ファイル %1 が見つかりません。</source>
        <translation>The translation file %1 was not found.</translation>
    </message>
    <message>
        <source>画像ファイルが %1 個見つかりません（表示されません）。
場所: %2</source>
        <translation>%1 picture files were not found (they are not shown).
Folder: %2</translation>
    </message>
</context>
</TS>
