#pragma once

#include "content/planetransfer.h"

#include <QImage>
#include <QString>

class QTextDocument;

namespace lumetra {

class Workspace;
struct WorkspaceState;
struct ZoneRecord;

// How loading a rich-text zone's document went.
struct RichTextLoad
{
    QString path;              // ProjectFolder + the bare name; empty without one
    bool fileMissing = false;  // nothing there: the document stays empty
    bool loaded = false;       // a ".zvf", ".zvc" or ".rtf" was read
    bool importFailed = false; // RTF with faults: what was read is kept
};

struct RichTextPreview
{
    QImage pages; // document width × pages·H, black behind the document
    int pageCount = 0;
    QString bitmapPath;
};

// Rich-text zones: the zone's document laid out at the zone width and
// painted one pixel per LED, red where the document names no colour.
class RichTextZone
{
public:
    // Clears the document and loads the zone's content file by its
    // extension (".zvf" and ".zvc" native, ".rtf" RTF, letter case as
    // stored; anything else loads nothing), laid out at the zone's width.
    static RichTextLoad load(QTextDocument &document, const WorkspaceState &state, const ZoneRecord &zone);

    // The laid-out document painted into a black picture of the given size,
    // without anti-aliasing.
    static QImage paint(const QTextDocument &document, int width, int height);

    // yuelanrtf: the paged preview of program / slot (H below 16 becomes 16
    // in the record); saves the zone bitmap. ContentHeight is left alone.
    static RichTextPreview yuelanrtf(QTextDocument &document, WorkspaceState &state, int program, int slot);

    // rtftobmp: the send-time picture (at least one page high), saved under
    // the current selection's name and transferred into the planes with the
    // rich-text row limit.
    static TransferResult rtftobmp(QTextDocument &document, Workspace &workspace, int programIndex, int slot);

    // The message box of a failed import: text "错误", title "文件读错误。".
    static QString importFailedText();
    static QString importFailedTitle();
};

} // namespace lumetra
