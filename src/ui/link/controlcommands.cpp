#include "ui/link/controlcommands.h"

#include "link/displaycontrol.h"
#include "link/displaysearch.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui/link/sendcommands.h"
#include "ui/link/tfcom.h"
#include "ui/link/tflight.h"
#include "ui/link/tflsbk.h"
#include "ui/link/tfmana.h"
#include "ui/link/tfset1.h"
#include "ui/link/tfsettimer.h"

#include <QComboBox>

namespace lumetra {

ControlCommands::ControlCommands(const Parts &parts)
    : QObject(parts.window), m_parts(parts), m_runModal([](QDialog &dialog) { return dialog.exec(); })
{
    // Created at start-up and kept, so its check box outlives each opening.
    m_border = new TF_LSBK(context(), parts.window);
    m_gate = new TFMANA(context(), parts.window);
}

ControlContext ControlCommands::context() const
{
    ControlContext c;
    c.workspace = m_parts.workspace;
    c.port = &m_parts.send->port();
    c.defaultProject = m_parts.defaultProject;
    c.prompts = m_parts.prompts;
    return c;
}

void ControlCommands::prepareLink()
{
    Workspace &ws = *m_parts.workspace;
    // The port as the list shows it, as for the send.
    m_parts.send->port().usePort(m_parts.ports->currentText());
    ws.ReplyBuffer.clear();
    ws.ReplyCount = 0;
    ws.ReplyAddressSource = 2;
}

void ControlCommands::power(bool on)
{
    prepareLink();
    m_parts.send->DISBUTTON();
    const CommandOutcome outcome = DisplayControl::SendPower(m_parts.send->port().link(), *m_parts.workspace, on);
    m_parts.send->ENBUTTON();
    if (!outcome.Message.isEmpty())
        m_parts.prompts().information(m_parts.window, outcome.Message);
}

void ControlCommands::pause(bool pause)
{
    prepareLink();
    m_parts.send->DISBUTTON();
    const CommandOutcome outcome = DisplayControl::SendPAUSE(m_parts.send->port().link(), *m_parts.workspace, pause);
    m_parts.send->ENBUTTON();
    if (!outcome.Message.isEmpty())
        m_parts.prompts().information(m_parts.window, outcome.Message);
}

void ControlCommands::runDialog(QDialog &dialog)
{
    prepareLink();
    m_parts.send->DISBUTTON();
    m_runModal(dialog);
    m_parts.send->ENBUTTON();
}

void ControlCommands::openTimer()
{
    TFSETTIMER dialog(context(), m_parts.window);
    runDialog(dialog);
}

void ControlCommands::openBrightness()
{
    TFLight dialog(context(), m_parts.window);
    runDialog(dialog);
}

void ControlCommands::openBorder()
{
    runDialog(*m_border);
}

bool ControlCommands::TBXItem16Click()
{
    m_parts.send->DISBUTTON();
    const bool accepted = m_runModal(*m_gate) == QDialog::Accepted;
    if (accepted) {
        // Made anew for every opening, so it starts from the settings as they are.
        TF_SET1 dialog(context(), m_parts.ports, m_parts.panels, m_parts.window);
        dialog.setModalRunner(m_runModal);
        m_runModal(dialog);
    }
    m_parts.send->ENBUTTON();
    return accepted;
}

void ControlCommands::TBXItem17Click()
{
    if (DisplaySearch::refuses(*m_parts.workspace)) {
        m_parts.prompts().notice(m_parts.window, QStringLiteral("信息提示"), DisplaySearch::aClassRefusal());
        return;
    }
    TF_com dialog(context(), m_parts.ports, m_parts.panels, m_parts.window);
    dialog.setModalRunner(m_runModal);
    runDialog(dialog);
}

} // namespace lumetra
