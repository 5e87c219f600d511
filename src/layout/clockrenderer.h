#pragma once

#include "content/glyphcells.h"
#include "content/planetransfer.h"
#include "layout/clocklayout.h"

#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <tuple>

namespace lumetra {

class Workspace;

enum class ClockMode { Preview = 0, Template = 1 };

// What the clock panel's own render changes: its current colours, and the
// one-line clock drawn InfoSpacing lower.
struct ClockPanelOverrides
{
    QRgb background = 0;
    QRgb text = 0;
};

struct ClockRender
{
    QImage bitmap; // the zone's size
    ClockLayout layout;
    QString bitmapPath;
    TransferResult transfer;
};

// Renders clock zones: draws the clock of the current zone (samples in the
// preview, blanks in the template), stores the element positions, saves the
// bitmap under ExtFile/ with its path in ContentFile, and transfers it into
// the planes. Keeps the glyph cells of the faces it has used.
class ClockRenderer
{
public:
    static QRgb textColour(int32_t foreColor);
    static QRgb backgroundColour(int32_t backColor);

    // ClocktoImage: the current zone (CurrentProgram, CurrentZone).
    ClockRender ClocktoImage(Workspace &workspace, ClockMode mode);

    // The panel's render after an edit: preview, the panel's colours, the
    // one-line text moved down by InfoSpacing; ContentHeight = bitmap height.
    ClockRender panelRender(Workspace &workspace, const ClockPanelOverrides &colours);

    // Drawing alone, for any zone record: lays the clock out (storing the
    // positions in zone) and paints it.
    QImage draw(ZoneRecord &zone, const QByteArray &weekdaySample, ClockMode mode, ClockLayout &layout,
                std::optional<ClockPanelOverrides> colours = std::nullopt, int oneLineDrawOffset = 0);

private:
    ClockRender renderCurrent(Workspace &workspace, ClockMode mode, std::optional<ClockPanelOverrides> colours);
    GlyphCells &cellsFor(const QByteArray &face, int pointSize, int cell);

    std::map<std::tuple<QByteArray, int, int>, std::unique_ptr<GlyphCells>> m_cells;
};

} // namespace lumetra
