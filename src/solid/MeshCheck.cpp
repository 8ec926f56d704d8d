// SPDX-License-Identifier: GPL-3.0-or-later
// CGAL's own checks of a mesh in double coordinates, as a file holds it: closed, manifold,
// outward and free of crossing triangles. This file takes a minute to compile; keep
// everything else out.

#include "solid/OuterSurface.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/measure.h>
#include <CGAL/Polygon_mesh_processing/orientation.h>
#include <CGAL/Polygon_mesh_processing/polygon_soup_to_polygon_mesh.h>
#include <CGAL/Polygon_mesh_processing/self_intersections.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/boost/graph/helpers.h>

#include <algorithm>

namespace PMP = CGAL::Polygon_mesh_processing;

namespace {

using TInexact = CGAL::Exact_predicates_inexact_constructions_kernel;
using TInexactPoint = TInexact::Point_3;
using TInexactMesh = CGAL::Surface_mesh<TInexactPoint>;
using TPolygons = std::vector<std::vector<std::size_t>>;

}  // namespace

namespace {

bool Same(const TVector3& a, const TVector3& b)
{
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

TInexactPoint Inexact(const TVector3& p)
{
    return TInexactPoint(p.X, p.Y, p.Z);
}

// Whether two triangles of the surface cross, beyond touching where a pinch has two
// points at one place: each triangle shrunk a little towards its centre, so that a mere
// touch at a corner or along an edge goes away and a true crossing stays.
bool Cross(const TOuterSurface& surface, const TOuterTriangle& s, const TOuterTriangle& t)
{
    const auto shrunk = [&](const TOuterTriangle& x) {
        std::array<TVector3, 3> c;
        for (std::size_t k = 0; k < 3; ++k)
            c[k] = surface.Points[static_cast<std::size_t>(x.Corners[k])];
        const TVector3 centre = ScaleVector(AddVectors(AddVectors(c[0], c[1]), c[2]), 1.0 / 3.0);
        for (TVector3& p : c)
            p = AddVectors(centre, ScaleVector(SubtractVectors(p, centre), 1.0 - 1e-7));
        return TInexact::Triangle_3(Inexact(c[0]), Inexact(c[1]), Inexact(c[2]));
    };
    const auto sharesPlace = [&] {
        for (const int a : s.Corners)
            for (const int b : t.Corners)
                if (Same(surface.Points[static_cast<std::size_t>(a)], surface.Points[static_cast<std::size_t>(b)]))
                    return true;
        return false;
    };
    return !sharesPlace() || CGAL::do_intersect(shrunk(s), shrunk(t));
}

}  // namespace

TMeshCheck CheckMesh(const TOuterSurface& surface)
{
    TMeshCheck check;
    std::vector<TInexact::Point_3> points;
    for (const TVector3& p : surface.Points)
        points.emplace_back(p.X, p.Y, p.Z);
    TPolygons polygons;
    for (const TOuterTriangle& t : surface.Triangles)
        polygons.push_back({static_cast<std::size_t>(t.Corners[0]), static_cast<std::size_t>(t.Corners[1]),
                            static_cast<std::size_t>(t.Corners[2])});
    check.Manifold = PMP::is_polygon_soup_a_polygon_mesh(polygons);
    if (!check.Manifold)
        return check;
    TInexactMesh mesh;
    PMP::polygon_soup_to_polygon_mesh(points, polygons, mesh);
    check.Closed = CGAL::is_closed(mesh);
    if (!check.Closed)
        return check;
    std::vector<std::pair<TInexactMesh::Face_index, TInexactMesh::Face_index>> pairs;
    PMP::self_intersections(mesh, std::back_inserter(pairs));
    check.SelfIntersecting = std::any_of(pairs.begin(), pairs.end(), [&](const auto& pair) {
        return Cross(surface, surface.Triangles[pair.first.idx()], surface.Triangles[pair.second.idx()]);
    });
    // Outward: every sheet (connected piece) encloses a positive volume.
    std::vector<double> sheetVolume(static_cast<std::size_t>(std::max(surface.Sheets, 1)), 0.0);
    for (const TOuterTriangle& t : surface.Triangles) {
        const TVector3 a = surface.Points[static_cast<std::size_t>(t.Corners[0])];
        const TVector3 b = surface.Points[static_cast<std::size_t>(t.Corners[1])];
        const TVector3 c = surface.Points[static_cast<std::size_t>(t.Corners[2])];
        sheetVolume[static_cast<std::size_t>(t.Sheet)] += DotProduct(a, CrossProduct(b, c)) / 6.0;
    }
    check.Volume = PMP::volume(mesh);
    check.Outward = std::all_of(sheetVolume.begin(), sheetVolume.end(), [](double v) { return v > 0.0; });
    return check;
}
