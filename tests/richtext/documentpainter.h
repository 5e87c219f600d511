#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

// Paints a document as the zone renderers do: laid out at the width,
// document margin 0, no anti-aliasing, black behind.
inline QImage paintDocument(QTextDocument &document, int width)
{
    document.setTextWidth(width);
    const int height = qMax(1, qCeil(document.size().height()));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    document.drawContents(&painter);
    return image;
}

inline void prepareDocument(QTextDocument &document)
{
    document.setDocumentMargin(0);
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPointSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    document.setDefaultFont(font);
}

// Number of pixels that are not black.
inline int litPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += (line[x] & 0xffffff) != 0;
    }
    return count;
}
