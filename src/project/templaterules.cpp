#include "project/templaterules.h"

namespace lumetra {

int templateZoneCount(int templateId)
{
    switch (templateId) {
    case 2:
    case 3:
        return 2;
    case 4:
        return 3;
    default:
        return 1;
    }
}

int templateMainZone(int templateId)
{
    return templateZoneCount(templateId);
}

std::array<ZoneRect, MaxZonesUsed> defaultTemplateGeometry(int templateId, int width, int height)
{
    const int W = width;
    const int H = height;
    switch (templateId) {
    case 2:
        return {ZoneRect{0, 0, W, 16}, ZoneRect{0, 16, W, H - 16}, ZoneRect{}};
    case 3:
        return {ZoneRect{0, 0, 32, H}, ZoneRect{32, 0, W - 32, H}, ZoneRect{}};
    case 4:
        return {ZoneRect{0, 0, W, 16}, ZoneRect{0, 16, 32, H - 16}, ZoneRect{32, 16, W - 32, H - 16}};
    default:
        return {ZoneRect{0, 0, W, H}, ZoneRect{}, ZoneRect{}};
    }
}

TemplateSplit splitFromProgram(const ProgramRecord &program)
{
    TemplateSplit split;
    split.h1 = program.Zones[1].Height;
    split.w1 = program.Zones[1].Width;
    split.w2 = program.Zones[2].Width;
    return split;
}

QSize templatePanelSize(int templateId, int width, int height)
{
    switch (templateId) {
    case 2:
        return {width + 12, height + 17};
    case 3:
        return {width + 17, height + 12};
    case 4:
        return {width + 17, height + 17};
    default:
        return {width + 12, height + 12};
    }
}

std::array<QSize, MaxZonesUsed> zonePanelSizes(int templateId, int width, int height, const TemplateSplit &split)
{
    const int W = width;
    const int H = height;
    switch (templateId) {
    case 2:
        return {QSize(W, split.h1), QSize(W, H - split.h1), QSize()};
    case 3:
        return {QSize(split.w1, H), QSize(W - split.w1, H), QSize()};
    case 4:
        return {QSize(W, split.h1), QSize(split.w2, H - split.h1), QSize(W - split.w2, H - split.h1)};
    default:
        return {QSize(W, H), QSize(), QSize()};
    }
}

static void setRect(ZoneRecord &zone, int x, int y, QSize size)
{
    zone.X = x;
    zone.Y = y;
    zone.Width = size.width();
    zone.Height = size.height();
}

void showpanelGeometry(ProgramRecord &program, int templateId, int width, int height,
                       const std::array<QSize, MaxZonesUsed> &panels)
{
    auto &z = program.Zones;
    switch (templateId) {
    case 1:
        setRect(z[1], 0, 0, QSize(width, height));
        break;
    case 2:
        setRect(z[1], 0, 0, panels[0]);
        setRect(z[2], 0, panels[0].height(), panels[1]);
        break;
    case 3:
        setRect(z[1], 0, 0, panels[0]);
        setRect(z[2], panels[0].width(), 0, panels[1]);
        break;
    case 4:
        setRect(z[1], 0, 0, QSize(width, panels[0].height()));
        setRect(z[2], 0, panels[0].height(), panels[1]);
        setRect(z[3], panels[1].width(), panels[0].height(), panels[2]);
        break;
    default:
        break;
    }
}

} // namespace lumetra
