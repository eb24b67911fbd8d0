<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutPage</name>
    <message>
        <source>（最新版＆ヘルプはホームページでご覧ください）</source>
        <translation>(See the home page for the latest version and help)</translation>
    </message>
</context>
<context>
    <name>AccountPage</name>
    <message>
        <source>https のアドレスを指定してください（http はこのコンピューター上のサーバーにだけ使えます）</source>
        <translation>Enter an https address (http works only for a server on this computer)</translation>
    </message>
    <message>
        <source>サーバーのアドレスが正しくありません</source>
        <translation>The server address is not valid</translation>
    </message>
    <message>
        <source>サーバーが見つからないか、応答がありません</source>
        <translation>The server was not found or does not answer</translation>
    </message>
    <message>
        <source>サーバーの証明書が信頼できません</source>
        <translation>The server's certificate is not trusted</translation>
    </message>
    <message>
        <source>ユーザー名かパスワードが違います</source>
        <translation>Wrong user name or password</translation>
    </message>
    <message>
        <source>API が使えません（サーバーの API アクセスの設定とアドレスを確かめてください）</source>
        <translation>The API is not available (check the server's API access setting and the address)</translation>
    </message>
    <message>
        <source>ログインし直せませんでした</source>
        <translation>Could not log in again</translation>
    </message>
    <message>
        <source>サーバーの応答が API のものではありません</source>
        <translation>The server's answer is not an API answer</translation>
    </message>
    <message>
        <source>サービス</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>サーバー</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>ユーザー名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Google Reader API のアドレスは API の起点です（FreshRSS は https://host/api/greader.php、Miniflux は https://host）。</source>
        <translation>The Google Reader API address is the API's base (FreshRSS: https://host/api/greader.php, Miniflux: https://host).</translation>
    </message>
    <message>
        <source>サーバー、ユーザー名とパスワードを入力してください</source>
        <translation>Enter the server, user name and password</translation>
    </message>
    <message>
        <source>パスワードを入力して「接続」を押してください</source>
        <translation>Enter the password and press “Connect”</translation>
    </message>
    <message>
        <source>接続しています…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>接続しました：%1 件のフィード</source>
        <translation>Connected: %1 feeds</translation>
    </message>
    <message>
        <source>%1 から接続できません：%2</source>
        <translation>Cannot connect since %1: %2</translation>
    </message>
</context>
<context>
    <name>AppearancePage</name>
    <message>
        <source>title&#x3000;+ description</source>
        <translation>title + description</translation>
    </message>
    <message>
        <source>電光掲示板</source>
        <translation>LED sign</translation>
    </message>
    <message>
        <source>記述欄</source>
        <translation>Description bar</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>上部に配置</source>
        <translation>Place at the top</translation>
    </message>
    <message>
        <source>下部に配置</source>
        <translation>Place at the bottom</translation>
    </message>
    <message>
        <source>ニュースウィンドウ起動ボタンの表示</source>
        <translation>Show the news window buttons</translation>
    </message>
    <message>
        <source>色とフォント</source>
        <translation>Colours and fonts</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>暗い部分</source>
        <translation>Dark dots</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>記事</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>記述</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>記事を開く</source>
        <translation>Open the article</translation>
    </message>
</context>
<context>
    <name>FeedList</name>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Shown</translation>
    </message>
    <message>
        <source>アカウントのフィード（表示・非表示のみ切り替えられます）</source>
        <translation>Account feed (only showing or hiding can be changed)</translation>
    </message>
</context>
<context>
    <name>FeedLoader</name>
    <message>
        <source>読み込み失敗</source>
        <translation>Loading failed</translation>
    </message>
</context>
<context>
    <name>FeedManagerPage</name>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>更新間隔（分）</source>
        <translation>Refresh (min)</translation>
    </message>
    <message>
        <source>0 にすると巡回のたびにダウンロードします</source>
        <translation>0 downloads the feed at every turn</translation>
    </message>
    <message>
        <source>OPMLの読み込み…</source>
        <translation>Import OPML…</translation>
    </message>
    <message>
        <source>OPMLの書き出し…</source>
        <translation>Export OPML…</translation>
    </message>
    <message>
        <source>今すぐニュースを表示</source>
        <translation>Show this news now</translation>
    </message>
    <message>
        <source>ニュースの表示or非表示</source>
        <translation>Show or hide the news</translation>
    </message>
    <message>
        <source>選択したニュースのコピー</source>
        <translation>Copy the selected news</translation>
    </message>
    <message>
        <source>選択したニュースの削除</source>
        <translation>Delete the selected news</translation>
    </message>
    <message>
        <source>連絡の追加</source>
        <translation>Add a notice</translation>
    </message>
    <message>
        <source>削除するものを選択してください。</source>
        <translation>Select what to delete.</translation>
    </message>
    <message>
        <source>OPMLの書き出し</source>
        <translation>Export OPML</translation>
    </message>
    <message>
        <source>OPMLの読み込み</source>
        <translation>Import OPML</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 件のニュースを追加しました。</source>
        <translation>Added %1 news feeds.</translation>
    </message>
    <message>
        <source>アカウントのフィードは削除できません。購読の解除はサーバーでしてください。</source>
        <translation>An account's feed cannot be deleted here. Unsubscribe on the server.</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>表示しない語（一行に一語）</source>
        <translation>Hidden words (one a line)</translation>
    </message>
    <message>
        <source>目立たせる語（一行に一語）</source>
        <translation>Marked words (one a line)</translation>
    </message>
    <message>
        <source>目立たせる色</source>
        <translation>Mark colour</translation>
    </message>
    <message>
        <source>新着の見出しを色で表示</source>
        <translation>Show new headlines in colour</translation>
    </message>
    <message>
        <source>新着の色</source>
        <translation>New colour</translation>
    </message>
    <message>
        <source>目立たせる語を含む新着の見出しをデスクトップに通知</source>
        <translation>Notify the desktop of new headlines with marked words</translation>
    </message>
</context>
<context>
    <name>FontColourDialog</name>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>栗色</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>銀色</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>黄緑</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>赤紫</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>カスタム</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>HotKeyChoices</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ctrl + 無変換</source>
        <translation>ctrl + Muhenkan</translation>
    </message>
    <message>
        <source>ctrl + スペース</source>
        <translation>ctrl + Space</translation>
    </message>
</context>
<context>
    <name>HotKeys</name>
    <message>
        <source>ニュースリーダーを表示</source>
        <translation>Show the news reader</translation>
    </message>
    <message>
        <source>ニュースリーダーを閉じる</source>
        <translation>Close the news reader</translation>
    </message>
    <message>
        <source>次のニュースへ</source>
        <translation>Next news feed</translation>
    </message>
    <message>
        <source>前のニュースへ</source>
        <translation>Previous news feed</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>設定変更しました。次回起動時より有効になります</source>
        <translation>The setting has changed. It takes effect at the next start.</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 を読み込めません</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 はOPMLではありません</source>
        <translation>The file %1 is not OPML</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
<context>
    <name>PluginPage</name>
    <message>
        <source>インストールを行うと、タスクバー、インターネットエクスプローラーに組み込めるようになります。組み込んだニュースバーは本体を起動せずに利用できます。</source>
        <translation>Once installed, the news bar can be added to the task bar and the browser. It works without starting the ticker itself.</translation>
    </message>
    <message>
        <source>インストール</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>ニュースバーの設定</source>
        <translation>News bar settings</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>記事色</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>ニュースバーの設定を書き込みました。ニュースバー本体の登録は、ニュースバーに付属のインストーラーで行ってください。</source>
        <translation>The news bar settings have been written. Register the news bar itself with the installer that comes with it.</translation>
    </message>
    <message>
        <source>ニュースバー本体の登録の解除は、ニュースバーに付属のアンインストーラーで行ってください。設定ファイルはそのまま残ります。</source>
        <translation>Unregister the news bar itself with the uninstaller that comes with it. The settings file stays as it is.</translation>
    </message>
</context>
<context>
    <name>PositionPage</name>
    <message>
        <source>ブラウザ</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>ブラウザの選択</source>
        <translation>Choose the browser</translation>
    </message>
    <message>
        <source>（電光掲示板をダブルクリックした際に記事を表示するブラウザを変更できます。無記入の場合標準のブラウザが起動します）</source>
        <translation>(The browser that shows the article when you double-click the sign. Left empty, the desktop&apos;s default browser opens.)</translation>
    </message>
    <message>
        <source>ニュースリーダー</source>
        <translation>News reader</translation>
    </message>
    <message>
        <source>ホームURI</source>
        <translation>Home URI</translation>
    </message>
    <message>
        <source>表示する時にホームを表示</source>
        <translation>Show the home page when opening</translation>
    </message>
    <message>
        <source>表示する時に記事を表示</source>
        <translation>Show the article when opening</translation>
    </message>
    <message>
        <source>表示する時、横幅最大化で表示</source>
        <translation>Open at full screen width</translation>
    </message>
    <message>
        <source>ニュースリーダー表示位置</source>
        <translation>News reader position</translation>
    </message>
    <message>
        <source>常に表示の位置</source>
        <translation>Always-show position</translation>
    </message>
    <message>
        <source>実行ファイル (*)</source>
        <translation>Programs (*)</translation>
    </message>
    <message>
        <source>画面左部にて表示</source>
        <translation>At the left of the screen</translation>
    </message>
    <message>
        <source>画面上部にて表示</source>
        <translation>At the top of the screen</translation>
    </message>
    <message>
        <source>画面右部にて表示</source>
        <translation>At the right of the screen</translation>
    </message>
    <message>
        <source>画面下部にて表示</source>
        <translation>At the bottom of the screen</translation>
    </message>
    <message>
        <source>電光掲示板の真左に表示する</source>
        <translation>Just left of the sign</translation>
    </message>
    <message>
        <source>電光掲示板の真上に表示する</source>
        <translation>Just above the sign</translation>
    </message>
    <message>
        <source>電光掲示板の真右に表示する</source>
        <translation>Just right of the sign</translation>
    </message>
    <message>
        <source>電光掲示板の真下に表示する</source>
        <translation>Just below the sign</translation>
    </message>
</context>
<context>
    <name>ReaderNavigator</name>
    <message>
        <source>ブラウザがないため表示できません: %1</source>
        <translation>No browser to show this: %1</translation>
    </message>
    <message>
        <source>このアドレスは開けません: %1</source>
        <translation>This address cannot be opened: %1</translation>
    </message>
    <message>
        <source>ブラウザを読み込めないため、ページを表示できません。ニュースの一覧とほかの機能はそのまま使えます。</source>
        <translation>The browser cannot be loaded, so pages cannot be shown. The news list and everything else still work.</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a valid integer</translation>
    </message>
</context>
<context>
    <name>ShortcutPage</name>
    <message>
        <source>ブラウザ表示</source>
        <translation>Show reader</translation>
    </message>
    <message>
        <source>ブラウザ消去</source>
        <translation>Close reader</translation>
    </message>
    <message>
        <source>ニュース次へ</source>
        <translation>Next news</translation>
    </message>
    <message>
        <source>ニュース前へ</source>
        <translation>Previous news</translation>
    </message>
    <message>
        <source>スタートアップ</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>スタートアップに登録</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>「スタート」に登録</source>
        <translation>Add to the menu</translation>
    </message>
    <message>
        <source>ショートカットキー</source>
        <translation>Shortcut keys</translation>
    </message>
    <message>
        <source>設定変更しました。次回起動時より有効になります</source>
        <translation>The setting has changed. It takes effect at the next start.</translation>
    </message>
    <message>
        <source>スタートアップに登録しました</source>
        <translation>Glowtape now starts when you log in</translation>
    </message>
    <message>
        <source>スタートに登録しました。<byte value="xd"/>
Xpは「全てのプログラム 」の中です。</source>
        <translation>Glowtape has been added to the applications menu.<byte value="xd"/>
Look for it under Network or News.</translation>
    </message>
</context>
<context>
    <name>SignPage</name>
    <message>
        <source>速&#x3000;&#x3000;度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>送り速度</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>液晶余白</source>
        <translation>Dot gap</translation>
    </message>
    <message>
        <source>液晶ドット</source>
        <translation>Dot size</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>マウスを乗せると止めて記事の内容を表示</source>
        <translation>Stop under the pointer and show the article</translation>
    </message>
    <message>
        <source>ウィンドウ操作</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>液晶サイズにフィット</source>
        <translation>Fit to the sign</translation>
    </message>
    <message>
        <source>ボーダー表示切替</source>
        <translation>Toggle border</translation>
    </message>
    <message>
        <source>最前面表示切替</source>
        <translation>Toggle on top</translation>
    </message>
    <message>
        <source>常に表示切替</source>
        <translation>Toggle always show</translation>
    </message>
    <message>
        <source>反転切替</source>
        <translation>Toggle reverse</translation>
    </message>
    <message>
        <source>縦横切替</source>
        <translation>Toggle vertical</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>glowtape 使ってくれてどうもありがとう。</source>
        <translation>Thank you for using glowtape.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>他のソフトがキーを利用中のためこのショートカットキーを利用できません。<byte value="xd"/>
設定変更してください。</source>
        <translation>Another program is using this shortcut key, so it cannot be used.<byte value="xd"/>
Please choose another one.</translation>
    </message>
    <message>
        <source>指定したプログラムでは開けませんでした。設定を確認してください。</source>
        <translation>The chosen program could not open it. Please check the setting.</translation>
    </message>
    <message>
        <source>ニュースリーダー表示</source>
        <translation>Show the news reader</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>文字色&#x3000;サイズ</source>
        <translation>Colours, sizes</translation>
    </message>
    <message>
        <source>液晶設定</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>ニュース管理</source>
        <translation>News feeds</translation>
    </message>
    <message>
        <source>ショートカット</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>フィルタ</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ニュースが一つも登録されていません。新規登録をしてください。</source>
        <translation>No news feed is registered yet. Please register one.</translation>
    </message>
    <message>
        <source>カテゴリー</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>アカウント</source>
        <translation>Account</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>ニュースセレクト</source>
        <translation>News select</translation>
    </message>
    <message>
        <source>記事一覧</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>URIへジャンプ</source>
        <translation>Open the link</translation>
    </message>
    <message>
        <source>ニュース一覧</source>
        <translation>News feeds</translation>
    </message>
    <message>
        <source>ニュースの削除</source>
        <translation>Delete the news</translation>
    </message>
    <message>
        <source>このニュースは非表示の設定になっています。<byte value="xd"/>
<byte value="xd"/>
表示可能にしますか？</source>
        <translation>This news feed is set to hidden.<byte value="xd"/>
<byte value="xd"/>
Show it again?</translation>
    </message>
    <message>
        <source>削除するものを選択してください。</source>
        <translation>Select what to delete.</translation>
    </message>
    <message>
        <source>既読にする</source>
        <translation>Mark as read</translation>
    </message>
    <message>
        <source>すべて既読にする</source>
        <translation>Mark all as read</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>ニュースリーダー</source>
        <translation>News reader</translation>
    </message>
    <message>
        <source>ニュース一覧</source>
        <translation>News feeds</translation>
    </message>
    <message>
        <source>ダブルクリックで表示</source>
        <translation>Double-click to show</translation>
    </message>
    <message>
        <source>お気に入り</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>ニュースのタイトル</source>
        <translation>News title</translation>
    </message>
    <message>
        <source>記事一覧</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>コントローラー</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>ホームへ</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>ニュースリーダーとブラウザのモード切り替え</source>
        <translation>Switch between news reader and browser</translation>
    </message>
    <message>
        <source>コントローラー表示切替</source>
        <translation>Show or hide the controls</translation>
    </message>
    <message>
        <source>横幅最大化切替</source>
        <translation>Toggle full width</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>TUIWebBrowser</name>
    <message>
        <source>ブラウザ</source>
        <translation>Browser</translation>
    </message>
</context>
<context>
    <name>TickerMenu</name>
    <message>
        <source>URIへジャンプ</source>
        <translation>Open the link</translation>
    </message>
    <message>
        <source>ニュースリーダー表示</source>
        <translation>Show the news reader</translation>
    </message>
    <message>
        <source>ウィンドウ表示</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>ニュース一覧表示</source>
        <translation>News feeds</translation>
    </message>
    <message>
        <source>記事一覧表示</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>コントロール</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>ニュース早送り</source>
        <translation>Next news</translation>
    </message>
    <message>
        <source>記事早送り</source>
        <translation>Next article</translation>
    </message>
    <message>
        <source>ニュース新規追加</source>
        <translation>Add news</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>ボーダーを表示</source>
        <translation>Show border</translation>
    </message>
    <message>
        <source>最前面に表示</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>常に表示</source>
        <translation>Always show</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>縦横</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>左上に移動</source>
        <translation>Move to the top left</translation>
    </message>
    <message>
        <source>左下に移動</source>
        <translation>Move to the bottom left</translation>
    </message>
    <message>
        <source>右上に移動</source>
        <translation>Move to the top right</translation>
    </message>
    <message>
        <source>右下に移動</source>
        <translation>Move to the bottom right</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>messagebox</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
</context>
</TS>
