<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CheckStatus</name>
    <message numerus="yes">
        <source>解けます: %n手、約%1秒</source>
        <translation>
            <numerusform>Solvable: %n key, about %1 s</numerusform>
            <numerusform>Solvable: %n keys, about %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source> (制限時間無し)</source>
        <translation> (no time limit)</translation>
    </message>
    <message>
        <source> (制限%1秒)</source>
        <translation> (limit %1 s)</translation>
    </message>
    <message>
        <source>、制限%1秒に間に合いません</source>
        <translation>, too slow for the %1 s limit</translation>
    </message>
    <message>
        <source>解けません</source>
        <translation>Not solvable</translation>
    </message>
    <message numerus="yes">
        <source>、わな%nか所</source>
        <translation>
            <numerusform>, %n trap</numerusform>
            <numerusform>, %n traps</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (あきらめ)</source>
        <comment>a walk that gave up</comment>
        <translation>%1 (gave up)</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the walks&apos; keys</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>約%1秒 (毎秒%2キー、分かれ道ごとに%3秒、最初に見る%4秒)、ほどよい制限 %5秒</source>
        <translation>%1 s at %2 keys/s, %3 s a fork and %4 s to look; fair limit %5 s</translation>
    </message>
    <message>
        <source>難しさ %1/%2 (労力 %3)</source>
        <translation>grade %1 of %2 (effort %3)</translation>
    </message>
    <message>
        <source>、難しさ %1/%2</source>
        <translation>, grade %1 of %2</translation>
    </message>
    <message>
        <source>分かれ道%1か所で迷い%2、行き止まりに%3回、わなに%4回</source>
        <translation>choices %2 at %1 forks, dead ends walked into %3, traps met %4</translation>
    </message>
    <message>
        <source>初めての人: %1キー、最少の%2倍 (歩き: %3)</source>
        <translation>newcomer: %1 keys, %2 times the fewest (walks: %3)</translation>
    </message>
    <message>
        <source>初めての人: %1キー、むだ%2キー</source>
        <translation>newcomer: %1 keys, %2 wasted</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the parts of the effort</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>迷路ファイル(*.mdt)|*.mdt</source>
        <translation>Maze files (*.mdt)|*.mdt</translation>
    </message>
    <message>
        <source>Midiファイル(*.mid)|*.mid</source>
        <translation>MIDI files (*.mid)|*.mid</translation>
    </message>
</context>
<context>
    <name>GenerateMessages</name>
    <message>
        <source>%1*%2</source>
        <translation>%1x%2</translation>
    </message>
    <message>
        <source>縦横とも %1〜%2 マスにしてください。</source>
        <translation>each side must be %1 to %2</translation>
    </message>
    <message>
        <source>%1 のマップでは道順のキーの数は %2 回までです (指定は %3 回)。</source>
        <translation>a route on a %1 map takes at most %2 keys (asked %3)</translation>
    </message>
    <message>
        <source>難しさは %1〜%2 にしてください。</source>
        <translation>the grade must be %1 to %2</translation>
    </message>
    <message>
        <source>%1 のマップに置ける罠は %2 個までです (指定は %3 個)。</source>
        <translation>a %1 map holds at most %2 traps (asked %3)</translation>
    </message>
    <message>
        <source>%1 のマップに置ける矢印は %2 個までです (指定は %3 個)。</source>
        <translation>a %1 map holds at most %2 arrows (asked %3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>解ける迷路なし</source>
        <translation>no maze that could be solved</translation>
    </message>
    <message>
        <source>キーの数 %1 回 (指定は %2 回、%3〜%4 回なら可)</source>
        <translation>%1 keys (asked %2, %3 to %4 would do)</translation>
    </message>
    <message>
        <source>難しさ %1 (指定は %2)</source>
        <translation>grade %1 (asked %2)</translation>
    </message>
    <message>
        <source>罠 %1 個 (指定は %2 個)</source>
        <translation>%1 traps (asked %2)</translation>
    </message>
    <message>
        <source>矢印 %1 個 (指定はおよそ %2 個)</source>
        <translation>%1 arrows (asked about %2)</translation>
    </message>
    <message>
        <source>矢印の輪あり</source>
        <translation>an arrow cycle</translation>
    </message>
    <message>
        <source>%1 回調べても条件に合う迷路ができませんでした。いちばん近かった迷路: %2</source>
        <translation>no maze met the request within %1 analyses; the closest had %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>キーの数</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>難しさ</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>罠の数</source>
        <translation>Traps</translation>
    </message>
    <message>
        <source>矢印の数</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>制限時間</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source>制限時間は、はじめて遊ぶ人にかかる時間の %1〜%2 倍にしてください。</source>
        <translation>the time limit must be %1 to %2 times the time a first-time player takes</translation>
    </message>
    <message>
        <source>%1 のマップで確実に作れる難しさは %2 までです (指定は %3)。</source>
        <translation>a %1 map reliably reaches grade %2 at most (asked %3)</translation>
    </message>
    <message>
        <source>%1 のマップで確実に作れる道順のキーの数は %2 回までです (指定は %3 回)。</source>
        <translation>a route on a %1 map reliably takes at most %2 keys (asked %3)</translation>
    </message>
</context>
<context>
    <name>MazeFileMessages</name>
    <message>
        <source>迷路ファイル「%1」を読み込めません。</source>
        <translation>The maze file “%1” cannot be loaded.</translation>
    </message>
    <message>
        <source>迷路ファイル「%1」を保存できません。</source>
        <translation>The maze file “%1” cannot be saved.</translation>
    </message>
    <message>
        <source>ディスクの空き領域が足りません</source>
        <translation>not enough free space on the disk</translation>
    </message>
    <message>
        <source>ディスク使用量の上限を超えます</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>アクセスが拒否されました</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>読み取り専用のドライブです</source>
        <translation>the drive is read-only</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>入出力エラーが起きました</source>
        <translation>an input/output error occurred</translation>
    </message>
    <message>
        <source>%1。</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 (%2)。</source>
        <translation>%1 (%2).</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>フォルダーです。迷路ファイルを選んでください。</source>
        <translation>This is a folder. Choose a maze file.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>ファイルを開けません (%1)。</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>読み取りに失敗しました (%1)。</source>
        <translation>Reading failed (%1).</translation>
    </message>
    <message>
        <source>保存先のフォルダー「%1」がありません。</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダーがあります。</source>
        <translation>A folder of the same name is in the way.</translation>
    </message>
    <message>
        <source>ファイルを作れません</source>
        <translation>The file cannot be created</translation>
    </message>
    <message>
        <source>書き込みに失敗しました</source>
        <translation>Writing failed</translation>
    </message>
    <message>
        <source>上書きの前に元の内容の控えを「%1」に保存できませんでした (%2)。ファイルは元のままです。</source>
        <translation>A copy of the old contents could not be kept in “%1” before overwriting (%2). The file is unchanged.</translation>
    </message>
    <message>
        <source>書き込みに失敗し (%1)、元の内容に戻せませんでした。「%2」は壊れているおそれがあります。元の内容の控えは「%3」にあります。</source>
        <translation>Writing failed (%1) and the old contents could not be put back. “%2” may be damaged. A copy of its old contents is kept in “%3”.</translation>
    </message>
    <message>
        <source>ファイル「%1」は迷路ファイルではないか、壊れています。</source>
        <translation>“%1” is not a maze file, or it is damaged.</translation>
    </message>
    <message>
        <source>ファイルが短すぎて、題名や制限時間などの設定が途中で切れています。</source>
        <translation>The file is too short: it ends partway through the title, the time limit and the other settings.</translation>
    </message>
    <message>
        <source>題名が長すぎます。</source>
        <translation>The title is too long.</translation>
    </message>
    <message>
        <source>音楽ファイル名が長すぎます。</source>
        <translation>The music file name is too long.</translation>
    </message>
    <message>
        <source>題名の長さがファイルの残りより長くなっています。</source>
        <translation>The title is longer than the rest of the file.</translation>
    </message>
    <message>
        <source>音楽ファイル名の長さがファイルの残りより長くなっています。</source>
        <translation>The music file name is longer than the rest of the file.</translation>
    </message>
    <message>
        <source>迷路のマスが途中で切れています。</source>
        <translation>The file ends partway through the maze&apos;s cells.</translation>
    </message>
    <message>
        <source>迷路の大きさ %1*%2 が %3*%3〜%4*%4 の範囲を外れています。</source>
        <translation>The maze&apos;s size, %1*%2, is outside %3*%3 to %4*%4.</translation>
    </message>
    <message>
        <source>スタートの位置 (%1, %2) が %3〜%4 の範囲を外れています。</source>
        <translation>The start cell (%1, %2) is outside %3 to %4.</translation>
    </message>
    <message>
        <source>ゴールの位置 (%1, %2) が %3〜%4 の範囲を外れています。</source>
        <translation>The goal cell (%1, %2) is outside %3 to %4.</translation>
    </message>
    <message>
        <source>ただし、ディスクに書き込まれたことをシステムが確認できませんでした</source>
        <translation>But the system could not confirm that it is on the disk</translation>
    </message>
    <message>
        <source>迷路ファイル「%1」を保存しました。</source>
        <translation>The maze file “%1” was saved.</translation>
    </message>
</context>
<context>
    <name>MazeTextMessages</name>
    <message>
        <source>&quot;Forest&quot; のような、二重引用符で囲んだテキスト</source>
        <translation>a text in double quotes, such as &quot;Forest&quot;</translation>
    </message>
    <message>
        <source>&quot;C:\\midi\\a.mid&quot; のような、二重引用符で囲んだテキスト</source>
        <translation>a text in double quotes, such as &quot;C:\\midi\\a.mid&quot;</translation>
    </message>
    <message>
        <source>秒数 (整数)、または none</source>
        <translation>a whole number of seconds, or none</translation>
    </message>
    <message>
        <source>1 2 のような列と行</source>
        <translation>a column and a row, such as 1 2</translation>
    </message>
    <message>
        <source>30 31 のような列と行</source>
        <translation>a column and a row, such as 30 31</translation>
    </message>
    <message>
        <source>32x32 のような幅と高さ</source>
        <translation>a width and a height, such as 32x32</translation>
    </message>
    <message>
        <source>map: の後に何も書かないこと</source>
        <translation>nothing after map:</translation>
    </message>
    <message>
        <source># 1 0 のような、文字とチップとアイテム</source>
        <translation>a character, a chip and an item, such as # 1 0</translation>
    </message>
    <message>
        <source>0..32 32 # のような、列と行と文字 (最初..最後)</source>
        <translation>columns, rows and a character, such as 0..32 32 # (first..last)</translation>
    </message>
    <message>
        <source>UTF-8 のテキストではありません</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>ORVANE の迷路テキストではありません: 1行目は %1 でなければなりません</source>
        <translation>not an ORVANE maze text: the first line must be %1</translation>
    </message>
    <message>
        <source>長すぎます: 迷路テキストは %1 MiB までです</source>
        <translation>too long: a maze text holds at most %1 MiB</translation>
    </message>
    <message>
        <source>&quot;key: value&quot; のような行が必要です</source>
        <translation>expected a line such as &quot;key: value&quot;</translation>
    </message>
    <message>
        <source>%1 というキーはありません</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>%1: が2回書かれています</source>
        <translation>%1: is given a second time</translation>
    </message>
    <message>
        <source>%1: の行がありません</source>
        <translation>the text has no %1: line</translation>
    </message>
    <message>
        <source>%1: %2 が必要です</source>
        <translation>%1: expected %2</translation>
    </message>
    <message>
        <source>%1: 数は %2〜%3 でなければなりません</source>
        <translation>%1: the numbers must be %2 to %3</translation>
    </message>
    <message>
        <source>%1 はエスケープではありません: \\、\&quot;、\xHH のどれかを書きます</source>
        <translation>%1 is no escape: write \\, \&quot; or \xHH</translation>
    </message>
    <message>
        <source>%1 はシフトJIS (コードページ 932) にない文字です。バイトを \xHH で書きます</source>
        <translation>%1 has no code page 932 (Shift-JIS) bytes; write the bytes as \xHH</translation>
    </message>
    <message>
        <source>%1: %2 バイトあり、上限の %3 バイトを超えています</source>
        <translation>%1: %2 bytes, over the limit of %3</translation>
    </message>
    <message>
        <source>%1 は目に見える1文字ではありません</source>
        <translation>%1 is not one visible character</translation>
    </message>
    <message>
        <source>凡例 (legend) に %1 が2回書かれています</source>
        <translation>the legend gives %1 a second time</translation>
    </message>
    <message>
        <source>map: の前に size: の行が必要です</source>
        <translation>map: needs the size: line before it</translation>
    </message>
    <message>
        <source>地図の行が %1 文字ですが、幅は %2 です</source>
        <translation>the map row has %1 characters; the width is %2</translation>
    </message>
    <message>
        <source>地図が %1 行ですが、高さは %2 です</source>
        <translation>the map has %1 rows; the height is %2</translation>
    </message>
    <message>
        <source>%1 (%2 文字目) は凡例にありません</source>
        <translation>%1 (column %2) is not in the legend</translation>
    </message>
    <message>
        <source>%1 は凡例にありません</source>
        <translation>%1 is not in the legend</translation>
    </message>
    <message>
        <source>マス (%1, %2) は地図の中です: 地図の行で書きます</source>
        <translation>cell (%1, %2) lies in the map: give it in the map&apos;s rows</translation>
    </message>
    <message>
        <source>マス (%1, %2) は前の cells: の行で書かれています</source>
        <translation>cell (%1, %2) was given by an earlier cells: line</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>WindowMapCanvas</name>
    <message>
        <source>準備中です</source>
        <translation>Preparing</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>この環境ではシフトJIS (コードページ 932) の変換が使えないため、ORVANE を起動できません。
glibc の文字コード変換モジュール (gconv) を確認してください。</source>
        <translation>ORVANE cannot start: this system cannot convert Shift JIS (code page 932) text.
Check glibc&apos;s character set conversion modules (gconv).</translation>
    </message>
</context>
<context>
    <name>orvane::GenerateDialog</name>
    <message>
        <source>難しさ(&amp;G)</source>
        <translation>&amp;Grade</translation>
    </message>
    <message>
        <source>キーの数(&amp;K)</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>制限時間なし(&amp;N)</source>
        <translation>&amp;No time limit</translation>
    </message>
    <message>
        <source>新しい種(&amp;R)</source>
        <translation>&amp;Random seed</translation>
    </message>
    <message>
        <source>迷路の生成</source>
        <translation>Generate a maze</translation>
    </message>
    <message>
        <source>%1 (選択範囲)</source>
        <translation>%1 (the selection)</translation>
    </message>
    <message>
        <source>目標</source>
        <translation>Aim</translation>
    </message>
    <message>
        <source>%1 (はじめての人向け) から %2 (難しい) まで</source>
        <translation>%1 (for beginners) to %2 (hard)</translation>
    </message>
    <message>
        <source>いちばん少ないキーの数。この数の1割以内になります</source>
        <translation>The fewest key presses that solve the maze, within a tenth of this number</translation>
    </message>
    <message>
        <source>矢印のおよその数 (1割以内)。罠の入口の矢印は別に数えます</source>
        <translation>About this many arrow cells (within a tenth), besides the arrow closing each trap</translation>
    </message>
    <message>
        <source>入ると抜け出せないマスの数</source>
        <translation>Cells the ball can reach but never leave</translation>
    </message>
    <message>
        <source> 倍</source>
        <translation> times</translation>
    </message>
    <message>
        <source>同じ指定と同じ種なら、まったく同じ迷路ができます</source>
        <translation>The same settings and the same seed make exactly the same maze</translation>
    </message>
    <message>
        <source>生成できない理由</source>
        <translation>Why the maze cannot be generated</translation>
    </message>
    <message>
        <source>大きさ(&amp;S):</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>罠の数(&amp;T):</source>
        <translation>&amp;Traps:</translation>
    </message>
    <message>
        <source>矢印の数(&amp;A):</source>
        <translation>&amp;Arrows:</translation>
    </message>
    <message>
        <source>制限時間(&amp;L):</source>
        <translation>Time &amp;limit:</translation>
    </message>
    <message>
        <source>乱数の種(&amp;E):</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>乱数の種: 0〜%1 の整数にしてください。</source>
        <translation>Seed: a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>はじめて遊ぶ人にかかる時間の何倍にするか (切り上げ、%1 秒以上)</source>
        <translation>The time limit as a multiple of the time a first-time player takes, rounded up and never under %1 seconds</translation>
    </message>
    <message>
        <source>いちばん近い迷路を使う(&amp;U)</source>
        <translation>&amp;Use the nearest maze</translation>
    </message>
    <message>
        <source>%v / %m 回調べました</source>
        <translation>%v of %m analyses</translation>
    </message>
    <message>
        <source>生成の進み具合</source>
        <translation>Generation progress</translation>
    </message>
</context>
<context>
    <name>orvane::HelpViewer</name>
    <message>
        <source>ヘルプファイル「%1」が見つかりません。</source>
        <translation>The help file “%1” cannot be found.</translation>
    </message>
</context>
<context>
    <name>orvane::HelpWindow</name>
    <message>
        <source>ORVANE ヘルプ</source>
        <translation>ORVANE Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>orvane::LevelList</name>
    <message>
        <source>%1 / %2 クリア</source>
        <comment>mazes solved of the mazes listed</comment>
        <translation>%1 / %2 solved</translation>
    </message>
    <message>
        <source>読めません: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>…</source>
        <comment>a grade being measured</comment>
        <translation>…</translation>
    </message>
    <message>
        <source>解けない</source>
        <translation>unsolvable</translation>
    </message>
    <message>
        <source>なし</source>
        <comment>no time limit</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>未クリア</source>
        <translation>not solved</translation>
    </message>
    <message>
        <source>%1キー</source>
        <translation>%1 keys</translation>
    </message>
    <message>
        <source>○</source>
        <comment>the solved mark</comment>
        <translation>✓</translation>
    </message>
    <message>
        <source>%1, 読めないファイル: %2</source>
        <translation>%1, a file that cannot be read: %2</translation>
    </message>
    <message>
        <source>難しさ 計算中</source>
        <translation>grade being measured</translation>
    </message>
    <message>
        <source>難しさ %1</source>
        <translation>grade %1</translation>
    </message>
    <message>
        <source>解けない迷路</source>
        <translation>no way to the goal</translation>
    </message>
    <message>
        <source>ベスト %1秒 %2キー</source>
        <translation>best %1 s %2 keys</translation>
    </message>
    <message>
        <source>迷路</source>
        <translation>Maze</translation>
    </message>
    <message>
        <source>題名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>難しさ</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>制限時間</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source>ベスト</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>最少キー</source>
        <translation>Fewest keys</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Solved</translation>
    </message>
</context>
<context>
    <name>orvane::LevelListWindow</name>
    <message>
        <source>迷路の一覧</source>
        <translation>Mazes</translation>
    </message>
    <message>
        <source>ほかに %1 個のファイルがあります。一覧には名前の順に %2 個までを出します。</source>
        <translation>%1 more files are not listed: the list holds the first %2 by name.</translation>
    </message>
</context>
<context>
    <name>orvane::MDIMain</name>
    <message>
        <source>コントロール(&amp;C)</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <source>迷路Editor(&amp;E)</source>
        <translation>Maze &amp;Editor</translation>
    </message>
    <message>
        <source>迷路Player(&amp;P)</source>
        <translation>Maze &amp;Player</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>orvane::MapOverview</name>
    <message>
        <source>全体図</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>表示中のマス: %1,%2〜%3,%4</source>
        <translation>Cells in view: %1,%2 to %3,%4</translation>
    </message>
</context>
<context>
    <name>orvane::MazeWindow</name>
    <message>
        <source>読み込み中です</source>
        <translation>Loading</translation>
    </message>
</context>
<context>
    <name>orvane::ResultDialog</name>
    <message>
        <source>ゴール！</source>
        <translation>Goal!</translation>
    </message>
    <message>
        <source>自己ベスト更新！</source>
        <translation>New best!</translation>
    </message>
    <message>
        <source>記録のファイルが壊れていたため、記録を新しく始めます。そのファイルは消さずに、次の場所に移してあります:
%1</source>
        <translation>The records file was damaged, so your records start afresh. The file was not deleted; it was moved here:
%1</translation>
    </message>
    <message>
        <source>記録を「%1」に保存できません。
%2
記録はこのプログラムを終えるまで残ります。ゲームはそのまま続けられます。</source>
        <translation>Your records cannot be saved to “%1”.
%2
They are kept until the program ends; you can go on playing.</translation>
    </message>
    <message>
        <source>制限%1秒</source>
        <translation>limit %1 s</translation>
    </message>
    <message>
        <source>%1秒 (%2)</source>
        <comment>the seconds used, then the limit</comment>
        <translation>%1 s (%2)</translation>
    </message>
    <message>
        <source>%1 (最少 %2)</source>
        <comment>the keys pressed, then the fewest</comment>
        <translation>%1 (fewest %2)</translation>
    </message>
    <message>
        <source>なし</source>
        <comment>no best kept</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>今回</source>
        <translation>This game</translation>
    </message>
    <message>
        <source>自己ベスト</source>
        <translation>Your best</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>もう一度</source>
        <translation>Play again</translation>
    </message>
    <message>
        <source>次の迷路</source>
        <translation>Next maze</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>記録のファイル「%1」は、新しい版の ORVANE が書いたものです。ファイルはそのままにして、このプログラムを終えるまで記録を書き込みません。</source>
        <translation>The records file “%1” was written by a newer version of ORVANE. It is left as it is, and no records are written to it until this program ends.</translation>
    </message>
    <message>
        <source>読めないファイルを飛ばしました: %1</source>
        <translation>Files that could not be read were skipped: %1</translation>
    </message>
    <message>
        <source>リプレイ</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>一覧</source>
        <translation>Mazes</translation>
    </message>
</context>
<context>
    <name>orvane::frmEdit</name>
    <message>
        <source>このステージのタイトル</source>
        <translation>Maze title</translation>
    </message>
    <message>
        <source>座標</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>マップ</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>縦スクロールバー</source>
        <translation>Vertical scroll bar</translation>
    </message>
    <message>
        <source>横スクロールバー</source>
        <translation>Horizontal scroll bar</translation>
    </message>
    <message>
        <source>マップチップ</source>
        <translation>Map chips</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ(ﾌﾞﾛｯｸ単位)</source>
        <translation>Size (cells)</translation>
    </message>
    <message>
        <source>サイズを小さくすると、はみ出た部分はカットされます。</source>
        <translation>Making the map smaller cuts off whatever lies outside the new size.</translation>
    </message>
    <message>
        <source>制限時間(秒単位)</source>
        <translation>Time limit (s)</translation>
    </message>
    <message>
        <source>制限時間無</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>このステージの音楽</source>
        <translation>Maze music</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>...</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>迷路Editor</source>
        <translation>Maze Editor</translation>
    </message>
    <message>
        <source>スタート位置、またはゴール位置が不正です。</source>
        <translation>The start or goal position is not valid.</translation>
    </message>
    <message>
        <source>保存中です</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>テストプレイ: 時間切れ</source>
        <translation>Test play: time up</translation>
    </message>
    <message>
        <source>テストプレイ: 中止</source>
        <translation>Test play: stopped</translation>
    </message>
    <message>
        <source>音楽ファイル「%1」は選べません。
場所の名前に、迷路ファイルに保存できない文字 (シフトJIS にない文字) が含まれています。別の場所のファイルを選んでください。</source>
        <translation>The music file “%1” cannot be chosen.
Its location has characters a maze file cannot store (characters outside Shift JIS). Choose a file in another place.</translation>
    </message>
    <message>
        <source>音楽ファイルを参照</source>
        <translation>Browse for music</translation>
    </message>
    <message>
        <source>音楽ファイルを選ぶ</source>
        <translation>Browse for music</translation>
    </message>
    <message>
        <source>壁%1</source>
        <translation>Wall %1</translation>
    </message>
    <message>
        <source>床%1</source>
        <translation>Floor %1</translation>
    </message>
    <message>
        <source>上矢印</source>
        <translation>Up arrow</translation>
    </message>
    <message>
        <source>下矢印</source>
        <translation>Down arrow</translation>
    </message>
    <message>
        <source>左矢印</source>
        <translation>Left arrow</translation>
    </message>
    <message>
        <source>右矢印</source>
        <translation>Right arrow</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ゴール</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>前回までの編集中の作業を読み込めませんでした。そのファイルは消さずに、次の場所に移してあります:
%1</source>
        <translation>The editor&apos;s work kept from before could not be read. The file was not deleted; it was moved to:
%1</translation>
    </message>
    <message>
        <source>次のファイルの編集中の作業は、新しい版の ORVANE が残したものです。この版では読み込まず、ファイルはそのままにしてあります:
%1</source>
        <translation>The editor&apos;s work in these files was kept by a newer version of ORVANE. This version does not read it; the files were left as they are:
%1</translation>
    </message>
    <message numerus="yes">
        <source>前回までの作業の記録のうち、古い方の %n 回分は元に戻せなくなりました。迷路そのものは元のままです。</source>
        <translation>
            <numerusform>The oldest step of the work kept from before can no longer be undone. The maze itself is as it was.</numerusform>
            <numerusform>The %n oldest steps of the work kept from before can no longer be undone. The maze itself is as it was.</numerusform>
        </translation>
    </message>
    <message>
        <source>編集中の作業を「%1」に保管できません。
%2
迷路を失わないように、「保存」で迷路ファイルに保存してください。</source>
        <translation>The editor&apos;s work cannot be kept in “%1”.
%2
So as not to lose your maze, save it to a maze file with “Save”.</translation>
    </message>
    <message>
        <source>テストプレイ: ゴールしました (%1秒、%2キー、最少 %3)</source>
        <translation>Test play: goal reached (%1 s, %2 keys, fewest %3)</translation>
    </message>
    <message>
        <source>「%1」はタイトルに使えません。迷路ファイルに保存できる文字 (シフトJIS の文字) だけが使えます。</source>
        <translation>“%1” cannot be used in the title: only characters a maze file can hold (Shift-JIS characters) can.</translation>
    </message>
    <message>
        <source>回すと選択範囲がマップからはみ出すため、回せません。</source>
        <translation>The selection cannot be turned: turned, it would not fit on the map.</translation>
    </message>
    <message>
        <source>貼り付けられません。クリップボードの内容は迷路テキストではありません (%1)。</source>
        <translation>Nothing pasted: the clipboard holds no maze text (%1).</translation>
    </message>
    <message>
        <source>選択 %1×%2</source>
        <translation>Selection %1×%2</translation>
    </message>
    <message>
        <source>前回の作業は Ctrl+Z で戻せます</source>
        <translation>Ctrl+Z brings back your last work</translation>
    </message>
    <message>
        <source>表示: 1マス %1 ピクセル、%2×%2 マス (Ctrl+ホイール、Ctrl+- と Ctrl++ で拡大縮小、Ctrl+0 で元の大きさ)</source>
        <translation>View: %1 pixels a cell, %2×%2 cells (Ctrl+wheel, Ctrl+- and Ctrl++ zoom, Ctrl+0 back to full size)</translation>
    </message>
    <message>
        <source>マップの上: 初めての人が歩いたマス (何度も歩いたほど濃く、いちばん少ないキーの道順は除く)、黄色の枠は入り込んだ行き止まり、紫の輪ははまったわな</source>
        <translation>On the map: the cells the newcomer walked (the more often, the darker; the fewest keys&apos; route left out), a yellow outline round each dead end walked into, a purple ring on each trap met</translation>
    </message>
    <message>
        <source>マップの上: 記録に残る自分のランが通ったマス (何度も通ったほど濃く)、黄色の枠は引き返した行き止まり</source>
        <translation>On the map: the cells your recorded runs passed (the more often, the darker), a yellow outline round each dead end turned back from</translation>
    </message>
    <message>
        <source>記録のファイル「%1」が壊れていたため、「%2」に移しました</source>
        <translation>The records file “%1” was damaged and has been moved to “%2”</translation>
    </message>
    <message>
        <source>記録のファイル「%1」を読めません</source>
        <translation>The records file “%1” cannot be read</translation>
    </message>
    <message>
        <source>自分のラン %1本 (ベスト %2秒、%3キー)</source>
        <translation>Your runs: %1 (best %2 s, %3 keys)</translation>
    </message>
    <message>
        <source>この迷路のランは記録にありません (ゴールしたゲームのランが残ります)</source>
        <translation>Your records keep no run of this maze (a game that reaches the goal keeps its run)</translation>
    </message>
    <message>
        <source>解けない迷路なので、初めての人は歩きません</source>
        <translation>Not solvable: the newcomer does not walk it</translation>
    </message>
</context>
<context>
    <name>orvane::frmPlay</name>
    <message>
        <source>迷路の表示</source>
        <translation>Maze view</translation>
    </message>
    <message>
        <source>マップ</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>プレイ</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>迷路Player</source>
        <translation>Maze Player</translation>
    </message>
    <message>
        <source>制限時間無し</source>
        <translation>No time limit</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>Time up</translation>
    </message>
    <message>
        <source>残り%1秒</source>
        <translation>Time left: %1 s</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>caption, then the maze&apos;s title</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source> (テストプレイ: Escで戻る)</source>
        <translation> (test play: Esc returns)</translation>
    </message>
    <message>
        <source>見本: Escで止める</source>
        <translation>Demonstration: Esc stops</translation>
    </message>
    <message>
        <source>見本: %1 キーでゴール。キーを押すと元に戻ります</source>
        <translation>Demonstration: the goal in %1 keys. Press a key to go back</translation>
    </message>
    <message>
        <source>見本: この迷路にはゴールまでの道がありません</source>
        <translation>Demonstration: this maze has no way to the goal</translation>
    </message>
    <message>
        <source>リプレイ: Escで止める</source>
        <translation>Replay: Esc stops</translation>
    </message>
    <message>
        <source>リプレイ: %1秒 %2キーでゴール (Escで戻る)</source>
        <translation>Replay: at the goal in %1 s and %2 keys (Esc goes back)</translation>
    </message>
    <message>
        <source>ゴースト: 次のゲームから自己ベストのゴーストを表示します (Gで切り替え)</source>
        <translation>Ghost: your best run is shown from the next game on (G switches)</translation>
    </message>
    <message>
        <source>ゴースト: 表示しません (Gで切り替え)</source>
        <translation>Ghost: not shown (G switches)</translation>
    </message>
</context>
<context>
    <name>orvane::frmSplash</name>
    <message>
        <source>クリックして下さい</source>
        <translation>Click to continue</translation>
    </message>
</context>
</TS>
