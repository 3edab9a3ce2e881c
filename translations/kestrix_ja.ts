<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutConnortller</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>マウスが接続されていません。</translation>
    </message>
    <message>
        <source>The emulated mouse (kx-virtual-mouse) is in use.</source>
        <translation>エミュレートされたマウス（kx-virtual-mouse）を使用中です。</translation>
    </message>
    <message>
        <source>The Kestrix mouse on USB is in use.</source>
        <translation>USB 接続の Kestrix マウスを使用中です。</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>Kestrix マウスについて</translation>
    </message>
    <message>
        <source>Version %1 &amp;middot; MIT licence&lt;br&gt;&lt;br&gt;</source>
        <translation>バージョン %1 &amp;middot; MIT ライセンス&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Profiles and macros</source>
        <translation>プロファイルとマクロ</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>The program&apos;s version and where it comes from.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>プログラムのバージョンと提供元を表示します。</translation>
    </message>
    <message>
        <source>KESTRIX MOUSE</source>
        <extracomment>the window&apos;s title, 392 points wide</extracomment>
        <translation>KESTRIX マウス</translation>
    </message>
    <message>
        <source>Configuration of the Kestrix gaming mouse</source>
        <extracomment>a line of text, 392 points wide</extracomment>
        <translation>Kestrix ゲーミングマウスの設定</translation>
    </message>
    <message>
        <source>Kestrix Mouse</source>
        <extracomment>the name a screen reader says for appIcon</extracomment>
        <translation>Kestrix マウス</translation>
    </message>
    <message>
        <source>About the program</source>
        <extracomment>the name a screen reader says for infoTxt</extracomment>
        <translation>プログラムについて</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppChooserView</name>
    <message>
        <source>Chooses the application whose coming to the front switches the mouse&apos;s profile.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>前面に来るとマウスのプロファイルが切り替わるアプリケーションを選びます。</translation>
    </message>
    <message>
        <source>APPLICATION FOR A RULE</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>ルールのアプリケーション</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>インストール済みアプリケーション</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>アプリケーションを絞り込み</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix マウス</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Application menu</source>
        <translation>アプリケーションメニュー</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>Kestrix マウスについて</translation>
    </message>
    <message>
        <source>Export set-up…</source>
        <translation>設定をエクスポート…</translation>
    </message>
    <message>
        <source>Import set-up…</source>
        <translation>設定をインポート…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Application rules…</source>
        <translation>アプリケーションルール…</translation>
    </message>
</context>
<context>
    <name>AppRulesView</name>
    <message>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <extracomment>the name a screen reader says for addBtn</extracomment>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Installed application…</source>
        <translation>インストール済みのアプリケーション…</translation>
    </message>
    <message>
        <source>The application in front before this window</source>
        <translation>このウィンドウの前に前面にあったアプリケーション</translation>
    </message>
    <message>
        <source>Asking the background program about this desktop…</source>
        <translation>このデスクトップについてバックグラウンドプログラムに問い合わせています…</translation>
    </message>
    <message>
        <source>The background program is not running, so the rules do not act now. They are kept for when it runs.</source>
        <translation>バックグラウンドプログラムが動作していないため、ルールは現在働きません。動作したときのために保持されます。</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front: the rules act once they are saved.</source>
        <translation>このデスクトップは前面のアプリケーションを知らせます。ルールは保存すると働きます。</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: GNOME on Wayland does not tell other programs which window is in front.</source>
        <translation>このデスクトップではアプリケーションルールを使えません。Wayland 上の GNOME は、どのウィンドウが前面にあるかを他のプログラムに知らせません。</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: its Wayland compositor does not tell other programs which window is in front.</source>
        <translation>このデスクトップではアプリケーションルールを使えません。その Wayland コンポジターは、どのウィンドウが前面にあるかを他のプログラムに知らせません。</translation>
    </message>
    <message>
        <source>Application rules are not available: the background program has no display to watch.</source>
        <translation>アプリケーションルールを使えません。バックグラウンドプログラムには監視するディスプレイがありません。</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop (%1).</source>
        <translation>このデスクトップではアプリケーションルールを使えません（%1）。</translation>
    </message>
    <message>
        <source>The rules in the preferences could not be read:
%1</source>
        <translation>設定のルールを読み込めませんでした:
%1</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1、プロファイル %2</translation>
    </message>
    <message>
        <source>%1, not installed, profile %2</source>
        <translation>%1、未インストール、プロファイル %2</translation>
    </message>
    <message>
        <source>There are %1 rules already, as many as are kept.</source>
        <translation>すでに %1 個のルールがあり、保持できる上限です。</translation>
    </message>
    <message>
        <source>“%1” cannot be a rule&apos;s application: it %2.</source>
        <translation>「%1」はルールのアプリケーションにできません: 名前が%2。</translation>
    </message>
    <message>
        <source>The background program is not running, so it cannot tell which application was in front.</source>
        <translation>バックグラウンドプログラムが動作していないため、どのアプリケーションが前面にあったかわかりません。</translation>
    </message>
    <message>
        <source>The background program does not know yet which application was in front. Bring that application to the front, then come back and add it.</source>
        <translation>バックグラウンドプログラムは、どのアプリケーションが前面にあったかをまだ知りません。そのアプリケーションを前面に出してから、戻って追加してください。</translation>
    </message>
    <message>
        <source>The background program named an application that cannot be a rule&apos;s: its name %1.</source>
        <translation>バックグラウンドプログラムが示したアプリケーションはルールにできません: 名前が%1。</translation>
    </message>
    <message>
        <source>The application rules in the preferences could not be read:
%1
Start over with no rules? The broken ones are replaced only when you press OK.</source>
        <translation>設定のアプリケーションルールを読み込めませんでした:
%1
ルールなしでやり直しますか？ 壊れたルールは OK を押したときにだけ置き換えられます。</translation>
    </message>
    <message>
        <source>The rules were not saved: %1. They stay here as you set them; OK tries again.</source>
        <translation>ルールは保存されませんでした: %1。設定した内容はここに残ります。OK でもう一度試します。</translation>
    </message>
    <message>
        <source>Makes the mouse&apos;s profile follow the application in front, by rules of the user&apos;s.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>ユーザーのルールに従い、マウスのプロファイルを前面のアプリケーションに合わせます。</translation>
    </message>
    <message>
        <source>APPLICATION RULES</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>アプリケーションルール</translation>
    </message>
    <message>
        <source>RULES</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>ルール</translation>
    </message>
    <message>
        <source>PROFILE OF THE SELECTED APPLICATION</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>選択したアプリケーションのプロファイル</translation>
    </message>
    <message>
        <source>ANY OTHER APPLICATION IN FRONT</source>
        <extracomment>a caption over controls, 400 points wide</extracomment>
        <translation>前面にあるその他のアプリケーション</translation>
    </message>
    <message>
        <source>Switch profiles by the application in front</source>
        <extracomment>the label of the control enabledChk, 492 points wide (English uses 247)</extracomment>
        <translation>前面のアプリケーションでプロファイルを切り替える</translation>
    </message>
    <message>
        <source>On this desktop</source>
        <extracomment>the name a screen reader says for availabilityLbl</extracomment>
        <translation>このデスクトップでは</translation>
    </message>
    <message>
        <source>ADD…</source>
        <extracomment>the label of the control addBtn, 96 points wide (English uses 40)</extracomment>
        <translation>追加…</translation>
    </message>
    <message>
        <source>Chooses an installed application, or the one in front before this window</source>
        <extracomment>what a screen reader says addBtn does</extracomment>
        <translation>インストール済みのアプリケーション、またはこのウィンドウの前に前面にあったものを選びます</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>the name a screen reader says for ruleList</extracomment>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Each application and its profile; keys 1 to 5 set the profile, Delete removes the rule</source>
        <extracomment>what a screen reader says ruleList does</extracomment>
        <translation>各アプリケーションとそのプロファイル。1～5 キーでプロファイルを設定し、Delete でルールを削除します</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for ruleProfile1Btn</extracomment>
        <translation>プロファイル 1</translation>
    </message>
    <message>
        <source>Profile of the selected application</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>選択したアプリケーションのプロファイル</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for ruleProfile2Btn</extracomment>
        <translation>プロファイル 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for ruleProfile3Btn</extracomment>
        <translation>プロファイル 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for ruleProfile4Btn</extracomment>
        <translation>プロファイル 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for ruleProfile5Btn</extracomment>
        <translation>プロファイル 5</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <extracomment>the label of the control removeBtn, 96 points wide (English uses 56)</extracomment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <extracomment>the name a screen reader says for removeBtn</extracomment>
        <translation>選択したルールを削除</translation>
    </message>
    <message>
        <source>UNCHANGED</source>
        <extracomment>the label of the control otherwiseKeepBtn, 140 points wide (English uses 84)</extracomment>
        <translation>変更しない</translation>
    </message>
    <message>
        <source>Otherwise</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>それ以外</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No rules yet: “Add…” makes one.</source>
        <translation>まだルールはありません。「追加…」で作成します。</translation>
    </message>
    <message>
        <source>Otherwise unchanged</source>
        <extracomment>the name a screen reader says for otherwiseKeepBtn</extracomment>
        <translation>それ以外は変更しない</translation>
    </message>
    <message>
        <source>Otherwise profile 1</source>
        <extracomment>the name a screen reader says for otherwise1Btn</extracomment>
        <translation>それ以外はプロファイル 1</translation>
    </message>
    <message>
        <source>Otherwise profile 2</source>
        <extracomment>the name a screen reader says for otherwise2Btn</extracomment>
        <translation>それ以外はプロファイル 2</translation>
    </message>
    <message>
        <source>Otherwise profile 3</source>
        <extracomment>the name a screen reader says for otherwise3Btn</extracomment>
        <translation>それ以外はプロファイル 3</translation>
    </message>
    <message>
        <source>Otherwise profile 4</source>
        <extracomment>the name a screen reader says for otherwise4Btn</extracomment>
        <translation>それ以外はプロファイル 4</translation>
    </message>
    <message>
        <source>Otherwise profile 5</source>
        <extracomment>the name a screen reader says for otherwise5Btn</extracomment>
        <translation>それ以外はプロファイル 5</translation>
    </message>
</context>
<context>
    <name>CreateMacro</name>
    <message>
        <source>Names a new macro for the macro editor.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>マクロエディターで作成する新しいマクロに名前を付けます。</translation>
    </message>
    <message>
        <source>NEW MACRO</source>
        <extracomment>the window&apos;s title, 260 points wide</extracomment>
        <translation>新規マクロ</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Name of the new macro</source>
        <extracomment>the name a screen reader says for nameTxt</extracomment>
        <translation>新しいマクロの名前</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CreateMacroView</name>
    <message>
        <source>Macro name</source>
        <translation>マクロ名</translation>
    </message>
</context>
<context>
    <name>HvAction</name>
    <message>
        <source>is damaged at offset %1: %2</source>
        <extracomment>Why a file cannot be loaded, said after &quot;the file&quot; (&quot;Fire.mac cannot be loaded: the file is not an archive of this program&quot;).</extracomment>
        <translation>オフセット %1 で破損しています：%2</translation>
    </message>
    <message>
        <source>is not an archive of this program</source>
        <translation>このプログラムのアーカイブではありません</translation>
    </message>
    <message>
        <source>has an archive version this program does not read</source>
        <translation>このプログラムでは読み込めないアーカイブバージョンです</translation>
    </message>
    <message>
        <source>holds no object</source>
        <translation>オブジェクトを含んでいません</translation>
    </message>
</context>
<context>
    <name>HvKey</name>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Right Super</source>
        <translation>右 Super</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>右 Shift</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>右 Alt</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>右 Ctrl</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量アップ</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量ダウン</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>テンキー Enter</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左矢印</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右矢印</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下矢印</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上矢印</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>A key without a name: its code, as &quot;0x7F&quot;.</extracomment>
        <translation>キー %1</translation>
    </message>
</context>
<context>
    <name>HvMenulist</name>
    <message>
        <source>Menu list</source>
        <translation>メニューリスト</translation>
    </message>
</context>
<context>
    <name>HvMessageBox</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix マウス</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>KestrixDeamon</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>不明なオプション %1 です（--help を参照してください）</translation>
    </message>
    <message>
        <source>already running for this user (%1 is taken)</source>
        <translation>このユーザーでは既に実行中です（%1 は使用中です）</translation>
    </message>
</context>
<context>
    <name>KxAction</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
</context>
<context>
    <name>KxAppRules</name>
    <message>
        <source>names no application</source>
        <translation>アプリケーションを指定していません</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>制御文字を含んでいます</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>%1 文字を超えています</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>オブジェクトではありません</translation>
    </message>
    <message>
        <source>is not a field of the rules</source>
        <translation>ルールのフィールドではありません</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>true でも false でもありません</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>リストではありません</translation>
    </message>
    <message>
        <source>holds %1 rules; at most %2 are kept</source>
        <translation>%1 件のルールがあります。保持できるのは最大 %2 件です</translation>
    </message>
    <message>
        <source>is not a field of a rule</source>
        <translation>ルールのフィールドではありません</translation>
    </message>
    <message>
        <source>is not a name</source>
        <translation>名前ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a rule already</source>
        <translation>「%1」にはすでにルールがあります</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5, or 0 to leave it as it is)</source>
        <translation>マウスのプロファイルではありません（1 から 5、またはそのままにする場合は 0）</translation>
    </message>
    <message>
        <source>the rules could not be written to %1</source>
        <translation>ルールを %1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5)</source>
        <translation>マウスのプロファイルではありません（1 から 5）</translation>
    </message>
</context>
<context>
    <name>KxAppRulesUpdate</name>
    <message>
        <source>the application rules in the preferences cannot be read: %1. Correct it, or delete the [ApplicationRules] section of %2 to start again without rules</source>
        <extracomment>%1: where and what is wrong (&quot;com.vlak.KxOption.conf [ApplicationRules] rules<byte value="x2"/>profile: is not a profile of the mouse (1 to 5)&quot;); %2: the preferences file.</extracomment>
        <translation>設定のアプリケーションルールを読み取れません：%1。修正するか、%2 の [ApplicationRules] セクションを削除してルールなしでやり直してください</translation>
    </message>
</context>
<context>
    <name>KxCtl</name>
    <message>
        <source>kxctl help [COMMAND]
  How to use kxctl, or one of its commands.
</source>
        <translation>kxctl help [COMMAND]
  kxctl またはそのコマンドの使い方を表示します。
</translation>
    </message>
    <message>
        <source>kxctl [--json] list
  The attached mice, each with its USB location and the profile it reports
  as active. None attached is an empty list.
</source>
        <translation>kxctl [--json] list
  接続されているマウスを、USB の位置と、マウスがアクティブとして報告する
  プロファイルとともに一覧表示します。接続がなければ空の一覧になります。
</translation>
    </message>
    <message>
        <source>kxctl [--json] show [--profile N | --all]
  The settings and the buttons of the active profile, of profile N (1..5), or
  of all five, as the mouse holds them.
</source>
        <translation>kxctl [--json] show [--profile N | --all]
  アクティブなプロファイル、プロファイル N (1..5)、または 5 つすべての
  プロファイルについて、マウスが保持している設定とボタンを表示します。
</translation>
    </message>
    <message>
        <source>kxctl profile [--dry-run] N
  Makes profile N (1..5) the active one.
</source>
        <translation>kxctl profile [--dry-run] N
  プロファイル N (1..5) をアクティブにします。
</translation>
    </message>
    <message>
        <source>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Sets the DPI of stage STAGE (1..4) to VALUE (100..3500, in steps of 100).
  The mouse keeps one set of stages for all its profiles.
</source>
        <translation>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  ステージ STAGE (1..4) の DPI を VALUE (100..3500、100 刻み) に設定します。
  DPI ステージはマウスの全プロファイルで共通です。
</translation>
    </message>
    <message>
        <source>kxctl stage [--dry-run] N
  Makes DPI stage N (1..4) the active one.
</source>
        <translation>kxctl stage [--dry-run] N
  DPI ステージ N (1..4) をアクティブにします。
</translation>
    </message>
    <message>
        <source>kxctl rate [--dry-run] 125|500|1000
  Sets the polling rate in Hz.
</source>
        <translation>kxctl rate [--dry-run] 125|500|1000
  ポーリングレートを Hz 単位で設定します。
</translation>
    </message>
    <message>
        <source>kxctl light [--dry-run] logo|wheel on|off
  Switches the logo&apos;s or the wheel&apos;s light.
</source>
        <translation>kxctl light [--dry-run] logo|wheel on|off
  ロゴまたはホイールのライトをオン/オフします。
</translation>
    </message>
    <message>
        <source>kxctl button [--profile N] [--dry-run] B ACTION
  Sets what button B does (1..5, or left, right, middle, side1, side2), in
  the active profile or profile N. ACTION is one of:
    default                the profile&apos;s built-in function
    function NAME          a function of the catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           a macro of the library
    launch PATH|APP-ID     an application: a file, or an installed one&apos;s id
</source>
        <translation>kxctl button [--profile N] [--dry-run] B ACTION
  アクティブなプロファイルまたはプロファイル N で、ボタン B (1..5、または
  left、right、middle、side1、side2) の動作を設定します。ACTION は次の
  いずれかです:
    default                プロファイルに組み込まれた機能
    function NAME          カタログの機能 (&quot;Left Click&quot;、&quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           ライブラリのマクロ
    launch PATH|APP-ID     アプリケーション: ファイル、またはインストール済み
                           アプリケーションの ID
</translation>
    </message>
    <message>
        <source>kxctl macro list|show|import|export ...
  The macro library: kxctl help macro list, and so on.
</source>
        <translation>kxctl macro list|show|import|export ...
  マクロライブラリを扱います。詳しくは kxctl help macro list などを
  参照してください。
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro list
  The macros of the library.
</source>
        <translation>kxctl [--json] macro list
  ライブラリのマクロを一覧表示します。
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro show NAME
  A macro&apos;s steps.
</source>
        <translation>kxctl [--json] macro show NAME
  マクロのステップを表示します。
</translation>
    </message>
    <message>
        <source>kxctl macro import [--dry-run] FILE.mac
  Adds a macro file to the library, named by the file.
</source>
        <translation>kxctl macro import [--dry-run] FILE.mac
  マクロファイルをライブラリに追加します。マクロ名はファイル名になります。
</translation>
    </message>
    <message>
        <source>kxctl macro export NAME FILE.mac
  Saves a macro as a file (- for standard output).
</source>
        <translation>kxctl macro export NAME FILE.mac
  マクロをファイルに保存します (- で標準出力)。
</translation>
    </message>
    <message>
        <source>kxctl export FILE
  The whole set-up as a file: a file is replaced whole; a FIFO, a terminal or
  /dev/stdout is written as it is; - is standard output.
</source>
        <translation>kxctl export FILE
  設定全体をファイルに書き出します。通常のファイルは丸ごと置き換え、FIFO、
  端末、/dev/stdout にはそのまま書き込みます。- は標準出力です。
</translation>
    </message>
    <message>
        <source>kxctl import [--profiles 1,3] [--dry-run] FILE
  Writes a set-up file into the mouse, all of it or the profiles named
  (- reads standard input); --dry-run prints what would change.
</source>
        <translation>kxctl import [--profiles 1,3] [--dry-run] FILE
  設定ファイルを、全体または指定したプロファイルだけマウスに書き込みます
  (- で標準入力から読み込み)。--dry-run では変更内容を表示します。
</translation>
    </message>
    <message>
        <source>--device takes a mouse: its number, location or serial number as kxctl list shows them</source>
        <translation>--device にはマウスを、kxctl list が表示する番号、位置、またはシリアル番号で指定します</translation>
    </message>
    <message>
        <source>--profile takes a profile number, 1 to 5</source>
        <translation>--profile にはプロファイル番号（1～5）を指定します</translation>
    </message>
    <message>
        <source>--profiles takes profile numbers, as in 1,3</source>
        <translation>--profiles にはプロファイル番号を 1,3 のように指定します</translation>
    </message>
    <message>
        <source>--mode takes once, repeat N, hold or toggle</source>
        <translation>--mode には once、repeat N、hold、toggle のいずれかを指定します</translation>
    </message>
    <message>
        <source>--mode repeat takes a count, as in --mode repeat 3</source>
        <translation>--mode repeat には回数を --mode repeat 3 のように指定します</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1 です</translation>
    </message>
    <message>
        <source>there is no command %1</source>
        <translation>%1 というコマンドはありません</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>macro takes list, show, import or export</source>
        <translation>macro には list、show、import、export のいずれかを指定します</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1 です</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 では --%2 は使えません</translation>
    </message>
    <message>
        <source>%1: too few arguments</source>
        <translation>%1: 引数が足りません</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1: 引数が多すぎます</translation>
    </message>
    <message>
        <source>show takes --profile N or --all, not both</source>
        <translation>show には --profile N と --all のどちらか一方だけを指定します</translation>
    </message>
    <message>
        <source>--mode goes with button B macro NAME</source>
        <translation>--mode は button B macro NAME と一緒に使います</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>%1 を押す</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>%1 を離す</translation>
    </message>
    <message>
        <source>insert %1</source>
        <translation>コマンド「%1」</translation>
    </message>
    <message>
        <source>(unknown command)</source>
        <translation>（不明なコマンド）</translation>
    </message>
    <message>
        <source>press left button</source>
        <translation>左ボタンを押す</translation>
    </message>
    <message>
        <source>press right button</source>
        <translation>右ボタンを押す</translation>
    </message>
    <message>
        <source>press middle button</source>
        <translation>中ボタンを押す</translation>
    </message>
    <message>
        <source>release left button</source>
        <translation>左ボタンを離す</translation>
    </message>
    <message>
        <source>release right button</source>
        <translation>右ボタンを離す</translation>
    </message>
    <message>
        <source>release middle button</source>
        <translation>中ボタンを離す</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>不明なステップ</translation>
    </message>
    <message>
        <source>standard output cannot be written: %1</source>
        <translation>標準出力に書き込めません：%1</translation>
    </message>
    <message>
        <source>no mouse is attached</source>
        <translation>マウスが接続されていません</translation>
    </message>
    <message>
        <source>mouse %1 went away</source>
        <translation>マウス %1 が取り外されました</translation>
    </message>
    <message>
        <source>no attached mouse is %1 (kxctl list shows them)</source>
        <translation>%1 に該当する接続済みのマウスはありません（kxctl list で確認できます）</translation>
    </message>
    <message>
        <source>%1 mice are attached: say which with --device N (kxctl list shows them)</source>
        <translation>%1 台のマウスが接続されています。使うマウスを --device N で指定してください（kxctl list で確認できます）</translation>
    </message>
    <message>
        <source>%1 mice are attached; this is mouse 1 (--device picks another)</source>
        <translation>%1 台のマウスが接続されています。マウス 1 を使用します（別のマウスは --device で指定します）</translation>
    </message>
    <message>
        <source>waiting for the mouse: another program is using it...</source>
        <translation>マウスを待っています：別のプログラムが使用中です…</translation>
    </message>
    <message>
        <source>there is no session bus, so an open configuration window cannot be seen; if one is open, it shows the older values until it is opened again</source>
        <translation>セッションバスがないため、開いている設定ウィンドウを確認できません。設定ウィンドウが開いている場合、開き直すまで古い値が表示されます</translation>
    </message>
    <message>
        <source>the configuration window (KxOption) is open and owns the mouse&apos;s settings: close it first, or run kxctl --wait to wait for it</source>
        <translation>設定ウィンドウ（KxOption）が開いていて、マウスの設定を管理しています。先にウィンドウを閉じるか、kxctl --wait で閉じるのを待ってください</translation>
    </message>
    <message>
        <source>emulated</source>
        <extracomment>How a mouse is attached, in kxctl list&apos;s column beside &quot;usb&quot;.</extracomment>
        <translation>エミュレート</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  (used by kxctl and the window)</source>
        <extracomment>kxctl list, one line per mouse: its number, how it is attached (&quot;usb&quot; or &quot;emulated&quot;), its USB location, its name, the profile it reports, then its serial number when it has one, and whether kxctl uses it. Keep the columns.</extracomment>
        <translation>%1  %2  %3  %4  アクティブなプロファイル %5  (kxctl とウィンドウで使用中)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5</source>
        <translation>%1  %2  %3  %4  アクティブなプロファイル %5</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6  (used by kxctl and the window)</source>
        <translation>%1  %2  %3  %4  アクティブなプロファイル %5  シリアル %6  (kxctl とウィンドウで使用中)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6</source>
        <translation>%1  %2  %3  %4  アクティブなプロファイル %5  シリアル %6</translation>
    </message>
    <message>
        <source>the mouse has profiles 1 to 5</source>
        <translation>マウスのプロファイルは 1～5 です</translation>
    </message>
    <message>
        <source>the mouse did not answer</source>
        <translation>マウスが応答しませんでした</translation>
    </message>
    <message>
        <source>Active profile: %1</source>
        <translation>アクティブなプロファイル: %1</translation>
    </message>
    <message>
        <source>DPI stages: %1 (stage %2 active)</source>
        <translation>DPI ステージ: %1（ステージ %2 がアクティブ）</translation>
    </message>
    <message>
        <source>Polling rate: %1 Hz</source>
        <translation>ポーリングレート: %1 Hz</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel on</source>
        <translation>ライト: ロゴ オン、ホイール オン</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel off</source>
        <translation>ライト: ロゴ オン、ホイール オフ</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel on</source>
        <translation>ライト: ロゴ オフ、ホイール オン</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel off</source>
        <translation>ライト: ロゴ オフ、ホイール オフ</translation>
    </message>
    <message>
        <source>Lock switch: locked</source>
        <translation>ロックスイッチ: ロック中</translation>
    </message>
    <message>
        <source>Lock switch: unlocked</source>
        <translation>ロックスイッチ: ロック解除</translation>
    </message>
    <message>
        <source>Profile %1 (active)</source>
        <translation>プロファイル %1（アクティブ）</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>profile takes a profile number, 1 to 5</source>
        <translation>profile にはプロファイル番号（1～5）を指定します</translation>
    </message>
    <message>
        <source>dpi takes a stage (1 to 4) and a DPI value</source>
        <translation>dpi にはステージ（1～4）と DPI 値を指定します</translation>
    </message>
    <message>
        <source>the mouse has DPI stages 1 to 4</source>
        <translation>マウスの DPI ステージは 1～4 です</translation>
    </message>
    <message>
        <source>%1 DPI: a stage takes %2 to %3 DPI in steps of %4</source>
        <translation>%1 DPI：ステージには %2～%3 DPI を %4 刻みで指定します</translation>
    </message>
    <message>
        <source>the mouse keeps one set of DPI stages for all its profiles; profile %1 has it too</source>
        <translation>DPI ステージはマウスの全プロファイルで共通です。プロファイル %1 にも適用されます</translation>
    </message>
    <message>
        <source>stage takes a stage number, 1 to 4</source>
        <translation>stage にはステージ番号（1～4）を指定します</translation>
    </message>
    <message>
        <source>rate takes 125, 500 or 1000 (Hz)</source>
        <translation>rate には 125、500、1000（Hz）のいずれかを指定します</translation>
    </message>
    <message>
        <source>the mouse runs at 125, 500 or 1000 Hz; it has no %1 Hz</source>
        <translation>マウスのポーリングレートは 125、500、1000 Hz のいずれかです。%1 Hz はありません</translation>
    </message>
    <message>
        <source>light takes logo or wheel, then on or off</source>
        <translation>light には logo か wheel、続けて on か off を指定します</translation>
    </message>
    <message>
        <source>a button is 1 to 5, or left, right, middle, side1 or side2</source>
        <translation>ボタンは 1～5、または left、right、middle、side1、side2 で指定します</translation>
    </message>
    <message>
        <source>button B takes default, function NAME, macro NAME or launch PATH</source>
        <translation>button B には default、function NAME、macro NAME、launch PATH のいずれかを指定します</translation>
    </message>
    <message>
        <source>a repeat count is 1 to %1</source>
        <translation>繰り返し回数は 1～%1 です</translation>
    </message>
    <message>
        <source>the mouse repeats a macro at most 255 times</source>
        <translation>マウスがマクロを繰り返せるのは最大 255 回です</translation>
    </message>
    <message>
        <source>there is no file %1 and no application of that id is installed</source>
        <translation>ファイル %1 はなく、その ID のアプリケーションもインストールされていません</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>ファイル %1 はありません</translation>
    </message>
    <message>
        <source>the path is %1 bytes long; the mouse&apos;s profile keeps %2 at most: %3</source>
        <translation>パスの長さが %1 バイトあります。マウスのプロファイルに保存できるのは最大 %2 バイトです：%3</translation>
    </message>
    <message>
        <source>profile %1 has no built-in default</source>
        <translation>プロファイル %1 には組み込みのデフォルトがありません</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was written</source>
        <translation>マウスが応答しませんでした。何も書き込まれていません</translation>
    </message>
    <message>
        <source>profile %1 would have no button left doing the left click; give it to another button first</source>
        <translation>プロファイル %1 に左クリックを行うボタンがなくなります。先に別のボタンに左クリックを割り当ててください</translation>
    </message>
    <message>
        <source>Nothing to change: the mouse holds this already.</source>
        <translation>変更はありません：マウスは既にこの設定になっています。</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>変更される内容:</translation>
    </message>
    <message>
        <source>The buttons not written are kept as changes not yet written; the window offers them when it opens.</source>
        <translation>書き込まれなかったボタンは未書き込みの変更として保持され、ウィンドウを開いたときに表示されます。</translation>
    </message>
    <message>
        <source>Give the command again to write the settings.</source>
        <translation>設定を書き込むには、もう一度コマンドを実行してください。</translation>
    </message>
    <message>
        <source>Give the command again to switch the profile.</source>
        <translation>プロファイルを切り替えるには、もう一度コマンドを実行してください。</translation>
    </message>
    <message>
        <source>not everything was written</source>
        <translation>一部が書き込まれませんでした</translation>
    </message>
    <message>
        <source>%1  (%2 steps, %3 on the mouse)</source>
        <translation>%1  (%2 ステップ、マウス上では %3)</translation>
    </message>
    <message>
        <source>The library holds no macros.</source>
        <translation>ライブラリにマクロはありません。</translation>
    </message>
    <message>
        <source>%1: %2 steps, %3 on the mouse (a button holds %4)</source>
        <translation>%1: %2 ステップ、マウス上では %3（1 つのボタンに最大 %4）</translation>
    </message>
    <message>
        <source>  %1  %2, then %3 ms</source>
        <extracomment>kxctl macro show, one line per step: its number, what it does (&quot;press A&quot;), and the delay after it.</extracomment>
        <translation>  %1  %2、その後 %3 ms</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: the file %2</source>
        <extracomment>%1: a macro file; %2: why it cannot be read (&quot;is not a regular file&quot;).</extracomment>
        <translation>%1 を読み込めません：ファイルは%2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it is not a macro</source>
        <translation>%1 を読み込めません：マクロではありません</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a macro is named by its file, in 1 to %2 characters without control characters</source>
        <translation>%1 を読み込めません：マクロ名はファイル名から付けられ、制御文字を含まない 1～%2 文字である必要があります</translation>
    </message>
    <message>
        <source>the library has a macro called %1 already</source>
        <translation>ライブラリには既に %1 という名前のマクロがあります</translation>
    </message>
    <message>
        <source>the library holds %1 macros, the most it keeps</source>
        <translation>ライブラリのマクロは %1 個で、上限に達しています</translation>
    </message>
    <message>
        <source>Would add %1 to the library (%2 steps).</source>
        <translation>%1 がライブラリに追加されます（%2 ステップ）。</translation>
    </message>
    <message>
        <source>the macro library could not be saved in %1</source>
        <translation>マクロライブラリを %1 に保存できませんでした</translation>
    </message>
    <message>
        <source>Added %1 to the library (%2 steps).</source>
        <translation>%1 をライブラリに追加しました（%2 ステップ）。</translation>
    </message>
    <message>
        <source>%1 delays were changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 個の遅延を、ステップが保持できる値（最大 %2 ms、%3 ms 刻み）に変更しました。</translation>
    </message>
    <message>
        <source>the macro could not be saved as %1: %2</source>
        <translation>マクロを %1 として保存できませんでした：%2</translation>
    </message>
    <message>
        <source>Saved %1 as %2.</source>
        <translation>%1 を %2 として保存しました。</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was exported</source>
        <translation>マウスが応答しませんでした。何もエクスポートされていません</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1: a file; %2: why (&quot;is a folder&quot;, or the system&apos;s word).</extracomment>
        <translation>%1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>Exported the set-up (five profiles, 1 macro) to %1.</source>
        <translation>設定（5 つのプロファイル、1 個のマクロ）を %1 にエクスポートしました。</translation>
    </message>
    <message numerus="yes">
        <source>Exported the set-up (five profiles, %n macros) to %1.</source>
        <translation>
            <numerusform>設定（5 つのプロファイル、%n 個のマクロ）を %1 にエクスポートしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>the set-up on standard input %1</source>
        <extracomment>%1: why it cannot be read (&quot;cannot be read (…)&quot;, &quot;is larger than 1 MiB&quot;).</extracomment>
        <translation>標準入力の設定は%1</translation>
    </message>
    <message>
        <source>the set-up is refused: %1</source>
        <translation>設定は受け付けられません：%1</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation>%1 は受け付けられません：%2</translation>
    </message>
    <message>
        <source>waiting for the configuration window to close...</source>
        <translation>設定ウィンドウが閉じるのを待っています…</translation>
    </message>
    <message>
        <source>(kxctl --help tells how to use it)</source>
        <translation>（使い方は kxctl --help で確認できます）</translation>
    </message>
    <message>
        <source>kxctl rule list|add|remove|on|off ...
  The application rules: the profile follows the application in front.
  kxctl help rule add, and so on.
</source>
        <translation>kxctl rule list|add|remove|on|off ...
  アプリケーションルール：プロファイルが前面のアプリケーションに従います。
  kxctl help rule add などを参照してください。
</translation>
    </message>
    <message>
        <source>kxctl [--json] rule list
  The application rules, whether they are on, and whether this desktop tells
  the application in front (asked of the running daemon).
</source>
        <translation>kxctl [--json] rule list
  アプリケーションルール、ルールがオンかどうか、このデスクトップが
  前面のアプリケーションを伝えるかどうか（実行中のバックグラウンドプログラムに問い合わせ）。
</translation>
    </message>
    <message>
        <source>kxctl rule add [--dry-run] APP PROFILE
kxctl rule add [--dry-run] --otherwise PROFILE
  Uses profile PROFILE (1..5) while APP is in front, or while no rule&apos;s application
  is. APP is an installed application&apos;s id (org.gimp.GIMP), its name, or a
  window class.
</source>
        <translation>kxctl rule add [--dry-run] APP PROFILE
kxctl rule add [--dry-run] --otherwise PROFILE
  APP が前面にある間、またはどのルールのアプリケーションも前面にない間、
  プロファイル PROFILE（1..5）を使います。APP はインストール済みアプリケーションの
  ID（org.gimp.GIMP）、その名前、またはウィンドウクラスです。
</translation>
    </message>
    <message>
        <source>kxctl rule remove [--dry-run] APP
kxctl rule remove [--dry-run] --otherwise
  Removes APP&apos;s rule, or the rule for every other application (the profile
  then stays as it is).
</source>
        <translation>kxctl rule remove [--dry-run] APP
kxctl rule remove [--dry-run] --otherwise
  APP のルール、またはその他すべてのアプリケーションのルールを削除します
  （その場合プロファイルはそのままです）。
</translation>
    </message>
    <message>
        <source>kxctl rule on|off [--dry-run]
  Switches all the application rules on or off.
</source>
        <translation>kxctl rule on|off [--dry-run]
  すべてのアプリケーションルールをオンまたはオフにします。
</translation>
    </message>
    <message>
        <source>Usage: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
The Kestrix mouse from a terminal: the same profiles, buttons, macros and settings
as the configuration window, written through the same paced operations and read back.

Commands:
  list                           the attached mice
  show [--profile N | --all]     settings and buttons as the mouse holds them
  profile N                      make profile N (1..5) the active one
  dpi [--profile N] STAGE VALUE  set the DPI of stage 1..4 (100..3500, steps of 100)
  stage N                        make DPI stage N (1..4) the active one
  rate 125|500|1000              set the polling rate in Hz
  light logo|wheel on|off        switch a light
  button [--profile N] B ACTION  set what button B (1..5, left, right, middle, side1,
                                 side2) does; ACTION is one of
      default                    the profile&apos;s built-in function for it
      function NAME              a function of the catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 a macro of the library, run once (default), N times,
                                 while held, or until pressed again
      launch PATH|APP-ID         an application: a file, or an installed
                                 application&apos;s id (org.example.App.desktop)
  macro list                     the macro library
  macro show NAME                a macro&apos;s steps
  macro import FILE.mac          add a macro file to the library, named by the file
  macro export NAME FILE.mac     save a macro as a file
  export FILE                    the whole set-up as a file (- for standard output)
  import FILE [--profiles 1,3] [--dry-run]
                                 write a set-up file into the mouse (- for standard
                                 input); --dry-run prints what would change
  rule list                      the application rules (no mouse needed)
  rule add APP PROFILE           use PROFILE (1..5) while APP is in front
  rule add --otherwise PROFILE   use PROFILE while no rule&apos;s application is
  rule remove APP | --otherwise  remove a rule
  rule on|off                    switch all the application rules

Options:
  --json       output as JSON (see the kxctl(1) manual)
  --wait       wait for the configuration window to close instead of refusing
  --dry-run    with a command that writes: print what would change, write nothing
  --device M   the mouse to use when more than one is attached: its number, location
               or serial number, as kxctl list shows them
  --verbose    the programs&apos; log lines on standard error
  --help, -h   this help; after a command, that command&apos;s (also: kxctl help COMMAND)
  --version, -V

Names are matched whole and regardless of case. Exit status: 0 done, 1 refused or
failed (with a message), 2 bad usage, 3 no mouse.
</source>
        <extracomment>kxctl&apos;s help. Commands, options and the words in capitals (N, NAME, FILE) are typed as they are; keep them, and keep the columns lined up.</extracomment>
        <translation>使い方: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
端末から Kestrix マウスを操作します。設定ウィンドウと同じプロファイル、ボタン、
マクロ、設定を、同じ間隔を置いた操作で書き込み、読み戻して確認します。

コマンド:
  list                           接続されているマウス
  show [--profile N | --all]     マウスが保持している設定とボタン
  profile N                      プロファイル N (1..5) をアクティブにする
  dpi [--profile N] STAGE VALUE  ステージ 1..4 の DPI を設定 (100..3500、100 刻み)
  stage N                        DPI ステージ N (1..4) をアクティブにする
  rate 125|500|1000              ポーリングレートを Hz 単位で設定
  light logo|wheel on|off        ライトをオン/オフ
  button [--profile N] B ACTION  ボタン B (1..5、left、right、middle、side1、
                                 side2) の動作を設定。ACTION は次のいずれか
      default                    そのボタンに対するプロファイル組み込みの機能
      function NAME              カタログの機能 (&quot;Left Click&quot;、&quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 ライブラリのマクロ。1 回 (デフォルト)、N 回、
                                 押している間、または再度押すまで実行
      launch PATH|APP-ID         アプリケーション: ファイル、またはインストール
                                 済みアプリケーションの ID
                                 (org.example.App.desktop)
  macro list                     マクロライブラリ
  macro show NAME                マクロのステップ
  macro import FILE.mac          マクロファイルをライブラリに追加 (名前は
                                 ファイル名)
  macro export NAME FILE.mac     マクロをファイルに保存
  export FILE                    設定全体をファイルに書き出す (- で標準出力)
  import FILE [--profiles 1,3] [--dry-run]
                                 設定ファイルをマウスに書き込む (- で標準
                                 入力)。--dry-run では変更内容を表示
  rule list                      アプリケーションルール（マウス不要）
  rule add APP PROFILE           APP が前面にある間 PROFILE（1..5）を使う
  rule add --otherwise PROFILE   どのルールのアプリケーションも前面にない間 PROFILE を使う
  rule remove APP | --otherwise  ルールを削除する
  rule on|off                    すべてのアプリケーションルールをオン／オフにする

オプション:
  --json       JSON で出力 (kxctl(1) のマニュアルを参照)
  --wait       拒否せずに、設定ウィンドウが閉じるのを待つ
  --dry-run    書き込むコマンドで使用: 変更内容を表示し、何も書き込まない
  --device M   複数のマウスが接続されているときに使うマウス: kxctl list が
               表示する番号、位置、またはシリアル番号
  --verbose    プログラムのログを標準エラー出力に表示
  --help, -h   このヘルプ。コマンドの後ではそのコマンドのヘルプ (kxctl help
               COMMAND でも表示可能)
  --version, -V

名前は完全一致で、大文字と小文字を区別せずに照合します。終了ステータス:
0 完了、1 拒否または失敗 (メッセージあり)、2 使い方の誤り、3 マウスなし。
</translation>
    </message>
    <message>
        <source>rule takes list, add, remove, on or off</source>
        <translation>rule には list、add、remove、on、off のいずれかを指定します</translation>
    </message>
    <message>
        <source>rule add takes APP PROFILE, or --otherwise PROFILE</source>
        <translation>rule add には APP PROFILE または --otherwise PROFILE を指定します</translation>
    </message>
    <message>
        <source>rule remove takes APP, or --otherwise</source>
        <translation>rule remove には APP または --otherwise を指定します</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1。何も書き込まれていません</translation>
    </message>
    <message>
        <source>%1; nothing was exported</source>
        <translation>%1。何もエクスポートされていません</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An application of a rule: its name (%1) and its id (%2).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>An application of a rule that no installed application is (%1: its id or window class).</extracomment>
        <translation>%1（未インストール）</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>the profile stays as it is</source>
        <translation>プロファイルはそのまま</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>アプリケーションルール</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>rule for %1</source>
        <translation>%1 のルール</translation>
    </message>
    <message>
        <source>no rule</source>
        <translation>ルールなし</translation>
    </message>
    <message>
        <source>every other application</source>
        <translation>その他のすべてのアプリケーション</translation>
    </message>
    <message>
        <source>Application rules: on</source>
        <translation>アプリケーションルール：オン</translation>
    </message>
    <message>
        <source>Application rules: off (the profile follows no application)</source>
        <translation>アプリケーションルール：オフ（プロファイルはどのアプリケーションにも従いません）</translation>
    </message>
    <message>
        <source>  no rules (kxctl rule add APP PROFILE makes one)</source>
        <translation>  ルールはありません（kxctl rule add APP PROFILE で作成します）</translation>
    </message>
    <message>
        <source>The daemon is not running: the rules apply once it runs.</source>
        <translation>バックグラウンドプログラムは実行されていません。実行されるとルールが適用されます。</translation>
    </message>
    <message>
        <source>The daemon did not answer whether this desktop tells which application is in front.</source>
        <translation>バックグラウンドプログラムは、このデスクトップが前面のアプリケーションを伝えるかどうかに応答しませんでした。</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front (%1).</source>
        <translation>このデスクトップは前面のアプリケーションを伝えます（%1）。</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front (%1): the rules do nothing here.</source>
        <translation>このデスクトップは前面のアプリケーションを伝えません（%1）。ここではルールは機能しません。</translation>
    </message>
    <message>
        <source>%1 is not a profile of the mouse: it has profiles 1 to 5</source>
        <translation>%1 はマウスのプロファイルではありません。プロファイルは 1 から 5 です</translation>
    </message>
    <message>
        <source>the application &quot;%1&quot; %2</source>
        <extracomment>%1: the application as typed; %2: why it cannot be (&quot;holds control characters&quot;).</extracomment>
        <translation>アプリケーション「%1」は%2</translation>
    </message>
    <message>
        <source>there are %1 rules, the most kept: remove one first</source>
        <translation>ルールは %1 件あり、保持できる上限です。先に 1 件削除してください</translation>
    </message>
    <message>
        <source>%1 has no rule (kxctl rule list shows them)</source>
        <translation>%1 にはルールがありません（kxctl rule list で表示されます）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the installed application %2: the rule names it by that id</source>
        <extracomment>%1: the application&apos;s name as typed; %2: its id.</extracomment>
        <translation>「%1」はインストール済みのアプリケーション %2 です。ルールはその ID で指定します</translation>
    </message>
    <message>
        <source>no installed application has the id %1: the rule is kept for when one has, and applies meanwhile to windows of that class</source>
        <translation>ID が %1 のインストール済みアプリケーションはありません。ルールはその ID のアプリケーションが現れるときのために保持され、それまではそのクラスのウィンドウに適用されます</translation>
    </message>
    <message>
        <source>no installed application has the id %1, and several are called so (%2): name one by its id; the rule is kept as typed</source>
        <translation>ID が %1 のインストール済みアプリケーションはなく、その名前のものが複数あります（%2）。ID で指定してください。ルールは入力どおりに保持されます</translation>
    </message>
    <message>
        <source>Nothing to change: the rules say this already.</source>
        <translation>変更はありません。ルールはすでにそうなっています。</translation>
    </message>
    <message>
        <source>There is no session bus: whether the daemon runs cannot be seen.</source>
        <translation>セッションバスがありません。バックグラウンドプログラムが実行中かどうかを確認できません。</translation>
    </message>
</context>
<context>
    <name>KxMouseLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません：%2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 をロックできません：%2</translation>
    </message>
</context>
<context>
    <name>KxNames</name>
    <message>
        <source>left button</source>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>wheel button</source>
        <translation>ホイールボタン</translation>
    </message>
    <message>
        <source>front side button</source>
        <translation>前方サイドボタン</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>後方サイドボタン</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Names listed: the ones before (%1) and the next one (%2), not the last.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Names listed: the ones before (%1) and the last one (%2).</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;</source>
        <translation>「%1」という機能はありません</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;; close: %2</source>
        <translation>「%1」という機能はありません。近い候補：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function</source>
        <translation>「%1」は複数の機能に該当します</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function: %2</source>
        <translation>「%1」は複数の機能に該当します：%2</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;</source>
        <translation>「%1」というマクロはありません</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;; close: %2</source>
        <translation>「%1」というマクロはありません。近い候補：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro</source>
        <translation>「%1」は複数のマクロに該当します</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro: %2</source>
        <translation>「%1」は複数のマクロに該当します：%2</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>「%1」というコマンドはありません</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;; close: %2</source>
        <translation>「%1」というコマンドはありません。近い候補：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command</source>
        <translation>「%1」は複数のコマンドに該当します</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command: %2</source>
        <translation>「%1」は複数のコマンドに該当します：%2</translation>
    </message>
    <message>
        <source>repeat once</source>
        <translation>1 回繰り返し</translation>
    </message>
    <message numerus="yes">
        <source>repeat %n times</source>
        <translation>
            <numerusform>%n 回繰り返し</numerusform>
        </translation>
    </message>
    <message>
        <source>while held</source>
        <translation>押している間</translation>
    </message>
    <message>
        <source>until pressed again</source>
        <translation>再度押すまで</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How a macro runs: one time for each press.</extracomment>
        <translation>1 回のみ</translation>
    </message>
    <message>
        <source>deleted macro (the mouse keeps running what it holds)</source>
        <translation>削除されたマクロ（マウスは保持している内容を実行し続けます）</translation>
    </message>
    <message>
        <source>macro %1 (not in the library), %2</source>
        <extracomment>A button&apos;s macro: its name (%1) and how it runs (%2, as &quot;repeat 3 times&quot;).</extracomment>
        <translation>マクロ %1（ライブラリにありません）、%2</translation>
    </message>
    <message>
        <source>macro %1, %2</source>
        <translation>マクロ %1、%2</translation>
    </message>
    <message>
        <source>launch (no application set)</source>
        <translation>起動（アプリケーション未設定）</translation>
    </message>
    <message>
        <source>launch %1 (%2)</source>
        <extracomment>A button that starts an application: its name (%1) and file (%2).</extracomment>
        <translation>%1 を起動（%2）</translation>
    </message>
    <message>
        <source>launch %1</source>
        <translation>%1 を起動</translation>
    </message>
    <message>
        <source>keys %1</source>
        <extracomment>A button that sends key codes (%1: the codes, as &quot;4 22&quot;).</extracomment>
        <translation>キーコード %1</translation>
    </message>
    <message>
        <source>unknown function (table %1)</source>
        <translation>不明な機能（テーブル %1）</translation>
    </message>
</context>
<context>
    <name>KxOption</name>
    <message>
        <source>There is no session bus: the on-screen display cannot be switched, and the window cannot follow the mouse&apos;s own buttons or be started again after an unplug.</source>
        <translation>セッションバスがありません。オンスクリーン表示を切り替えられず、ウィンドウはマウス本体のボタンによる変更に追従できません。また、マウスを取り外した後にウィンドウを再び起動することもできません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: changes to profiles and macros are not kept.</source>
        <translation>フォルダー %1 に書き込めません。プロファイルとマクロの変更は保存されません。</translation>
    </message>
    <message>
        <source>The background program could not be started: %1</source>
        <translation>バックグラウンドプログラムを起動できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>KxSetupFile</name>
    <message>
        <source>true or false</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;; true and false are JSON&apos;s words.</extracomment>
        <translation>true または false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;.</extracomment>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>null 値</translation>
    </message>
    <message>
        <source>is missing</source>
        <extracomment>Said of a field of a set-up file, after its name (&quot;settings.lights: is missing&quot;); so are the other texts that start with a verb.</extracomment>
        <translation>指定されていません</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>整数である必要があります</translation>
    </message>
    <message>
        <source>must be a number, not %1</source>
        <translation>%1 ではなく数値である必要があります</translation>
    </message>
    <message>
        <source>%1 is not within %2..%3</source>
        <translation>%1 は %2..%3 の範囲外です</translation>
    </message>
    <message>
        <source>must be text, not %1</source>
        <translation>%1 ではなくテキストである必要があります</translation>
    </message>
    <message>
        <source>is %1 characters long, at most %2</source>
        <translation>%1 文字あります（最大 %2 文字）</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>制御文字が含まれています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>「%1」は %2 のいずれでもありません</translation>
    </message>
    <message>
        <source>must be true or false, not %1</source>
        <translation>%1 ではなく true または false である必要があります</translation>
    </message>
    <message>
        <source>must be a list, not %1</source>
        <translation>%1 ではなくリストである必要があります</translation>
    </message>
    <message>
        <source>holds %1 entries, not %2</source>
        <translation>項目が %1 個あります（%2 個である必要があります）</translation>
    </message>
    <message>
        <source>holds %1 entries, %2..%3 allowed</source>
        <translation>項目が %1 個あります（%2～%3 個である必要があります）</translation>
    </message>
    <message>
        <source>must be an object, not %1</source>
        <translation>%1 ではなくオブジェクトである必要があります</translation>
    </message>
    <message>
        <source>is not a field of a set-up file</source>
        <translation>設定ファイルの項目ではありません</translation>
    </message>
    <message>
        <source>must be a whole number of DPI</source>
        <translation>DPI は整数である必要があります</translation>
    </message>
    <message>
        <source>%1 DPI: the mouse takes %2..%3 in steps of %4</source>
        <translation>%1 DPI：マウスが受け付けるのは %2..%3 の範囲で %4 刻みです</translation>
    </message>
    <message>
        <source>%1 Hz: the mouse runs at 125, 500 or 1000 Hz</source>
        <translation>%1 Hz：マウスのポーリングレートは 125、500、1000 Hz のいずれかです</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>must be a code of 1..255</source>
        <translation>1..255 のコードである必要があります</translation>
    </message>
    <message>
        <source>a macro that repeats needs a count of 1..%1</source>
        <translation>繰り返すマクロには 1..%1 の回数が必要です</translation>
    </message>
    <message>
        <source>a launcher has a path or a desktopEntry, not both</source>
        <translation>起動設定には path と desktopEntry のどちらか一方だけを指定します</translation>
    </message>
    <message>
        <source>must be an absolute path</source>
        <translation>絶対パスである必要があります</translation>
    </message>
    <message>
        <source>is %1 bytes long; the mouse&apos;s profile keeps %2 at most</source>
        <translation>%1 バイトあります。マウスのプロファイルに保存できるのは最大 %2 バイトです</translation>
    </message>
    <message>
        <source>must be an application&apos;s id, such as &quot;org.example.App.desktop&quot;</source>
        <translation>「org.example.App.desktop」のようなアプリケーション ID である必要があります</translation>
    </message>
    <message>
        <source>profile %1 appears twice</source>
        <translation>プロファイル %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>the %1 button appears twice</source>
        <extracomment>%1: the button as the file names it (left, right, middle, side1, side2).</extracomment>
        <translation>ボタン %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>another macro of this file is called &quot;%1&quot;</source>
        <translation>このファイルには「%1」という名前のマクロが他にもあります</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>ファイルに「%1」というマクロはありません</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; a set-up is at most %2</source>
        <translation>ファイルの大きさが %1 バイトあります。設定ファイルは最大 %2 バイトです</translation>
    </message>
    <message>
        <source>the file ends early (at byte %1): it is cut short or is not a set-up</source>
        <translation>ファイルが途中で終わっています（%1 バイト目）。途中で切れているか、設定ファイルではありません</translation>
    </message>
    <message>
        <source>the file is not a set-up: at byte %1, %2</source>
        <translation>ファイルは設定ファイルではありません：%1 バイト目、%2</translation>
    </message>
    <message>
        <source>the file is not a set-up: it holds no object</source>
        <translation>ファイルは設定ファイルではありません：オブジェクトが含まれていません</translation>
    </message>
    <message>
        <source>is given twice; a field is given once</source>
        <translation>2 回指定されています。各項目は 1 回だけ指定します</translation>
    </message>
    <message>
        <source>is missing: the file is not a set-up</source>
        <translation>指定されていません：ファイルは設定ファイルではありません</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;: the file is not a set-up</source>
        <translation>「%1」ではありません：ファイルは設定ファイルではありません</translation>
    </message>
    <message>
        <source>must be a whole number from 1</source>
        <translation>1 以上の整数である必要があります</translation>
    </message>
    <message>
        <source>version %1 was written by a newer program; this one reads versions up to %2</source>
        <translation>バージョン %1 は新しいプログラムで書き出されました。このプログラムが読み込めるのはバージョン %2 までです</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A file (%1) and why it cannot be read (%2: &quot;is not a regular file&quot;, &quot;cannot be opened (…)&quot;).</extracomment>
        <translation>%1 は%2</translation>
    </message>
</context>
<context>
    <name>KxSetupMouse</name>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A light&apos;s state.</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>DPI ステージ %1</translation>
    </message>
    <message>
        <source>active DPI stage</source>
        <translation>アクティブな DPI ステージ</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>logo light</source>
        <translation>ロゴライト</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>ホイールライト</translation>
    </message>
    <message>
        <source>the macro takes %1 steps on the mouse; a button holds %2</source>
        <translation>このマクロはマウス上で %1 ステップになりますが、1 つのボタンに保持できるのは %2 ステップです</translation>
    </message>
    <message>
        <source>macro %1: 1 delay was changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>マクロ %1：1 個の遅延を、ステップが保持できる値（最大 %2 ms、%3 ms 刻み）に変更しました</translation>
    </message>
    <message numerus="yes">
        <source>macro %1: %n delays were changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>
            <numerusform>マクロ %1：%n 個の遅延を、ステップが保持できる値（最大 %2 ms、%3 ms 刻み）に変更しました</numerusform>
        </translation>
    </message>
    <message>
        <source>macro %1: the library&apos;s, used as it is</source>
        <translation>マクロ %1：ライブラリのものをそのまま使用</translation>
    </message>
    <message>
        <source>macro %1: the same as the library&apos;s %2, which is used</source>
        <translation>マクロ %1：ライブラリの %2 と同じため、そちらを使用</translation>
    </message>
    <message>
        <source>macro %1: added to the library</source>
        <translation>マクロ %1：ライブラリに追加</translation>
    </message>
    <message>
        <source>macro %1: added to the library as %2 (the library&apos;s %1 has other steps)</source>
        <translation>マクロ %1：%2 としてライブラリに追加（ライブラリの %1 とはステップが異なるため）</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>ファイルに「%1」というマクロはありません</translation>
    </message>
    <message>
        <source>%1 is the launch code of profile %2&apos;s %3; a launcher with a path of its own launches with code %4</source>
        <translation>%1 はプロファイル %2 の%3の起動コードです。独自のパスを持つ起動設定はコード %4 で起動します</translation>
    </message>
    <message>
        <source>the application %1 is not installed here</source>
        <translation>アプリケーション %1 はこのコンピューターにインストールされていません</translation>
    </message>
    <message>
        <source>the application&apos;s path is longer than %1 bytes</source>
        <translation>アプリケーションのパスが %1 バイトを超えています</translation>
    </message>
    <message>
        <source>the library would hold %1 macros, more than the %2 it keeps</source>
        <translation>ライブラリのマクロが %1 個になり、上限の %2 個を超えます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A change: what changes (%1) and what it becomes (%2).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <extracomment>A change: what changes (%1), what it was (%2) and what it becomes (%3).</extracomment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>%1 (the mouse keeps what it holds for this button)</source>
        <extracomment>What a button is given (%1: a function the mouse keeps by itself).</extracomment>
        <translation>%1（このボタンはマウスが保持している内容のまま）</translation>
    </message>
    <message>
        <source>profile %1 %2</source>
        <extracomment>A button of a profile: the profile&apos;s number (%1) and the button (&quot;wheel button&quot;).</extracomment>
        <translation>プロファイル %1 の%2</translation>
    </message>
    <message>
        <source>active profile</source>
        <translation>アクティブなプロファイル</translation>
    </message>
    <message>
        <source>desktop pointer speed</source>
        <translation>デスクトップのポインター速度</translation>
    </message>
    <message>
        <source>desktop scroll speed</source>
        <translation>デスクトップのスクロール速度</translation>
    </message>
    <message>
        <source>desktop double-click speed</source>
        <translation>デスクトップのダブルクリック速度</translation>
    </message>
    <message>
        <source>The %1 of profile %2 did not reach the mouse.</source>
        <translation>プロファイル %2 の%1の設定がマウスに届きませんでした。</translation>
    </message>
    <message>
        <source>The %1 of profile %2 may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>プロファイル %2 の%1の設定がマウスに届いていない可能性があります。読み戻す前にマウスが応答しなくなりました。</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>設定（DPI ステージ、ポーリングレート、ライト）がマウスに届いていない可能性があります。読み戻す前にマウスが応答しなくなりました。</translation>
    </message>
    <message>
        <source>The mouse took only part of the settings (DPI stages, polling rate, lights): they are shown as it holds them.</source>
        <translation>マウスは設定（DPI ステージ、ポーリングレート、ライト）の一部しか受け付けませんでした。マウスが保持している値を表示しています。</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) did not reach the mouse.</source>
        <translation>設定（DPI ステージ、ポーリングレート、ライト）がマウスに届きませんでした。</translation>
    </message>
    <message>
        <source>The mouse may not have switched to profile %1: it stopped answering before it could say.</source>
        <translation>マウスがプロファイル %1 に切り替わっていない可能性があります。確認する前にマウスが応答しなくなりました。</translation>
    </message>
    <message>
        <source>The mouse did not switch to profile %1.</source>
        <translation>マウスがプロファイル %1 に切り替わりませんでした。</translation>
    </message>
    <message>
        <source>1 rule</source>
        <translation>1 件のルール</translation>
    </message>
    <message numerus="yes">
        <source>%n rules</source>
        <translation>
            <numerusform>%n 件のルール</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, otherwise profile %2</source>
        <translation>%1、それ以外はプロファイル %2</translation>
    </message>
    <message>
        <source>%1, switched off</source>
        <translation>%1、オフ</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>アプリケーションルール</translation>
    </message>
    <message>
        <source>%1, replacing yours (%2)</source>
        <extracomment>The application rules a set-up brings (%1: &quot;3 rules, otherwise profile 2&quot;), and the user&apos;s that they replace (%2).</extracomment>
        <translation>%1、あなたのルール（%2）を置き換えます</translation>
    </message>
</context>
<context>
    <name>KxWriteSession</name>
    <message>
        <source>The macro library could not be saved in %1; nothing was written.</source>
        <translation>マクロライブラリを %1 に保存できませんでした。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The changes could not be kept in %1 before writing; nothing was written.</source>
        <translation>書き込み前に変更を %1 に保存できませんでした。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The desktop did not take the pointer, scroll and double-click speeds.</source>
        <translation>ポインター速度、スクロール速度、ダブルクリック速度がデスクトップに反映されませんでした。</translation>
    </message>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>プロファイルを %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>The application rules were not taken, as the mouse did not take the whole set-up.</source>
        <translation>マウスが設定全体を受け取らなかったため、アプリケーションルールは取り込まれませんでした。</translation>
    </message>
    <message>
        <source>The application rules were not taken: %1.</source>
        <extracomment>%1: why (&quot;the rules could not be written to …&quot;).</extracomment>
        <translation>アプリケーションルールは取り込まれませんでした：%1。</translation>
    </message>
</context>
<context>
    <name>LaunchChooserView</name>
    <message>
        <source> (a link to %1)</source>
        <translation>（%1 へのリンク）</translation>
    </message>
    <message>
        <source>This desktop entry is outside the applications folders and names no application this desktop can start:
%1
Take it for this button anyway?</source>
        <translation>このデスクトップエントリーはアプリケーションフォルダーの外にあり、このデスクトップで起動できるアプリケーションを指していません：
%1
それでもこのボタンに割り当てますか？</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>入力して絞り込み</translation>
    </message>
    <message>
        <source>No installed applications were found: “Other file…” takes any program.</source>
        <translation>インストールされているアプリケーションが見つかりませんでした。「その他のファイル…」で任意のプログラムを選べます。</translation>
    </message>
    <message>
        <source>No application matches “%1”.</source>
        <translation>「%1」に一致するアプリケーションはありません。</translation>
    </message>
    <message>
        <source>Choose the program or file to start</source>
        <translation>起動するプログラムまたはファイルを選択</translation>
    </message>
    <message>
        <source>Application launcher</source>
        <translation>アプリケーションの起動</translation>
    </message>
    <message>
        <source>Chooses the application or program the selected mouse button starts.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>選択したマウスボタンで起動するアプリケーションまたはプログラムを選びます。</translation>
    </message>
    <message>
        <source>APPLICATION LAUNCHER</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>アプリケーションの起動</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>インストール済みアプリケーション</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>アプリケーションを絞り込み</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>OTHER FILE…</source>
        <extracomment>the label of the control otherBtn, 124 points wide (English uses 89)</extracomment>
        <translation>その他のファイル…</translation>
    </message>
    <message>
        <source>Other file</source>
        <extracomment>the name a screen reader says for otherBtn</extracomment>
        <translation>その他のファイル</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Application for a rule</source>
        <translation>ルールのアプリケーション</translation>
    </message>
</context>
<context>
    <name>LightOptionView</name>
    <message>
        <source>Switches the mouse&apos;s logo and wheel lights on or off.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>マウスのロゴライトとホイールライトをオン/オフします。</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>LIGHTS</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>ライト</translation>
    </message>
    <message>
        <source>PICKED LIGHT</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>選択したライト</translation>
    </message>
    <message>
        <source>Wheel light</source>
        <extracomment>the name a screen reader says for midLightTagBtn</extracomment>
        <translation>ホイールライト</translation>
    </message>
    <message>
        <source>Light to switch</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>切り替えるライト</translation>
    </message>
    <message>
        <source>Logo light</source>
        <extracomment>the name a screen reader says for logoLightTagBtn</extracomment>
        <translation>ロゴライト</translation>
    </message>
    <message>
        <source>BOTH LIGHTS</source>
        <extracomment>the label of the control bothLightTagBtn, 190 points wide (English uses 90)</extracomment>
        <translation>両方のライト</translation>
    </message>
    <message>
        <source>Both lights</source>
        <extracomment>the name a screen reader says for bothLightTagBtn</extracomment>
        <translation>両方のライト</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>the label of the control lightOnBtn, 90 points wide (English uses 20)</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>the name a screen reader says for lightOnBtn</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>Picked light</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>選択したライト</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>the label of the control lightOffBtn, 90 points wide (English uses 26)</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>the name a screen reader says for lightOffBtn</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MacroCapacityMeter</name>
    <message>
        <source>No macro chosen</source>
        <translation>マクロが選択されていません</translation>
    </message>
    <message>
        <source>%1 steps: the mouse plays the first %2</source>
        <translation>%1 ステップ：マウスは最初の %2 ステップを再生します</translation>
    </message>
    <message>
        <source>%1 of %2 steps on the mouse</source>
        <translation>マウス上で %1 / %2 ステップ</translation>
    </message>
    <message>
        <source>Recording · %1</source>
        <translation>記録中 · %1</translation>
    </message>
</context>
<context>
    <name>MacroInfo</name>
    <message>
        <source>it takes %1 steps on the mouse, more than the %2 a button holds</source>
        <extracomment>Why a macro cannot be loaded, after &quot;Fire.mac cannot be loaded: &quot;.</extracomment>
        <translation>マウス上で %1 ステップになり、1 つのボタンに保持できる %2 ステップを超えます</translation>
    </message>
    <message>
        <source>it holds a step this program does not know</source>
        <translation>このプログラムが認識できないステップが含まれています</translation>
    </message>
</context>
<context>
    <name>MacroStepModel</name>
    <message>
        <source>L Button</source>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>中ボタン</translation>
    </message>
    <message>
        <source>Press %1</source>
        <translation>%1 を押す</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>%1 を離す</translation>
    </message>
    <message>
        <source>Command %1</source>
        <translation>コマンド %1</translation>
    </message>
    <message>
        <source>%1 Down</source>
        <translation>%1 を押す</translation>
    </message>
    <message>
        <source>%1 Up</source>
        <translation>%1 を離す</translation>
    </message>
    <message>
        <source>Step of kind %1</source>
        <translation>種類 %1 のステップ</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Double-click to change the delay</source>
        <translation>ダブルクリックで遅延を変更</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>キー押下</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>キー解放</translation>
    </message>
    <message>
        <source>Button down</source>
        <translation>ボタン押下</translation>
    </message>
    <message>
        <source>Button up</source>
        <translation>ボタン解放</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Delay in milliseconds</source>
        <translation>遅延（ミリ秒）</translation>
    </message>
</context>
<context>
    <name>MacroView</name>
    <message>
        <source>Macro editor</source>
        <translation>マクロエディター</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Maximum number of macros reached</source>
        <translation>マクロの上限に達しました。</translation>
    </message>
    <message>
        <source>Are you sure you want to Clear Commands?</source>
        <translation>すべてのステップを消去しますか？</translation>
    </message>
    <message>
        <source>No macros yet</source>
        <translation>マクロはまだありません</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>マクロを選択</translation>
    </message>
    <message>
        <source>New macro</source>
        <extracomment>the name a screen reader says for newMacroBtn</extracomment>
        <translation>新規マクロ</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>このマクロを削除しますか？</translation>
    </message>
    <message>
        <source>Save the macro to a file</source>
        <translation>マクロをファイルに保存</translation>
    </message>
    <message>
        <source>Macro files (*.mac)</source>
        <translation>マクロファイル (*.mac)</translation>
    </message>
    <message>
        <source>The macro could not be saved as %1.</source>
        <translation>マクロを %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>Load a macro from a file</source>
        <translation>ファイルからマクロを読み込み</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>%1 を読み込めません：%2。</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>ファイルは%1</translation>
    </message>
    <message>
        <source>it is not a macro</source>
        <translation>マクロではありません</translation>
    </message>
    <message>
        <source>a macro is named by its file, and this file has no name</source>
        <translation>マクロ名はファイル名から付けられますが、このファイルには名前がありません</translation>
    </message>
    <message>
        <source>A macro of this name already exists.</source>
        <translation>この名前のマクロは既に存在します。</translation>
    </message>
    <message>
        <source>The macros could not be saved.</source>
        <translation>マクロを保存できませんでした。</translation>
    </message>
    <message>
        <source>Records, edits, imports and exports the macros the mouse buttons can run.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>マウスボタンで実行するマクロの記録、編集、インポート、エクスポートを行います。</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>マクロエディター</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>記録</translation>
    </message>
    <message>
        <source>DELAYS WHILE RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>記録時の遅延</translation>
    </message>
    <message>
        <source>Default (ms)</source>
        <extracomment>a line of text, 90 points wide</extracomment>
        <translation>デフォルト (ms)</translation>
    </message>
    <message>
        <source>STEPS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>STEP</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>DELAY (MS)</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>遅延 (ms)</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for macroNameBtn</extracomment>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>the label of the control newMacroBtn, 96 points wide (English uses 31)</extracomment>
        <translation>新規</translation>
    </message>
    <message>
        <source>DELETE</source>
        <extracomment>the label of the control delMacroBtn, 96 points wide (English uses 50)</extracomment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <extracomment>the name a screen reader says for delMacroBtn</extracomment>
        <translation>マクロを削除</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>the label of the control loadMacroBtn, 96 points wide (English uses 51)</extracomment>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>the name a screen reader says for loadMacroBtn</extracomment>
        <translation>インポート</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <extracomment>the label of the control saveMacroBtn, 96 points wide (English uses 52)</extracomment>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>the name a screen reader says for saveMacroBtn</extracomment>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>RECORD</source>
        <extracomment>the label of the control recordBtn, 96 points wide (English uses 55)</extracomment>
        <translation>記録</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>the name a screen reader says for recordBtn</extracomment>
        <translation>記録</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>the label of the control stopBtn, 96 points wide (English uses 35)</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <extracomment>the name a screen reader says for stopBtn</extracomment>
        <translation>記録を停止</translation>
    </message>
    <message>
        <source>Stop recording (Pause)</source>
        <extracomment>what a screen reader says stopBtn does</extracomment>
        <translation>記録を停止（Pause）</translation>
    </message>
    <message>
        <source>Without delays</source>
        <extracomment>the label of the control lgnoreDelayChk, 200 points wide (English uses 90)</extracomment>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <extracomment>the label of the control insertDefLayChk, 200 points wide (English uses 80)</extracomment>
        <translation>デフォルトの遅延</translation>
    </message>
    <message>
        <source>Default delay, ms</source>
        <extracomment>the name a screen reader says for defDelayTxt</extracomment>
        <translation>デフォルトの遅延（ms）</translation>
    </message>
    <message>
        <source>USE FOR RECORDING</source>
        <extracomment>the label of the control insertDefDelayBtn, 200 points wide (English uses 141)</extracomment>
        <translation>記録に使用</translation>
    </message>
    <message>
        <source>Use for recording</source>
        <extracomment>the name a screen reader says for insertDefDelayBtn</extracomment>
        <translation>記録に使用</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>the name a screen reader says for keytbView</extracomment>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <extracomment>the label of the control keyUpBtn, 130 points wide (English uses 61)</extracomment>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move up</source>
        <extracomment>the name a screen reader says for keyUpBtn</extracomment>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <extracomment>the label of the control keyDownBtn, 130 points wide (English uses 85)</extracomment>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <extracomment>the name a screen reader says for keyDownBtn</extracomment>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>DELETE STEP</source>
        <extracomment>the label of the control delKeyBtn, 130 points wide (English uses 87)</extracomment>
        <translation>ステップを削除</translation>
    </message>
    <message>
        <source>Delete step</source>
        <extracomment>the name a screen reader says for delKeyBtn</extracomment>
        <translation>ステップを削除</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <extracomment>the name a screen reader says for adjustDelayDownBtn</extracomment>
        <translation>遅延を短く</translation>
    </message>
    <message>
        <source>Delay to set, ms</source>
        <extracomment>the name a screen reader says for adjustDelayTxt</extracomment>
        <translation>設定する遅延（ms）</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <extracomment>the name a screen reader says for adjustDelayUpBtn</extracomment>
        <translation>遅延を長く</translation>
    </message>
    <message>
        <source>SET DELAY</source>
        <extracomment>the label of the control insertDelayBtn, 130 points wide (English uses 71)</extracomment>
        <translation>遅延を設定</translation>
    </message>
    <message>
        <source>Set delay</source>
        <extracomment>the name a screen reader says for insertDelayBtn</extracomment>
        <translation>遅延を設定</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>the name a screen reader says for comSelBtn</extracomment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>the label of the control insertComBtn, 130 points wide (English uses 48)</extracomment>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Insert command</source>
        <extracomment>the name a screen reader says for insertComBtn</extracomment>
        <translation>コマンドを挿入</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 was loaded with 1 delay changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 を読み込みました。1 件の遅延をステップに収まる値に変更しました（最大 %2 ms、%3 ms 単位）。</translation>
    </message>
    <message numerus="yes">
        <source>%1 was loaded with %n delays changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>
            <numerusform>%1 を読み込みました。%n 件の遅延をステップに収まる値に変更しました（最大 %2 ms、%3 ms 単位）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix マウス</translation>
    </message>
    <message>
        <source>Deleted macro</source>
        <translation>削除されたマクロ</translation>
    </message>
    <message>
        <source>Launch Key</source>
        <translation>起動キー</translation>
    </message>
    <message>
        <source>T Key</source>
        <translation>T キー</translation>
    </message>
    <message>
        <source>Page UP(Win)</source>
        <translation>Page Up (Win)</translation>
    </message>
    <message>
        <source>Page Down(Win)</source>
        <translation>Page Down (Win)</translation>
    </message>
    <message>
        <source>Middle Button(Win)</source>
        <translation>中ボタン (Win)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>the name a screen reader says for defaultBtn</extracomment>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Single key</source>
        <extracomment>the name a screen reader says for singleBtn</extracomment>
        <translation>シングルキー</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for tkeyBtn</extracomment>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Launch</source>
        <extracomment>the name a screen reader says for launchProBtn</extracomment>
        <translation>起動</translation>
    </message>
    <message>
        <source>This path is too long to be kept in the mouse&apos;s profile (%1 bytes at most):
%2</source>
        <translation>このパスは長すぎるため、マウスのプロファイルに保存できません（最大 %1 バイト）：
%2</translation>
    </message>
    <message>
        <source>The help page could not be opened.</source>
        <translation>ヘルプページを開けませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 を開けませんでした。</translation>
    </message>
    <message>
        <source>The mouse did not answer while it was being read. The window shows its profiles as they were last saved; changes are written only when the mouse answers.</source>
        <translation>読み込み中にマウスが応答しませんでした。ウィンドウには最後に保存したプロファイルを表示しています。変更はマウスが応答したときにのみ書き込まれます。</translation>
    </message>
    <message>
        <source>The changes not written are kept: Apply tries again.</source>
        <translation>書き込まれなかった変更は保持されています。「適用」で再試行します。</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>profiles %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>The last changes to %1 did not reach the mouse. They are shown as changes not yet written: Apply writes them.</source>
        <translation>%1 の直近の変更はマウスに届きませんでした。未書き込みの変更として表示しています。「適用」で書き込みます。</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>未書き込みの変更</translation>
    </message>
    <message>
        <source>Now on profile %1</source>
        <translation>プロファイル %1 に切り替わりました</translation>
    </message>
    <message>
        <source>Hide the on-screen display</source>
        <translation>オンスクリーン表示をオフにする</translation>
    </message>
    <message>
        <source>Show the on-screen display</source>
        <translation>オンスクリーン表示をオンにする</translation>
    </message>
    <message>
        <source>The window closes</source>
        <translation>ウィンドウを閉じます</translation>
    </message>
    <message>
        <source>Kestrix set-ups (*.%1)</source>
        <translation>Kestrix 設定ファイル (*.%1)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>設定をエクスポート</translation>
    </message>
    <message>
        <source>Kestrix set-up.%1</source>
        <translation>Kestrix 設定.%1</translation>
    </message>
    <message>
        <source>Set-up export</source>
        <translation>設定のエクスポート</translation>
    </message>
    <message>
        <source>The mouse did not answer: the set-up was not exported.</source>
        <translation>マウスが応答しませんでした。設定はエクスポートされていません。</translation>
    </message>
    <message>
        <source>The set-up could not be saved as %1: %2</source>
        <translation>設定を %1 として保存できませんでした：%2</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>設定をインポート</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 をインポートできません：%2</translation>
    </message>
    <message>
        <source>profile %1 would have no button doing the left click.</source>
        <translation>プロファイル %1 に左クリックを行うボタンがなくなります。</translation>
    </message>
    <message>
        <source>The mouse holds the set-up of %1 already.</source>
        <translation>マウスには既に %1 の設定が書き込まれています。</translation>
    </message>
    <message>
        <source>Changes not yet written to the mouse are dropped.</source>
        <translation>マウスにまだ書き込まれていない変更は破棄されます。</translation>
    </message>
    <message>
        <source>Importing %1 changes the mouse:</source>
        <translation>%1 をインポートすると、マウスが次のように変更されます：</translation>
    </message>
    <message>
        <source>Sets up the mouse: its five profiles and what each of its buttons does.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>マウスの 5 つのプロファイルと、各ボタンの機能を設定します。</translation>
    </message>
    <message>
        <source>KESTRIX</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>KESTRIX</translation>
    </message>
    <message>
        <source>Gaming mouse configuration</source>
        <extracomment>a line of text, 320 points wide</extracomment>
        <translation>ゲーミングマウスの設定</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <extracomment>a caption over controls, 96 points wide</extracomment>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>SELECTED BUTTON</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>選択したボタン</translation>
    </message>
    <message>
        <source>ASSIGN A FUNCTION</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>機能の割り当て</translation>
    </message>
    <message>
        <source>MOUSE SETTINGS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>マウスの設定</translation>
    </message>
    <message>
        <source>Application menu</source>
        <extracomment>the name a screen reader says for menuBtn</extracomment>
        <translation>アプリケーションメニュー</translation>
    </message>
    <message>
        <source>Reset profile</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>プロファイルをリセット</translation>
    </message>
    <message>
        <source>Website</source>
        <extracomment>the name a screen reader says for homeBtn</extracomment>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the name a screen reader says for helpBtn</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the name a screen reader says for closeBtn</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for profile1Btn</extracomment>
        <translation>プロファイル 1</translation>
    </message>
    <message>
        <source>Profile</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for profile2Btn</extracomment>
        <translation>プロファイル 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for profile3Btn</extracomment>
        <translation>プロファイル 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for profile4Btn</extracomment>
        <translation>プロファイル 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for profile5Btn</extracomment>
        <translation>プロファイル 5</translation>
    </message>
    <message>
        <source>Left button</source>
        <extracomment>the name a screen reader says for leftClickBtn</extracomment>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>マウスボタン</translation>
    </message>
    <message>
        <source>Right button</source>
        <extracomment>the name a screen reader says for rightBtn</extracomment>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>Wheel button</source>
        <extracomment>the name a screen reader says for middleClickBtn</extracomment>
        <translation>ホイールボタン</translation>
    </message>
    <message>
        <source>Front side button</source>
        <extracomment>the name a screen reader says for left1Btn</extracomment>
        <translation>前方サイドボタン</translation>
    </message>
    <message>
        <source>Back side button</source>
        <extracomment>the name a screen reader says for left2Btn</extracomment>
        <translation>後方サイドボタン</translation>
    </message>
    <message>
        <source>Kind of function</source>
        <extracomment>the name a screen reader says for btnSelTagImageView</extracomment>
        <translation>機能の種類</translation>
    </message>
    <message>
        <source>Function of the selected button</source>
        <extracomment>the name a screen reader says for btnSelTagCaptionTxt</extracomment>
        <translation>選択したボタンの機能</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <extracomment>the label of the control defaultBtn, 92 points wide (English uses 52)</extracomment>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <extracomment>the label of the control singleBtn, 92 points wide (English uses 72)</extracomment>
        <translation>シングルキー</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>the label of the control tkeyBtn, 92 points wide (English uses 44)</extracomment>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <extracomment>the label of the control launchProBtn, 92 points wide (English uses 50)</extracomment>
        <translation>起動</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the label of the control settingBtn, 126 points wide (English uses 92)</extracomment>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Performance</source>
        <extracomment>the name a screen reader says for settingBtn</extracomment>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the label of the control lightOptionBtn, 126 points wide (English uses 58)</extracomment>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>Lighting</source>
        <extracomment>the name a screen reader says for lightOptionBtn</extracomment>
        <translation>ライティング</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the label of the control macroBtn, 126 points wide (English uses 94)</extracomment>
        <translation>マクロエディター</translation>
    </message>
    <message>
        <source>Macro editor</source>
        <extracomment>the name a screen reader says for macroBtn</extracomment>
        <translation>マクロエディター</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Single Key Function</source>
        <translation>シングルキー機能</translation>
    </message>
    <message>
        <source>Macro Function</source>
        <translation>マクロ機能</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1.</source>
        <translation>設定はエクスポートされませんでした：%1。</translation>
    </message>
    <message>
        <source>Application rules</source>
        <translation>アプリケーションルール</translation>
    </message>
    <message>
        <source>APP RULES</source>
        <extracomment>the label of the control appRulesBtn, 146 points wide (English uses 74)</extracomment>
        <translation>アプリルール</translation>
    </message>
    <message>
        <source>App rules</source>
        <extracomment>the name a screen reader says for appRulesBtn</extracomment>
        <translation>アプリルール</translation>
    </message>
    <message>
        <source>The profile follows the application in front</source>
        <extracomment>what a screen reader says appRulesBtn does</extracomment>
        <translation>プロファイルが前面のアプリケーションに合わせて切り替わります</translation>
    </message>
</context>
<context>
    <name>MouseWrites</name>
    <message>
        <source>logo light</source>
        <translation>ロゴライト</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>ホイールライト</translation>
    </message>
    <message>
        <source>performance settings</source>
        <translation>パフォーマンス設定</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>ライティング設定</translation>
    </message>
    <message>
        <source>profile switch</source>
        <translation>プロファイルの切り替え</translation>
    </message>
    <message>
        <source>The mouse did not take the %1. Is it still plugged in?</source>
        <extracomment>%1 is what was written: &quot;performance settings&quot;, &quot;lighting&quot;, &quot;DPI stage&quot;...</extracomment>
        <translation>マウスが%1を受け付けませんでした。マウスは接続されていますか？</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <translation>DPI ステージ</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>ポーリングレート</translation>
    </message>
</context>
<context>
    <name>OsdWords</name>
    <message>
        <source>SENSITIVITY</source>
        <extracomment>The on-screen display of a DPI change: the stage among the mouse&apos;s stages.</extracomment>
        <translation>感度</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>STAGE %1 OF %2</source>
        <translation>ステージ %1 / %2</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>レート</translation>
    </message>
    <message>
        <source>REPORTS PER SECOND</source>
        <translation>1 秒あたりのレポート数</translation>
    </message>
    <message>
        <source>ACTIVE PROFILE</source>
        <extracomment>The on-screen display of a profile change: the profile among those the mouse holds.</extracomment>
        <translation>使用中のプロファイル</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>ON-BOARD %1 OF %2</source>
        <translation>本体 %1 / %2</translation>
    </message>
    <message>
        <source>MOUSE LOCK</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>マウスロック</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>SWITCH ON</source>
        <translation>スイッチ オン</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>ロック中</translation>
    </message>
    <message>
        <source>SWITCH OFF</source>
        <translation>スイッチ オフ</translation>
    </message>
    <message>
        <source>UNLOCKED</source>
        <translation>ロック解除</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file cannot be written, said after its name (&quot;out.kxsetup could not be written: is a folder&quot;), as the other reasons here are.</extracomment>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>is a socket</source>
        <translation>ソケットです</translation>
    </message>
    <message>
        <source>is a device, not a file or a terminal</source>
        <translation>ファイルや端末ではなくデバイスです</translation>
    </message>
    <message>
        <source>nothing was taken</source>
        <translation>何も受け取られませんでした</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>読み込めません（%1）</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>ファイルが指定されていません</translation>
    </message>
    <message>
        <source>is not open (%1)</source>
        <translation>開かれていません（%1）</translation>
    </message>
    <message>
        <source>is a FIFO that no program reads</source>
        <translation>どのプログラムも読み取っていない FIFO です</translation>
    </message>
    <message>
        <source>changed while it was opened</source>
        <translation>開いている間に変更されました</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>Sets the mouse&apos;s DPI stages and polling rate, the desktop&apos;s pointer, double-click and scroll speeds, and the on-screen display.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>マウスの DPI ステージとポーリングレート、デスクトップのポインター速度、ダブルクリック速度、スクロール速度、およびオンスクリーン表示を設定します。</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>DPI STAGE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>DPI ステージ</translation>
    </message>
    <message>
        <source>DPI OF THIS STAGE</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>このステージの DPI</translation>
    </message>
    <message>
        <source>DPI</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>DPI</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>DOUBLE-CLICK SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>ダブルクリック速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>速い</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>ポインター速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>スクロール速度</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <extracomment>the name a screen reader says for dpiLevelPro</extracomment>
        <translation>DPI ステージ</translation>
    </message>
    <message>
        <source>DPI of this stage</source>
        <extracomment>the name a screen reader says for dpiPro</extracomment>
        <translation>このステージの DPI</translation>
    </message>
    <message>
        <source>Exact DPI</source>
        <extracomment>the name a screen reader says for dpiTxt</extracomment>
        <translation>DPI 値</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <extracomment>the label of the control rate125Btn, 92 points wide (English uses 46)</extracomment>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Polling rate</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <extracomment>the label of the control rate500Btn, 92 points wide (English uses 46)</extracomment>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <extracomment>the label of the control rate1000Btn, 96 points wide (English uses 54)</extracomment>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Show changes on screen</source>
        <extracomment>the label of the control oneScreenBtn, 300 points wide (English uses 149)</extracomment>
        <translation>変更を画面に表示</translation>
    </message>
    <message>
        <source>Double-click speed</source>
        <extracomment>the name a screen reader says for doubleSpeedPro</extracomment>
        <translation>ダブルクリック速度</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <extracomment>the name a screen reader says for mouseSpeedPro</extracomment>
        <translation>ポインター速度</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <extracomment>the name a screen reader says for scrSpeedPro</extracomment>
        <translation>スクロール速度</translation>
    </message>
    <message>
        <source>RESET</source>
        <extracomment>the label of the control reDefBtn, 110 points wide (English uses 42)</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PerformanceView</name>
    <message>
        <source>Stage %1 of %2</source>
        <translation>ステージ %1 / %2</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
</context>
<context>
    <name>Popup</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>保存されていない変更</translation>
    </message>
    <message>
        <source>This profile has changes that are not written to the mouse yet. OK switches to the other profile and drops them; Cancel stays on this profile with them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>このプロファイルには、マウスにまだ書き込んでいない変更があります。「OK」で変更を破棄して切り替え、「キャンセル」でこのプロファイルに留まります。</translation>
    </message>
    <message>
        <source>Switch and drop the changes</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>変更を破棄して切り替える</translation>
    </message>
    <message>
        <source>Stay on this profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>このプロファイルに留まる</translation>
    </message>
    <message>
        <source>Close with unsaved changes?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>未保存の変更があります。閉じますか？</translation>
    </message>
    <message>
        <source>There are changes that are not written to the mouse yet. OK writes them to the mouse and closes; Cancel closes without them; Escape goes back to them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>マウスにまだ書き込んでいない変更があります。「OK」で書き込んで閉じ、「キャンセル」で書き込まずに閉じます。Esc キーで変更に戻ります。</translation>
    </message>
    <message>
        <source>Write and close</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>書き込んで閉じる</translation>
    </message>
    <message>
        <source>Close without writing</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>書き込まずに閉じる</translation>
    </message>
    <message>
        <source>Mouse not connected</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>マウスが接続されていません</translation>
    </message>
    <message>
        <source>The Kestrix mouse is not connected, or it was unplugged. OK closes the window; plug the mouse in, then open Kestrix Mouse again.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Kestrix マウスが接続されていないか、取り外されました。「OK」でウィンドウを閉じます。マウスを接続してから、Kestrix マウスを再度開いてください。</translation>
    </message>
    <message>
        <source>Close the window</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>One button must stay the left click</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>左クリックのボタンが 1 つ必要です</translation>
    </message>
    <message>
        <source>This is the only button that does the left click, so it cannot be given another function. OK goes back and leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>左クリックを行うボタンはこれだけなので、別の機能を割り当てられません。「OK」で戻り、このボタンはそのままにします。</translation>
    </message>
    <message>
        <source>Keep the left click</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>左クリックのままにする</translation>
    </message>
    <message>
        <source>Reset this profile?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>このプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Every button and setting of this profile goes back to its default and is written to the mouse. OK resets it; Cancel leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>このプロファイルのすべてのボタンと設定をデフォルトに戻し、マウスに書き込みます。「OK」でリセットし、「キャンセル」でそのままにします。</translation>
    </message>
    <message>
        <source>Reset the profile</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>プロファイルをリセットする</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>プロファイルをそのままにする</translation>
    </message>
</context>
<context>
    <name>ProfileSaves</name>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>プロファイルを %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is larger than %1 MiB</source>
        <extracomment>Why a file is refused, said after its name, as the other reasons here are.</extracomment>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>開けません（%1）</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>読み込めません（%1）</translation>
    </message>
</context>
<context>
    <name>SetupPreviewView</name>
    <message>
        <source>Changes</source>
        <translation>変更内容</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
</context>
<context>
    <name>ShowLoadView</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>LOADING</source>
        <translation>読み込み中</translation>
    </message>
</context>
<context>
    <name>ShowMsgView</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <extracomment>The mouse&apos;s lock switch is off: its buttons work again.</extracomment>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>%1 DPI · stage %2 of %3</source>
        <extracomment>The on-screen display after a DPI change: the value, then which stage of how many.</extracomment>
        <translation>%1 DPI · ステージ %2 / %3</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <extracomment>A notification after a DPI change: its summary; the body follows (&quot;Stage 2 of 4&quot;).</extracomment>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>Stage %1 of %2</source>
        <extracomment>A notification after a DPI change: its body, below the summary (&quot;1600 DPI&quot;).</extracomment>
        <translation>ステージ %1 / %2</translation>
    </message>
    <message>
        <source>Profile %1 · %2</source>
        <extracomment>The display after the application in front chose the profile: &quot;Profile 2 · GIMP&quot;.</extracomment>
        <translation>プロファイル %1 · %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The running window did not answer: %1</source>
        <translation>実行中のウィンドウが応答しませんでした：%1</translation>
    </message>
</context>
<context>
    <name>SingleKeyView</name>
    <message>
        <source>Choose a function</source>
        <translation>機能を選択</translation>
    </message>
    <message>
        <source>Choose a function from the list first.</source>
        <translation>先にリストから機能を選択してください。</translation>
    </message>
    <message>
        <source>Gives the selected mouse button one function: a click, a key, a media or a system function.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>選択したマウスボタンに、クリック、キー、メディア機能、システム機能のいずれか 1 つを割り当てます。</translation>
    </message>
    <message>
        <source>SINGLE KEY FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>シングルキー機能</translation>
    </message>
    <message>
        <source>FUNCTION</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>機能</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>the name a screen reader says for selComBtn</extracomment>
        <translation>機能</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TKeyRepeatView</name>
    <message>
        <source>Sets how many times the macro runs for each press of the button.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>ボタンを 1 回押すごとにマクロを実行する回数を設定します。</translation>
    </message>
    <message>
        <source>Times to run the macro:</source>
        <extracomment>a line of text, 176 points wide</extracomment>
        <translation>マクロの実行回数：</translation>
    </message>
    <message>
        <source>Times to run the macro</source>
        <extracomment>the name a screen reader says for countTxt</extracomment>
        <translation>マクロの実行回数</translation>
    </message>
    <message>
        <source>Limit of the mouse</source>
        <extracomment>the name a screen reader says for limitTxt</extracomment>
        <translation>マウスの上限</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TKeyView</name>
    <message>
        <source>Gives the selected mouse button a macro and the way it runs.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>選択したマウスボタンにマクロとその実行方法を割り当てます。</translation>
    </message>
    <message>
        <source>MACRO FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>マクロ機能</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>RUN THE MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>マクロの実行方法</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for selMacroBtn</extracomment>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>the label of the control onceChk, 69 points wide (English uses 31)</extracomment>
        <translation>1 回</translation>
    </message>
    <message>
        <source>Run the macro</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>マクロの実行方法</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <extracomment>the label of the control multTimesChk, 127 points wide (English uses 80)</extracomment>
        <translation>繰り返し回数</translation>
    </message>
    <message>
        <source>Times the macro runs</source>
        <extracomment>the name a screen reader says for countLbl</extracomment>
        <translation>マクロの実行回数</translation>
    </message>
    <message>
        <source>While held</source>
        <extracomment>the label of the control holdChk, 156 points wide (English uses 63)</extracomment>
        <translation>押している間</translation>
    </message>
    <message>
        <source>Until pressed again</source>
        <extracomment>the label of the control untilPreChk, 184 points wide (English uses 116)</extracomment>
        <translation>再度押すまで</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TkeyRepeatView</name>
    <message>
        <source>At most %1 times on the mouse</source>
        <translation>マウスでは最大 %1 回</translation>
    </message>
</context>
<context>
    <name>TkeyView</name>
    <message>
        <source>No macros yet</source>
        <translation>マクロはまだありません</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>マクロを選択</translation>
    </message>
    <message>
        <source>There are no macros yet: record one in the macro editor first.</source>
        <translation>マクロがまだありません。先にマクロエディターで記録してください。</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation>先にリストからマクロを選択してください。</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <translation>繰り返し回数</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 回</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 回</translation>
    </message>
</context>
</TS>
