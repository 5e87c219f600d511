#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

namespace lumetra {

// What stands in front of the port: open, write one frame, bytes arriving on
// the UI thread's event loop, close. Failures throw Error.
class Transport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void open(const QByteArray &portName, int baudRate) = 0;
    virtual void write(QByteArrayView frame) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

signals:
    void received(const QByteArray &bytes);
};

} // namespace lumetra
