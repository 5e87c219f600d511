#pragma once

#include "content/glyphcells.h"
#include "sign/programplan.h"

#include <QDateTime>
#include <QImage>

#include <map>
#include <memory>
#include <tuple>

namespace lumetra::sign {

// Draws the card's clock into the blank places a clock zone's picture
// leaves: the digits of each shown element at its stored place, and the
// day's name after "星期", in the zone's colour, face and cell size.
class SignClock
{
public:
    // page: the zone's picture in LED colours; drawn on in place.
    void draw(QImage &page, const ClockPlan &clock, const QDateTime &time);

    // The LED colour of a clock colour code: 2 green, 3 yellow, else red.
    static QRgb ledColour(int colour);

private:
    GlyphCells &cellsFor(int fontIndex, int fontSizeIndex);

    std::map<std::pair<int, int>, std::unique_ptr<GlyphCells>> m_cells;
};

} // namespace lumetra::sign
