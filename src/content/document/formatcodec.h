#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QTextFormat>

namespace lumetra {

// A QTextFormat as JSON: its type and every property whose value is one of
// the kinds text formats use (numbers, strings, colours, brushes, pens,
// lengths, tab stops). Properties are keyed by Qt's property numbers, which
// Qt keeps stable because its own streams rely on them. The object index is
// never written: it only means something inside one document.
QJsonObject encodeFormat(const QTextFormat &format);

// False when the JSON is not a format; unknown value kinds are skipped.
bool decodeFormat(const QJsonObject &json, QTextFormat &format);

// Pictures in our files are PNG; on reading, anything with a side beyond
// MaxPictureSide is refused before it is decoded (a hostile file).
constexpr int MaxPictureSide = 8192;
QByteArray pngBytes(const QImage &image);
QImage readPicture(const QByteArray &bytes);

} // namespace lumetra
