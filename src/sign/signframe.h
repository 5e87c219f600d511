#pragma once

#include <QByteArray>

namespace lumetra::sign {

// The frames the card tells apart by their shapes.
enum class FrameKind {
    ProgramIndex,
    ProgramData,
    TransferLoad,
    Brightness,
    Border,
    Timer,
    Power,
    Pause,
    ScreenSet,
    UnitBoardTest,
    CommunicationTest,
    ReadParameters,
    Unparsed,
};

struct SignFrame
{
    FrameKind kind = FrameKind::Unparsed;
    QByteArray bytes;
};

// The name a frame carries in the log, e.g. "program-index".
const char *frameKindName(FrameKind kind);

} // namespace lumetra::sign
