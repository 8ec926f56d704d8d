// SPDX-License-Identifier: GPL-3.0-or-later
// Paper models from the window. The export dialog's net types write a PDF or an SVG on
// the print worker (forming the outer surface of a large star solid takes a second or
// two), with the same status line as a 3-D print; the view's right-click menu prints the
// net or the parts at once on the paper the print dialog chose, and copies the picture.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "catalogue/PolyhedronInfo.h"
#include "common/InfoPane.h"
#include "construction/ConfigurationText.h"
#include "export/NetPaper.h"
#include "surface/GlSurface.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <exception>

namespace {

// Dots an inch the pages are drawn at for a printer: sharp on paper, a few megabytes a page.
constexpr double PrintDotsPerInch = 300.0;

}  // namespace

QString TFrmPolyhedron::ShownSolidName() const
{
    const bool english = InterfaceLanguage() == TLanguage::English;
    const std::string shown = ConfigurationText(ReadVertexConfiguration());
    const int item = PolyhedronCbBx->currentIndex();
    if (const std::optional<TCatalogueChoice> choice = DecodeCatalogueItem(item))
        if (ConfigurationText(choice->Config) == shown && Selection() == choice->Pick
            && choice->Dual == DualChBx->isChecked() && !CompoundChBx->isChecked())
            return QString::fromStdString(CatalogueItemName(item, english));
    return QString::fromStdString(shown);
}

TNetRequest TFrmPolyhedron::NetRequestFor(TNetMode mode) const
{
    TNetRequest request;
    request.Mode = mode;
    request.Language = InterfaceLanguage();
    request.Title = (ShownSolidName() + QStringLiteral("　")
                     + Tr(mode == TNetMode::Parts ? QT_TRANSLATE_NOOP("Zenkari", "部品図")
                                                  : QT_TRANSLATE_NOOP("Zenkari", "展開図")))
                        .toStdString();
    return request;
}

void TFrmPolyhedron::StartNetExport(int sel, const QString& path, TNetMode mode)
{
    SetExporting(true, path);
    ProgressLbl->setText(Tr(QT_TRANSLATE_NOOP("Zenkari", "展開図を書き出し中：%1")).arg(QFileInfo(path).fileName()));
    if (!PrintWorker)
        PrintWorker = std::make_unique<TWorkerThread>();
    PrintWorker->Run(
        [this, sel, file = path.toStdString(), request = NetRequestFor(mode), settings = ReadDisplaySettings()] {
            TNetSummary summary;
            try {
                summary = ExportNetFile(Session, sel, file, request, settings);
            } catch (const std::exception& error) {
                summary.Error = error.what();
            }
            QMetaObject::invokeMethod(
                this, [this, summary, file] { NetExportDone(summary, file); }, Qt::QueuedConnection);
        });
}

void TFrmPolyhedron::NetExportDone(const TNetSummary& summary, const std::string& path)
{
    PrintWorker->Wait();  // the job has only to return: it posted this as its last act
    SetExporting(false, QString());
    const QString file = QString::fromStdString(path);
    if (summary.Failed()) {
        QMessageBox::warning(this, Tr(QT_TRANSLATE_NOOP("Zenkari", "展開図")),
                             Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 を書き込めませんでした。\n%2"))
                                 .arg(file, QString::fromStdString(summary.Error)));
        return;
    }
    ReportNet(summary, file);
    TIniFile ini = SettingsFile();
    WarnIfUnwritable(ini.WriteString("Setting", "DirName", QFileInfo(file).absolutePath().toStdString()));
}

void TFrmPolyhedron::ReportNet(const TNetSummary& summary, const QString& where)
{
    int cut = 0;
    for (const TNetPieceSummary& piece : summary.Pieces)
        cut += piece.Count;
    MemoPane->AppendLine(Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 に展開図を出しました。")).arg(where).toStdString());
    MemoPane->AppendLine(
        Tr(QT_TRANSLATE_NOOP("Zenkari", "%1 ページ・%2 片（切り出す数 %3）・のりしろ %4 個・辺の長さ %5 mm"))
            .arg(summary.Pages)
            .arg(static_cast<int>(summary.Pieces.size()))
            .arg(cut)
            .arg(summary.Tabs)
            .arg(QString::number(summary.EdgeMm, 'f', 1))
            .toStdString());
    MemoPane->AppendLine(SeparatorLine);
}

TNetSummary TFrmPolyhedron::PrintNet(QPrinter& printer, TNetMode mode)
{
    TNetSummary summary;
    const int sel = Selection();
    printer.setFullPage(true);  // the model keeps its own margins, measured from the paper's edge
    const QSizeF paperMm = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    TNetRequest request = NetRequestFor(mode);
    request.Paper.WidthMm = paperMm.width();
    request.Paper.HeightMm = paperMm.height();
    std::vector<TNetPage> pages;
    summary = NetPagesOf(Session, sel, request, ReadDisplaySettings(), pages);
    if (summary.Failed())
        return summary;
    QPainter painter;
    if (!painter.begin(&printer)) {
        summary.Error = Tr(QT_TRANSLATE_NOOP("Zenkari", "プリンターを使えませんでした。")).toStdString();
        return summary;
    }
    const double dpi = std::min<double>(PrintDotsPerInch, std::max(printer.resolution(), 72));
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage())
            break;
        std::vector<std::uint32_t> argb;
        int width = 0;
        int height = 0;
        if (TResult drawn = NetPageImage(pages[p], dpi, argb, width, height); drawn.Failed()) {
            summary.Error = drawn.Error;
            break;
        }
        const QImage image(reinterpret_cast<const uchar*>(argb.data()), width, height, width * 4,
                           QImage::Format_ARGB32);
        painter.drawImage(QRectF(QPointF(0, 0), printer.pageLayout().fullRectPixels(printer.resolution()).size()),
                          image);
    }
    painter.end();
    return summary;
}

void TFrmPolyhedron::PrintNetClick(TNetMode mode)
{
    if (Selection() < 0 || Session.ExportShown(Selection(), ReadDisplaySettings()).empty()) {
        QMessageBox::information(
            this, Tr(QT_TRANSLATE_NOOP("Zenkari", "展開図")),
            Tr(QT_TRANSLATE_NOOP("Zenkari", "表示している立体がないので、印刷するものがありません。")));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setCursor(Qt::BusyCursor);
    const TNetSummary summary = PrintNet(printer, mode);
    unsetCursor();
    if (summary.Failed()) {
        QMessageBox::warning(
            this, Tr(QT_TRANSLATE_NOOP("Zenkari", "展開図")),
            Tr(QT_TRANSLATE_NOOP("Zenkari", "印刷できませんでした。\n%1")).arg(QString::fromStdString(summary.Error)));
        return;
    }
    ReportNet(summary, printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
}

void TFrmPolyhedron::CopyViewPicture()
{
    QApplication::clipboard()->setImage(DXDraw1->grabFramebuffer());
}

void TFrmPolyhedron::ShowViewMenu(const QPoint& at)
{
    QMenu menu(this);
    const bool shown = Selection() >= 0 && !Session.ExportShown(Selection(), ReadDisplaySettings()).empty();
    QAction* net = menu.addAction(Tr(QT_TRANSLATE_NOOP("Zenkari", "展開図を印刷…")));
    QAction* parts = menu.addAction(Tr(QT_TRANSLATE_NOOP("Zenkari", "部品図を印刷…")));
    menu.addSeparator();
    QAction* copy = menu.addAction(Tr(QT_TRANSLATE_NOOP("Zenkari", "画像をコピー")));
    net->setEnabled(shown && !Exporting() && !Building());
    parts->setEnabled(net->isEnabled());
    // Each runs once the menu has closed, so that the print dialog does not open inside it.
    connect(
        net, &QAction::triggered, this, [this] { PrintNetClick(TNetMode::Net); }, Qt::QueuedConnection);
    connect(
        parts, &QAction::triggered, this, [this] { PrintNetClick(TNetMode::Parts); }, Qt::QueuedConnection);
    connect(copy, &QAction::triggered, this, &TFrmPolyhedron::CopyViewPicture, Qt::QueuedConnection);
    menu.exec(DXDraw1->mapToGlobal(at));
}
