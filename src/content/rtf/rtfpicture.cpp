#include "content/rtf/rtfpicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace lumetra {

bool RtfPicture::controlWord(const QByteArray &word, bool hasParameter, int parameter)
{
    const int value = hasParameter ? parameter : 0;
    if (word == "pngblip") {
        m_kind = Kind::Png;
    } else if (word == "jpegblip") {
        m_kind = Kind::Jpeg;
    } else if (word == "emfblip" || word == "wmetafile" || word == "macpict" || word == "pmmetafile" ||
               word == "dibitmap" || word == "wbitmap") {
        m_kind = Kind::Metafile;
    } else if (word == "picw") {
        m_width = std::clamp(value, 0, 1 << 20);
    } else if (word == "pich") {
        m_height = std::clamp(value, 0, 1 << 20);
    } else if (word == "picwgoal") {
        m_goalWidth = std::clamp(value, 0, 1 << 20);
    } else if (word == "pichgoal") {
        m_goalHeight = std::clamp(value, 0, 1 << 20);
    } else if (word == "picscalex") {
        m_scaleX = std::clamp(value, 1, 10000);
    } else if (word == "picscaley") {
        m_scaleY = std::clamp(value, 1, 10000);
    } else {
        return false;
    }
    return true;
}

void RtfPicture::addHex(QByteArrayView text)
{
    m_data.reserve(m_data.size() + text.size() / 2);
    for (const char c : text) {
        int h;
        if (c >= '0' && c <= '9')
            h = c - '0';
        else if (c >= 'a' && c <= 'f')
            h = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            h = c - 'A' + 10;
        else
            continue; // spaces and stray characters between the digits
        if (m_nibble < 0) {
            m_nibble = h;
        } else {
            m_data.append(char(m_nibble * 16 + h));
            m_nibble = -1;
        }
    }
}

void RtfPicture::addBinary(QByteArrayView bytes)
{
    m_data.append(bytes);
}

QSize RtfPicture::displaySize(QSize pixels) const
{
    // The goal size is what the writer meant; without it the picture's own
    // pixels (a metafile's \picw is in hundredths of a millimetre).
    double w = m_goalWidth > 0 ? m_goalWidth / 15.0 : pixels.width();
    double h = m_goalHeight > 0 ? m_goalHeight / 15.0 : pixels.height();
    w = w * m_scaleX / 100.0;
    h = h * m_scaleY / 100.0;
    return QSize(std::clamp(int(std::lround(w)), 1, MaxSide), std::clamp(int(std::lround(h)), 1, MaxSide));
}

bool RtfPicture::finish(QImage &image, QSize &size) const
{
    if (m_kind == Kind::Png || m_kind == Kind::Jpeg) {
        QBuffer buffer;
        buffer.setData(m_data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, m_kind == Kind::Png ? "png" : "jpeg");
        const QSize pixels = reader.size();
        if (pixels.isValid() && pixels.width() <= MaxSide && pixels.height() <= MaxSide) {
            image = reader.read();
            if (!image.isNull()) {
                size = displaySize(image.size());
                return true;
            }
        }
    }
    // An empty frame of the picture's size.
    QSize pixels(m_width, m_height);
    if (m_kind == Kind::Metafile)
        pixels = QSize(int(m_width * 96.0 / 2540.0), int(m_height * 96.0 / 2540.0));
    size = displaySize(pixels);
    // The frame is drawn small for a huge picture and scaled up by the layout.
    const QSize frame = size.boundedTo(QSize(1024, 1024));
    image = QImage(frame, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, frame.width() - 1, frame.height() - 1);
    return m_kind != Kind::Png && m_kind != Kind::Jpeg;
}

} // namespace lumetra
