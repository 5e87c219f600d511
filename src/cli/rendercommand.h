#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// render PROJECT [--program N] [--zone Z]: renders the zones as the editor
// shows them, writes their bitmaps under ExtFile/ and prints one line per
// zone: program zone kind WxH pages=N content-height=H file=PATH.
class RenderCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
