#pragma once
// The root of the engine object: the solids, the found list and the axis frame.

#include "geometry/VectorFunc.h"

#include <vector>

class TPolyhedron {
public:
    int DualPieces = 0;       // stored polygons that make up one dual face
    int DualFaceKind = 0;     // how dual faces are stored
    int DualVertexCount = 0;  // true vertex count of the dual

    // The alternatives at the vertex being completed: where the next polygon starts in
    // the configuration, and in which direction the configuration is read.
    std::vector<int> CandidateOffset;
    std::vector<int> CandidateDirection;
    int CandidateCount = 0;

    // Each distinct cyclic reading of the configuration: [start, direction, n0 ... nk-1].
    std::vector<std::vector<int>> Arrangements;
    int ArrangementCount = 0;
    std::vector<std::vector<int>> ArrangementD;  // the d's of each reading, same order

    int SavedCount = 0;  // saved search states on the stack

    TPolyFace Current;         // the solid under construction, raw form
    TPolyFace CurrentDisplay;  // Current with star faces split into triangles
    TPolyFace Dual;
    double DualRadius = 1.0;
    double SphereRadius = 0.0;  // circumsphere radius R for unit edges

    TPolyFaceArray FoundSolids;
    TPolyFaceArray FoundDisplay;
    int FoundCount = 0;

    double FrameSinA = 0.0;
    double FrameCosA = 1.0;
    double FrameSinB = 0.0;
    double FrameCosB = 1.0;

    // Deep copy of everything but NextChoice and ResumeVertex, which the destination keeps.
    void CopyPolyFace(TPolyFace& destination, const TPolyFace& source) const;
    // destination := source with every vertex replaced by matrix * vertex.
    void TransformSolid(const TMatrix3& matrix, const TPolyFace& source, TPolyFace& destination) const;
    // Stores a copy of state at entry depth (dropping anything above), resuming at
    // resumeVertex with the next alternative. The caller then increments its depth.
    void PushState(TPolyFaceArray& stack, int depth, int resumeVertex, const TPolyFace& state) const;
    // Restores entry depth into destination and returns its resume vertex; the entry is dropped.
    int PopState(TPolyFace& destination, TPolyFaceArray& stack, int depth) const;

    // Turns the direction of v onto the positive X axis.
    void SetAxisFrame(TVector3 v);
    [[nodiscard]] TVector3 ToAxisFrame(TVector3 v) const;
    [[nodiscard]] TVector3 FromAxisFrame(TVector3 w) const;
};
