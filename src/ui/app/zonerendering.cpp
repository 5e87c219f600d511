#include "ui/app/zonerendering.h"

#include "content/richtextzone.h"
#include "content/textrenderer.h"
#include "content/textzone.h"
#include "layout/clockrenderer.h"
#include "project/zonerenderers.h"

#include <QTextDocument>

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
        struct KeepSelection
        {
            Workspace &ws;
            int program = ws.CurrentProgram;
            int zone = ws.CurrentZone;
            ~KeepSelection()
            {
                ws.CurrentProgram = program;
                ws.CurrentZone = zone;
            }
        } keep{ws};
        ws.CurrentProgram = program;
        ws.CurrentZone = slot;
        clock->ClocktoImage(ws, ClockMode::Preview);
    });

    // The hidden document every rich-text zone is laid out in.
    auto document = std::make_shared<QTextDocument>();
    renderers.setRenderer(PictureZone, [document](Workspace &ws, int program, int slot) {
        const RichTextLoad load = RichTextZone::load(*document, ws, ws.program(program).Zones[slot]);
        if (!load.fileMissing)
            RichTextZone::yuelanrtf(*document, ws, program, slot);
    });
    return {text, clock, document};
}

} // namespace lumetra
