#include "cli/controlcommands.h"

#include "cli/clilink.h"

#include "link/displaycontrol.h"

#include <QDateTime>
#include <QTime>

namespace lumetra::cli {

namespace {

bool onOff(const QStringList &words, const QString &command)
{
    if (words.size() == 1 && (words.first() == QLatin1String("on") || words.first() == QLatin1String("off")))
        return words.first() == QLatin1String("on");
    throw UsageError{QStringLiteral("%1 needs on or off").arg(command)};
}

QTime clockTime(const QString &text, const QString &option)
{
    const QTime time = QTime::fromString(text, QStringLiteral("H:mm"));
    if (!time.isValid())
        throw UsageError{QStringLiteral("%1 needs a time HH:MM").arg(option)};
    return time;
}

} // namespace

int PowerCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    const bool on = onOff(reader.positional(1, QStringLiteral("on or off")), QStringLiteral("power"));
    CliLink link(context, port);
    return link.report(on ? QStringLiteral("power on") : QStringLiteral("power off"),
                       DisplayControl::SendPower(link.link(), link.state(), on));
}

int PauseCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    reader.positional(0, QStringLiteral("no further words"));
    CliLink link(context, port);
    return link.report(m_pause ? QStringLiteral("pause") : QStringLiteral("resume"),
                       DisplayControl::SendPAUSE(link.link(), link.state(), m_pause));
}

int TimeCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    const QString on = reader.option(QStringLiteral("--on"));
    const QString off = reader.option(QStringLiteral("--off"));
    reader.positional(0, QStringLiteral("no further words"));
    if (on.isEmpty() != off.isEmpty())
        throw UsageError{QStringLiteral("--on and --off go together")};

    CliLink link(context, port);
    const DisplayRecord &d = link.state().display();
    PowerTimes times{d.PowerOnHour, d.PowerOnMinute, d.PowerOffHour, d.PowerOffMinute};
    if (!on.isEmpty()) {
        const QTime a = clockTime(on, QStringLiteral("--on"));
        const QTime b = clockTime(off, QStringLiteral("--off"));
        times = PowerTimes{a.hour(), a.minute(), b.hour(), b.minute()};
        DisplayControl::saveTimer(link.state(), link.defaultProject(), times);
    }
    return link.report(QStringLiteral("time"),
                       DisplayControl::SendTimer(link.link(), link.state(), QDateTime::currentDateTime(), times));
}

int BrightnessCommand::run(CliContext &context, const QStringList &args)
{
    QStringList rest = args;
    // --day and --night take a time and a level each.
    auto take = [&rest](const QString &name, QTime &time, int &level) {
        const qsizetype i = rest.indexOf(name);
        if (i < 0 || i + 2 >= rest.size())
            throw UsageError{QStringLiteral("%1 needs HH:MM LEVEL").arg(name)};
        time = clockTime(rest.at(i + 1), name);
        bool ok = false;
        level = rest.at(i + 2).toInt(&ok);
        if (!ok || level < 1 || level > 200)
            throw UsageError{QStringLiteral("%1 needs a level from 1 to 200").arg(name)};
        rest.remove(i, 3);
    };
    QTime day, night;
    int dayLevel = 0, nightLevel = 0;
    take(QStringLiteral("--day"), day, dayLevel);
    take(QStringLiteral("--night"), night, nightLevel);
    ArgReader reader(rest);
    const QString port = reader.option(QStringLiteral("--port"));
    reader.positional(0, QStringLiteral("no further words"));

    CliLink link(context, port);
    const BrightnessValues values{day.hour(), day.minute(), night.hour(), night.minute(), dayLevel, nightLevel};
    DisplayControl::saveBrightness(link.state(), link.defaultProject(), values);
    return link.report(QStringLiteral("brightness"), DisplayControl::SendLight(link.link(), link.state(), values));
}

int BorderCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    const bool on = onOff(reader.positional(1, QStringLiteral("on or off")), QStringLiteral("border"));
    CliLink link(context, port);
    return link.report(on ? QStringLiteral("border on") : QStringLiteral("border off"),
                       DisplayControl::Sendlsbk(link.link(), link.state(), on));
}

} // namespace lumetra::cli
