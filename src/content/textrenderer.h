#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <map>
#include <memory>
#include <utility>

namespace lumetra {

class GlyphCells;

// Everything a text zone's picture depends on.
struct TextRenderInput
{
    QByteArray text;  // GBK
    QString face;     // a name of TextFaces::faceNames()
    QString sizeText; // a size text of cmbFontSize, recognised or not
    int ForeColor = 1;
    int SingleLine = 0;
    bool couplet = false; // "对联效果"
    int PlayMode = 1;
    int StayTime = 4;
    int Width = 0;
    int Height = 0;
};

struct TextRenderResult
{
    QImage pages; // the page stack, Width wide, page 1 at the top
    QImage strip; // the continuous line; null in the paged modes
    bool continuous = false;
    int Width = 0;         // of the page stack, also when it has no rows
    int ContentHeight = 0; // rows of the page stack
    int ViewBaseWidth = 0; // unzoomed size of what the result view shows
    int ViewBaseHeight = 0;
    int Height = 0; // the zone height laid out with (0 becomes 8 for a couplet)
    int pageCount = 0;
    int cell = 0;
    int pointSize = 0;
};

// Lays a text zone out into its LED pages (one pixel per LED). Keeps the
// glyphs of the faces and sizes it has drawn, so the window keeps one for
// every keystroke; the same function serves the sender and lumetra-cli.
class TextRenderer
{
public:
    TextRenderer();
    ~TextRenderer();
    TextRenderer(const TextRenderer &) = delete;
    TextRenderer &operator=(const TextRenderer &) = delete;

    // Throws Error when the picture would be too large to hold in memory.
    TextRenderResult render(const TextRenderInput &input);

    // 1 red, 2 green, 3 yellow; anything else red.
    static QRgb textColour(int foreColor);

    // Largest picture made, in pixels: beyond it a render fails cleanly.
    static constexpr qint64 MaxPixels = qint64(1) << 27;

private:
    GlyphCells &cells(const QString &face, int pointSize, int cell);
    void renderContinuous(const TextRenderInput &in, GlyphCells &glyphs, TextRenderResult &out);
    void renderPaged(const TextRenderInput &in, GlyphCells &glyphs, TextRenderResult &out);
    void renderCouplet(const TextRenderInput &in, GlyphCells &glyphs, TextRenderResult &out);

    std::map<std::pair<QString, int>, std::unique_ptr<GlyphCells>> m_cells;
};

} // namespace lumetra
