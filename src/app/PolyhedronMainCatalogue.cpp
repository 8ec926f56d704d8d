// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue selector: choosing a named solid sets the controls, builds and shows it.

#include "app/PolyhedronMain.h"

#include "catalogue/PolyhedronInfo.h"
#include "construction/ConfigurationText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>

void TFrmPolyhedron::FillPolyhedronList()
{
    const int selected = PolyhedronCbBx->currentIndex();
    const QString typed = PolyhedronCbBx->currentText();
    // With the English interface the names are English whatever the box says.
    const bool english = EngCkBx->isChecked() || InterfaceLanguage() == TLanguage::English;
    PolyhedronCbBx->clear();
    for (int item = 0; item < CatalogueItemCount; ++item)
        PolyhedronCbBx->addItem(QString::fromStdString(CatalogueItemName(item, english)));
    PolyhedronCbBx->setCurrentIndex(selected);
    if (selected >= 0)
        return;
    // The prompt follows the language; text the user typed stays.
    const bool prompt = typed == QString::fromUtf8(ChoosePrompt) || typed == PromptShown;
    PromptShown = Tr(ChoosePrompt);
    PolyhedronCbBx->setEditText(prompt ? PromptShown : typed);
}

void TFrmPolyhedron::EngCkBxClick()
{
    FillPolyhedronList();
    SaveSettings();
}

void TFrmPolyhedron::PolyhedronCbBxChange()
{
    const std::optional<TCatalogueChoice> choice = DecodeCatalogueItem(PolyhedronCbBx->currentIndex());
    if (!choice)
        return;
    const TVertexConfiguration& config = choice->Config;
    int maxN = 3;
    bool star = false;
    for (int i = 0; i < config.PolygonCount; ++i) {
        maxN = std::max(maxN, config.N[i]);
        star = star || config.D[i] > 1;
    }
    // The polygon-kind list must hold every kind of the entry: raise the maximum (never
    // lower it) and switch stars on (never off).
    if (maxN > MaxRegPolygonCbBx->currentIndex() + 3) {
        MaxRegPolygonCbBx->setCurrentIndex(maxN - 3);
        MaxRegPolygonCbBxChange();
    }
    if (star)
        SatellatedChBx->setChecked(true);
    for (int i = 0; i < config.PolygonCount; ++i) {
        std::size_t j = 0;
        while (j < PolygonKindN.size() && PolygonKindN[j] != config.N[i])
            ++j;
        while (j < PolygonKindD.size() && PolygonKindD[j] != config.D[i])
            ++j;
        PolygonCbBx[i]->setCurrentIndex(static_cast<int>(j));
    }
    CBatVertex->setCurrentIndex(config.PolygonCount - 3);
    CBatVertexChange();
    CBCover->setCurrentIndex(config.Winding);
    AddingChBx->setChecked(config.AddLast);
    VertexLimitCbBx->setCurrentIndex(config.VertexLimit / 10 - 1);
    PendingPick = choice->Pick;
    PendingDual = choice->Dual;
    BuildButtonClick(PolyhedronCbBx);  // the choice is shown once the build is done
}

void TFrmPolyhedron::ShowCatalogueChoice()
{
    {
        const QSignalBlocker drawnBelow(ViewPNumCbBx);
        ViewPNumCbBx->setCurrentRow(PendingPick);
    }
    // One redraw either way: directly, or through the dual box's click handler.
    if (DualChBx->isChecked() == PendingDual)
        ViewPNumCbBxClick();
    else
        DualChBx->setChecked(PendingDual);
}
