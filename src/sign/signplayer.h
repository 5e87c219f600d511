#pragma once

#include "sign/cardcontent.h"
#include "sign/programplan.h"
#include "sign/signclock.h"

#include <QDateTime>
#include <QImage>

#include <vector>

namespace lumetra::sign {

// Plays what a card holds: given the play time in milliseconds since the
// start (never going back), composes the frame the sign shows, one pixel
// per LED, each LED in its colour at the brightness in force.
class SignPlayer
{
public:
    // clockAtStart: the card's clock at play time 0.
    SignPlayer(const CardContent &content, const QDateTime &clockAtStart);

    // Brightness, power, pause, border and the clock of a newer content,
    // without starting the programs again.
    void updateControls(const CardContent &content, qint64 ms);

    const QImage &frame(qint64 ms);

    // The program on the sign after the last frame (1-based), 0 when none.
    int currentProgram() const;
    int playableCount() const { return int(m_programs.size()); }
    QDateTime clockAt(qint64 ms) const { return m_clock0.addMSecs(ms); }

    static qint64 stepMs(int speed) { return 10 * qint64(speed); }
    static constexpr int FixedStay = 255;
    // What a fixed zone counts for when a program plays in sequence.
    static constexpr qint64 FixedHoldMs = 10000;
    static constexpr qint64 BorderStepMs = 50;

private:
    struct Zone
    {
        ZonePlan plan;
        std::vector<QImage> pages;
        std::vector<QImage> clockPages; // pages with the clock drawn in
        QImage dark;                    // the zone cleared
        qint64 clockSecond = -1;        // the clock second they show
        qint64 firstPass = 0;           // length of the first pass through the pages
        qint64 pass = 0;                // of the later passes
    };
    struct Program
    {
        ProgramPlan plan;
        std::vector<Zone> zones;
        qint64 length = 0;
    };
    struct Place
    {
        int page = 0;
        int before = -1; // page it enters over, -1 dark
        int effect = 1;
        int step = 0;
        int steps = 0;
    };

    void setControls(const CardContent &content);
    qint64 pageLength(const Zone &zone, int page, bool first) const;
    int effectOf(const Zone &zone, int page) const;
    Place locate(const Zone &zone, qint64 t) const;
    void advance(qint64 t);
    void compose(qint64 t, qint64 ms);
    const QImage &pageImage(Zone &zone, int page, qint64 ms);
    bool powered(const QDateTime &clock) const;
    int level(const QDateTime &clock) const;
    void finish(const QDateTime &clock, qint64 t);
    void drawBorder(qint64 t, QRgb lit);

    std::vector<Program> m_programs;
    QDateTime m_clock0;
    int m_width = 0;
    int m_height = 0;
    bool m_dual = false;
    SignClock m_clock;

    // control settings
    bool m_powerOn = true;
    std::array<int, 4> m_powerTimes{}; // on h, on m, off h, off m
    std::array<int, 6> m_brightness{}; // day h, m, night h, m, day level, night level
    bool m_border = false;
    bool m_paused = false;
    qint64 m_pausedAt = 0;
    qint64 m_pausedTotal = 0;
    bool m_frozen = false;

    // where the play stands
    int m_current = -1;
    qint64 m_start = 0;
    int m_next = 0;

    QImage m_leds;  // the programs' LEDs, full colour codes
    QImage m_frame; // what the sign shows
    QImage m_dark;
};

} // namespace lumetra::sign
