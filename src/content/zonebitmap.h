#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lumetra {

struct WorkspaceState;

// The zone bitmap file: the rendered page stack as a 24-bit BMP, written
// whole or not at all.
class ZoneBitmap
{
public:
    // A BMP of image; a picture without rows (the empty continuous line)
    // still gives a valid file of width columns and no rows.
    static QByteArray encode(const QImage &image, int width = 0);

    // Writes the BMP to path atomically; throws Error naming the file.
    static void write(const QString &path, const QImage &image, int width = 0);

    // Writes a zone's bitmap under ExtFile/ (created when missing) by the
    // naming rule; returns the path written.
    static QString writeForZone(const WorkspaceState &state, int program, int slot, const QImage &image, int width = 0);

    // The page marks the window draws after saving: a blue line on the last
    // row of every page, and on the strip the last column of every slice.
    static void drawPageMarks(QImage &pages, int zoneHeight, int pageCount);
    static void drawSliceMarks(QImage &strip, int zoneWidth, int pageCount);

    static constexpr QRgb MarkColour = 0xFF0000FFu;
};

} // namespace lumetra
