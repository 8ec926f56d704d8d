// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Short per-vertex lists of integers kept in one flat array, Width entries to a vertex,
// so that adding and dropping vertices never allocates. A list that outgrows the width
// widens every row.

#include <algorithm>
#include <vector>

class TRowStore {
public:
    void Reset(int width)
    {
        Width = width;
        Rows = 0;
        Data.clear();
    }
    [[nodiscard]] int* Row(int v) { return Data.data() + static_cast<std::size_t>(v) * Width; }
    [[nodiscard]] const int* Row(int v) const { return Data.data() + static_cast<std::size_t>(v) * Width; }
    void Resize(int rows)
    {
        Rows = rows;
        Data.resize(static_cast<std::size_t>(rows) * Width);
    }
    // Makes room for count entries in every row, keeping what the rows hold.
    void Reserve(int count)
    {
        if (count <= Width)
            return;
        int width = Width;
        while (width < count)
            width *= 2;
        std::vector<int> wide(static_cast<std::size_t>(Rows) * width);
        for (int r = 0; r < Rows; ++r)
            std::copy_n(Row(r), Width, wide.data() + static_cast<std::size_t>(r) * width);
        Data.swap(wide);
        Width = width;
    }

private:
    int Width = 1;
    int Rows = 0;
    std::vector<int> Data;
};
