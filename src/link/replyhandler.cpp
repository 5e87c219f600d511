#include "link/replyhandler.h"

#include "link/frames.h"

namespace lumetra {

ReplyHandler::ReplyHandler(WorkspaceState &state, const AddressSelectors &selectors, QObject *parent)
    : QObject(parent), m_state(state), m_selectors(selectors)
{
}

void ReplyHandler::reset()
{
    clearBuffer();
    m_state.ReplyCode = 0;
}

void ReplyHandler::clearBuffer()
{
    m_state.ReplyBuffer.clear();
    m_state.ReplyCount = 0;
}

int ReplyHandler::expectedAddress() const
{
    switch (m_state.ReplyAddressSource) {
    case 0:
        return m_state.display().CardAddress;
    case 1:
        return m_selectors.TestAddressIndex + 1;
    default:
        return m_selectors.TargetIndex + 1;
    }
}

bool ReplyHandler::acknowledgementAccepted(const QByteArray &b) const
{
    if (static_cast<uint8_t>(b[0]) != AcknowledgementByte)
        return false;
    if (m_selectors.TargetIndex == BroadcastItem && m_state.ReplyAddressSource != 1)
        return true;
    // Screen parameters sent to all cards: each card answers with its own
    // address, and none has 129.
    if (m_state.ReplyAddressSource == 0 && m_state.display().CardAddress > 128)
        return true;
    return static_cast<uint8_t>(b[1]) == expectedAddress();
}

void ReplyHandler::ComPortRxChar(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    m_state.ReplyBuffer.append(bytes.data(), bytes.size());
    m_state.ReplyCount = static_cast<int32_t>(m_state.ReplyBuffer.size());

    // Line noise before an acknowledgement: the answer is the last three
    // bytes, so a burst of garbage in the same wait does not hide it.
    if (!m_awaitingParameters && m_state.ReplyCount > AcknowledgementLength) {
        const QByteArray tail = m_state.ReplyBuffer.right(AcknowledgementLength);
        if (acknowledgementAccepted(tail)) {
            clearBuffer();
            m_state.ReplyCode = 8;
            emit replyAccepted();
            return;
        }
    }

    // Too long for any answer: garbage, dropped with what just came.
    if (m_state.ReplyCount > ParameterReplyLength) {
        clearBuffer();
        return;
    }

    if (m_state.ReplyCount == AcknowledgementLength && !m_awaitingParameters) {
        const bool accepted = acknowledgementAccepted(m_state.ReplyBuffer);
        clearBuffer();
        if (accepted) {
            m_state.ReplyCode = 8;
            emit replyAccepted();
        }
        return;
    }

    if (m_state.ReplyCount == ParameterReplyLength) {
        const QByteArray reply = m_state.ReplyBuffer;
        clearBuffer();
        // Only "SNDR" asks for this answer; at any other time it is noise.
        if (!m_awaitingParameters || !ParameterReply::matches(reply, m_state.display().CardAddress))
            return;
        const ParameterValues values = ParameterReply::decode(reply, m_state.display());
        m_state.ReplyCode = 8;
        emit parametersReceived(values);
        emit replyAccepted();
    }
}

} // namespace lumetra
