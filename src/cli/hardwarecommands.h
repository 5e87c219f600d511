#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// screen-set [--port DEVICE]: the display's parameters to the card.
class ScreenSetCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

// read-params [--port DEVICE]: the card's parameters, one line of
// name=value pairs (B- and C-class cards).
class ReadParamsCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

// test unit|link [--port DEVICE]: the unit-board test or the communication test.
class TestCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

// find: probes every listed port (or --port only) until a card answers; the
// found port becomes the display's port.
class FindCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
