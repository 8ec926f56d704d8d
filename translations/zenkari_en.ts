<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Zenkari</name>
    <message>
        <source>正多角形ごとの色分け変更</source>
        <translation>Colours by polygon</translation>
    </message>
    <message>
        <source>%1角形の色</source>
        <translation>%1-gon</translation>
    </message>
    <message>
        <source>%1角形がこの色で表示されます</source>
        <translation>%1-gons are shown in this colour</translation>
    </message>
    <message>
        <source>色変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>%1角形の色を変更します</source>
        <translation>Change the colour of %1-gons</translation>
    </message>
    <message>
        <source>設定終了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>この設定を反映させます</source>
        <translation>Apply these colours</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>この設定を破棄して&#x3000;このダイアログボックスを閉じます</source>
        <translation>Discard these colours and close this dialog</translation>
    </message>
    <message>
        <source>配色を名前をつけて保存</source>
        <translation>Save colour scheme as</translation>
    </message>
    <message>
        <source>配色の名前を入力してください</source>
        <translation>Type a name for the colour scheme</translation>
    </message>
    <message>
        <source>配色を上の名前で保存します</source>
        <translation>Save the colour scheme under the name above</translation>
    </message>
    <message>
        <source>配色の保存を止めます</source>
        <translation>Do not save the colour scheme</translation>
    </message>
    <message>
        <source>多面体</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>一様多面体がたくさん登録されています。選んでください</source>
        <translation>Many uniform polyhedra are listed here: choose one</translation>
    </message>
    <message>
        <source>正</source>
        <translation>≤</translation>
    </message>
    <message>
        <source>何角形まで使用するか上限を設定してください</source>
        <translation>The largest number of sides a polygon may have</translation>
    </message>
    <message>
        <source>角形まで使用</source>
        <translation>sides</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>頂点に集まる多角形の個数</source>
        <translation>The number of polygons that meet at each vertex</translation>
    </message>
    <message>
        <source>多角形</source>
        <translation>Faces</translation>
    </message>
    <message>
        <source>頂点数上限</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>何個の頂点まで探索するか上限を設定してください</source>
        <translation>The largest number of vertices the search may reach</translation>
    </message>
    <message>
        <source>星形</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>星形正多角形を使用するかどうか</source>
        <translation>Offer star polygons in the polygon boxes</translation>
    </message>
    <message>
        <source>双対</source>
        <translation>Dual</translation>
    </message>
    <message>
        <source>双対立体を表示</source>
        <translation>Show the dual</translation>
    </message>
    <message>
        <source>何周</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>多角形が頂点の周りを何周しているか</source>
        <translation>The winding: how many times the polygons go round the vertex</translation>
    </message>
    <message>
        <source>最後は付加</source>
        <translation>Add last</translation>
    </message>
    <message>
        <source>頂点構造にぐらつきがある場合、最後の多角形を、最初の多角形と最後から２番目の多角形の間にあるものとして擬似的に扱う</source>
        <translation>Where the vertex figure can flex, treat the last polygon as an added one between the first and the second to last</translation>
    </message>
    <message>
        <source>頂点の周りに集まる正多角形が何角形であるかを指定してください</source>
        <translation>The polygon {n} or star polygon {n/d} at this place round the vertex</translation>
    </message>
    <message>
        <source>多面体を選んでね</source>
        <translation>Choose a polyhedron</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>構築中</source>
        <translation>Partial</translation>
    </message>
    <message>
        <source> %1番目</source>
        <translation> No. %1</translation>
    </message>
    <message>
        <source>元の立体</source>
        <translation>the solid</translation>
    </message>
    <message>
        <source>双対立体</source>
        <translation>the dual</translation>
    </message>
    <message>
        <source>星形多角形</source>
        <translation>the star polygons</translation>
    </message>
    <message>
        <source>モノトーン</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1を単色で表示する</source>
        <translation>Show %1 in a single colour</translation>
    </message>
    <message>
        <source>単色表示時に%1をこの色で表示します</source>
        <translation>The single colour of %1</translation>
    </message>
    <message>
        <source>%1の単色表示時の色を変更します</source>
        <translation>Change the single colour of %1</translation>
    </message>
    <message>
        <source>正多角形ごとの色分け</source>
        <translation>By polygon</translation>
    </message>
    <message>
        <source>このセレクトで%1の配色を選んでください</source>
        <translation>Choose the colour scheme of %1 here</translation>
    </message>
    <message>
        <source>%1の%2角形の色</source>
        <translation>The colour of %2-gons in %1</translation>
    </message>
    <message>
        <source>%1の多角形ごとの配色を変更します</source>
        <translation>Change the colours of %1 polygon by polygon</translation>
    </message>
    <message>
        <source>名前をつけて保存</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>%1の配色をすぐ上のセレクトで選べるよう保存します</source>
        <translation>Save the colours of %1 as a scheme to choose above</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>すぐ上のセレクト選ばれている配色を削除します</source>
        <translation>Delete the colour scheme chosen above</translation>
    </message>
    <message>
        <source>骨組みの太さ</source>
        <translation>Edge width</translation>
    </message>
    <message>
        <source>一括構築</source>
        <translation>Build all</translation>
    </message>
    <message>
        <source>上部パネルで設定した条件で立体を一気に構築します</source>
        <translation>Build every solid of the configuration set above at once</translation>
    </message>
    <message>
        <source>構築開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>段階的に立体を構築する場合&#x3000;これでスタートさせてください</source>
        <translation>Start building the solid step by step</translation>
    </message>
    <message>
        <source>構築続行</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>段階的な構築を続行します</source>
        <translation>Carry the step-by-step build on one step</translation>
    </message>
    <message>
        <source>VRML出力</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>左部パネルに表示されている立体をVRMLで出力します</source>
        <translation>Write the solid shown as VRML, OFF, OBJ, STL, glTF or a PNG picture</translation>
    </message>
    <message>
        <source>構築立体</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>条件にあう立体が複数あった場合&#x3000;ここで選んでください</source>
        <translation>Where several solids were found, choose one here</translation>
    </message>
    <message>
        <source>を表示</source>
        <translation>shown</translation>
    </message>
    <message>
        <source>複合</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>元の立体と双対立体の複合立体を表示</source>
        <translation>Show the compound of the solid and its dual</translation>
    </message>
    <message>
        <source>上方向に立体を回転</source>
        <translation>Turn the solid up</translation>
    </message>
    <message>
        <source>左方向に立体を回転</source>
        <translation>Turn the solid left</translation>
    </message>
    <message>
        <source>右方向に立体を回転</source>
        <translation>Turn the solid right</translation>
    </message>
    <message>
        <source>下方向に立体を回転</source>
        <translation>Turn the solid down</translation>
    </message>
    <message>
        <source>←立体の回転</source>
        <translation>← Turn</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>自動回転時に立体を停止します</source>
        <translation>Stop the turning solid</translation>
    </message>
    <message>
        <source>自動回転</source>
        <translation>Auto turn</translation>
    </message>
    <message>
        <source>左にあるカーソルボタンをクリックしたとき立体を自動的に回転させます</source>
        <translation>Keep turning the solid after an arrow button is clicked</translation>
    </message>
    <message>
        <source>情報窓</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>正多角形ごとの情報</source>
        <translation>Per polygon</translation>
    </message>
    <message>
        <source>立体全体の情報</source>
        <translation>The whole solid</translation>
    </message>
    <message>
        <source>立体豆知識</source>
        <translation>About this solid</translation>
    </message>
    <message>
        <source>立体情報</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>背景の色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>背景の色を変更します</source>
        <translation>Change the background colour</translation>
    </message>
    <message>
        <source>元の立体の色</source>
        <translation>Colours of the solid</translation>
    </message>
    <message>
        <source>骨組みの色（表側）</source>
        <translation>Edges (front)</translation>
    </message>
    <message>
        <source>表側の骨組みの色を変更します</source>
        <translation>Change the colour of the front edges</translation>
    </message>
    <message>
        <source>骨組みの色（裏側）</source>
        <translation>Edges (back)</translation>
    </message>
    <message>
        <source>裏側の骨組みの色を変更します</source>
        <translation>Change the colour of the back edges</translation>
    </message>
    <message>
        <source>星型正多角形の色</source>
        <translation>Colours of star polygons</translation>
    </message>
    <message>
        <source>双対立体の色</source>
        <translation>Colours of the dual</translation>
    </message>
    <message>
        <source>双対立体の表側の骨組みの色を変更します</source>
        <translation>Change the colour of the dual&apos;s front edges</translation>
    </message>
    <message>
        <source>双対立体の裏側の骨組みの色を変更します</source>
        <translation>Change the colour of the dual&apos;s back edges</translation>
    </message>
    <message>
        <source>陰影</source>
        <translation>Shading</translation>
    </message>
    <message>
        <source>光線による変化あり</source>
        <translation>Shaded by the light</translation>
    </message>
    <message>
        <source>光線による変化なし</source>
        <translation>Flat colours</translation>
    </message>
    <message>
        <source>VRML出力時に直線を浮かす</source>
        <translation>Lift edges off the faces in VRML</translation>
    </message>
    <message>
        <source>VRML出力時に面に辺がめりこんでしまうのを防止</source>
        <translation>Keeps the faces from burying the edges in a VRML file</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>View</translation>
    </message>
    <message>
        <source>多面体の名称に英語名を使う</source>
        <translation>English names of the polyhedra</translation>
    </message>
    <message>
        <source>上部パネルの「多面体を選んでね」のところを英語で表示</source>
        <translation>Show the names in the polyhedron selector above in English</translation>
    </message>
    <message>
        <source>質感</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>絶えず不透明</source>
        <translation>Always opaque</translation>
    </message>
    <message>
        <source>複合時のみ&#x3000;片方透明に立体をくりぬく</source>
        <translation>Compound: one see-through</translation>
    </message>
    <message>
        <source>絶えず透明</source>
        <translation>Always transparent</translation>
    </message>
    <message>
        <source>手前側のみ透明（裏側は不透明）</source>
        <translation>Transparent in front (opaque behind)</translation>
    </message>
    <message>
        <source>フレーム（骨組みだけ）</source>
        <translation>Frame (edges only)</translation>
    </message>
    <message>
        <source>パースペクティブ</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>パースなし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>パース軽め</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>パース普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>パース強め</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>６０％</source>
        <translation>60%</translation>
    </message>
    <message>
        <source>５０％</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>４０％</source>
        <translation>40%</translation>
    </message>
    <message>
        <source>２５％</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>画面の幅に合わせる</source>
        <translation>Fit the view</translation>
    </message>
    <message>
        <source>双対図形時も画面の幅に合わせる</source>
        <translation>Fit the view, the dual too</translation>
    </message>
    <message>
        <source>固定&#x3000;１／２</source>
        <translation>Fixed ½</translation>
    </message>
    <message>
        <source>固定&#x3000;１倍</source>
        <translation>Fixed 1×</translation>
    </message>
    <message>
        <source>固定&#x3000;２倍</source>
        <translation>Fixed 2×</translation>
    </message>
    <message>
        <source>削除の確認</source>
        <translation>Delete?</translation>
    </message>
    <message>
        <source>削除してもよいなら押してください</source>
        <translation>Delete the colour scheme</translation>
    </message>
    <message>
        <source>削除を中止します</source>
        <translation>Keep the colour scheme</translation>
    </message>
    <message>
        <source>配色「%1」を削除してもいいですか？</source>
        <translation>Delete the colour scheme “%1”?</translation>
    </message>
    <message>
        <source>設定の保存</source>
        <translation>Saving the settings</translation>
    </message>
    <message>
        <source>設定ファイル %1 に書き込めません。
設定はこの実行中だけ有効です。</source>
        <translation>The settings file %1 cannot be written.
The settings last only while Zenkari runs.</translation>
    </message>
    <message>
        <source>設定ファイル %1 は通常のファイルではないので、読み書きしません。
設定はこの実行中だけ有効です。</source>
        <translation>The settings file %1 is not a regular file, so it is neither read nor written.
The settings last only while Zenkari runs.</translation>
    </message>
    <message>
        <source>面の個数：</source>
        <translation>Faces:</translation>
    </message>
    <message>
        <source>辺の個数：</source>
        <translation>Edges:</translation>
    </message>
    <message>
        <source>頂点の個数：</source>
        <translation>Vertices:</translation>
    </message>
    <message>
        <source>外接球半径：</source>
        <translation>Circumradius:</translation>
    </message>
    <message>
        <source>表面積：</source>
        <translation>Surface area:</translation>
    </message>
    <message>
        <source>体積：</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>PNG画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>%1 を書き込めませんでした。
%2</source>
        <translation>%1 could not be written.
%2</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>構築を一時中止します。「構築続行」で続きを調べられます</source>
        <translation>Pause the build; “Continue” carries it on</translation>
    </message>
    <message>
        <source>構築中：頂点を%1回試行・いまの頂点数 %2・見つかった立体 %3個・%4秒</source>
        <translation>Building: %1 vertex completions, %2 vertices now, %3 solids found, %4 s</translation>
    </message>
    <message>
        <source>囲む体積：</source>
        <translation>Enclosed volume: </translation>
    </message>
    <message>
        <source>外側の表面積：</source>
        <translation>Outer surface area: </translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>computing…</translation>
    </message>
    <message>
        <source>外側の面を求められませんでした：%1</source>
        <translation>The outer surface could not be formed: %1</translation>
    </message>
    <message>
        <source>3Dプリントの高さ</source>
        <translation>Height for 3-D printing</translation>
    </message>
    <message>
        <source>「3Dプリント用」の形式で書き出す模型の高さ</source>
        <translation>The height of the models written &quot;for 3-D printing&quot;</translation>
    </message>
    <message>
        <source>3Dプリント用の書き出し</source>
        <translation>Export for 3-D printing</translation>
    </message>
    <message>
        <source>模型の高さ（mm）：
（あとから「表示設定」のページで変えられます）</source>
        <translation>Height of the model (mm):
(you can change it later on the View page)</translation>
    </message>
    <message>
        <source>3Dプリント用に書き出し中：%1</source>
        <translation>Writing for 3-D printing: %1</translation>
    </message>
    <message>
        <source>%1 を3Dプリント用に書き出しました。</source>
        <translation>Wrote %1 for 3-D printing.</translation>
    </message>
    <message>
        <source>高さ %1 mm・三角形 %2 個・体積 %3 cm³</source>
        <translation>%1 mm tall, %2 triangles, %3 cm³</translation>
    </message>
    <message>
        <source>%1 mm² の面で立ちます。</source>
        <translation>Stands on a facet of %1 mm².</translation>
    </message>
    <message>
        <source>いちばん外側の3点で立ちます。</source>
        <translation>Stands on three of its outermost points.</translation>
    </message>
    <message>
        <source>囲む立体が点や辺で接する所で、点を%1個分けました。</source>
        <translation>%1 points were doubled where the enclosed solid touches itself.</translation>
    </message>
    <message>
        <source>3Dプリント用 STL (*.stl)</source>
        <translation>STL for 3-D printing (*.stl)</translation>
    </message>
    <message>
        <source>3Dプリント用 3MF (*.3mf)</source>
        <translation>3MF for 3-D printing (*.3mf)</translation>
    </message>
    <message>
        <source>展開図 PDF (*.pdf)</source>
        <translation>Net, PDF (*.pdf)</translation>
    </message>
    <message>
        <source>展開図 SVG (*.svg)</source>
        <translation>Net, SVG (*.svg)</translation>
    </message>
    <message>
        <source>部品図 PDF (*.pdf)</source>
        <translation>Parts, PDF (*.pdf)</translation>
    </message>
    <message>
        <source>部品図 SVG (*.svg)</source>
        <translation>Parts, SVG (*.svg)</translation>
    </message>
    <message>
        <source>部品図</source>
        <translation>parts</translation>
    </message>
    <message>
        <source>展開図</source>
        <translation>net</translation>
    </message>
    <message>
        <source>展開図を書き出し中：%1</source>
        <translation>Writing the paper model: %1</translation>
    </message>
    <message>
        <source>%1 に展開図を出しました。</source>
        <translation>Paper model written to %1.</translation>
    </message>
    <message>
        <source>%1 ページ・%2 片（切り出す数 %3）・のりしろ %4 個・辺の長さ %5 mm</source>
        <translation>%1 page(s), %2 piece(s) (%3 to cut out), %4 glue tabs, edge %5 mm</translation>
    </message>
    <message>
        <source>プリンターを使えませんでした。</source>
        <translation>The printer could not be used.</translation>
    </message>
    <message>
        <source>表示している立体がないので、印刷するものがありません。</source>
        <translation>No solid is shown, so there is nothing to print.</translation>
    </message>
    <message>
        <source>印刷できませんでした。
%1</source>
        <translation>Could not print.
%1</translation>
    </message>
    <message>
        <source>展開図を印刷…</source>
        <translation>Print the net…</translation>
    </message>
    <message>
        <source>部品図を印刷…</source>
        <translation>Print the parts…</translation>
    </message>
    <message>
        <source>画像をコピー</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>VRMLファイル (*.wrl *.WRL)</source>
        <translation>VRML files (*.wrl *.WRL)</translation>
    </message>
    <message>
        <source>表示中の立体を書き出します</source>
        <translation>Export what is shown</translation>
    </message>
    <message>
        <source>表示している立体がないので、書き出すものがありません。
立体を構築して、一覧から選んでください。</source>
        <translation>No solid is shown, so there is nothing to export.
Build a solid and choose it in the list.</translation>
    </message>
    <message>
        <source>使い方</source>
        <translation>How to use Zenkari</translation>
    </message>
    <message>
        <source>頂点に集まる正多角形を「個数」と「多角形」で選び、「一括構築」を押すと、その頂点の形で閉じる立体をすべて探します。「構築開始」「構築続行」で1頂点ずつ組み立てるところを見られます。
「多面体」の一覧から名前のある立体を選ぶこともできます。
長い一括構築の間も、小さい頂点数上限での探索が終わるたびにその立体が一覧に出ます（「100頂点以下はすべて」など）。「中止」で止め、「再開」で止めたところから続けます。

立体の表示：ドラッグで回転、マウスホイールで拡大・縮小、表示をクリックしたあと矢印キーで回転、Ctrl+Cで画像をコピー、右クリックで展開図の印刷と画像のコピー。
「VRML出力」：表示中の立体をVRML、OFF、OBJ、STL、glTF、PNG、3Dプリント用のSTLと3MF、展開図のPDFとSVGに書き出します。
F1：この説明。</source>
        <translation>Choose the regular polygons that meet at each vertex with “Qty” and “Faces”, and press “Build all” to find every solid that closes with that vertex. “Start” and “Continue” let you watch it being put together one vertex at a time.
You can also choose a named solid from the “Solid” list.
During a long build, each search at a smaller vertex limit that ends lists its solids at once (“complete up to 100 vertices” and so on). “Stop” stops the build; “Resume” carries it on from where it stopped.

The view: drag to turn it, the mouse wheel zooms in and out, click it and the arrow keys turn it, Ctrl+C copies its picture, a right click prints its net or copies the picture.
“Export” writes the solid shown as VRML, OFF, OBJ, STL, glTF or PNG, as STL or 3MF for 3-D printing, or as a paper net in PDF or SVG.
F1: this page.</translation>
    </message>
    <message>
        <source>%1頂点以下はすべて</source>
        <translation>complete up to %1 vertices</translation>
    </message>
    <message>
        <source>構築は終わっていませんが、%1頂点以下の立体はこの一覧ですべてです</source>
        <translation>The build has not ended, but this list holds every solid of at most %1 vertices</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>中止した一括構築を、止めたところから続けます</source>
        <translation>Carries the stopped build on from where it stopped</translation>
    </message>
    <message>
        <source>一括構築を中止しています</source>
        <translation>Build stopped</translation>
    </message>
    <message>
        <source>対称性：</source>
        <translation>Symmetry: </translation>
    </message>
    <message>
        <source>頂点の軌道：</source>
        <translation>Vertex orbits: </translation>
    </message>
    <message>
        <source>オイラー標数：</source>
        <translation>Euler characteristic: </translation>
    </message>
    <message>
        <source>%1（位数%2・鏡像と別）</source>
        <translation>%1 (order %2, chiral)</translation>
    </message>
    <message>
        <source>%1（位数%2）</source>
        <translation>%1 (order %2)</translation>
    </message>
    <message>
        <source>1（どの頂点も同じ：一様）</source>
        <translation>1 (every vertex alike: uniform)</translation>
    </message>
    <message>
        <source>%1（一様でない）</source>
        <translation>%1 (not uniform)</translation>
    </message>
    <message>
        <source>%1・向き付け可能</source>
        <translation>%1, orientable</translation>
    </message>
    <message>
        <source>%1・向き付け不可能</source>
        <translation>%1, not orientable</translation>
    </message>
</context>
</TS>
