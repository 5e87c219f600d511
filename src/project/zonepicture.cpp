#include "project/zonepicture.h"

#include "model/contentfiles.h"

#include <QImageReader>

#include <algorithm>

namespace lumetra {

QImage zonePicture(const WorkspaceState &state, int program, int slot)
{
    QImageReader reader(zoneBitmapPath(state, program, slot));
    QImage image = reader.read();
    if (!image.isNull())
        return image.convertToFormat(QImage::Format_RGB32);
    const ZoneRecord &zone = state.program(program).Zones[slot];
    QImage black(std::max(1, zone.Width), std::max(1, zone.Height), QImage::Format_RGB32);
    black.fill(Qt::black);
    return black;
}

} // namespace lumetra
