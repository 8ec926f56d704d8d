// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/IndexTable.h"

#include <bit>

void TIndexTable::Set(std::uint64_t key, int index)
{
    if (4 * (Count + 1) > static_cast<int>(Slots.size()))  // runs stay short at a quarter full
        Grow();
    TSlot& slot = Slots[SlotOf(key)];
    if (slot.Index < 0)
        ++Count;
    slot.Key = key;
    slot.Index = index;
}

void TIndexTable::Erase(std::uint64_t key)
{
    if (Count == 0)
        return;
    const std::size_t mask = Slots.size() - 1;
    std::size_t hole = SlotOf(key);
    if (Slots[hole].Index < 0)
        return;
    --Count;
    // Backward-shift deletion: pull later entries of the run into the hole when their
    // home lies at or before it, so that no probe run is ever broken.
    for (std::size_t s = (hole + 1) & mask; Slots[s].Index >= 0; s = (s + 1) & mask) {
        const std::size_t home = Home(Slots[s].Key);
        const bool homeBeforeHole = ((s - home) & mask) >= ((s - hole) & mask);
        if (homeBeforeHole) {
            Slots[hole] = Slots[s];
            hole = s;
        }
    }
    Slots[hole] = TSlot{};
}

void TIndexTable::Clear()
{
    for (TSlot& slot : Slots)
        slot = TSlot{};
    Count = 0;
}

void TIndexTable::Grow()
{
    std::vector<TSlot> old;
    old.swap(Slots);
    Slots.assign(old.empty() ? 256 : 2 * old.size(), TSlot{});
    Shift = 64 - std::countr_zero(Slots.size());
    Count = 0;
    for (const TSlot& slot : old)
        if (slot.Index >= 0)
            Set(slot.Key, slot.Index);
}
