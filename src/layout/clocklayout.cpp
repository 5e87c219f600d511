#include "layout/clocklayout.h"

#include "model/gbk.h"

#include <algorithm>

namespace lumetra {

namespace {

struct Units
{
    QByteArray year, month, day, hour, minute, second, week;
};

const Units &units()
{
    static const Units u = [] {
        Units v;
        v.year = toGbk(u"年");
        v.month = toGbk(u"月");
        v.day = toGbk(u"日");
        v.hour = toGbk(u"点");
        v.minute = toGbk(u"分");
        v.second = toGbk(u"秒");
        v.week = toGbk(u"星期");
        return v;
    }();
    return u;
}

QByteArray blanks(qsizetype n)
{
    return QByteArray(n, ' ');
}

// Delphi-style Trim: drops bytes up to the blank at both ends.
bool blankOnly(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// 1-based byte position of the first occurrence, 0 when absent.
int positionIn(const QByteArray &line, const QByteArray &sample)
{
    return int(line.indexOf(sample)) + 1;
}

struct Samples
{
    QByteArray year, month = "05", day = "07", hour = "08", minute = "06", second = "01";
};

Samples samplesFor(const ZoneRecord &zone)
{
    Samples s;
    s.year = zone.YearFormat == 0 ? QByteArray("2009") : QByteArray("09");
    return s;
}

} // namespace

bool clockShows(int32_t options, ClockElement element)
{
    return options % (2 * int32_t(element)) >= int32_t(element);
}

int clockCellSize(int32_t fontSizeIndex)
{
    switch (fontSizeIndex) {
    case 0:
        return 12;
    case 1:
        return 16;
    default:
        return 32;
    }
}

int clockFacePointSize(int32_t fontSizeIndex)
{
    switch (fontSizeIndex) {
    case 0:
        return 9;
    case 1:
        return 12;
    case 2:
        return 24;
    default:
        return 12;
    }
}

QByteArray clockFaceName(int32_t fontIndex)
{
    return fontIndex == 0 ? toGbk(u"宋体") : toGbk(u"黑体");
}

ClockStrings buildClockStrings(const ZoneRecord &zone, const QByteArray &weekdaySample)
{
    const int32_t o = zone.ClockOptions;
    const bool year = clockShows(o, ClockYear), month = clockShows(o, ClockMonth), day = clockShows(o, ClockDay);
    const bool week = clockShows(o, ClockWeek), hour = clockShows(o, ClockHour);
    const bool minute = clockShows(o, ClockMinute), second = clockShows(o, ClockSecond);
    const bool oneLine = zone.MultiLine == 0;
    const Samples s = samplesFor(zone);
    const Units &u = units();
    ClockStrings c;

    auto add = [](QByteArray &text, QByteArray &blank, const QByteArray &sample, const QByteArray &tail = {}) {
        text += sample + tail;
        blank += blanks(sample.size()) + tail;
    };
    auto sep = [&](QByteArray &text, QByteArray &blank, const char *mark, bool when) {
        if (when) {
            text += mark;
            blank += mark;
        }
    };

    switch (zone.ClockStyle) {
    case 2:
        if (year)
            add(c.D, c.Dt, s.year, u.year);
        if (month)
            add(c.D, c.Dt, s.month, u.month);
        if (day)
            add(c.D, c.Dt, s.day, u.day);
        if (hour)
            add(c.T, c.Tt, s.hour, u.hour);
        if (minute)
            add(c.T, c.Tt, s.minute, u.minute);
        if (second)
            add(c.T, c.Tt, s.second, u.second);
        break;
    case 1:
        if (month) {
            add(c.D, c.Dt, s.month);
            sep(c.D, c.Dt, "/", day || year);
        }
        if (day) {
            add(c.D, c.Dt, s.day);
            sep(c.D, c.Dt, "/", year);
        }
        if (year)
            add(c.D, c.Dt, s.year);
        break;
    default:
        if (year) {
            add(c.D, c.Dt, s.year);
            sep(c.D, c.Dt, "-", month || day);
        }
        if (month) {
            add(c.D, c.Dt, s.month);
            sep(c.D, c.Dt, "-", day);
        }
        if (day)
            add(c.D, c.Dt, s.day);
        break;
    }

    if (zone.ClockStyle != 2) {
        if (hour) {
            // On one line a blank keeps the time apart from what stands before
            // it; style 1 always has it.
            const bool leadingBlank = oneLine && (zone.ClockStyle == 1 || year || month || day || week);
            if (leadingBlank)
                add(c.T, c.Tt, " " + s.hour);
            else
                add(c.T, c.Tt, s.hour);
            sep(c.T, c.Tt, ":", minute || second);
        }
        if (minute) {
            add(c.T, c.Tt, s.minute);
            sep(c.T, c.Tt, ":", second);
        }
        if (second)
            add(c.T, c.Tt, s.second);
    }

    if (week) {
        c.K = weekdaySample;
        c.Kt = u.week + blanks(weekdaySample.size() - u.week.size());
    }
    return c;
}

ClockLayout layoutClock(ZoneRecord &zone, const QByteArray &weekdaySample, int oneLineDrawOffset)
{
    const ClockStrings c = buildClockStrings(zone, weekdaySample);
    const int32_t o = zone.ClockOptions;
    const int N = clockCellSize(zone.FontSizeIndex);
    const int h = N / 2;
    const Samples s = samplesFor(zone);
    const QByteArray &weekWord = units().week;

    ClockLayout layout;
    layout.cell = N;
    layout.facePointSize = clockFacePointSize(zone.FontSizeIndex);

    const bool anyDate = clockShows(o, ClockYear) || clockShows(o, ClockMonth) || clockShows(o, ClockDay);
    const bool anyTime = clockShows(o, ClockHour) || clockShows(o, ClockMinute) || clockShows(o, ClockSecond);

    // Places each shown element of a group by the first occurrence of its
    // sample in the drawn text.
    auto placeDate = [&](const QByteArray &line, int x0, int y) {
        if (clockShows(o, ClockYear)) {
            zone.YearX = x0 + (positionIn(line, s.year) - 1) * h;
            zone.YearY = y;
        }
        if (clockShows(o, ClockMonth)) {
            zone.MonthX = x0 + (positionIn(line, s.month) - 1) * h;
            zone.MonthY = y;
        }
        if (clockShows(o, ClockDay)) {
            zone.DayX = x0 + (positionIn(line, s.day) - 1) * h;
            zone.DayY = y;
        }
    };
    auto placeTime = [&](const QByteArray &line, int x0, int y) {
        zone.TimeRowY = y;
        if (clockShows(o, ClockHour)) {
            zone.HourX = x0 + (positionIn(line, s.hour) - 1) * h;
            zone.HourY = y;
        }
        if (clockShows(o, ClockMinute)) {
            zone.MinuteX = x0 + (positionIn(line, s.minute) - 1) * h;
            zone.MinuteY = y;
        }
        if (clockShows(o, ClockSecond)) {
            zone.SecondX = x0 + (positionIn(line, s.second) - 1) * h;
            zone.SecondY = y;
        }
    };

    if (zone.MultiLine == 0) {
        const QByteArray L = zone.ClockText + c.D + c.K + c.T;
        const QByteArray Lt = zone.ClockText + c.Dt + c.Kt + c.Tt;
        layout.lines.push_back({zone.InfoX, zone.InfoY + oneLineDrawOffset, L, Lt});
        placeDate(L, zone.InfoX, zone.InfoY);
        if (clockShows(o, ClockWeek)) {
            zone.WeekRowY = zone.InfoY;
            zone.WeekX = zone.InfoX + (positionIn(L, weekWord) - 1) * h + 4 * h;
            zone.WeekY = zone.InfoY;
        }
        if (anyTime)
            placeTime(L, zone.InfoX, zone.InfoY);
        layout.textWidth = int(L.size()) * N / 2;
        layout.blockHeight = N;
        return layout;
    }

    int t = zone.InfoY + zone.InfoSpacing;
    const bool fixedText = !blankOnly(zone.ClockText);
    int M = fixedText ? int(zone.ClockText.size()) * h : 0;
    M = std::max({M, int(c.D.size()) * h, int(c.T.size()) * h, int(c.K.size()) * h});
    const int oD = (M - int(c.D.size()) * h) / 2;
    const int oT = (M - int(c.T.size()) * h) / 2;
    const int oK = (M - int(c.K.size()) * h) / 2;
    const int oF = (M - int(zone.ClockText.size()) * h) / 2;

    int firstTop = -1, lastTop = -1;
    auto drawn = [&](int top) {
        if (firstTop < 0)
            firstTop = top;
        lastTop = top;
    };

    if (fixedText) {
        layout.lines.push_back({zone.InfoX + oF, t, zone.ClockText, zone.ClockText});
        drawn(t);
        t = zone.InfoY + N + zone.InfoSpacing;
    }
    if (anyDate) {
        layout.lines.push_back({zone.InfoX + oD, t, c.D, c.Dt});
        drawn(t);
        placeDate(c.D, zone.InfoX + oD, t);
        t = t + N + zone.InfoSpacing;
    }
    if (clockShows(o, ClockWeek)) {
        layout.lines.push_back({zone.InfoX + oK, t, c.K, c.Kt});
        drawn(t);
        zone.WeekRowY = t;
        zone.WeekX = zone.InfoX + oK + 4 * h;
        zone.WeekY = t;
        t = t + N + zone.InfoSpacing;
    }
    if (anyTime) {
        layout.lines.push_back({zone.InfoX + oT, t, c.T, c.Tt});
        drawn(t);
        placeTime(c.T, zone.InfoX + oT, t);
    }
    layout.textWidth = M;
    layout.blockHeight = firstTop < 0 ? 0 : lastTop - firstTop + N;
    return layout;
}

} // namespace lumetra
