#include "content/textlayout.h"

#include "model/gbk.h"

#include <algorithm>

namespace lumetra {

namespace {

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

unsigned char byteAt(QByteArrayView text, qint64 i)
{
    return static_cast<unsigned char>(text[i]);
}

// A window with an odd count of one-byte characters ends a byte early so
// that it does not split a two-byte character, when the text goes on beyond
// it. A one-byte window never does: it would hold nothing, and every later
// window would start at the same byte.
bool endsEarly(QByteArrayView text, qint64 start, int b, bool textGoesOn)
{
    return b > 1 && textGoesOn && TextLayout::singleByteCount(text, start, b) % 2 == 1;
}

} // namespace

int TextLayout::manzu(int singleLine, int playMode, int stayTime)
{
    const bool sideways = playMode == 1 || playMode == 2 || playMode == 6 || playMode == 7;
    return singleLine > 0 && sideways && stayTime == 0 ? ContinuousMode : 0;
}

bool TextLayout::isBlank(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

int TextLayout::bytesPerLine(int width, int cell)
{
    const int b = cell > 0 ? 2 * (width / cell) : 0;
    return std::max(1, b);
}

int TextLayout::singleByteCount(QByteArrayView text, qint64 start, int count)
{
    const qint64 end = std::min<qint64>(text.size(), start + count);
    int singles = 0;
    for (qint64 i = std::max<qint64>(0, start); i < end; ++i) {
        const unsigned char c = byteAt(text, i);
        if (c >= 0x80)
            continue;
        if (c == 0x4F && i > 0 && byteAt(text, i - 1) == 0xA9)
            continue;
        ++singles;
    }
    return singles;
}

qint64 TextLayout::lineCount(QByteArrayView text, int b)
{
    if (isBlank(text))
        return 1;
    if (b == 1)
        return lines(text, b).size();
    const qint64 length = text.size();
    const qint64 provisional = ceilDiv(length, b);
    qint64 shift = 0;
    for (qint64 i = 0; i < provisional; ++i) {
        const qint64 start = i * b - shift;
        if (endsEarly(text, start, b, length >= (i + 1) * b + 1 - shift))
            ++shift;
    }
    return ceilDiv(length + shift, b);
}

// A line that ends at the end of the text is never shortened, so its last
// byte is drawn; the walk goes on until every byte has its line.
QList<TextLayout::Line> TextLayout::lines(QByteArrayView text, int b)
{
    QList<Line> result;
    if (isBlank(text))
        return result;
    const qint64 length = text.size();
    if (b == 1) {
        // Narrower than a cell: one character per line, never half of one.
        for (qint64 i = 0; i < length;) {
            const qint64 n = gbkCharLength(text, i);
            result.append({i, n});
            i += n;
        }
        return result;
    }
    qint64 shift = 0;
    for (qint64 i = 0; i * b - shift < length; ++i) {
        const qint64 start = i * b - shift;
        qint64 count = b;
        if (endsEarly(text, start, b, length >= (i + 1) * b + 1 - shift)) {
            count = b - 1;
            ++shift;
        }
        result.append({start, std::min(count, length - start)});
    }
    return result;
}

qint64 TextLayout::pagedHeight(qint64 lines, int singleLine, int cell, int height)
{
    qint64 h = lines * (singleLine == 1 ? height : cell);
    if (height > 0)
        h = ceilDiv(h, height) * height;
    return std::max<qint64>(h, height);
}

qint64 TextLayout::lineTop(qint64 line, int singleLine, int cell, int height)
{
    if (singleLine == 1)
        return line * height + (height - cell) / 2;
    if (cell == 32)
        return line * cell - 1;
    return line * cell;
}

TextLayout::Couplet TextLayout::couplet(qint64 chars, int width, int cell, int height, int singleLine)
{
    Couplet c;
    // Narrower than a cell: one character per row rather than none.
    c.perRow = std::max(1, cell > 0 ? width / cell : 1);
    const qint64 groups = ceilDiv(chars, c.perRow);
    if (singleLine > 0) {
        c.rows = groups;
        c.height = groups * height;
    } else {
        c.height = ceilDiv(groups * cell, height) * height;
        c.rows = c.height / std::max(1, cell);
    }
    if (c.height < height) {
        c.height = height;
        c.rows = 1;
    }
    if (c.height > CoupletRowLimit) {
        c.height = CoupletRowLimit;
        c.rows = CoupletRowLimit / height;
    }
    return c;
}

qint64 TextLayout::coupletBottom(qint64 row, int singleLine, int cell, int height)
{
    if (singleLine > 0)
        return height * (row + 1) - (height - cell) / 2;
    return (row + 1) * cell;
}

TextLayout::Strip TextLayout::strip(qint64 rawWidth, int width, int height)
{
    Strip s;
    s.width = ceilDiv(rawWidth, width) * width;
    s.stackHeight = (s.width + 1) / width * height;
    return s;
}

} // namespace lumetra
