#include "content/zonebitmap.h"

#include "model/contentfiles.h"
#include "model/savefile.h"
#include "model/workspace.h"

#include <QtEndian>

#include <cstring>

namespace lumetra {

namespace {

void put16(char *p, quint16 v)
{
    qToLittleEndian(v, p);
}

void put32(char *p, quint32 v)
{
    qToLittleEndian(v, p);
}

} // namespace

QByteArray ZoneBitmap::encode(const QImage &image, int width)
{
    const QImage source =
        image.isNull() || image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const qint64 w = source.isNull() ? std::max(0, width) : source.width();
    const qint64 h = source.isNull() ? 0 : source.height();
    const qint64 stride = (w * 3 + 3) / 4 * 4;
    const qint64 dataSize = stride * h;
    constexpr int headerSize = 14 + 40;

    QByteArray bytes(headerSize + dataSize, '\0');
    char *p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, quint32(headerSize + dataSize));
    put32(p + 10, headerSize);
    put32(p + 14, 40);
    put32(p + 18, quint32(w));
    put32(p + 22, quint32(h)); // bottom-up rows
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 30, 0); // uncompressed
    put32(p + 34, quint32(dataSize));
    put32(p + 38, 3780); // 96 pixels per inch
    put32(p + 42, 3780);

    for (qint64 y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(int(y)));
        unsigned char *out = reinterpret_cast<unsigned char *>(p + headerSize + (h - 1 - y) * stride);
        for (qint64 x = 0; x < w; ++x) {
            out[3 * x] = static_cast<unsigned char>(qBlue(line[x]));
            out[3 * x + 1] = static_cast<unsigned char>(qGreen(line[x]));
            out[3 * x + 2] = static_cast<unsigned char>(qRed(line[x]));
        }
    }
    return bytes;
}

void ZoneBitmap::write(const QString &path, const QImage &image, int width)
{
    writeFileAtomically(path, encode(image, width));
}

QString ZoneBitmap::writeForZone(const WorkspaceState &state, int program, int slot, const QImage &image, int width)
{
    ensureExtFileFolder(state);
    const QString path = zoneBitmapPath(state, program, slot);
    write(path, image, width);
    return path;
}

void ZoneBitmap::drawPageMarks(QImage &pages, int zoneHeight, int pageCount)
{
    if (pages.isNull() || pages.depth() != 32 || zoneHeight < 1)
        return;
    for (int i = 1; i <= pageCount; ++i) {
        const qint64 y = qint64(i) * zoneHeight - 1;
        if (y >= pages.height())
            break;
        QRgb *line = reinterpret_cast<QRgb *>(pages.scanLine(int(y)));
        std::fill(line, line + pages.width(), MarkColour);
    }
}

void ZoneBitmap::drawSliceMarks(QImage &strip, int zoneWidth, int pageCount)
{
    if (strip.isNull() || strip.depth() != 32 || zoneWidth < 1)
        return;
    for (int y = 0; y < strip.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
        for (int i = 1; i <= pageCount; ++i) {
            const qint64 x = qint64(i) * zoneWidth - 1;
            if (x >= strip.width())
                break;
            line[x] = MarkColour;
        }
    }
}

} // namespace lumetra
