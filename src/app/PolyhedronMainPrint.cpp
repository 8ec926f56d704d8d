// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the outer surface for a 3-D printer, from the export dialog's printing types.
// The model's height is asked the first time and kept in the settings file; after that
// it is used without a question, and "3Dプリントの高さ" on the display-settings page
// changes it. Forming the surface takes seconds, so the export runs on a worker: it reads
// the session's solids, and everything that would build or show another solid waits
// until it is done (the window stays live otherwise); closing the window lets it finish,
// since the user asked for that file.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "app/SettingsText.h"
#include "common/InfoPane.h"

#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include <exception>

namespace {

// Four significant digits, as a message gives a size.
QString Short(double x)
{
    return QString::number(x, 'g', 4);
}

}  // namespace

std::optional<double> TFrmPolyhedron::PrintHeight()
{
    if (PrintHeightKnown)
        return PrintHeightSpBx->value();
    bool accepted = false;
    const double height = QInputDialog::getDouble(
        this, Tr(QT_TRANSLATE_NOOP("Zenkari", "3Dプリント用の書き出し")),
        Tr(QT_TRANSLATE_NOOP("Zenkari", "模型の高さ（mm）：\n（あとから「表示設定」のページで変えられます）")),
        PrintHeightSpBx->value(), MinPrintHeightMm, MaxPrintHeightMm, PrintHeightSpBx->decimals(), &accepted);
    if (!accepted)
        return std::nullopt;
    {
        const QSignalBlocker quiet(PrintHeightSpBx);
        PrintHeightSpBx->setValue(height);
    }
    PrintHeightSpBxChange();
    return PrintHeightSpBx->value();
}

void TFrmPolyhedron::PrintHeightSpBxChange()
{
    PrintHeightKnown = true;
    SaveSettings();
}

void TFrmPolyhedron::StartPrintExport(int sel, const QString& path)
{
    const std::optional<double> height = PrintHeight();
    if (!height)
        return;
    SetExporting(true, path);
    if (!PrintWorker)
        PrintWorker = std::make_unique<TWorkerThread>();
    // The colours as the view shows them now, read here on the window's thread.
    PrintWorker->Run([this, sel, file = path.toStdString(), millimetres = *height, settings = ReadDisplaySettings()] {
        TPrintResult result;
        try {
            result = ExportPrintFile(Session, sel, file, millimetres, settings);
        } catch (const std::exception& error) {
            result.Error = error.what();
        }
        QMetaObject::invokeMethod(
            this, [this, result, file, millimetres] { PrintExportDone(result, file, millimetres); },
            Qt::QueuedConnection);
    });
}

void TFrmPolyhedron::SetExporting(bool exporting, const QString& path)
{
    PrintExporting = exporting;
    EnableShownSolidControls(!exporting);
    StopBuildBtn->setVisible(!exporting);  // nothing can stop the forming of the surface
    if (exporting)
        ProgressLbl->setText(
            Tr(QT_TRANSLATE_NOOP("Zenkari", "3Dプリント用に書き出し中：%1")).arg(QFileInfo(path).fileName()));
    else
        ProgressLbl->clear();
    ProgressPanel->setVisible(exporting);
    if (exporting)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    if (!exporting)
        ShowPausedBuild();
}

void TFrmPolyhedron::PrintExportDone(const TPrintResult& result, const std::string& path, double heightMm)
{
    PrintWorker->Wait();  // the job has only to return: it posted this as its last act
    SetExporting(false, QString());
    const QString file = QString::fromStdString(path);
    if (result.Failed()) {
        QMessageBox::warning(this, Tr(QT_TRANSLATE_NOOP("Zenkari", "VRML出力")),
                             Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 を書き込めませんでした。\n%2"))
                                 .arg(file, QString::fromStdString(result.Error)));
        return;
    }
    ReportPrintFile(result, file, heightMm);
    TIniFile ini = SettingsFile();
    WarnIfUnwritable(ini.WriteString("Setting", "DirName", QFileInfo(file).absolutePath().toStdString()));
}

void TFrmPolyhedron::ReportPrintFile(const TPrintResult& result, const QString& path, double heightMm)
{
    QStringList lines;
    lines << Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 を3Dプリント用に書き出しました。")).arg(path);
    lines << Tr(QT_TRANSLATE_NOOP("Zenkari", "高さ %1 mm・三角形 %2 個・体積 %3 cm³"))
                 .arg(QString::number(heightMm))
                 .arg(result.Triangles)
                 .arg(Short(result.VolumeMm3 / 1000.0));
    if (result.BaseAreaMm2 > 0.0)
        lines << Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 mm² の面で立ちます。")).arg(Short(result.BaseAreaMm2));
    else
        lines << Tr(QT_TRANSLATE_NOOP("Zenkari", "いちばん外側の3点で立ちます。"));
    if (result.PinchPoints > 0)
        lines << Tr(QT_TRANSLATE_NOOP("Zenkari", "囲む立体が点や辺で接する所で、点を%1個分けました。"))
                     .arg(result.PinchPoints);
    for (const QString& line : lines)
        MemoPane->AppendLine(line.toStdString());
    MemoPane->AppendLine(SeparatorLine);
}
