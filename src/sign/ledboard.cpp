#include "sign/ledboard.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lumetra::sign {

namespace {

constexpr QRgb Board = 0xFF101010u;
// An unlit LED still shows on the board.
constexpr QRgb Unlit = 0xFF2A2A2Au;

} // namespace

LedBoard::LedBoard(int pitch) : m_pitch(0)
{
    setPitch(pitch);
}

void LedBoard::setPitch(int pitch)
{
    pitch = std::clamp(pitch, MinPitch, MaxPitch);
    if (pitch == m_pitch)
        return;
    m_pitch = pitch;
    m_dots.clear();
    m_cover.assign(std::size_t(pitch * pitch), 0);
    // A dot of 80 % of the pitch, its edge smoothed over four samples a side;
    // at the smallest pitches the dots touch, or they would fade into the board.
    const double radius = pitch < 4 ? 0.5 * pitch : 0.4 * pitch, centre = pitch / 2.0;
    for (int y = 0; y < pitch; ++y)
        for (int x = 0; x < pitch; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double dx = x + (sx + 0.5) / 4 - centre, dy = y + (sy + 0.5) / 4 - centre;
                    inside += dx * dx + dy * dy <= radius * radius ? 1 : 0;
                }
            m_cover[std::size_t(y * pitch + x)] = uint8_t(inside * 255 / 16);
        }
}

const QImage &LedBoard::dot(QRgb colour)
{
    auto it = m_dots.find(colour);
    if (it != m_dots.end())
        return it->second;
    const QRgb c = (colour & 0x00FFFFFFu) == 0 ? Unlit : colour;
    QImage cell(m_pitch, m_pitch, QImage::Format_RGB32);
    for (int y = 0; y < m_pitch; ++y) {
        auto *line = reinterpret_cast<QRgb *>(cell.scanLine(y));
        for (int x = 0; x < m_pitch; ++x) {
            const int a = m_cover[std::size_t(y * m_pitch + x)];
            const auto mix = [a](int dot, int board) { return board + (dot - board) * a / 255; };
            line[x] = qRgb(mix(qRed(c), qRed(Board)), mix(qGreen(c), qGreen(Board)), mix(qBlue(c), qBlue(Board)));
        }
    }
    return m_dots.emplace(colour, cell).first->second;
}

void LedBoard::render(const QImage &leds, QImage &into)
{
    render(leds, leds.rect(), into);
}

void LedBoard::render(const QImage &leds, QRect part, QImage &into)
{
    part = part.intersected(leds.rect());
    const QSize size(part.width() * m_pitch, part.height() * m_pitch);
    if (into.size() != size || into.format() != QImage::Format_RGB32)
        into = QImage(size, QImage::Format_RGB32);
    const std::size_t rowBytes = std::size_t(m_pitch) * sizeof(QRgb);
    for (int y = 0; y < part.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(leds.constScanLine(part.top() + y)) + part.left();
        for (int x = 0; x < part.width(); ++x) {
            const QImage &cell = dot(in[x] | 0xFF000000u);
            for (int r = 0; r < m_pitch; ++r)
                std::memcpy(reinterpret_cast<QRgb *>(into.scanLine(y * m_pitch + r)) + x * m_pitch,
                            cell.constScanLine(r), rowBytes);
        }
    }
}

} // namespace lumetra::sign
