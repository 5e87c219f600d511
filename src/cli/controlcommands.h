#pragma once

#include "cli/command.h"

namespace lumetra::cli {

// power on|off [--port DEVICE]
class PowerCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

// pause / resume [--port DEVICE]: the same frame with 1 or 0.
class PauseCommand : public Command
{
public:
    explicit PauseCommand(bool pause) : m_pause(pause) {}
    int run(CliContext &context, const QStringList &args) override;

private:
    bool m_pause;
};

// time [--on HH:MM --off HH:MM] [--port DEVICE]: sets the card's clock to the
// computer's and sends the power times (stored first when given).
class TimeCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

// brightness --day HH:MM LEVEL --night HH:MM LEVEL [--port DEVICE]
class BrightnessCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

// border on|off [--port DEVICE]
class BorderCommand : public Command
{
public:
    int run(CliContext &context, const QStringList &args) override;
};

} // namespace lumetra::cli
