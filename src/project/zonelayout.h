#pragma once

#include "model/records.h"
#include "project/templaterules.h"

#include <array>
#include <optional>

namespace lumetra {

// The four coordinate boxes of "分区坐标".
enum class LayoutBox { StartX, StartY, Height, Width };

// Fixed limits of a box (never changed at run time).
struct BoxLimits
{
    int step;
    int minimum;
    int maximum;
    int initial;
};
BoxLimits layoutBoxLimits(LayoutBox box);

// Clamps and snaps a free size against the sign dimension it runs along:
// at least 16, at most D - 8, then down to a multiple of 8.
int clampFreeSize(int value, int dimension);

// E_W of zone 3 in template 4 limits zone 3's own width instead.
int clampZone3Split(int w2, int width);

// A bar drag: every free size of the template clamped and snapped.
TemplateSplit clampSplit(int templateId, TemplateSplit split, int width, int height);

// The layout rule: the rectangles of zones 1..3 (unused zones empty).
std::array<ZoneRect, MaxZonesUsed> layoutRects(int templateId, int width, int height, const TemplateSplit &split);

// Writes the layout rule into the program's zone records; true when a
// rectangle changed.
bool writeLayout(ProgramRecord &program, int templateId, int width, int height, const TemplateSplit &split);

// What the boxes show for a zone: its rectangle, zone 1 always from 0, 0.
ZoneRect boxesForZone(const std::array<ZoneRect, MaxZonesUsed> &rects, int zone);

// How far a bar may be dragged: this close to a zone's edge and no closer.
inline constexpr int VerticalBarMargin = 16;
inline constexpr int HorizontalBarMargin = 8;

// The free size a bar reaches while it is dragged, before the clamping;
// extent is the length of the two zones it divides.
int barDragLimit(int value, int extent, bool vertical);

// A value typed into a box, per template and zone.
struct BoxEdit
{
    // Put back into the box: the box cannot change the layout.
    std::optional<int> reset;
    // The free sizes after the value and the clamping.
    TemplateSplit split;
    // A start point goes on as a bar drag, which reselects the program
    // node; a size reselects the zone.
    bool asBarDrag = false;
};

BoxEdit boxEdited(LayoutBox box, int templateId, int zone, int value, const TemplateSplit &current, int width,
                  int height);

} // namespace lumetra
