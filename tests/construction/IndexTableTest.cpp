// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction/IndexTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

// Backward-shift deletion must never break a probe run, whatever the order of erasing;
// keys chosen to collide (multiples of a large power of two) make long runs.
TEST(IndexTable, AgreesWithAMapThroughRandomSetsAndErases)
{
    std::mt19937_64 random(7);
    for (const std::uint64_t spread : {std::uint64_t{1}, std::uint64_t{1} << 40}) {
        TIndexTable table;
        std::map<std::uint64_t, int> expected;
        for (int round = 0; round < 20000; ++round) {
            const std::uint64_t key = (random() % 600) * spread;
            const int action = static_cast<int>(random() % 3);
            if (action < 2) {
                const int index = static_cast<int>(random() % 1000);
                table.Set(key, index);
                expected[key] = index;
            } else {
                table.Erase(key);
                expected.erase(key);
            }
            const std::uint64_t probe = (random() % 600) * spread;
            const auto it = expected.find(probe);
            ASSERT_EQ(table.Find(probe), it == expected.end() ? -1 : it->second) << round;
        }
        EXPECT_EQ(table.Size(), static_cast<int>(expected.size()));
        for (const auto& [key, index] : expected)
            EXPECT_EQ(table.Find(key), index);
    }
}
