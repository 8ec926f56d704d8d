// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: configuration controls on top, the view on the left, the build and
// rotation controls and five pages of information and settings on the right. Its
// handlers keep the names the design gives them; they are spread over the files
// PolyhedronMain*.cpp by concern (controls, build, view, rotation, colours).

#include "app/Captions.h"
#include "app/ColourSwatch.h"
#include "app/IniFile.h"
#include "app/OuterFigures.h"
#include "common/DetachedWorker.h"
#include "common/DisplaySettings.h"
#include "common/Messages.h"
#include "session/BuildRunner.h"
#include "session/BuildSession.h"
#include "session/ExportFile.h"
#include "session/ExportNet.h"

#include <QWidget>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QKeyEvent;
class QPrinter;
class QPoint;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class TGlSurface;
class TFrmChColors;
class TFrmInputColorsSetName;
class TFrmComfirm;

// The information pane as the engine sees it: lines appended to Memo1.
class TMemoPane : public TInfoPane {
public:
    explicit TMemoPane(QPlainTextEdit* memo) : Memo(memo) {}
    void AppendLine(const std::string& line) override;
    void Clear() override;

private:
    QPlainTextEdit* Memo;
};

// The controls of one colour group: a single colour and a palette of 30.
struct TColourGroupControls {
    QGroupBox* Panel = nullptr;
    QCheckBox* MonoCheck = nullptr;
    TColourSwatch* SingleSwatch = nullptr;
    QPushButton* SingleButton = nullptr;
    QComboBox* SchemeSelector = nullptr;
    std::array<TColourSwatch*, PaletteSize> Palette{};
    QPushButton* PaletteButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* DeleteButton = nullptr;
};

// What the export dialog's answer writes: a format of what is shown, or the outer surface
// for a 3-D printer (STL or 3MF, as the path's extension says).
struct TExportChoice {
    TExportFormat Format = TExportFormat::Vrml;
    bool Print = false;
    bool Net = false;  // a paper model, PDF or SVG by the file's name
    TNetMode NetMode = TNetMode::Net;
};

// The selector's text before a catalogue item is chosen.
extern const char* const ChoosePrompt;
// The heading of the per-polygon table's first column.
extern const char* const GridInfoHeading;

class TFrmPolyhedron : public QWidget {
public:
    explicit TFrmPolyhedron(QWidget* parent = nullptr);
    ~TFrmPolyhedron() override;

    // Start-up and the configuration controls.
    void FormCreate();
    void CentreOnScreen();
    void CBatVertexChange();
    void MaxRegPolygonCbBxChange();
    [[nodiscard]] TVertexConfiguration ReadVertexConfiguration() const;

    // The catalogue.
    void FillPolyhedronList();
    void PolyhedronCbBxChange();
    void EngCkBxClick();

    // The language of the interface ("言語 / Language"): every caption, hint and item set
    // again at once; lines already in the panes stay as written.
    void LanguageCbBxChange();
    void ApplyLanguage(TLanguage language);
    void RetranslateWindow();
    void SetGridHeadings();
    [[nodiscard]] TLanguage InterfaceLanguage() const;

    // Building.
    void BuildButtonClick(QObject* sender);
    void ResetBuildBtnClick(QObject* sender);
    void RefreshFoundList();
    // A one-shot build on a worker thread: the window stays live, a progress line shows
    // after a short while, "中止" pauses it, and the result is handed over in one piece.
    void StartOneShot(QObject* sender);
    void ProgressTimerTimer();
    void StopBuildBtnClick();
    // "再開": the paused one-shot build goes on on the worker from where it stopped.
    void ResumeBuildBtnClick();
    [[nodiscard]] bool Building() const { return Runner.Running(); }

    // The view and the figures.
    // Forms what the view shows (the dual's report to the pane the first time), then draws it.
    void RedrawView();
    // Draws what is formed: the view turned, resized or repainted.
    void DrawView();
    void GraphmodeChange();
    void ViewPNumCbBxClick();
    void FillPolygonTable();
    void ShowSolidFigures(bool areaBlank);
    void ShowFigureHeadings();
    void ShowSolidInfo();
    // The symmetry, the vertex orbits and the topology of the solid on show.
    void ShowSolidClass();
    void SetSolidClassHeadings();
    // The enclosed volume and the outer area of the solid shown, worked out on a worker
    // of their own ("計算中…" meanwhile); blank where the area and the volume are.
    void ShowOuterFigures(bool areaBlank);
    void OuterFiguresArrived(TOuterFiguresAnswer answer);
    void VRMLBtnClick();
    void SetUpExportDialog();
    void SetExportFilters();
    [[nodiscard]] TExportChoice ChosenExport(const QString& path) const;

    // Writing the outer surface for a 3-D printer: the height is asked the first time and
    // kept ("3Dプリントの高さ" on the display-settings page changes it); the surface is
    // formed on a worker while the window stays live.
    [[nodiscard]] std::optional<double> PrintHeight();
    void PrintHeightSpBxChange();
    void StartPrintExport(int sel, const QString& path);
    [[nodiscard]] bool Exporting() const { return PrintExporting; }
    [[nodiscard]] TDisplaySettings ReadDisplaySettings() const;

    // Paper models: a net or parts written as PDF or SVG on a worker, or printed at once
    // from the view's right-click menu on the paper the print dialog chose; the menu also
    // copies the view's picture.
    void StartNetExport(int sel, const QString& path, TNetMode mode);
    void ShowViewMenu(const QPoint& at);
    void PrintNetClick(TNetMode mode);
    // The model drawn onto printer's pages (its paper, full page); the summary says what
    // went on them, or why nothing did.
    [[nodiscard]] TNetSummary PrintNet(QPrinter& printer, TNetMode mode);
    void CopyViewPicture();
    // The name of the solid shown, for the model's pages: the catalogue's, else its configuration.
    [[nodiscard]] QString ShownSolidName() const;
    [[nodiscard]] TNetRequest NetRequestFor(TNetMode mode) const;

    // Rotation.
    void StepUp();
    void StepDown();
    void StepLeft();
    void StepRight();
    void DirectionButtonClick(QObject* sender);
    void BtnStopClick();
    void AutoChBxClick();
    void StopAutoRotation();
    void TimerDownTimer();
    void DXDraw1MouseMove(Qt::MouseButtons buttons, int x, int y);
    // The wheel zooms the view in steps of a tenth, on top of the zoom mode; the arrow
    // keys turn it as the arrow buttons do, Ctrl+C copies its picture (the view has the
    // focus once clicked); F1 shows what the controls do.
    void WheelZoom(double notches);
    [[nodiscard]] bool ViewKey(int key, Qt::KeyboardModifiers modifiers);
    void ShowHelp();
    // The program's name and the solid on show.
    void UpdateWindowTitle();
    double ZoomFactor = 1.0;

    // The settings file.
    [[nodiscard]] TIniFile SettingsFile() const;
    void LoadSettings();
    void SaveSettings();
    void SaveCustomColors();
    void SaveAndGraphModeChange();
    void VRMLLineCkBxClick();

    // Colour schemes.
    void LoadSchemeNames();
    [[nodiscard]] std::string SchemeNameAt(int index) const;  // as the file holds it; "" for none
    void ApplyScheme(int index, const std::string& expectedName, int g);
    void SchemeSelectorChange(int g);
    void MonoCheckClick(int g);
    void EditGroupColors(int g);
    void SaveScheme(int g);
    void DeleteScheme(int g);
    void RestoreSchemeChoices();

    // Colours.
    void BuildColourGroup(int g, QGroupBox* panel);
    [[nodiscard]] TColour GroupBaseColour(int g, int n) const;
    void ChangeSwatchColor(TColourSwatch* swatch);

    // The selected item of the found-solids list, -1 when none.
    [[nodiscard]] int Selection() const;

    // Controls, in the design's names.
    QComboBox* PolyhedronCbBx = nullptr;
    QComboBox* MaxRegPolygonCbBx = nullptr;
    QCheckBox* SatellatedChBx = nullptr;
    QComboBox* CBatVertex = nullptr;
    std::array<QComboBox*, MaxPolygonCount> PolygonCbBx{};
    QComboBox* CBCover = nullptr;
    QCheckBox* DualChBx = nullptr;
    QCheckBox* AddingChBx = nullptr;
    QComboBox* VertexLimitCbBx = nullptr;
    QPushButton* BuildBtn = nullptr;
    QPushButton* ResetBuildBtn = nullptr;
    QPushButton* StepBuildBtn = nullptr;
    QPushButton* VRMLBtn = nullptr;
    QListWidget* ViewPNumCbBx = nullptr;
    QCheckBox* CompoundChBx = nullptr;
    QPushButton* BtnUp = nullptr;
    QPushButton* BtnLeft = nullptr;
    QPushButton* BtnDown = nullptr;
    QPushButton* BtnRight = nullptr;
    QPushButton* BtnStop = nullptr;
    QCheckBox* AutoChBx = nullptr;
    QTabWidget* PgCtrlInfo = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* LblFaceNum = nullptr;
    QLabel* LblVertexNum = nullptr;
    QLabel* LblEdgeNum = nullptr;
    QLabel* LblSufaceArea = nullptr;
    QLabel* LblVolume = nullptr;
    QLabel* LblSphereRadius = nullptr;
    QLabel* LblEnclosedVolume = nullptr;
    QLabel* LblOuterArea = nullptr;
    QLabel* LblSymmetry = nullptr;
    QLabel* LblVertexOrbits = nullptr;
    QLabel* LblEuler = nullptr;
    QPlainTextEdit* SolidInfoRcEd = nullptr;
    TColourSwatch* ShapeBG = nullptr;
    TColourSwatch* ShapeFF1 = nullptr;
    TColourSwatch* ShapeFB1 = nullptr;
    TColourSwatch* ShapeFF2 = nullptr;
    TColourSwatch* ShapeFB2 = nullptr;
    QPushButton* ColChBtnBG = nullptr;
    QPushButton* ColChBtnFF1 = nullptr;
    QPushButton* ColChBtnFB1 = nullptr;
    QPushButton* ColChBtnFF2 = nullptr;
    QPushButton* ColChBtnFB2 = nullptr;
    QComboBox* FWidthCbBx = nullptr;
    QComboBox* FWidthCbBx2 = nullptr;
    QButtonGroup* LightModeRdBx = nullptr;
    QCheckBox* VRMLLineCkBx = nullptr;
    QCheckBox* EngCkBx = nullptr;
    QComboBox* LanguageCbBx = nullptr;          // 0 日本語, 1 English
    QDoubleSpinBox* PrintHeightSpBx = nullptr;  // millimetres
    QWidget* ButtonPanel = nullptr;             // the build buttons, the found list and the rotation buttons
    QButtonGroup* SkeltonRdGp = nullptr;
    QButtonGroup* PersModeRdbx = nullptr;
    QButtonGroup* AlphaRdBx = nullptr;
    QButtonGroup* AlphaRdBx2 = nullptr;
    QButtonGroup* ZoomRdBx = nullptr;
    TGlSurface* DXDraw1 = nullptr;
    QTimer* TimerDown = nullptr;
    std::array<TColourGroupControls, 3> ColourGroups;

    TFrmChColors* FrmChColors = nullptr;
    TFrmInputColorsSetName* FrmInputColorsSetName = nullptr;
    TFrmComfirm* FrmComfirm = nullptr;
    QFileDialog* VRMLSaveDialog = nullptr;  // saves in every export format, VRML first

    // State.
    std::string ProgramDirectory;          // current at start-up: the settings file lives there
    std::vector<std::string> SchemeNames;  // the saved colour schemes, in order
    bool SettingsUnwritableShown = false;  // the user has been told once
    TBuildSession Session;                 // the engine, the build state and what is formed for the view
    std::unique_ptr<TMemoPane> MemoPane;
    int ListedSolidCount = -1;
    int ListedCompleteUpTo = 0;  // the list's mark as last written
    // How long a one-shot build may keep the window before it goes on in the background
    // with a progress line; -1 waits for the end (tests that read results at once).
    int SyncBuildWaitMs = 150;
    // A slice in search steps instead (>= 0), for tests: it ends at the same place on
    // every machine, however loaded.
    long long SyncBuildSteps = -1;
    // How the outer figures are worked out, on the worker, from the job's own copy of the
    // solid; tests put a gate in front of it.
    std::function<TResult(const TBuiltSolid&, TEnclosedFigures&)> FormEnclosedFigures = EnclosedFigures;
    QWidget* TopPanel = nullptr;
    QWidget* ProgressPanel = nullptr;
    QLabel* ProgressLbl = nullptr;
    QPushButton* StopBuildBtn = nullptr;
    QPushButton* ResumeBuildBtn = nullptr;
    QTimer* ProgressTimer = nullptr;
    std::vector<int> PolygonKindN;
    std::vector<int> PolygonKindD;
    TMatrix3 ViewMatrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    TMatrix3 StepUpMatrix, StepDownMatrix, StepLeftMatrix, StepRightMatrix;
    bool AutoTurnRight = false, AutoTurnLeft = false, AutoTiltUp = false, AutoTiltDown = false;
    bool Dragging = false;
    int DragStartX = 0, DragStartY = 0;
    TMatrix3 DragStartMatrix;
    int LastSurfaceWidth = 0, LastSurfaceHeight = 0;

protected:
    // F1 anywhere in the window, where the control with the focus has no use for it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateTopPanel(QWidget* panel);
    void CreatePolygonBoxes(QWidget* panel);
    void CreateRightPanel(QWidget* panel);
    void CreateInfoPages();
    void CreateColourPage();
    void CreateDualPage();
    void CreateSettingsPage();
    void ConnectHandlers();
    void FillSchemeSelectors();
    // The eight colour keys of the settings file and the swatches they keep.
    [[nodiscard]] std::array<std::pair<const char*, TColourSwatch*>, 8> ColourKeys() const;
    void WarnIfUnwritable(const TResult& written);
    // The settings file cannot be used (text: a marked message with %1 for its name); shown once.
    void ShowSettingsWarning(const char* text);
    // Before the first access: a settings file that is not a regular file is reported.
    void CheckSettingsFile();
    void CreateProgressPanel();
    // The worker's word that the build is over, on the window's thread.
    void OneShotDone();
    // A search at a smaller limit has ended while the build goes on: its solids are listed.
    void StageDone();
    void FinishOneShot(TOneShotBuild& build);
    // A runner's word, passed on to handler on the window's thread.
    [[nodiscard]] TBuildRunner::TDone QueuedOnWindow(void (TFrmPolyhedron::*handler)());
    [[nodiscard]] QString CompleteUpToText(int limit) const;
    // The progress line with "再開" while the session holds a paused one-shot build.
    void ShowPausedBuild();
    void EnableListedSolidControls(bool enabled);
    void SetBuilding(bool building);
    // What would change the solids the session holds, or the one shown, waits while a
    // build or an export uses them.
    void EnableShownSolidControls(bool enabled);
    void SetOuterFigureTexts(const QString& volume, const QString& area, const QString& why);
    void ShowOuterAnswer(const TOuterFiguresAnswer& answer);
    void PostOuterFigures(const TBuiltSolid& solid, const TSolidKey& key);
    void SetExporting(bool exporting, const QString& path);
    void PrintExportDone(const TPrintResult& result, const std::string& path, double heightMm);
    void ReportPrintFile(const TPrintResult& result, const QString& path, double heightMm);
    void NetExportDone(const TNetSummary& summary, const std::string& path);
    void ReportNet(const TNetSummary& summary, const QString& where);
    // What follows every press: the list, its row, the table, the view and the figures.
    void AfterPress(QObject* sender, bool refused);
    void ShowCatalogueChoice();

    TBuildRunner Runner;
    std::chrono::steady_clock::time_point RunningSince;
    QObject* RunningSender = nullptr;
    int PendingPick = 0;            // the catalogue choice waiting for its build
    bool FiguresShown = false;      // the figure labels hold a solid's figures (else their headings)
    bool FiguresAreaBlank = false;  // as last shown
    QString PromptShown;            // the selector's prompt as last set, in its language
    bool PendingDual = false;
    TOuterFiguresCache FiguresKnown;
    std::optional<TSolidKey> FiguresAwaited;  // the solid whose figures the labels wait for
    std::optional<TSolidKey> FiguresPosted;   // the last one handed to the worker, until it answers
    bool PrintHeightKnown = false;            // read from the settings file, asked or set on the page
    bool PrintExporting = false;
    // Reads the session's solids while it writes; joined before the session goes.
    std::unique_ptr<TWorkerThread> PrintWorker;
    QButtonGroup* RadioGroup(QWidget* page, const char* caption, const std::vector<const char*>& items, int checked,
                             QWidget*& box);
    // Last, so that it goes first: from then on no answer is handed to the window.
    TDetachedWorker FiguresWorker;
};
