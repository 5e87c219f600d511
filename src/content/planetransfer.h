#pragma once

#include "model/records.h"

#include <QImage>
#include <QString>

namespace lumetra {

class FramePlanes;

struct TransferResult
{
    int rows = 0;         // bitmap rows taking part after the cut
    int columns = 0;      // bitmap columns taking part after the cut
    bool stopped = false; // a row reached the row limit
    // For rich-text and clock zones that stopped: the message to show.
    QString message;
    QString title;
};

// Writes a zone's rendered page stack into the frame planes: page k lands on
// screen k at the zone's position (plane row k × SH + Y + r, column X + x),
// every pixel by the plane rule, zeros included.
class PlaneTransfer
{
public:
    static constexpr int TextRowLimit = 6144;     // text and clock zones
    static constexpr int RichTextRowLimit = 4096; // rich-text zones

    static int rowLimit(int zoneType);
    static QString overflowMessage();

    // The transfer of a zone of the given kind: its row limit, and a message
    // on overflow except for text zones, which stop silently. Sets the zone's
    // ContentHeight once a row takes part.
    static TransferResult transdata(const QImage &bitmap, ZoneRecord &zone, const WorkingSettingsRecord &settings,
                                    FramePlanes &planes);
    static TransferResult transdata(const QImage &bitmap, ZoneRecord &zone, const WorkingSettingsRecord &settings,
                                    FramePlanes &planes, int rowLimit, bool reportOverflow);
};

} // namespace lumetra
