#include "link/commandtable.h"

#include "link/linkmessages.h"

namespace lumetra {

CommandEntry CommandEntry::of(CommandKind kind)
{
    using NA = NoAnswerPolicy;
    using PE = PortErrorPolicy;
    auto row = [kind](int source, NA noAnswer, PE portError, bool parameters = false) {
        CommandEntry s;
        s.ReplyAddressSource = source;
        s.NoAnswer = noAnswer;
        s.PortError = portError;
        s.ParameterReply = parameters;
        s.Kind = kind;
        return s;
    };
    switch (kind) {
    case CommandKind::ProgramIndex:
    case CommandKind::ProgramData:
        return row(2, NA::Silent, PE::PassToCaller);
    case CommandKind::TransferLoad:
        return row(2, NA::Message, PE::PassToCaller);
    case CommandKind::Brightness:
    case CommandKind::Border:
    case CommandKind::Timer:
    case CommandKind::Power:
    case CommandKind::Pause:
        return row(2, NA::Message, PE::Message);
    case CommandKind::ScreenSet:
        return row(0, NA::Message, PE::Message);
    case CommandKind::UnitBoardTest:
        return row(1, NA::MessageUnlessAllCards, PE::Message);
    case CommandKind::CommunicationTest:
        return row(1, NA::MessageUnlessAllCards, PE::Silent);
    case CommandKind::ReadParameters:
        return row(0, NA::Message, PE::Message, true);
    case CommandKind::Probe:
        return row(2, NA::Silent, PE::Silent);
    }
    return row(2, NA::Message, PE::Message);
}

QString CommandEntry::noAnswerText(bool testAddressIsAllCards) const
{
    const bool show = NoAnswer == NoAnswerPolicy::Message ||
                      (NoAnswer == NoAnswerPolicy::MessageUnlessAllCards && !testAddressIsAllCards);
    return show ? noAnswerMessage() : QString();
}

QString CommandEntry::portErrorText() const
{
    return PortError == PortErrorPolicy::Message ? sendFailedMessage() : QString();
}

int CommandEntry::timeoutMs(int blockNumber) const
{
    switch (Kind) {
    case CommandKind::ProgramIndex:
    case CommandKind::CommunicationTest:
    case CommandKind::Probe:
        return 1000;
    case CommandKind::ProgramData:
        return blockNumber % 8 == 0 ? 1500 : 600;
    case CommandKind::TransferLoad:
    case CommandKind::Timer:
    case CommandKind::Power:
    case CommandKind::Pause:
        return 300;
    case CommandKind::Brightness:
        return 2000;
    case CommandKind::Border:
    case CommandKind::ScreenSet:
    case CommandKind::UnitBoardTest:
    case CommandKind::ReadParameters:
        return 1200;
    }
    return 1000;
}

} // namespace lumetra
