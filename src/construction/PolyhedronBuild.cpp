#include "construction/PolyhedronBuild.h"

#include "common/Messages.h"
#include "construction/Lookups.h"

#include <algorithm>
#include <cmath>
#include <string>

std::string VertexLimitCutLine(int limit)
{
    return Text(TMessage::VertexLimitCut, std::to_string(limit));
}

double TBuild::RecurrenceFactor(int n, int d)
{
    // 1 + 2 cos(2 pi d / n), written as the corner recurrence needs it; kept per {n/d}.
    double& factor = Factors[static_cast<std::size_t>(n * (MaxPolygonCorners + 1) + d)];
    if (std::isnan(factor))
        factor = 1.0 - 2.0 * std::cos(M_PI - d * TurnFraction(n));
    return factor;
}

void TBuild::StartWork()
{
    // Preparation has just emptied Current; the search starts afresh from it.
    Table.Build(PolygonCount, Arrangements, ArrangementD);
    Work.Reset(Table);
    Work.NextChoice = Current.NextChoice;
    LimitCut = false;
    TailWalk = false;
    MarkedDepth = -1;
    LostClosures = 0;
    PruningCuts = 0;
    PruningChecks = 0;
    PruningSecondChecks = 0;
    CacheCompared = 0;
    CacheMismatches = 0;
    EnablePruning();
    Work.FindOrAddVertex(MakeVector(SphereRadius, 0.0, 0.0));
}

void TBuild::Search(int& step, TInfoPane& pane, TSearchControl* control)
{
    const bool resuming = step == OneShotStep && control != nullptr && control->ResumeVertex >= 1;
    if (step <= 0 && !resuming)
        StartWork();
    int n = resuming ? control->ResumeVertex : step < 0 ? 0 : step;
    if (resuming) {
        control->ResumeVertex = 0;
        control->TimedOut = false;
    }
    long long steps = resuming ? control->Completions.load(std::memory_order_relaxed) : 0;
    for (;;) {
        // Every 64 steps a watched one-shot search shows how far it is, and pauses if asked.
        if (step == OneShotStep && (++steps & 63) == 0 && control != nullptr
            && PauseOnRequest(n, steps, *control, pane)) {
            step = n;
            break;
        }
        if (n < Work.VertexCount()) {
            bool failed = CheckAllVertices();
            if (!failed && step == OneShotStep && CutBelow(n, steps))
                failed = true;  // no solid below within the limit: fail and pop, as a failed completion does
            else if (!failed)
                failed = CompleteVertex(n);
            if (failed && Work.SavedCount() == 0) {
                AppendEndLines(pane);
                step = SearchEndedAfterFailure;
                break;
            }
            if (failed) {
                n = Work.Restore(Work.NextChoice);
                if (MarkedDepth >= 0 && Work.SavedCount() < MarkedDepth)
                    MarkedDepth = -1;  // out of the marked subtree
                SavedCount = Work.SavedCount();
                if (step == OneShotStep)
                    continue;
                step = n;
                pane.AppendLine(Text(TMessage::Backtrack));
                break;
            }
            n = n + 1;
            if (step == OneShotStep)
                continue;
            step = n;
            break;
        }
        if (step != Work.VertexCount() && step != OneShotStep)
            break;  // a finished search called again

        // Every vertex is complete, so the solid is closed.
        RecordFoundSolid();
        if (Work.SavedCount() == 0) {
            pane.AppendLine(Text(TMessage::FoundSolids, std::to_string(FoundCount)));
            AppendEndLines(pane);
            step = Work.VertexCount() + 1;
            break;
        }
        n = Work.Restore(Work.NextChoice);
        if (MarkedDepth >= 0 && Work.SavedCount() < MarkedDepth)
            MarkedDepth = -1;
        SavedCount = Work.SavedCount();
        pane.AppendLine(Text(TMessage::FoundSolids, std::to_string(FoundCount)));
        if (step != OneShotStep) {
            step = n;
            break;
        }
        if (FoundCount >= FoundSolidCap) {
            pane.AppendLine(Text(TMessage::ManyFoundPause));
            step = n;
            break;
        }
    }
    FinishCall();
}

bool TBuild::CutBelow(int n, long long steps)
{
    if (TailWalk) {
        SetLastCandidate(n);
        return false;
    }
    if (!CheckDue(n, steps))
        return false;
    ++PruningChecks;
    if (!CutAfterForcing(n))
        return false;
    ++PruningCuts;
    if (PruningDiagnosis) {
        if (MarkedDepth < 0)
            MarkedDepth = Work.SavedCount();
        return false;
    }
    if (Work.SavedCount() > 0)
        return true;
    // Nothing is saved above: the plain search would end on this subtree's last path, with
    // the last candidate at every vertex, and list item 0 shows where. Walk it.
    TailWalk = true;
    SetLastCandidate(n);
    return false;
}

void TBuild::SetLastCandidate(int n)
{
    // Only where the completion will read the choice: a completion refused at the limit,
    // or with no candidate, leaves NextChoice as the plain search leaves it.
    if (Work.VertexCount() <= VertexLimit && Work.FanCount(n) >= 1 && !FindCandidates(n))
        Work.NextChoice = std::max(Work.NextChoice, CandidateCount - 1);
}

bool TBuild::PauseOnRequest(int n, long long steps, TSearchControl& control, TInfoPane& pane)
{
    control.Completions.store(steps, std::memory_order_relaxed);
    control.Vertices.store(Work.VertexCount(), std::memory_order_relaxed);
    control.Found.store(FoundCount, std::memory_order_relaxed);
    // Never before the first vertex is complete: step 0 would start a new build.
    if (n < 1)
        return false;
    if (!control.StopRequested.load(std::memory_order_relaxed)) {
        if (steps < control.StepDeadline && std::chrono::steady_clock::now() < control.Deadline)
            return false;
        control.TimedOut = true;
        control.ResumeVertex = n;
        return true;
    }
    control.Stopped = true;
    pane.AppendLine(Text(TMessage::Stopped));
    return true;
}

void TBuild::AppendEndLines(TInfoPane& pane)
{
    if (LimitCut)
        pane.AppendLine(VertexLimitCutLine(VertexLimit));
    pane.AppendLine(Text(TMessage::AllTried));
    pane.AppendLine(SeparatorLine);
}

void TBuild::RecordFoundSolid()
{
    if (MarkedDepth >= 0)
        ++LostClosures;  // diagnosis: a cut at the marked node would have lost this solid
    Work.ExportTo(Current);
    BuildDisplayForm(Current, CurrentDisplay);
    PushState(FoundSolids, FoundCount, 0, Current);
    PushState(FoundDisplay, FoundCount, 0, CurrentDisplay);
    FoundCount = FoundCount + 1;
}

void TBuild::FinishCall()
{
    // List position 0 shows the state the search has reached.
    Work.ExportTo(Current);
    SavedCount = Work.SavedCount();
    BuildDisplayForm(Current, CurrentDisplay);
}

bool TBuild::CheckAllVertices() const
{
    return Work.AnyVertexStuck();
}

bool TBuild::FindCandidates(int v)
{
    const int k = PolygonCount;
    CandidateCount = 0;
    CandidateOffset.clear();
    CandidateDirection.clear();
    const int m = Work.FanCount(v);
    if (m + Work.PendingCount(v) > k)
        return true;
    const std::uint32_t matching = Work.MatchingReadings(v);
    for (int a = 0; a < Table.Count(); ++a) {
        if ((matching & (1u << a)) == 0)
            continue;
        const int direction = Table.DirectionOf(a);
        // The next polygon is the one m places on from the reading's start.
        CandidateOffset.push_back((((m * direction + Table.StartOf(a) + k) % k) + k) % k);
        CandidateDirection.push_back(direction);
        ++CandidateCount;
    }
    return CandidateCount == 0;
}

void TBuild::UseAxisFrameOf(int v)
{
    // A vertex never moves, so its frame is worked out once however often it is used.
    if (const double* frame = Work.KnownFrame(v)) {
        FrameSinA = frame[0];
        FrameCosA = frame[1];
        FrameSinB = frame[2];
        FrameCosB = frame[3];
        return;
    }
    SetAxisFrame(Work.Vertex(v));
    Work.KeepFrame(v, FrameSinA, FrameCosA, FrameSinB, FrameCosB);
}

bool TBuild::CompleteVertex(int v)
{
    const int k = PolygonCount;
    if (Work.VertexCount() > VertexLimit) {
        LimitCut = true;
        return true;
    }
    UseAxisFrameOf(v);
    int offset = 0;
    int dir = 1;
    double phi = 0.0;
    if (Work.FanCount(v) >= 1) {
        if (FindCandidates(v))
            return true;
        // Angles round v are measured from the fan's last end, where the next polygon starts.
        const TVector3 w = ToAxisFrame(Work.Vertex(Work.FanLast(v)));
        phi = std::atan2(w.Z, w.Y);
        const int c = Work.NextChoice;
        if (c < 0 || c >= CandidateCount)
            return true;
        offset = CandidateOffset[c];
        dir = CandidateDirection[c];
        if (c < CandidateCount - 1)
            Work.Save(v, c + 1);
        Work.NextChoice = 0;
    }

    TVector3 corner[MaxPolygonCount];
    for (int i = 0; i < k; ++i) {
        const int q = ((i * dir + k + offset) % k + k) % k;
        phi += CentralAngle[q];
        corner[i] =
            FromAxisFrame(MakeVector(PlaneOffset, NeighbourRadius * std::cos(phi), NeighbourRadius * std::sin(phi)));
    }
    const int missing = k - Work.FanCount(v);  // fixed before placing changes the fan
    for (int b = 0; b < missing; ++b) {
        const int q = ((b * dir + k + offset) % k + k) % k;
        PlacePolygon(corner[b], v, corner[(b + k - 1) % k], PolyD[q], PolyN[q]);
    }
    return Work.PendingCount(v) > 0 || Work.FanFirst(v) != Work.FanLast(v);
}

void TBuild::PlacePolygon(TVector3 p0, int v, TVector3 p2, int d, int n)
{
    // Three consecutive corners of a regular {n/d} fix the rest:
    // P[j] = P[j-3] + f (P[j-1] - P[j-2]) with f = 1 + 2 cos(2 pi d / n).
    if (n < 3 || n > MaxPolygonCorners || d < 1 || d >= n)
        return;  // configurations are checked where they enter; never write past the corners
    const double f = RecurrenceFactor(n, d);
    TVector3 points[MaxPolygonCorners];
    int idx[MaxPolygonCorners];
    points[0] = p0;
    points[1] = Work.Vertex(v);
    points[2] = p2;
    for (int j = 3; j < n; ++j)
        points[j] = AddVectors(points[j - 3], ScaleVector(SubtractVectors(points[j - 1], points[j - 2]), f));
    // P1 is v itself, and no vertex older than v lies within 1e-9 of it (else v would
    // never have been added), so the lookup would return v.
    for (int j = 0; j < n; ++j)
        idx[j] = j == 1 ? v : Work.FindOrAddVertex(points[j]);

    const int old = Work.FaceCount();
    const int face = Work.FindOrAddFace(idx, n, n, d);
    for (int j = 0; j < n; ++j) {
        const int prev = idx[(j + n - 1) % n];
        const int cur = idx[j];
        const int next = idx[(j + 1) % n];
        Work.AddEdge(cur, next);
        if (face != old) {
            // The polygon was there already: only the vertex being completed takes it
            // into its fan, out of its pending list.
            if (cur != v)
                continue;
            Work.RemoveFirstPending(v, face);
        }
        if (Work.FanCount(cur) == 0)
            Work.StartFan(cur, next, prev, n, d, face);
        else if (Work.FanLast(cur) == next)
            Work.AppendToFan(cur, prev, n, d, face);
        else if (Work.FanFirst(cur) == prev)
            Work.PrependToFan(cur, next, n, d, face);
        else
            Work.AddPending(cur, face);
    }
}

void TBuild::BuildDisplayForm(const TPolyFace& raw, TPolyFace& display) const
{
    CopyPolyFace(display, raw);
    display.Faces.clear();
    display.FaceSize.clear();
    display.FaceN.clear();
    display.FaceD.clear();
    display.FaceCount = 0;
    for (int f = 0; f < raw.FaceCount; ++f) {
        const int size = raw.FaceSize[f];
        const int* corners = raw.Faces[f].data();
        if (raw.FaceD[f] <= 1) {
            FindOrAddFace(corners, size, size, 1, display);
            continue;
        }
        // A star or backward polygon is filled as triangles round its centre.
        TVector3 sum{};
        for (int j = 0; j < size; ++j)
            sum = AddVectors(sum, raw.Vertices[corners[j]]);
        const int centre = FindOrAddVertex(ScaleVector(sum, 1.0 / size), display);
        for (int j = 0; j < size; ++j) {
            const int triangle[3] = {centre, corners[j], corners[(j + 1) % size]};
            FindOrAddFace(triangle, 3, size, raw.FaceD[f], display);
        }
    }
}
