#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// send PROJECT [--port DEVICE]: every program to the card, as the window's
// send does after a Yes; progress and messages on standard error. Exit 0
// when every frame was written, 1 on a port error.
class SendCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
