#include "ui/link/controllerport.h"

#include "link/portsettings.h"

namespace lumetra {

ControllerPort::ControllerPort(Workspace &workspace, std::unique_ptr<Transport> transport, QObject *parent)
    : QObject(parent), m_workspace(workspace),
      m_transport(transport ? std::move(transport) : std::make_unique<SerialTransport>())
{
    m_link = std::make_unique<ControllerLink>(m_workspace, *m_transport);
}

void ControllerPort::usePort(const QString &name)
{
    // Kept in the display record too, which every selection copies back.
    if (!name.trimmed().isEmpty()) {
        m_workspace.ComPort.PortName = name.trimmed().toLocal8Bit();
        m_workspace.display().SerialPort = m_workspace.ComPort.PortName;
    }
    m_workspace.ComPort.BaudRate = PortSettings::appliedBaudRate(m_workspace.display().BaudRate);
}

} // namespace lumetra
