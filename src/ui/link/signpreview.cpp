#include "ui/link/signpreview.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

namespace lumetra {

SignPreview::SignPreview(const QString &home, QObject *parent) : QObject(parent), m_home(home)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

SignPreview::~SignPreview()
{
    stop();
}

QString SignPreview::link() const
{
    return QDir(m_home).filePath(QStringLiteral("preview-sign"));
}

QString SignPreview::outDir() const
{
    return QDir(m_home).filePath(QStringLiteral("preview-sign-pictures"));
}

bool SignPreview::start(QString &error)
{
    if (isRunning())
        return true;
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lumetra-sign"));
    if (!QFileInfo(program).isExecutable()) {
        error = QStringLiteral("找不到模拟显示程序 %1。").arg(QDir::toNativeSeparators(program));
        return false;
    }
    m_process.setProgram(program);
    m_process.setArguments({QStringLiteral("--link"), link(), QStringLiteral("--class"), QStringLiteral("B"),
                            QStringLiteral("--address"), QStringLiteral("1"), QStringLiteral("--out"), outDir(),
                            QStringLiteral("--window")});
    m_process.start();
    // The sign prints its "card" line once the link is in place; sending
    // before that would find no port.
    QDeadlineTimer deadline(10000);
    if (m_process.waitForStarted(int(deadline.remainingTime()))) {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(int(deadline.remainingTime())))
            ;
        if (m_process.canReadLine() && m_process.readLine().startsWith("card "))
            return true;
    }
    error = QStringLiteral("模拟显示程序没有启动: %1").arg(m_process.errorString());
    stop();
    return false;
}

void SignPreview::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

} // namespace lumetra
