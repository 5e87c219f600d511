#include "cli/recordjson.h"

#include "model/gbk.h"

#include <QJsonArray>

#include <algorithm>

namespace lumetra::cli {

namespace {

QJsonValue str(const QByteArray &gbk)
{
    return fromGbk(gbk);
}

template <typename T, std::size_t N> QJsonArray list(const std::array<T, N> &values)
{
    QJsonArray out;
    for (const T &v : values) {
        if constexpr (std::is_same_v<T, QByteArray>)
            out.append(fromGbk(v));
        else
            out.append(v);
    }
    return out;
}

} // namespace

QJsonObject zoneToJson(const ZoneRecord &z)
{
    return QJsonObject{
        {"InUse", z.InUse},
        {"ZoneType", z.ZoneType},
        {"X", z.X},
        {"Y", z.Y},
        {"Height", z.Height},
        {"Width", z.Width},
        {"ContentHeight", z.ContentHeight},
        {"SingleLine", z.SingleLine},
        {"ContentFile", str(z.ContentFile)},
        {"PlayMode", z.PlayMode},
        {"Speed", z.Speed},
        {"StayTime", z.StayTime},
        {"ClearBeforePlay", z.ClearBeforePlay},
        {"Text", str(z.Text)},
        {"ClockText", str(z.ClockText)},
        {"FontIndex", z.FontIndex},
        {"FontSizeIndex", z.FontSizeIndex},
        {"BackColor", z.BackColor},
        {"ForeColor", z.ForeColor},
        {"ClockStyle", z.ClockStyle},
        {"InfoX", z.InfoX},
        {"InfoY", z.InfoY},
        {"InfoSpacing", z.InfoSpacing},
        {"YearX", z.YearX},
        {"YearY", z.YearY},
        {"MonthX", z.MonthX},
        {"MonthY", z.MonthY},
        {"DayX", z.DayX},
        {"DayY", z.DayY},
        {"HourX", z.HourX},
        {"HourY", z.HourY},
        {"MinuteX", z.MinuteX},
        {"MinuteY", z.MinuteY},
        {"SecondX", z.SecondX},
        {"SecondY", z.SecondY},
        {"WeekX", z.WeekX},
        {"WeekY", z.WeekY},
        {"WeekRowY", z.WeekRowY},
        {"TimeRowY", z.TimeRowY},
        {"ClockOptions", z.ClockOptions},
        {"YearFormat", z.YearFormat},
        {"MultiLine", z.MultiLine},
    };
}

QJsonObject programToJson(const ProgramRecord &p)
{
    QJsonArray zones;
    const int used = std::clamp(p.ZoneCount, 0, ZoneSlots);
    for (int n = 1; n <= used; ++n)
        zones.append(zoneToJson(p.Zones[n]));
    return QJsonObject{
        {"ProgramId", int(p.ProgramId)},
        {"ProgramName", str(p.ProgramName)},
        {"ZoneCount", p.ZoneCount},
        {"Template", p.Template},
        {"Zones", zones},
        {"PlayDuration", p.PlayDuration},
        {"TimedPlay", p.TimedPlay},
        {"StartDate", str(p.StartDate)},
        {"StopDate", str(p.StopDate)},
        {"Weekdays", list(p.Weekdays)},
        {"StartTimes", list(p.StartTimes)},
        {"StopTimes", list(p.StopTimes)},
        {"Volumes", list(p.Volumes)},
        {"VoiceGender", p.VoiceGender},
    };
}

QJsonObject displayToJson(const DisplayRecord &d)
{
    QJsonArray programs;
    const int count = std::clamp(d.ProgramCount, 0, MaxPrograms);
    for (int n = 1; n <= count; ++n)
        programs.append(programToJson(d.Programs[n]));
    return QJsonObject{
        {"DisplayName", str(d.DisplayName)},
        {"Password", str(d.Password)},
        {"UserName", str(d.UserName)},
        {"ProgramCount", d.ProgramCount},
        {"MaxProgramCount", d.MaxProgramCount},
        {"LinkType", d.LinkType},
        {"SerialPort", str(d.SerialPort)},
        {"BaudRate", d.BaudRate},
        {"RefreshRate", d.RefreshRate},
        {"ColorThreshold", d.ColorThreshold},
        {"CardAddress", d.CardAddress},
        {"UsbCarriesSettings", d.UsbCarriesSettings},
        {"PowerOnHour", int(d.PowerOnHour)},
        {"PowerOnMinute", int(d.PowerOnMinute)},
        {"PowerOffHour", int(d.PowerOffHour)},
        {"PowerOffMinute", int(d.PowerOffMinute)},
        {"DayBrightnessHour", int(d.DayBrightnessHour)},
        {"DayBrightnessMinute", int(d.DayBrightnessMinute)},
        {"NightBrightnessHour", int(d.NightBrightnessHour)},
        {"NightBrightnessMinute", int(d.NightBrightnessMinute)},
        {"DayBrightness", int(d.DayBrightness)},
        {"NightBrightness", int(d.NightBrightness)},
        {"ScreenWidth", d.ScreenWidth},
        {"ScreenHeight", d.ScreenHeight},
        {"CardModel", str(d.CardModel)},
        {"ColorType", d.ColorType},
        {"GrayLevel", d.GrayLevel},
        {"StorageSize", d.StorageSize},
        {"StorageUsed", d.StorageUsed},
        {"UnitBoardType", d.UnitBoardType},
        {"DataLogic", d.DataLogic},
        {"OeLogic", d.OeLogic},
        {"PowerOnText", str(d.PowerOnText)},
        {"Programs", programs},
    };
}

} // namespace lumetra::cli
