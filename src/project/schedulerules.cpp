#include "project/schedulerules.h"

#include <algorithm>

namespace lumetra {

QByteArray defaultScheduleDate()
{
    return QByteArrayLiteral("2009-05-05");
}

QByteArray dateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1();
}

QDate dateFromText(const QByteArray &text)
{
    const QString s = QString::fromLatin1(text).trimmed();
    // Files written elsewhere may drop the leading zeros or use "/".
    for (const QString &format : {QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d")}) {
        const QDate date = QDate::fromString(s, format);
        if (date.isValid())
            return date;
    }
    return {};
}

QByteArray timeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss")).toLatin1();
}

QTime timeFromText(const QByteArray &text)
{
    const QString s = QString::fromLatin1(text).trimmed();
    for (const QString &format : {QStringLiteral("H:m:s"), QStringLiteral("H:m")}) {
        const QTime time = QTime::fromString(s, format);
        if (time.isValid())
            return time;
    }
    return {};
}

int clampPlaySeconds(int seconds)
{
    return std::clamp(seconds, MinPlaySeconds, MaxPlaySeconds);
}

void applyPlayMode(ProgramRecord &program, int item, int seconds)
{
    program.PlayDuration = item == 1 ? clampPlaySeconds(seconds) : 0;
}

void applyTimedPlay(ProgramRecord &program, bool ticked)
{
    program.TimedPlay = ticked ? 1 : 0;
    if (!ticked) {
        program.StartDate = defaultScheduleDate();
        program.StopDate = defaultScheduleDate();
    }
}

int volumeItem(int volume)
{
    return volume >= 0 && volume <= MaxVolume ? volume : -1;
}

} // namespace lumetra
