#include "cli/command.h"

#include "model/records.h"

#include "cli/controlcommands.h"
#include "cli/exportusbcommand.h"
#include "cli/hardwarecommands.h"
#include "cli/infocommand.h"
#include "cli/planescommand.h"
#include "cli/rendercommand.h"
#include "cli/resavecommand.h"
#include "cli/sendcommand.h"

namespace lumetra::cli {

std::unique_ptr<Command> Command::create(const QString &name)
{
    if (name == QLatin1String("info"))
        return std::make_unique<InfoCommand>();
    if (name == QLatin1String("resave"))
        return std::make_unique<ResaveCommand>();
    if (name == QLatin1String("render"))
        return std::make_unique<RenderCommand>();
    if (name == QLatin1String("power"))
        return std::make_unique<PowerCommand>();
    if (name == QLatin1String("pause") || name == QLatin1String("resume"))
        return std::make_unique<PauseCommand>(name == QLatin1String("pause"));
    if (name == QLatin1String("time"))
        return std::make_unique<TimeCommand>();
    if (name == QLatin1String("brightness"))
        return std::make_unique<BrightnessCommand>();
    if (name == QLatin1String("border"))
        return std::make_unique<BorderCommand>();
    if (name == QLatin1String("screen-set"))
        return std::make_unique<ScreenSetCommand>();
    if (name == QLatin1String("read-params"))
        return std::make_unique<ReadParamsCommand>();
    if (name == QLatin1String("test"))
        return std::make_unique<TestCommand>();
    if (name == QLatin1String("find"))
        return std::make_unique<FindCommand>();
    if (name == QLatin1String("planes"))
        return std::make_unique<PlanesCommand>();
    if (name == QLatin1String("export-usb"))
        return std::make_unique<ExportUsbCommand>();
    if (name == QLatin1String("send"))
        return std::make_unique<SendCommand>();
    return nullptr;
}

QString Command::usage()
{
    return QStringLiteral(
        "usage: lumetra-cli [--home DIR] info PROJECT [--json]\n"
        "       lumetra-cli [--home DIR] resave PROJECT [--as NEW.zvp]\n"
        "       lumetra-cli [--home DIR] render PROJECT [--program N] [--zone Z]\n"
        "       lumetra-cli [--home DIR] planes PROJECT --program N --out FILE.png\n"
        "       lumetra-cli [--home DIR] export-usb PROJECT --to DIR [--border] [--clock \"YYYY-MM-DD HH:MM:SS\"]\n"
        "       lumetra-cli [--home DIR] send PROJECT [--port DEVICE]\n"
        "       lumetra-cli [--home DIR] power on|off | pause | resume | border on|off [--port DEVICE]\n"
        "       lumetra-cli [--home DIR] time [--on HH:MM --off HH:MM] [--port DEVICE]\n"
        "       lumetra-cli [--home DIR] brightness --day HH:MM LEVEL --night HH:MM LEVEL [--port DEVICE]\n"
        "       lumetra-cli [--home DIR] screen-set | read-params | test unit|link | find [--port DEVICE]\n");
}

const char *zoneKindName(int kind)
{
    switch (kind) {
    case TextZone:
        return "text";
    case ClockZone:
        return "clock";
    case PictureZone:
        return "picture";
    default:
        return "unknown";
    }
}

QString ArgReader::option(const QString &name)
{
    const qsizetype i = m_args.indexOf(name);
    if (i < 0)
        return QString();
    if (i + 1 >= m_args.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(name)};
    const QString value = m_args.at(i + 1);
    m_args.remove(i, 2);
    return value;
}

bool ArgReader::flag(const QString &name)
{
    return m_args.removeAll(name) > 0;
}

QStringList ArgReader::positional(int count, const QString &what)
{
    for (const QString &arg : std::as_const(m_args))
        if (arg.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option %1").arg(arg)};
    if (m_args.size() != count)
        throw UsageError{QStringLiteral("expected %1").arg(what)};
    return m_args;
}

} // namespace lumetra::cli
