#pragma once

#include <memory>

class QTextDocument;

namespace lumetra {

class ClockRenderer;
class TextRenderer;
class ZoneRenderers;

// The renderers behind the hook, for the panels to share their glyph caches.
struct InstalledRenderers
{
    std::shared_ptr<TextRenderer> text;
    std::shared_ptr<ClockRenderer> clock;
    std::shared_ptr<QTextDocument> richText; // the hidden document of every rich-text zone
};

// Plugs the text and clock renderers into the window's renderer hook; they
// keep their glyph caches for as long as the hook or the panels live.
InstalledRenderers installZoneRenderers(ZoneRenderers &renderers);

} // namespace lumetra
