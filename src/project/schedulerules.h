#pragma once

#include "model/records.h"

#include <QByteArray>
#include <QDate>
#include <QTime>

namespace lumetra {

inline constexpr int MinPlaySeconds = 5;
inline constexpr int MaxPlaySeconds = 1800;
inline constexpr int PlaySecondsStep = 5;
inline constexpr int MaxVolume = 10;

// The date both pickers fall back to when timed play is switched off.
QByteArray defaultScheduleDate();

// Date text "2009-05-05" and time text "17:30:00" to and from the pickers.
// Unreadable text gives an invalid date or time.
QByteArray dateText(const QDate &date);
QDate dateFromText(const QByteArray &text);
QByteArray timeText(const QTime &time);
QTime timeFromText(const QByteArray &text);

// The seconds box keeps to its limits.
int clampPlaySeconds(int seconds);

// "播放模式": item 0 plays in turn (0), item 1 for the seconds shown.
void applyPlayMode(ProgramRecord &program, int item, int seconds);

// "定时播放": switched off, both dates return to the default.
void applyTimedPlay(ProgramRecord &program, bool ticked);

// Item of a volume list for a stored volume; -1 (no selection) when outside 0..10.
int volumeItem(int volume);

} // namespace lumetra
