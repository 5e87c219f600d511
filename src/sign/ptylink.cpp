#include "sign/ptylink.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace lumetra::sign {

PtyLink::PtyLink(QObject *parent) : QObject(parent) {}

PtyLink::~PtyLink()
{
    close();
}

bool PtyLink::open(const QString &linkPath)
{
    close();
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        m_error = QStringLiteral("%1 exists and is no link").arg(linkPath);
        return false;
    }
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        m_error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    const char *name = ptsname(m_master);
    m_device = QString::fromLocal8Bit(name ? name : "");
    // Without a holder of the device the master reports a hang-up whenever
    // no client has the port open.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        m_error = QStringLiteral("cannot open %1: %2").arg(m_device, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    // Raw bytes both ways until a client sets its own mode.
    termios t{};
    if (tcgetattr(m_slave, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(m_slave, TCSANOW, &t);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

    if (existing.isSymLink())
        ::unlink(QFile::encodeName(linkPath).constData());
    if (::symlink(QFile::encodeName(m_device).constData(), QFile::encodeName(linkPath).constData()) != 0) {
        m_error =
            QStringLiteral("cannot make the link %1: %2").arg(linkPath, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    m_link = linkPath;
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyLink::readAvailable);
    return true;
}

void PtyLink::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (!m_link.isEmpty()) {
        // Only our own link goes; another card may have taken the path since.
        if (QFileInfo(m_link).symLinkTarget() == m_device)
            ::unlink(QFile::encodeName(m_link).constData());
        m_link.clear();
    }
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

void PtyLink::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "lumetra-sign: write failed: %s\n", std::strerror(errno));
            return;
        }
        done += n;
    }
}

void PtyLink::readAvailable()
{
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n > 0) {
            bytes.append(chunk, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: all read
    }
    if (!bytes.isEmpty())
        emit received(bytes);
}

} // namespace lumetra::sign
