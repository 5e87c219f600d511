#include "cli/infocommand.h"

#include "cli/clicontext.h"
#include "cli/recordjson.h"

#include "model/contentfiles.h"
#include "model/gbk.h"

#include <QJsonDocument>

#include <algorithm>

namespace lumetra::cli {

namespace {

template <typename T, std::size_t N> QString joined(const std::array<T, N> &values)
{
    QStringList parts;
    for (const T &v : values) {
        if constexpr (std::is_same_v<T, QByteArray>)
            parts << fromGbk(v);
        else
            parts << QString::number(v);
    }
    return parts.join(QLatin1Char(','));
}

} // namespace

int InfoCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const bool json = reader.flag(QStringLiteral("--json"));
    const QString project = reader.positional(1, QStringLiteral("PROJECT")).first();

    context.openLikeTheWindow(project);
    Workspace &ws = context.workspace();
    const DisplayRecord &d = ws.display();
    QTextStream &out = context.out();

    if (json) {
        out << QJsonDocument(displayToJson(d)).toJson(QJsonDocument::Indented);
        return ExitOk;
    }

    out << QStringLiteral("display name=%1 size=%2x%3 color=%4(%5) gray=%6 card=%7 address=%8 port=%9 baud=%10")
               .arg(fromGbk(d.DisplayName))
               .arg(d.ScreenWidth)
               .arg(d.ScreenHeight)
               .arg(d.ColorType)
               .arg(colorTypeName(d.ColorType))
               .arg(d.GrayLevel)
               .arg(fromGbk(d.CardModel))
               .arg(d.CardAddress)
               .arg(fromGbk(d.SerialPort))
               .arg(d.BaudRate)
        << QStringLiteral(" link=%1 board=%2 refresh=%3 threshold=%4 data=%5 oe=%6 usb=%7")
               .arg(d.LinkType)
               .arg(d.UnitBoardType)
               .arg(d.RefreshRate)
               .arg(d.ColorThreshold)
               .arg(d.DataLogic)
               .arg(d.OeLogic)
               .arg(d.UsbCarriesSettings)
        << QStringLiteral(" power=%1:%2-%3:%4 day=%5@%6:%7 night=%8@%9:%10")
               .arg(d.PowerOnHour)
               .arg(d.PowerOnMinute, 2, 10, QLatin1Char('0'))
               .arg(d.PowerOffHour)
               .arg(d.PowerOffMinute, 2, 10, QLatin1Char('0'))
               .arg(d.DayBrightness)
               .arg(d.DayBrightnessHour)
               .arg(d.DayBrightnessMinute, 2, 10, QLatin1Char('0'))
               .arg(d.NightBrightness)
               .arg(d.NightBrightnessHour)
               .arg(d.NightBrightnessMinute, 2, 10, QLatin1Char('0'))
        << QStringLiteral(" programs=%1\n").arg(d.ProgramCount);

    for (int n = 1; n <= d.ProgramCount; ++n) {
        const ProgramRecord &p = d.Programs[n];
        QStringList bands;
        for (std::size_t i = 0; i < 5; ++i)
            bands
                << QStringLiteral("%1-%2/%3").arg(fromGbk(p.StartTimes[i]), fromGbk(p.StopTimes[i])).arg(p.Volumes[i]);
        out << QStringLiteral("program %1 name=%2 id=%3 template=%4 zones=%5 duration=%6 timed=%7 dates=%8..%9")
                   .arg(n)
                   .arg(fromGbk(p.ProgramName))
                   .arg(p.ProgramId)
                   .arg(p.Template)
                   .arg(p.ZoneCount)
                   .arg(p.PlayDuration)
                   .arg(p.TimedPlay)
                   .arg(fromGbk(p.StartDate), fromGbk(p.StopDate))
            << QStringLiteral(" weekdays=%1 bands=%2 voice=%3\n")
                   .arg(joined(p.Weekdays), bands.join(QLatin1Char(',')))
                   .arg(p.VoiceGender);
        for (int z = 1; z <= std::clamp(p.ZoneCount, 0, ZoneSlots); ++z) {
            const ZoneRecord &zone = p.Zones[z];
            out << QStringLiteral("zone %1 %2 kind=%3 rect=%4,%5,%6x%7 file=%8 mode=%9 speed=%10")
                       .arg(n)
                       .arg(z)
                       .arg(QLatin1String(zoneKindName(zone.ZoneType)))
                       .arg(zone.X)
                       .arg(zone.Y)
                       .arg(zone.Width)
                       .arg(zone.Height)
                       .arg(contentFilePath(ws, zone.ContentFile))
                       .arg(zone.PlayMode)
                       .arg(zone.Speed)
                << QStringLiteral(" stay=%1 clear=%2 content-height=%3\n")
                       .arg(zone.StayTime)
                       .arg(zone.ClearBeforePlay)
                       .arg(zone.ContentHeight);
        }
    }
    return ExitOk;
}

} // namespace lumetra::cli
