#include "model/planerule.h"

namespace lumetra {

namespace {

// Branch-free so that a whole scan line vectorises.
inline void rule(QRgb pixel, int threshold, uint8_t &red, uint8_t &green)
{
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const bool dark = (r < threshold) & (g < threshold);
    const bool light = (r > 127) & (g > 127) & (b > 127);
    const bool lit = !(dark | light);
    red = static_cast<uint8_t>(lit & (r > threshold));
    green = static_cast<uint8_t>(lit & (g > threshold));
}

} // namespace

PlaneBits PlaneRule::apply(int red, int green, int blue, int threshold)
{
    return apply(qRgb(red, green, blue), threshold);
}

PlaneBits PlaneRule::apply(QRgb pixel, int threshold)
{
    PlaneBits bits;
    rule(pixel, threshold, bits.red, bits.green);
    return bits;
}

void PlaneRule::applyRow(const QRgb *pixels, int count, int threshold, uint8_t *red, uint8_t *green)
{
    for (int x = 0; x < count; ++x)
        rule(pixels[x], threshold, red[x], green[x]);
}

} // namespace lumetra
