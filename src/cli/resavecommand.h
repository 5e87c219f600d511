#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// resave PROJECT [--as NEW.zvp]: load and save again, with the semantics of
// Save As when --as is given.
class ResaveCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
