// SPDX-License-Identifier: GPL-3.0-or-later
// Which readings of an unfinished vertex can still be completed. The polygons a reading
// places are fixed now, whoever places them later (see SearchPruning.cpp), so two things
// already decide against a reading:
// - a face through the vertex that is not in its fan (pending) joins the fan only when the
//   vertex places that same polygon; a reading that does not place it fails;
// - a polygon not there yet joins the fan or the pending faces of every vertex it passes
//   through; where those already number k, the check of all vertices before the next
//   completion fails. Only the search's last completion is followed by no check, so this
//   holds for every vertex but the newest.
// The bound counts only what readings that can be completed need; a vertex with none
// means no solid below.

#include "construction/PolyhedronBuild.h"

#include "construction/PruningDistances.h"

#include <algorithm>

bool TBuild::RecordReadingPolygons(int u, const std::vector<TPredictedPolygon>& polygons, TBoundEntry& entry)
{
    // false: some corner is neither clearly at one vertex nor clearly new.
    TReadingNeed reading;
    reading.FirstPolygon = static_cast<int>(entry.Polygons.size());
    reading.PolygonCount = static_cast<int>(polygons.size());
    int at[MaxPolygonCorners];
    for (const TPredictedPolygon& polygon : polygons) {
        TReadingPolygon placed{polygon.N, static_cast<int>(entry.Corners.size()), true};
        for (int j = 0; j < polygon.N; ++j) {
            int nearest = u;
            double distance = 0.0;
            const int count = j == 1 ? 1 : CountNear(polygon.Points[j], nearest, distance);
            if (count > 1 || (count == 1 && distance > AtDistance))
                return false;
            at[j] = count == 1 ? nearest : -1;
            // Two corners at one vertex: a polygon no completion places as predicted.
            reading.Judged = reading.Judged && (count == 0 || std::find(at, at + j, nearest) == at + j);
            placed.AllAtVertices = placed.AllAtVertices && count == 1;
            entry.Corners.push_back(TReadingCorner{count == 1 ? Work.Vertex(nearest) : polygon.Points[j], count == 1});
        }
        entry.Polygons.push_back(placed);
    }
    entry.Readings.push_back(reading);
    return true;
}

double TBuild::FeasibleNeed(int u, const TBoundEntry& entry) const
{
    // The readings come fewest-needing first: the first that can be completed gives w_u.
    for (const TReadingNeed& reading : entry.Readings)
        if (!reading.Judged || ReadingCanComplete(u, entry, reading))
            return reading.Need;
    return -1.0;
}

bool TBuild::ReadingCanComplete(int u, const TBoundEntry& entry, const TReadingNeed& reading) const
{
    const int k = Geometry().PolygonCount;
    const bool checked = u < Work.VertexCount() - 1;
    int faces[MaxPolygonCount];
    int faceCount = 0;
    int at[MaxPolygonCorners];
    for (int p = reading.FirstPolygon; p < reading.FirstPolygon + reading.PolygonCount; ++p) {
        const TReadingPolygon& polygon = entry.Polygons[p];
        if (!polygon.AllAtVertices && !checked)
            continue;
        for (int j = 0; j < polygon.N; ++j) {
            const TReadingCorner& corner = entry.Corners[polygon.FirstCorner + j];
            at[j] = j == 1 ? u : corner.AtVertex ? VertexAt(corner.Place) : -1;
            if (corner.AtVertex && at[j] < 0)
                return true;  // not where it was: no verdict
        }
        const int face = polygon.AllAtVertices ? Work.FindFace(at, polygon.N) : -1;
        if (face >= 0) {
            faces[faceCount++] = face;
            continue;
        }
        if (!checked)
            continue;
        for (int j = 0; j < polygon.N; ++j)
            if (j != 1 && at[j] >= 0 && Work.FanCount(at[j]) + Work.PendingCount(at[j]) >= k)
                return false;
    }
    const int* pending = Work.Pending(u);
    for (int i = 0; i < Work.PendingCount(u); ++i)
        if (std::find(faces, faces + faceCount, pending[i]) == faces + faceCount)
            return false;
    return true;
}

int TBuild::VertexAt(TVector3 place) const
{
    int nearest = -1;
    double distance = 0.0;
    return Work.CountVerticesNear(place, AtDistance, nearest, distance) == 1 ? nearest : -1;
}
