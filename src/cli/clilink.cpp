#include "cli/clilink.h"

#include "cli/clicontext.h"
#include "cli/command.h"

#include "model/apphome.h"
#include "model/gbk.h"

namespace lumetra::cli {

CliLink::CliLink(CliContext &context, const QString &port)
    : m_context(context), m_defaultProject(AppHome::defaultProjectPath(context.home())),
      m_link(context.workspace(), m_transport)
{
    context.openLikeTheWindow(m_defaultProject);
    WorkspaceState &ws = context.workspace();
    DisplayRecord &d = ws.display();
    ws.ComPort.PortName = port.isEmpty() ? d.SerialPort : toGbk(port);
    ws.ComPort.BaudRate = mapBaudRate(d.BaudRate);
}

WorkspaceState &CliLink::state()
{
    return m_context.workspace();
}

int CliLink::report(const QString &what, const CommandOutcome &outcome)
{
    if (outcome.Answered) {
        m_context.out() << what << " answered\n";
        return ExitOk;
    }
    m_context.err() << outcome.Message << "\n";
    return ExitFailure;
}

} // namespace lumetra::cli
