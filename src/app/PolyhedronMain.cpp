// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its start-up, its controls, and the configuration they hold.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "app/ChangeColors.h"
#include "app/ComfirmForm.h"
#include "app/InputColorsSetName.h"
#include "surface/GlSurface.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <numeric>

namespace {

const QColor FormColour(232, 219, 196);
const QColor MoneyGreen(192, 220, 192);
const QColor SkyBlue(166, 202, 240);

QLabel* Label(QWidget* parent, const char* text, int x, int y)
{
    auto* label = new QLabel(parent);
    label->move(x, y);
    SetCaption(label, TCaptionRole::Text, text);
    label->adjustSize();  // placed by hand: its size follows its text (again at every change of language)
    return label;
}

QComboBox* Combo(QWidget* parent, const QStringList& items, int current, int x, int y, int w, const char* hint)
{
    auto* box = new QComboBox(parent);
    box->addItems(items);
    box->setCurrentIndex(current);
    box->setGeometry(x, y, w, 20);
    SetCaption(box, TCaptionRole::ToolTip, hint);
    return box;
}

// Less padding and a narrower arrow, for the small number boxes of the top panel.
QString CompactComboStyle()
{
    return QStringLiteral("QComboBox { padding: 0px 0px 0px 1px; } QComboBox::drop-down { width: 13px; }");
}

QStringList Numbers(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QString::number(i);
    return items;
}

}  // namespace

const char* const ChoosePrompt = QT_TRANSLATE_NOOP("Zenkari", "多面体を選んでね");
const char* const GridInfoHeading = QT_TRANSLATE_NOOP("Zenkari", "情報");

void TMemoPane::AppendLine(const std::string& line)
{
    Memo->appendPlainText(QString::fromStdString(line));
}

void TMemoPane::Clear()
{
    Memo->clear();
}

TFrmPolyhedron::TFrmPolyhedron(QWidget* parent) : QWidget(parent)
{
    FormCreate();
}

TFrmPolyhedron::~TFrmPolyhedron()
{
    // A build still running is paused and waited for before anything it uses goes.
    if (Building()) {
        Runner.RequestStop();
        (void)Runner.Take();
    }
    // An export reads the session: it is finished (the user asked for that file) before
    // the session goes. The outer figures' worker is not waited for: its job holds copies.
    if (PrintWorker)
        PrintWorker->Wait();
}

void TFrmPolyhedron::FormCreate()
{
    ProgramDirectory = QDir::currentPath().toStdString();
    setWindowTitle(QStringLiteral("Zenkari Ver0.02"));
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(12);
    setFont(font);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, FormColour);
    setPalette(colours);

    ListedSolidCount = -1;
    StepUpMatrix = TiltMatrix(-RotationStep);
    StepDownMatrix = TiltMatrix(RotationStep);
    StepLeftMatrix = TurnMatrix(-RotationStep);
    StepRightMatrix = TurnMatrix(RotationStep);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = TopPanel = new QWidget(this);
    top->setFixedHeight(73);
    top->setAutoFillBackground(true);
    QPalette topColours = top->palette();
    topColours.setColor(QPalette::Window, MoneyGreen);
    top->setPalette(topColours);
    layout->addWidget(top);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setHandleWidth(5);
    splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background: rgb(166, 202, 240); }"));
    layout->addWidget(splitter, 1);
    CreateProgressPanel();
    layout->addWidget(ProgressPanel);

    CreateTopPanel(top);
    CreatePolygonBoxes(top);
    DXDraw1 = new TGlSurface(splitter);
    DXDraw1->setMinimumSize(100, 100);
    auto* right = new QWidget(splitter);
    right->setFixedWidth(290);
    CreateRightPanel(right);
    splitter->addWidget(DXDraw1);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);

    CheckSettingsFile();
    LoadSchemeNames();
    MemoPane = std::make_unique<TMemoPane>(Memo1);
    FillPolyhedronList();
    MaxRegPolygonCbBxChange();
    ConnectHandlers();
    LoadSettings();
    RestoreSchemeChoices();
    FrmChColors = new TFrmChColors(this);
    FrmChColors->ChooseColour = [this](TColourSwatch* swatch) {
        const QColor chosen = QColorDialog::getColor(ToQColor(swatch->Colour()), FrmChColors);
        if (chosen.isValid())
            swatch->SetColour(FromQColor(chosen));
        SaveCustomColors();
    };
    FrmInputColorsSetName = new TFrmInputColorsSetName(this);
    FrmComfirm = new TFrmComfirm(this);
    SetUpExportDialog();
    TimerDown = new QTimer(this);
    TimerDown->setInterval(100);
    connect(TimerDown, &QTimer::timeout, this, [this] { TimerDownTimer(); });
    TimerDown->start();
    // The design size is the smallest at which every control can be read and reached;
    // larger windows give the room to the view and the pages.
    setMinimumSize(712, 509);
    resize(712, 509);
    CentreOnScreen();
}

void TFrmPolyhedron::CentreOnScreen()
{
    const QScreen* where = screen();
    if (where == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(where->availableGeometry().center());
    move(frame.topLeft());
}

void TFrmPolyhedron::CreateTopPanel(QWidget* panel)
{
    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "多面体"), 4, 5);
    PolyhedronCbBx = new QComboBox(panel);
    PolyhedronCbBx->setEditable(true);
    PolyhedronCbBx->setInsertPolicy(QComboBox::NoInsert);
    PolyhedronCbBx->setMaxVisibleItems(40);
    PolyhedronCbBx->setGeometry(44, 2, 509, 20);
    PolyhedronCbBx->setEditText(Tr(ChoosePrompt));
    SetCaption(PolyhedronCbBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "一様多面体がたくさん登録されています。選んでください"));
    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "正"), 560, 5);
    MaxRegPolygonCbBx = Combo(panel, Numbers(3, 32), 17, 574, 2, 44,
                              QT_TRANSLATE_NOOP("Zenkari", "何角形まで使用するか上限を設定してください"));
    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "角形まで使用"), 621, 5);

    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "個数"), 4, 28);
    CBatVertex = Combo(panel, Numbers(3, 16), 0, 30, 25, 40, QT_TRANSLATE_NOOP("Zenkari", "頂点に集まる多角形の個数"));
    CBatVertex->setStyleSheet(CompactComboStyle());  // "16" must fit beside its arrow
    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "多角形"), 76, 28);
    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "頂点数上限"), 4, 50);
    QStringList limits;
    for (int i = 1; i <= 100; ++i)
        limits << QStringLiteral("%1").arg(i * 10, 4);
    VertexLimitCbBx = Combo(panel, limits, 19, 64, 47, 51,
                            QT_TRANSLATE_NOOP("Zenkari", "何個の頂点まで探索するか上限を設定してください"));
    // Four right-aligned digits must fit left of the polygon boxes.
    VertexLimitCbBx->setStyleSheet(CompactComboStyle());

    SatellatedChBx = new QCheckBox(panel);
    SatellatedChBx->setGeometry(570, 25, 50, 20);
    SetCaption(SatellatedChBx, TCaptionRole::Text, QT_TRANSLATE_NOOP("Zenkari", "星形"));
    SetCaption(SatellatedChBx, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "星形正多角形を使用するかどうか"));
    DualChBx = new QCheckBox(panel);
    DualChBx->setGeometry(624, 25, 50, 20);
    SetCaption(DualChBx, TCaptionRole::Text, QT_TRANSLATE_NOOP("Zenkari", "双対"));
    SetCaption(DualChBx, TCaptionRole::ToolTip, QT_TRANSLATE_NOOP("Zenkari", "双対立体を表示"));
    Label(panel, QT_TRANSLATE_NOOP("Zenkari", "何周"), 570, 50);
    CBCover =
        Combo(panel, Numbers(0, 7), 1, 594, 47, 34, QT_TRANSLATE_NOOP("Zenkari", "多角形が頂点の周りを何周しているか"));
    AddingChBx = new QCheckBox(panel);
    AddingChBx->setGeometry(630, 47, 82, 20);
    SetCaption(AddingChBx, TCaptionRole::Text, QT_TRANSLATE_NOOP("Zenkari", "最後は付加"));
    SetCaption(AddingChBx, TCaptionRole::ToolTip,
               QT_TRANSLATE_NOOP("Zenkari", "頂点構造にぐらつきがある場合、最後の多角形を、最初の多角形と最後から２番目"
                                            "の多角形の間にあるものとして擬似的に扱う"));
}

void TFrmPolyhedron::CreatePolygonBoxes(QWidget* panel)
{
    for (int i = 1; i <= MaxPolygonCount; ++i) {
        auto* box = new QComboBox(panel);
        box->setGeometry((i - 1) % 8 * 56 + 116, (i - 1) / 8 * 20 + 25, 53, 20);
        box->setMaxVisibleItems(37);
        // A narrow arrow leaves room for the longest kind, "32/31", in the design's 53 pixels.
        box->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 0px 0px 2px; }"
                                          " QComboBox::drop-down { width: 12px; }"));
        SetCaption(box, TCaptionRole::ToolTip,
                   QT_TRANSLATE_NOOP("Zenkari", "頂点の周りに集まる正多角形が何角形であるかを指定してください"));
        box->setVisible(i <= 3);
        PolygonCbBx[i - 1] = box;
    }
}

void TFrmPolyhedron::CBatVertexChange()
{
    const int k = CBatVertex->currentIndex() + 3;
    for (int i = 0; i < MaxPolygonCount; ++i)
        PolygonCbBx[i]->setVisible(i < k);
}

void TFrmPolyhedron::MaxRegPolygonCbBxChange()
{
    const int maxN = MaxRegPolygonCbBx->currentIndex() + 3;
    const bool star = SatellatedChBx->isChecked();
    PolygonKindN.clear();
    PolygonKindD.clear();
    QStringList items;
    for (int n = 3; n <= maxN; ++n) {
        items << QString::number(n);
        PolygonKindN.push_back(n);
        PolygonKindD.push_back(1);
        for (int d = 2; star && d < n; ++d) {
            if (std::gcd(d, n) != 1)
                continue;
            items << QStringLiteral("%1/%2").arg(n).arg(d);
            PolygonKindN.push_back(n);
            PolygonKindD.push_back(d);
        }
    }
    const int selected = star ? 0 : maxN - 3;
    for (QComboBox* box : PolygonCbBx) {
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(selected);
        // The drop-down list as wide as its longest item, with room for its scroll bar.
        QAbstractItemView* list = box->view();
        const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        list->setMinimumWidth(list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth() + 8);
    }
}

TVertexConfiguration TFrmPolyhedron::ReadVertexConfiguration() const
{
    TVertexConfiguration config;
    config.PolygonCount = CBatVertex->currentIndex() + 3;
    for (int i = 0; i < config.PolygonCount; ++i) {
        const int j = std::max(PolygonCbBx[i]->currentIndex(), 0);
        config.N[i] = PolygonKindN[j];
        config.D[i] = PolygonKindD[j];
    }
    config.Winding = CBCover->currentIndex();
    config.AddLast = AddingChBx->isChecked();
    config.VertexLimit = (VertexLimitCbBx->currentIndex() + 1) * 10;
    return config;
}

int TFrmPolyhedron::Selection() const
{
    return ViewPNumCbBx->currentRow();
}
