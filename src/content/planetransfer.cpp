#include "content/planetransfer.h"

#include "model/frameplanes.h"
#include "model/planerule.h"

#include <algorithm>

namespace lumetra {

int PlaneTransfer::rowLimit(int zoneType)
{
    return zoneType == PictureZone ? RichTextRowLimit : TextRowLimit;
}

QString PlaneTransfer::overflowMessage()
{
    return QStringLiteral("文件大小超出了该节目的编辑区域。");
}

TransferResult PlaneTransfer::transdata(const QImage &bitmap, ZoneRecord &zone, const WorkingSettingsRecord &settings,
                                        FramePlanes &planes)
{
    return transdata(bitmap, zone, settings, planes, rowLimit(zone.ZoneType), zone.ZoneType != TextZone);
}

TransferResult PlaneTransfer::transdata(const QImage &bitmap, ZoneRecord &zone, const WorkingSettingsRecord &settings,
                                        FramePlanes &planes, int limit, bool reportOverflow)
{
    TransferResult result;
    const qint64 h = zone.Height;
    const qint64 sh = settings.ScreenHeight;
    const qint64 sw = settings.ScreenWidth;
    // Without a page or screen size there is no place to put a row.
    if (bitmap.isNull() || h < 1 || sh < 1 || sw < 1)
        return result;

    const QImage image = bitmap.format() == QImage::Format_RGB32 || bitmap.format() == QImage::Format_ARGB32
                             ? bitmap
                             : bitmap.convertToFormat(QImage::Format_RGB32);

    // The cut: a bitmap taller (wider) than the program can hold keeps one row
    // (column) less than the maximum.
    const qint64 maxRows = h * limit / sh;
    const qint64 maxColumns = qint64(zone.Width) * FramePlanes::UsableColumns / sw;
    qint64 rows = image.height();
    if (rows > maxRows)
        rows = std::max<qint64>(0, maxRows - 1);
    qint64 columns = image.width();
    if (columns > maxColumns)
        columns = std::max<qint64>(0, maxColumns - 1);
    result.rows = int(rows);
    result.columns = int(columns);

    // Columns that fall inside the planes.
    const qint64 x0 = std::clamp<qint64>(-qint64(zone.X), 0, columns);
    const qint64 x1 = std::clamp<qint64>(FramePlanes::UsableColumns - qint64(zone.X), x0, columns);
    const int threshold = settings.ColorThreshold;

    for (qint64 y = 0; y < rows; ++y) {
        const qint64 target = zone.Y + (y / h) * sh + y % h;
        if (target >= limit) {
            result.stopped = true;
            if (reportOverflow) {
                result.message = overflowMessage();
                result.title = QStringLiteral("错误");
            }
            break;
        }
        zone.ContentHeight = int((rows + h - 1) / h * h);
        if (target < 0 || target >= FramePlanes::UsableRows || x0 >= x1)
            continue;
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(int(y)));
        const qint64 column = zone.X + x0;
        PlaneRule::applyRow(line + x0, int(x1 - x0), threshold, planes.redRow(int(target)) + column,
                            planes.greenRow(int(target)) + column);
    }
    return result;
}

} // namespace lumetra
