#include "link/displaycontrol.h"

#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/projectkeys.h"

namespace lumetra {

namespace {

uint8_t byteOf(int value)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu);
}

void writeDisplayKeys(const QString &defaultProject, const std::vector<std::pair<const char16_t *, int>> &keys)
{
    IniDocument ini = IniDocument::load(defaultProject);
    const QByteArray &section = ProjectKeys::get().DisplayParams;
    for (const auto &[key, value] : keys)
        ini.setValue(section, toGbk(QStringView(key)), QByteArray::number(value));
    ini.save(defaultProject);
}

} // namespace

CommandOutcome DisplayControl::SendPower(ControllerLink &link, WorkspaceState &state, bool on)
{
    return link.runCommand(CommandKind::Power, powerFrame(link.selectors(), state.display().CardModel, on));
}

CommandOutcome DisplayControl::SendPAUSE(ControllerLink &link, WorkspaceState &state, bool pause)
{
    return link.runCommand(CommandKind::Pause, pauseFrame(link.selectors(), state.display().CardModel, pause));
}

CommandOutcome DisplayControl::SendTimer(ControllerLink &link, WorkspaceState &state, const QDateTime &now,
                                         const PowerTimes &times)
{
    return link.runCommand(CommandKind::Timer, timerFrame(link.selectors(), state.display().CardModel, now, times));
}

CommandOutcome DisplayControl::SendLight(ControllerLink &link, WorkspaceState &state, const BrightnessValues &values)
{
    return link.runCommand(CommandKind::Brightness,
                           brightnessFrame(link.selectors(), state.display().CardModel, values));
}

CommandOutcome DisplayControl::Sendlsbk(ControllerLink &link, WorkspaceState &state, bool on)
{
    return link.runCommand(CommandKind::Border, borderFrame(link.selectors(), state.display().CardModel, on));
}

void DisplayControl::saveTimer(WorkspaceState &state, const QString &defaultProject, const PowerTimes &times)
{
    DisplayRecord &d = state.display();
    d.PowerOnHour = byteOf(times.OnHour);
    d.PowerOnMinute = byteOf(times.OnMinute);
    d.PowerOffHour = byteOf(times.OffHour);
    d.PowerOffMinute = byteOf(times.OffMinute);
    writeDisplayKeys(defaultProject, {{u"开机时间小时", d.PowerOnHour},
                                      {u"开机时间分钟", d.PowerOnMinute},
                                      {u"关机时间小时", d.PowerOffHour},
                                      {u"关机时间分钟", d.PowerOffMinute}});
    WorkingSettingsRecord &w = state.WorkingSettings;
    w.PowerOnHour = d.PowerOnHour;
    w.PowerOnMinute = d.PowerOnMinute;
    w.PowerOffHour = d.PowerOffHour;
    w.PowerOffMinute = d.PowerOffMinute;
}

void DisplayControl::saveBrightness(WorkspaceState &state, const QString &defaultProject,
                                    const BrightnessValues &values)
{
    DisplayRecord &d = state.display();
    d.DayBrightnessHour = byteOf(values.DayHour);
    d.DayBrightnessMinute = byteOf(values.DayMinute);
    d.NightBrightnessHour = byteOf(values.NightHour);
    d.NightBrightnessMinute = byteOf(values.NightMinute);
    d.DayBrightness = byteOf(values.DayBrightness);
    d.NightBrightness = byteOf(values.NightBrightness);
    writeDisplayKeys(defaultProject, {{u"白天亮度", d.DayBrightness},
                                      {u"晚上亮度", d.NightBrightness},
                                      {u"白天亮度时间小时", d.DayBrightnessHour},
                                      {u"白天亮度时间分钟", d.DayBrightnessMinute},
                                      {u"晚上亮度时间小时", d.NightBrightnessHour},
                                      {u"晚上亮度时间分钟", d.NightBrightnessMinute}});
    WorkingSettingsRecord &w = state.WorkingSettings;
    w.DayBrightnessHour = d.DayBrightnessHour;
    w.DayBrightnessMinute = d.DayBrightnessMinute;
    w.NightBrightnessHour = d.NightBrightnessHour;
    w.NightBrightnessMinute = d.NightBrightnessMinute;
    w.DayBrightness = d.DayBrightness;
    w.NightBrightness = d.NightBrightness;
}

QString DisplayControl::clockPanelText(const WorkspaceState &state, const QDateTime &now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const int weekday = date.dayOfWeek() % 7; // Qt counts Monday 1 … Sunday 7
    return QStringLiteral("%1年%2月%3日%4点%5分%6秒")
               .arg(date.year())
               .arg(date.month())
               .arg(date.day())
               .arg(time.hour())
               .arg(time.minute())
               .arg(time.second()) +
           fromGbk(state.WeekdayNames[static_cast<std::size_t>(weekday)]);
}

QStringList DisplayControl::brightnessEntries()
{
    QStringList entries;
    entries.reserve(200);
    for (int level = 1; level <= 200; ++level) {
        if (level == 1)
            entries << QStringLiteral("1(最暗)");
        else if (level == 200)
            entries << QStringLiteral("200(最亮)");
        else
            entries << QString::number(level);
    }
    return entries;
}

} // namespace lumetra
