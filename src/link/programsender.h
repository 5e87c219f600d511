#pragma once

#include "link/programpreparation.h"

#include <QString>

#include <functional>

namespace lumetra {

class ControllerLink;

// How far a send or an export is: program n (1-based) with position bytes
// of maximum packed; reported at the start, after every block and at the end.
struct TransferProgress
{
    int program = 0;
    qint64 position = 0;
    qint64 maximum = 0;

    // position × 100 ÷ maximum; 0 for an empty program.
    int percent() const { return maximum > 0 ? int(position * 100 / maximum) : 0; }
};

// transdata: every program of the display to the card, in order: the index
// frame, the data blocks with their waits, the transfer-load frame.
class ProgramSender
{
public:
    ProgramSender(Workspace &workspace, ControllerLink &link, ProgramPreparation &preparation);

    std::function<void(const TransferProgress &)> progress;
    // The messages the window shows: a transfer-load without an answer (once
    // per program), a renderer's overflow.
    std::function<void(const QString &)> message;

    // Throws Error when the port fails; the programs before stay sent.
    void transdata();

private:
    void sendProgram(int k);
    void report(const TransferProgress &p) const;
    void tell(const QString &text) const;

    Workspace &m_workspace;
    ControllerLink &m_link;
    ProgramPreparation &m_preparation;
};

} // namespace lumetra
