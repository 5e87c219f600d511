#include "cli/hardwarecommands.h"

#include "cli/clicontext.h"
#include "cli/clilink.h"

#include "link/displaysearch.h"
#include "link/hardwarelink.h"
#include "link/portsettings.h"

namespace lumetra::cli {

int ScreenSetCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    reader.positional(0, QStringLiteral("no further words"));
    CliLink link(context, port);
    return link.report(QStringLiteral("screen-set"), HardwareLink::SendDispScreenSet(link.link(), link.state()));
}

int ReadParamsCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    reader.positional(0, QStringLiteral("no further words"));
    CliLink link(context, port);
    if (DisplaySearch::refuses(link.state())) {
        context.err() << DisplaySearch::aClassRefusal() << "\n";
        return ExitFailure;
    }
    std::optional<ParameterValues> values;
    const CommandOutcome outcome = HardwareLink::readParameters(link.link(), link.state(), values);
    if (!values) {
        context.err() << (outcome.Message.isEmpty() ? CommandEntry::of(CommandKind::ReadParameters).noAnswerText(false)
                                                    : outcome.Message)
                      << "\n";
        return ExitFailure;
    }
    const ParameterValues &v = *values;
    context.out() << "address=" << (v.CardAddressIndex + 1) << " width=" << v.ScreenWidth
                  << " height=" << v.ScreenHeight << " color=" << v.ColorType << " gray=" << v.GrayLevel
                  << " board=" << v.UnitBoardType << " refresh=" << v.RefreshRate << " data=" << int(v.DataLogic)
                  << " oe=" << int(v.OeLogic) << " class=" << QChar(QLatin1Char('A').unicode() + v.CardClassIndex)
                  << "\n";
    return ExitOk;
}

int TestCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    const QStringList words = reader.positional(1, QStringLiteral("unit or link"));
    const bool unit = words.first() == QLatin1String("unit");
    if (!unit && words.first() != QLatin1String("link"))
        throw UsageError{QStringLiteral("test needs unit or link")};
    CliLink link(context, port);
    const CommandOutcome outcome = unit ? HardwareLink::SendTest(link.link(), link.state())
                                        : HardwareLink::communicationTest(link.link(), link.state());
    if (!outcome.Answered) {
        context.err() << outcome.Message << "\n";
        return ExitFailure;
    }
    context.out() << (outcome.Message.isEmpty() ? QStringLiteral("test answered") : outcome.Message) << "\n";
    return ExitOk;
}

int FindCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    reader.positional(0, QStringLiteral("no further words"));
    CliLink link(context, QString());
    if (DisplaySearch::refuses(link.state())) {
        context.err() << DisplaySearch::aClassRefusal() << "\n";
        return ExitFailure;
    }
    const QStringList ports = port.isEmpty() ? PortSettings::availablePorts(context.home()) : QStringList{port};
    const QString found = DisplaySearch::run(link.link(), link.state(), ports, link.defaultProject(),
                                             [&](int progress, const QString &label) {
                                                 if (label.isEmpty())
                                                     return;
                                                 context.err() << progress << "% " << label << "\n";
                                                 context.err().flush();
                                             });
    if (found.isEmpty())
        return ExitFailure;
    context.out() << "found " << found << "\n";
    return ExitOk;
}

} // namespace lumetra::cli
