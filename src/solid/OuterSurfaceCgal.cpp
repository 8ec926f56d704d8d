// SPDX-License-Identifier: GPL-3.0-or-later
// The one place CGAL is compiled: Nef polyhedra find the region the faces enclose, and the
// polygon-mesh processing turns its boundary into an oriented, manifold triangle mesh and
// checks meshes read back. This file takes minutes to compile; keep everything else out.

#include "solid/OuterSurface.h"
#include "solid/OuterSurfaceParts.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Nef_polyhedron_3.h>
#include <CGAL/Polygon_mesh_processing/measure.h>
#include <CGAL/Polygon_mesh_processing/orientation.h>
#include <CGAL/Polygon_mesh_processing/polygon_soup_to_polygon_mesh.h>
#include <CGAL/Polygon_mesh_processing/repair_degeneracies.h>
#include <CGAL/Polygon_mesh_processing/self_intersections.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/boost/graph/convert_nef_polyhedron_to_polygon_mesh.h>
#include <CGAL/boost/graph/helpers.h>

// After the Nef polyhedron it marks, which refers to it by name.
#include <CGAL/Nef_3/Mark_bounded_volumes.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace PMP = CGAL::Polygon_mesh_processing;

namespace {

using TExact = CGAL::Exact_predicates_exact_constructions_kernel;
using TNef = CGAL::Nef_polyhedron_3<TExact>;
using TExactPoint = TExact::Point_3;
using TExactMesh = CGAL::Surface_mesh<TExactPoint>;
using TInexact = CGAL::Exact_predicates_inexact_constructions_kernel;
using TInexactPoint = TInexact::Point_3;
using TInexactMesh = CGAL::Surface_mesh<TInexactPoint>;
using TPolygons = std::vector<std::vector<std::size_t>>;

// A filled triangle of a face, in double coordinates, with the face it fills.
struct TFill {
    std::array<TVector3, 3> Corner;
    int Face = 0;
};

// The triangles each face is filled with, as the view fills it: a star round its centre
// (its core is covered more than once, which the union does not mind), any other polygon
// as a fan from its first corner. Corners shared by two faces are the same doubles in
// both, so that the faces meet without a crack.
std::vector<TFill> FillTriangles(const std::vector<TSurfaceFace>& faces)
{
    std::vector<TFill> fills;
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const std::vector<TVector3>& c = faces[f].Corners;
        const int face = static_cast<int>(f);
        if (c.size() < 3)
            continue;
        if (!faces[f].Star) {
            for (std::size_t j = 1; j + 1 < c.size(); ++j)
                fills.push_back(TFill{{c[0], c[j], c[j + 1]}, face});
            continue;
        }
        TVector3 sum{};
        for (const TVector3& p : c)
            sum = AddVectors(sum, p);
        const TVector3 centre = ScaleVector(sum, 1.0 / static_cast<double>(c.size()));
        for (std::size_t j = 0; j < c.size(); ++j)
            fills.push_back(TFill{{centre, c[j], c[(j + 1) % c.size()]}, face});
    }
    return fills;
}

TExactPoint Exact(const TVector3& p)
{
    return TExactPoint(p.X, p.Y, p.Z);
}

// A triangle as a two-dimensional Nef polyhedron in space (from a one-face mesh: the
// vertex-cycle construction fails inside CGAL for some triangles through the centre);
// empty when it is degenerate.
TNef TriangleNef(const TFill& fill)
{
    const std::array<TExactPoint, 3> corners{Exact(fill.Corner[0]), Exact(fill.Corner[1]), Exact(fill.Corner[2])};
    if (CGAL::collinear(corners[0], corners[1], corners[2]))
        return TNef();
    TExactMesh mesh;
    mesh.add_face(mesh.add_vertex(corners[0]), mesh.add_vertex(corners[1]), mesh.add_vertex(corners[2]));
    return TNef(mesh);
}

// The union of the filled triangles, joined pairwise level by level so that each join
// meets pieces of like size.
TNef UnionOf(const std::vector<TFill>& fills)
{
    std::vector<TNef> level;
    level.reserve(fills.size());
    for (const TFill& fill : fills)
        level.push_back(TriangleNef(fill));
    while (level.size() > 1) {
        std::vector<TNef> next;
        next.reserve((level.size() + 1) / 2);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2)
            next.push_back(level[i].join(level[i + 1]));
        if (level.size() % 2 == 1)
            next.push_back(level.back());
        level = std::move(next);
    }
    return level.empty() ? TNef() : level.front();
}

// The closed region the faces enclose: every bounded cell of the space they cut, with the
// faces between such cells; fins and faces with the outside on both sides drop away.
TNef EnclosedRegion(const std::vector<TFill>& fills)
{
    TNef faces = UnionOf(fills);
    CGAL::Mark_bounded_volumes<TNef> markBounded(true);
    faces.delegate(markBounded, false, true);
    return faces.regularization();
}

// Which face a piece of the boundary lies in: the filled triangle whose plane holds the
// piece's centroid and that contains it. Every piece lies exactly in the plane of a filled
// triangle, so in doubles the distance is a rounding error.
int FaceOfPiece(const std::vector<TFill>& fills, const TVector3& centroid)
{
    int best = 0;
    double bestMiss = std::numeric_limits<double>::infinity();
    for (const TFill& fill : fills) {
        const TVector3 a = fill.Corner[0];
        const TVector3 ab = SubtractVectors(fill.Corner[1], a);
        const TVector3 ac = SubtractVectors(fill.Corner[2], a);
        const TVector3 normal = CrossProduct(ab, ac);
        const double twiceArea = VectorLength(normal);
        if (twiceArea < 1e-15)
            continue;
        const TVector3 ap = SubtractVectors(centroid, a);
        double miss = std::fabs(DotProduct(ap, normal)) / twiceArea;
        // Barycentric coordinates in the triangle's plane; how far outside it the point is.
        const double u = DotProduct(CrossProduct(ap, ac), normal) / (twiceArea * twiceArea);
        const double v = DotProduct(CrossProduct(ab, ap), normal) / (twiceArea * twiceArea);
        const double outside = std::max({0.0, -u, -v, u + v - 1.0});
        miss += outside * twiceArea;
        if (miss < bestMiss) {
            bestMiss = miss;
            best = fill.Face;
        }
    }
    return best;
}


// One closed sheet of the boundary: the shell of one connected piece of the enclosed
// region, as an oriented triangle mesh in doubles. Each shell has points of its own, so a
// point where two pieces touch is a point of each.
TResult ShellMesh(const TNef& region, TNef::Shell_entry_const_iterator shell, TInexactMesh& mesh)
{
    std::vector<TInexactPoint> points;
    TPolygons polygons;
    const CGAL::Cartesian_converter<TExact, TInexact> rounded;
    CGAL::nef_to_pm::collect_polygon_mesh_info(points, polygons, region, shell, rounded, true);
    // A piece that touches itself at a point or along an edge gets a point for each sheet.
    std::vector<TVector3> corners;
    for (const TInexactPoint& p : points)
        corners.push_back(TVector3{p.x(), p.y(), p.z()});
    std::vector<std::array<int, 3>> triangles;
    for (const std::vector<std::size_t>& polygon : polygons)
        triangles.push_back({static_cast<int>(polygon[0]), static_cast<int>(polygon[1]), static_cast<int>(polygon[2])});
    if (!SplitPinches(corners, triangles))
        return TResult::Failure("the outer surface could not be made a manifold mesh");
    points.clear();
    for (const TVector3& p : corners)
        points.emplace_back(p.X, p.Y, p.Z);
    polygons.clear();
    for (const auto& t : triangles)
        polygons.push_back(
            {static_cast<std::size_t>(t[0]), static_cast<std::size_t>(t[1]), static_cast<std::size_t>(t[2])});
    if (!PMP::is_polygon_soup_a_polygon_mesh(polygons))
        return TResult::Failure("the outer surface could not be made a manifold mesh");
    PMP::polygon_soup_to_polygon_mesh(points, polygons, mesh);
    if (!CGAL::is_closed(mesh))
        return TResult::Failure("the outer surface is not closed");
    // Points that differ exactly but round to the same doubles leave flat triangles:
    // collapsed, so that no two triangles of the file lie on one another.
    PMP::remove_degenerate_faces(mesh);
    // And points a rounding apart, where faces meet at a tip or slivers end: their short
    // edges collapsed, so that the triangles round them do not cross at that scale.
    PMP::experimental::remove_almost_degenerate_faces(mesh, std::cos(179.9 / 180.0 * CGAL_PI), 1e6, 1e-9);
    mesh.collect_garbage();
    if (!CGAL::is_closed(mesh))
        return TResult::Failure("the outer surface is not closed once rounded");
    PMP::orient_to_bound_a_volume(mesh);
    return TResult::Success();
}

void AppendSheet(const TInexactMesh& mesh, const std::vector<TFill>& fills, int sheet, TOuterSurface& surface)
{
    const int base = static_cast<int>(surface.Points.size());
    for (const auto v : mesh.vertices()) {
        const TInexactPoint& p = mesh.point(v);
        surface.Points.push_back(TVector3{p.x(), p.y(), p.z()});
    }
    for (const auto f : mesh.faces()) {
        TOuterTriangle triangle;
        triangle.Sheet = sheet;
        TVector3 sum{};
        int k = 0;
        for (const auto v : CGAL::vertices_around_face(mesh.halfedge(f), mesh)) {
            const int index = base + static_cast<int>(v.idx());
            triangle.Corners[static_cast<std::size_t>(k++)] = index;
            sum = AddVectors(sum, surface.Points[static_cast<std::size_t>(index)]);
        }
        triangle.Face = FaceOfPiece(fills, ScaleVector(sum, 1.0 / 3.0));
        surface.Triangles.push_back(triangle);
    }
}

// The boundary of region, sheet by sheet, each triangle told its face.
TResult BoundaryMesh(const TNef& region, const std::vector<TFill>& fills, TOuterSurface& surface)
{
    int sheet = 0;
    // The first volume is the outside; the enclosed pieces are the marked ones.
    for (auto volume = region.volumes_begin(); volume != region.volumes_end(); ++volume) {
        if (!volume->mark())
            continue;
        for (auto shell = volume->shells_begin(); shell != volume->shells_end(); ++shell) {
            TInexactMesh mesh;
            TResult result = ShellMesh(region, shell, mesh);
            if (result.Failed())
                return result;
            AppendSheet(mesh, fills, sheet++, surface);
        }
    }
    surface.Sheets = sheet;
    return TResult::Success();
}

}  // namespace

TResult FormOuterSurface(std::vector<TSurfaceFace> faces, TOuterSurface& surface)
try {
    surface = TOuterSurface{};
    surface.Faces = std::move(faces);
    const std::vector<TFill> fills = FillTriangles(surface.Faces);
    const TNef region = EnclosedRegion(fills);
    if (region.is_empty())
        return TResult::Success();
    TResult result = BoundaryMesh(region, fills, surface);
    if (result.Failed()) {
        surface.Points.clear();
        surface.Triangles.clear();
        return result;
    }
    MergeFacePieces(surface);
    CountPinches(surface);
    MeasureSurface(surface);
    // Nothing half made is handed on: a printer given crossing triangles prints nonsense.
    const TMeshCheck check = CheckMesh(surface);
    if (!check.Closed || !check.Manifold || !check.Outward || check.SelfIntersecting) {
        surface.Points.clear();
        surface.Triangles.clear();
        return TResult::Failure(check.SelfIntersecting
                                    ? "the outer surface has triangles that cross once rounded to doubles"
                                    : "the outer surface did not come out closed and outward");
    }
    return result;
} catch (const std::exception& error) {
    surface.Points.clear();
    surface.Triangles.clear();
    return TResult::Failure(std::string("the outer surface could not be worked out: ") + error.what());
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
