// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OuterFigures.h"

#include <algorithm>

TSolidKey::TSolidKey(const TPolyFace& solid)
{
    // The vectors may hold more entries than the counts say: only the counted ones matter.
    Coordinates.reserve(static_cast<std::size_t>(3 * solid.VertexCount));
    for (int v = 0; v < solid.VertexCount; ++v) {
        const TVector3& point = solid.Vertices[static_cast<std::size_t>(v)];
        Coordinates.insert(Coordinates.end(), {point.X, point.Y, point.Z});
    }
    const auto faces = static_cast<std::ptrdiff_t>(solid.FaceCount);
    Faces.assign(solid.Faces.begin(), solid.Faces.begin() + faces);
    FaceN.assign(solid.FaceN.begin(), solid.FaceN.begin() + faces);
    FaceD.assign(solid.FaceD.begin(), solid.FaceD.begin() + faces);
}

bool TSolidKey::operator==(const TSolidKey& other) const
{
    return Coordinates == other.Coordinates && Faces == other.Faces && FaceN == other.FaceN && FaceD == other.FaceD;
}

const TOuterFiguresAnswer* TOuterFiguresCache::Find(const TSolidKey& solid) const
{
    const auto found = std::find_if(Answers.rbegin(), Answers.rend(),
                                    [&](const TOuterFiguresAnswer& answer) { return answer.Solid == solid; });
    return found == Answers.rend() ? nullptr : &*found;
}

void TOuterFiguresCache::Add(TOuterFiguresAnswer answer)
{
    const auto same = std::find_if(Answers.begin(), Answers.end(),
                                   [&](const TOuterFiguresAnswer& known) { return known.Solid == answer.Solid; });
    if (same != Answers.end())
        Answers.erase(same);
    else if (static_cast<int>(Answers.size()) >= Capacity)
        Answers.erase(Answers.begin());
    Answers.push_back(std::move(answer));
}
