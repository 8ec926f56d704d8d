// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the interface: "言語 / Language" on the display-settings page, kept in
// the settings file as Language=ja|en. A change sets every text of the window again at
// once, Qt's own dialogs and the engine's next lines included; lines already in the panes
// stay as they were written.

#include "app/PolyhedronMain.h"

#include "app/Captions.h"
#include "app/Translations.h"
#include "common/Messages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableWidget>

TLanguage TFrmPolyhedron::InterfaceLanguage() const
{
    return LanguageCbBx->currentIndex() == 1 ? TLanguage::English : TLanguage::Japanese;
}

void TFrmPolyhedron::LanguageCbBxChange()
{
    ApplyLanguage(InterfaceLanguage());
    SaveSettings();
}

void TFrmPolyhedron::ApplyLanguage(TLanguage language)
{
    {
        const QSignalBlocker quiet(LanguageCbBx);
        LanguageCbBx->setCurrentIndex(language == TLanguage::English ? 1 : 0);
    }
    InstallLanguage(language);
    // Qt's own widgets (the save dialog made already) re-translate on the event the
    // translator posts; deliver it now, so that the whole window changes at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    RetranslateWindow();
}

void TFrmPolyhedron::SetGridHeadings()
{
    // The first column of the per-polygon table, in the language in use; the rows after
    // the first are the engine's texts, as a build fills them.
    const TMessage rows[] = {TMessage::TableRowPolygon, TMessage::TableRowDiagonal, TMessage::TableRowCircumradius,
                             TMessage::TableRowArea};
    StringGrid1->setItem(0, 0, new QTableWidgetItem(Tr(GridInfoHeading)));
    for (int r = 1; r < 5; ++r)
        StringGrid1->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(Text(rows[r - 1]))));
}

void TFrmPolyhedron::RetranslateWindow()
{
    RetranslateCaptions();
    // Labels placed by hand take the size of their text, as when the window was first shown.
    for (QWidget* panel : {TopPanel, ButtonPanel})
        for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            label->adjustSize();
    FillPolyhedronList();
    // The found-solids list keeps its row; only its texts change.
    const int row = ViewPNumCbBx->currentRow();
    ListedSolidCount = -1;
    RefreshFoundList();
    {
        const QSignalBlocker quiet(ViewPNumCbBx);
        ViewPNumCbBx->setCurrentRow(row);
    }
    SetGridHeadings();
    StringGrid1->setCurrentCell(-1, -1);
    StringGrid1->resizeColumnsToContents();
    if (FiguresShown)
        ShowSolidFigures(FiguresAreaBlank);
    else
        ShowFigureHeadings();
    if (VRMLSaveDialog != nullptr)  // made after the settings are first read
        SetUpExportDialog();
    if (!SolidInfoRcEd->toPlainText().isEmpty())  // the remark in the language chosen
        ShowSolidInfo();
    UpdateWindowTitle();
}
