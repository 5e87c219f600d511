#pragma once

#include "link/transport.h"
#include "model/error.h"

#include <QList>
#include <QTimer>

namespace lumetra {

// A transport that answers each frame from a script, through the event loop
// as a port delivers bytes.
class FakeTransport : public Transport
{
    Q_OBJECT

public:
    struct Piece
    {
        int delayMs = 0;
        QByteArray bytes;
    };

    QList<Piece> answer; // sent after every write
    bool failOpen = false;
    bool failWrite = false;
    QList<QByteArray> written;
    QStringList calls;
    QByteArray openedPort;
    int openedRate = 0;

    void open(const QByteArray &portName, int baudRate) override
    {
        calls << QStringLiteral("open");
        if (failOpen)
            throw Error(QStringLiteral("串口数据发送失败。"), QStringLiteral("no such port"));
        openedPort = portName;
        openedRate = baudRate;
        m_open = true;
    }
    void write(QByteArrayView frame) override
    {
        calls << QStringLiteral("write");
        if (failWrite)
            throw Error(QStringLiteral("串口数据发送失败。"), QStringLiteral("write failed"));
        written << frame.toByteArray();
        for (const Piece &piece : std::as_const(answer))
            QTimer::singleShot(piece.delayMs, this, [this, bytes = piece.bytes] {
                if (m_open)
                    emit received(bytes);
            });
    }
    void close() override
    {
        calls << QStringLiteral("close");
        m_open = false;
    }
    bool isOpen() const override { return m_open; }

private:
    bool m_open = false;
};

} // namespace lumetra
