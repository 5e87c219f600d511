#pragma once

#include "link/addressselectors.h"
#include "link/commandtable.h"
#include "link/replyhandler.h"
#include "link/transport.h"
#include "model/workspace.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

class QEventLoop;

namespace lumetra {

// How a command ended: answered (always so for A-class cards after the full
// wait), and the message the window shows, if any.
struct CommandOutcome
{
    bool Answered = false;
    QString Message;
};

// The request-and-answer link to the card: every frame is one open, write,
// wait, close on the transport, the reply state kept in the workspace.
class ControllerLink : public QObject
{
    Q_OBJECT

public:
    ControllerLink(WorkspaceState &state, Transport &transport, QObject *parent = nullptr);

    AddressSelectors &selectors() { return m_selectors; }
    ReplyHandler &replies() { return m_replies; }

    // Opens the port of the serial settings, resets the reply state, writes
    // the frame, waits, closes. Throws Error ("串口数据发送失败。" with the
    // system's reason as subject) when the port fails; the port is closed.
    void transact(QByteArrayView frame, int timeoutMs);

    // Waits on the event loop until an answer is accepted or the time-out
    // passes; the result is in ReplyCode (8 for A-class cards after the wait).
    void WaitForReply(int timeoutMs);

    // A whole command of the command table: sets the reply address source,
    // runs the transaction and reports as the table says. Port errors the
    // table passes to the caller are rethrown.
    CommandOutcome runCommand(CommandKind kind, QByteArrayView frame, int blockNumber = 0);

private:
    void answerArrived();

    WorkspaceState &m_state;
    Transport &m_transport;
    AddressSelectors m_selectors;
    ReplyHandler m_replies;
    QEventLoop *m_wait = nullptr;
};

} // namespace lumetra
