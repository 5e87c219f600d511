#include "link/serialtransport.h"

#include "link/linkmessages.h"
#include "model/error.h"

#include <QRegularExpression>

namespace lumetra {

SerialTransport::SerialTransport(QObject *parent) : Transport(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialTransport::readAvailable);
}

SerialTransport::~SerialTransport()
{
    close();
}

QString SerialTransport::devicePath(const QByteArray &portName)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QString name = QString::fromLocal8Bit(portName).trimmed();
    const QRegularExpressionMatch m = com.match(name);
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    return name;
}

void SerialTransport::open(const QByteArray &portName, int baudRate)
{
    close();
    const QString path = devicePath(portName);
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite)) {
        QString detail = QStringLiteral("%1: %2").arg(path, m_port.errorString());
        if (m_port.error() == QSerialPort::PermissionError)
            detail += QStringLiteral(" (the user needs to be in the dialout group)");
        throw Error(sendFailedMessage(), detail);
    }
    const bool settled = m_port.setBaudRate(baudRate) && m_port.setDataBits(QSerialPort::Data8) &&
                         m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
                         m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!settled) {
        const QString detail = QStringLiteral("%1: %2").arg(path, m_port.errorString());
        m_port.close();
        throw Error(sendFailedMessage(), detail);
    }
    // A pseudo-terminal has no modem lines ("Inappropriate ioctl"); the port
    // works without them.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(false);
    m_port.clearError();
}

void SerialTransport::write(QByteArrayView frame)
{
    if (!m_port.isOpen())
        throw Error(sendFailedMessage(), m_port.portName());
    const qint64 written = m_port.write(frame.data(), frame.size());
    if (written != frame.size()) {
        throw Error(sendFailedMessage(), QStringLiteral("%1: %2").arg(m_port.portName(), m_port.errorString()));
    }
    // Hand the frame to the driver now rather than when the event loop next
    // runs, so the wait starts with the frame on its way.
    m_port.flush();
    if (m_port.error() == QSerialPort::WriteError || m_port.error() == QSerialPort::ResourceError)
        throw Error(sendFailedMessage(), QStringLiteral("%1: %2").arg(m_port.portName(), m_port.errorString()));
}

void SerialTransport::close()
{
    if (m_port.isOpen()) {
        // Whatever is still queued goes out before the port closes.
        m_port.waitForBytesWritten(200);
        m_port.close();
    }
}

void SerialTransport::readAvailable()
{
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty())
        emit received(bytes);
}

} // namespace lumetra
