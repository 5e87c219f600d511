#pragma once

#include "content/planetransfer.h"
#include "content/textrenderer.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace lumetra {

class Workspace;
struct WorkspaceState;
struct ZoneRecord;

// What the text panel's controls hold besides the record: cmbFont's text,
// cmbFontSize's text (typed or chosen) and CheckBox13.
struct TextPanelChoice
{
    QString face;
    QString sizeText;
    bool couplet = false;
};

// A rendered text zone and the bitmap file written for it.
struct ShownTextZone
{
    bool rendered = false; // false when the zone slot is not in use
    TextRenderResult render;
    QString bitmapPath;
};

// The text zone operations of the main window on the model, so that the
// panel's handlers only turn controls into these calls and show the result.
class TextZone
{
public:
    // The panel as it mirrors the record: the face at FontIndex, the offered
    // size at FontSizeIndex, the couplet switch from YearFormat.
    static TextPanelChoice choiceFromRecord(const ZoneRecord &zone);
    static TextRenderInput input(const ZoneRecord &zone, const TextPanelChoice &choice);

    // The swatch a zone's ForeColor marks (1 red, 2 green, 3 yellow): any
    // other code shows and renders red.
    static int swatchFor(int foreColor);

    // What the input box stores for typed text: GBK, "?" for what GBK
    // cannot hold; the box then shows fromGbk of it.
    static QByteArray storedText(QStringView typed);

    // ContentFile as the editor sets it: ProjectFolder + d-(p-1)-z.txt.
    static QByteArray editedContentFile(const WorkspaceState &state, int program, int slot);

    // Button1Click: renders the zone's stored text; sets ContentHeight (and a
    // couplet zone's Height from 0 to 8).
    static TextRenderResult Button1Click(TextRenderer &renderer, WorkspaceState &state, int program, int slot,
                                         const TextPanelChoice &choice);

    // Renders and writes the zone's bitmap (exactly the page stack, no
    // marks): what yuelan and memo1Change do after storing.
    static ShownTextZone renderAndSave(TextRenderer &renderer, WorkspaceState &state, int program, int slot,
                                       const TextPanelChoice &choice);

    // memo1Change for the current zone: nothing while UiReady is 0 or less;
    // else stores the text, ContentFile and ModifiedFlag, and renders and
    // saves unless the slot is beyond the program's zones.
    static std::optional<ShownTextZone> memo1Change(TextRenderer &renderer, WorkspaceState &state,
                                                    const QByteArray &text, const TextPanelChoice &choice);

    // doctobmp: the send-time render of a text zone (program index from 0),
    // its bitmap saved under the current selection's name, then transferred
    // into the planes with the text zones' row limit.
    static TransferResult doctobmp(TextRenderer &renderer, Workspace &workspace, int programIndex, int slot);
};

} // namespace lumetra
