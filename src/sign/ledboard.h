#pragma once

#include <QImage>

#include <map>
#include <vector>

namespace lumetra::sign {

// Draws an LED frame (one pixel per LED) as the board looks: round dots on
// a dark board, pitch screen pixels from one LED to the next.
class LedBoard
{
public:
    static constexpr int MinPitch = 2;
    static constexpr int MaxPitch = 12;

    explicit LedBoard(int pitch = 4);

    int pitch() const { return m_pitch; }
    void setPitch(int pitch);

    // into is resized when its size does not fit.
    void render(const QImage &leds, QImage &into);
    // The LEDs of part only (cut to the frame), into an image of part's size
    // times the pitch.
    void render(const QImage &leds, QRect part, QImage &into);

private:
    const QImage &dot(QRgb colour);

    int m_pitch;
    std::vector<uint8_t> m_cover; // share of each pixel of a cell the dot covers, 0 … 255
    std::map<QRgb, QImage> m_dots;
};

} // namespace lumetra::sign
