#include "cli/clicontext.h"

#include "model/apphome.h"
#include "model/error.h"
#include "model/projectfile.h"

#include <QFileInfo>

#include <cstdio>

namespace lumetra::cli {

CliContext::CliContext(const QString &home) : m_home(home), m_out(stdout), m_err(stderr) {}

void CliContext::openLikeTheWindow(const QString &project)
{
    const QFileInfo info(project);
    if (!info.isFile())
        throw Error(QStringLiteral("项目文件 \"%1\" 不存在。").arg(project), project);

    const QString defaultPath = AppHome::defaultProjectPath(m_home);
    setProjectPath(m_workspace, defaultPath);
    LoadProject(m_workspace, defaultPath);
    if (info.absoluteFilePath() != QFileInfo(defaultPath).absoluteFilePath())
        openProject(m_workspace, info.absoluteFilePath());
}

void CliContext::takeDisplaySettings()
{
    static_cast<DisplaySettings &>(m_workspace.WorkingSettings) = m_workspace.display();
}

} // namespace lumetra::cli
