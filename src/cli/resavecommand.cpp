#include "cli/resavecommand.h"

#include "cli/clicontext.h"

#include "model/projectfile.h"

#include <QFileInfo>

namespace lumetra::cli {

int ResaveCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString target = reader.option(QStringLiteral("--as"));
    const QString project = reader.positional(1, QStringLiteral("PROJECT")).first();

    context.openLikeTheWindow(project);
    Workspace &ws = context.workspace();
    if (target.isEmpty())
        saveProject(ws);
    else
        saveProjectAs(ws, QFileInfo(target).absoluteFilePath());
    context.out() << "saved " << ws.ProjectPath << "\n";
    return ExitOk;
}

} // namespace lumetra::cli
