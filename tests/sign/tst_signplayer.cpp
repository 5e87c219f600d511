#include "signfixture.h"

#include "content/glyphcells.h"
#include "content/textfaces.h"
#include "layout/clockrenderer.h"
#include "link/addressselectors.h"
#include "link/frames.h"
#include "link/programstream.h"
#include "model/gbk.h"
#include "sign/effects.h"
#include "sign/signplayer.h"
#include "sign/usbreader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;
using namespace lumetra::sign;
using namespace lumetra::sign::test;

namespace {

const QDateTime Noon(QDate(2026, 3, 4), QTime(12, 0, 0)); // a Wednesday

// LEDs of the zone that differ from what is expected; -1 pixels are dark.
int mismatches(const QImage &frame, const std::function<int(int, int)> &expected)
{
    int bad = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            bad += ledAt(frame, x, y) != expected(x, y) ? 1 : 0;
    return bad;
}

int litCount(const QImage &frame)
{
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            n += ledAt(frame, x, y) != 0 ? 1 : 0;
    return n;
}

} // namespace

class TestSignPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TextFaces::installSubstitutions(); }
    void moveFromRightEntersColumnByColumn_data();
    void moveFromRightEntersColumnByColumn();
    void effectsEndOnThePage_data();
    void effectsEndOnThePage();
    void laterPagesPushTheOneBefore_data();
    void laterPagesPushTheOneBefore();
    void pageTurnAfterStay_data();
    void pageTurnAfterStay();
    void clockShowsTheCardsTime();
    void powerOffIsDark_data();
    void powerOffIsDark();
    void scheduleSkipsPrograms_data();
    void scheduleSkipsPrograms();
    void pauseFreezes();
    void brightnessByDayAndNight();
    void borderMoves();
    void savedContentPlaysTheSame();
    void damagedContentNeverCrashes();
    void usbFileFeedsThePlayer();
    void tallSignHeight();
};

void TestSignPlayer::moveFromRightEntersColumnByColumn_data()
{
    QTest::addColumn<int>("step");
    for (int k : {0, 1, 2, 17, 63, 64})
        QTest::addRow("step %d", k) << k;
}

void TestSignPlayer::moveFromRightEntersColumnByColumn()
{
    QFETCH(int, step);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, MoveLeft, 1, 4);
    const auto card = f.card();
    SignPlayer player(card->content(), Noon);
    // Speed 1: one step each 10 ms.
    const QImage frame = player.frame(step * SignPlayer::stepMs(1));
    const int w = 64;
    QCOMPARE(
        mismatches(frame,
                   [&](int x, int y) { return x < w - step ? 0 : ledOf(SignFixture::pattern(x - (w - step), y, 0)); }),
        0);
}

void TestSignPlayer::effectsEndOnThePage_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("steps");
    QTest::newRow("立即显示向左移动 at once") << int(ShowMoveLeft) << 0;
    QTest::newRow("翻页") << int(PageTurn) << 0;
    QTest::newRow("从左向右移动") << int(MoveRight) << 64;
    QTest::newRow("从下向上移动") << int(MoveUp) << 16;
    QTest::newRow("从上向下移动") << int(MoveDown) << 16;
    QTest::newRow("从上到下卷入") << int(RollDown) << 16;
    QTest::newRow("从下到上卷入") << int(RollUp) << 16;
    QTest::newRow("左卷帘") << int(BlindLeft) << 64;
    QTest::newRow("右卷帘") << int(BlindRight) << 64;
}

void TestSignPlayer::effectsEndOnThePage()
{
    QFETCH(int, effect);
    QFETCH(int, steps);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, effect, 2, 4);
    const auto card = f.card();
    SignPlayer player(card->content(), Noon);
    const auto page = [](int x, int y) { return ledOf(SignFixture::pattern(x, y, 0)); };
    if (steps > 0) {
        // Half way, part of the page and part of the dark zone.
        const QImage half = player.frame(steps / 2 * SignPlayer::stepMs(2));
        QVERIFY(mismatches(half, page) > 0);
        QVERIFY(litCount(half) > 0);
        const QImage last = player.frame((steps - 1) * SignPlayer::stepMs(2));
        QVERIFY(mismatches(last, page) > 0);
    }
    QCOMPARE(mismatches(player.frame(steps * SignPlayer::stepMs(2)), page), 0);
}

void TestSignPlayer::laterPagesPushTheOneBefore_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<int>("before"); // page pushed out, -1 dark
    QTest::addColumn<int>("after");
    // Two pages, speed 1 (10 ms a step), stay 1 s; ten steps into an entry.
    // The first pass of 立即显示…: 1000 ms, then 640 + 1000; a move's page 1640 ms.
    QTest::newRow("立即显示向左移动: page 2 moves in") << int(ShowMoveLeft) << true << qint64(1100) << 0 << 1;
    QTest::newRow("立即显示向左移动: page 1 again moves in")
        << int(ShowMoveLeft) << true << qint64(1000 + 1640 + 100) << 1 << 0;
    QTest::newRow("从右向左移动, cleared: onto the dark zone") << int(MoveLeft) << true << qint64(100) << -1 << 0;
    QTest::newRow("从右向左移动, not cleared: over the last page") << int(MoveLeft) << false << qint64(100) << 1 << 0;
    QTest::newRow("从右向左移动: page 2 pushes page 1") << int(MoveLeft) << true << qint64(1640 + 100) << 0 << 1;
}

void TestSignPlayer::laterPagesPushTheOneBefore()
{
    QFETCH(int, effect);
    QFETCH(bool, clear);
    QFETCH(qint64, ms);
    QFETCH(int, before);
    QFETCH(int, after);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 2, effect, 1, 1).ClearBeforePlay = clear ? 1 : 0;
    // Played for a minute: in sequence the program would start again after
    // one pass, its first page at once again.
    f.display.Programs[1].PlayDuration = 60;
    const auto card = f.card();
    SignPlayer player(card->content(), Noon);
    const int k = 10;
    QCOMPARE(mismatches(player.frame(ms),
                        [&](int x, int y) {
                            if (x >= 64 - k)
                                return ledOf(SignFixture::pattern(x - (64 - k), y, after));
                            return before < 0 ? 0 : ledOf(SignFixture::pattern(x + k, y, before));
                        }),
             0);
}

void TestSignPlayer::pageTurnAfterStay_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<int>("page");
    QTest::newRow("start") << qint64(0) << 0;
    QTest::newRow("just before the stay ends") << qint64(2999) << 0;
    QTest::newRow("stay over") << qint64(3000) << 1;
    QTest::newRow("third page") << qint64(6500) << 2;
    QTest::newRow("round again") << qint64(9000) << 0;
}

void TestSignPlayer::pageTurnAfterStay()
{
    QFETCH(qint64, ms);
    QFETCH(int, page);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 3, PageTurn, 5, 3);
    const auto card = f.card();
    SignPlayer player(card->content(), Noon);
    QCOMPARE(mismatches(player.frame(ms), [page](int x, int y) { return ledOf(SignFixture::pattern(x, y, page)); }), 0);
}

void TestSignPlayer::clockShowsTheCardsTime()
{
    SignFixture f(128, 64, 1);
    ZoneRecord &z = f.zone(1, 1);
    z.InUse = 1;
    z.ZoneType = ClockZone;
    z.Width = 128;
    z.Height = 64;
    z.PlayMode = PageTurn;
    z.StayTime = 255;
    z.ClockOptions = 254;
    z.MultiLine = 1;
    z.FontIndex = 0;
    z.FontSizeIndex = 1;
    z.ForeColor = ColorYellow;
    z.InfoX = 4;
    z.InfoY = 2;
    ClockRenderer renderer;
    ClockLayout layout;
    const QImage bitmap = renderer.draw(z, toGbk(u"星期六"), ClockMode::Template, layout);
    z.ContentHeight = 64;
    f.setPicture(1, bitmap);
    // The card's clock comes from the time frame; --at gives it here.
    const auto card = f.card();
    const QDateTime at(QDate(2026, 3, 4), QTime(13, 45, 27)); // Wednesday
    SignPlayer player(card->content(), at);
    const QImage frame = player.frame(0);

    GlyphCells cells(TextFaces::songTi(), 12, 16);
    const auto check = [&](const char *what, int x, int y, const QByteArray &text) {
        const int width = text.size() * 8;
        QImage expected(width, 16, QImage::Format_RGB32);
        expected.fill(Qt::black);
        cells.drawUpright(expected, text, 0, 0, qRgb(255, 255, 0));
        int lit = 0, bad = 0;
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < width; ++c) {
                // The template leaves the place blank.
                QCOMPARE(ledOf(bitmap.pixel(x + c, y + r)), 0);
                const int want = ledOf(expected.pixel(c, r));
                lit += want != 0;
                bad += ledAt(frame, x + c, y + r) != want;
            }
        QVERIFY2(lit > 0 && bad == 0, what);
    };
    check("year", z.YearX, z.YearY, "2026");
    check("month", z.MonthX, z.MonthY, "03");
    check("day", z.DayX, z.DayY, "04");
    check("hour", z.HourX, z.HourY, "13");
    check("minute", z.MinuteX, z.MinuteY, "45");
    check("second", z.SecondX, z.SecondY, "27");
    check("weekday", z.WeekX, z.WeekY, toGbk(u"三"));
    // A second later the seconds move on.
    const QImage later = player.frame(1000);
    QVERIFY(later.copy(z.SecondX, z.SecondY, 16, 16) != frame.copy(z.SecondX, z.SecondY, 16, 16));
    QCOMPARE(later.copy(z.HourX, z.HourY, 16, 16), frame.copy(z.HourX, z.HourY, 16, 16));
}

void TestSignPlayer::powerOffIsDark_data()
{
    QTest::addColumn<QByteArray>("frames");
    QTest::addColumn<QTime>("clock");
    QTest::addColumn<bool>("dark");
    const AddressSelectors sel;
    const QByteArray model = toGbk(u"B类卡");
    const QDateTime now = QDateTime(Noon.date(), QTime(12, 0));
    QTest::newRow("switched off") << powerFrame(sel, model, false) << QTime(12, 0) << true;
    QTest::newRow("off, then on") << powerFrame(sel, model, false) + powerFrame(sel, model, true) << QTime(12, 0)
                                  << false;
    const QByteArray timer = timerFrame(sel, model, now, PowerTimes{8, 0, 18, 0});
    QTest::newRow("inside the power times") << timer << QTime(12, 0) << false;
    QTest::newRow("after the power-off time") << timer << QTime(18, 30) << true;
    QTest::newRow("before the power-on time") << timer << QTime(7, 59) << true;
}

void TestSignPlayer::powerOffIsDark()
{
    QFETCH(QByteArray, frames);
    QFETCH(QTime, clock);
    QFETCH(bool, dark);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, PageTurn, 1, 4);
    const auto card = f.card(frames);
    SignPlayer player(card->content(), QDateTime(Noon.date(), clock));
    for (qint64 ms : {0, 500, 1500}) {
        const QImage frame = player.frame(ms);
        QCOMPARE(litCount(frame) == 0, dark);
        if (dark)
            QCOMPARE(frame.pixel(5, 5) & 0xFFFFFFu, 0u);
    }
}

void TestSignPlayer::scheduleSkipsPrograms_data()
{
    QTest::addColumn<QDateTime>("clock");
    QTest::addColumn<int>("weekday"); // 1 Monday … 7 Sunday, switched off
    QTest::addColumn<QByteArray>("stop");
    QTest::addColumn<int>("program");
    const QDate wednesday(2026, 3, 4);
    QTest::newRow("inside the band") << QDateTime(wednesday, QTime(8, 30)) << 0 << QByteArray("2030-01-01") << 1;
    QTest::newRow("last minute of the band")
        << QDateTime(wednesday, QTime(9, 0, 40)) << 0 << QByteArray("2030-01-01") << 1;
    QTest::newRow("outside the band") << QDateTime(wednesday, QTime(10, 0)) << 0 << QByteArray("2030-01-01") << 2;
    QTest::newRow("weekday off") << QDateTime(wednesday, QTime(8, 30)) << 3 << QByteArray("2030-01-01") << 2;
    QTest::newRow("after the stop date") << QDateTime(wednesday, QTime(8, 30)) << 0 << QByteArray("2026-03-03") << 2;
}

void TestSignPlayer::scheduleSkipsPrograms()
{
    QFETCH(QDateTime, clock);
    QFETCH(int, weekday);
    QFETCH(QByteArray, stop);
    QFETCH(int, program);
    SignFixture f(64, 16, 2);
    f.fullZone(1, 1, PageTurn, 1, 2);
    f.setPicture(1, SignFixture::patternPicture(64, 16, 3).copy(0, 32, 64, 16));
    f.fullZone(2, 2, PageTurn, 1, 2);
    ProgramRecord &timed = f.display.Programs[1];
    timed.TimedPlay = 1;
    timed.StartDate = "2026-01-01";
    timed.StopDate = stop;
    if (weekday > 0)
        timed.Weekdays[std::size_t(weekday - 1)] = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        timed.StartTimes[i] = "08:00:00";
        timed.StopTimes[i] = "09:00:00";
    }
    const auto card = f.card();
    SignPlayer player(card->content(), clock);
    const QImage frame = player.frame(0);
    QCOMPARE(player.currentProgram(), program);
    // Program 1 shows the pattern's third page, program 2 its first.
    const int page = program == 1 ? 2 : 0;
    QCOMPARE(mismatches(frame, [&](int x, int y) { return ledOf(SignFixture::pattern(x, y, page)); }), 0);
    // The untimed program ends after its two pages; the timed one after its stay.
    const qint64 length = program == 1 ? 2000 : 4000;
    player.frame(length - 1);
    QCOMPARE(player.currentProgram(), program);
}

void TestSignPlayer::pauseFreezes()
{
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, MoveLeft, 1, 0);
    const auto card = f.card(pauseFrame(AddressSelectors(), toGbk(u"B类卡"), true));
    SignPlayer player(card->content(), Noon);
    const QImage first = player.frame(0);
    QCOMPARE(player.frame(320), first);
    QCOMPARE(player.frame(5000), first);

    // Resumed, the play goes on from where it stood.
    CardContent resumed = card->content();
    resumed.pause = 0;
    player.updateControls(resumed, 5000);
    const QImage moved = player.frame(5000 + 20 * SignPlayer::stepMs(1));
    QCOMPARE(mismatches(moved, [](int x, int y) { return x < 44 ? 0 : ledOf(SignFixture::pattern(x - 44, y, 0)); }), 0);
}

void TestSignPlayer::brightnessByDayAndNight()
{
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, PageTurn, 1, 4);
    const auto card =
        f.card(brightnessFrame(AddressSelectors(), toGbk(u"B类卡"), BrightnessValues{7, 0, 20, 0, 200, 20}));
    // A red LED of the pattern.
    QPoint red(-1, -1);
    for (int x = 0; x < 64 && red.x() < 0; ++x)
        if (SignFixture::pattern(x, 0, 0) == qRgb(255, 0, 0))
            red = QPoint(x, 0);
    QVERIFY(red.x() >= 0);
    SignPlayer day(card->content(), QDateTime(Noon.date(), QTime(12, 0)));
    QCOMPARE(day.frame(0).pixel(red), qRgb(255, 0, 0));
    SignPlayer night(card->content(), QDateTime(Noon.date(), QTime(22, 0)));
    const int v = qRed(night.frame(0).pixel(red));
    QVERIFY(v > 0 && v < 160);
    QCOMPARE(night.frame(0).pixel(red), qRgb(v, 0, 0));
}

void TestSignPlayer::borderMoves()
{
    SignFixture f(64, 16, 1);
    ZoneRecord &z = f.fullZone(1, 1, PageTurn, 1, 4);
    f.setPicture(1, [&] {
        QImage dark(64, 16, QImage::Format_RGB32);
        dark.fill(Qt::black);
        return dark;
    }());
    z.ContentHeight = 16;
    const auto card = f.card(borderFrame(AddressSelectors(), toGbk(u"B类卡"), true));
    SignPlayer player(card->content(), Noon);
    const QImage a = player.frame(0);
    const QImage b = player.frame(SignPlayer::BorderStepMs);
    // Only the edge lights, in segments of four: twenty lit segments round
    // the 156 LEDs of the edge.
    QCOMPARE(litCount(a), 80);
    QCOMPARE(ledAt(a, 0, 0), 3);
    QCOMPARE(ledAt(a, 4, 0), 0);
    QCOMPARE(ledAt(a, 5, 5), 0);
    // One step on, the segments have moved one LED along the edge.
    QCOMPARE(ledAt(b, 1, 0), ledAt(a, 0, 0));
    QCOMPARE(ledAt(b, 4, 0), ledAt(a, 3, 0));
    QVERIFY(a != b);
}

void TestSignPlayer::savedContentPlaysTheSame()
{
    QTemporaryDir dir;
    SignFixture f(64, 16, 2);
    f.fullZone(1, 2, MoveUp, 3, 1);
    f.fullZone(2, 1, BlindRight, 2, 1);
    const auto card = f.card(timerFrame(AddressSelectors(), toGbk(u"B类卡"), Noon, PowerTimes{7, 0, 7, 0}), dir.path());
    CardContent loaded;
    QString error;
    QVERIFY2(CardContent::load(dir.path(), loaded, error), qPrintable(error));
    QCOMPARE(loaded.parameters, card->content().parameters);
    QCOMPARE(loaded.timer, card->content().timer);
    QCOMPARE(loaded.programCount, 2);
    SignPlayer a(card->content(), Noon), b(loaded, Noon);
    QCOMPARE(a.playableCount(), 2);
    QList<int> shown;
    for (qint64 ms = 0; ms < 8000; ms += 370) {
        QCOMPARE(b.frame(ms), a.frame(ms));
        QCOMPARE(b.currentProgram(), a.currentProgram());
        if (shown.isEmpty() || shown.last() != a.currentProgram())
            shown.append(a.currentProgram());
    }
    // 2960 ms of program 1 (two pages of 480 ms entry and 1 s stay), 2280 of program 2.
    QCOMPARE(shown, QList<int>({1, 2, 1}));
}

void TestSignPlayer::damagedContentNeverCrashes()
{
    QRandomGenerator random(12);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 2, MoveLeft, 1, 0);
    const CardContent good = f.card()->content();
    for (int round = 0; round < 200; ++round) {
        CardContent c = good;
        CardContent::Program &p = c.programs[0];
        // Any byte of the index, the parameters and the controls.
        for (int i = 0; i < 12; ++i)
            p.index[int(random.bounded(p.index.size()))] = char(random.bounded(256));
        c.parameters[int(random.bounded(c.parameters.size()))] = char(random.bounded(256));
        c.timer = QByteArray(int(random.bounded(12)), char(random.bounded(256)));
        c.brightness = QByteArray(int(random.bounded(7)), char(random.bounded(256)));
        if (round % 3 == 0)
            p.blocks.resize(random.bounded(3));
        SignPlayer player(c, Noon);
        for (qint64 ms = 0; ms < 3000; ms += 733)
            QVERIFY(!player.frame(ms).isNull());
    }
    // A folder without a saved card.
    QTemporaryDir empty;
    CardContent loaded;
    QString error;
    QVERIFY(!CardContent::load(empty.path(), loaded, error));
    QVERIFY(!error.isEmpty());
}

void TestSignPlayer::usbFileFeedsThePlayer()
{
    SignFixture f(64, 16, 1);
    f.fullZone(1, 2, PageTurn, 1, 2);
    // The stick's file: header, settings, then the program as hex with the
    // disk's clock in the index, and the transfer-load record.
    const AddressSelectors sel;
    QByteArray file = QByteArray("01013131");
    file += screenSetFrame(screenParameterBlock(f.display, f.display, ParameterBlockVariant::Serial)).toHex();
    const auto sent = f.card();
    QByteArray index = sent->program(1).index;
    index.replace(244, 7, QByteArray::fromHex("1a030304100000")); // 2026-03-03, Tuesday, 16:00:00
    file += index.toHex();
    for (int i = 0; i < sent->program(1).blocks.size(); ++i)
        file += programDataFrame(sel, 1, ProgramStream::blockNumber(i), sent->program(1).blocks.at(i)).toHex();
    QByteArray load = QByteArray(265, '\xFC') + QByteArray(265, '\x97');
    load[8] = 1;
    load[9] = char(ProgramStream::finalBlockValue(sent->program(1).blocks.size() + 1));
    file += load;

    const UsbReader::Result r = UsbReader::parse(file);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    SignCard card(SignCard::ClassB, 1, QString());
    for (const SignFrame &frame : r.frames)
        card.handle(frame, SignCard::Source::UsbFile);
    const CardContent &c = card.content();
    // The card's clock is the disk's from the moment it was read.
    QCOMPARE(c.clockAt(c.timerSetAt), QDateTime(QDate(2026, 3, 3), QTime(16, 0)));
    SignPlayer player(c, c.clockAt(c.timerSetAt));
    QCOMPARE(player.playableCount(), 1);
    QCOMPARE(mismatches(player.frame(2500), [](int x, int y) { return ledOf(SignFixture::pattern(x, y, 1)); }), 0);
}

void TestSignPlayer::tallSignHeight()
{
    // 256 rows do not fit the height byte: they arrive as 0.
    SignFixture f(64, 256, 1);
    f.fullZone(1, 1, PageTurn, 1, 2);
    const auto card = f.card();
    QCOMPARE(card->content().screenHeight(), 256);
    SignPlayer player(card->content(), Noon);
    const QImage frame = player.frame(0);
    QCOMPARE(frame.size(), QSize(64, 256));
    QCOMPARE(mismatches(frame, [](int x, int y) { return ledOf(SignFixture::pattern(x, y, 0)); }), 0);
}

QTEST_MAIN(TestSignPlayer)
#include "tst_signplayer.moc"
