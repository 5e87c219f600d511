#include "link/programsender.h"

#include "link/controllerlink.h"
#include "link/frames.h"
#include "link/programstream.h"

#include <algorithm>

namespace lumetra {

ProgramSender::ProgramSender(Workspace &workspace, ControllerLink &link, ProgramPreparation &preparation)
    : m_workspace(workspace), m_link(link), m_preparation(preparation)
{
}

void ProgramSender::report(const TransferProgress &p) const
{
    if (progress)
        progress(p);
}

void ProgramSender::tell(const QString &text) const
{
    if (message && !text.isEmpty())
        message(text);
}

void ProgramSender::transdata()
{
    const int programs = std::clamp(m_workspace.display().ProgramCount, 0, MaxPrograms);
    for (int k = 0; k < programs; ++k)
        sendProgram(k);
}

void ProgramSender::sendProgram(int k)
{
    Workspace &ws = m_workspace;
    const PreparedProgram prepared = m_preparation.prepare(ws, k);
    for (const QString &text : prepared.messages)
        tell(text);

    const AddressSelectors &selectors = m_link.selectors();
    m_link.runCommand(CommandKind::ProgramIndex, programIndexFrame(ws.display(), k, selectors));

    const ProgramStream stream(ws.planes(), StreamGeometry::fromSettings(ws.WorkingSettings), ws.program(k + 1));
    TransferProgress p{k + 1, 0, stream.bytes().size()};
    report(p);
    const int blocks = stream.blockCount();
    for (int i = 0; i < blocks; ++i) {
        const int number = ProgramStream::blockNumber(i);
        m_link.runCommand(CommandKind::ProgramData, programDataFrame(selectors, k + 1, number, stream.block(i)),
                          number);
        p.position = std::min<qint64>(qint64(i + 1) * DataBlockSize, p.maximum);
        report(p);
    }

    // An answered last block (or an A-class card) ends this pause at once.
    m_link.WaitForReply(1000);
    const CommandOutcome loaded =
        m_link.runCommand(CommandKind::TransferLoad, transferLoadFrame(selectors, k + 1, stream.finalBlockValue()));
    tell(loaded.Message);
}

} // namespace lumetra
