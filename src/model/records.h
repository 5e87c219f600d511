#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace lumetra {

// Fixed-size array indexed from 1, as programs and zone slots are counted.
template <typename T, int N> class OneBasedArray
{
public:
    static constexpr int size() { return N; }

    T &operator[](int n) { return m_items.at(checked(n)); }
    const T &operator[](int n) const { return m_items.at(checked(n)); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    friend bool operator==(const OneBasedArray &, const OneBasedArray &) = default;

private:
    static std::size_t checked(int n)
    {
        if (n < 1 || n > N)
            throw std::out_of_range("one-based index out of range");
        return static_cast<std::size_t>(n - 1);
    }
    std::array<T, N> m_items{};
};

inline constexpr int MaxDisplays = 17;
inline constexpr int MaxPrograms = 16;
inline constexpr int ZoneSlots = 4;
inline constexpr int MaxZonesUsed = 3;

enum ZoneKind : int32_t { TextZone = 0, ClockZone = 1, PictureZone = 2 };
enum ColorCode : int32_t { ColorRed = 1, ColorGreen = 2, ColorYellow = 3, ColorBlack = 4 };

// Fields carry the names the whole system uses for them; strings are GBK.
struct ZoneRecord
{
    int32_t InUse = 0;
    int32_t ZoneType = TextZone;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Height = 0;
    int32_t Width = 0;
    int32_t ContentHeight = 0;
    int32_t SingleLine = 0;
    QByteArray ContentFile;
    int32_t PlayMode = 1;
    int32_t Speed = 3;
    int32_t StayTime = 4;
    int32_t ClearBeforePlay = 1;
    QByteArray Text;
    QByteArray ClockText;
    int32_t FontIndex = 0;
    int32_t FontSizeIndex = 1;
    int32_t BackColor = ColorBlack;
    int32_t ForeColor = ColorRed;
    int32_t ClockStyle = 0;
    int32_t InfoX = 0;
    int32_t InfoY = 0;
    int32_t InfoSpacing = 0;
    int32_t YearX = 0, YearY = 0;
    int32_t MonthX = 0, MonthY = 0;
    int32_t DayX = 0, DayY = 0;
    int32_t HourX = 0, HourY = 0;
    int32_t MinuteX = 0, MinuteY = 0;
    int32_t SecondX = 0, SecondY = 0;
    int32_t WeekX = 0, WeekY = 0;
    int32_t WeekRowY = 0;
    int32_t TimeRowY = 16;
    int32_t ClockOptions = 14;
    int32_t YearFormat = 0;
    int32_t MultiLine = 0;

    friend bool operator==(const ZoneRecord &, const ZoneRecord &) = default;
};

struct ProgramRecord
{
    uint8_t ProgramId = 0;
    QByteArray ProgramName;
    int32_t ZoneCount = 1;
    int32_t Template = 1;
    OneBasedArray<ZoneRecord, ZoneSlots> Zones;
    int32_t PlayDuration = 0;
    int32_t TimedPlay = 0;
    QByteArray StartDate;
    QByteArray StopDate;
    std::array<int32_t, 7> Weekdays{}; // Monday first
    std::array<QByteArray, 5> StartTimes;
    std::array<QByteArray, 5> StopTimes;
    std::array<int32_t, 5> Volumes{};
    int32_t VoiceGender = 0;

    friend bool operator==(const ProgramRecord &, const ProgramRecord &) = default;
};

// The hardware and link settings shared by DisplayRecord and the working copy.
struct DisplaySettings
{
    int32_t ScreenWidth = 0;
    int32_t ScreenHeight = 0;
    int32_t ColorType = 0;
    int32_t GrayLevel = 0;
    int32_t RefreshRate = 0;
    int32_t DataLogic = 0;
    int32_t OeLogic = 0;
    int32_t CardAddress = 0;
    int32_t UsbCarriesSettings = 0;
    QByteArray PowerOnText;
    QByteArray UserName;
    QByteArray Password;
    QByteArray CardModel;
    int32_t ColorThreshold = 0;
    int32_t LinkType = 0;
    int32_t UnitBoardType = 0;
    uint8_t PowerOnHour = 0, PowerOnMinute = 0;
    uint8_t PowerOffHour = 0, PowerOffMinute = 0;
    uint8_t DayBrightnessHour = 0, DayBrightnessMinute = 0;
    uint8_t NightBrightnessHour = 0, NightBrightnessMinute = 0;
    uint8_t DayBrightness = 0, NightBrightness = 0;

    friend bool operator==(const DisplaySettings &, const DisplaySettings &) = default;
};

using WorkingSettingsRecord = DisplaySettings;

struct DisplayRecord : DisplaySettings
{
    QByteArray DisplayName;
    int32_t ProgramCount = 0;
    int32_t MaxProgramCount = 16;
    QByteArray SerialPort;
    int32_t BaudRate = 0;
    int32_t StorageSize = 0;
    int32_t StorageUsed = 0;
    OneBasedArray<ProgramRecord, MaxPrograms> Programs;

    friend bool operator==(const DisplayRecord &, const DisplayRecord &) = default;
};

} // namespace lumetra
