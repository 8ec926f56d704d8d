// SPDX-License-Identifier: GPL-3.0-or-later
// Zenkari: uniform polyhedra from their vertex configurations.

#include "app/PolyhedronMain.h"
#include "app/Translations.h"
#include "surface/GlSurface.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SetDefaultSurfaceFormat();
    QApplication application(argc, argv);
    InstallLanguage(TLanguage::Japanese);
    TFrmPolyhedron window;
    window.show();
    return application.exec();
}
