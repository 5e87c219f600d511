#include "layout/clockrenderer.h"

#include "content/zonebitmap.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <algorithm>

namespace lumetra {

namespace {

// A clock zone is never larger than the planes can hold; a size from a
// damaged project file must not make a huge picture.
constexpr int MaxClockWidth = 8192;
constexpr int MaxClockHeight = FramePlanes::UsableRows;

} // namespace

QRgb ClockRenderer::textColour(int32_t foreColor)
{
    switch (foreColor) {
    case ColorGreen:
        return qRgb(0, 128, 0);
    case ColorYellow:
        return qRgb(255, 255, 0);
    default:
        return qRgb(255, 0, 0);
    }
}

QRgb ClockRenderer::backgroundColour(int32_t backColor)
{
    switch (backColor) {
    case ColorRed:
        return qRgb(255, 0, 0);
    case ColorGreen:
        return qRgb(0, 128, 0);
    case ColorYellow:
        return qRgb(255, 255, 0);
    default:
        return qRgb(0, 0, 0);
    }
}

GlyphCells &ClockRenderer::cellsFor(const QByteArray &face, int pointSize, int cell)
{
    auto &slot = m_cells[{face, pointSize, cell}];
    if (!slot)
        slot = std::make_unique<GlyphCells>(fromGbk(face), pointSize, cell);
    return *slot;
}

QImage ClockRenderer::draw(ZoneRecord &zone, const QByteArray &weekdaySample, ClockMode mode, ClockLayout &layout,
                           std::optional<ClockPanelOverrides> colours, int oneLineDrawOffset)
{
    layout = layoutClock(zone, weekdaySample, oneLineDrawOffset);
    const int width = std::clamp(zone.Width, 1, MaxClockWidth);
    const int height = std::clamp(zone.Height, 1, MaxClockHeight);
    const QRgb paper = colours ? colours->background : backgroundColour(zone.BackColor);
    const QRgb ink = colours ? colours->text : textColour(zone.ForeColor);

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(paper);
    GlyphCells &cells = cellsFor(clockFaceName(zone.FontIndex), layout.facePointSize, layout.cell);
    for (const ClockLine &line : layout.lines)
        cells.drawUpright(image, mode == ClockMode::Preview ? line.preview : line.blank, line.x, line.y, ink, paper);
    return image;
}

ClockRender ClockRenderer::renderCurrent(Workspace &workspace, ClockMode mode,
                                         std::optional<ClockPanelOverrides> colours)
{
    const int p = workspace.CurrentProgram;
    const int z = workspace.CurrentZone;
    ZoneRecord &zone = workspace.program(p).Zones[z];

    ClockRender result;
    const int offset = colours ? zone.InfoSpacing : 0;
    result.bitmap = draw(zone, workspace.WeekdayNames[6], mode, result.layout, colours, offset);
    result.bitmapPath = ZoneBitmap::writeForZone(workspace, p, z, result.bitmap);
    zone.ContentFile = toGbk(result.bitmapPath);
    result.transfer = PlaneTransfer::transdata(result.bitmap, zone, workspace.WorkingSettings, workspace.planes());
    if (colours)
        zone.ContentHeight = result.bitmap.height();
    return result;
}

ClockRender ClockRenderer::ClocktoImage(Workspace &workspace, ClockMode mode)
{
    return renderCurrent(workspace, mode, std::nullopt);
}

ClockRender ClockRenderer::panelRender(Workspace &workspace, const ClockPanelOverrides &colours)
{
    return renderCurrent(workspace, ClockMode::Preview, colours);
}

} // namespace lumetra
