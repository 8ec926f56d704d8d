// SPDX-License-Identifier: GPL-3.0-or-later
// Times whole frames of the view on the recording surface: projection, depth sort and
// fans for the largest solids, their duals and compounds.
//   build/release/zenkari-bench-redraw

#include "construction/ConfigurationText.h"
#include "session/BuildSession.h"
#include "surface/RecordingSurface.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

void TimeRedraws(const char* text, bool dual, bool compound, int mode)
{
    TVertexConfiguration config;
    if (ParseConfigurationText(text, config).Failed())
        return;
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.DualShown = dual;
    settings.CompoundShown = compound;
    settings.SurfaceMode = mode;
    TBuildSession session;
    TLinePane pane;
    if (session.Press(TBuildMode::OneShot, config, settings, pane) || session.FoundCount() == 0)
        return;
    TRecordingSurface surface(800, 800);
    TMatrix3 view{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    session.Show(1, settings, pane);  // the dual and the compound, once

    constexpr int Frames = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Frames; ++i) {
        MultiplyMatrixInto(TurnMatrix(0.0628), view);
        session.Draw(1, TDrawTarget{surface, settings, view});
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-40s %-9s mode %d %6d fans %8.3f ms a frame\n", text,
                compound ? "compound"
                : dual   ? "dual"
                         : "solid",
                mode, surface.FanCount(), elapsed.count() / Frames);
}

}  // namespace

int main()
{
    std::printf("redraws on an 800 x 800 recording surface (target < 5 ms a frame)\n");
    TimeRedraws("(3, 4, 5/2, 4, 3/2, 4, 5/3, 4)/2", false, false, 1);
    TimeRedraws("(3, 4, 5/2, 4, 3/2, 4, 5/3, 4)/2", true, true, 0);
    TimeRedraws("(3, 3, 3, 3, 5)", false, false, 1);
    TimeRedraws("(3, 3, 3, 3, 5)", true, true, 0);
    TimeRedraws("(3, 3, 3, 3, 5)", true, true, 1);
    TimeRedraws("(3, 4, 3/2, 4)", true, true, 2);
    TimeRedraws("(3, 3, 5/3, 3, 5)", true, true, 3);
    return 0;
}
