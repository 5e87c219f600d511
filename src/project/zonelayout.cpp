#include "project/zonelayout.h"

#include <algorithm>

namespace lumetra {

BoxLimits layoutBoxLimits(LayoutBox box)
{
    switch (box) {
    case LayoutBox::StartX:
        return {16, 0, 1024, 16};
    case LayoutBox::StartY:
        return {8, 0, 128, 16};
    case LayoutBox::Height:
        return {8, 8, 128, 16};
    case LayoutBox::Width:
        break;
    }
    return {16, 8, 1024, 16};
}

static int snapDown(int value)
{
    // Integer division truncates towards zero; a multiple "not greater" needs the floor.
    return value >= 0 ? value / 8 * 8 : -((-value + 7) / 8 * 8);
}

// A sign smaller than two zones would give a negative size: keep it within the sign.
static int withinSign(int value, int dimension)
{
    return std::clamp(value, 0, std::max(0, dimension));
}

int clampFreeSize(int value, int dimension)
{
    int v = value;
    if (v < 16)
        v = 16;
    if (v > dimension - 8)
        v = dimension - 8;
    return withinSign(snapDown(v), dimension);
}

int clampZone3Split(int w2, int width)
{
    int v = w2;
    if (width - v < 16)
        v = width - 16;
    if (width - v > width - 8)
        v = 8;
    return withinSign(snapDown(v), width);
}

int barDragLimit(int value, int extent, bool vertical)
{
    const int margin = vertical ? VerticalBarMargin : HorizontalBarMargin;
    return std::max(0, std::min(std::max(value, margin), extent - margin));
}

TemplateSplit clampSplit(int templateId, TemplateSplit split, int width, int height)
{
    switch (templateId) {
    case 2:
        split.h1 = clampFreeSize(split.h1, height);
        break;
    case 3:
        split.w1 = clampFreeSize(split.w1, width);
        break;
    case 4:
        split.h1 = clampFreeSize(split.h1, height);
        split.w2 = clampFreeSize(split.w2, width);
        break;
    default:
        break;
    }
    return split;
}

std::array<ZoneRect, MaxZonesUsed> layoutRects(int templateId, int width, int height, const TemplateSplit &split)
{
    ProgramRecord program;
    showpanelGeometry(program, templateId, width, height, zonePanelSizes(templateId, width, height, split));
    std::array<ZoneRect, MaxZonesUsed> rects{};
    for (int z = 1; z <= templateZoneCount(templateId); ++z) {
        const ZoneRecord &zone = program.Zones[z];
        rects[static_cast<std::size_t>(z - 1)] = ZoneRect{zone.X, zone.Y, zone.Width, zone.Height};
    }
    return rects;
}

bool writeLayout(ProgramRecord &program, int templateId, int width, int height, const TemplateSplit &split)
{
    const auto after = layoutRects(templateId, width, height, split);
    bool changed = false;
    for (int z = 1; z <= templateZoneCount(templateId); ++z) {
        const ZoneRecord &zone = program.Zones[z];
        changed =
            changed || !(ZoneRect{zone.X, zone.Y, zone.Width, zone.Height} == after[static_cast<std::size_t>(z - 1)]);
    }
    showpanelGeometry(program, templateId, width, height, zonePanelSizes(templateId, width, height, split));
    return changed;
}

ZoneRect boxesForZone(const std::array<ZoneRect, MaxZonesUsed> &rects, int zone)
{
    if (zone < 1 || zone > MaxZonesUsed)
        return {};
    ZoneRect r = rects[static_cast<std::size_t>(zone - 1)];
    if (zone == 1)
        r.X = r.Y = 0;
    return r;
}

static BoxEdit startPointTyped(bool x, int templateId, int zone, int value, TemplateSplit split, int width, int height)
{
    BoxEdit edit;
    edit.split = split;
    if (templateId == 2 && zone == 2 && !x)
        split.h1 = value;
    else if (templateId == 3 && zone == 2 && x)
        split.w1 = value;
    else if (templateId == 4 && zone == 2 && !x)
        split.h1 = value;
    else if (templateId == 4 && zone == 3)
        (x ? split.w2 : split.h1) = value;
    else {
        edit.reset = 0;
        return edit;
    }
    edit.split = clampSplit(templateId, split, width, height);
    edit.asBarDrag = true;
    return edit;
}

static BoxEdit heightTyped(int templateId, int zone, int value, TemplateSplit split, int height)
{
    BoxEdit edit;
    edit.split = split;
    if (templateId == 1 || templateId == 3) {
        edit.reset = height;
        return edit;
    }
    edit.split.h1 = clampFreeSize(zone == 1 ? value : height - value, height);
    return edit;
}

static BoxEdit widthTyped(int templateId, int zone, int value, TemplateSplit split, int width)
{
    BoxEdit edit;
    edit.split = split;
    switch (templateId) {
    case 3:
        edit.split.w1 = clampFreeSize(zone == 1 ? value : width - value, width);
        break;
    case 4:
        if (zone == 2)
            edit.split.w2 = clampFreeSize(value, width);
        else if (zone == 3)
            edit.split.w2 = clampZone3Split(width - value, width);
        // Zone 1 spans the sign: nothing to change, but it is shown again.
        break;
    default:
        edit.reset = width;
        break;
    }
    return edit;
}

BoxEdit boxEdited(LayoutBox box, int templateId, int zone, int value, const TemplateSplit &current, int width,
                  int height)
{
    switch (box) {
    case LayoutBox::StartX:
        return startPointTyped(true, templateId, zone, value, current, width, height);
    case LayoutBox::StartY:
        return startPointTyped(false, templateId, zone, value, current, width, height);
    case LayoutBox::Height:
        return heightTyped(templateId, zone, value, current, height);
    case LayoutBox::Width:
        break;
    }
    return widthTyped(templateId, zone, value, current, width);
}

} // namespace lumetra
