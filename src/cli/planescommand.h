#pragma once

#include "cli/command.h"

#include <QImage>

namespace lumetra {
class Workspace;
}

namespace lumetra::cli {

// planes PROJECT --program N --out FILE.png: program N rendered for sending,
// the red plane as R and the green plane as G over the rows and byte columns
// that would be sent (G dark on a single-colour display, which sends none).
class PlanesCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;

    // The picture of the planes as they stand for program k (0-based).
    static QImage picture(const Workspace &workspace, int k);
};

} // namespace lumetra::cli
