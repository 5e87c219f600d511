#pragma once

#include "link/controllerlink.h"
#include "link/serialtransport.h"

#include <QString>

namespace lumetra::cli {

class CliContext;

// The card link of a control command: the home's default project loaded as
// the window loads it at start, the port from --port or the project, and the
// outcome reported on the streams.
class CliLink
{
public:
    CliLink(CliContext &context, const QString &port);

    ControllerLink &link() { return m_link; }
    WorkspaceState &state();
    const QString &defaultProject() const { return m_defaultProject; }

    // "<what> answered" on standard output, or the system's message on
    // standard error; exit 1 when the card did not answer (A-class cards
    // always count as answered).
    int report(const QString &what, const CommandOutcome &outcome);

private:
    CliContext &m_context;
    QString m_defaultProject;
    SerialTransport m_transport;
    ControllerLink m_link;
};

} // namespace lumetra::cli
