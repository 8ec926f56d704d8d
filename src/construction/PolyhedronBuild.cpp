// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/PolyhedronBuild.h"

#include "common/Messages.h"
#include "construction/Lookups.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <string>

std::string VertexLimitCutLine(int limit)
{
    // At the highest limit there is none to raise: the line says so instead.
    return Text(limit >= MaxVertexLimit ? TMessage::VertexLimitCutAtMost : TMessage::VertexLimitCut,
                std::to_string(limit));
}

bool TBuild::Prepare(const TVertexConfiguration& config, TInfoPane& pane)
{
    Found.clear();
    Shown.Raw.NextChoice = 0;
    Shown.Raw.Clear();
    Shown.Display.Clear();
    const bool failed = TPreparation::Prepare(config, pane);
    Shown.Geometry = SharedGeometry();
    Work.NextChoice = 0;
    return failed;
}

const TBuiltSolid* TBuild::SolidAt(int listPosition) const
{
    if (listPosition == 0)
        return &Shown;
    if (listPosition < 0 || listPosition > FoundCount())
        return nullptr;
    return &Found[static_cast<std::size_t>(listPosition - 1)];
}

void TBuild::StartWork()
{
    // Preparation has just emptied the list; the search starts afresh.
    const TVertexGeometry& g = Geometry();
    Table.Build(g.PolygonCount, g.Arrangements, g.ArrangementD);
    const int nextChoice = Work.NextChoice;
    Work.Reset(Table);
    Work.NextChoice = nextChoice;
    LimitWasCut = false;
    TailWalk = false;
    MarkedDepth = -1;
    Counts = TPruningStats{};
    EnablePruning();
    Work.FindOrAddVertex(MakeVector(g.SphereRadius, 0.0, 0.0));
}

void TBuild::Search(int& step, TInfoPane& pane, TSearchControl* control)
{
    const bool watched = step == OneShotStep && control != nullptr;
    const bool resuming = watched && control->ResumeVertex >= 1;
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
            pane.AppendLine(Text(TMessage::FoundSolids, std::to_string(FoundCount())));
            AppendEndLines(pane);
            step = Work.VertexCount() + 1;
            break;
        }
        n = Work.Restore(Work.NextChoice);
        if (MarkedDepth >= 0 && Work.SavedCount() < MarkedDepth)
            MarkedDepth = -1;
        pane.AppendLine(Text(TMessage::FoundSolids, std::to_string(FoundCount())));
        if (step != OneShotStep) {
            step = n;
            break;
        }
        if (FoundCount() >= FoundSolidCap) {
            pane.AppendLine(Text(TMessage::ManyFoundPause));
            step = n;
            break;
        }
    }
    // The exact count where the call ends, so that a search carried on past its 100-solid
    // pause counts on from there: its budget of steps holds however often it pauses.
    if (watched)
        control->Completions.store(steps, std::memory_order_relaxed);
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
    ++Counts.Checks;
    if (!CutAfterForcing(n))
        return false;
    ++Counts.Cuts;
    if (Options.Diagnosis) {
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
    if (Work.VertexCount() > Geometry().VertexLimit || Work.FanCount(n) < 1)
        return;
    const TCandidates candidates = FindCandidates(n);
    if (candidates.Count > 0)
        Work.NextChoice = std::max(Work.NextChoice, candidates.Count - 1);
}

bool TBuild::PauseOnRequest(int n, long long steps, TSearchControl& control, TInfoPane& pane)
{
    control.Completions.store(steps, std::memory_order_relaxed);
    control.Vertices.store(Work.VertexCount(), std::memory_order_relaxed);
    control.Found.store(FoundCount(), std::memory_order_relaxed);
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
    if (LimitWasCut)
        pane.AppendLine(VertexLimitCutLine(Geometry().VertexLimit));
    pane.AppendLine(Text(TMessage::AllTried));
    pane.AppendLine(SeparatorLine);
}

void TBuild::RecordFoundSolid()
{
    if (MarkedDepth >= 0)
        ++Counts.LostClosures;  // diagnosis: a cut at the marked node would have lost this solid
    FinishCall();
    // Found solids are stored as the saved states always were: their next choice one on.
    TBuiltSolid& found = Found.emplace_back();
    CopyPolyFace(found.Raw, Shown.Raw);
    found.Raw.NextChoice = Shown.Raw.NextChoice + 1;
    CopyPolyFace(found.Display, Shown.Display);
    found.Display.NextChoice = Shown.Display.NextChoice + 1;
    found.Geometry = Shown.Geometry;
}

void TBuild::FinishCall()
{
    // List position 0 shows the state the search has reached.
    Work.ExportTo(Shown.Raw);
    BuildDisplayForm(Shown.Raw, Shown.Display);
}

bool TBuild::CheckAllVertices() const
{
    return Work.AnyVertexStuck();
}

TCandidates TBuild::FindCandidates(int v) const
{
    const int k = Geometry().PolygonCount;
    TCandidates candidates;
    if (Work.FanCount(v) + Work.PendingCount(v) > k)
        return candidates;
    candidates.Readings = Work.MatchingReadings(v);
    candidates.Count = std::popcount(candidates.Readings);
    return candidates;
}

TReadingStart TBuild::CandidateAt(int v, const TCandidates& candidates, int c) const
{
    assert(c >= 0 && c < candidates.Count && "a choice the fan does not offer");
    std::uint32_t left = candidates.Readings;
    for (int skipped = 0; skipped < c; ++skipped)
        left &= left - 1;  // drop the lowest reading
    return ReadingStart(std::countr_zero(left), Work.FanCount(v));
}

TReadingStart TBuild::ReadingStart(int a, int m) const
{
    // The next polygon is the one m places on from the reading's start.
    const int direction = Table.DirectionOf(a);
    return {Geometry().PlaceOf(m, Table.StartOf(a), direction), direction};
}

TAxisFrame TBuild::AxisFrameOf(int v)
{
    // A vertex never moves, so its frame is worked out once however often it is used.
    if (const TAxisFrame* frame = Work.KnownFrame(v))
        return *frame;
    const TAxisFrame frame = TAxisFrame::Towards(Work.Vertex(v));
    Work.KeepFrame(v, frame);
    return frame;
}

bool TBuild::CompleteVertex(int v)
{
    const TVertexGeometry& g = Geometry();
    if (Work.VertexCount() > g.VertexLimit) {
        LimitWasCut = true;
        return true;
    }
    const TAxisFrame frame = AxisFrameOf(v);
    TReadingStart start;
    double phi = 0.0;
    const int fanCount = Work.FanCount(v);  // fixed before placing changes the fan
    if (fanCount >= 1) {
        const TCandidates candidates = FindCandidates(v);
        if (candidates.Count == 0)
            return true;
        // Angles round v are measured from the fan's last end, where the next polygon starts.
        phi = FanEndAngle(frame, Work.Vertex(Work.FanLast(v)));
        const int c = Work.NextChoice;
        start = CandidateAt(v, candidates, c);
        if (c < candidates.Count - 1)
            Work.Save(v, c + 1);
        Work.NextChoice = 0;
    }
    [[maybe_unused]] const bool placeable =
        PredictPolygons(frame, g, Work.Vertex(v), phi, fanCount, start.Offset, start.Direction, Placing);
    assert(placeable && "configurations are checked where they enter");
    for (const TPredictedPolygon& polygon : Placing)
        PlacePolygon(polygon, v);
    return Work.PendingCount(v) > 0 || Work.FanFirst(v) != Work.FanLast(v);
}

void TBuild::PlacePolygon(const TPredictedPolygon& polygon, int v)
{
    const int n = polygon.N;
    const int d = polygon.D;
    int idx[MaxPolygonCorners]{};  // n of them are set; the rest keeps GCC from warning
    // P1 is v itself, and no vertex older than v lies within 1e-9 of it (else v would
    // never have been added), so the lookup would return v.
    for (int j = 0; j < n; ++j)
        idx[j] = j == 1 ? v : Work.FindOrAddVertex(polygon.Points[j]);

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

void BuildDisplayForm(const TPolyFace& raw, TPolyFace& display)
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
