#pragma once

#include <QString>
#include <QStringList>

namespace lumetra {

// An LED character size: the point size given to the face and the cell of
// N × N LEDs a two-byte character takes.
struct LedFontSize
{
    int pointSize = 12;
    int cell = 12;
    bool recognised = false;

    friend bool operator==(const LedFontSize &, const LedFontSize &) = default;
};

// The size texts of cmbFontSize ("单字12个LED灯大小" …) and what they mean.
class LedFontSizes
{
public:
    // Any of the twelve recognised texts; anything else is 12 pt in cell 12.
    static LedFontSize lookup(const QString &sizeText);

    // The eleven entries the list offers (56 is recognised but not offered).
    static const QStringList &offered();
    static QString initialText();

    // The offered entry at a stored FontSizeIndex; empty (so 12 / 12) when
    // the index names no entry.
    static QString textAt(int fontSizeIndex);

    // Glyph height in pixels: LED pixels are drawn at 96 per inch.
    static int pixelSize(int pointSize) { return pointSize * 96 / 72; }
};

} // namespace lumetra
