#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// info PROJECT [--json]: the display settings, then every program with its
// template, schedule and zones.
class InfoCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
