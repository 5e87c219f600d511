#pragma once

#include <QByteArrayView>
#include <QFont>
#include <QImage>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lumetra {

// Draws GBK text one character per cell: a two-byte character N × N, a
// one-byte character N/2 × N, whatever the face's own advances. Each glyph is
// rendered once without anti-aliasing, moved into its cell when its ink
// overhangs but fits, clipped to the cell, and kept as a mask; drawing writes whole cells (ink in the colour, the rest
// black), so a later cell wins where cells overlap and nothing lands outside the image.
class GlyphCells
{
public:
    GlyphCells(const QString &face, int pointSize, int cell);

    int cell() const { return m_cell; }
    const QFont &font() const { return m_font; }
    // Row of the baseline below the top of a cell.
    int baseline() const { return m_baseline; }

    // Upright text from x, the top of its cells at row y.
    // paper fills the rest of each cell (black for text zones, the clock's
    // background colour for clock zones).
    void drawUpright(QImage &image, QByteArrayView text, int x, int y, QRgb colour, QRgb paper = 0xFF000000u);

    // Text turned a quarter turn anticlockwise, character k in the N-wide
    // cell at x + k·N; a two-byte character's cell ends at row doubleBottom,
    // a one-byte character's (N/2 high) at row singleBottom.
    void drawTurned(QImage &image, QByteArrayView text, int x, int doubleBottom, int singleBottom, QRgb colour);

private:
    struct Mask
    {
        int width = 0;
        int height = 0;
        std::vector<uint8_t> bits; // 1 = ink, rows first
    };

    const Mask &upright(QByteArrayView character);
    const Mask &turned(QByteArrayView character);
    Mask render(QByteArrayView character);
    int measureBaseline();
    static void blit(QImage &image, const Mask &mask, int x, int y, QRgb colour, QRgb paper);
    static uint32_t code(QByteArrayView character);

    QFont m_font;
    int m_cell;
    int m_pixelSize;
    int m_baseline = 0;
    int m_margin;
    QImage m_scratch;
    std::unordered_map<uint32_t, Mask> m_upright;
    std::unordered_map<uint32_t, Mask> m_turned;
};

} // namespace lumetra
