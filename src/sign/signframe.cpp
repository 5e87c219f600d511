#include "sign/signframe.h"

namespace lumetra::sign {

const char *frameKindName(FrameKind kind)
{
    switch (kind) {
    case FrameKind::ProgramIndex:
        return "program-index";
    case FrameKind::ProgramData:
        return "program-data";
    case FrameKind::TransferLoad:
        return "transfer-load";
    case FrameKind::Brightness:
        return "brightness";
    case FrameKind::Border:
        return "border";
    case FrameKind::Timer:
        return "timer";
    case FrameKind::Power:
        return "power";
    case FrameKind::Pause:
        return "pause";
    case FrameKind::ScreenSet:
        return "screen-set";
    case FrameKind::UnitBoardTest:
        return "unit-board-test";
    case FrameKind::CommunicationTest:
        return "communication-test";
    case FrameKind::ReadParameters:
        return "read-parameters";
    case FrameKind::Unparsed:
        break;
    }
    return "unparsed";
}

} // namespace lumetra::sign
