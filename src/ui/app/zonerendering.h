#pragma once

namespace lumetra {

class ZoneRenderers;

// Plugs the text and clock renderers into the window's renderer hook; they
// keep their glyph caches for as long as the hook lives.
void installZoneRenderers(ZoneRenderers &renderers);

} // namespace lumetra
