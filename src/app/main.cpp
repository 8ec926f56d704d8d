// SPDX-License-Identifier: GPL-3.0-or-later
// Zenkari: uniform polyhedra from their vertex configurations.

#include "app/PolyhedronMain.h"
#include "app/Translations.h"
#include "common/DetachedWorker.h"
#include "surface/GlSurface.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    SetDefaultSurfaceFormat();
    QApplication application(argc, argv);
    InstallLanguage(TLanguage::Japanese);
    int status = 0;
    {
        TFrmPolyhedron window;
        window.show();
        status = application.exec();
    }  // an export under way is finished as the window goes
    // Outer figures still being formed are nobody's now, and cannot be interrupted: leave
    // without running the static destructors beneath them (the settings are all written).
    if (TDetachedWorker::RunningThreads() > 0) {
        std::fflush(nullptr);
        std::quick_exit(status);
    }
    return status;
}
