#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QRect>

#include <array>
#include <vector>

namespace lumetra::sign {

// Where and how a clock zone draws the card's clock into its blank places.
struct ClockPlan
{
    int fontIndex = 0;
    int fontSizeIndex = 1;
    int colour = 1;
    int options = 0;
    int yearFormat = 0;
    // year, month, day, hour, minute, second, weekday: top-left in the zone
    std::array<QPoint, 7> places{};
};

struct ZonePlan
{
    int slot = 1;
    int kind = 0; // 0 text, 1 clock, 2 picture
    QRect rect;   // on the sign, cut to it
    int pages = 0;
    int effect = 1; // 1 … 14
    int speed = 1;  // 1 fastest … 40 slowest
    int stay = 0;   // seconds, 255 fixed
    bool clear = true;
    ClockPlan clock;
};

// The schedule of a timed program.
struct SchedulePlan
{
    bool timed = false;
    QDate start, stop;              // invalid: no limit on that side
    std::array<bool, 7> weekdays{}; // Monday first
    std::array<int, 5> bandStart{}; // minutes of the day
    std::array<int, 5> bandStop{};

    bool allows(const QDateTime &clock) const;
};

// One received program as the card plays it, read from its index frame.
struct ProgramPlan
{
    int number = 0;          // 1-based
    int durationSeconds = 0; // 0: in sequence
    std::vector<ZonePlan> zones;
    SchedulePlan schedule;

    // cardClass: the index carries the speed plus 1 except for class A.
    // Empty zones when the index is not a whole index frame.
    static ProgramPlan fromIndex(const QByteArray &index, int cardClass, int screenWidth, int screenHeight,
                                 int pictureRows);
};

} // namespace lumetra::sign
