#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>

namespace lumetra::sign {

// The fourteen entry effects of a zone's pages, as PlayMode numbers them.
enum Effect : int {
    ShowMoveLeft = 1,
    ShowMoveRight,
    ShowMoveUp,
    ShowMoveDown,
    PageTurn,
    MoveLeft, // from the right edge towards the left
    MoveRight,
    MoveUp,
    MoveDown,
    RollDown, // "从上到下卷入"
    RollUp,
    BlindLeft, // "左卷帘": uncovered from the left edge
    BlindRight,
    RandomEffect,
};

// How a page enters: the picture before it (dark, or the page it follows)
// gives way to the page over a number of steps of one LED each.
class Effects
{
public:
    // Steps of the entry of a zone w × h; 0 for pictures shown at once.
    // firstOfPlay: the first page since the program started.
    static int steps(int effect, int w, int h, bool firstOfPlay);

    // The effect 随机 stands for on one page: the same page always gets
    // the same one, so each pass through the pages lasts as long.
    static int randomPick(int program, int slot, int page);

    // Draws the zone at step of steps (steps reached: the page alone) into
    // frame at origin. before and page are the zone's size.
    static void draw(QImage &frame, QPoint origin, const QImage &before, const QImage &page, int effect, int step,
                     int steps);
};

} // namespace lumetra::sign
