#pragma once

#include <QRgb>

#include <cstdint>

namespace lumetra {

// Red and green LED values of one pixel: 0 dark, 1 lit.
struct PlaneBits
{
    uint8_t red = 0;
    uint8_t green = 0;

    friend bool operator==(const PlaneBits &, const PlaneBits &) = default;
};

// Turns a rendered colour into LED values with the display's colour
// threshold T: dark when red and green are both below T, dark for white and
// light grey (every channel above 127, a document's background), else each
// colour lit when strictly above T.
class PlaneRule
{
public:
    static PlaneBits apply(int red, int green, int blue, int threshold);
    static PlaneBits apply(QRgb pixel, int threshold);

    // The rule over count pixels of one scan line; every target byte is
    // written, 0 included, so the zone's area is overwritten.
    static void applyRow(const QRgb *pixels, int count, int threshold, uint8_t *red, uint8_t *green);
};

} // namespace lumetra
