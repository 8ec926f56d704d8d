// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hash table from 64-bit keys to non-negative indices, with open addressing and
// linear probing: no allocation per entry, which matters to a search that adds and
// drops entries millions of times.

#include <cstdint>
#include <vector>

class TIndexTable {
public:
    // The index stored under key, or -1.
    [[nodiscard]] int Find(std::uint64_t key) const
    {
        if (Count == 0)
            return -1;
        return Slots[SlotOf(key)].Index;
    }
    // Stores index under key, replacing what was there.
    void Set(std::uint64_t key, int index);
    void Erase(std::uint64_t key);
    void Clear();
    [[nodiscard]] int Size() const { return Count; }

private:
    struct TSlot {
        std::uint64_t Key = 0;
        int Index = -1;  // -1: empty
    };
    // Fibonacci hashing: the top bits of key times 2^64 / golden ratio.
    [[nodiscard]] std::size_t Home(std::uint64_t key) const
    {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> Shift);
    }
    // Where key is, or the empty slot that ends its run.
    [[nodiscard]] std::size_t SlotOf(std::uint64_t key) const
    {
        const std::size_t mask = Slots.size() - 1;
        std::size_t s = Home(key);
        while (Slots[s].Index >= 0 && Slots[s].Key != key)
            s = (s + 1) & mask;
        return s;
    }
    void Grow();

    std::vector<TSlot> Slots;
    int Count = 0;
    int Shift = 64;
};
