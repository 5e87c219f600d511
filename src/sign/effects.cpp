#include "sign/effects.h"

#include <algorithm>
#include <cstring>

namespace lumetra::sign {

namespace {

// Copies w × h LEDs from src (sx, sy) to frame (dx, dy), cut to both.
void blit(QImage &frame, int dx, int dy, const QImage &src, int sx, int sy, int w, int h)
{
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    if (dx < 0) {
        w += dx;
        sx -= dx;
        dx = 0;
    }
    if (dy < 0) {
        h += dy;
        sy -= dy;
        dy = 0;
    }
    w = std::min({w, src.width() - sx, frame.width() - dx});
    h = std::min({h, src.height() - sy, frame.height() - dy});
    if (w <= 0 || h <= 0)
        return;
    for (int r = 0; r < h; ++r)
        std::memcpy(reinterpret_cast<QRgb *>(frame.scanLine(dy + r)) + dx,
                    reinterpret_cast<const QRgb *>(src.constScanLine(sy + r)) + sx, std::size_t(w) * sizeof(QRgb));
}

} // namespace

int Effects::steps(int effect, int w, int h, bool firstOfPlay)
{
    switch (effect) {
    case ShowMoveLeft:
    case ShowMoveRight:
        return firstOfPlay ? 0 : w;
    case ShowMoveUp:
    case ShowMoveDown:
        return firstOfPlay ? 0 : h;
    case MoveLeft:
    case MoveRight:
    case BlindLeft:
    case BlindRight:
        return w;
    case MoveUp:
    case MoveDown:
    case RollDown:
    case RollUp:
        return h;
    default:
        return 0;
    }
}

int Effects::randomPick(int program, int slot, int page)
{
    uint32_t x = uint32_t(program) * 0x9E3779B1u ^ uint32_t(slot) * 0x85EBCA77u ^ uint32_t(page) * 0xC2B2AE3Du;
    x ^= x >> 15;
    x *= 0x2C1B3C6Du;
    x ^= x >> 12;
    return 1 + int(x % 13u);
}

void Effects::draw(QImage &frame, QPoint origin, const QImage &before, const QImage &page, int effect, int step,
                   int steps)
{
    const int w = page.width(), h = page.height();
    const int x = origin.x(), y = origin.y();
    if (step >= steps) {
        blit(frame, x, y, page, 0, 0, w, h);
        return;
    }
    const int k = std::max(step, 0);
    switch (effect) {
    case ShowMoveLeft:
    case MoveLeft: // the page comes in at the right edge, pushing the old one out
        blit(frame, x, y, before, k, 0, w - k, h);
        blit(frame, x + w - k, y, page, 0, 0, k, h);
        break;
    case ShowMoveRight:
    case MoveRight:
        blit(frame, x + k, y, before, 0, 0, w - k, h);
        blit(frame, x, y, page, w - k, 0, k, h);
        break;
    case ShowMoveUp:
    case MoveUp:
        blit(frame, x, y, before, 0, k, w, h - k);
        blit(frame, x, y + h - k, page, 0, 0, w, k);
        break;
    case ShowMoveDown:
    case MoveDown:
        blit(frame, x, y + k, before, 0, 0, w, h - k);
        blit(frame, x, y, page, 0, h - k, w, k);
        break;
    case RollDown:
        blit(frame, x, y, page, 0, 0, w, k);
        blit(frame, x, y + k, before, 0, k, w, h - k);
        break;
    case RollUp:
        blit(frame, x, y, before, 0, 0, w, h - k);
        blit(frame, x, y + h - k, page, 0, h - k, w, k);
        break;
    case BlindLeft:
        blit(frame, x, y, page, 0, 0, k, h);
        blit(frame, x + k, y, before, k, 0, w - k, h);
        break;
    case BlindRight:
        blit(frame, x, y, before, 0, 0, w - k, h);
        blit(frame, x + w - k, y, page, w - k, 0, k, h);
        break;
    default:
        blit(frame, x, y, page, 0, 0, w, h);
        break;
    }
}

} // namespace lumetra::sign
