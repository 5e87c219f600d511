#include "ui/app/zonerendering.h"

#include "content/textrenderer.h"
#include "content/textzone.h"
#include "layout/clockrenderer.h"
#include "project/zonerenderers.h"

#include <memory>

namespace lumetra {

InstalledRenderers installZoneRenderers(ZoneRenderers &renderers)
{
    auto text = std::make_shared<TextRenderer>();
    renderers.setRenderer(TextZone, [text](Workspace &ws, int program, int slot) {
        const ZoneRecord &zone = ws.program(program).Zones[slot];
        TextZone::renderAndSave(*text, ws, program, slot, TextZone::choiceFromRecord(zone));
    });

    auto clock = std::make_shared<ClockRenderer>();
    renderers.setRenderer(ClockZone, [clock](Workspace &ws, int program, int slot) {
        // The clock renders the current zone; the selection stays as it was.
        const int keepProgram = ws.CurrentProgram;
        const int keepZone = ws.CurrentZone;
        ws.CurrentProgram = program;
        ws.CurrentZone = slot;
        try {
            clock->ClocktoImage(ws, ClockMode::Preview);
        } catch (...) {
            ws.CurrentProgram = keepProgram;
            ws.CurrentZone = keepZone;
            throw;
        }
        ws.CurrentProgram = keepProgram;
        ws.CurrentZone = keepZone;
    });
    return {text, clock};
}

} // namespace lumetra
