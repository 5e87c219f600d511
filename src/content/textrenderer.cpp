#include "content/textrenderer.h"

#include "content/glyphcells.h"
#include "content/ledfontsizes.h"
#include "content/textlayout.h"
#include "model/error.h"
#include "model/gbk.h"

#include <cstring>

namespace lumetra {

namespace {

// A fresh picture, all black; null when it has no pixels.
QImage blackImage(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    if (width > TextRenderer::MaxPixels || height > TextRenderer::MaxPixels || width * height > TextRenderer::MaxPixels)
        throw Error(QStringLiteral("分区图像太大，无法生成（%1 × %2）。").arg(width).arg(height));
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        throw Error(QStringLiteral("分区图像太大，无法生成（%1 × %2）。").arg(width).arg(height));
    image.fill(0xFF000000u);
    return image;
}

// Byte length of the next count characters from pos.
qsizetype charactersSpan(QByteArrayView text, qsizetype pos, qint64 count)
{
    qsizetype end = pos;
    for (qint64 k = 0; k < count && end < text.size(); ++k)
        end += gbkCharLength(text, end);
    return end - pos;
}

} // namespace

TextRenderer::TextRenderer() = default;
TextRenderer::~TextRenderer() = default;

QRgb TextRenderer::textColour(int foreColor)
{
    switch (foreColor) {
    case 2:
        return qRgb(0, 128, 0);
    case 3:
        return qRgb(255, 255, 0);
    default:
        return qRgb(255, 0, 0);
    }
}

GlyphCells &TextRenderer::cells(const QString &face, int pointSize, int cell)
{
    // The cell is fixed by the point size, except for unrecognised texts
    // (12 pt, cell 12), so both go into the key.
    auto key = std::make_pair(face, pointSize * 1000 + cell);
    auto it = m_cells.find(key);
    if (it == m_cells.end())
        it = m_cells.emplace(key, std::make_unique<GlyphCells>(face, pointSize, cell)).first;
    return *it->second;
}

TextRenderResult TextRenderer::render(const TextRenderInput &in)
{
    const LedFontSize size = LedFontSizes::lookup(in.sizeText);
    TextRenderResult out;
    out.cell = size.cell;
    out.pointSize = size.pointSize;
    out.continuous = TextLayout::manzu(in.SingleLine, in.PlayMode, in.StayTime) > 0;
    out.Width = std::max(0, in.Width);
    out.Height = in.Height;
    // The couplet layout cannot page a zone without height.
    if (!out.continuous && in.couplet && out.Height < 1)
        out.Height = 8;

    if (in.Width < 1 || out.Height < 1) {
        // Nothing to lay out into: one black page, at least one row high.
        const int rows = std::max(1, out.Height);
        out.pages = blackImage(out.Width, rows);
        out.ContentHeight = rows;
        out.ViewBaseWidth = out.Width;
        out.ViewBaseHeight = rows;
        out.pageCount = 1;
        return out;
    }

    GlyphCells &glyphs = cells(in.face, size.pointSize, size.cell);
    if (out.continuous)
        renderContinuous(in, glyphs, out);
    else if (in.couplet)
        renderCouplet(in, glyphs, out);
    else
        renderPaged(in, glyphs, out);
    out.pageCount = out.ContentHeight / out.Height;
    return out;
}

void TextRenderer::renderContinuous(const TextRenderInput &in, GlyphCells &glyphs, TextRenderResult &out)
{
    const int w = in.Width;
    const int h = out.Height;
    const int n = out.cell;
    const qint64 raw = in.couplet ? gbkCharCount(in.text) * n : qint64(in.text.size()) * n / 2;
    const TextLayout::Strip strip = TextLayout::strip(raw, w, h);

    out.ViewBaseWidth = int(std::min<qint64>(strip.width, MaxPixels));
    out.ViewBaseHeight = h;
    out.strip = blackImage(strip.width, h);
    out.pages = blackImage(w, strip.stackHeight);
    out.ContentHeight = int(strip.stackHeight);
    if (out.strip.isNull())
        return;

    const QRgb colour = textColour(in.ForeColor);
    if (in.couplet)
        glyphs.drawTurned(out.strip, in.text, 0, h - (h - n) / 2, h - (h - n / 2) / 2, colour);
    else
        // One row above centre, but never above the strip: where the cell is
        // as high as the zone that row would cut the top off every glyph.
        glyphs.drawUpright(out.strip, in.text, 0, std::max(0, (h - n) / 2 - 1), colour);

    // Page j + 1 is the (j + 1)-th W-wide slice of the line.
    const qint64 slices = strip.width / w;
    for (qint64 j = 0; j < slices; ++j) {
        for (int y = 0; y < h; ++y) {
            const qint64 row = j * h + y;
            if (row >= out.pages.height())
                return;
            const QRgb *from = reinterpret_cast<const QRgb *>(out.strip.constScanLine(y)) + j * w;
            std::memcpy(out.pages.scanLine(int(row)), from, std::size_t(w) * sizeof(QRgb));
        }
    }
}

void TextRenderer::renderPaged(const TextRenderInput &in, GlyphCells &glyphs, TextRenderResult &out)
{
    const int w = in.Width;
    const int h = out.Height;
    const int n = out.cell;
    const int b = TextLayout::bytesPerLine(w, n);
    const QList<TextLayout::Line> lines = TextLayout::lines(in.text, b);
    const qint64 count = std::max<qint64>(TextLayout::lineCount(in.text, b), lines.size());
    const qint64 height = TextLayout::pagedHeight(count, in.SingleLine, n, h);

    out.pages = blackImage(w, height);
    out.ContentHeight = int(height);
    out.ViewBaseWidth = w;
    out.ViewBaseHeight = int(height);

    const QRgb colour = textColour(in.ForeColor);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qint64 top = TextLayout::lineTop(i, in.SingleLine, n, h);
        const QByteArrayView line = QByteArrayView(in.text).sliced(lines[i].start, lines[i].length);
        glyphs.drawUpright(out.pages, line, 0, int(top), colour);
    }
}

void TextRenderer::renderCouplet(const TextRenderInput &in, GlyphCells &glyphs, TextRenderResult &out)
{
    const int w = in.Width;
    const int h = out.Height;
    const int n = out.cell;
    const TextLayout::Couplet layout = TextLayout::couplet(gbkCharCount(in.text), w, n, h, in.SingleLine);

    out.pages = blackImage(w, layout.height);
    out.ContentHeight = int(layout.height);
    out.ViewBaseWidth = w;
    out.ViewBaseHeight = int(layout.height);

    const QRgb colour = textColour(in.ForeColor);
    const QByteArrayView text(in.text);
    qsizetype pos = 0;
    for (qint64 r = 0; r < layout.rows && pos < text.size(); ++r) {
        const qsizetype span = charactersSpan(text, pos, layout.perRow);
        const int bottom = int(TextLayout::coupletBottom(r, in.SingleLine, n, h));
        glyphs.drawTurned(out.pages, text.sliced(pos, span), 0, bottom, bottom - n / 4, colour);
        pos += span;
    }
}

} // namespace lumetra
