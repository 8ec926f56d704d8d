// SPDX-License-Identifier: GPL-3.0-or-later
// The right panel: build and rotation controls, and the five tab pages.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "app/SettingsText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor Cream(255, 251, 240);

// caption nullptr: a sign that needs no translation, set by the caller.
QPushButton* Button(QWidget* parent, const char* caption, const char* hint, int x, int y, int w, int h)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(x, y, w, h);
    if (caption != nullptr)
        SetCaption(button, TCaptionRole::Text, caption);
    SetCaption(button, TCaptionRole::ToolTip, hint);
    return button;
}

QPushButton* ArrowButton(QWidget* parent, const QString& arrow, const char* hint, int x, int y)
{
    QPushButton* button = Button(parent, nullptr, hint, x, y, 20, 15);
    button->setText(arrow);
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
QVBoxLayout* ScrollingPage(QTabWidget* tabs, const char* title)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    scroll->setWidget(content);
    SetCaption(tabs, TCaptionRole::Tab, title, {}, tabs->addTab(scroll, QString()));
    return layout;
}

// A row: a caption, a swatch and its button.
QHBoxLayout* SwatchRow(QVBoxLayout* page, const char* caption, TColourSwatch*& swatch, QPushButton*& button,
                       TColour colour, const char* hint)
{
    auto* row = new QHBoxLayout;
    row->addWidget(Captioned(new QLabel, caption));
    swatch = new TColourSwatch(nullptr, colour);
    swatch->setFixedSize(57, 17);
    row->addWidget(swatch);
    button = Captioned(new QPushButton, QT_TRANSLATE_NOOP("Zenkari", "色変更"));
    button->setFixedSize(54, 20);
    SetCaption(button, TCaptionRole::ToolTip, hint);
    row->addWidget(button);
    row->addStretch(1);
    page->addLayout(row);
    return row;
}

QComboBox* WidthRow(QVBoxLayout* page)
{
    auto* row = new QHBoxLayout;
    row->addWidget(Captioned(new QLabel, QT_TRANSLATE_NOOP("Zenkari", "骨組みの太さ")));
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

QGroupBox* GroupPanel(QVBoxLayout* page, const char* title)
{
    auto* panel = new QGroupBox;
    SetCaption(panel, TCaptionRole::Title, title);
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
    auto* upper = ButtonPanel = new QWidget(panel);
    upper->setFixedHeight(73);
    layout->addWidget(upper);
    BuildBtn = Button(upper, QT_TRANSLATE_NOOP("Zenkari", "一括構築"),
                      QT_TRANSLATE_NOOP("Zenkari", "上部パネルで設定した条件で立体を一気に構築します"), 2, 2, 66, 22);
    ResetBuildBtn =
        Button(upper, QT_TRANSLATE_NOOP("Zenkari", "構築開始"),
               QT_TRANSLATE_NOOP("Zenkari", "段階的に立体を構築する場合　これでスタートさせてください"), 70, 2, 66, 22);
    StepBuildBtn = Button(upper, QT_TRANSLATE_NOOP("Zenkari", "構築続行"),
                          QT_TRANSLATE_NOOP("Zenkari", "段階的な構築を続行します"), 138, 2, 66, 22);
    VRMLBtn = Button(upper, QT_TRANSLATE_NOOP("Zenkari", "VRML出力"),
                     QT_TRANSLATE_NOOP("Zenkari", "左部パネルに表示されている立体をVRMLで出力します"), 206, 2, 82, 22);
    auto* built = Captioned(new QLabel(upper), QT_TRANSLATE_NOOP("Zenkari", "構築立体"));
    built->move(2, 30);
    ViewPNumCbBx = new QListWidget(upper);
    ViewPNumCbBx->setGeometry(48, 26, 56, 45);
    // Rows too wide for it (a note of how far the list is complete) are cut with "…" and
    // named whole in their tooltips, so that no sideways scroll bar takes a row's height.
    ViewPNumCbBx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ViewPNumCbBx->setTextElideMode(Qt::ElideRight);
    SetCaption(ViewPNumCbBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "条件にあう立体が複数あった場合　ここで選んでください"));
    auto* shown = Captioned(new QLabel(upper), QT_TRANSLATE_NOOP("Zenkari", "を表示"));
    shown->move(106, 30);
    CompoundChBx = Captioned(new QCheckBox(upper), QT_TRANSLATE_NOOP("Zenkari", "複合"));
    CompoundChBx->setGeometry(104, 50, 46, 18);
    SetCaption(CompoundChBx, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "元の立体と双対立体の複合立体を表示"));
    BtnUp = ArrowButton(upper, QStringLiteral("↑"), QT_TRANSLATE_NOOP("Zenkari", "上方向に立体を回転"), 172, 26);
    BtnLeft = ArrowButton(upper, QStringLiteral("←"), QT_TRANSLATE_NOOP("Zenkari", "左方向に立体を回転"), 152, 41);
    BtnRight = ArrowButton(upper, QStringLiteral("→"), QT_TRANSLATE_NOOP("Zenkari", "右方向に立体を回転"), 192, 41);
    BtnDown = ArrowButton(upper, QStringLiteral("↓"), QT_TRANSLATE_NOOP("Zenkari", "下方向に立体を回転"), 172, 56);
    auto* turning = Captioned(new QLabel(upper), QT_TRANSLATE_NOOP("Zenkari", "←立体の回転"));
    turning->move(215, 27);
    BtnStop = Button(upper, QT_TRANSLATE_NOOP("Zenkari", "停止"),
                     QT_TRANSLATE_NOOP("Zenkari", "自動回転時に立体を停止します"), 215, 42, 40, 15);
    AutoChBx = Captioned(new QCheckBox(upper), QT_TRANSLATE_NOOP("Zenkari", "自動回転"));
    AutoChBx->setGeometry(215, 57, 75, 15);
    AutoChBx->setChecked(true);
    SetCaption(AutoChBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "左にあるカーソルボタンをクリックしたとき立体を自動的に回転させます"));

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
    infoLayout->addWidget(Captioned(new QLabel, QT_TRANSLATE_NOOP("Zenkari", "情報窓")));
    Memo1 = Pane(info);
    infoLayout->addWidget(Memo1, 1);
    SetCaption(PgCtrlInfo, TCaptionRole::Tab, QT_TRANSLATE_NOOP("Zenkari", "情報窓"), {},
               PgCtrlInfo->addTab(info, QString()));

    auto* solid = new QWidget;
    auto* layout = new QVBoxLayout(solid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(Captioned(new QLabel, QT_TRANSLATE_NOOP("Zenkari", "正多角形ごとの情報")));
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
    SetGridHeadings();
    for (int c = 1; c <= 16; ++c)
        StringGrid1->setItem(0, c, new QTableWidgetItem(QString::number(c)));
    StringGrid1->setCurrentCell(-1, -1);
    StringGrid1->resizeColumnsToContents();
    layout->addWidget(StringGrid1);
    layout->addWidget(Captioned(new QLabel, QT_TRANSLATE_NOOP("Zenkari", "立体全体の情報")));
    auto* figures = new QGridLayout;
    LblFaceNum = new QLabel;
    LblEdgeNum = new QLabel;
    LblVertexNum = new QLabel;
    LblSphereRadius = new QLabel;
    LblSufaceArea = new QLabel;
    LblVolume = new QLabel;
    LblEnclosedVolume = new QLabel;
    LblOuterArea = new QLabel;
    LblSymmetry = new QLabel;
    LblVertexOrbits = new QLabel;
    LblEuler = new QLabel;
    ShowFigureHeadings();
    // Counts side by side; the long numbers get a row each.
    figures->addWidget(LblFaceNum, 0, 0);
    figures->addWidget(LblEdgeNum, 0, 1);
    figures->addWidget(LblVertexNum, 0, 2);
    figures->addWidget(LblSphereRadius, 1, 0, 1, 3);
    figures->addWidget(LblSufaceArea, 2, 0, 1, 3);
    figures->addWidget(LblVolume, 3, 0, 1, 3);
    figures->addWidget(LblEnclosedVolume, 4, 0, 1, 3);
    figures->addWidget(LblOuterArea, 5, 0, 1, 3);
    figures->addWidget(LblSymmetry, 6, 0, 1, 3);
    figures->addWidget(LblVertexOrbits, 7, 0, 1, 3);
    figures->addWidget(LblEuler, 8, 0, 1, 3);
    layout->addLayout(figures);
    layout->addWidget(Captioned(new QLabel, QT_TRANSLATE_NOOP("Zenkari", "立体豆知識")));
    SolidInfoRcEd = Pane(solid);
    // The remark takes what the figures leave: at the design size, three lines or so.
    SolidInfoRcEd->setMinimumHeight(3 * SolidInfoRcEd->fontMetrics().lineSpacing());
    layout->addWidget(SolidInfoRcEd, 1);
    SetCaption(PgCtrlInfo, TCaptionRole::Tab, QT_TRANSLATE_NOOP("Zenkari", "立体情報"), {},
               PgCtrlInfo->addTab(solid, QString()));
}

void TFrmPolyhedron::CreateColourPage()
{
    QVBoxLayout* page = ScrollingPage(PgCtrlInfo, QT_TRANSLATE_NOOP("Zenkari", "色"));
    SwatchRow(page, QT_TRANSLATE_NOOP("Zenkari", "背景の色"), ShapeBG, ColChBtnBG, White,
              QT_TRANSLATE_NOOP("Zenkari", "背景の色を変更します"));
    BuildColourGroup(0, GroupPanel(page, QT_TRANSLATE_NOOP("Zenkari", "元の立体の色")));
    FWidthCbBx = WidthRow(page);
    SwatchRow(page, QT_TRANSLATE_NOOP("Zenkari", "骨組みの色（表側）"), ShapeFF1, ColChBtnFF1, Lime,
              QT_TRANSLATE_NOOP("Zenkari", "表側の骨組みの色を変更します"));
    SwatchRow(page, QT_TRANSLATE_NOOP("Zenkari", "骨組みの色（裏側）"), ShapeFB1, ColChBtnFB1, Lime,
              QT_TRANSLATE_NOOP("Zenkari", "裏側の骨組みの色を変更します"));
    BuildColourGroup(2, GroupPanel(page, QT_TRANSLATE_NOOP("Zenkari", "星型正多角形の色")));
    page->addStretch(1);
}

void TFrmPolyhedron::CreateDualPage()
{
    QVBoxLayout* page = ScrollingPage(PgCtrlInfo, QT_TRANSLATE_NOOP("Zenkari", "双対"));
    BuildColourGroup(1, GroupPanel(page, QT_TRANSLATE_NOOP("Zenkari", "双対立体の色")));
    FWidthCbBx2 = WidthRow(page);
    SwatchRow(page, QT_TRANSLATE_NOOP("Zenkari", "骨組みの色（表側）"), ShapeFF2, ColChBtnFF2, Teal,
              QT_TRANSLATE_NOOP("Zenkari", "双対立体の表側の骨組みの色を変更します"));
    SwatchRow(page, QT_TRANSLATE_NOOP("Zenkari", "骨組みの色（裏側）"), ShapeFB2, ColChBtnFB2, Teal,
              QT_TRANSLATE_NOOP("Zenkari", "双対立体の裏側の骨組みの色を変更します"));
    QWidget* box = nullptr;
    LightModeRdBx = RadioGroup(
        nullptr, QT_TRANSLATE_NOOP("Zenkari", "陰影"),
        {QT_TRANSLATE_NOOP("Zenkari", "光線による変化あり"), QT_TRANSLATE_NOOP("Zenkari", "光線による変化なし")}, 0,
        box);
    page->addWidget(box);
    VRMLLineCkBx = Captioned(new QCheckBox, QT_TRANSLATE_NOOP("Zenkari", "VRML出力時に直線を浮かす"));
    SetCaption(VRMLLineCkBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "VRML出力時に面に辺がめりこんでしまうのを防止"));
    VRMLLineCkBx->setChecked(true);
    page->addWidget(VRMLLineCkBx);
    page->addStretch(1);
}

void TFrmPolyhedron::CreateSettingsPage()
{
    QVBoxLayout* page = ScrollingPage(PgCtrlInfo, QT_TRANSLATE_NOOP("Zenkari", "表示設定"));
    // Written in both languages, so that whoever cannot read the one in use finds it.
    auto* language = new QHBoxLayout;
    language->addWidget(new QLabel(QStringLiteral("言語 / Language")));
    LanguageCbBx = new QComboBox;
    LanguageCbBx->addItems({QStringLiteral("日本語"), QStringLiteral("English")});
    LanguageCbBx->setToolTip(QStringLiteral("表示に使う言語 / The language of the interface"));
    language->addWidget(LanguageCbBx);
    language->addStretch(1);
    page->addLayout(language);
    EngCkBx = Captioned(new QCheckBox, QT_TRANSLATE_NOOP("Zenkari", "多面体の名称に英語名を使う"));
    SetCaption(EngCkBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "上部パネルの「多面体を選んでね」のところを英語で表示"));
    page->addWidget(EngCkBx);
    QWidget* box = nullptr;
    SkeltonRdGp = RadioGroup(nullptr, QT_TRANSLATE_NOOP("Zenkari", "質感"),
                             {QT_TRANSLATE_NOOP("Zenkari", "絶えず不透明"),
                              QT_TRANSLATE_NOOP("Zenkari", "複合時のみ　片方透明に立体をくりぬく"),
                              QT_TRANSLATE_NOOP("Zenkari", "絶えず透明"),
                              QT_TRANSLATE_NOOP("Zenkari", "手前側のみ透明（裏側は不透明）"),
                              QT_TRANSLATE_NOOP("Zenkari", "フレーム（骨組みだけ）")},
                             1, box);
    page->addWidget(box);
    PersModeRdbx = RadioGroup(nullptr, QT_TRANSLATE_NOOP("Zenkari", "パースペクティブ"),
                              {QT_TRANSLATE_NOOP("Zenkari", "パースなし"), QT_TRANSLATE_NOOP("Zenkari", "パース軽め"),
                               QT_TRANSLATE_NOOP("Zenkari", "パース普通"), QT_TRANSLATE_NOOP("Zenkari", "パース強め")},
                              1, box);
    page->addWidget(box);
    const std::vector<const char*> opacities = {
        QT_TRANSLATE_NOOP("Zenkari", "６０％"), QT_TRANSLATE_NOOP("Zenkari", "５０％"),
        QT_TRANSLATE_NOOP("Zenkari", "４０％"), QT_TRANSLATE_NOOP("Zenkari", "２５％")};
    auto* alphas = new QHBoxLayout;
    AlphaRdBx = RadioGroup(nullptr, QT_TRANSLATE_NOOP("Zenkari", "透明度"), opacities, 1, box);
    alphas->addWidget(box);
    AlphaRdBx2 = RadioGroup(nullptr, QT_TRANSLATE_NOOP("Zenkari", "双対"), opacities, 2, box);
    alphas->addWidget(box);
    page->addLayout(alphas);
    ZoomRdBx = RadioGroup(nullptr, QT_TRANSLATE_NOOP("Zenkari", "倍率"),
                          {QT_TRANSLATE_NOOP("Zenkari", "画面の幅に合わせる"),
                           QT_TRANSLATE_NOOP("Zenkari", "双対図形時も画面の幅に合わせる"),
                           QT_TRANSLATE_NOOP("Zenkari", "固定　１／２"), QT_TRANSLATE_NOOP("Zenkari", "固定　１倍"),
                           QT_TRANSLATE_NOOP("Zenkari", "固定　２倍")},
                          1, box);
    page->addWidget(box);
    auto* height = new QHBoxLayout;
    height->addWidget(Captioned(new QLabel, QT_TRANSLATE_NOOP("Zenkari", "3Dプリントの高さ")));
    PrintHeightSpBx = new QDoubleSpinBox;
    PrintHeightSpBx->setRange(MinPrintHeightMm, MaxPrintHeightMm);
    PrintHeightSpBx->setDecimals(1);
    PrintHeightSpBx->setValue(DefaultPrintHeightMm);
    PrintHeightSpBx->setSuffix(QStringLiteral(" mm"));
    PrintHeightSpBx->setKeyboardTracking(false);  // one change when the typing is done, not one per key
    SetCaption(PrintHeightSpBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "「3Dプリント用」の形式で書き出す模型の高さ"));
    height->addWidget(PrintHeightSpBx);
    height->addStretch(1);
    page->addLayout(height);
    page->addStretch(1);
}

QButtonGroup* TFrmPolyhedron::RadioGroup(QWidget* page, const char* caption, const std::vector<const char*>& items,
                                         int checked, QWidget*& box)
{
    auto* group = new QGroupBox(page);
    SetCaption(group, TCaptionRole::Title, caption);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        auto* radio = Captioned(new QRadioButton, items[static_cast<std::size_t>(i)]);
        radio->setChecked(i == checked);
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    box = group;
    return buttons;
}
