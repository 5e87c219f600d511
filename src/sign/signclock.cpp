#include "sign/signclock.h"

#include "layout/clocklayout.h"
#include "model/gbk.h"

namespace lumetra::sign {

namespace {

QByteArray twoDigits(int n)
{
    return QByteArray::number(n % 100).rightJustified(2, '0');
}

// The character after "星期", Sunday first.
QByteArray dayName(int dayOfWeek)
{
    static const char16_t *const names[7] = {u"日", u"一", u"二", u"三", u"四", u"五", u"六"};
    return toGbk(names[dayOfWeek % 7]);
}

} // namespace

QRgb SignClock::ledColour(int colour)
{
    switch (colour) {
    case 2:
        return qRgb(0, 255, 0);
    case 3:
        return qRgb(255, 255, 0);
    default:
        return qRgb(255, 0, 0);
    }
}

GlyphCells &SignClock::cellsFor(int fontIndex, int fontSizeIndex)
{
    // Only two faces: any other font code draws 黑体, as the editor does.
    const int face = fontIndex == 0 ? 0 : 1;
    auto &slot = m_cells[{face, fontSizeIndex}];
    if (!slot)
        slot = std::make_unique<GlyphCells>(fromGbk(clockFaceName(face)), clockFacePointSize(fontSizeIndex),
                                            clockCellSize(fontSizeIndex));
    return *slot;
}

void SignClock::draw(QImage &page, const ClockPlan &clock, const QDateTime &time)
{
    GlyphCells &cells = cellsFor(clock.fontIndex, clock.fontSizeIndex);
    const QRgb ink = ledColour(clock.colour);
    const QDate d = time.date();
    const QTime t = time.time();
    const auto put = [&](ClockElement element, int place, const QByteArray &text) {
        if (!clockShows(clock.options, element))
            return;
        const QPoint at = clock.places[std::size_t(place)];
        // The place keeps the colour the picture left there.
        const QRgb paper = page.rect().contains(at) ? page.pixel(at) : qRgb(0, 0, 0);
        cells.drawUpright(page, text, at.x(), at.y(), ink, paper);
    };
    put(ClockYear, 0,
        clock.yearFormat == 0 ? QByteArray::number(d.year()).rightJustified(4, '0') : twoDigits(d.year()));
    put(ClockMonth, 1, twoDigits(d.month()));
    put(ClockDay, 2, twoDigits(d.day()));
    put(ClockHour, 3, twoDigits(t.hour()));
    put(ClockMinute, 4, twoDigits(t.minute()));
    put(ClockSecond, 5, twoDigits(t.second()));
    put(ClockWeek, 6, dayName(d.dayOfWeek()));
}

} // namespace lumetra::sign
