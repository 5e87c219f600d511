#include "link/frames.h"

#include <QList>

namespace lumetra {

namespace {

const QByteArray FrameStart = QByteArrayLiteral("SNDDAT");
const QByteArray FrameEnd = QByteArrayLiteral("SNDDEN");

inline void put(QByteArray &frame, int pos, int value)
{
    frame[pos] = static_cast<char>(value & 0xFF);
}

void putText(QByteArray &frame, int pos, const QByteArray &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        frame[pos + i] = text[i];
}

// "SNDDAT", kind, address, payload, "SNDDEN", two closing bytes.
QByteArray controlFrame(uint8_t address, const QByteArray &payload, uint8_t close1, uint8_t close2)
{
    QByteArray frame = FrameStart;
    frame += char(ControlKind);
    frame += char(address);
    frame += payload;
    frame += FrameEnd;
    frame += char(close1);
    frame += char(close2);
    return frame;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    out.reserve(qsizetype(values.size()));
    for (int v : values)
        out += static_cast<char>(v & 0xFF);
    return out;
}

int partNumber(const QList<QByteArray> &parts, int i)
{
    if (i >= parts.size())
        return 0;
    bool ok = false;
    const int value = parts.at(i).trimmed().toInt(&ok);
    return ok && value >= 0 ? value : 0;
}

// Clock element positions of slots 1..4: X high bytes, X low bytes, Y.
template <typename GetX, typename GetY>
void putClockGroup(QByteArray &frame, int pos, const ProgramRecord &program, GetX x, GetY y)
{
    for (int s = 1; s <= ZoneSlots; ++s) {
        const ZoneRecord &zone = program.Zones[s];
        put(frame, pos + s - 1, x(zone) >> 8);
        put(frame, pos + 4 + s - 1, x(zone));
        put(frame, pos + 8 + s - 1, y(zone));
    }
}

template <typename Get> void putPerSlot(QByteArray &frame, int pos, const ProgramRecord &program, Get get)
{
    for (int s = 1; s <= ZoneSlots; ++s)
        put(frame, pos + s - 1, get(program.Zones[s]));
}

} // namespace

DateParts parseDate(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split('-');
    return {partNumber(parts, 0), partNumber(parts, 1), partNumber(parts, 2)};
}

TimeParts parseTime(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split(':');
    return {partNumber(parts, 0), partNumber(parts, 1)};
}

uint8_t scanCode(int32_t unitBoardType)
{
    switch (unitBoardType) {
    case 1:
    case 2:
    case 3:
        return 4;
    case 4:
        return 8;
    default:
        return 16;
    }
}

QByteArray screenParameterBlock(const DisplayRecord &d, const DisplaySettings &p, ParameterBlockVariant variant)
{
    QByteArray b(ScreenParameterBlockLength, '\xFF');
    put(b, 0, addressRuleC(d.CardAddress));
    put(b, 1, 0x01);
    put(b, 2, d.BaudRate / 1200);
    put(b, 3, d.RefreshRate);
    put(b, 5, d.ScreenWidth / 8);
    put(b, 6, d.ScreenHeight);
    put(b, 7, 2); // class code as sent; only the card's reply tells its real class
    put(b, 9, d.ColorType);
    put(b, 10, d.GrayLevel);
    put(b, 13, d.UnitBoardType + 1);
    put(b, 14, d.DataLogic);
    put(b, 15, d.OeLogic);
    put(b, 16, scanCode(d.UnitBoardType));
    put(b, 17, p.PowerOnHour);
    put(b, 18, p.PowerOnMinute);
    put(b, 19, p.PowerOffHour);
    put(b, 20, p.PowerOffMinute);
    put(b, 21, p.DayBrightness);
    put(b, 22, p.NightBrightness);
    put(b, 24, p.DayBrightnessHour);
    put(b, 25, p.DayBrightnessMinute);
    put(b, 26, p.NightBrightnessHour);
    put(b, 27, p.NightBrightnessMinute);
    if (variant == ParameterBlockVariant::Usb)
        put(b, 28, 0x30);
    return b;
}

QByteArray programIndexFrame(const DisplayRecord &display, int k, const AddressSelectors &selectors)
{
    const ProgramRecord &program = display.Programs[k + 1];
    // Positions the builder never assigns (57 … 60) stay zero.
    QByteArray f(ProgramIndexLength, '\0');
    putText(f, 0, FrameStart);
    put(f, 6, IndexKind);
    put(f, 7, addressRuleB(selectors));
    put(f, 8, program.Template);
    putPerSlot(f, 9, program, [](const ZoneRecord &z) { return z.InUse; });
    putPerSlot(f, 13, program, [](const ZoneRecord &z) { return z.ZoneType; });
    putPerSlot(f, 17, program, [](const ZoneRecord &z) { return z.X / 8; });
    putPerSlot(f, 21, program, [](const ZoneRecord &z) { return z.Y; });
    putPerSlot(f, 25, program, [](const ZoneRecord &z) { return z.Width / 8; });
    putPerSlot(f, 29, program, [](const ZoneRecord &z) { return z.Height / 8; });
    putPerSlot(f, 33, program, [](const ZoneRecord &z) { return z.ContentHeight / 8; });
    put(f, 44, program.PlayDuration >> 8);
    putPerSlot(f, 45, program, [](const ZoneRecord &z) { return z.PlayMode; });
    const int speedStep = isClassA(display.CardModel) ? 0 : 1;
    putPerSlot(f, 49, program, [speedStep](const ZoneRecord &z) { return z.Speed + speedStep; });
    putPerSlot(f, 53, program, [](const ZoneRecord &z) { return z.StayTime; });
    put(f, 61, program.PlayDuration);
    put(f, 62, program.TimedPlay);

    const DateParts start = parseDate(program.StartDate);
    const DateParts stop = parseDate(program.StopDate);
    put(f, 63, start.year % 100);
    put(f, 64, start.month);
    put(f, 65, start.day);
    put(f, 66, stop.year % 100);
    put(f, 67, stop.month);
    put(f, 68, stop.day);
    for (int i = 0; i < 7; ++i)
        put(f, 69 + i, program.Weekdays[std::size_t(i)]);
    for (int i = 0; i < 5; ++i) {
        const TimeParts on = parseTime(program.StartTimes[std::size_t(i)]);
        const TimeParts off = parseTime(program.StopTimes[std::size_t(i)]);
        put(f, 76 + 2 * i, on.hour);
        put(f, 77 + 2 * i, on.minute);
        put(f, 86 + 2 * i, off.hour);
        put(f, 87 + 2 * i, off.minute);
        put(f, 96 + i, program.Volumes[std::size_t(i)]);
    }
    put(f, 101, program.VoiceGender);

    putPerSlot(f, 102, program, [](const ZoneRecord &z) { return int(z.ClockText.size()); });
    putPerSlot(f, 106, program, [](const ZoneRecord &z) { return z.FontIndex; });
    putPerSlot(f, 110, program, [](const ZoneRecord &z) { return z.FontSizeIndex; });
    putPerSlot(f, 118, program, [](const ZoneRecord &z) { return z.ForeColor; });
    putPerSlot(f, 122, program, [](const ZoneRecord &z) { return z.ClockStyle; });
    putPerSlot(f, 126, program, [](const ZoneRecord &z) { return z.InfoY; });
    putPerSlot(f, 130, program, [](const ZoneRecord &z) { return z.WeekRowY; });
    putPerSlot(f, 134, program, [](const ZoneRecord &z) { return z.TimeRowY; });
    putPerSlot(f, 138, program, [](const ZoneRecord &z) { return z.ClockOptions; });
    putPerSlot(f, 142, program, [](const ZoneRecord &z) { return z.YearFormat; });
    putPerSlot(f, 146, program, [](const ZoneRecord &z) { return z.MultiLine; });

    put(f, 150, program.ZoneCount);
    put(f, 151, program.ZoneCount);
    put(f, 152, display.ProgramCount);
    int lastClock = 0;
    for (int s = 1; s <= ZoneSlots; ++s)
        if (program.Zones[s].ZoneType == ClockZone)
            lastClock = s;
    put(f, 154, lastClock);
    put(f, 155, k);
    putPerSlot(f, 156, program, [](const ZoneRecord &z) { return z.ClearBeforePlay; });

    putClockGroup(
        f, 160, program, [](const ZoneRecord &z) { return z.YearX; }, [](const ZoneRecord &z) { return z.YearY; });
    putClockGroup(
        f, 172, program, [](const ZoneRecord &z) { return z.MonthX; }, [](const ZoneRecord &z) { return z.MonthY; });
    putClockGroup(
        f, 184, program, [](const ZoneRecord &z) { return z.DayX; }, [](const ZoneRecord &z) { return z.DayY; });
    putClockGroup(
        f, 196, program, [](const ZoneRecord &z) { return z.HourX; }, [](const ZoneRecord &z) { return z.HourY; });
    putClockGroup(
        f, 208, program, [](const ZoneRecord &z) { return z.MinuteX; }, [](const ZoneRecord &z) { return z.MinuteY; });
    putClockGroup(
        f, 220, program, [](const ZoneRecord &z) { return z.SecondX; }, [](const ZoneRecord &z) { return z.SecondY; });
    putClockGroup(
        f, 232, program, [](const ZoneRecord &z) { return z.WeekX; }, [](const ZoneRecord &z) { return z.WeekY; });

    putText(f, 244, FrameEnd);
    put(f, 250, IndexKind);
    put(f, 251, 0x01);
    return f;
}

QByteArray programDataFrame(const AddressSelectors &selectors, int programNumber, int blockNumber, QByteArrayView data)
{
    QByteArray f(ProgramDataLength, '\0');
    putText(f, 0, FrameStart);
    put(f, 6, DataKind);
    put(f, 7, addressRuleB(selectors));
    put(f, 8, programNumber);
    put(f, 9, blockNumber);
    const qsizetype n = std::min<qsizetype>(data.size(), 512);
    for (qsizetype i = 0; i < n; ++i)
        f[10 + i] = data[i];
    putText(f, 522, FrameEnd);
    put(f, 528, DataKind);
    put(f, 529, 0x01);
    return f;
}

QByteArray transferLoadFrame(const AddressSelectors &selectors, int programNumber, uint8_t finalBlock)
{
    return bytesOf({0xFF, 0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xFF, addressRuleB(selectors), programNumber, finalBlock});
}

QByteArray brightnessFrame(const AddressSelectors &selectors, const QByteArray &cardModel, const BrightnessValues &v)
{
    return controlFrame(
        addressRuleA(selectors, cardModel),
        bytesOf({v.DayHour, v.DayMinute, v.NightHour, v.NightMinute, v.DayBrightness, v.NightBrightness}), 0xFF, 0xFF);
}

QByteArray borderFrame(const AddressSelectors &selectors, const QByteArray &cardModel, bool on)
{
    return controlFrame(addressRuleA(selectors, cardModel), bytesOf({on ? '1' : '0', 0xFE, 0xFE, 0xFE, 0xFE, 0xFE}),
                        0xFF, 0xFE);
}

QByteArray timerFrame(const AddressSelectors &selectors, const QByteArray &cardModel, const QDateTime &now,
                      const PowerTimes &t)
{
    const QDate date = now.date();
    const QTime time = now.time();
    return controlFrame(addressRuleA(selectors, cardModel),
                        bytesOf({date.year() % 100, date.month(), date.day(), date.dayOfWeek() % 7, time.hour(),
                                 time.minute(), time.second(), t.OnHour, t.OnMinute, t.OffHour, t.OffMinute}),
                        0xFF, 0xFF);
}

QByteArray powerFrame(const AddressSelectors &selectors, const QByteArray &cardModel, bool on)
{
    return controlFrame(addressRuleA(selectors, cardModel), bytesOf({on ? 1 : 0}), 0xFF, 0xFF);
}

QByteArray pauseFrame(const AddressSelectors &selectors, const QByteArray &cardModel, bool pause)
{
    const int v = pause ? 1 : 0;
    return controlFrame(addressRuleA(selectors, cardModel), bytesOf({v, v}), 0xFF, 0xFF);
}

QByteArray screenSetFrame(QByteArrayView parameterBlock)
{
    QByteArray block(ScreenParameterBlockLength, '\0');
    for (qsizetype i = 0; i < std::min<qsizetype>(parameterBlock.size(), ScreenParameterBlockLength); ++i)
        block[i] = parameterBlock[i];
    return controlFrame(BroadcastAddress, block, 0xFF, 0xFF);
}

QByteArray unitBoardTestFrame(int testAddressIndex, const QByteArray &cardModel)
{
    const bool all = testAddressIndex == BroadcastItem || isClassA(cardModel);
    return bytesOf({'T', 'e', 's', all ? 0x54 : testAddressIndex + 1});
}

QByteArray communicationTestFrame(int testAddressIndex, const QByteArray &cardModel)
{
    const bool all = testAddressIndex == BroadcastItem || isClassA(cardModel);
    return bytesOf({'C', 'O', 'N', all ? 'E' : testAddressIndex + 1});
}

QByteArray readParametersFrame(int cardAddressIndex)
{
    return bytesOf({'S', 'N', 'D', 'R', itemAddress(cardAddressIndex)});
}

QByteArray probeFrame()
{
    return bytesOf({'C', 'O', 'N', 0x01});
}

} // namespace lumetra
