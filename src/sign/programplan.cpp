#include "sign/programplan.h"

#include "link/frames.h"

#include <algorithm>

namespace lumetra::sign {

namespace {

inline int byteAt(const QByteArray &b, int i)
{
    return i >= 0 && i < b.size() ? uint8_t(b[i]) : 0;
}

// A per-slot value: four bytes from first, slot 1 first.
inline int slotByte(const QByteArray &b, int first, int slot)
{
    return byteAt(b, first + slot - 1);
}

QPoint clockPlace(const QByteArray &b, int first, int slot)
{
    const int x = slotByte(b, first, slot) << 8 | slotByte(b, first + 4, slot);
    return {x, slotByte(b, first + 8, slot)};
}

QDate dateAt(const QByteArray &b, int at)
{
    return QDate(2000 + byteAt(b, at), byteAt(b, at + 1), byteAt(b, at + 2));
}

int minutesAt(const QByteArray &b, int at)
{
    return std::min(byteAt(b, at), 23) * 60 + std::min(byteAt(b, at + 1), 59);
}

} // namespace

bool SchedulePlan::allows(const QDateTime &clock) const
{
    if (!timed)
        return true;
    const QDate d = clock.date();
    if ((start.isValid() && d < start) || (stop.isValid() && d > stop))
        return false;
    if (!weekdays[std::size_t(d.dayOfWeek() - 1)])
        return false;
    const int m = clock.time().hour() * 60 + clock.time().minute();
    for (std::size_t i = 0; i < 5; ++i) {
        const int a = bandStart[i], z = bandStop[i];
        // The stop minute still plays (the seconds were dropped: 23:59:59
        // arrives as 23:59); a band past midnight wraps.
        if (a <= z ? (m >= a && m <= z) : (m >= a || m <= z))
            return true;
    }
    return false;
}

ProgramPlan ProgramPlan::fromIndex(const QByteArray &b, int cardClass, int screenWidth, int screenHeight,
                                   int pictureRows)
{
    ProgramPlan plan;
    if (b.size() != ProgramIndexLength)
        return plan;
    plan.number = byteAt(b, 155) + 1;
    plan.durationSeconds = byteAt(b, 44) << 8 | byteAt(b, 61);

    SchedulePlan &s = plan.schedule;
    s.timed = byteAt(b, 62) != 0;
    s.start = dateAt(b, 63);
    s.stop = dateAt(b, 66);
    for (int i = 0; i < 7; ++i)
        s.weekdays[std::size_t(i)] = byteAt(b, 69 + i) != 0;
    for (int i = 0; i < 5; ++i) {
        s.bandStart[std::size_t(i)] = minutesAt(b, 76 + 2 * i);
        s.bandStop[std::size_t(i)] = minutesAt(b, 86 + 2 * i);
    }

    const QRect screen(0, 0, screenWidth, screenHeight);
    const int zoneCount = std::clamp(byteAt(b, 150), 0, 4);
    for (int slot = 1; slot <= zoneCount; ++slot) {
        ZonePlan z;
        z.slot = slot;
        z.kind = slotByte(b, 13, slot);
        const int height8 = slotByte(b, 29, slot);
        const QRect rect(slotByte(b, 17, slot) * 8, slotByte(b, 21, slot), slotByte(b, 25, slot) * 8, height8 * 8);
        z.rect = rect.intersected(screen);
        if (z.rect.isEmpty() || height8 == 0 || screenHeight == 0)
            continue;
        // Page p sits on screen p; only the screens that came in are shown.
        const int content8 = slotByte(b, 33, slot);
        const int screens = std::max(1, (content8 + height8 - 1) / height8);
        int received = 0;
        while (received < screens && (received * screenHeight + z.rect.bottom()) < pictureRows)
            ++received;
        z.pages = received;
        z.effect = std::clamp(slotByte(b, 45, slot), 1, 14);
        const int speed = slotByte(b, 49, slot) - (cardClass == 1 ? 0 : 1);
        z.speed = std::clamp(speed, 1, 40);
        z.stay = slotByte(b, 53, slot);
        z.clear = slotByte(b, 156, slot) != 0;
        ClockPlan &c = z.clock;
        c.fontIndex = slotByte(b, 106, slot);
        c.fontSizeIndex = slotByte(b, 110, slot);
        c.colour = slotByte(b, 118, slot);
        c.options = slotByte(b, 138, slot);
        c.yearFormat = slotByte(b, 142, slot);
        for (int e = 0; e < 7; ++e)
            c.places[std::size_t(e)] = clockPlace(b, 160 + 12 * e, slot);
        plan.zones.push_back(z);
    }
    return plan;
}

} // namespace lumetra::sign
