#include "content/glyphcells.h"

#include "content/ledfontsizes.h"
#include "content/textfaces.h"
#include "model/gbk.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace lumetra {

namespace {

constexpr QRgb black = 0xFF000000u;

// Rows of ink above (negative) and below the baseline of a sample text.
struct InkRows
{
    int top = 0;
    int bottom = -1;
    bool any() const { return bottom >= top; }
};

InkRows inkRows(const QFont &font, int pixelSize, const QString &sample)
{
    const int margin = pixelSize;
    QImage image(pixelSize * (int(sample.size()) + 2), pixelSize * 3, QImage::Format_RGB32);
    image.fill(black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QPointF(pixelSize / 2, margin), sample);
    }
    InkRows rows;
    rows.top = image.height();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(), [](QRgb c) { return (c & 0xFFFFFF) != 0; })) {
            rows.top = std::min(rows.top, y - margin);
            rows.bottom = y - margin;
        }
    }
    if (rows.bottom < 0 && rows.top == image.height())
        return {};
    return rows;
}

// Shift that brings the ink span [first, last] into [0, size).
int intoCell(int first, int last, int size)
{
    const int extent = last - first + 1;
    if (extent > size)
        return (size - extent) / 2 - first;
    if (first < 0)
        return -first;
    if (last >= size)
        return size - 1 - last;
    return 0;
}

} // namespace

GlyphCells::GlyphCells(const QString &face, int pointSize, int cell)
    : m_font(TextFaces::ledFont(face, pointSize)), m_cell(std::max(1, cell)),
      m_pixelSize(std::max(1, LedFontSizes::pixelSize(pointSize))), m_margin(m_cell / 2 + 2),
      m_scratch(m_cell + 2 * m_margin, m_cell + 2 * m_margin, QImage::Format_RGB32)
{
    m_baseline = measureBaseline();
}

// The top of the glyph box (pixel size high) is the top of the cell. Within
// it the ink of Chinese and Latin text is centred when it fits; otherwise the
// Chinese ink is, and Latin descenders are what gets clipped.
int GlyphCells::measureBaseline()
{
    const InkRows cjk = inkRows(m_font, m_pixelSize, QStringLiteral("中国爵蠢龘一"));
    const InkRows latin = inkRows(m_font, m_pixelSize, QStringLiteral("AHgjpqy|"));
    if (!cjk.any())
        return QFontMetrics(m_font).ascent();
    const int top = latin.any() ? std::min(cjk.top, latin.top) : cjk.top;
    const int bottom = latin.any() ? std::max(cjk.bottom, latin.bottom) : cjk.bottom;
    const int box = std::min(m_pixelSize, m_cell);
    if (bottom - top + 1 <= box)
        return (box - (bottom - top + 1)) / 2 - top;
    return std::max(0, (box - (cjk.bottom - cjk.top + 1)) / 2) - cjk.top;
}

uint32_t GlyphCells::code(QByteArrayView character)
{
    uint32_t c = static_cast<unsigned char>(character[0]);
    if (character.size() > 1)
        c = (c << 8) | static_cast<unsigned char>(character[1]);
    return c;
}

GlyphCells::Mask GlyphCells::render(QByteArrayView character)
{
    Mask mask;
    mask.width = character.size() > 1 ? m_cell : m_cell / 2;
    mask.height = m_cell;
    mask.bits.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    if (mask.width <= 0)
        return mask;

    const unsigned char first = static_cast<unsigned char>(character[0]);
    QString text;
    if (character.size() > 1)
        text = fromGbk(character);
    else if (first > 0x20 && first < 0x7F)
        text = QChar(first);
    // Control bytes (CR, LF), blanks, a lone lead byte and bytes GBK cannot
    // read keep their cell and stay dark.
    if (text.isEmpty() || text == QChar(QChar::ReplacementCharacter) || text.at(0).isSpace())
        return mask;

    // Drawn with a margin around the cell, so that ink reaching past the
    // cell can be seen and the glyph moved back into it.
    const int m = m_margin;
    m_scratch.fill(black);
    {
        QPainter p(&m_scratch);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setFont(m_font);
        p.setPen(Qt::white);
        const int advance = QFontMetrics(m_font).horizontalAdvance(text);
        p.drawText(QPointF(m + (mask.width - advance) / 2, m + m_baseline), text);
    }
    int left = m_scratch.width(), right = -1, top = m_scratch.height(), bottom = -1;
    for (int y = 0; y < m_scratch.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_scratch.constScanLine(y));
        for (int x = 0; x < m_scratch.width(); ++x)
            if (line[x] & 0xFFFFFF) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    }
    if (right < 0)
        return mask;
    // A glyph whose ink overhangs its advance or the font's box, but would
    // fit, is moved just far enough to be whole; a larger one is centred.
    const int dx = intoCell(left - m, right - m, mask.width);
    const int dy = intoCell(top - m, bottom - m, mask.height);
    for (int v = 0; v < mask.height; ++v) {
        const int sy = m + v - dy;
        if (sy < 0 || sy >= m_scratch.height())
            continue;
        const QRgb *line = reinterpret_cast<const QRgb *>(m_scratch.constScanLine(sy));
        uint8_t *bits = mask.bits.data() + static_cast<std::size_t>(v) * mask.width;
        for (int u = 0; u < mask.width; ++u) {
            const int sx = m + u - dx;
            bits[u] = sx >= 0 && sx < m_scratch.width() && (line[sx] & 0xFFFFFF) != 0;
        }
    }
    return mask;
}

const GlyphCells::Mask &GlyphCells::upright(QByteArrayView character)
{
    const uint32_t key = code(character);
    auto it = m_upright.find(key);
    if (it == m_upright.end())
        it = m_upright.emplace(key, render(character)).first;
    return it->second;
}

// The glyph's top turns to the left and its start to the bottom.
const GlyphCells::Mask &GlyphCells::turned(QByteArrayView character)
{
    const uint32_t key = code(character);
    auto it = m_turned.find(key);
    if (it != m_turned.end())
        return it->second;
    const Mask &up = upright(character);
    Mask t;
    t.width = up.height;
    t.height = up.width;
    t.bits.assign(up.bits.size(), 0);
    for (int v = 0; v < up.height; ++v)
        for (int u = 0; u < up.width; ++u)
            t.bits[static_cast<std::size_t>(up.width - 1 - u) * t.width + v] =
                up.bits[static_cast<std::size_t>(v) * up.width + u];
    return m_turned.emplace(key, std::move(t)).first->second;
}

void GlyphCells::blit(QImage &image, const Mask &mask, int x, int y, QRgb colour, QRgb paper)
{
    const int x0 = std::max(0, x);
    const int x1 = std::min(image.width(), x + mask.width);
    const int y0 = std::max(0, y);
    const int y1 = std::min(image.height(), y + mask.height);
    if (x0 >= x1 || y0 >= y1)
        return;
    for (int row = y0; row < y1; ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        const uint8_t *bits = mask.bits.data() + static_cast<std::size_t>(row - y) * mask.width - x;
        for (int col = x0; col < x1; ++col)
            line[col] = bits[col] ? colour : paper;
    }
}

void GlyphCells::drawUpright(QImage &image, QByteArrayView text, int x, int y, QRgb colour, QRgb paper)
{
    if (image.depth() != 32 || y >= image.height() || y + m_cell <= 0)
        return;
    qsizetype i = 0;
    qint64 cx = x;
    while (i < text.size() && cx < image.width()) {
        const int len = gbkCharLength(text, i);
        const int width = len == 2 ? m_cell : m_cell / 2;
        if (cx + width > 0)
            blit(image, upright(text.sliced(i, len)), int(cx), y, colour, paper);
        cx += width;
        i += len;
    }
}

void GlyphCells::drawTurned(QImage &image, QByteArrayView text, int x, int doubleBottom, int singleBottom, QRgb colour)
{
    if (image.depth() != 32)
        return;
    qsizetype i = 0;
    qint64 cx = x;
    while (i < text.size() && cx < image.width()) {
        const int len = gbkCharLength(text, i);
        if (cx + m_cell > 0) {
            const Mask &mask = turned(text.sliced(i, len));
            blit(image, mask, int(cx), (len == 2 ? doubleBottom : singleBottom) - mask.height, colour, black);
        }
        cx += m_cell;
        i += len;
    }
}

} // namespace lumetra
