// SPDX-License-Identifier: GPL-3.0-or-later
// The OpenGL surface under a real display (xvfb-run): frames reach the framebuffer with
// their background, faces and blending.

#include "surface/GlSurface.h"
#include "construction/ConfigurationText.h"
#include "session/BuildSession.h"
#include "support/DisplayWait.h"
#include "view/FrameDrawing.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

namespace {

class GlSurface : public ::testing::Test {
protected:
    void SetUp() override
    {
        TVertexConfiguration config;
        ASSERT_EQ(ParseConfigurationText("(4, 4, 4)", config).Error, "");
        ASSERT_FALSE(Session.Press(TBuildMode::OneShot, config, Settings, Pane));
        View.resize(200, 200);
        View.show();
        for (int i = 0; i < 500 && !View.IsReady(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(View.IsReady());
        Settings.Background = MakeColour(255, 0, 0);
    }

    QImage Draw(int mode)
    {
        Settings.SurfaceMode = mode;
        const TMatrix3 view = TiltMatrix(0.3);
        Session.Draw(1, TDrawTarget{View, Settings, view});
        return View.grabFramebuffer();
    }

    TBuildSession Session;
    TLinePane Pane;
    TGlSurface View;
    TDisplaySettings Settings = FirstStartDisplaySettings();
};

}  // namespace

TEST_F(GlSurface, BackgroundFacesAndBlendingReachThePixels)
{
    const QImage opaque = Draw(0);
    ASSERT_FALSE(opaque.isNull());
    EXPECT_EQ(opaque.pixelColor(2, 2), QColor(255, 0, 0));
    const QColor face = opaque.pixelColor(100, 100);
    EXPECT_NE(face, QColor(255, 0, 0));
    EXPECT_GT(face.green(), 20);  // the rainbow square, shaded

    const QImage transparent = Draw(2);
    const QColor blended = transparent.pixelColor(100, 100);
    EXPECT_EQ(transparent.pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_LT(blended.green(), face.green());  // the red background shows through
    EXPECT_EQ(blended.alpha(), 255);           // and the widget itself stays opaque
}

int main(int argc, char** argv)
{
    // Mesa unloads its driver before the leak check at exit, which leaves the driver's own
    // allocations without a module name that a suppression could match. Keep it loaded.
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_LAZY | RTLD_NODELETE);
    SetDefaultSurfaceFormat();
    TDisplayHold display = WaitForDisplay();
    QApplication application(argc, argv);
    display.Release();  // the application's own connection holds the server now
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
