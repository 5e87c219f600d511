#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// export-usb PROJECT --to DIR [--border] [--clock "YYYY-MM-DD HH:MM:SS"]:
// writes DIR/qelto/qelto.zv and prints its path.
class ExportUsbCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
