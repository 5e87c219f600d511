#include "sign/signplayer.h"

#include "sign/effects.h"

#include <algorithm>
#include <cmath>

namespace lumetra::sign {

namespace {

inline int byteAt(const QByteArray &b, int i)
{
    return i >= 0 && i < b.size() ? uint8_t(b[i]) : 0;
}

int minuteOfDay(const QDateTime &clock)
{
    return clock.time().hour() * 60 + clock.time().minute();
}

// From a (inclusive) to z (exclusive), past midnight when z comes first;
// an empty span (a == z) means the whole day.
bool inSpan(int m, int a, int z)
{
    if (a == z)
        return true;
    return a < z ? (m >= a && m < z) : (m >= a || m < z);
}

constexpr QRgb Dark = 0xFF000000u;

} // namespace

SignPlayer::SignPlayer(const CardContent &content, const QDateTime &clockAtStart)
    : m_clock0(clockAtStart), m_width(content.screenWidth()), m_height(content.screenHeight()),
      m_dual(content.dualColour())
{
    setControls(content);
    m_paused = content.pause == 1;
    const int count = content.programCount > 0 ? content.programCount : 16;
    for (int k = 1; k <= count && m_width > 0 && m_height > 0; ++k) {
        const CardContent::Program &received = content.programs[std::size_t(k - 1)];
        if (!received.loaded)
            continue;
        const QImage picture = content.programPicture(k);
        Program p;
        p.plan = ProgramPlan::fromIndex(received.index, content.cardClass, m_width, m_height, picture.height());
        p.plan.number = k;
        for (const ZonePlan &zp : p.plan.zones) {
            Zone z;
            z.plan = zp;
            for (int page = 0; page < zp.pages; ++page)
                z.pages.push_back(picture.copy(zp.rect.translated(0, page * m_height)));
            z.clockPages = z.pages;
            z.dark = QImage(zp.rect.size(), QImage::Format_RGB32);
            z.dark.fill(Dark);
            if (zp.pages > 0) {
                const bool fixed = zp.stay == FixedStay;
                z.firstPass = pageLength(z, 0, true);
                z.pass = pageLength(z, 0, false);
                for (int page = 1; page < zp.pages && !fixed; ++page) {
                    z.firstPass += pageLength(z, page, false);
                    z.pass += pageLength(z, page, false);
                }
                const qint64 shown = fixed ? z.firstPass - FixedStay * 1000 + FixedHoldMs : z.firstPass;
                p.length = std::max(p.length, shown);
            }
            p.zones.push_back(std::move(z));
        }
        if (p.length == 0)
            continue; // nothing came in that the sign could show
        if (p.plan.durationSeconds > 0)
            p.length = qint64(p.plan.durationSeconds) * 1000;
        m_programs.push_back(std::move(p));
    }
    m_leds = QImage(std::max(m_width, 1), std::max(m_height, 1), QImage::Format_RGB32);
    m_frame = m_leds;
    m_dark = QImage(m_leds.size(), QImage::Format_RGB32);
    m_dark.fill(Dark);
}

void SignPlayer::setControls(const CardContent &c)
{
    m_powerOn = c.power != 0;
    const QByteArray &p = c.parameters;
    if (c.timer.size() >= 11)
        m_powerTimes = {byteAt(c.timer, 7), byteAt(c.timer, 8), byteAt(c.timer, 9), byteAt(c.timer, 10)};
    else
        m_powerTimes = {byteAt(p, 17), byteAt(p, 18), byteAt(p, 19), byteAt(p, 20)};
    if (c.brightness.size() >= 6) {
        for (int i = 0; i < 6; ++i)
            m_brightness[std::size_t(i)] = byteAt(c.brightness, i);
    } else {
        m_brightness = {byteAt(p, 24), byteAt(p, 25), byteAt(p, 26), byteAt(p, 27), byteAt(p, 21), byteAt(p, 22)};
    }
    m_border = c.border == 1;
}

void SignPlayer::updateControls(const CardContent &content, qint64 ms)
{
    setControls(content);
    m_clock0 = content.clockAt(QDateTime::currentDateTime()).addMSecs(-ms);
    const bool pause = content.pause == 1;
    if (pause && !m_paused) {
        m_paused = true;
        m_pausedAt = ms;
        m_frozen = false;
    } else if (!pause && m_paused) {
        m_paused = false;
        m_pausedTotal += ms - m_pausedAt;
    }
}

int SignPlayer::effectOf(const Zone &zone, int page) const
{
    return zone.plan.effect == RandomEffect ? Effects::randomPick(0, zone.plan.slot, page) : zone.plan.effect;
}

qint64 SignPlayer::pageLength(const Zone &zone, int page, bool first) const
{
    const qint64 step = stepMs(zone.plan.speed);
    const int n = Effects::steps(effectOf(zone, page), zone.plan.rect.width(), zone.plan.rect.height(), first);
    // Even a page shown at once with no stay lasts one step.
    return std::max(step, n * step + qint64(zone.plan.stay) * 1000);
}

SignPlayer::Place SignPlayer::locate(const Zone &zone, qint64 t) const
{
    const int n = int(zone.pages.size());
    Place place;
    bool first = true;
    if (zone.plan.stay != FixedStay && t >= zone.firstPass) {
        t = (t - zone.firstPass) % zone.pass;
        first = false;
    }
    // Pages in order from the start of the pass.
    for (int page = 0; page < n; ++page) {
        const bool firstOfPlay = first && page == 0;
        const qint64 length = pageLength(zone, page, firstOfPlay);
        if (t < length || page == n - 1 || zone.plan.stay == FixedStay) {
            place.page = page;
            place.effect = effectOf(zone, page);
            place.steps = Effects::steps(place.effect, zone.plan.rect.width(), zone.plan.rect.height(), firstOfPlay);
            place.step = int(std::min<qint64>(place.steps, t / stepMs(zone.plan.speed)));
            if (!firstOfPlay)
                place.before = (page + n - 1) % n;
            else
                place.before = zone.plan.clear ? -1 : n - 1; // as if the pages had been going round
            return place;
        }
        t -= length;
    }
    return place;
}

const QImage &SignPlayer::pageImage(Zone &zone, int page, qint64 ms)
{
    if (zone.plan.kind != 1)
        return zone.pages[std::size_t(page)];
    const QDateTime clock = clockAt(ms);
    const qint64 second = clock.toSecsSinceEpoch();
    if (second != zone.clockSecond) {
        for (std::size_t i = 0; i < zone.pages.size(); ++i) {
            zone.clockPages[i] = zone.pages[i].copy();
            m_clock.draw(zone.clockPages[i], zone.plan.clock, clock);
        }
        zone.clockSecond = second;
    }
    return zone.clockPages[std::size_t(page)];
}

void SignPlayer::advance(qint64 t)
{
    const int count = int(m_programs.size());
    if (count == 0)
        return;
    for (int guard = 0; guard < 100000; ++guard) {
        qint64 at = m_start;
        int next = m_next;
        if (m_current >= 0) {
            const qint64 end = m_start + m_programs[std::size_t(m_current)].length;
            if (t < end)
                return;
            at = end;
            next = (m_current + 1) % count;
        } else if (t < m_start) {
            return;
        }
        // The next program in order whose schedule lets it play then.
        const QDateTime clock = clockAt(at + m_pausedTotal);
        m_current = -1;
        for (int j = 0; j < count; ++j) {
            const int c = (next + j) % count;
            if (m_programs[std::size_t(c)].plan.schedule.allows(clock)) {
                m_current = c;
                break;
            }
        }
        m_start = m_current >= 0 ? at : at + 1000; // none may play: look again a second later
        m_next = next;
    }
    // Far ahead in one go: start over from here.
    m_current = -1;
    m_start = t;
}

int SignPlayer::currentProgram() const
{
    return m_current >= 0 ? m_programs[std::size_t(m_current)].plan.number : 0;
}

void SignPlayer::compose(qint64 t, qint64 ms)
{
    advance(t);
    m_leds.fill(Dark);
    if (m_current < 0)
        return;
    Program &p = m_programs[std::size_t(m_current)];
    const qint64 local = t - m_start;
    for (Zone &z : p.zones) {
        if (z.pages.empty())
            continue;
        const Place place = locate(z, local);
        const QImage &page = pageImage(z, place.page, ms);
        const QImage &before = place.before < 0 ? z.dark : pageImage(z, place.before, ms);
        Effects::draw(m_leds, z.plan.rect.topLeft(), before, page, place.effect, place.step, place.steps);
    }
}

bool SignPlayer::powered(const QDateTime &clock) const
{
    const int on = m_powerTimes[0] * 60 + m_powerTimes[1];
    const int off = m_powerTimes[2] * 60 + m_powerTimes[3];
    return m_powerOn && inSpan(minuteOfDay(clock), on, off);
}

int SignPlayer::level(const QDateTime &clock) const
{
    const int day = m_brightness[0] * 60 + m_brightness[1];
    const int night = m_brightness[2] * 60 + m_brightness[3];
    const int value = inSpan(minuteOfDay(clock), day, night) ? m_brightness[4] : m_brightness[5];
    return std::clamp(value, 1, 200);
}

void SignPlayer::drawBorder(qint64 t, QRgb lit)
{
    const int w = m_frame.width(), h = m_frame.height();
    if (w < 2 || h < 2)
        return;
    const int shift = int((t / BorderStepMs) % 8);
    // Clockwise round the edge from the top-left LED: four lit, four dark.
    const auto put = [&](int x, int y, int n) {
        reinterpret_cast<QRgb *>(m_frame.scanLine(y))[x] = ((n + 8 - shift) / 4) % 2 == 0 ? lit : Dark;
    };
    int n = 0;
    for (int x = 0; x < w; ++x)
        put(x, 0, n++);
    for (int y = 1; y < h; ++y)
        put(w - 1, y, n++);
    for (int x = w - 2; x >= 0; --x)
        put(x, h - 1, n++);
    for (int y = h - 2; y > 0; --y)
        put(0, y, n++);
}

void SignPlayer::finish(const QDateTime &clock, qint64 t)
{
    // Perceived brightness: the level's share of 200 with a display gamma.
    const int v = int(std::lround(255.0 * std::pow(level(clock) / 200.0, 1 / 2.2)));
    const QRgb red = qRgb(v, 0, 0), green = qRgb(0, v, 0), yellow = qRgb(v, v, 0);
    const QRgb lut[4] = {Dark, red, m_dual ? green : red, m_dual ? yellow : red};
    for (int y = 0; y < m_leds.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(m_leds.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(m_frame.scanLine(y));
        for (int x = 0; x < m_leds.width(); ++x)
            out[x] = lut[((in[x] >> 23) & 1) | ((in[x] >> 14) & 2)];
    }
    if (m_border)
        drawBorder(t, m_dual ? yellow : red);
}

const QImage &SignPlayer::frame(qint64 ms)
{
    const QDateTime clock = clockAt(ms);
    if (!powered(clock))
        return m_dark;
    if (m_paused) {
        // Frozen on what the sign showed when the pause came.
        if (!m_frozen) {
            const qint64 t = m_pausedAt - m_pausedTotal;
            compose(t, m_pausedAt);
            finish(clockAt(m_pausedAt), t);
            m_frozen = true;
        }
        return m_frame;
    }
    const qint64 t = ms - m_pausedTotal;
    compose(t, ms);
    finish(clock, t);
    return m_frame;
}

} // namespace lumetra::sign
