#include "project/zoneadaptation.h"

#include <algorithm>

namespace lumetra {

namespace {

// The first zone keeps its size while it fits and the other takes the rest;
// a first zone that no longer fits gives up 8 LEDs.
void split(int32_t &first, int32_t &rest, int total)
{
    if (first < total)
        rest = total - first;
    else
        first = total - 8;
}

} // namespace

void adaptZonesToSize(DisplayRecord &display, int programCount, int width, int height)
{
    const int count = std::clamp(programCount, 0, MaxPrograms);
    for (int n = 1; n <= count; ++n) {
        ProgramRecord &p = display.Programs[n];
        ZoneRecord &z1 = p.Zones[1];
        ZoneRecord &z2 = p.Zones[2];
        ZoneRecord &z3 = p.Zones[3];
        switch (p.Template) {
        case 1:
            z1.Height = height;
            z1.Width = width;
            break;
        case 2:
            z1.Width = width;
            z2.Width = width;
            split(z1.Height, z2.Height, height);
            break;
        case 3:
            z1.Height = height;
            z2.Height = height;
            split(z1.Width, z2.Width, width);
            break;
        case 4:
            z1.Width = width;
            if (z1.Height < height) {
                z2.Height = height - z1.Height;
                z3.Height = height - z1.Height;
            } else {
                z1.Height = height - 8;
            }
            split(z2.Width, z3.Width, width);
            break;
        default:
            break;
        }
    }
}

} // namespace lumetra
