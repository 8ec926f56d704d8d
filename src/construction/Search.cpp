// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/Search.h"

#include "construction/PolyhedronBuild.h"

TSearch::TSearch(TPruningOptions options) : Engine(std::make_unique<TBuild>(options)) {}
TSearch::~TSearch() = default;
TSearch::TSearch(TSearch&&) noexcept = default;
TSearch& TSearch::operator=(TSearch&&) noexcept = default;

bool TSearch::Prepare(const TVertexConfiguration& config, TInfoPane& pane)
{
    return Engine->Prepare(config, pane);
}

void TSearch::Run(int& step, TInfoPane& pane, TSearchControl* control)
{
    Engine->Search(step, pane, control);
}

const TVertexGeometry& TSearch::Geometry() const
{
    return Engine->Geometry();
}

int TSearch::FoundCount() const
{
    return Engine->FoundCount();
}

const TBuiltSolid* TSearch::SolidAt(int listPosition) const
{
    return Engine->SolidAt(listPosition);
}

void TSearch::DropFoundSolids()
{
    Engine->DropFound();
}

bool TSearch::Ended(int step) const
{
    return step == SearchEndedAfterFailure || step > Engine->SolidAt(0)->Raw.VertexCount;
}

const TPruningStats& TSearch::Stats() const
{
    return Engine->Stats();
}

bool TSearch::LimitCut() const
{
    return Engine->LimitCut();
}

int TSearch::SavedStates() const
{
    return Engine->SavedCount();
}
