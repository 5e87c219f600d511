#include "content/textzone.h"

#include "content/ledfontsizes.h"
#include "content/textfaces.h"
#include "content/zonebitmap.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/workspace.h"

namespace lumetra {

namespace {

bool validSlot(int program, int slot)
{
    return program >= 1 && program <= MaxPrograms && slot >= 1 && slot <= ZoneSlots;
}

} // namespace

TextPanelChoice TextZone::choiceFromRecord(const ZoneRecord &zone)
{
    return {TextFaces::faceAt(zone.FontIndex), LedFontSizes::textAt(zone.FontSizeIndex), zone.YearFormat > 0};
}

TextRenderInput TextZone::input(const ZoneRecord &zone, const TextPanelChoice &choice)
{
    TextRenderInput in;
    in.text = zone.Text;
    in.face = choice.face;
    in.sizeText = choice.sizeText;
    in.ForeColor = zone.ForeColor;
    in.SingleLine = zone.SingleLine;
    in.couplet = choice.couplet;
    in.PlayMode = zone.PlayMode;
    in.StayTime = zone.StayTime;
    in.Width = zone.Width;
    in.Height = zone.Height;
    return in;
}

int TextZone::swatchFor(int foreColor)
{
    return foreColor == ColorGreen || foreColor == ColorYellow ? foreColor : ColorRed;
}

QByteArray TextZone::storedText(QStringView typed)
{
    return toGbk(typed);
}

QByteArray TextZone::editedContentFile(const WorkspaceState &state, int program, int slot)
{
    return toGbk(state.ProjectFolder +
                 QStringLiteral("%1-%2-%3.txt").arg(state.CurrentDisplay).arg(program - 1).arg(slot));
}

TextRenderResult TextZone::Button1Click(TextRenderer &renderer, WorkspaceState &state, int program, int slot,
                                        const TextPanelChoice &choice)
{
    ZoneRecord &zone = state.program(program).Zones[slot];
    TextRenderResult result = renderer.render(input(zone, choice));
    zone.Height = result.Height;
    zone.ContentHeight = result.ContentHeight;
    return result;
}

ShownTextZone TextZone::renderAndSave(TextRenderer &renderer, WorkspaceState &state, int program, int slot,
                                      const TextPanelChoice &choice)
{
    ShownTextZone shown;
    shown.render = Button1Click(renderer, state, program, slot, choice);
    shown.rendered = true;
    shown.bitmapPath = ZoneBitmap::writeForZone(state, program, slot, shown.render.pages, shown.render.Width);
    return shown;
}

std::optional<ShownTextZone> TextZone::memo1Change(TextRenderer &renderer, WorkspaceState &state,
                                                   const QByteArray &text, const TextPanelChoice &choice)
{
    const int p = state.CurrentProgram;
    const int z = state.CurrentZone;
    if (state.UiReady <= 0 || !validSlot(p, z))
        return std::nullopt;
    state.ModifiedFlag = 100;
    ZoneRecord &zone = state.program(p).Zones[z];
    zone.Text = text;
    zone.ContentFile = editedContentFile(state, p, z);
    if (state.program(p).ZoneCount < z)
        return ShownTextZone{};
    return renderAndSave(renderer, state, p, z, choice);
}

TransferResult TextZone::doctobmp(TextRenderer &renderer, Workspace &workspace, int programIndex, int slot)
{
    const int program = programIndex + 1;
    if (!validSlot(program, slot))
        return {};
    ZoneRecord &zone = workspace.program(program).Zones[slot];
    const TextRenderResult result = Button1Click(renderer, workspace, program, slot, choiceFromRecord(zone));
    // The file is named after the selection, the planes after the arguments.
    if (validSlot(workspace.CurrentProgram, workspace.CurrentZone)) {
        ensureExtFileFolder(workspace);
        ZoneBitmap::write(zoneBitmapPath(workspace, workspace.CurrentProgram, workspace.CurrentZone), result.pages,
                          result.Width);
    }
    return PlaneTransfer::transdata(result.pages, zone, workspace.WorkingSettings, workspace.planes(),
                                    PlaneTransfer::TextRowLimit, false);
}

} // namespace lumetra
