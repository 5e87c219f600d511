#pragma once

#include <cstdint>
#include <vector>

namespace lumetra {

// The red and green LED planes a program is composed into before encoding:
// one byte per LED, rows first, 0 = dark. Allocated once, never resized.
class FramePlanes
{
public:
    static constexpr int Rows = 6145;
    static constexpr int Columns = 1473;
    static constexpr int UsableRows = 6144;
    static constexpr int UsableColumns = 1472;

    FramePlanes();

    void clear();

    // Handing out a writable row marks the planes as possibly lit, so that
    // clearing planes that are already dark costs nothing.
    uint8_t *redRow(int row)
    {
        m_dirty = true;
        return m_red.data() + static_cast<std::size_t>(row) * Columns;
    }
    uint8_t *greenRow(int row)
    {
        m_dirty = true;
        return m_green.data() + static_cast<std::size_t>(row) * Columns;
    }
    const uint8_t *redRow(int row) const { return m_red.data() + static_cast<std::size_t>(row) * Columns; }
    const uint8_t *greenRow(int row) const { return m_green.data() + static_cast<std::size_t>(row) * Columns; }

    uint8_t red(int row, int column) const { return redRow(row)[column]; }
    uint8_t green(int row, int column) const { return greenRow(row)[column]; }

    static bool contains(int row, int column) { return row >= 0 && row < Rows && column >= 0 && column < Columns; }

private:
    std::vector<uint8_t> m_red;
    std::vector<uint8_t> m_green;
    bool m_dirty = false;
};

} // namespace lumetra
