// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/PrintModel.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace {

TVector3 PointOf(const TOuterSurface& surface, int i)
{
    return surface.Points[static_cast<std::size_t>(i)];
}

TVector3 TwiceArea(const TOuterSurface& surface, const TOuterTriangle& t)
{
    const TVector3 a = PointOf(surface, t.Corners[0]);
    return CrossProduct(SubtractVectors(PointOf(surface, t.Corners[1]), a),
                        SubtractVectors(PointOf(surface, t.Corners[2]), a));
}

// Whether every point lies on the inner side of the plane through on with outward normal n.
bool Supports(const std::vector<TVector3>& points, TVector3 n, TVector3 on)
{
    const double level = DotProduct(n, on);
    for (const TVector3& p : points)
        if (DotProduct(n, p) > level + 1e-9)
            return false;
    return true;
}

struct TBase {
    TVector3 Normal;  // outward, of unit length
    double Area = 0.0;
};

// The outer facet of largest area whose plane has the whole surface on its inner side.
std::optional<TBase> LargestFacet(const TOuterSurface& surface)
{
    std::map<int, TBase> byFace;  // the outward pieces of each face, summed
    for (const TOuterTriangle& t : surface.Triangles) {
        TBase& base = byFace[t.Face];
        base.Normal = AddVectors(base.Normal, TwiceArea(surface, t));
    }
    std::optional<TBase> best;
    for (auto& [face, base] : byFace) {
        base.Area = VectorLength(base.Normal) / 2.0;
        if (base.Area < 1e-12)
            continue;  // pieces on both sides of the face cancel: no flat facet
        Normalize(base.Normal);
        const TOuterTriangle* on = nullptr;
        for (const TOuterTriangle& t : surface.Triangles)
            if (t.Face == face) {
                on = &t;
                break;
            }
        if (Supports(surface.Points, base.Normal, PointOf(surface, on->Corners[0]))
            && (!best || base.Area > best->Area + 1e-12))
            best = base;
    }
    return best;
}

void PutFloat(std::string& bytes, double x)
{
    const float f = static_cast<float>(x);
    char raw[4];
    std::memcpy(raw, &f, sizeof raw);
    bytes.append(raw, sizeof raw);
}

void PutUint32(std::string& bytes, std::uint32_t x)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((x >> shift) & 0xFFu));
}

// How far apart the copies of a pinch point are drawn, in millimetres. A file of triangles
// without shared points (STL) joins points by their place alone, so copies at one place
// would join the sheets again and leave four triangles on an edge where two sheets touch;
// a micrometre apart, every sheet reads back closed and manifold on its own, and no
// printer can tell.
constexpr double PinchGapMm = 1e-3;

TVector3 Extent(const std::vector<TVector3>& points, TVector3& low)
{
    low = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    TVector3 high = ScaleVector(low, -1.0);
    for (const TVector3& p : points) {
        low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
        high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
    }
    return high;
}

// Each copy of a point that stands where another does moved by distance into its own
// sheet: towards the middle of the triangles round it.
void SeparatePinches(TOuterSurface& surface, double distance)
{
    std::map<std::array<double, 3>, int> copies;
    for (const TVector3& p : surface.Points)
        ++copies[{p.X, p.Y, p.Z}];
    std::vector<TVector3> inward(surface.Points.size());
    for (const TOuterTriangle& t : surface.Triangles) {
        TVector3 middle{};
        for (const int c : t.Corners)
            middle = AddVectors(middle, ScaleVector(PointOf(surface, c), 1.0 / 3.0));
        for (const int c : t.Corners) {
            TVector3 towards = SubtractVectors(middle, PointOf(surface, c));
            Normalize(towards);
            inward[static_cast<std::size_t>(c)] = AddVectors(inward[static_cast<std::size_t>(c)], towards);
        }
    }
    for (std::size_t i = 0; i < surface.Points.size(); ++i) {
        TVector3& p = surface.Points[i];
        if (copies[{p.X, p.Y, p.Z}] < 2)
            continue;
        Normalize(inward[i]);
        p = AddVectors(p, ScaleVector(inward[i], distance));
    }
}

}  // namespace

TVector3 OutermostPlaneOf(const std::vector<TVector3>& points)
{
    double radius = 0.0;
    for (const TVector3& p : points)
        radius = std::max(radius, VectorLength(p));
    std::vector<TVector3> tips;
    for (const TVector3& p : points)
        if (VectorLength(p) > radius * (1.0 - 1e-9) && std::none_of(tips.begin(), tips.end(), [&](const TVector3& q) {
                return VectorLength(SubtractVectors(p, q)) < 1e-9;
            }))
            tips.push_back(p);
    for (std::size_t i = 0; i < tips.size(); ++i)
        for (std::size_t j = i + 1; j < tips.size(); ++j)
            for (std::size_t k = j + 1; k < tips.size(); ++k) {
                TVector3 n = CrossProduct(SubtractVectors(tips[j], tips[i]), SubtractVectors(tips[k], tips[i]));
                if (VectorLength(n) < 1e-9)
                    continue;
                Normalize(n);
                if (DotProduct(n, tips[i]) < 0.0)
                    n = ScaleVector(n, -1.0);
                if (Supports(points, n, tips[i]))
                    return n;
            }
    return TVector3{0, 0, -1};  // fewer than three outermost points: as it stands
}

TVector3 TurnDown(TVector3 n, TVector3 p)
{
    const TVector3 down{0, 0, -1};
    const TVector3 axis = CrossProduct(n, down);
    const double sine = VectorLength(axis);
    const double cosine = DotProduct(n, down);
    if (sine < 1e-15)
        return cosine > 0.0 ? p : TVector3{p.X, -p.Y, -p.Z};  // already down, or straight up: half a turn about x
    const TVector3 k = ScaleVector(axis, 1.0 / sine);
    return AddVectors(AddVectors(ScaleVector(p, cosine), ScaleVector(CrossProduct(k, p), sine)),
                      ScaleVector(k, DotProduct(k, p) * (1.0 - cosine)));
}

TPrintModel PlaceForPrinting(const TOuterSurface& surface, double heightMm)
{
    assert(heightMm > 0.0 && !surface.Empty());
    TPrintModel model;
    model.Surface = surface;
    const std::optional<TBase> facet = LargestFacet(surface);
    const TVector3 normal = facet ? facet->Normal : OutermostPlaneOf(surface.Points);
    for (TVector3& p : model.Surface.Points)
        p = TurnDown(normal, p);
    TVector3 low;
    TVector3 high = Extent(model.Surface.Points, low);
    if (model.Surface.PinchPoints > 0) {
        SeparatePinches(model.Surface, PinchGapMm * (high.Z - low.Z) / heightMm);
        high = Extent(model.Surface.Points, low);
    }
    model.Scale = heightMm / (high.Z - low.Z);
    const TVector3 origin{(low.X + high.X) / 2.0, (low.Y + high.Y) / 2.0, low.Z};
    for (TVector3& p : model.Surface.Points)
        p = ScaleVector(SubtractVectors(p, origin), model.Scale);
    // The resting facet's points are on z = 0 to a rounding: put them there exactly.
    for (TVector3& p : model.Surface.Points)
        if (std::fabs(p.Z) < 1e-9 * heightMm)
            p.Z = 0.0;
    model.HeightMm = heightMm;
    model.BaseAreaMm2 = facet ? facet->Area * model.Scale * model.Scale : 0.0;
    model.Surface.Volume *= model.Scale * model.Scale * model.Scale;
    model.Surface.Area *= model.Scale * model.Scale;
    return model;
}

std::string BinaryStl(const TPrintModel& model)
{
    std::string bytes(80, ' ');
    const std::string title = "Zenkari: the outer surface, in millimetres";
    bytes.replace(0, title.size(), title);
    PutUint32(bytes, static_cast<std::uint32_t>(model.Surface.Triangles.size()));
    for (const TOuterTriangle& t : model.Surface.Triangles) {
        TVector3 n = TwiceArea(model.Surface, t);
        if (VectorLength(n) > 0.0)
            Normalize(n);
        for (const double x : {n.X, n.Y, n.Z})
            PutFloat(bytes, x);
        for (const int c : t.Corners) {
            const TVector3 p = PointOf(model.Surface, c);
            for (const double x : {p.X, p.Y, p.Z})
                PutFloat(bytes, x);
        }
        bytes.append(2, '\0');
    }
    return bytes;
}
