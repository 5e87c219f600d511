#pragma once

#include <QByteArray>

#include <array>

namespace lumetra {

// Section and key names of the project file, as GBK bytes, built once.
struct ProjectKeys
{
    // Sections.
    QByteArray DisplayParams;  // 显示屏参数
    QByteArray SerialSection;  // 显示屏串口
    QByteArray StorageSection; // 显示屏信息存储
    QByteArray UsedSection;    // 已占用信息存储
    QByteArray PowerOnSection; // 上电显示
    QByteArray UserSection;    // 用户信息
    QByteArray LinkSection;    // 通讯方式
    QByteArray ProgramPrefix;  // 节目
    QByteArray TitleSection;   // 标题

    // Program keys.
    QByteArray ProgramId, ProgramName, ZoneCount, Template;

    // Zone block: slot word + "分区" + tail, per slot 1..4 (index 0 unused).
    struct ZoneKeys
    {
        QByteArray InUse, ZoneType, X, Y, Height, ContentHeight, SingleLine, Width, ContentFile, PlayMode,
            ClearBeforePlay, Speed, StayTime;
    };
    std::array<ZoneKeys, 5> zone;

    // Clock block and positions: name + slot number.
    struct ClockKeys
    {
        QByteArray ClockText, FontIndex, FontSizeIndex, BackColor, ForeColor, ClockStyle, InfoX, InfoY, InfoSpacing,
            WeekRowY, TimeRowY, ClockOptions, YearFormat, MultiLine;
        std::array<QByteArray, 14> positions; // 时钟年X坐标 … 时钟星期Y坐标
    };
    std::array<ClockKeys, 5> clock;

    // Schedule.
    QByteArray TimedPlay, PlayDuration, VoiceGender, StartDate, StopDate;
    std::array<QByteArray, 5> StartTimes, StopTimes, Volumes;
    std::array<QByteArray, 7> Weekdays;

    static const ProjectKeys &get();
    QByteArray programSection(int n) const { return ProgramPrefix + QByteArray::number(n); }
};

} // namespace lumetra
