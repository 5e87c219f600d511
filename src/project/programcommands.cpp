#include "project/programcommands.h"

#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/templaterules.h"

namespace lumetra {

void markModified(WorkspaceState &state)
{
    // 200 (clock text typed) stays; only a clean project becomes 100.
    if (state.ModifiedFlag <= 0)
        state.ModifiedFlag = 100;
}

bool programLimitReached(const WorkspaceState &state)
{
    return state.display().ProgramCount >= MaxPrograms;
}

QString programLimitMessage(const WorkspaceState &state)
{
    return QStringLiteral("对不起") + fromGbk(state.display().DisplayName) + QStringLiteral("最多只能") +
           QStringLiteral("16") + QStringLiteral("节目。");
}

static void setNewZoneFields(ZoneRecord &zone, int faceIndex)
{
    zone.ClockText.clear();
    zone.FontIndex = faceIndex;
    zone.PlayMode = 1;
    zone.ClearBeforePlay = 1;
    zone.Speed = 3;
    zone.StayTime = 4;
    zone.FontSizeIndex = 1;
    zone.ClockStyle = 0;
    zone.ForeColor = ColorRed;
    zone.BackColor = ColorBlack;
    zone.InfoX = 0;
    zone.InfoY = 0;
    zone.InfoSpacing = 0;
    zone.WeekRowY = 0;
    zone.TimeRowY = 16;
    zone.ClockOptions = 14;
    zone.YearFormat = 0;
    zone.MultiLine = 0;
}

void addProgram(Workspace &workspace, int templateId, int faceIndex)
{
    DisplayRecord &display = workspace.display();
    workspace.CurrentTemplate = templateId;
    workspace.WorkingProgramCount += 1;
    workspace.CurrentProgram = workspace.WorkingProgramCount;
    display.ProgramCount = workspace.WorkingProgramCount;

    const int n = workspace.CurrentProgram;
    ProgramRecord &program = display.Programs[n];
    program.Template = templateId;
    program.ZoneCount = templateZoneCount(templateId);
    program.ProgramId = static_cast<uint8_t>(n);
    program.ProgramName = toGbk(u"节目") + QByteArray::number(n);

    const auto geometry = defaultTemplateGeometry(templateId, display.ScreenWidth, display.ScreenHeight);
    for (int slot = 1; slot <= ZoneSlots; ++slot) {
        ZoneRecord &zone = program.Zones[slot];
        setNewZoneFields(zone, faceIndex);
        zone.ZoneType = TextZone;
        if (slot <= program.ZoneCount) {
            const ZoneRect &r = geometry[static_cast<std::size_t>(slot - 1)];
            zone.InUse = 1;
            zone.X = r.X;
            zone.Y = r.Y;
            zone.Width = r.Width;
            zone.Height = r.Height;
            zone.ContentFile = toGbk(textFilePath(workspace, n, slot));
            zone.Text.clear();
        } else {
            // Unused slots keep their Text, as they always have.
            zone.InUse = 0;
            zone.X = zone.Y = zone.Width = zone.Height = 0;
            zone.ContentFile.clear();
        }
    }
    workspace.CurrentZone = program.ZoneCount;
    resetSchedule(program);
    workspace.planes().clear();
    markModified(workspace);
}

static void moveZone(ZoneRecord &to, const ZoneRecord &from, bool playFields)
{
    if (playFields) {
        to.InUse = from.InUse;
        to.ZoneType = from.ZoneType;
        to.X = from.X;
        to.Y = from.Y;
        to.Height = from.Height;
        to.ContentHeight = from.ContentHeight;
        to.SingleLine = from.SingleLine;
        to.Width = from.Width;
        to.ContentFile = from.ContentFile;
        to.Text = from.Text;
        to.PlayMode = from.PlayMode;
        to.ClearBeforePlay = from.ClearBeforePlay;
        to.Speed = from.Speed;
        to.StayTime = from.StayTime;
    }
    // The clock fields, ClockText through MultiLine.
    to.ClockText = from.ClockText;
    to.FontIndex = from.FontIndex;
    to.FontSizeIndex = from.FontSizeIndex;
    to.BackColor = from.BackColor;
    to.ForeColor = from.ForeColor;
    to.ClockStyle = from.ClockStyle;
    to.InfoX = from.InfoX;
    to.InfoY = from.InfoY;
    to.InfoSpacing = from.InfoSpacing;
    to.YearX = from.YearX;
    to.YearY = from.YearY;
    to.MonthX = from.MonthX;
    to.MonthY = from.MonthY;
    to.DayX = from.DayX;
    to.DayY = from.DayY;
    to.HourX = from.HourX;
    to.HourY = from.HourY;
    to.MinuteX = from.MinuteX;
    to.MinuteY = from.MinuteY;
    to.SecondX = from.SecondX;
    to.SecondY = from.SecondY;
    to.WeekX = from.WeekX;
    to.WeekY = from.WeekY;
    to.WeekRowY = from.WeekRowY;
    to.TimeRowY = from.TimeRowY;
    to.ClockOptions = from.ClockOptions;
    to.YearFormat = from.YearFormat;
    to.MultiLine = from.MultiLine;
}

void deleteProgram(WorkspaceState &state, int n)
{
    DisplayRecord &display = state.display();
    if (n < 1 || n > display.ProgramCount)
        return;
    display.ProgramCount -= 1;
    for (int k = n; k < state.WorkingProgramCount; ++k) {
        ProgramRecord &to = display.Programs[k];
        const ProgramRecord &from = display.Programs[k + 1];
        to.ZoneCount = from.ZoneCount;
        to.Template = from.Template;
        to.PlayDuration = from.PlayDuration;
        to.TimedPlay = from.TimedPlay;
        to.StartDate = from.StartDate;
        to.StopDate = from.StopDate;
        to.Weekdays = from.Weekdays;
        to.StartTimes = from.StartTimes;
        to.StopTimes = from.StopTimes;
        to.Volumes = from.Volumes;
        to.VoiceGender = from.VoiceGender;
        for (int slot = 1; slot <= ZoneSlots; ++slot)
            moveZone(to.Zones[slot], from.Zones[slot], slot <= MaxZonesUsed);
    }
    state.WorkingProgramCount -= 1;
    state.CurrentProgram = state.WorkingProgramCount;
    markModified(state);
}

} // namespace lumetra
