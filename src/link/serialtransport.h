#pragma once

#include "link/transport.h"

#include <QSerialPort>
#include <QString>

namespace lumetra {

// The serial port at the card's fixed settings: 8N1, no flow control, DTR
// on, RTS off.
class SerialTransport : public Transport
{
    Q_OBJECT

public:
    explicit SerialTransport(QObject *parent = nullptr);
    ~SerialTransport() override;

    // "COMn" is /dev/ttyS(n-1); any other name or device path as given.
    static QString devicePath(const QByteArray &portName);

    void open(const QByteArray &portName, int baudRate) override;
    void write(QByteArrayView frame) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }

private:
    void readAvailable();

    QSerialPort m_port;
};

} // namespace lumetra
