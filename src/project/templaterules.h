#pragma once

#include "model/records.h"

#include <QSize>

#include <array>

namespace lumetra {

// A zone rectangle in LED dots.
struct ZoneRect
{
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const ZoneRect &, const ZoneRect &) = default;
};

// The free sizes of a template: h1 (height of zone 1, templates 2 and 4),
// w1 (width of zone 1, template 3), w2 (width of zone 2, template 4).
struct TemplateSplit
{
    int h1 = 16;
    int w1 = 32;
    int w2 = 32;
};

// Templates 1..4: how many zones, which is the main zone.
int templateZoneCount(int templateId);
int templateMainZone(int templateId);

// The rectangles a new program of the template receives on a W x H sign.
std::array<ZoneRect, MaxZonesUsed> defaultTemplateGeometry(int templateId, int width, int height);

// Free sizes as a shown program carries them in its zone records.
TemplateSplit splitFromProgram(const ProgramRecord &program);

// Outer size of a template's preview panel: a 6-pixel frame round the sign
// and a 5-pixel bar per split direction.
QSize templatePanelSize(int templateId, int width, int height);

// Sizes of the zone panels of a template laid out with the given free sizes.
std::array<QSize, MaxZonesUsed> zonePanelSizes(int templateId, int width, int height, const TemplateSplit &split);

// showpanel's rule: the zone rectangles of the program taken back from the
// sizes of the template's zone panels (one pixel per LED). Template 0 or an
// unknown id writes nothing.
void showpanelGeometry(ProgramRecord &program, int templateId, int width, int height,
                       const std::array<QSize, MaxZonesUsed> &panels);

} // namespace lumetra
