#pragma once

#include <QObject>

namespace lumetra::sign {

// Turns SIGINT and SIGTERM into a signal on the event loop, so the card
// stops between frames and removes its link.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    void stopRequested();

private:
    static void onSignal(int);
    static int s_fds[2];
};

} // namespace lumetra::sign
