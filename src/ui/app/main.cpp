#include "model/apphome.h"
#include "model/error.h"
#include "ui/app/lumetraapplication.h"
#include "ui/app/splashwindow.h"
#include "ui/app/tmainform.h"
#include "ui/app/userprompts.h"
#include "ui/link/sendcommands.h"

#include <QFont>
#include <QIcon>
#include <QStyleFactory>
#include <QTextStream>

using namespace lumetra;

int main(int argc, char **argv)
{
    LumetraApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    // No display name: the platform would append it to the caption from title.txt.
    QGuiApplication::setDesktopFileName(QStringLiteral("lumetra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumetra.png")));
    app.loadTranslations();
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
    QFont::insertSubstitution(QStringLiteral("黑体"), QStringLiteral("WenQuanYi Zen Hei"));

    QStringList args = QCoreApplication::arguments().mid(1);
    QString homeOption;
    QString portOption;
    bool splash = true;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--home") && !args.isEmpty()) {
            homeOption = args.takeFirst();
        } else if (arg == QLatin1String("--port") && !args.isEmpty()) {
            portOption = args.takeFirst();
        } else if (arg == QLatin1String("--no-splash")) {
            splash = false;
        } else {
            QTextStream(stderr) << "usage: lumetra [--home DIR] [--no-splash] [--port DEVICE]\n";
            return 2;
        }
    }

    QString home;
    try {
        home = AppHome::resolve(homeOption);
    } catch (const Error &error) {
        UserPrompts().error(nullptr, error.text());
        return 1;
    }

    TMAINForm window(home);
    app.setErrorBox([&window](const QString &text) { window.prompts().error(QApplication::activeWindow(), text); });

    if (splash) {
        SplashWindow splashWindow(AppHome::extFileFolder(home) + QStringLiteral("SP1.BMP"));
        if (!splashWindow.errorText().isEmpty())
            window.prompts().error(nullptr, splashWindow.errorText());
        splashWindow.exec();
    }
    window.show();
    if (!portOption.isEmpty())
        window.sendCommands()->selectPort(portOption);
    return app.exec();
}
