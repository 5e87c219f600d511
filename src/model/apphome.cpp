#include "model/apphome.h"

#include "model/error.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/projectkeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

static void initBundledResources()
{
    Q_INIT_RESOURCE(default_project);
}

namespace lumetra {

QString AppHome::resolve(const QString &overrideDir)
{
    QString home = overrideDir;
    if (home.isEmpty()) {
        const QString beside = QCoreApplication::applicationDirPath();
        if (!beside.isEmpty() && QDir(beside + QStringLiteral("/Project")).exists())
            return QDir::cleanPath(beside);
        home = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (home.isEmpty())
            home = QDir::homePath() + QStringLiteral("/.local/share/Lumetra");
    }
    home = QDir::cleanPath(QDir(home).absolutePath());
    if (!QDir(home + QStringLiteral("/Project")).exists())
        seed(home);
    return home;
}

void AppHome::seed(const QString &home)
{
    initBundledResources();
    const QString target = home + QStringLiteral("/Project");
    if (QDir(target).exists())
        return;
    QDirIterator it(QStringLiteral(":/home/Project"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(QStringLiteral(":/home/").size());
        const QString dest = home + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(dest).absolutePath());
        if (!QFile::copy(source, dest))
            throw Error(QStringLiteral("无法写入文件 \"%1\"").arg(dest), dest);
        // Resource files are read-only; the copies must be editable.
        QFile::setPermissions(dest, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ReadOther);
    }
    QDir().mkpath(target + QStringLiteral("/ExtFile"));
}

QString AppHome::defaultProjectPath(const QString &home)
{
    return home + QStringLiteral("/Project/Project.zvp");
}

QString AppHome::extFileFolder(const QString &home)
{
    return home + QStringLiteral("/Project/ExtFile/");
}

QString AppHome::windowTitle(const QString &home)
{
    try {
        const IniDocument doc = IniDocument::load(extFileFolder(home) + QStringLiteral("title.txt"));
        if (const auto title = doc.value(ProjectKeys::get().TitleSection, "title"))
            return fromGbk(*title);
    } catch (const Error &) {
        // An unreadable caption file is no reason not to start.
    }
    return QStringLiteral("Lumetra");
}

} // namespace lumetra
