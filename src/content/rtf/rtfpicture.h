#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace lumetra {

// One \pict group: its kind, sizes and data, hexadecimal or \bin.
class RtfPicture
{
public:
    // Largest picture decoded or shown, in pixels on each side.
    static constexpr int MaxSide = 4096;

    bool controlWord(const QByteArray &word, bool hasParameter, int parameter);
    void addHex(QByteArrayView text);
    void addBinary(QByteArrayView bytes);

    // The picture and its size in the document (pixels). PNG and JPEG are
    // decoded; a metafile or other kind becomes an empty frame of its size.
    // False when PNG or JPEG data does not decode (the frame stands in).
    bool finish(QImage &image, QSize &size) const;

private:
    enum class Kind { Unknown, Png, Jpeg, Metafile };
    Kind m_kind = Kind::Unknown;
    int m_width = 0, m_height = 0;         // \picw, \pich
    int m_goalWidth = 0, m_goalHeight = 0; // twips
    int m_scaleX = 100, m_scaleY = 100;    // percent
    QByteArray m_data;
    int m_nibble = -1; // a pending high half of a hex byte

    QSize displaySize(QSize pixels) const;
};

} // namespace lumetra
