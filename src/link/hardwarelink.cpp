#include "link/hardwarelink.h"

#include "link/frames.h"
#include "model/gbk.h"

#include <algorithm>

namespace lumetra {

namespace {

bool isAClass(const WorkspaceState &state)
{
    return state.display().CardModel == toGbk(u"A类卡");
}

} // namespace

int HardwareLink::addressIndex(int32_t cardAddress)
{
    return std::clamp(cardAddress, 1, 129) - 1;
}

CommandOutcome HardwareLink::SendDispScreenSet(ControllerLink &link, WorkspaceState &state)
{
    const QByteArray block =
        screenParameterBlock(state.display(), state.WorkingSettings, ParameterBlockVariant::Serial);
    return link.runCommand(CommandKind::ScreenSet, screenSetFrame(block));
}

CommandOutcome HardwareLink::readParameters(ControllerLink &link, WorkspaceState &state,
                                            std::optional<ParameterValues> &values)
{
    values.reset();
    const int index = addressIndex(state.display().CardAddress);
    link.selectors().CardAddressIndex = index;
    const QMetaObject::Connection taken =
        QObject::connect(&link.replies(), &ReplyHandler::parametersReceived,
                         [&values](const ParameterValues &received) { values = received; });
    CommandOutcome outcome;
    try {
        outcome = link.runCommand(CommandKind::ReadParameters, readParametersFrame(index));
    } catch (...) {
        QObject::disconnect(taken);
        throw;
    }
    QObject::disconnect(taken);
    // An A-class card counts as answered after the wait, but it sent nothing.
    if (!values)
        outcome.Answered = outcome.Answered && !isAClass(state);
    return outcome;
}

CommandOutcome HardwareLink::SendTest(ControllerLink &link, WorkspaceState &state)
{
    link.selectors().TestAddressIndex = addressIndex(state.display().CardAddress);
    CommandOutcome outcome = link.runCommand(
        CommandKind::UnitBoardTest, unitBoardTestFrame(link.selectors().TestAddressIndex, state.display().CardModel));
    if (outcome.Answered && !isAClass(state))
        outcome.Message = QStringLiteral("通讯连接正常。");
    return outcome;
}

CommandOutcome HardwareLink::communicationTest(ControllerLink &link, WorkspaceState &state)
{
    link.selectors().TestAddressIndex = addressIndex(state.display().CardAddress);
    CommandOutcome outcome =
        link.runCommand(CommandKind::CommunicationTest,
                        communicationTestFrame(link.selectors().TestAddressIndex, state.display().CardModel));
    if (outcome.Answered)
        outcome.Message = isAClass(state) ? QStringLiteral("A类卡请查看显示屏上是不是显示《通讯测试》,如果是通讯正常。")
                                          : QStringLiteral("通讯测试,通讯正常。");
    return outcome;
}

} // namespace lumetra
