// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ReferenceSearch.h"

#include "construction/Lookups.h"

#include <cmath>
#include <string>

bool TReferenceBuild::Prepare(const TVertexConfiguration& config, TInfoPane& pane)
{
    Found.clear();
    Current.NextChoice = 0;
    SavedCount = 0;
    Current.Clear();
    CurrentDisplay.Clear();
    const bool failed = Preparation.Prepare(config, pane);
    Shown.Geometry = Preparation.SharedGeometry();
    return failed;
}

const TBuiltSolid* TReferenceBuild::SolidAt(int listPosition) const
{
    if (listPosition == 0)
        return &Shown;
    if (listPosition < 0 || listPosition > FoundCount())
        return nullptr;
    return &Found[static_cast<std::size_t>(listPosition - 1)];
}

void TReferenceBuild::RecordFound()
{
    BuildDisplayForm(Current, CurrentDisplay);
    TBuiltSolid& found = Found.emplace_back();
    CopyPolyFace(found.Raw, Current);
    found.Raw.NextChoice = Current.NextChoice + 1;
    CopyPolyFace(found.Display, CurrentDisplay);
    found.Display.NextChoice = CurrentDisplay.NextChoice + 1;
    found.Geometry = Shown.Geometry;
}

void TReferenceBuild::Search(int& step, TInfoPane& pane)
{
    if (step <= 0) {
        LimitCut = false;
        FindOrAddVertex(MakeVector(G().SphereRadius, 0, 0), Current);
    }
    int n = step < 0 ? 0 : step;
    for (;;) {
        if (n < Current.VertexCount) {
            bool failed = CheckAllVertices();
            if (!failed)
                failed = CompleteVertex(n);
            if (failed && SavedCount == 0) {
                if (LimitCut)
                    pane.AppendLine(VertexLimitCutLine(G().VertexLimit));
                pane.AppendLine("全通り調べ終わりました。");
                pane.AppendLine(SeparatorLine);
                step = SearchEndedAfterFailure;
                break;
            }
            if (failed) {
                SavedCount = SavedCount - 1;
                n = PopState(Current, Saved, SavedCount);
                if (step == -1)
                    continue;
                step = n;
                pane.AppendLine("少し前に戻り別の置き方を試します。");
                break;
            }
            n = n + 1;
            if (step == -1)
                continue;
            step = n;
            break;
        } else if (step == Current.VertexCount || step == -1) {
            RecordFound();
            const std::string found = std::to_string(FoundCount()) + "個この形の立体がありました。";
            if (SavedCount == 0) {
                pane.AppendLine(found);
                if (LimitCut)
                    pane.AppendLine(VertexLimitCutLine(G().VertexLimit));
                pane.AppendLine("全通り調べ終わりました。");
                pane.AppendLine(SeparatorLine);
                step = Current.VertexCount + 1;
                break;
            }
            SavedCount = SavedCount - 1;
            n = PopState(Current, Saved, SavedCount);
            pane.AppendLine(found);
            if (step != -1) {
                step = n;
                break;
            }
            if (FoundCount() >= 100) {
                pane.AppendLine("たくさん立体がみつかったのでとりあえず中断します。");
                step = n;
                break;
            }
        } else {
            break;
        }
    }
    BuildDisplayForm(Current, CurrentDisplay);
}

bool TReferenceBuild::CheckAllVertices()
{
    for (int i = 0; i < Current.VertexCount; ++i)
        if (FindCandidates(i))
            return true;
    return false;
}

bool TReferenceBuild::FindCandidates(int v)
{
    const int k = G().PolygonCount;
    CandidateCount = 0;
    CandidateOffset.clear();
    CandidateDirection.clear();
    if (Current.FanCount[v] + Current.PendingCount[v] > k)
        return true;
    const int m = Current.FanCount[v];
    for (int a = 0; a < G().ArrangementCount; ++a) {
        bool match = true;
        for (int j = 0; j < m && match; ++j)
            match = Current.FanN[v][j] == G().Arrangements[a][2 + j] && Current.FanD[v][j] == G().ArrangementD[a][j];
        if (!match)
            continue;
        const int direction = G().Arrangements[a][1];
        CandidateOffset.push_back(((m * direction + G().Arrangements[a][0] + k) % k + k) % k);
        CandidateDirection.push_back(direction);
        ++CandidateCount;
    }
    return CandidateCount == 0;
}

bool TReferenceBuild::CompleteVertex(int v)
{
    const int k = G().PolygonCount;
    if (Current.VertexCount > G().VertexLimit) {
        LimitCut = true;
        return true;
    }
    const TAxisFrame frame = TAxisFrame::Towards(Current.Vertices[v]);
    int offset = 0;
    int dir = 1;
    double phi = 0;
    if (Current.FanCount[v] >= 1) {
        if (FindCandidates(v))
            return true;
        const TVector3 w = frame.To(Current.Vertices[Current.FanLast[v]]);
        phi = std::atan2(w.Z, w.Y);
        const int c = Current.NextChoice;
        offset = CandidateOffset[c];
        dir = CandidateDirection[c];
        if (c < CandidateCount - 1) {
            PushState(Saved, SavedCount, v, Current);
            SavedCount = SavedCount + 1;
        }
        Current.NextChoice = 0;
    }
    TVector3 corner[16];
    for (int i = 0; i < k; ++i) {
        const int q = ((i * dir + k + offset) % k + k) % k;
        phi += G().CentralAngle[q];
        corner[i] = frame.From(
            MakeVector(G().PlaneOffset, G().NeighbourRadius * std::cos(phi), G().NeighbourRadius * std::sin(phi)));
    }
    const int missing = k - Current.FanCount[v];
    for (int b = 0; b < missing; ++b) {
        const int q = ((b * dir + k + offset) % k + k) % k;
        PlacePolygon(corner[b], v, corner[(b + k - 1) % k], G().PolyD[q], G().PolyN[q]);
    }
    return Current.PendingCount[v] > 0 || Current.FanFirst[v] != Current.FanLast[v];
}

void TReferenceBuild::PlacePolygon(TVector3 p0, int v, TVector3 p2, int d, int n)
{
    const double f = 1.0 - 2.0 * std::cos(M_PI - d * TurnFraction(n));
    TVector3 points[32];
    int idx[32];
    points[0] = p0;
    points[1] = Current.Vertices[v];
    points[2] = p2;
    for (int j = 3; j < n; ++j)
        points[j] = AddVectors(points[j - 3], ScaleVector(SubtractVectors(points[j - 1], points[j - 2]), f));
    for (int j = 0; j < n; ++j)
        idx[j] = FindOrAddVertex(points[j], Current);
    const int old = Current.FaceCount;
    const int face = FindOrAddFace(idx, n, n, d, Current);
    for (int j = 0; j < n; ++j) {
        const int prev = idx[(j + n - 1) % n];
        const int cur = idx[j];
        const int next = idx[(j + 1) % n];
        AddEdge(cur, next, false, Current);
        if (face != old) {
            if (cur != v)
                continue;
            auto& pending = Current.Pending[v];
            for (int p = 0; p < Current.PendingCount[v]; ++p)
                if (pending[p] == face) {
                    pending.erase(pending.begin() + p);
                    Current.PendingCount[v] -= 1;
                    break;
                }
        }
        if (Current.FanCount[cur] == 0) {
            Current.FanFirst[cur] = next;
            Current.FanLast[cur] = prev;
            Current.FanN[cur] = {n};
            Current.FanD[cur] = {d};
            Current.FanFaces[cur] = {face};
            Current.FanCount[cur] = 1;
        } else if (Current.FanLast[cur] == next) {
            Current.FanLast[cur] = prev;
            Current.FanN[cur].push_back(n);
            Current.FanD[cur].push_back(d);
            Current.FanFaces[cur].push_back(face);
            Current.FanCount[cur] += 1;
        } else if (Current.FanFirst[cur] == prev) {
            Current.FanFirst[cur] = next;
            Current.FanN[cur].insert(Current.FanN[cur].begin(), n);
            Current.FanD[cur].insert(Current.FanD[cur].begin(), d);
            Current.FanFaces[cur].insert(Current.FanFaces[cur].begin(), face);
            Current.FanCount[cur] += 1;
        } else {
            Current.Pending[cur].push_back(face);
            Current.PendingCount[cur] += 1;
        }
    }
}
