#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace lumetra::cli {

class CliContext;

// Exit codes of the command-line contract.
enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// Raised for bad usage: the message goes to standard error, the exit code is 2.
struct UsageError
{
    QString message;
};

class Command
{
public:
    virtual ~Command() = default;
    // args are the words after the command name.
    virtual int run(CliContext &context, const QStringList &args) = 0;

    static std::unique_ptr<Command> create(const QString &name);
    static QString usage();
};

// "text", "clock" or "picture", as the output lines name the zone kinds.
const char *zoneKindName(int kind);

// Small helpers for the commands' own option parsing.
class ArgReader
{
public:
    explicit ArgReader(const QStringList &args) : m_args(args) {}

    // Takes "--name VALUE"; empty when absent; UsageError when VALUE is missing.
    QString option(const QString &name);
    bool flag(const QString &name);
    // The remaining words, which must number exactly count.
    QStringList positional(int count, const QString &what);

private:
    QStringList m_args;
};

} // namespace lumetra::cli
