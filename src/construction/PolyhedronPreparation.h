#pragma once
// Works out the geometry of one vertex from the configuration alone: the circle of
// neighbours, the central angle each polygon takes on it, the circumsphere, and the
// table of distinct cyclic readings of the configuration that the search matches.

#include "common/InfoPane.h"
#include "construction/VertexConfiguration.h"
#include "geometry/PolyhedronFunc.h"

#include <vector>

class TPreparation : public TPolyhedron {
public:
    std::vector<int> PolyN;
    std::vector<int> PolyD;
    std::vector<double> Chord;          // |2 cos(pi d/n)|: the side polygon i gives the vertex figure
    std::vector<double> PolygonRadius;  // circumradius of {n/d} with unit edge
    std::vector<double> PolygonArea;    // area of {n/d} with unit edge, counted with its density
    std::vector<double> ChordSign;      // -1 for a polygon traversed backwards (d > n/2), else +1
    int Winding = 1;
    bool IrregularVertex = false;  // some polygon runs backwards, or the winding is not 1
    bool LastAdded = false;        // the last polygon is the added one and is never placed
    int VertexLimit = 200;
    std::vector<double> CentralAngle;  // angle on the circle of neighbours taken by polygon i
    int PolygonCount = 0;              // polygons placed round each vertex
    double NeighbourRadius = 0.0;      // r: radius of the circle of neighbours
    double DualScale = 1.0;
    double PlaneOffset = 0.0;  // distance from the centre to the plane of that circle

    // True when the configuration cannot be built; the reason is appended to the pane.
    [[nodiscard]] bool Prepare(const TVertexConfiguration& config, TInfoPane& pane);

private:
    void FillPolygonTables(const TVertexConfiguration& config);
    void BuildArrangements();
    [[nodiscard]] bool SolveVertexFigure(TInfoPane& pane);
    [[nodiscard]] bool SolveByBisection(double& r, TInfoPane& pane) const;
    [[nodiscard]] double AngleSum(double diameter) const;
    static void RefuseTooLarge(TInfoPane& pane);
};

// 2 pi / n formed in extended precision and rounded to double, as every polygon angle starts.
[[nodiscard]] double TurnFraction(int n);
// asin and acos as two-argument arctangents, as the whole engine forms them.
[[nodiscard]] double ArcSin(double x);
[[nodiscard]] double ArcCos(double x);
