#include "cli/command.h"

#include "cli/exportusbcommand.h"
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
    return QStringLiteral("usage: lumetra-cli [--home DIR] info PROJECT [--json]\n"
                          "       lumetra-cli [--home DIR] resave PROJECT [--as NEW.zvp]\n"
                          "       lumetra-cli [--home DIR] render PROJECT [--program N] [--zone Z]\n"
                          "       lumetra-cli [--home DIR] planes PROJECT --program N --out FILE.png\n"
                          "       lumetra-cli [--home DIR] export-usb PROJECT --to DIR [--border]"
                          " [--clock \"YYYY-MM-DD HH:MM:SS\"]\n"
                          "       lumetra-cli [--home DIR] send PROJECT [--port DEVICE]\n");
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
