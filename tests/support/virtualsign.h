#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace lumetra::test {

// The virtual card (bin/lumetra-sign) on a pseudo-terminal in a folder of its
// own, stopped when the object goes. The link is named after the test's
// process so that parallel tests never share a port lock.
class VirtualSign
{
public:
    // extra: further options of lumetra-sign, e.g. --params FILE.
    bool start(const QString &cardClass = QStringLiteral("B"), const QStringList &extra = {})
    {
        m_process.setProgram(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"));
        m_process.setArguments(QStringList{"--link", link(), "--class", cardClass, "--out", out()} + extra);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        // It prints its line once the link is in place.
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(5000))
                return false;
        return m_process.readLine().startsWith("card ");
    }
    // A card that holds the given parameter block (as a parameter read returns it).
    bool startWithParameters(const QString &cardClass, const QByteArray &block)
    {
        QFile file(m_dir.filePath(QStringLiteral("params.bin")));
        if (!file.open(QIODevice::WriteOnly) || file.write(block) != block.size())
            return false;
        file.close();
        return start(cardClass, {QStringLiteral("--params"), file.fileName()});
    }
    ~VirtualSign()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    QString link() const { return m_dir.filePath(QStringLiteral("sign-%1").arg(QCoreApplication::applicationPid())); }
    QString out() const { return m_dir.filePath(QStringLiteral("out")); }
    QString folder() const { return m_dir.path(); }
    QByteArray log() const
    {
        QFile f(out() + QStringLiteral("/frames.jsonl"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace lumetra::test
