// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BuildSession.h"
#include "support/SolidDump.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

TDisplaySettings Plain(int zoom = 3, int perspective = 0)
{
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.ZoomMode = zoom;
    settings.PerspectiveLevel = perspective;
    settings.SurfaceMode = 0;
    return settings;
}

TMatrix3 Identity()
{
    return TMatrix3{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

// A solid of one face (and no edges) in view coordinates.
TPolyFace OneFace(std::initializer_list<TVector3> corners, int n = 4, int d = 1)
{
    TPolyFace solid;
    std::vector<int> indices;
    for (const TVector3 p : corners)
        indices.push_back(solid.AppendVertex(p));
    solid.AppendFace(indices.data(), static_cast<int>(indices.size()), n, d);
    return solid;
}

const TSurfaceCommand& LastFan(const TRecordingSurface& surface)
{
    for (auto it = surface.Commands.rbegin(); it != surface.Commands.rend(); ++it)
        if (it->Kind == TSurfaceCommand::TKind::Fan)
            return *it;
    static const TSurfaceCommand none;
    return none;
}

void ExpectPoint(TVector3 p, double x, double y, double depth)
{
    EXPECT_NEAR(p.X, x, 1e-9);
    EXPECT_NEAR(p.Y, y, 1e-9);
    EXPECT_NEAR(p.Z, depth, 1e-9);
}

}  // namespace

TEST(ViewTransform, WorkedProjectionExamples)
{
    TViewFrame frame;
    frame.SetUp(417, 436, Plain(3, 0), 1.0, 1.0, 1.0);
    ExpectPoint(frame.ProjectVertex(MakeVector(0, 0.5, -0.25)), 258, 193, 0.5);
    frame.SetUp(417, 436, Plain(3, 1), 1.0, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(frame.EyeDistance, 6.0);
    EXPECT_NEAR(frame.DepthReference, 6.0 / 7.0, 1e-15);
    EXPECT_NEAR(frame.DepthSpan, 72.0 / 35.0, 1e-15);
    ExpectPoint(frame.ProjectVertex(MakeVector(-0.5, 0.5, -0.25)), 208 + 50 * 12.0 / 11, 218 - 25 * 12.0 / 11,
                (6.0 / 7 + 0.5 * 12.0 / 11) / (72.0 / 35));
    EXPECT_NEAR(frame.ProjectVertex(MakeVector(-0.5, 0.5, -0.25)).X, 262.5454545, 1e-6);
    EXPECT_NEAR(frame.ProjectVertex(MakeVector(-0.5, 0.5, -0.25)).Y, 190.7272727, 1e-6);

    frame.SetUp(417, 436, Plain(0, 0), 1.0, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(frame.ViewScale, 192.5);
    EXPECT_EQ(frame.HalfWidth, 208);
    EXPECT_EQ(frame.HalfHeight, 218);
}

TEST(ViewTransform, DepthRangeAndPerspectiveAtEveryLevel)
{
    for (int level = 0; level <= 3; ++level) {
        TViewFrame frame;
        frame.SetUp(400, 400, Plain(3, level), 2.0, 2.0, 2.0);
        EXPECT_NEAR(frame.ProjectVertex(MakeVector(-2, 0, 0)).Z, 1.0, 1e-12) << level;
        EXPECT_NEAR(frame.ProjectVertex(MakeVector(2, 0, 0)).Z, 0.0, 1e-12) << level;
    }
    TViewFrame strong;
    strong.SetUp(400, 400, Plain(3, 3), 1.0, 1.0, 1.0);
    EXPECT_NEAR(strong.ProjectVertex(MakeVector(-1, 1, 0)).X - 200, 200.0, 1e-9);  // twice as far out
    EXPECT_NEAR(strong.ProjectVertex(MakeVector(1, 1, 0)).X - 200, 100.0 * 2 / 3, 1e-9);

    TDisplaySettings dual = Plain(1, 0);
    dual.DualShown = true;
    EXPECT_DOUBLE_EQ(ComputeZoom(417, 436, dual, 1.0, 2.0), 96.25);
    dual.ZoomMode = 0;
    EXPECT_DOUBLE_EQ(ComputeZoom(417, 436, dual, 1.0, 2.0), 192.5);
}

TEST(ViewTransform, ShadingAndColours)
{
    // A face squarely facing the viewer: k = arccos(-1/sqrt 3) / pi = 0.6959.
    const double angle = LightingAngle(MakeVector(-4, 0, 0));
    EXPECT_NEAR(angle / M_PI, 0.6959, 5e-5);
    EXPECT_EQ(ShadeColor(Lime, angle, 255, true), 0xFF00B100u);
    EXPECT_EQ(ShadeColor(MakeColour(10, 20, 30), angle, 128, false), 0x800A141Eu);
    EXPECT_EQ(ShadeColor(White, LightingAngle(MakeVector(-1, -1, -1)), 7, true), 0x07FFFFFFu);
    EXPECT_EQ(ShadeColor(White, LightingAngle(MakeVector(1, 1, 1)), 7, true), 0x07000000u);
    EXPECT_EQ(ColorToARGB(0x000000FFu), 0xFFFF0000u);
    EXPECT_EQ(OpacityAlpha(0), 154);
    EXPECT_EQ(OpacityAlpha(3), 64);
    EXPECT_EQ(OpacityAlpha(9), 64);
}

TEST(ViewTransform, StepsTurnAboutTheScreenAxes)
{
    TMatrix3 view = Identity();
    for (int i = 0; i < 11; ++i)
        MultiplyMatrixInto(TurnMatrix(RotationStep), view);
    EXPECT_NEAR(std::atan2(view.M[0][1], view.M[0][0]) * 180 / M_PI, 39.6, 1e-9);
    MultiplyMatrixInto(TurnMatrix(-RotationStep), view);
    MultiplyMatrixInto(TurnMatrix(RotationStep), view);
    EXPECT_NEAR(std::atan2(view.M[0][1], view.M[0][0]) * 180 / M_PI, 39.6, 1e-9);
    // A positive tilt moves the near side (X < 0) down the screen (Z grows).
    const TMatrix3 tilt = TiltMatrix(0.1);
    EXPECT_GT(-tilt.M[2][0], 0.0);
}

TEST(PolyhedronRenderer, WorkedSquareGoesClockwiseEitherWayRound)
{
    const double sphereRadius = 1.0;
    TRecordingSurface surface;
    TDisplaySettings settings = Plain(3, 0);
    settings.Groups[0].Mono = true;
    settings.Groups[0].Single = White;
    const TDrawTarget target{surface, settings, Identity()};
    for (const bool backwards : {false, true}) {
        surface.ClearScreen(0);
        const TPolyFace square = backwards ? OneFace({{-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}})
                                           : OneFace({{-1, -1, -1}, {-1, 1, -1}, {-1, 1, 1}, {-1, -1, 1}});
        DrawPolyFace(square, false, sphereRadius, 1.0, 1.0, target);
        const TSurfaceCommand& fan = LastFan(surface);
        ASSERT_EQ(fan.Points.size(), 4u);
        ExpectPoint(fan.Points[0], 108, 118, 0.0);
        ExpectPoint(fan.Points[1], 308, 118, 0.0);
        ExpectPoint(fan.Points[2], 308, 318, 0.0);
        ExpectPoint(fan.Points[3], 108, 318, 0.0);
        EXPECT_EQ(fan.Colour, 0x80B1B1B1u);  // alpha 128 for 50 %, 255 x 0.6959
    }
}

TEST(PolyhedronRenderer, WorkedEdgeRibbon)
{
    const double sphereRadius = 2.0;
    TRecordingSurface surface;
    TDisplaySettings settings = Plain(3, 0);
    TPolyFace edge;
    edge.AppendVertex(MakeVector(-1, -1, 0));
    edge.AppendVertex(MakeVector(-1, 1, 0));
    edge.AppendEdge(0, 1, false);
    surface.ClearScreen(0);
    DrawPolyFace(edge, false, sphereRadius, 1.0, 2.0, TDrawTarget{surface, settings, Identity()});
    const TSurfaceCommand& ribbon = LastFan(surface);
    ASSERT_EQ(ribbon.Points.size(), 4u);
    ExpectPoint(ribbon.Points[0], 108, 220, 0.25);
    ExpectPoint(ribbon.Points[1], 108, 216, 0.25);
    ExpectPoint(ribbon.Points[2], 308, 216, 0.25);
    ExpectPoint(ribbon.Points[3], 308, 220, 0.25);
    EXPECT_EQ(ribbon.Colour & 0x00FFFFFFu, 0x0000B100u);

    settings.EdgeWidth = 0;  // no ribbons at width 0, and no faces in frame mode
    settings.SurfaceMode = 4;
    surface.ClearScreen(0);
    DrawPolyFace(edge, false, sphereRadius, 1.0, 2.0, TDrawTarget{surface, settings, Identity()});
    EXPECT_EQ(surface.FanCount(), 0);
}

TEST(PolyhedronRenderer, FarFacesFirstAndBlendingByMode)
{
    const double sphereRadius = 2.0;
    TPolyFace two = OneFace({{1, 0, 0}, {1, 1, 0}, {1, 1, 1}});
    const int near[3] = {two.AppendVertex({-1, 0, 0}), two.AppendVertex({-1, 1, 0}), two.AppendVertex({-1, 1, 1})};
    two.AppendFace(near, 3, 3, 1);
    TRecordingSurface surface;
    TDisplaySettings settings = Plain(3, 0);
    settings.SurfaceMode = 2;
    surface.ClearScreen(0);
    DrawPolyFace(two, false, sphereRadius, 1.0, 2.0, TDrawTarget{surface, settings, Identity()});
    // blend off for the (absent) edges, then on for each face; the far face (depth 0.75) first.
    EXPECT_EQ(surface.Commands[1].Kind, TSurfaceCommand::TKind::NoBlend);
    EXPECT_EQ(surface.Commands[2].Kind, TSurfaceCommand::TKind::Blend);
    EXPECT_NEAR(surface.Commands[3].Points[0].Z, 0.75, 1e-12);
    EXPECT_NEAR(surface.Commands[5].Points[0].Z, 0.25, 1e-12);

    // Fans of 100 corners are drawn, of 101 not.
    std::vector<TVector3> corners(100, TVector3{1, 1, 0.5});
    surface.ClearScreen(0);
    PutPolygon(surface, corners, 0);
    corners.push_back(TVector3{});
    PutPolygon(surface, corners, 0);
    EXPECT_EQ(surface.FanCount(), 1);
}

TEST(PolyhedronRenderer, FaceColoursComeFromTheirGroups)
{
    const TDisplaySettings settings = FirstStartDisplaySettings();
    EXPECT_EQ(ColourGroup(5, 2), 2);
    EXPECT_EQ(ColourGroup(4, 3), 0);
    EXPECT_EQ(ColourGroup(4, 1), 0);
    EXPECT_EQ(ColourGroup(6, 0), 1);
    EXPECT_EQ(GroupBaseColour(settings, 2, 5), settings.Groups[2].Palette[2]);
    EXPECT_EQ(GroupBaseColour(settings, 0, 4), settings.Groups[0].Palette[1]);
    TDisplaySettings mono = settings;
    mono.Groups[1].Mono = true;
    EXPECT_EQ(GroupBaseColour(mono, 1, 7), Blue);
}

TEST(FrameDrawing, WhatIsDrawnFollowsTheCheckBoxes)
{
    TBuildSession session;
    TLinePane pane;
    TRecordingSurface surface;
    TDisplaySettings settings = FirstStartDisplaySettings();
    ASSERT_FALSE(session.Press(TBuildMode::OneShot, Config("(4, 4, 4)"), settings, pane));
    settings.Background = 0x000000FFu;
    const TFrameMarks& marks = session.Marks();
    const TDrawTarget target{surface, settings, TiltMatrix(0.3)};

    session.Show(1, settings, pane);
    session.Draw(1, target);
    EXPECT_EQ(surface.Commands[0].Colour, 0xFFFF0000u);  // red background
    EXPECT_EQ(surface.FanCount(), 12 + 6);               // the cube's ribbons and faces
    EXPECT_EQ(surface.Presented, 1);
    EXPECT_FALSE(marks.DualBuilt);

    settings.DualShown = true;  // the dual alone: 12 ribbons and 8 triangles
    const std::size_t lines = pane.Lines.size();
    session.Draw(1, target);  // drawing forms nothing: no dual yet, no report
    EXPECT_FALSE(marks.DualBuilt);
    EXPECT_EQ(surface.FanCount(), 0u);
    EXPECT_EQ(pane.Lines.size(), lines);
    session.Show(1, settings, pane);
    session.Draw(1, target);
    EXPECT_EQ(surface.FanCount(), 12 + 8);
    EXPECT_TRUE(marks.DualBuilt);
    EXPECT_EQ(pane.Lines.size(), lines + 6);  // the report once, with its separator
    session.Show(1, settings, pane);
    session.Draw(1, target);
    EXPECT_EQ(pane.Lines.size(), lines + 6);

    settings.CompoundShown = true;  // mode 1: the solid transparent first, then the dual
    session.Show(1, settings, pane);
    session.Draw(1, target);
    EXPECT_EQ(surface.FanCount(), 12 + 6 + 12 + 8);
    EXPECT_EQ(surface.Commands[1 + 12 + 1].Kind, TSurfaceCommand::TKind::Blend);
    settings.SurfaceMode = 0;  // other modes: the merged compound in one call
    session.Show(1, settings, pane);
    session.Draw(1, target);
    EXPECT_TRUE(marks.CompoundBuilt);
    EXPECT_EQ(surface.FanCount(), 24 + 14);
}
