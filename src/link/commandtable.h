#pragma once

#include <QString>

namespace lumetra {

enum class CommandKind {
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
    Probe,
};

// What happens when no answer comes, or the port fails.
enum class NoAnswerPolicy { Silent, Message, MessageUnlessAllCards };
enum class PortErrorPolicy { PassToCaller, Message, Silent };

// One row of the command table: time-out, whose address the answer must
// carry (ReplyAddressSource), and how failures are reported.
struct CommandEntry
{
    int ReplyAddressSource = 2;
    bool ParameterReply = false;
    NoAnswerPolicy NoAnswer = NoAnswerPolicy::Message;
    PortErrorPolicy PortError = PortErrorPolicy::Message;

    // blockNumber: the program data block's number; other frames ignore it.
    int timeoutMs(int blockNumber = 0) const;

    static CommandEntry of(CommandKind kind);

    // The message the window shows when no answer came; empty for none.
    // testAddressIsAllCards: the hardware dialog's test address on "所有卡".
    QString noAnswerText(bool testAddressIsAllCards) const;
    // The message for a port error the command catches itself.
    QString portErrorText() const;

    CommandKind Kind = CommandKind::Probe;
};

} // namespace lumetra
