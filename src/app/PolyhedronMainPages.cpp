// The right panel: build and rotation controls, and the five tab pages.

#include "app/PolyhedronMain.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor Cream(255, 251, 240);

QPushButton* Button(QWidget* parent, const QString& caption, const QString& hint, int x, int y, int w, int h)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, y, w, h);
    button->setToolTip(hint);
    return button;
}

QPlainTextEdit* Pane(QWidget* parent)
{
    auto* pane = new QPlainTextEdit(parent);
    pane->setReadOnly(true);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = pane->palette();
    colours.setColor(QPalette::Base, Cream);
    pane->setPalette(colours);
    return pane;
}

// A page that scrolls when the window is too short for it.
QVBoxLayout* ScrollingPage(QTabWidget* tabs, const QString& title)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    scroll->setWidget(content);
    tabs->addTab(scroll, title);
    return layout;
}

// A row: a caption, a swatch and its button.
QHBoxLayout* SwatchRow(QVBoxLayout* page, const QString& caption, TColourSwatch*& swatch, QPushButton*& button,
                       TColour colour, const QString& hint)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    swatch = new TColourSwatch(nullptr, colour);
    swatch->setFixedSize(57, 17);
    row->addWidget(swatch);
    button = new QPushButton(QStringLiteral("色変更"));
    button->setFixedSize(54, 20);
    button->setToolTip(hint);
    row->addWidget(button);
    row->addStretch(1);
    page->addLayout(row);
    return row;
}

QComboBox* WidthRow(QVBoxLayout* page)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("骨組みの太さ")));
    auto* box = new QComboBox;
    for (int i = 0; i <= 50; ++i)
        box->addItem(QString::number(i));
    box->setCurrentIndex(2);
    box->setFixedWidth(50);
    row->addWidget(box);
    row->addStretch(1);
    page->addLayout(row);
    return box;
}

QGroupBox* GroupPanel(QVBoxLayout* page, const QString& title)
{
    auto* panel = new QGroupBox(title);
    panel->setFixedSize(246, 116);
    page->addWidget(panel);
    return panel;
}

}  // namespace

void TFrmPolyhedron::CreateRightPanel(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* upper = new QWidget(panel);
    upper->setFixedHeight(73);
    layout->addWidget(upper);
    BuildBtn = Button(upper, QStringLiteral("一括構築"), QStringLiteral("上部パネルで設定した条件で立体を一気に構築します"), 2, 2, 66, 22);
    ResetBuildBtn = Button(upper, QStringLiteral("構築開始"),
                           QStringLiteral("段階的に立体を構築する場合　これでスタートさせてください"), 70, 2, 66, 22);
    StepBuildBtn = Button(upper, QStringLiteral("構築続行"), QStringLiteral("段階的な構築を続行します"), 138, 2, 66, 22);
    VRMLBtn = Button(upper, QStringLiteral("VRML出力"), QStringLiteral("左部パネルに表示されている立体をVRMLで出力します"), 206, 2, 82, 22);
    auto* built = new QLabel(QStringLiteral("構築立体"), upper);
    built->move(2, 30);
    ViewPNumCbBx = new QListWidget(upper);
    ViewPNumCbBx->setGeometry(48, 26, 56, 45);
    ViewPNumCbBx->setToolTip(QStringLiteral("条件にあう立体が複数あった場合　ここで選んでください"));
    auto* shown = new QLabel(QStringLiteral("を表示"), upper);
    shown->move(106, 30);
    CompoundChBx = new QCheckBox(QStringLiteral("複合"), upper);
    CompoundChBx->setGeometry(104, 50, 46, 18);
    CompoundChBx->setToolTip(QStringLiteral("元の立体と双対立体の複合立体を表示"));
    BtnUp = Button(upper, QStringLiteral("↑"), QStringLiteral("上方向に立体を回転"), 172, 26, 20, 15);
    BtnLeft = Button(upper, QStringLiteral("←"), QStringLiteral("左方向に立体を回転"), 152, 41, 20, 15);
    BtnRight = Button(upper, QStringLiteral("→"), QStringLiteral("右方向に立体を回転"), 192, 41, 20, 15);
    BtnDown = Button(upper, QStringLiteral("↓"), QStringLiteral("下方向に立体を回転"), 172, 56, 20, 15);
    auto* turning = new QLabel(QStringLiteral("←立体の回転"), upper);
    turning->move(215, 27);
    BtnStop = Button(upper, QStringLiteral("停止"), QStringLiteral("自動回転時に立体を停止します"), 215, 42, 40, 15);
    AutoChBx = new QCheckBox(QStringLiteral("自動回転"), upper);
    AutoChBx->setGeometry(215, 57, 75, 15);
    AutoChBx->setChecked(true);
    AutoChBx->setToolTip(QStringLiteral("左にあるカーソルボタンをクリックしたとき立体を自動的に回転させます"));

    PgCtrlInfo = new QTabWidget(panel);
    layout->addWidget(PgCtrlInfo, 1);
    CreateInfoPages();
    CreateColourPage();
    CreateDualPage();
    CreateSettingsPage();
    PgCtrlInfo->setCurrentIndex(0);
}

void TFrmPolyhedron::CreateInfoPages()
{
    auto* info = new QWidget;
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->setContentsMargins(4, 4, 4, 4);
    infoLayout->addWidget(new QLabel(QStringLiteral("情報窓")));
    Memo1 = Pane(info);
    infoLayout->addWidget(Memo1, 1);
    PgCtrlInfo->addTab(info, QStringLiteral("情報窓"));

    auto* solid = new QWidget;
    auto* layout = new QVBoxLayout(solid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(new QLabel(QStringLiteral("正多角形ごとの情報")));
    StringGrid1 = new QTableWidget(5, 17, solid);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(42);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(42);
    StringGrid1->verticalHeader()->setMinimumSectionSize(16);
    StringGrid1->verticalHeader()->setDefaultSectionSize(16);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every digit shown: the columns take their contents' width and the grid scrolls
    // sideways, its height holding the five rows and the scroll bar exactly.
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setWordWrap(false);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFixedHeight(5 * 16 + StringGrid1->horizontalScrollBar()->sizeHint().height()
                                + 2 * StringGrid1->frameWidth());
    const QStringList rows = {QStringLiteral("情報"), QStringLiteral("正n角形"), QStringLiteral("対角線"),
                              QStringLiteral("外接円半径"), QStringLiteral("面積")};
    for (int r = 0; r < 5; ++r)
        StringGrid1->setItem(r, 0, new QTableWidgetItem(rows[r]));
    for (int c = 1; c <= 16; ++c)
        StringGrid1->setItem(0, c, new QTableWidgetItem(QString::number(c)));
    StringGrid1->setCurrentCell(-1, -1);
    StringGrid1->resizeColumnsToContents();
    layout->addWidget(StringGrid1);
    layout->addWidget(new QLabel(QStringLiteral("立体全体の情報")));
    auto* figures = new QGridLayout;
    LblFaceNum = new QLabel(QStringLiteral("面の個数："));
    LblEdgeNum = new QLabel(QStringLiteral("辺の個数："));
    LblVertexNum = new QLabel(QStringLiteral("頂点の個数："));
    LblSphereRadius = new QLabel(QStringLiteral("外接球半径："));
    LblSufaceArea = new QLabel(QStringLiteral("表面積："));
    LblVolume = new QLabel(QStringLiteral("体積："));
    // Counts side by side; the long numbers get a row each.
    figures->addWidget(LblFaceNum, 0, 0);
    figures->addWidget(LblEdgeNum, 0, 1);
    figures->addWidget(LblVertexNum, 0, 2);
    figures->addWidget(LblSphereRadius, 1, 0, 1, 3);
    figures->addWidget(LblSufaceArea, 2, 0, 1, 3);
    figures->addWidget(LblVolume, 3, 0, 1, 3);
    layout->addLayout(figures);
    layout->addWidget(new QLabel(QStringLiteral("立体豆知識")));
    SolidInfoRcEd = Pane(solid);
    layout->addWidget(SolidInfoRcEd, 1);
    PgCtrlInfo->addTab(solid, QStringLiteral("立体情報"));
}

void TFrmPolyhedron::CreateColourPage()
{
    QVBoxLayout* page = ScrollingPage(PgCtrlInfo, QStringLiteral("色"));
    SwatchRow(page, QStringLiteral("背景の色"), ShapeBG, ColChBtnBG, White, QStringLiteral("背景の色を変更します"));
    BuildColourGroup(0, GroupPanel(page, QStringLiteral("元の立体の色")));
    FWidthCbBx = WidthRow(page);
    SwatchRow(page, QStringLiteral("骨組みの色（表側）"), ShapeFF1, ColChBtnFF1, Lime, QStringLiteral("表側の骨組みの色を変更します"));
    SwatchRow(page, QStringLiteral("骨組みの色（裏側）"), ShapeFB1, ColChBtnFB1, Lime, QStringLiteral("裏側の骨組みの色を変更します"));
    BuildColourGroup(2, GroupPanel(page, QStringLiteral("星型正多角形の色")));
    page->addStretch(1);
}

void TFrmPolyhedron::CreateDualPage()
{
    QVBoxLayout* page = ScrollingPage(PgCtrlInfo, QStringLiteral("双対"));
    BuildColourGroup(1, GroupPanel(page, QStringLiteral("双対立体の色")));
    FWidthCbBx2 = WidthRow(page);
    SwatchRow(page, QStringLiteral("骨組みの色（表側）"), ShapeFF2, ColChBtnFF2, Teal, QStringLiteral("双対立体の表側の骨組みの色を変更します"));
    SwatchRow(page, QStringLiteral("骨組みの色（裏側）"), ShapeFB2, ColChBtnFB2, Teal, QStringLiteral("双対立体の裏側の骨組みの色を変更します"));
    QWidget* box = nullptr;
    LightModeRdBx = RadioGroup(nullptr, QStringLiteral("陰影"),
                               {QStringLiteral("光線による変化あり"), QStringLiteral("光線による変化なし")}, 0, box);
    page->addWidget(box);
    VRMLLineCkBx = new QCheckBox(QStringLiteral("VRML出力時に直線を浮かす"));
    VRMLLineCkBx->setToolTip(QStringLiteral("VRML出力時に面に辺がめりこんでしまうのを防止"));
    VRMLLineCkBx->setChecked(true);
    page->addWidget(VRMLLineCkBx);
    page->addStretch(1);
}

void TFrmPolyhedron::CreateSettingsPage()
{
    QVBoxLayout* page = ScrollingPage(PgCtrlInfo, QStringLiteral("表示設定"));
    EngCkBx = new QCheckBox(QStringLiteral("多面体の名称に英語名を使う"));
    EngCkBx->setToolTip(QStringLiteral("上部パネルの「多面体を選んでね」のところを英語で表示"));
    page->addWidget(EngCkBx);
    QWidget* box = nullptr;
    SkeltonRdGp = RadioGroup(nullptr, QStringLiteral("質感"),
                             {QStringLiteral("絶えず不透明"), QStringLiteral("複合時のみ　片方透明に立体をくりぬく"),
                              QStringLiteral("絶えず透明"), QStringLiteral("手前側のみ透明（裏側は不透明）"),
                              QStringLiteral("フレーム（骨組みだけ）")},
                             1, box);
    page->addWidget(box);
    PersModeRdbx = RadioGroup(nullptr, QStringLiteral("パースペクティブ"),
                              {QStringLiteral("パースなし"), QStringLiteral("パース軽め"), QStringLiteral("パース普通"),
                               QStringLiteral("パース強め")},
                              1, box);
    page->addWidget(box);
    const QStringList opacities = {QStringLiteral("６０％"), QStringLiteral("５０％"), QStringLiteral("４０％"),
                                   QStringLiteral("２５％")};
    auto* alphas = new QHBoxLayout;
    AlphaRdBx = RadioGroup(nullptr, QStringLiteral("透明度"), opacities, 1, box);
    alphas->addWidget(box);
    AlphaRdBx2 = RadioGroup(nullptr, QStringLiteral("双対"), opacities, 2, box);
    alphas->addWidget(box);
    page->addLayout(alphas);
    ZoomRdBx = RadioGroup(nullptr, QStringLiteral("倍率"),
                          {QStringLiteral("画面の幅に合わせる"), QStringLiteral("双対図形時も画面の幅に合わせる"),
                           QStringLiteral("固定　１／２"), QStringLiteral("固定　１倍"), QStringLiteral("固定　２倍")},
                          1, box);
    page->addWidget(box);
    page->addStretch(1);
}

QButtonGroup* TFrmPolyhedron::RadioGroup(QWidget* page, const QString& caption, const QStringList& items, int checked,
                                         QWidget*& box)
{
    auto* group = new QGroupBox(caption, page);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i]);
        radio->setChecked(i == checked);
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    box = group;
    return buttons;
}
