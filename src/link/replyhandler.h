#pragma once

#include "link/addressselectors.h"
#include "link/parameterreply.h"
#include "model/workspace.h"

#include <QByteArrayView>
#include <QObject>

namespace lumetra {

// Recognises the card's answers in the bytes as they arrive and keeps the
// reply state of the workspace (ReplyBuffer, ReplyCount, ReplyCode).
class ReplyHandler : public QObject
{
    Q_OBJECT

public:
    ReplyHandler(WorkspaceState &state, const AddressSelectors &selectors, QObject *parent = nullptr);

    // Empties the buffer and clears ReplyCode, as each transaction starts.
    void reset();

    // While a read-parameters transaction waits, only the 33-byte reply
    // counts: a piece that ends at 3 bytes is kept, not taken for an
    // acknowledgement. A parameter reply is decoded only then.
    void setAwaitingParameters(bool awaiting) { m_awaitingParameters = awaiting; }
    bool awaitingParameters() const { return m_awaitingParameters; }

    // The received-character handler: bytes just read from the port.
    void ComPortRxChar(QByteArrayView bytes);

    // The address an acknowledgement must carry under ReplyAddressSource.
    int expectedAddress() const;

signals:
    void replyAccepted();
    void parametersReceived(const lumetra::ParameterValues &values);

private:
    void clearBuffer();
    bool acknowledgementAccepted(const QByteArray &answer) const;

    WorkspaceState &m_state;
    const AddressSelectors &m_selectors;
    bool m_awaitingParameters = false;
};

} // namespace lumetra
