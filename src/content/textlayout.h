#pragma once

#include <QByteArrayView>
#include <QList>

#include <cstdint>

namespace lumetra {

// The layout arithmetic of a text zone, apart from any drawing. W and H are
// the zone's width and height, N the character cell; text is GBK bytes.
class TextLayout
{
public:
    static constexpr int ContinuousMode = 88;
    static constexpr int CoupletRowLimit = 6144;

    // 88 when the zone plays as one continuous line: single-line on, a
    // sideways play mode (1, 2, 6, 7) and no stay between pages.
    static int manzu(int singleLine, int playMode, int stayTime);

    // True when nothing but blanks and control bytes remain after trimming.
    static bool isBlank(QByteArrayView text);

    // Bytes per line, 2 × (W div N), at least 1.
    static int bytesPerLine(int width, int cell);

    // One-byte characters of the window of count bytes starting at byte
    // index start (from 0) that lie within the text. Bytes of 0x80 and above
    // do not count, nor an "O" right after 0xA9 (the tail of "㎡") unless it
    // is the first byte of the text.
    static int singleByteCount(QByteArrayView text, qint64 start, int count);

    // The line count: ⌈(L + shift) / B⌉, where every window with an odd
    // count that the text goes on beyond ends a byte early. With B = 1 one
    // character per line.
    static qint64 lineCount(QByteArrayView text, int bytesPerLine);

    struct Line
    {
        qint64 start = 0;
        qint64 length = 0;
        friend bool operator==(const Line &, const Line &) = default;
    };
    // The lines as they are drawn, until the text is used up.
    static QList<Line> lines(QByteArrayView text, int bytesPerLine);

    // Page stack height of the upright paged layout.
    static qint64 pagedHeight(qint64 lines, int singleLine, int cell, int height);

    // Top row of upright line i.
    static qint64 lineTop(qint64 line, int singleLine, int cell, int height);

    struct Couplet
    {
        int perRow = 1;  // characters per row
        qint64 rows = 0; // rows of characters drawn
        qint64 height = 0;
        friend bool operator==(const Couplet &, const Couplet &) = default;
    };
    // The couplet layout of chars characters; height must be at least 1.
    static Couplet couplet(qint64 chars, int width, int cell, int height, int singleLine);

    // Bottom row (exclusive) of couplet row r.
    static qint64 coupletBottom(qint64 row, int singleLine, int cell, int height);

    struct Strip
    {
        qint64 width = 0;       // S, a multiple of W
        qint64 stackHeight = 0; // (S + 1) div W × H
        friend bool operator==(const Strip &, const Strip &) = default;
    };
    // The continuous strip of a line raw pixels long; width at least 1.
    static Strip strip(qint64 rawWidth, int width, int height);
};

} // namespace lumetra
