#include "link/programstream.h"

#include <algorithm>
#include <cstring>

namespace lumetra {

namespace {

// A project file can hold any ContentHeight; past this the stream would only
// be zero rows the card cannot hold anyway, so it is not grown further.
constexpr int64_t MaxStreamRows = 65536;

constexpr int UsableByteColumns = FramePlanes::UsableColumns / 8;

// Eight plane bytes to one packed byte: a bit is set for a non-zero byte, the
// byte at the lowest address becomes bit 7.
inline uint8_t packEight(const uint8_t *p)
{
    uint64_t x;
    std::memcpy(&x, p, sizeof x);
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    const uint64_t nonZero = ((((x & low7) + low7) | x) >> 7) & 0x0101010101010101ULL;
    return static_cast<uint8_t>((nonZero * 0x8040201008040201ULL) >> 56);
}

inline uint8_t packAt(const uint8_t *row, int byteColumn)
{
    return packEight(row + static_cast<std::size_t>(byteColumn) * 8);
}

bool insidePlanes(int row, int byteColumn)
{
    return row >= 0 && row < FramePlanes::UsableRows && byteColumn >= 0 && byteColumn < UsableByteColumns;
}

void packRow(const uint8_t *planeRow, int rowBytes, char *out)
{
    const int inside = std::min(rowBytes, UsableByteColumns);
    for (int c = 0; c < inside; ++c)
        out[c] = static_cast<char>(packAt(planeRow, c));
    // Columns past the planes (displays wider than 1472) stay zero.
}

} // namespace

uint8_t TRANSDATAR(const FramePlanes &planes, int row, int byteColumn)
{
    return insidePlanes(row, byteColumn) ? packAt(planes.redRow(row), byteColumn) : 0;
}

uint8_t TRANSDATAG(const FramePlanes &planes, int row, int byteColumn)
{
    return insidePlanes(row, byteColumn) ? packAt(planes.greenRow(row), byteColumn) : 0;
}

StreamGeometry StreamGeometry::fromSettings(const DisplaySettings &settings)
{
    return {settings.ScreenWidth, settings.ScreenHeight, settings.ColorType};
}

int ProgramStream::bytesPerRow(const StreamGeometry &geometry)
{
    const int w8 = std::max(geometry.ScreenWidth, 0) / 8;
    return geometry.ColorType == 0 ? w8 : 2 * w8;
}

int ProgramStream::rowCount(const StreamGeometry &geometry, const ProgramRecord &program)
{
    const int slot = std::clamp(program.ZoneCount, 1, ZoneSlots);
    const ZoneRecord &last = program.Zones[slot];
    if (last.Height <= 0 || last.ContentHeight <= 0 || geometry.ScreenHeight <= 0)
        return 0;
    const int64_t screens = (int64_t(last.ContentHeight) + last.Height - 1) / last.Height;
    return static_cast<int>(std::min(int64_t(geometry.ScreenHeight) * screens, MaxStreamRows));
}

uint8_t ProgramStream::finalBlockValue(int lastBlock)
{
    return static_cast<uint8_t>(lastBlock % 8 == 0 ? lastBlock : lastBlock + 1);
}

ProgramStream::ProgramStream(const FramePlanes &planes, const StreamGeometry &geometry, const ProgramRecord &program)
    : m_rows(rowCount(geometry, program)), m_rowBytes(bytesPerRow(geometry))
{
    const int w8 = std::max(geometry.ScreenWidth, 0) / 8;
    const bool dual = geometry.ColorType != 0;
    m_bytes = QByteArray(qsizetype(m_rows) * m_rowBytes, '\0');
    char *out = m_bytes.data();
    const int planeRows = std::min(m_rows, FramePlanes::UsableRows);
    for (int r = 0; r < planeRows; ++r) {
        packRow(planes.redRow(r), w8, out);
        out += w8;
        if (dual) {
            packRow(planes.greenRow(r), w8, out);
            out += w8;
        }
    }
    // Rows past the planes stay zero.
}

int ProgramStream::blockCount() const
{
    return static_cast<int>((m_bytes.size() + DataBlockSize - 1) / DataBlockSize);
}

QByteArray ProgramStream::block(int i) const
{
    QByteArray out(DataBlockSize, '\0');
    const qsizetype start = qsizetype(i) * DataBlockSize;
    if (i < 0 || start >= m_bytes.size())
        return out;
    const qsizetype n = std::min<qsizetype>(DataBlockSize, m_bytes.size() - start);
    std::memcpy(out.data(), m_bytes.constData() + start, static_cast<std::size_t>(n));
    return out;
}

} // namespace lumetra
