#pragma once
// A straightforward search, written only to check the real one against: every saved
// state is a deep copy of Current, every lookup a linear scan, every check of all
// vertices a full pass. Slow, and plainly the algorithm as it reads.

#include "construction/PolyhedronBuild.h"

class TReferenceBuild : public TBuild {
public:
    void Search(int& step, TInfoPane& pane);

private:
    bool CheckAllVertices();
    bool FindCandidates(int v);
    bool CompleteVertex(int v);
    void PlacePolygon(TVector3 p0, int v, TVector3 p2, int d, int n);

    TPolyFaceArray Saved;
};
