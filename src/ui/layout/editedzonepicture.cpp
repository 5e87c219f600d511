#include "ui/layout/editedzonepicture.h"

#include "project/templaterules.h"
#include "ui/project/templatepreview.h"

#include <algorithm>

namespace lumetra {

static QImage blackFor(const ZoneRecord &zone)
{
    QImage black(std::max(1, zone.Width), std::max(1, zone.Height), QImage::Format_RGB32);
    black.fill(Qt::black);
    return black;
}

void showEditedZonePicture(TemplatePreview &pane, const WorkspaceState &state, const QImage &picture)
{
    const int p = state.CurrentProgram;
    const int z = state.CurrentZone;
    if (p < 1 || p > MaxPrograms || z < 1 || z > ZoneSlots)
        return;
    const ProgramRecord &program = state.program(p);
    const int templateId = program.Template;
    pane.setZonePicture(templateId, z, picture.isNull() ? blackFor(program.Zones[z]) : picture);
    if (templateId < 2)
        return;
    for (int slot = 1; slot <= templateZoneCount(templateId); ++slot)
        if (slot != z)
            pane.setZonePicture(templateId, slot, blackFor(program.Zones[slot]));
}

} // namespace lumetra
