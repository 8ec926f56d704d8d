// SPDX-License-Identifier: GPL-3.0-or-later
// CGAL's mesh processing: its own checks of a mesh in double coordinates, as a file holds
// it (closed, manifold, outward, free of crossing triangles), and the exact union of closed
// meshes. This file takes minutes to compile; keep everything else out.

#include "solid/MeshUnion.h"
#include "solid/OuterSurface.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/clip.h>
#include <CGAL/Polygon_mesh_processing/corefinement.h>
#include <CGAL/Polygon_mesh_processing/measure.h>
#include <CGAL/Polygon_mesh_processing/orientation.h>
#include <CGAL/Polygon_mesh_processing/polygon_soup_to_polygon_mesh.h>
#include <CGAL/Polygon_mesh_processing/repair_degeneracies.h>
#include <CGAL/Polygon_mesh_processing/self_intersections.h>
#include <CGAL/Polygon_mesh_processing/triangulate_faces.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/boost/graph/helpers.h>

#include <algorithm>
#include <cmath>

namespace PMP = CGAL::Polygon_mesh_processing;

namespace {

using TInexact = CGAL::Exact_predicates_inexact_constructions_kernel;
using TInexactPoint = TInexact::Point_3;
using TInexactMesh = CGAL::Surface_mesh<TInexactPoint>;
using TPolygons = std::vector<std::vector<std::size_t>>;
using TExact = CGAL::Exact_predicates_exact_constructions_kernel;
using TExactMesh = CGAL::Surface_mesh<TExact::Point_3>;

// Triangles as the polygons of a soup.
TPolygons PolygonsOf(const std::vector<std::array<int, 3>>& triangles)
{
    TPolygons polygons;
    polygons.reserve(triangles.size());
    for (const auto& t : triangles)
        polygons.push_back(
            {static_cast<std::size_t>(t[0]), static_cast<std::size_t>(t[1]), static_cast<std::size_t>(t[2])});
    return polygons;
}

TResult ExactMesh(const TClosedMesh& piece, TExactMesh& mesh)
{
    std::vector<TExact::Point_3> points;
    for (const TVector3& p : piece.Points)
        points.emplace_back(p.X, p.Y, p.Z);
    const TPolygons polygons = PolygonsOf(piece.Triangles);
    if (!PMP::is_polygon_soup_a_polygon_mesh(polygons))
        return TResult::Failure("a piece of the model is not a manifold mesh");
    PMP::polygon_soup_to_polygon_mesh(points, polygons, mesh);
    if (!CGAL::is_closed(mesh))
        return TResult::Failure("a piece of the model is not closed");
    return TResult::Success();
}

// The union of the meshes, joined pairwise level by level so that each join meets pieces
// of like size.
TResult UnionOf(std::vector<TExactMesh> level, TExactMesh& united)
{
    while (level.size() > 1) {
        std::vector<TExactMesh> next;
        next.reserve((level.size() + 1) / 2);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2) {
            TExactMesh joined;
            if (!PMP::corefine_and_compute_union(level[i], level[i + 1], joined))
                return TResult::Failure("the union of the model's pieces could not be worked out");
            next.push_back(std::move(joined));
        }
        if (level.size() % 2 == 1)
            next.push_back(std::move(level.back()));
        level = std::move(next);
    }
    united = level.empty() ? TExactMesh() : std::move(level.front());
    return TResult::Success();
}

void RoundedMesh(const TExactMesh& mesh, TClosedMesh& out)
{
    out = TClosedMesh{};
    std::vector<int> index(mesh.number_of_vertices() + mesh.number_of_removed_vertices(), -1);
    for (const auto v : mesh.vertices()) {
        const TExact::Point_3& p = mesh.point(v);
        index[v.idx()] = static_cast<int>(out.Points.size());
        out.Points.push_back(TVector3{CGAL::to_double(p.x()), CGAL::to_double(p.y()), CGAL::to_double(p.z())});
    }
    for (const auto f : mesh.faces()) {
        std::array<int, 3> t{};
        int k = 0;
        for (const auto v : CGAL::vertices_around_face(mesh.halfedge(f), mesh))
            t[static_cast<std::size_t>(k++)] = index[v.idx()];
        out.Triangles.push_back(t);
    }
}

}  // namespace

TResult UniteAboveFloor(const std::vector<TClosedMesh>& pieces, TClosedMesh& united)
try {
    std::vector<TExactMesh> meshes(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (TResult made = ExactMesh(pieces[i], meshes[i]); made.Failed())
            return made;
    TExactMesh mesh;
    if (TResult joined = UnionOf(std::move(meshes), mesh); joined.Failed())
        return joined;
    // Keeps the side where -z < 0, and closes the cut.
    PMP::clip(mesh, TExact::Plane_3(0, 0, -1, 0), CGAL::parameters::clip_volume(true));
    PMP::triangulate_faces(mesh);
    if (!CGAL::is_closed(mesh) || PMP::does_self_intersect(mesh))
        return TResult::Failure("the union of the model's pieces did not come out closed");
    RoundedMesh(mesh, united);
    // The union's points rounded: slivers where a rod meets a ball collapsed, so that no
    // triangle of the file is flat once its corners are floats.
    std::vector<TInexactPoint> points;
    for (const TVector3& p : united.Points)
        points.emplace_back(p.X, p.Y, p.Z);
    const TPolygons polygons = PolygonsOf(united.Triangles);
    TInexactMesh rounded;
    PMP::polygon_soup_to_polygon_mesh(points, polygons, rounded);
    TInexactMesh cleaned = rounded;
    PMP::experimental::remove_almost_degenerate_faces(cleaned, std::cos(179.0 / 180.0 * CGAL_PI), 1e4, 1e-3);
    cleaned.collect_garbage();
    // The collapse can fold the mesh where slivers crowd: then the plain rounding is kept.
    if (CGAL::is_closed(cleaned) && !PMP::does_self_intersect(cleaned))
        rounded = std::move(cleaned);
    else if (!CGAL::is_closed(rounded) || PMP::does_self_intersect(rounded))
        return TResult::Failure("the union of the model's pieces did not stay closed once rounded");
    united = TClosedMesh{};
    for (const auto v : rounded.vertices()) {
        const TInexactPoint& p = rounded.point(v);
        united.Points.push_back(TVector3{p.x(), p.y(), p.z()});
    }
    for (const auto f : rounded.faces()) {
        std::array<int, 3> t{};
        int k = 0;
        for (const auto v : CGAL::vertices_around_face(rounded.halfedge(f), rounded))
            t[static_cast<std::size_t>(k++)] = static_cast<int>(v.idx());
        united.Triangles.push_back(t);
    }
    return TResult::Success();
} catch (const std::exception& error) {
    return TResult::Failure(std::string("the union of the model's pieces could not be worked out: ") + error.what());
}

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
    std::vector<std::array<int, 3>> triangles;
    for (const TOuterTriangle& t : surface.Triangles)
        triangles.push_back(t.Corners);
    const TPolygons polygons = PolygonsOf(triangles);
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
