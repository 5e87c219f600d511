#include "ui/link/sendcommands.h"

#include "link/linkmessages.h"
#include "link/programsender.h"
#include "model/error.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui/link/signpreview.h"
#include "ui/link/tfdown.h"
#include "ui/link/tfseltime.h"
#include "ui/link/tfusb.h"
#include "ui/project/programnavigator.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QProgressBar>

namespace lumetra {

SendCommands::SendCommands(const Parts &parts)
    : QObject(parts.window), m_parts(parts), m_port(std::make_unique<ControllerPort>(*parts.workspace)),
      m_usbClockDate(QDate::currentDate()), m_usbClockTime(16, 0, 0),
      m_runModal([](QDialog &dialog) { return dialog.exec(); })
{
    // Created at start-up and reused, as the window's other start-up windows.
    m_progress = new TFDown(parts.window);
    m_timeDialog = new TF_seltime(parts.window);
}

SendCommands::~SendCommands() = default;

void SendCommands::DISBUTTON()
{
    for (QAction *action : std::as_const(m_parts.controllerActions))
        action->setEnabled(false);
}

void SendCommands::ENBUTTON()
{
    for (QAction *action : std::as_const(m_parts.controllerActions))
        action->setEnabled(true);
}

void SendCommands::selectFirstProgram()
{
    Workspace &ws = *m_parts.workspace;
    if (ws.display().ProgramCount <= 0)
        return;
    ws.CurrentProgram = 1;
    m_parts.navigator->find_jiemu();
    m_parts.navigator->OBJECT_TREEMouseDown(false);
}

void SendCommands::selectPort(const QString &name)
{
    QComboBox *ports = m_parts.ports;
    if (ports->findText(name) < 0)
        ports->addItem(name);
    ports->setCurrentText(name);
    m_parts.workspace->StatusPanels[4] = name;
    m_port->usePort(name);
}

void SendCommands::TBXItem7Click()
{
    QWidget *window = m_parts.window;
    UserPrompts &prompts = m_parts.prompts();
    if (m_parts.ports->count() == 0 && m_parts.ports->currentText().isEmpty()) {
        prompts.information(window, noSerialPortMessage());
        return;
    }
    Workspace &ws = *m_parts.workspace;
    // The port as the list shows it now, before selecting program 1 fills
    // the list from the display record.
    m_port->usePort(m_parts.ports->currentText());
    try {
        ws.ReplyBuffer.clear();
        ws.ReplyCount = 0;
        ws.ReplyAddressSource = 2;
        selectFirstProgram();
        if (!prompts.question(window, QStringLiteral("请确定是否发送当前这些节目到显示屏内?\r\n"
                                                     "发送按'Yes',不发送按'NO'.")))
            return;
    } catch (const Error &e) {
        prompts.information(window, e.text().isEmpty() ? sendFailedMessage() : e.text());
        showSelectedProgram();
        return;
    }
    sendThrough(*m_port);
}

void SendCommands::sendThrough(ControllerPort &port)
{
    QWidget *window = m_parts.window;
    UserPrompts &prompts = m_parts.prompts();
    try {
        DISBUTTON();
        m_progress->progressBar()->setValue(0);
        if (!m_progress->isVisible())
            m_progress->show();
        transdata(port);
        if (m_progress->isVisible())
            m_progress->close();
        ENBUTTON();
    } catch (const Error &e) {
        // A port error carries "串口数据发送失败。"; a zone bitmap that
        // cannot be written says so itself rather than blaming the port.
        prompts.information(window, e.text().isEmpty() ? sendFailedMessage() : e.text());
        if (m_progress->isVisible())
            m_progress->close();
        ENBUTTON();
    } catch (...) {
        // Anything else reaches the application's error box, the items on again.
        if (m_progress->isVisible())
            m_progress->close();
        ENBUTTON();
        showSelectedProgram();
        throw;
    }
    showSelectedProgram();
}

void SendCommands::showSelectedProgram()
{
    // The send leaves the selection on the last zone it rendered while the
    // tree and the panels show program 1: edits would land in another zone.
    selectFirstProgram();
}

void SendCommands::transdata()
{
    transdata(*m_port);
}

void SendCommands::transdata(ControllerPort &port)
{
    ProgramSender sender(*m_parts.workspace, port.link(), port.preparation());
    sender.progress = [this](const TransferProgress &p) { m_progress->showProgress(p); };
    sender.message = [this](const QString &text) { m_parts.prompts().information(m_parts.window, text); };
    sender.transdata();
}

void SendCommands::previewClick()
{
    QString error;
    if (!m_preview)
        m_preview = new SignPreview(m_parts.home, this);
    if (!m_preview->start(error)) {
        m_parts.prompts().information(m_parts.window, error);
        return;
    }
    if (!m_previewPort)
        m_previewPort = std::make_unique<ControllerPort>(*m_parts.workspace);
    Workspace &ws = *m_parts.workspace;
    ws.ReplyBuffer.clear();
    ws.ReplyCount = 0;
    ws.ReplyAddressSource = 2;
    selectFirstProgram();
    // The preview's link only for this send: the port the project keeps and
    // the list shows stay the real card's.
    const SerialComponentSettings kept = ws.ComPort;
    ws.ComPort.PortName = m_preview->link().toLocal8Bit();
    struct Restore
    {
        Workspace &ws;
        const SerialComponentSettings &kept;
        ~Restore() { ws.ComPort = kept; }
    } restore{ws, kept};
    sendThrough(*m_previewPort);
}

void SendCommands::TBXItem13Click()
{
    Workspace &ws = *m_parts.workspace;
    selectFirstProgram();
    DISBUTTON();
    {
        UsbDialogParts parts;
        parts.workspace = &ws;
        parts.preparation = &m_port->preparation();
        parts.selectors = &m_port->link().selectors();
        parts.prompts = &m_parts.prompts();
        parts.timeDialog = m_timeDialog;
        parts.clockDate = &m_usbClockDate;
        parts.clockTime = &m_usbClockTime;
        parts.runModal = m_runModal;
        // Created for each export, gone when closed.
        TF_usb dialog(parts, m_parts.window);
        dialog.progressBar()->setValue(0);
        m_runModal(dialog);
    }
    ENBUTTON();
    if (ws.display().ProgramCount > 0) {
        // The export leaves the selection on the first program's zone 1.
        ws.CurrentProgram = 1;
        m_parts.navigator->find_fenqu(1);
        m_parts.navigator->OBJECT_TREEMouseDown(false);
    }
}

} // namespace lumetra
