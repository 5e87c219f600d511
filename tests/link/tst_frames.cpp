#include "link/frames.h"
#include "model/gbk.h"

#include <QTest>

using namespace lumetra;

namespace {

int at(const QByteArray &frame, int pos)
{
    return static_cast<uint8_t>(frame.at(pos));
}

DisplayRecord sampleDisplay(const char16_t *cardModel = u"B类卡")
{
    DisplayRecord d;
    d.CardModel = toGbk(cardModel);
    d.ProgramCount = 2;
    d.ScreenWidth = 192;
    d.ScreenHeight = 32;
    for (ProgramRecord &p : d.Programs) {
        p.StartDate = "2009-05-05";
        p.StopDate = "2009-05-05";
        p.StartTimes = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
        p.StopTimes = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
        p.Weekdays.fill(1);
    }
    return d;
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void lengthsAndEnvelopes_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("closing");

        const AddressSelectors sel;
        const QByteArray b = toGbk(u"B类卡");
        const DisplayRecord d = sampleDisplay();
        QTest::newRow("index") << programIndexFrame(d, 0, sel) << 252 << 0xFE << QByteArray("\xFE\x01", 2);
        QTest::newRow("data") << programDataFrame(sel, 1, 2, QByteArray(512, 'x')) << 530 << 0xFD
                              << QByteArray("\xFD\x01", 2);
        QTest::newRow("brightness") << brightnessFrame(sel, b, {}) << 22 << 0xFF << QByteArray("\xFF\xFF", 2);
        QTest::newRow("border") << borderFrame(sel, b, true) << 22 << 0xFF << QByteArray("\xFF\xFE", 2);
        QTest::newRow("timer") << timerFrame(sel, b, QDateTime::currentDateTime(), {}) << 27 << 0xFF
                               << QByteArray("\xFF\xFF", 2);
        QTest::newRow("power") << powerFrame(sel, b, true) << 17 << 0xFF << QByteArray("\xFF\xFF", 2);
        QTest::newRow("pause") << pauseFrame(sel, b, true) << 18 << 0xFF << QByteArray("\xFF\xFF", 2);
        QTest::newRow("screen set") << screenSetFrame(screenParameterBlock(d, d, ParameterBlockVariant::Serial)) << 47
                                    << 0xFF << QByteArray("\xFF\xFF", 2);
    }
    void lengthsAndEnvelopes()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, length);
        QFETCH(int, kind);
        QFETCH(QByteArray, closing);
        QCOMPARE(frame.size(), length);
        QCOMPARE(frame.left(6), QByteArray("SNDDAT"));
        QCOMPARE(at(frame, 6), kind);
        QCOMPARE(frame.mid(length - 8, 6), QByteArray("SNDDEN"));
        QCOMPARE(frame.right(2), closing);
    }

    void screenSetCarriesTheBlock()
    {
        DisplayRecord d = sampleDisplay();
        d.CardAddress = 129; // "所有卡"
        const QByteArray block = screenParameterBlock(d, d, ParameterBlockVariant::Serial);
        const QByteArray frame = screenSetFrame(block);
        QCOMPARE(at(frame, 7), 0xFF);
        QCOMPARE(frame.mid(8, 31), block);
        QCOMPARE(at(frame, 8), 0xFF);
        QCOMPARE(at(frame, 8 + 5), 24); // 192 wide
    }

    void parameterBlock()
    {
        DisplayRecord d;
        d.CardAddress = 3;
        d.BaudRate = 19200;
        d.RefreshRate = 60;
        d.ScreenWidth = 192;
        d.ScreenHeight = 48;
        d.ColorType = 1;
        d.GrayLevel = 2;
        d.UnitBoardType = 1;
        d.DataLogic = 1;
        d.OeLogic = 0;
        d.PowerOnHour = 99; // the record's own bytes; the serial frame takes the working copy
        DisplaySettings working;
        working.PowerOnHour = 6;
        working.PowerOnMinute = 30;
        working.PowerOffHour = 23;
        working.PowerOffMinute = 15;
        working.DayBrightness = 200;
        working.NightBrightness = 5;
        working.DayBrightnessHour = 7;
        working.DayBrightnessMinute = 1;
        working.NightBrightnessHour = 20;
        working.NightBrightnessMinute = 2;
        const QByteArray serial = screenParameterBlock(d, working, ParameterBlockVariant::Serial);
        QCOMPARE(serial.toHex(' '), QByteArray::fromHex("03 01 10 3c ff 18 30 02 ff 01 02 ff ff 02 01 00 04"
                                                        "06 1e 17 0f c8 05 ff 07 01 14 02 ff ff ff")
                                        .toHex(' '));
        const QByteArray usb = screenParameterBlock(d, d, ParameterBlockVariant::Usb);
        QCOMPARE(at(usb, 17), 99);
        QCOMPARE(usb.right(3), QByteArray("\x30\xFF\xFF", 3));
    }

    void scanCode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::newRow("indoor") << 0 << 16;
        QTest::newRow("P16") << 1 << 4;
        QTest::newRow("P10") << 2 << 4;
        QTest::newRow("P10 b") << 3 << 4;
        QTest::newRow("4") << 4 << 8;
        QTest::newRow("other") << 7 << 16;
        QTest::newRow("negative") << -1 << 16;
    }
    void scanCode()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QCOMPARE(int(lumetra::scanCode(type)), code);
    }

    void indexFrameZoneGeometry()
    {
        DisplayRecord d = sampleDisplay();
        ZoneRecord &z = d.Programs[1].Zones[1];
        z.InUse = 1;
        z.ZoneType = PictureZone;
        z.X = 64;
        z.Y = 300;
        z.Width = 128;
        z.Height = 32;
        z.ContentHeight = 96;
        z.PlayMode = 14;
        z.StayTime = 255;
        d.Programs[1].Zones[2].X = 7;
        const QByteArray f = programIndexFrame(d, 0, {});
        QCOMPARE(at(f, 9), 1);
        QCOMPARE(at(f, 13), 2);
        QCOMPARE(at(f, 17), 8);
        QCOMPARE(at(f, 18), 0); // 7 ÷ 8
        QCOMPARE(at(f, 21), 300 & 0xFF);
        QCOMPARE(at(f, 25), 16);
        QCOMPARE(at(f, 29), 4);
        QCOMPARE(at(f, 33), 12);
        QCOMPARE(at(f, 45), 14);
        QCOMPARE(at(f, 53), 255);
        QCOMPARE(f.mid(37, 7), QByteArray(7, '\0'));
        QCOMPARE(f.mid(57, 4), QByteArray(4, '\0'));
        QCOMPARE(f.mid(114, 4), QByteArray(4, '\0'));
        QCOMPARE(at(f, 153), 0);
    }

    void indexFrameSpeedByCardClass_data()
    {
        QTest::addColumn<QString>("cardModel");
        QTest::addColumn<int>("expected");
        QTest::newRow("A") << QStringLiteral("A类卡") << 3;
        QTest::newRow("B") << QStringLiteral("B类卡") << 4;
        QTest::newRow("C") << QStringLiteral("C类卡") << 4;
    }
    void indexFrameSpeedByCardClass()
    {
        QFETCH(QString, cardModel);
        QFETCH(int, expected);
        DisplayRecord d = sampleDisplay();
        d.CardModel = toGbk(cardModel);
        d.Programs[1].Zones[1].Speed = 3;
        QCOMPARE(at(programIndexFrame(d, 0, {}), 49), expected);
    }

    void indexFramePlayDuration()
    {
        DisplayRecord d = sampleDisplay();
        d.Programs[1].PlayDuration = 600;
        d.Programs[1].TimedPlay = 1;
        const QByteArray f = programIndexFrame(d, 0, {});
        QCOMPARE(at(f, 44), 0x02);
        QCOMPARE(at(f, 61), 0x58);
        QCOMPARE(at(f, 62), 1);
    }

    void indexFrameClockPositions()
    {
        DisplayRecord d = sampleDisplay();
        ZoneRecord &z = d.Programs[1].Zones[1];
        z.HourX = 300;
        z.HourY = 9;
        z.YearX = 0x1234;
        d.Programs[1].Zones[3].SecondX = 17;
        d.Programs[1].Zones[3].WeekY = 21;
        const QByteArray f = programIndexFrame(d, 0, {});
        QCOMPARE(at(f, 196), 0x01);
        QCOMPARE(at(f, 200), 0x2C);
        QCOMPARE(at(f, 204), 9);
        QCOMPARE(at(f, 160), 0x12);
        QCOMPARE(at(f, 164), 0x34);
        QCOMPARE(at(f, 220 + 2), 0);
        QCOMPARE(at(f, 220 + 4 + 2), 17);
        QCOMPARE(at(f, 232 + 8 + 2), 21);
    }

    void indexFrameLastClockSlot_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << QList<int>{0, 2, 0, 0} << 0;
        QTest::newRow("slots 1 and 3") << QList<int>{1, 0, 1, 0} << 3;
        QTest::newRow("slot 1") << QList<int>{1, 2, 2, 0} << 1;
        QTest::newRow("slot 4") << QList<int>{0, 0, 0, 1} << 4;
    }
    void indexFrameLastClockSlot()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(int, expected);
        DisplayRecord d = sampleDisplay();
        for (int s = 1; s <= 4; ++s)
            d.Programs[2].Zones[s].ZoneType = kinds.at(s - 1);
        const QByteArray f = programIndexFrame(d, 1, {});
        QCOMPARE(at(f, 154), expected);
        QCOMPARE(at(f, 155), 1);
        QCOMPARE(at(f, 152), 2);
    }

    void indexFrameSchedule()
    {
        DisplayRecord d = sampleDisplay();
        ProgramRecord &p = d.Programs[1];
        p.StartDate = "2009-05-07";
        p.StopDate = "2110-12-31";
        p.Weekdays = {1, 0, 1, 0, 1, 0, 1};
        p.StartTimes[3] = "17:30:00";
        p.StopTimes[4] = "23:59:59";
        p.Volumes = {0, 1, 2, 3, 10};
        p.VoiceGender = 1;
        p.ZoneCount = 3;
        p.Template = 4;
        p.Zones[2].ClockText = toGbk(u"今天是");
        p.Zones[1].ClearBeforePlay = 0;
        p.Zones[4].FontSizeIndex = 5;
        const QByteArray f = programIndexFrame(d, 0, {});
        QCOMPARE(f.mid(63, 6), QByteArray::fromHex("090507 0a0c1f"));
        QCOMPARE(f.mid(69, 7), QByteArray::fromHex("01000100010001"));
        QCOMPARE(at(f, 76 + 6), 17);
        QCOMPARE(at(f, 77 + 6), 30);
        QCOMPARE(at(f, 86 + 8), 23);
        QCOMPARE(at(f, 87 + 8), 59);
        QCOMPARE(f.mid(96, 5), QByteArray::fromHex("000102030a"));
        QCOMPARE(at(f, 101), 1);
        QCOMPARE(at(f, 103), 6); // three GBK characters
        QCOMPARE(at(f, 113), 5);
        QCOMPARE(at(f, 8), 4);
        QCOMPARE(at(f, 150), 3);
        QCOMPARE(at(f, 151), 3);
        QCOMPARE(f.mid(156, 4), QByteArray::fromHex("00010101"));
        QCOMPARE(f.mid(244, 6), QByteArray("SNDDEN"));
    }

    void badDatesGiveZero_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("ok") << QByteArray("2009-05-07") << 2009 << 5 << 7;
        QTest::newRow("empty") << QByteArray() << 0 << 0 << 0;
        QTest::newRow("garbage") << QByteArray("x-y") << 0 << 0 << 0;
        QTest::newRow("short") << QByteArray("2012") << 2012 << 0 << 0;
    }
    void badDatesGiveZero()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const DateParts p = parseDate(text);
        QCOMPARE(p.year, year);
        QCOMPARE(p.month, month);
        QCOMPARE(p.day, day);
    }

    void addressRules_data()
    {
        QTest::addColumn<QString>("cardModel");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("ruleA");
        QTest::addColumn<int>("ruleB");
        QTest::newRow("A class on 1") << QStringLiteral("A类卡") << 0 << 0xFF << 1;
        QTest::newRow("B class on 1") << QStringLiteral("B类卡") << 0 << 1 << 1;
        QTest::newRow("B class on 5") << QStringLiteral("B类卡") << 4 << 5 << 5;
        QTest::newRow("broadcast") << QStringLiteral("C类卡") << 128 << 0xFF << 0xFF;
    }
    void addressRules()
    {
        QFETCH(QString, cardModel);
        QFETCH(int, target);
        QFETCH(int, ruleA);
        QFETCH(int, ruleB);
        DisplayRecord d = sampleDisplay();
        d.CardModel = toGbk(cardModel);
        AddressSelectors sel;
        sel.TargetIndex = target;
        QCOMPARE(at(brightnessFrame(sel, d.CardModel, {}), 7), ruleA);
        QCOMPARE(at(powerFrame(sel, d.CardModel, true), 7), ruleA);
        QCOMPARE(at(pauseFrame(sel, d.CardModel, true), 7), ruleA);
        QCOMPARE(at(borderFrame(sel, d.CardModel, true), 7), ruleA);
        QCOMPARE(at(timerFrame(sel, d.CardModel, QDateTime::currentDateTime(), {}), 7), ruleA);
        QCOMPARE(at(programIndexFrame(d, 0, sel), 7), ruleB);
        QCOMPARE(at(programDataFrame(sel, 1, 2, {}), 7), ruleB);
        QCOMPARE(at(transferLoadFrame(sel, 1, 3), 7), ruleB);
    }

    void baudRateByCardClass()
    {
        QCOMPARE(baudRateForCardClass(toGbk(u"A类卡")), 4800);
        QCOMPARE(baudRateForCardClass(toGbk(u"B类卡")), 19200);
        QCOMPARE(baudRateForCardClass(toGbk(u"C类卡")), 19200);
    }

    void ruleC_data()
    {
        QTest::addColumn<int>("cardAddress");
        QTest::addColumn<int>("expected");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("128") << 128 << 128;
        QTest::newRow("129 all cards") << 129 << 0xFF;
    }
    void ruleC()
    {
        QFETCH(int, cardAddress);
        QFETCH(int, expected);
        QCOMPARE(int(addressRuleC(cardAddress)), expected);
    }

    void dataFrame()
    {
        QByteArray data(100, '\x5A');
        const QByteArray f = programDataFrame({}, 3, 258, data);
        QCOMPARE(at(f, 8), 3);
        QCOMPARE(at(f, 9), 2); // low 8 bits of 258
        QCOMPARE(f.mid(10, 100), data);
        QCOMPARE(f.mid(110, 412), QByteArray(412, '\0'));
        QCOMPARE(f.mid(522, 6), QByteArray("SNDDEN"));
    }

    void transferLoad() { QCOMPARE(transferLoadFrame({}, 2, 8), QByteArray::fromHex("fffefdfcfbfaff010208")); }

    void controlPayloads()
    {
        const QByteArray b = toGbk(u"B类卡");
        const QByteArray bright = brightnessFrame({}, b, {7, 30, 20, 0, 200, 10});
        QCOMPARE(bright.mid(8, 6), QByteArray::fromHex("071e1400c80a"));
        QCOMPARE(borderFrame({}, b, true).mid(8, 6), QByteArray::fromHex("31fefefefefe"));
        QCOMPARE(borderFrame({}, b, false).mid(8, 1), QByteArray("0"));
        QCOMPARE(powerFrame({}, b, false).mid(8, 1), QByteArray(1, '\0'));
        QCOMPARE(powerFrame({}, b, true).mid(8, 1), QByteArray(1, '\1'));
        QCOMPARE(pauseFrame({}, b, true).mid(8, 2), QByteArray("\1\1", 2));
        QCOMPARE(pauseFrame({}, b, false).mid(8, 2), QByteArray(2, '\0'));
    }

    void timerFrameClock_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("sunday") << QDateTime(QDate(2026, 12, 13), QTime(16, 5, 9))
                                << QByteArray::fromHex("1a0c0d00100509");
        QTest::newRow("saturday") << QDateTime(QDate(2009, 5, 9), QTime(0, 0, 59))
                                  << QByteArray::fromHex("0905090600003b");
        QTest::newRow("monday 2100") << QDateTime(QDate(2100, 1, 4), QTime(23, 59, 0))
                                     << QByteArray::fromHex("00010401173b00");
    }
    void timerFrameClock()
    {
        QFETCH(QDateTime, now);
        QFETCH(QByteArray, expected);
        const QByteArray f = timerFrame({}, toGbk(u"B类卡"), now, {6, 30, 22, 45});
        QCOMPARE(f.mid(8, 7).toHex(), expected.toHex());
        QCOMPARE(f.mid(15, 4), QByteArray::fromHex("061e162d"));
    }

    void testFrames_data()
    {
        QTest::addColumn<QString>("cardModel");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("unitTest");
        QTest::addColumn<QByteArray>("linkTest");
        QTest::newRow("B on 5") << QStringLiteral("B类卡") << 4 << QByteArray("Tes\x05") << QByteArray("CON\x05");
        QTest::newRow("B all cards") << QStringLiteral("B类卡") << 128 << QByteArray("TesT") << QByteArray("CONE");
        QTest::newRow("A on 5") << QStringLiteral("A类卡") << 4 << QByteArray("TesT") << QByteArray("CONE");
    }
    void testFrames()
    {
        QFETCH(QString, cardModel);
        QFETCH(int, index);
        QFETCH(QByteArray, unitTest);
        QFETCH(QByteArray, linkTest);
        QCOMPARE(unitBoardTestFrame(index, toGbk(cardModel)), unitTest);
        QCOMPARE(communicationTestFrame(index, toGbk(cardModel)), linkTest);
    }

    void readAndProbe()
    {
        QCOMPARE(readParametersFrame(0), QByteArray("SNDR\x01"));
        QCOMPARE(readParametersFrame(127), QByteArray("SNDR\x80"));
        QCOMPARE(readParametersFrame(128), QByteArray("SNDR\xFF"));
        QCOMPARE(probeFrame(), QByteArray("CON\x01"));
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
