#include "link/controllerlink.h"

#include "model/error.h"

#include <QEventLoop>
#include <QTimer>

namespace lumetra {

ControllerLink::ControllerLink(WorkspaceState &state, Transport &transport, QObject *parent)
    : QObject(parent), m_state(state), m_transport(transport), m_replies(state, m_selectors)
{
    connect(&m_transport, &Transport::received, &m_replies, &ReplyHandler::ComPortRxChar);
    connect(&m_replies, &ReplyHandler::replyAccepted, this, &ControllerLink::answerArrived);
}

void ControllerLink::answerArrived()
{
    if (m_wait)
        m_wait->quit();
}

void ControllerLink::WaitForReply(int timeoutMs)
{
    if (m_state.ReplyCode == 0 && timeoutMs > 0) {
        // Sleeps on the event loop: bytes, painting and clicks are handled
        // as they come, and an accepted answer ends the wait at once.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QEventLoop *outer = m_wait;
        m_wait = &loop;
        timer.start(timeoutMs);
        loop.exec();
        m_wait = outer;
        // A command run during this wait may have taken the answer an outer
        // wait is waiting for.
        if (outer && m_state.ReplyCode != 0)
            outer->quit();
    }
    // A-class cards never answer: every wait counts as answered.
    if (isClassA(m_state.display().CardModel))
        m_state.ReplyCode = 8;
}

void ControllerLink::transact(QByteArrayView frame, int timeoutMs)
{
    try {
        m_transport.open(m_state.ComPort.PortName, m_state.ComPort.BaudRate);
        m_replies.reset();
        m_transport.write(frame);
        WaitForReply(timeoutMs);
        m_transport.close();
    } catch (...) {
        m_transport.close();
        throw;
    }
}

CommandOutcome ControllerLink::runCommand(CommandKind kind, QByteArrayView frame, int blockNumber)
{
    const CommandEntry entry = CommandEntry::of(kind);
    CommandOutcome outcome;
    m_state.ReplyAddressSource = entry.ReplyAddressSource;
    m_replies.setAwaitingParameters(entry.ParameterReply);
    try {
        transact(frame, entry.timeoutMs(blockNumber));
    } catch (const Error &) {
        m_replies.setAwaitingParameters(false);
        if (entry.PortError == PortErrorPolicy::PassToCaller)
            throw;
        outcome.Message = entry.portErrorText();
        return outcome;
    }
    m_replies.setAwaitingParameters(false);
    outcome.Answered = m_state.ReplyCode != 0;
    if (!outcome.Answered)
        outcome.Message = entry.noAnswerText(m_selectors.TestAddressIndex == BroadcastItem);
    return outcome;
}

} // namespace lumetra
