// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A straightforward search, written only to check the real one against: every saved
// state is a deep copy of Current, every lookup a linear scan, every check of all
// vertices a full pass. Slow, and plainly the algorithm as it reads. It shares nothing
// with the real search but the vertex geometry.

#include "construction/PolyhedronBuild.h"

class TReferenceBuild {
public:
    [[nodiscard]] bool Prepare(const TVertexConfiguration& config, TInfoPane& pane);
    void Search(int& step, TInfoPane& pane);

    [[nodiscard]] int FoundCount() const { return static_cast<int>(Found.size()); }
    [[nodiscard]] const TBuiltSolid* SolidAt(int listPosition) const;

private:
    [[nodiscard]] const TVertexGeometry& G() const { return Preparation.Geometry(); }
    bool CheckAllVertices();
    bool FindCandidates(int v);
    bool CompleteVertex(int v);
    void PlacePolygon(TVector3 p0, int v, TVector3 p2, int d, int n);
    void RecordFound();

    TPreparation Preparation;
    TBuiltSolid Shown;
    TPolyFace& Current = Shown.Raw;
    TPolyFace& CurrentDisplay = Shown.Display;
    std::vector<TBuiltSolid> Found;
    TPolyFaceArray Saved;
    int SavedCount = 0;
    bool LimitCut = false;
    std::vector<int> CandidateOffset;
    std::vector<int> CandidateDirection;
    int CandidateCount = 0;
};
