// SPDX-License-Identifier: GPL-3.0-or-later
// The view, the figures of the solid shown, and the export button ("VRML出力", which
// writes the other formats too).

#include "app/PolyhedronMain.h"

#include "app/Captions.h"

#include "catalogue/PolyhedronInfo.h"
#include "export/PolyhedronVRML.h"
#include "measure/PolyhedronCalc.h"
#include "session/ExportFile.h"
#include "surface/GlSurface.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>

TDisplaySettings TFrmPolyhedron::ReadDisplaySettings() const
{
    TDisplaySettings settings;
    settings.DualShown = DualChBx->isChecked();
    settings.CompoundShown = CompoundChBx->isChecked();
    settings.ZoomFactor = ZoomFactor;
    settings.FloatLines = VRMLLineCkBx->isChecked();
    settings.SurfaceMode = SkeltonRdGp->checkedId();
    settings.SolidAlpha = AlphaRdBx->checkedId();
    settings.DualAlpha = AlphaRdBx2->checkedId();
    settings.ZoomMode = ZoomRdBx->checkedId();
    settings.PerspectiveLevel = PersModeRdbx->checkedId();
    settings.Shading = LightModeRdBx->checkedId() == 0;
    settings.EdgeWidth = FWidthCbBx->currentIndex();
    settings.DualEdgeWidth = FWidthCbBx2->currentIndex();
    settings.Background = ShapeBG->Colour();
    settings.SolidEdge = ShapeFF1->Colour();
    settings.SolidEdgeBack = ShapeFB1->Colour();
    settings.DualEdge = ShapeFF2->Colour();
    settings.DualEdgeBack = ShapeFB2->Colour();
    for (int g = 0; g < 3; ++g) {
        const TColourGroupControls& group = ColourGroups[g];
        settings.Groups[g].Mono = group.MonoCheck->isChecked();
        settings.Groups[g].Single = group.SingleSwatch->Colour();
        for (int i = 0; i < PaletteSize; ++i)
            settings.Groups[g].Palette[i] = group.Palette[i]->Colour();
    }
    return settings;
}

void TFrmPolyhedron::RedrawView()
{
    Session.Show(Selection(), ReadDisplaySettings(), *MemoPane);
    DrawView();
    UpdateWindowTitle();
}

void TFrmPolyhedron::DrawView()
{
    const TDisplaySettings settings = ReadDisplaySettings();
    Session.Draw(Selection(), TDrawTarget{*DXDraw1, settings, ViewMatrix});
}

void TFrmPolyhedron::GraphmodeChange()
{
    RedrawView();
}

void TFrmPolyhedron::ViewPNumCbBxClick()
{
    // The dual and the compound are formed anew for the selection, unless the last dual
    // had to be abandoned: then it is not tried again until the next build.
    Session.SelectionChanged(ReadDisplaySettings());
    RedrawView();
    ShowSolidFigures(Selection() == 0);
}

void TFrmPolyhedron::FillPolygonTable()
{
    const auto rows = PolygonTableRows(Session.Geometry());
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < 17; ++c)
            StringGrid1->setItem(r + 1, c, nullptr);
        for (int c = 0; c < static_cast<int>(rows[r].size()) && c < 17; ++c) {
            StringGrid1->setItem(r + 1, c, new QTableWidgetItem(QString::fromStdString(rows[r][c])));
        }
    }
    StringGrid1->setCurrentCell(-1, -1);
    StringGrid1->resizeColumnsToContents();
}

void TFrmPolyhedron::ShowSolidFigures(bool areaBlank)
{
    FiguresShown = true;
    FiguresAreaBlank = areaBlank;
    const TDualSolid* dual = DualChBx->isChecked() ? &Session.Dual() : nullptr;
    const auto texts = SolidFigureTexts(Session.Geometry(), Session.SolidAt(Selection()), dual, areaBlank);
    QLabel* labels[6] = {LblFaceNum, LblVertexNum, LblEdgeNum, LblSufaceArea, LblVolume, LblSphereRadius};
    for (int i = 0; i < 6; ++i)
        labels[i]->setText(QString::fromStdString(texts[i]));
    ShowOuterFigures(areaBlank);
    ShowSolidClass();
    ShowSolidInfo();
}

void TFrmPolyhedron::ShowFigureHeadings()
{
    // Before the first solid is shown: the headings alone.
    const std::pair<QLabel*, const char*> headings[] = {{LblFaceNum, QT_TRANSLATE_NOOP("Zenkari", "面の個数：")},
                                                        {LblEdgeNum, QT_TRANSLATE_NOOP("Zenkari", "辺の個数：")},
                                                        {LblVertexNum, QT_TRANSLATE_NOOP("Zenkari", "頂点の個数：")},
                                                        {LblSphereRadius, QT_TRANSLATE_NOOP("Zenkari", "外接球半径：")},
                                                        {LblSufaceArea, QT_TRANSLATE_NOOP("Zenkari", "表面積：")},
                                                        {LblVolume, QT_TRANSLATE_NOOP("Zenkari", "体積：")}};
    for (const auto& [label, heading] : headings)
        label->setText(Tr(heading));
    SetOuterFigureTexts(QString(), QString(), QString());
    SetSolidClassHeadings();
}

void TFrmPolyhedron::ShowSolidInfo()
{
    SolidInfoRcEd->clear();
    const int s = PolyhedronCbBx->currentIndex();
    if (s < 0 || s >= CatalogueItemCount)
        return;
    // Text typed into the selector keeps the old index: no item is chosen then.
    if (PolyhedronCbBx->currentText() != PolyhedronCbBx->itemText(s))
        return;
    const TCatalogueEntry& entry = PolyhedronCatalogue()[s / 2];
    const bool english = InterfaceLanguage() == TLanguage::English;
    QString remark = QString::fromStdString(s % 2 == 0 ? (english ? entry.EnglishSolidInfo : entry.SolidInfo)
                                                       : (english ? entry.EnglishDualSolidInfo : entry.DualSolidInfo));
    SolidInfoRcEd->setPlainText(remark.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

namespace {

// The save dialog's file types, VRML first, with the format and extension of each; then
// the outer surface for a 3-D printer, and paper models.
enum class TExportKind { View, Print, Net, Parts };

struct TExportFilter {
    const char* Filter;
    TExportFormat Format;
    const char* Suffix;
    TExportKind Kind = TExportKind::View;
};

const TExportFilter ExportFilters[] = {
    {QT_TRANSLATE_NOOP("Zenkari", "VRMLファイル (*.wrl *.WRL)"), TExportFormat::Vrml, "wrl"},
    {"OFF (*.off)", TExportFormat::Off, "off"},
    {"Wavefront OBJ (*.obj)", TExportFormat::Obj, "obj"},
    {"STL (*.stl)", TExportFormat::Stl, "stl"},
    {"glTF (*.glb)", TExportFormat::Glb, "glb"},
    {QT_TRANSLATE_NOOP("Zenkari", "PNG画像 (*.png)"), TExportFormat::Png, "png"},
    {QT_TRANSLATE_NOOP("Zenkari", "3Dプリント用 STL (*.stl)"), TExportFormat::Stl, "stl", TExportKind::Print},
    {QT_TRANSLATE_NOOP("Zenkari", "3Dプリント用 3MF (*.3mf)"), TExportFormat::Stl, "3mf", TExportKind::Print},
    {QT_TRANSLATE_NOOP("Zenkari", "展開図 PDF (*.pdf)"), TExportFormat::Vrml, "pdf", TExportKind::Net},
    {QT_TRANSLATE_NOOP("Zenkari", "展開図 SVG (*.svg)"), TExportFormat::Vrml, "svg", TExportKind::Net},
    {QT_TRANSLATE_NOOP("Zenkari", "部品図 PDF (*.pdf)"), TExportFormat::Vrml, "pdf", TExportKind::Parts},
    {QT_TRANSLATE_NOOP("Zenkari", "部品図 SVG (*.svg)"), TExportFormat::Vrml, "svg", TExportKind::Parts},
};

QString Extension(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

}  // namespace

void TFrmPolyhedron::SetExportFilters()
{
    QStringList filters;
    for (const TExportFilter& filter : ExportFilters)
        filters << Tr(filter.Filter);
    VRMLSaveDialog->setNameFilters(filters);
    VRMLSaveDialog->setDefaultSuffix(QStringLiteral("wrl"));
}

void TFrmPolyhedron::SetUpExportDialog()
{
    // Made afresh for each language: Qt's dialog re-translated in place loses the
    // shortcut marks of its buttons ("保存(&S)" comes back as "保存").
    delete VRMLSaveDialog;
    VRMLSaveDialog = new QFileDialog(this);
    // One dialog writes every format: its title names none of them.
    VRMLSaveDialog->setWindowTitle(Tr(QT_TRANSLATE_NOOP("Zenkari", "表示中の立体を書き出します")));
    VRMLSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SetExportFilters();
    // A name typed without an extension takes the chosen type's.
    connect(VRMLSaveDialog, &QFileDialog::filterSelected, this, [this](const QString& chosen) {
        for (const TExportFilter& filter : ExportFilters)
            if (chosen == Tr(filter.Filter))
                VRMLSaveDialog->setDefaultSuffix(QString::fromLatin1(filter.Suffix));
    });
}

TExportChoice TFrmPolyhedron::ChosenExport(const QString& path) const
{
    const TExportFilter* chosen = nullptr;
    for (const TExportFilter& filter : ExportFilters)
        if (VRMLSaveDialog->selectedNameFilter() == Tr(filter.Filter))
            chosen = &filter;
    const TExportKind kind = chosen == nullptr ? TExportKind::View : chosen->Kind;
    // PDF and SVG are paper models, parts where the parts' type is chosen.
    if (NetFormatFromPath(path.toStdString()))
        return {TExportFormat::Vrml, false, true, kind == TExportKind::Parts ? TNetMode::Parts : TNetMode::Net};
    // 3MF is written for printing only; under a printing type, ".stl" stays printing too.
    const QString extension = Extension(path);
    if (extension == QLatin1String("3mf") || (kind == TExportKind::Print && extension == QLatin1String("stl")))
        return {TExportFormat::Stl, true};
    // Otherwise the typed extension wins where it names a format, then the chosen type.
    if (const std::optional<TExportFormat> typed = ExportFormatFromPath(path.toStdString()))
        return {*typed, false};
    if (chosen != nullptr && (kind == TExportKind::Net || kind == TExportKind::Parts))
        return {TExportFormat::Vrml, false, true, kind == TExportKind::Parts ? TNetMode::Parts : TNetMode::Net};
    if (chosen != nullptr)
        return {chosen->Format, kind == TExportKind::Print};
    return {};
}

void TFrmPolyhedron::VRMLBtnClick()
{
    const int sel = Selection();
    const TDisplaySettings settings = ReadDisplaySettings();
    if (sel < 0 || Session.ExportShown(sel, settings).empty()) {
        QMessageBox::information(
            this, Tr(QT_TRANSLATE_NOOP("Zenkari", "VRML出力")),
            Tr(QT_TRANSLATE_NOOP("Zenkari", "表示している立体がないので、書き出すものがありません。\n"
                                            "立体を構築して、一覧から選んでください。")));
        return;
    }
    TIniFile ini = SettingsFile();
    QString directory = QString::fromStdString(ini.ReadString("Setting", "DirName", ProgramDirectory));
    VRMLSaveDialog->setDirectory(directory);
    if (VRMLSaveDialog->exec() == QDialog::Accepted && !VRMLSaveDialog->selectedFiles().isEmpty()) {
        const QString path = VRMLSaveDialog->selectedFiles().constFirst();
        const TExportChoice choice = ChosenExport(path);
        if (choice.Print) {
            StartPrintExport(sel, path);  // the directory is remembered once the file is written
            return;
        }
        if (choice.Net) {
            StartNetExport(sel, path, choice.NetMode);  // likewise
            return;
        }
        TPictureSettings picture;
        picture.ViewMatrix = ViewMatrix;
        picture.Width = DXDraw1->width();
        picture.Height = DXDraw1->height();
        const TExportResult result =
            ExportShownFile(Session, sel, settings, choice.Format, path.toStdString(), picture);
        if (result.Failed()) {
            // The remembered directory stays as it was.
            const QString failed = result.FailedPath.empty() ? path : QString::fromStdString(result.FailedPath);
            QMessageBox::warning(this, Tr(QT_TRANSLATE_NOOP("Zenkari", "VRML出力")),
                                 Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 を書き込めませんでした。\n%2"))
                                     .arg(failed, QString::fromStdString(result.Error)));
            return;
        }
        directory = QFileInfo(path).absolutePath();
    }
    WarnIfUnwritable(ini.WriteString("Setting", "DirName", directory.toStdString()));
}
