#pragma once

#include "model/records.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace lumetra {

// The strings of a clock zone: the date group D, the day of week K and the
// time group T, each with its blank template (same length, a blank for every
// byte of a sample value, separators and units kept).
struct ClockStrings
{
    QByteArray D, Dt;
    QByteArray K, Kt;
    QByteArray T, Tt;
};

// One piece of text the clock draws: the preview text with samples, and the
// template text with blanks in their places.
struct ClockLine
{
    int x = 0;
    int y = 0;
    QByteArray preview;
    QByteArray blank;
};

struct ClockLayout
{
    int cell = 32;          // N, the cell height in LEDs
    int facePointSize = 12; // the face size the cell is drawn with
    std::vector<ClockLine> lines;
    int textWidth = 0;   // ClockTextWidth
    int blockHeight = 0; // ClockBlockHeight
};

// Shown-element bits of ClockOptions.
enum ClockElement : int32_t {
    ClockYear = 128,
    ClockMonth = 64,
    ClockDay = 32,
    ClockWeek = 16,
    ClockHour = 8,
    ClockMinute = 4,
    ClockSecond = 2,
};

bool clockShows(int32_t options, ClockElement element);

// Cell height N of FontSizeIndex (12, 16, 32; anything else 32) and the face
// size in points it is drawn with.
int clockCellSize(int32_t fontSizeIndex);
int clockFacePointSize(int32_t fontSizeIndex);

// "宋体" for FontIndex 0, "黑体" for anything else.
QByteArray clockFaceName(int32_t fontIndex);

ClockStrings buildClockStrings(const ZoneRecord &zone, const QByteArray &weekdaySample);

// Lays the clock out and stores the position of every shown element in the
// zone (YearX … WeekY, WeekRowY, TimeRowY); hidden elements keep theirs.
// oneLineDrawOffset moves the drawn line of a one-line clock down (the
// panel's own render draws it InfoSpacing lower) without moving positions.
ClockLayout layoutClock(ZoneRecord &zone, const QByteArray &weekdaySample, int oneLineDrawOffset = 0);

} // namespace lumetra
