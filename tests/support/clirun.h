#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace lumetra::test {

// One run of bin/lumetra-cli: its exit code (-1 when it crashed or hung) and
// what it printed.
struct CliRun
{
    int code = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-cli"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace lumetra::test
