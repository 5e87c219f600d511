#pragma once

#include "link/controllerlink.h"
#include "link/programpreparation.h"
#include "link/serialtransport.h"

#include <QObject>
#include <QString>

#include <memory>

namespace lumetra {

// The window's serial port and its request-and-answer link, and the
// send-time renderers the send and the export share.
class ControllerPort : public QObject
{
    Q_OBJECT
public:
    // transport: the port to use; the serial port when none is given.
    ControllerPort(Workspace &workspace, std::unique_ptr<Transport> transport = {}, QObject *parent = nullptr);

    ControllerLink &link() { return *m_link; }
    Transport &transport() { return *m_transport; }
    ProgramPreparation &preparation() { return m_preparation; }

    // The port the port list shows: the name the next command opens, at
    // the display's baud rate.
    void usePort(const QString &name);

private:
    Workspace &m_workspace;
    std::unique_ptr<Transport> m_transport;
    std::unique_ptr<ControllerLink> m_link;
    ProgramPreparation m_preparation;
};

} // namespace lumetra
