// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a solid is, whatever built it: its counts, its topology, its full symmetry group
// with the orbits of that group on the vertices, and a canonical form that two solids
// share exactly when one proper rotation (after centring and scaling) carries one onto
// the other. Read from the faces alone: the vertices no face uses (the first two entries
// of a dual) take no part.

#include "construction/BuiltSolid.h"

#include <string>

struct TSolidClass {
    int Vertices = 0;             // those some face uses
    int Faces = 0;                // polygons as placed ({5/2} counts once)
    int Edges = 0;                // distinct sides of the faces
    int EulerCharacteristic = 0;  // V - E + F
    bool Manifold = false;        // every edge is a side of exactly two faces
    bool Orientable = false;      // manifold, and the faces can be wound so every edge is run both ways
    // Schoenflies name of the full symmetry group: "Ih", "Oh", "Td", "I", "O", "D5d", "D3h",
    // "C2v", "S6", "Cs", "Ci", "C1", ...; empty when the vertices span no frame (fewer than
    // two off one line through their centroid, or two within 1e-7 of each other), and then
    // SymmetryOrder and VertexOrbits are 0 and Shape is empty.
    std::string Symmetry;
    int SymmetryOrder = 0;  // rotations and reflections (Ih: 120)
    int VertexOrbits = 0;   // orbits of the group on the vertices; 1 = vertex-transitive
    bool Chiral = false;    // no improper isometry maps the solid onto itself
    // Canonical form: equal exactly when one proper rotation maps one solid (vertices AND
    // faces) onto the other, both centred on their vertices' centroid and scaled to unit
    // mean edge. Coordinates in it are whole millionths of the edge.
    std::string Shape;
    std::string MirrorShape;  // Shape of the mirror image; equals Shape when not chiral
};

// The symmetries are the isometries fixing the centroid of the vertices that map the
// vertices onto themselves and the faces (cyclic sequences of vertices, read either way)
// onto faces; points match within 1e-7 of the mean edge.
[[nodiscard]] TSolidClass ClassifySolid(const TBuiltSolid& solid);
// The same from faces alone (for tests and for the dual and the compound).
[[nodiscard]] TSolidClass ClassifyFaces(const TPolyFace& raw);
