#include "project/zonerenderers.h"

namespace lumetra {

static bool validKind(int kind)
{
    return kind >= TextZone && kind <= PictureZone;
}

void ZoneRenderers::setRenderer(int zoneKind, Renderer renderer)
{
    if (validKind(zoneKind))
        m_renderers[static_cast<std::size_t>(zoneKind)] = std::move(renderer);
}

bool ZoneRenderers::hasRenderer(int zoneKind) const
{
    return validKind(zoneKind) && static_cast<bool>(m_renderers[static_cast<std::size_t>(zoneKind)]);
}

bool ZoneRenderers::render(Workspace &workspace, int program, int slot) const
{
    const int kind = workspace.program(program).Zones[slot].ZoneType;
    if (!hasRenderer(kind))
        return false;
    m_renderers[static_cast<std::size_t>(kind)](workspace, program, slot);
    return true;
}

} // namespace lumetra
