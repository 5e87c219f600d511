#include "model/frameplanes.h"

#include <algorithm>

namespace lumetra {

FramePlanes::FramePlanes()
    : m_red(static_cast<std::size_t>(Rows) * Columns, 0), m_green(static_cast<std::size_t>(Rows) * Columns, 0)
{
}

void FramePlanes::clear()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    std::fill(m_red.begin(), m_red.end(), uint8_t(0));
    std::fill(m_green.begin(), m_green.end(), uint8_t(0));
}

} // namespace lumetra
