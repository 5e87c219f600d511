#include "cli/clicontext.h"
#include "cli/command.h"

#include "model/apphome.h"
#include "model/error.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumetra;
using namespace lumetra::cli;

// Qt warns on every start when XDG_RUNTIME_DIR is unset (cron, ssh); give it
// the private folder it would fall back to anyway.
static void quietRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(uint(getuid()));
    if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
        qputenv("XDG_RUNTIME_DIR", dir);
}

int main(int argc, char **argv)
{
    // Rendering needs fonts and images but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietRuntimeDir();
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));

    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString home;
    if (args.size() >= 2 && args.first() == QLatin1String("--home")) {
        home = args.at(1);
        args.remove(0, 2);
    }
    if (args.isEmpty()) {
        err << Command::usage();
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    std::unique_ptr<Command> command = Command::create(name);
    if (!command) {
        err << "unknown command " << name << "\n" << Command::usage();
        return ExitUsage;
    }

    try {
        CliContext context(AppHome::resolve(home));
        return command->run(context, args);
    } catch (const UsageError &e) {
        err << e.message << "\n" << Command::usage();
        return ExitUsage;
    } catch (const Error &e) {
        err << e.text() << "\n";
        return ExitFailure;
    } catch (const std::exception &e) {
        err << e.what() << "\n";
        return ExitFailure;
    }
}
