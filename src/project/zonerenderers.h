#pragma once

#include "model/workspace.h"

#include <functional>

namespace lumetra {

// Where the text, clock and rich-text renderers plug in. A renderer writes
// the zone's bitmap under ExtFile/ (and its ContentHeight); the window then
// shows that bitmap. A kind without a renderer keeps the bitmap already saved.
class ZoneRenderers
{
public:
    using Renderer = std::function<void(Workspace &, int program, int slot)>;

    void setRenderer(int zoneKind, Renderer renderer);
    bool hasRenderer(int zoneKind) const;

    // Renders the zone with the renderer of its kind; false when there is none.
    bool render(Workspace &workspace, int program, int slot) const;

private:
    std::array<Renderer, 3> m_renderers;
};

} // namespace lumetra
