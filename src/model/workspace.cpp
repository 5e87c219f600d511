#include "model/workspace.h"

#include "model/gbk.h"

#include <QFileInfo>

namespace lumetra {

WorkspaceState::WorkspaceState()
{
    // Power and brightness bytes of the working copy, set when the main
    // window is created; everything else of it starts at zero.
    WorkingSettings.PowerOnHour = 7;
    WorkingSettings.PowerOnMinute = 0;
    WorkingSettings.PowerOffHour = 7;
    WorkingSettings.PowerOffMinute = 0;
    WorkingSettings.DayBrightnessHour = 7;
    WorkingSettings.DayBrightnessMinute = 0;
    WorkingSettings.NightBrightnessHour = 20;
    WorkingSettings.NightBrightnessMinute = 0;
    WorkingSettings.DayBrightness = 10;
    WorkingSettings.NightBrightness = 10;

    static const char *const weekdays[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int i = 0; i < 7; ++i)
        WeekdayNames[static_cast<std::size_t>(i)] = toGbk(QString::fromUtf8(weekdays[i]));
    for (int i = 0; i < 10; ++i)
        TwoDigitNames[static_cast<std::size_t>(i)] = QByteArray("0") + QByteArray::number(i);
}

Workspace::Workspace() : m_planes(std::make_unique<FramePlanes>()) {}

void setProjectPath(WorkspaceState &state, const QString &fullPath)
{
    const QFileInfo info(fullPath);
    QString folder = info.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    state.ProjectFolder = folder;
    state.ProjectFileName = info.fileName();
    state.ProjectPath = state.ProjectFolder + state.ProjectFileName;
    state.ProjectBaseName = state.ProjectFileName.left(state.ProjectFileName.size() - 4);
}

QString unitBoardTypeName(int unitBoardType)
{
    switch (unitBoardType) {
    case 0:
        return QStringLiteral("户内屏");
    case 1:
        return QStringLiteral("P16单元板");
    case 2:
    case 3:
        return QStringLiteral("P10单元板");
    default:
        return QString();
    }
}

QString colorTypeName(int colorType)
{
    switch (colorType) {
    case 0:
        return QStringLiteral("单色");
    case 1:
        return QStringLiteral("双色");
    case 2:
        return QStringLiteral("全彩");
    default:
        return QString();
    }
}

QString linkTypeName(int linkType)
{
    switch (linkType) {
    case 0:
        return QStringLiteral("本地串口通讯");
    case 1:
        return QStringLiteral("TCP通讯");
    case 2:
        return QStringLiteral("GSM");
    case 3:
        return QStringLiteral("GPRS/GSM");
    default:
        return QString();
    }
}

int32_t mapBaudRate(int32_t rate)
{
    switch (rate) {
    case 4800:
    case 9600:
    case 19200:
    case 38400:
    case 57600:
    case 115200:
        return rate;
    default:
        return 9600;
    }
}

static void resetZone(ZoneRecord &zone, const WorkingSettingsRecord &settings)
{
    // BackColor and the fourteen clock positions survive a reset.
    ZoneRecord fresh;
    fresh.Height = settings.ScreenHeight;
    fresh.Width = settings.ScreenWidth;
    fresh.BackColor = zone.BackColor;
    fresh.YearX = zone.YearX;
    fresh.YearY = zone.YearY;
    fresh.MonthX = zone.MonthX;
    fresh.MonthY = zone.MonthY;
    fresh.DayX = zone.DayX;
    fresh.DayY = zone.DayY;
    fresh.HourX = zone.HourX;
    fresh.HourY = zone.HourY;
    fresh.MinuteX = zone.MinuteX;
    fresh.MinuteY = zone.MinuteY;
    fresh.SecondX = zone.SecondX;
    fresh.SecondY = zone.SecondY;
    fresh.WeekX = zone.WeekX;
    fresh.WeekY = zone.WeekY;
    fresh.YearFormat = fresh.ZoneType == TextZone ? 0 : 1;
    zone = std::move(fresh);
}

void resetSchedule(ProgramRecord &program)
{
    program.PlayDuration = 0;
    program.TimedPlay = 0;
    program.StartDate = "2009-05-05";
    program.StopDate = "2009-05-05";
    program.Weekdays.fill(1);
    program.StartTimes = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
    program.StopTimes = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
    program.Volumes.fill(0);
    program.VoiceGender = 0;
}

void InitLedDispJiemu(WorkspaceState &state)
{
    state.ProjectPath = state.ProjectFolder + state.ProjectFileName;
    state.ProjectBaseName = state.ProjectFileName.left(state.ProjectFileName.size() - 4);

    DisplayRecord &display = state.display();
    const WorkingSettingsRecord &settings = state.WorkingSettings;
    display.DisplayName = toGbk(u"显示屏-1");
    static_cast<DisplaySettings &>(display) = settings;

    display.SerialPort = state.ComPort.PortName;
    display.BaudRate = mapBaudRate(state.ComPort.BaudRate);

    display.StorageSize = 409600;
    display.StorageUsed = 0;
    display.ProgramCount = 0;
    display.MaxProgramCount = 16;

    state.StatusPanels[2] = unitBoardTypeName(display.UnitBoardType);
    state.WorkingProgramCount = display.ProgramCount;

    for (int n = 1; n <= MaxPrograms; ++n) {
        ProgramRecord &program = display.Programs[n];
        program.ProgramId = static_cast<uint8_t>(n - 1);
        program.ProgramName = toGbk(u"节目") + QByteArray::number(n);
        program.ZoneCount = 1;
        program.Template = 1;
        for (ZoneRecord &zone : program.Zones)
            resetZone(zone, settings);
        resetSchedule(program);
    }
}

void InitLedDispJiemu(Workspace &workspace)
{
    workspace.planes().clear();
    InitLedDispJiemu(static_cast<WorkspaceState &>(workspace));
}

} // namespace lumetra
