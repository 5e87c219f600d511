#include "cli/exportusbcommand.h"

#include "cli/clicontext.h"
#include "cli/progressprinter.h"

#include "link/usbexport.h"
#include "model/error.h"

#include <QDateTime>

namespace lumetra::cli {

int ExportUsbCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    UsbExportOptions options;
    options.volume = reader.option(QStringLiteral("--to"));
    options.border = reader.flag(QStringLiteral("--border"));
    const QString clock = reader.option(QStringLiteral("--clock"));
    const QString project = reader.positional(1, QStringLiteral("PROJECT")).first();
    if (options.volume.isEmpty())
        throw UsageError{QStringLiteral("export-usb needs --to DIR")};
    if (!clock.isEmpty()) {
        const QDateTime at = QDateTime::fromString(clock, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!at.isValid())
            throw UsageError{QStringLiteral("--clock takes \"YYYY-MM-DD HH:MM:SS\"")};
        options.clock = true;
        options.clockDate = at.date();
        options.clockTime = at.time();
    }

    context.openLikeTheWindow(project);
    context.takeDisplaySettings();
    Workspace &ws = context.workspace();
    ProgramPreparation preparation;
    UsbExport exporter(ws, preparation, AddressSelectors{});
    ProgressPrinter printer(context.err());
    exporter.progress = [&printer](const TransferProgress &p) { printer(p); };
    exporter.message = [&context](const QString &text) { context.err() << text << "\n"; };
    try {
        context.out() << exporter.transdata_usb(options) << "\n";
    } catch (const Error &e) {
        // The cause first: a file name, or the render's own message.
        context.err() << (e.subject().isEmpty() ? e.text() : e.text() + QStringLiteral(" ") + e.subject()) << "\n";
        throw Error(QStringLiteral("数据没有导入成功。"), e.subject());
    }
    return ExitOk;
}

} // namespace lumetra::cli
