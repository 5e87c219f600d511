#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace lumetra::sign {

// A pseudo-terminal whose device is reachable through a link at a chosen
// path, so that any program opens it as a serial port.
class PtyLink : public QObject
{
    Q_OBJECT

public:
    explicit PtyLink(QObject *parent = nullptr);
    ~PtyLink() override;

    // Opens the terminal and makes the link; an old link at linkPath is
    // replaced, any other file there is not. Returns false with error() set.
    bool open(const QString &linkPath);
    void close();

    void write(const QByteArray &bytes);

    QString devicePath() const { return m_device; }
    QString error() const { return m_error; }

signals:
    void received(const QByteArray &bytes);

private:
    void readAvailable();

    int m_master = -1;
    int m_slave = -1; // held open so the terminal lives between the clients' opens
    QString m_device;
    QString m_link;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace lumetra::sign
