#include "cli/sendcommand.h"

#include "cli/clicontext.h"
#include "cli/progressprinter.h"

#include "link/controllerlink.h"
#include "link/portsettings.h"
#include "link/programsender.h"
#include "link/serialtransport.h"
#include "model/gbk.h"

namespace lumetra::cli {

int SendCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString port = reader.option(QStringLiteral("--port"));
    const QString project = reader.positional(1, QStringLiteral("PROJECT")).first();

    context.openLikeTheWindow(project);
    context.takeDisplaySettings();
    Workspace &ws = context.workspace();
    if (!port.isEmpty())
        ws.ComPort.PortName = port.toLocal8Bit();
    ws.ComPort.BaudRate = PortSettings::appliedBaudRate(ws.display().BaudRate);
    ws.ReplyBuffer.clear();
    ws.ReplyCount = 0;
    ws.ReplyAddressSource = 2;

    SerialTransport transport;
    ControllerLink link(ws, transport);
    ProgramPreparation preparation;
    ProgramSender sender(ws, link, preparation);
    ProgressPrinter printer(context.err());
    sender.progress = [&printer](const TransferProgress &p) { printer(p); };
    sender.message = [&context, &ws](const QString &text) {
        context.err() << QStringLiteral("节目%1: ").arg(ws.CurrentProgram) << text << "\n";
        context.err().flush();
    };
    // A port error propagates: main reports "串口数据发送失败。", exit 1.
    sender.transdata();
    context.out() << "sent " << ws.display().ProgramCount << " programs to "
                  << SerialTransport::devicePath(ws.ComPort.PortName) << "\n";
    return ExitOk;
}

} // namespace lumetra::cli
